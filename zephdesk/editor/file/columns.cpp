#include "editor/file/columns.h"

#include <limits>
#include <sstream>

#include "foundation/kvrecknd.h"
#include "foundation/kvtextstm.h"

namespace ed {
namespace {
constexpr std::size_t kWidest = std::numeric_limits<std::uint16_t>::max();
}

std::uint16_t TextWidthFor(const std::string& value, std::uint16_t least) {
  const std::size_t wanted = value.size() + 1;
  if (wanted <= least) return least;
  return static_cast<std::uint16_t>(wanted < kWidest ? wanted : kWidest);
}

Columns& Columns::Long(const char* name, std::int32_t value) {
  auto* field = new LONG_Field(name);
  field->SetValue(&value);
  record_.AddField(field);
  return *this;
}

Columns& Columns::Byte(const char* name, std::uint8_t value) {
  auto* field = new UCHAR_Field(name);
  field->SetValue(&value);
  record_.AddField(field);
  return *this;
}

Columns& Columns::Text(const char* name, std::uint16_t least, const std::string& value) {
  auto* field = new STRING_Field(name, TextWidthFor(value, least));
  field->SetText(value);
  record_.AddField(field);
  return *this;
}

Columns& Columns::Long(const char* name) {
  record_.AddField(new LONG_Field(name));
  return *this;
}

Columns& Columns::Byte(const char* name) {
  record_.AddField(new UCHAR_Field(name));
  return *this;
}

Columns& Columns::Text(const char* name) {
  // A value on the line is shorter than the line.
  const std::size_t width = line_ != nullptr ? line_->size() + 1 : 1;
  record_.AddField(new STRING_Field(name, static_cast<std::uint16_t>(width < kWidest ? width : kWidest)));
  return *this;
}

int Columns::Write(int section) { return record_.WriteText(section) != 0 ? 1 : 0; }

int Columns::Parse(int section) {
  if (line_ == nullptr || line_->size() >= kWidest) return 0;
  std::iostream* shared = GetTextStream();
  std::stringstream one(*line_ + "\n");
  SetTextStream(&one);
  const int read = record_.ReadText(section);
  SetTextStream(shared);
  return read == kKvTextRecord ? 1 : 0;
}

std::int32_t Columns::LongAt(int i) const {
  std::int32_t value = 0;
  record_.GetField(i)->GetValue(&value);
  return value;
}

std::uint8_t Columns::ByteAt(int i) const {
  std::uint8_t value = 0;
  record_.GetField(i)->GetValue(&value);
  return value;
}

std::string Columns::TextAt(int i) const { return static_cast<const STRING_Field*>(record_.GetField(i))->GetText(); }

}  // namespace ed
