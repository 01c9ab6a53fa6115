#pragma once
// A resource named either by number or by text, as the resource calls take it.
#include <windows.h>

#include <string>

class TResId {
 public:
  TResId() = default;
  TResId(int id) : Number(id) {}
  // A text that is really a number in disguise (MAKEINTRESOURCE) counts as a number.
  TResId(const char* name) {
    if (name == nullptr) return;
    if (IS_INTRESOURCE(name)) {
      Number = static_cast<int>(reinterpret_cast<ULONG_PTR>(name));
    } else {
      IsText = true;
      Text = name;
    }
  }

  bool IsString() const { return IsText; }
  bool IsNull() const { return !IsText && Number == 0; }
  int GetInt() const { return IsText ? 0 : Number; }
  const char* GetName() const { return IsText ? Text.c_str() : nullptr; }

  // The form the resource calls take: the text, or MAKEINTRESOURCE of the number.
  LPCSTR Get() const { return IsText ? Text.c_str() : MAKEINTRESOURCEA(Number); }
  operator LPCSTR() const { return Get(); }

 private:
  bool IsText = false;
  int Number = 0;
  std::string Text;
};
