// Record lines made and taken apart directly from their field tables: the same text forms
// as the foundation's record fields (numbers in decimal, reals by kvrec::FormatReal, texts
// escaped and, where the escape cannot carry them, given exactly behind the close
// string), without building a record object per line.
#include "programfile/edfile/edfile_fields.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/kvrecnum.h"
#include "foundation/kvtextdlm.h"
#include "foundation/kvtextesc.h"
#include "foundation/kvtextstm.h"

namespace zeph {
namespace {

constexpr std::size_t kTextLimit = 0xFFFF;   // a text field holds at most 65534 characters

// The sets of the kinds 0 to 23, and last the empty set of every other kind: one table
// made when the library loads, looked up for every line read or written.
const std::vector<delimiter> kDelimiterSets = [] {
  std::vector<delimiter> all;
  for (unsigned k = 0; k <= 23; ++k) all.emplace_back(k);
  all.emplace_back(99u);
  return all;
}();

const delimiter& DelimiterOf(int kind) {
  const auto at = static_cast<unsigned>(kind);
  return kDelimiterSets[at <= 23 ? at : 24];
}

// Appends the decimal number and the separator in one step: a table line is mostly
// numbers, and most of them one digit.
void AppendNumber(std::string& line, std::int64_t n, char separator) {
  if (n >= 0 && n <= 9) {
    const char two[2] = {static_cast<char>('0' + n), separator};
    line.append(two, 2);
    return;
  }
  char buffer[24];
  char* end = buffer + sizeof buffer;
  char* p = end - 1;
  *p = separator;
  const bool negative = n < 0;
  std::uint64_t u = negative ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
  do {
    *--p = static_cast<char>('0' + u % 10);
    u /= 10;
  } while (u != 0);
  if (negative) *--p = '-';
  line.append(p, static_cast<std::size_t>(end - p));
}

// A field of nothing but a decimal of at most 18 digits is read here; anything else
// takes the foundation's lenient reading.
std::int64_t ReadNumber(std::string_view t) {
  const std::size_t first = !t.empty() && t[0] == '-' ? 1 : 0;
  if (t.size() > first && t.size() - first <= 18) {
    std::int64_t n = 0;
    std::size_t i = first;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) n = n * 10 + (t[i] - '0');
    if (i == t.size()) return first != 0 ? -n : n;
  }
  return kvrec::ReadInteger(t);
}

// The most common number field: one digit and the separator. The digit, pos then past the
// separator; -1 (pos unchanged) for any other field.
inline int TakeDigitField(const char* data, std::size_t size, std::size_t& pos, char separator) {
  if (pos + 1 >= size || data[pos + 1] != separator) return -1;
  const unsigned digit = static_cast<unsigned char>(data[pos]) - static_cast<unsigned>('0');
  if (digit > 9) return -1;
  pos += 2;
  return static_cast<int>(digit);
}

// The common number field in one pass: an optional "-", 1 to 18 digits and the
// separator. True (value stored, pos past the separator) when the field is one; the
// value is the one ReadNumber gives for it.
inline bool TakePlainNumber(const char* data, std::size_t size, std::size_t& pos, char separator, std::int64_t& value) {
  const char* p = data + pos;
  const char* const end = data + size;
  const bool negative = p != end && *p == '-';
  if (negative) ++p;
  const char* const digits = p;
  std::uint64_t n = 0;
  // More than 18 digits only wrap n: the field is then read the lenient way.
  for (unsigned d = 0; p != end && (d = static_cast<unsigned>(static_cast<unsigned char>(*p)) - '0') <= 9; ++p) n = n * 10 + d;
  const auto count = static_cast<std::size_t>(p - digits);
  if (count == 0 || count > 18 || p == end || *p != separator) return false;
  value = negative ? -static_cast<std::int64_t>(n) : static_cast<std::int64_t>(n);
  pos = static_cast<std::size_t>(p - data) + 1;
  return true;
}

// A text without commas, line ends or carets that does not end in "~" is its own field
// text and reads back as itself: most texts are, and skip the escaping.
bool IsPlainText(std::string_view text) {
  if (!text.empty() && text.back() == '~') return false;
  for (const char c : text) {
    if (c == ',' || c == '\r' || c == '\n' || c == '^') return false;
  }
  return true;
}

// One field of a line from pos, as KvTakeFieldText takes it (a separator right after "~"
// belongs to the text and the "~" is dropped), without changing the line: the text is
// gathered in out.
bool TakeField(const std::string& line, std::size_t& pos, const std::string& separator, std::string& out) {
  out.clear();
  std::size_t from = pos;
  for (;;) {
    const std::size_t found =
        separator.size() == 1 ? line.find(separator[0], from) : line.find(separator, from);
    if (found == std::string::npos) return false;
    out.append(line, from, found - from);
    from = found + separator.size();
    if (!out.empty() && out.back() == '~') {
      out.back() = separator[0];
      out.append(separator, 1, std::string::npos);
      continue;
    }
    pos = from;
    return true;
  }
}

// The end of a field that starts at pos, for a one-character separator: the first
// separator not right after a "~" of the field. npos when none is left.
std::size_t FieldEnd(const std::string& line, std::size_t pos, char separator) {
  const char* data = line.data();
  for (std::size_t i = pos; i < line.size(); ++i) {
    if (data[i] == separator && (i == pos || data[i - 1] != '~')) return i;
  }
  return std::string::npos;
}

// FieldEnd, noting on the way whether the field is its own text: no "~", "^" or zero in
// it, so that nothing is unescaped, restored or cut.
std::size_t TextFieldEnd(const std::string& line, std::size_t pos, char separator, bool& plain) {
  const char* data = line.data();
  plain = true;
  for (std::size_t i = pos; i < line.size(); ++i) {
    const char c = data[i];
    if (c == separator && (i == pos || data[i - 1] != '~')) return i;
    if (c == '~' || c == '^' || c == '\0') plain = false;
  }
  return std::string::npos;
}

// The field text of line[from, end) for a one-character separator: each "~" before a
// separator is dropped.
void UnescapedField(const std::string& line, std::size_t from, std::size_t end, char separator, std::string& out) {
  out.assign(line, from, end - from);
  if (out.find('~') == std::string::npos) return;
  std::size_t w = 0;
  for (std::size_t r = 0; r < out.size(); ++r) {
    if (out[r] == '~' && r + 1 < out.size() && out[r + 1] == separator) continue;
    out[w++] = out[r];
  }
  out.resize(w);
}

void StoreText(const std::string& fieldText, EdValue& v) {
  // A text value ends at its first zero and holds at most 65534 characters.
  if (fieldText.find('^') == std::string::npos) {
    v.Text.assign(fieldText, 0, std::min(fieldText.find('\0'), kTextLimit - 1));
    return;
  }
  const std::string restored = KvRestoreLineEnds(fieldText);
  v.Text.assign(restored, 0, std::min(restored.find('\0'), kTextLimit - 1));
}

// The exact texts behind the close string replace the escaped ones only when every item
// names a text field whose written text is the one its exact value is written as.
void TakeExactTail(const std::string& line, std::size_t open, std::size_t tailStart, const delimiter& set,
                   const EdField* fields, std::size_t count, EdValue* values) {
  std::vector<KvExactValue> exact;
  if (!KvParseExactTail(line.substr(tailStart), exact)) return;
  std::vector<std::string> fieldTexts(count);
  std::size_t pos = open + set.open.size();
  for (std::size_t i = 0; i < count; ++i) TakeField(line, pos, set.separator, fieldTexts[i]);
  for (const KvExactValue& item : exact) {
    if (item.fieldIndex >= count || fields[item.fieldIndex].Kind != EdKind::Text) return;
    std::string written = KvEscapeFieldText(item.value) + set.separator;
    std::size_t at = 0;
    std::string expected;
    if (!KvTakeFieldText(written, at, set.separator, expected) || expected != fieldTexts[item.fieldIndex]) return;
  }
  for (const KvExactValue& item : exact) values[item.fieldIndex].Text = item.value;
}

// A number field from pos, pos then past its separator. A number is read from the front
// of its field, where no escape can be, so with a one-character separator it is read in
// place. False when the line has no separator left.
bool TakeNumberField(const std::string& line, std::size_t& pos, const delimiter& set, std::int64_t& n) {
  if (set.separator.size() != 1) {
    thread_local std::string t;
    if (!TakeField(line, pos, set.separator, t)) return false;
    n = ReadNumber(t);
    return true;
  }
  if (TakePlainNumber(line.data(), line.size(), pos, set.separator[0], n)) return true;
  const std::size_t end = FieldEnd(line, pos, set.separator[0]);
  if (end == std::string::npos) return false;
  n = ReadNumber(std::string_view(line).substr(pos, end - pos));
  pos = end + 1;
  return true;
}

// Where the open string first stands in the line; npos when nowhere. Lines mostly start
// with it.
std::size_t OpenAt(const std::string& line, const std::string& open) {
  if (open.size() == 1 && !line.empty() && line[0] == open[0]) return 0;
  return line.find(open);
}

// A 16-bit field keeps the low 16 bits of a number in its range, signed or not; any
// other number reads 0.
std::int16_t ShortOf(std::int64_t n) {
  return n >= -32768 && n <= 65535 ? static_cast<std::int16_t>(static_cast<std::uint16_t>(n & 0xFFFF)) : 0;
}

}  // namespace

