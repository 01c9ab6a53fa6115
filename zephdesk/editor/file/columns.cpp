#include "editor/file/columns.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "foundation/kvtextdlm.h"

namespace ed {
namespace {
constexpr std::size_t kWidest = std::numeric_limits<std::uint16_t>::max();
constexpr unsigned kLastKind = 23;   // the highest section kind with a delimiter set

// The open and close strings of a section's lines and its separator when it is one
// character (else zero), made once per section kind.
struct Delimiters {
  std::string open;
  std::string close;
  char separator = '\0';
};

const Delimiters& DelimitersOf(int section) {
  static const std::vector<Delimiters> sets = [] {
    std::vector<Delimiters> all;
    for (unsigned kind = 0; kind <= kLastKind; ++kind) {
      const delimiter set(kind);
      Delimiters d;
      if (set.separator.size() == 1) d = Delimiters{set.open, set.close, set.separator[0]};
      all.push_back(std::move(d));
    }
    return all;
  }();
  static const Delimiters none;
  return section >= 0 && static_cast<unsigned>(section) <= kLastKind ? sets[static_cast<std::size_t>(section)] : none;
}
}  // namespace

std::uint16_t TextWidthFor(const std::string& value, std::uint16_t least) {
  const std::size_t wanted = value.size() + 1;
  if (wanted <= least) return least;
  return static_cast<std::uint16_t>(wanted < kWidest ? wanted : kWidest);
}

zeph::EdValue& Columns::Overflow() {
  overflow_ = true;
  static thread_local zeph::EdValue ignored;
  ignored = zeph::EdValue();
  return ignored;
}

Columns::~Columns() {
  zeph::EdValue* values = Values();
  for (std::size_t i = 0; i < count_; ++i) values[i].~EdValue();
}

const zeph::EdValue& Columns::None() {
  static const zeph::EdValue none;
  return none;
}

Columns& Columns::Long(const char* name, std::int32_t value) {
  Add(name, zeph::EdKind::Long).Number = value;
  return *this;
}

Columns& Columns::Byte(const char* name, std::uint8_t value) {
  Add(name, zeph::EdKind::Uchar).Number = value;
  return *this;
}

Columns& Columns::Text(const char* name, std::uint16_t least, const std::string& value) {
  // The widest field holds a value up to its first zero, and at most 65534 characters.
  const std::size_t width = TextWidthFor(value, least);
  Add(name, zeph::EdKind::Text).Text.assign(value, 0, std::min(value.find('\0'), width - 1));
  return *this;
}

int Columns::Write(int section) {
  return overflow_ ? 0 : zeph::EdWriteLine(section, fields_.data(), count_, Values());
}

int Columns::Parse(int section) {
  // A value on the line is shorter than the line, and a field is at most 65535 wide.
  if (overflow_ || line_ == nullptr || line_->size() >= kWidest) return 0;
  return ParsePlain(section) ? 1 : zeph::EdParseLine(*line_, section, fields_.data(), count_, Values());
}

bool Columns::ParsePlain(int section) {
  // The line opens at its start; numbers are plain decimals of at most 18 digits; texts
  // hold no "~", "^" or zero, so that they are their own values; the close string ends the
  // line. Anything else (escapes, exact texts after the close, a malformed line) is left to
  // the full reading, which gives the same values for the lines taken here.
  const Delimiters& set = DelimitersOf(section);
  if (set.separator == '\0') return false;
  const std::string& line = *line_;
  const char* p = line.data();
  const char* const end = p + line.size();
  if (static_cast<std::size_t>(end - p) < set.open.size() || line.compare(0, set.open.size(), set.open) != 0) return false;
  p += set.open.size();
  const char separator = set.separator;
  zeph::EdValue* values = Values();
  for (std::size_t i = 0; i < count_; ++i) {
    const zeph::EdKind kind = fields_[i].Kind;
    const char* const from = p;
    if (kind == zeph::EdKind::Text) {
      while (p != end && *p != separator) {
        if (*p == '~' || *p == '^' || *p == '\0') return false;
        ++p;
      }
      if (p == end) return false;
      values[i].Text.assign(from, static_cast<std::size_t>(p - from));
      ++p;
      continue;
    }
    if (kind != zeph::EdKind::Long && kind != zeph::EdKind::Uchar) return false;
    const bool negative = p != end && *p == '-';
    if (negative) ++p;
    const char* const digits = p;
    std::uint64_t n = 0;
    for (unsigned d = 0; p != end && (d = static_cast<unsigned>(static_cast<unsigned char>(*p)) - '0') <= 9; ++p) n = n * 10 + d;
    if (p == digits || p - digits > 18 || p == end || *p != separator) return false;
    ++p;
    const std::uint64_t bits = negative ? 0 - n : n;
    values[i].Number = kind == zeph::EdKind::Uchar ? static_cast<std::int64_t>(bits & 0xFF)
                                                   : static_cast<std::int32_t>(static_cast<std::uint32_t>(bits & 0xFFFFFFFF));
  }
  return static_cast<std::size_t>(end - p) == set.close.size() && line.compare(line.size() - set.close.size(), set.close.size(), set.close) == 0;
}

}  // namespace ed
