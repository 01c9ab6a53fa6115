#pragma once
// One layout record line built column by column, in the text form of the foundation's
// records (numbers in decimal, texts escaped, exact texts behind the close string).
// Writing, each column takes its value and no text is cut below the widest field (65534
// characters). Reading, every text field is as wide as the line, so no value on it is cut.
// The line is made and taken apart straight from the column table: no record object or
// stream per line.

#include <array>
#include <cstddef>
#include <cstdint>
#include <new>
#include <string>

#include "programfile/edfile/edfile_fields.h"

namespace ed {

// The width of a text field that holds the value whole and is at least `least` wide.
std::uint16_t TextWidthFor(const std::string& value, std::uint16_t least);

class Columns {
 public:
  // For writing.
  Columns() = default;
  // For reading the line.
  explicit Columns(const std::string& line) : line_(&line) {}
  ~Columns();
  Columns(const Columns&) = delete;
  Columns& operator=(const Columns&) = delete;

  Columns& Long(const char* name, std::int32_t value);
  Columns& Byte(const char* name, std::uint8_t value);
  // The least width is that of the column's usual field; the value is written whole.
  Columns& Text(const char* name, std::uint16_t least, const std::string& value);
  // Columns of a line to read.
  Columns& Long(const char* name) { return Read(name, zeph::EdKind::Long); }
  Columns& Byte(const char* name) { return Read(name, zeph::EdKind::Uchar); }
  Columns& Text(const char* name) { return Read(name, zeph::EdKind::Text); }

  // The most columns a line has. A column past them makes Write and Parse fail.
  static constexpr std::size_t kMostColumns = 16;

  // 1 when the line was written to the shared text stream.
  int Write(int section);
  // 1 when the line had exactly these columns and each took its value.
  int Parse(int section);

  std::int32_t LongAt(int i) const { return static_cast<std::int32_t>(ValueAt(i).Number); }
  std::uint8_t ByteAt(int i) const { return static_cast<std::uint8_t>(ValueAt(i).Number); }
  const std::string& TextAt(int i) const { return ValueAt(i).Text; }

 private:
  zeph::EdValue& Add(const char* name, zeph::EdKind kind) {
    if (count_ == kMostColumns) return Overflow();
    fields_[count_] = zeph::EdField{name, kind};
    return *new (values_ + count_++ * sizeof(zeph::EdValue)) zeph::EdValue();
  }
  // A column past the most: noted, and its value goes nowhere.
  zeph::EdValue& Overflow();
  Columns& Read(const char* name, zeph::EdKind kind) {
    Add(name, kind);
    return *this;
  }
  // The common line taken in one pass: see columns.cpp. False leaves it to the full reading.
  bool ParsePlain(int section);

  zeph::EdValue* Values() { return std::launder(reinterpret_cast<zeph::EdValue*>(values_)); }
  const zeph::EdValue& ValueAt(int i) const {
    if (i < 0 || static_cast<std::size_t>(i) >= count_) return None();
    return std::launder(reinterpret_cast<const zeph::EdValue*>(values_))[i];
  }
  static const zeph::EdValue& None();

  // Kept in the object, each value made when its column is added: a line costs no
  // allocation of its own and no work for the columns it does not have.
  std::array<zeph::EdField, kMostColumns> fields_;
  alignas(zeph::EdValue) unsigned char values_[kMostColumns * sizeof(zeph::EdValue)];
  std::size_t count_ = 0;
  bool overflow_ = false;
  const std::string* line_ = nullptr;
};

}  // namespace ed
