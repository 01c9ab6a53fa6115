#pragma once
// Record lines of the model part described by tables of fields: a line is written from a
// list of values and read back into one. Text fields grow with their value, so no text is
// cut at a fixed width.

#include <cstdint>
#include <string>
#include <vector>

namespace zeph {

enum class EdKind : std::uint8_t { Uchar, Short, Long, Float, Double, Text };

struct EdField {
  const char* Name;
  EdKind Kind;
  std::uint16_t Width = 0;  // text fields: the smallest width (the value may be longer)
};

struct EdValue {
  std::int64_t Number = 0;
  double Real = 0;
  std::string Text;
};

class EdValues {
 public:
  explicit EdValues(std::size_t count) : values_(count) {}
  // Makes room for count values; a list reused from line to line keeps its storage.
  void Resize(std::size_t count) { values_.resize(count); }
  EdValues& Num(std::size_t i, std::int64_t n) { values_[i].Number = n; return *this; }
  EdValues& Real(std::size_t i, double d) { values_[i].Real = d; return *this; }
  EdValues& Text(std::size_t i, std::string s) { values_[i].Text = std::move(s); return *this; }
  std::int64_t Num(std::size_t i) const { return values_[i].Number; }
  std::int16_t Short(std::size_t i) const { return static_cast<std::int16_t>(values_[i].Number); }
  double Real(std::size_t i) const { return values_[i].Real; }
  const std::string& Text(std::size_t i) const { return values_[i].Text; }
  std::size_t Size() const { return values_.size(); }
  EdValue* Data() { return values_.data(); }
  const EdValue* Data() const { return values_.data(); }
  EdValue& operator[](std::size_t i) { return values_[i]; }
  const EdValue& operator[](std::size_t i) const { return values_[i]; }

 private:
  std::vector<EdValue> values_;
};

// The line of the section kind for the values (count of them); false when a text does not
// fit a field (65534 characters) or the kind has no line.
bool EdFormatLine(int sectionKind, const EdField* fields, std::size_t count, const EdValue* values, std::string& line);
inline bool EdFormatLine(int sectionKind, const EdField* fields, std::size_t count, const EdValues& values,
                         std::string& line) {
  return EdFormatLine(sectionKind, fields, count, values.Data(), line);
}

// Writes one line of the section kind through the current text stream. 1 written; 0 when
// a text does not fit a field (65534 characters) or the line could not be written.
int EdWriteLine(int sectionKind, const EdField* fields, std::size_t count, const EdValue* values);
inline int EdWriteLine(int sectionKind, const EdField* fields, std::size_t count, const EdValues& values) {
  return EdWriteLine(sectionKind, fields, count, values.Data());
}
inline int EdWriteLine(int sectionKind, const std::vector<EdField>& fields, const EdValues& values) {
  return EdWriteLine(sectionKind, fields.data(), fields.size(), values);
}

// Parses a line of the section kind: 1 a well-formed record (values filled), 0 malformed.
// A line with fewer fields than the table fails; fields parsed before stay in values.
int EdParseLine(const std::string& line, int sectionKind, const EdField* fields, std::size_t count, EdValue* values);
inline int EdParseLine(const std::string& line, int sectionKind, const EdField* fields, std::size_t count,
                       EdValues& values) {
  return EdParseLine(line, sectionKind, fields, count, values.Data());
}
inline int EdParseLine(const std::string& line, int sectionKind, const std::vector<EdField>& fields, EdValues& values) {
  return EdParseLine(line, sectionKind, fields.data(), fields.size(), values);
}

// Parses a line of count 16-bit number fields (a block's words) into words, each read as
// EdParseLine reads a Short field: 1 well-formed, 0 malformed (words before stay set).
int EdParseWords(const std::string& line, int sectionKind, std::size_t count, std::int16_t* words);

// A table of count 16-bit fields (a block's words), valid until the next call.
const EdField* EdWordFields(std::size_t count);

// Whether the line opens with the open string of the section kind.
bool EdLineOpensAs(const std::string& line, int sectionKind);

}  // namespace zeph