const EdField* EdWordFields(std::size_t count) {
  static std::vector<EdField> words;
  if (words.size() < count) words.resize(count, EdField{"Afield", EdKind::Short});
  return words.data();
}

bool EdFormatLine(int sectionKind, const EdField* fields, std::size_t count, const EdValue* values, std::string& line) {
  const delimiter& set = DelimiterOf(sectionKind);
  if (!set.HasLine()) return false;
  line = set.open;
  std::vector<KvExactValue> exact;
  for (std::size_t i = 0; i < count; ++i) {
    const EdValue& v = values[i];
    const EdKind kind = fields[i].Kind;
    if (kind == EdKind::Uchar || kind == EdKind::Short || kind == EdKind::Long) {
      // A number carries the separator's first character with it.
      const std::int64_t n = kind == EdKind::Uchar   ? static_cast<std::uint8_t>(v.Number)
                             : kind == EdKind::Short ? static_cast<std::int16_t>(v.Number)
                                                     : static_cast<std::int32_t>(v.Number);
      AppendNumber(line, n, set.separator[0]);
      if (set.separator.size() > 1) line.append(set.separator, 1, std::string::npos);
      continue;
    }
    switch (kind) {
      case EdKind::Float: line += kvrec::FormatReal(static_cast<float>(v.Real), true); break;
      case EdKind::Double: line += kvrec::FormatReal(v.Real, false); break;
      case EdKind::Text: {
        // A text field holds the value up to its first zero, and at most 65534 characters.
        const std::string_view text = std::string_view(v.Text).substr(0, v.Text.find('\0'));
        if (text.size() + 1 > kTextLimit) return false;
        if (IsPlainText(text)) {
          line += text;
          break;
        }
        const std::string copy(text);
        line += KvEscapeFieldText(copy);
        if (!KvFieldTextIsExact(copy)) exact.push_back({i, copy});
        break;
      }
      default: break;   // numbers are written above
    }
    line += set.separator;
  }
  line += set.close;
  if (!exact.empty()) line += KvFormatExactTail(exact);
  return true;
}

