// Record lines made and taken apart directly from their field tables: the same text forms
// as the foundation's record fields (numbers in decimal, reals by kvrec::FormatReal, texts
// escaped and, where the escape cannot carry them, given exactly behind the close
// string), without building a record object per line.
#include "programfile/edfile/edfile_fields.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "foundation/kvrecnum.h"
#include "foundation/kvtextdlm.h"
#include "foundation/kvtextesc.h"
#include "foundation/kvtextstm.h"

namespace zeph {
namespace {

constexpr std::size_t kTextLimit = 0xFFFF;   // a text field holds at most 65534 characters

const delimiter& DelimiterOf(int kind) {
  static const std::vector<delimiter> sets = [] {
    std::vector<delimiter> all;
    for (unsigned k = 0; k <= 23; ++k) all.emplace_back(k);
    return all;
  }();
  static const delimiter none(99u);
  return kind >= 0 && kind <= 23 ? sets[static_cast<std::size_t>(kind)] : none;
}

void AppendNumber(std::string& line, std::int64_t n) {
  char buffer[24];
  char* end = buffer + sizeof buffer;
  char* p = end;
  const bool negative = n < 0;
  std::uint64_t u = negative ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
  do {
    *--p = static_cast<char>('0' + u % 10);
    u /= 10;
  } while (u != 0);
  if (negative) *--p = '-';
  line.append(p, end);
}

}  // namespace

int EdWriteLine(int sectionKind, const std::vector<EdField>& fields, const EdValues& values) {
  const delimiter& set = DelimiterOf(sectionKind);
  if (!set.HasLine()) return 0;
  std::string line = set.open;
  std::vector<KvExactValue> exact;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const EdValue& v = values[i];
    switch (fields[i].Kind) {
      case EdKind::Uchar: AppendNumber(line, static_cast<std::uint8_t>(v.Number)); break;
      case EdKind::Short: AppendNumber(line, static_cast<std::int16_t>(v.Number)); break;
      case EdKind::Long: AppendNumber(line, static_cast<std::int32_t>(v.Number)); break;
      case EdKind::Float: line += kvrec::FormatReal(static_cast<float>(v.Real), true); break;
      case EdKind::Double: line += kvrec::FormatReal(v.Real, false); break;
      case EdKind::Text: {
        // A text field holds the value up to its first zero, and at most 65534 characters.
        const std::string text = v.Text.substr(0, v.Text.find('\0'));
        if (text.size() + 1 > kTextLimit) return 0;
        line += KvEscapeFieldText(text);
        if (!KvFieldTextIsExact(text)) exact.push_back({i, text});
        break;
      }
    }
    line += set.separator;
  }
  line += set.close;
  line += KvFormatExactTail(exact);
  return WriteTextLine(line) == 1 ? 1 : 0;
}

int EdParseLine(const std::string& text, int sectionKind, const std::vector<EdField>& fields, EdValues& values) {
  const delimiter& set = DelimiterOf(sectionKind);
  if (!set.HasLine()) return 0;
  std::string line = text;
  const std::size_t open = line.find(set.open);
  if (open == std::string::npos) return 0;
  std::size_t pos = open + set.open.size();
  std::vector<std::string> fieldTexts(fields.size());
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (!KvTakeFieldText(line, pos, set.separator, fieldTexts[i])) return 0;
    const std::string& t = fieldTexts[i];
    EdValue& v = values[i];
    switch (fields[i].Kind) {
      case EdKind::Uchar: v.Number = kvrec::ReadInteger(t) & 0xFF; break;
      case EdKind::Short: {
        const std::int64_t n = kvrec::ReadInteger(t);
        v.Number = n >= -32768 && n <= 65535 ? static_cast<std::int16_t>(static_cast<std::uint16_t>(n & 0xFFFF)) : 0;
        break;
      }
      case EdKind::Long:
        v.Number = static_cast<std::int32_t>(static_cast<std::uint32_t>(kvrec::ReadInteger(t) & 0xFFFFFFFF));
        break;
      case EdKind::Float: v.Real = static_cast<float>(kvrec::ReadReal(t)); break;
      case EdKind::Double: v.Real = kvrec::ReadReal(t); break;
      case EdKind::Text: {
        std::string restored = KvRestoreLineEnds(t);
        v.Text = restored.substr(0, std::min(restored.find('\0'), kTextLimit - 1));
        break;
      }
    }
  }
  if (line.compare(pos, set.close.size(), set.close) != 0) return 0;

  // Exact texts behind the close string are taken only when every item names a text
  // field whose written text is the one its exact value is written as.
  std::vector<KvExactValue> exact;
  if (!KvParseExactTail(line.substr(pos + set.close.size()), exact)) return 1;
  for (const KvExactValue& item : exact) {
    if (item.fieldIndex >= fields.size() || fields[item.fieldIndex].Kind != EdKind::Text) return 1;
    std::string written = KvEscapeFieldText(item.value) + set.separator;
    std::size_t at = 0;
    std::string expected;
    if (!KvTakeFieldText(written, at, set.separator, expected) || expected != fieldTexts[item.fieldIndex]) return 1;
  }
  for (const KvExactValue& item : exact) values[item.fieldIndex].Text = item.value;
  return 1;
}

bool EdLineOpensAs(const std::string& line, int sectionKind) {
  const delimiter& set = DelimiterOf(sectionKind);
  return set.HasLine() && line.compare(0, set.open.size(), set.open) == 0;
}

}  // namespace zeph
