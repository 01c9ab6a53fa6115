#include "editor/file/columns.h"

#include <algorithm>
#include <limits>

namespace ed {
namespace {
constexpr std::size_t kWidest = std::numeric_limits<std::uint16_t>::max();
}  // namespace

std::uint16_t TextWidthFor(const std::string& value, std::uint16_t least) {
  const std::size_t wanted = value.size() + 1;
  if (wanted <= least) return least;
  return static_cast<std::uint16_t>(wanted < kWidest ? wanted : kWidest);
}

zeph::EdValue& Columns::Add(const char* name, zeph::EdKind kind) {
  if (count_ == kMostColumns) {
    overflow_ = true;
    static thread_local zeph::EdValue ignored;
    return ignored;
  }
  fields_[count_] = zeph::EdField{name, kind};
  auto* value = new (values_ + count_ * sizeof(zeph::EdValue)) zeph::EdValue();
  ++count_;
  return *value;
}

Columns::~Columns() {
  zeph::EdValue* values = Values();
  for (std::size_t i = 0; i < count_; ++i) values[i].~EdValue();
}

const zeph::EdValue& Columns::ValueAt(int i) const {
  static const zeph::EdValue none;
  if (i < 0 || static_cast<std::size_t>(i) >= count_) return none;
  return std::launder(reinterpret_cast<const zeph::EdValue*>(values_))[i];
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

Columns& Columns::Long(const char* name) {
  Add(name, zeph::EdKind::Long);
  return *this;
}

Columns& Columns::Byte(const char* name) {
  Add(name, zeph::EdKind::Uchar);
  return *this;
}

Columns& Columns::Text(const char* name) {
  Add(name, zeph::EdKind::Text);
  return *this;
}

int Columns::Write(int section) {
  return overflow_ ? 0 : zeph::EdWriteLine(section, fields_.data(), count_, Values());
}

int Columns::Parse(int section) {
  // A value on the line is shorter than the line, and a field is at most 65535 wide.
  if (overflow_ || line_ == nullptr || line_->size() >= kWidest) return 0;
  return zeph::EdParseLine(*line_, section, fields_.data(), count_, Values());
}

std::int32_t Columns::LongAt(int i) const { return static_cast<std::int32_t>(ValueAt(i).Number); }

std::uint8_t Columns::ByteAt(int i) const { return static_cast<std::uint8_t>(ValueAt(i).Number); }

const std::string& Columns::TextAt(int i) const { return ValueAt(i).Text; }

}  // namespace ed