int EdWriteLine(int sectionKind, const EdField* fields, std::size_t count, const EdValue* values) {
  // One line buffer for every line: its room is kept from line to line.
  thread_local std::string line;
  if (!EdFormatLine(sectionKind, fields, count, values, line)) return 0;
  return WriteTextLine(line) == 1 ? 1 : 0;
}

int EdParseLine(const std::string& line, int sectionKind, const EdField* fields, std::size_t count, EdValue* values) {
  const delimiter& set = DelimiterOf(sectionKind);
  if (!set.HasLine()) return 0;
  const std::size_t open = OpenAt(line, set.open);
  if (open == std::string::npos) return 0;
  std::size_t pos = open + set.open.size();
  // One buffer for the field texts of every line.
  thread_local std::string t;
  const bool oneCharacter = set.separator.size() == 1;
  const char separator = set.separator[0];
  for (std::size_t i = 0; i < count; ++i) {
    const EdKind kind = fields[i].Kind;
    EdValue& v = values[i];
    if (kind == EdKind::Uchar || kind == EdKind::Short || kind == EdKind::Long) {
      // A digit reads the same in every width.
      // Most number fields are one digit: those take the shortest way.
      if (oneCharacter) {
        if (const int digit = TakeDigitField(line.data(), line.size(), pos, separator); digit >= 0) {
          v.Number = digit;
          continue;
        }
      }
      std::int64_t n = 0;
      if (!(oneCharacter && TakePlainNumber(line.data(), line.size(), pos, separator, n)) &&
          !TakeNumberField(line, pos, set, n)) {
        return 0;
      }
      switch (kind) {
        case EdKind::Uchar: v.Number = n & 0xFF; break;
        case EdKind::Short: v.Number = ShortOf(n); break;
        default: v.Number = static_cast<std::int32_t>(static_cast<std::uint32_t>(n & 0xFFFFFFFF)); break;
      }
      continue;
    }
    if (oneCharacter) {
      bool plain = false;
      const std::size_t end = TextFieldEnd(line, pos, separator, plain);
      if (end == std::string::npos) return 0;
      if (plain && kind == EdKind::Text) {
        // Most texts are their own value: taken from the line in one step.
        v.Text.assign(line, pos, std::min(end - pos, kTextLimit - 1));
        pos = end + 1;
        continue;
      }
      UnescapedField(line, pos, end, separator, t);
      pos = end + 1;
    } else if (!TakeField(line, pos, set.separator, t)) {
      return 0;
    }
    switch (kind) {
      case EdKind::Float: v.Real = static_cast<float>(kvrec::ReadReal(t)); break;
      case EdKind::Double: v.Real = kvrec::ReadReal(t); break;
      default: StoreText(t, v); break;
    }
  }
  if (line.compare(pos, set.close.size(), set.close) != 0) return 0;
  const std::size_t tail = pos + set.close.size();
  if (tail < line.size()) TakeExactTail(line, open, tail, set, fields, count, values);
  return 1;
}

