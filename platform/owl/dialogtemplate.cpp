#include "owl/dialogtemplate.h"

#include <windows.h>

#include <cstring>
#include <optional>

namespace {

// Offsets of the parts of a template header that the rewrite needs.
struct TLayout {
  size_t ClassStart;  // the class field
  size_t ClassEnd;
  size_t HeaderEnd;   // after title and font
  size_t ItemsStart;  // first item, DWORD-aligned
};

class TReader {
 public:
  TReader(const unsigned char* data, size_t size) : Data(data), Size(size) {}

  bool Word(size_t& at, WORD& value) const {
    if (at + 2 > Size) return false;
    std::memcpy(&value, Data + at, 2);
    at += 2;
    return true;
  }
  bool Dword(size_t& at, DWORD& value) const {
    if (at + 4 > Size) return false;
    std::memcpy(&value, Data + at, 4);
    at += 4;
    return true;
  }
  // A zero-terminated UTF-16 text.
  bool Text(size_t& at) const {
    WORD c;
    do {
      if (!Word(at, c)) return false;
    } while (c != 0);
    return true;
  }
  // A field that is empty (0), an ordinal (0xFFFF, n) or a text.
  bool TextOrOrdinal(size_t& at) const {
    size_t peek = at;
    WORD first;
    if (!Word(peek, first)) return false;
    if (first == 0) {
      at = peek;
      return true;
    }
    if (first == 0xFFFF) {
      WORD ordinal;
      at = peek;
      return Word(at, ordinal);
    }
    return Text(at);
  }

  const unsigned char* Data;
  size_t Size;
};

std::optional<TLayout> Parse(const unsigned char* data, size_t size) {
  TReader reader(data, size);
  size_t at = 0;
  WORD version = 0, signature = 0;
  if (!reader.Word(at, version) || !reader.Word(at, signature)) return std::nullopt;
  bool extended = version == 1 && signature == 0xFFFF;
  DWORD style = 0;
  if (extended) {
    at = 4 + 4 + 4;  // version, signature, help id, extended style
    if (!reader.Dword(at, style)) return std::nullopt;
    at = 26;
  } else {
    at = 0;
    if (!reader.Dword(at, style)) return std::nullopt;
    at = 18;
  }
  if (at > size) return std::nullopt;
  TLayout layout{};
  if (!reader.TextOrOrdinal(at)) return std::nullopt;  // menu
  layout.ClassStart = at;
  if (!reader.TextOrOrdinal(at)) return std::nullopt;  // class
  layout.ClassEnd = at;
  if (!reader.Text(at)) return std::nullopt;  // title
  if (style & DS_SETFONT) {
    WORD pointSize;
    if (!reader.Word(at, pointSize)) return std::nullopt;
    if (extended) {
      WORD weight;
      if (!reader.Word(at, weight)) return std::nullopt;
      if (at + 2 > size) return std::nullopt;
      at += 2;  // italic, charset
    }
    if (!reader.Text(at)) return std::nullopt;
  }
  layout.HeaderEnd = at;
  layout.ItemsStart = (at + 3) & ~size_t(3);
  if (layout.ItemsStart > size) layout.ItemsStart = size;
  return layout;
}

}  // namespace

std::vector<unsigned char> DialogTemplateWithClass(const void* dialogTemplate, size_t size,
                                                   const std::string& className) {
  const auto* data = static_cast<const unsigned char*>(dialogTemplate);
  if (data == nullptr) return {};
  std::optional<TLayout> layout = Parse(data, size);
  if (!layout) return {};

  int wideLength = ::MultiByteToWideChar(CP_ACP, 0, className.c_str(), -1, nullptr, 0);
  std::vector<wchar_t> wide(size_t(wideLength > 0 ? wideLength : 1), L'\0');
  if (wideLength > 0)
    ::MultiByteToWideChar(CP_ACP, 0, className.c_str(), -1, wide.data(), wideLength);

  std::vector<unsigned char> out(data, data + layout->ClassStart);
  const auto* classBytes = reinterpret_cast<const unsigned char*>(wide.data());
  out.insert(out.end(), classBytes, classBytes + wide.size() * sizeof(wchar_t));
  out.insert(out.end(), data + layout->ClassEnd, data + layout->HeaderEnd);
  while (out.size() % 4 != 0) out.push_back(0);
  // The items keep their alignment, since both copies start at a DWORD boundary.
  out.insert(out.end(), data + layout->ItemsStart, data + size);
  return out;
}

std::string DialogTemplateClass(const void* dialogTemplate, size_t size) {
  const auto* data = static_cast<const unsigned char*>(dialogTemplate);
  if (data == nullptr) return {};
  std::optional<TLayout> layout = Parse(data, size);
  if (!layout) return {};
  WORD first;
  std::memcpy(&first, data + layout->ClassStart, 2);
  if (first == 0 || first == 0xFFFF) return {};
  size_t chars = (layout->ClassEnd - layout->ClassStart) / 2 - 1;
  std::wstring wide(chars, L'\0');
  std::memcpy(wide.data(), data + layout->ClassStart, chars * 2);
  int bytes = ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), int(chars), nullptr, 0, nullptr, nullptr);
  std::string text(size_t(bytes), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), int(chars), text.data(), bytes, nullptr, nullptr);
  return text;
}
