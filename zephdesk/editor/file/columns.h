#pragma once
// One layout record line built column by column. Writing, each column takes its value and
// a text field is as wide as its value needs (never narrower than its usual width), so
// nothing is cut. Reading, the line is known first and every text field is as wide as the
// line, so no value on it is cut either.

#include <cstdint>
#include <string>

#include "foundation/kvrecord.h"

namespace ed {

// The width of a text field that holds the value whole and is at least `least` wide.
std::uint16_t TextWidthFor(const std::string& value, std::uint16_t least);

class Columns {
 public:
  // For writing.
  Columns() = default;
  // For reading the line.
  explicit Columns(const std::string& line) : line_(&line) {}

  Columns& Long(const char* name, std::int32_t value);
  Columns& Byte(const char* name, std::uint8_t value);
  Columns& Text(const char* name, std::uint16_t least, const std::string& value);
  // Columns of a line to read.
  Columns& Long(const char* name);
  Columns& Byte(const char* name);
  Columns& Text(const char* name);

  // 1 when the line was written to the shared text stream.
  int Write(int section);
  // 1 when the line had exactly these columns and each took its value.
  int Parse(int section);

  std::int32_t LongAt(int i) const;
  std::uint8_t ByteAt(int i) const;
  std::string TextAt(int i) const;

 private:
  AbstrRecord record_;
  const std::string* line_ = nullptr;
};

}  // namespace ed