int EdParseWords(const std::string& line, int sectionKind, std::size_t count, std::int16_t* words) {
  const delimiter& set = DelimiterOf(sectionKind);
  if (!set.HasLine()) return 0;
  const std::size_t open = OpenAt(line, set.open);
  if (open == std::string::npos) return 0;
  std::size_t pos = open + set.open.size();
  const bool oneCharacter = set.separator.size() == 1;
  const char separator = set.separator[0];
  const char* data = line.data();
  const std::size_t size = line.size();
  // Most words of a table are 0: a run of four of them is recognised in one step.
  const char zeros[8] = {'0', separator, '0', separator, '0', separator, '0', separator};
  std::uint64_t fourZeros = 0;
  std::memcpy(&fourZeros, zeros, sizeof fourZeros);
  for (std::size_t i = 0; i < count; ++i) {
    if (oneCharacter) {
      std::uint64_t chunk = 0;
      while (i + 4 <= count && pos + 8 <= size && (std::memcpy(&chunk, data + pos, 8), chunk == fourZeros)) {
        std::memset(words + i, 0, 4 * sizeof *words);
        i += 4;
        pos += 8;
      }
      if (i == count) break;
    }
    if (const int digit = oneCharacter ? TakeDigitField(data, size, pos, separator) : -1; digit >= 0) {
      words[i] = static_cast<std::int16_t>(digit);
      continue;
    }
    std::int64_t n = 0;
    if (!TakeNumberField(line, pos, set, n)) return 0;
    words[i] = ShortOf(n);
  }
  return line.compare(pos, set.close.size(), set.close) == 0 ? 1 : 0;
}

bool EdLineOpensAs(const std::string& line, int sectionKind) {
  const delimiter& set = DelimiterOf(sectionKind);
  const std::size_t n = set.open.size();
  if (n == 1) return !line.empty() && line[0] == set.open[0];
  return set.HasLine() && line.size() >= n && std::memcmp(line.data(), set.open.data(), n) == 0;
}

}  // namespace zeph
