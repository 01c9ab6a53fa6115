#pragma once
// A device-independent bitmap read from a .bmp file.
#include <windows.h>

class TDib {
 public:
  explicit TDib(const char* fileName);
  ~TDib();

  TDib(const TDib&) = delete;
  TDib& operator=(const TDib&) = delete;

  bool IsOK() const { return Bitmap != nullptr; }
  HBITMAP GetHandle() const { return Bitmap; }
  int Width() const { return Size.cx; }
  int Height() const { return Size.cy; }

 private:
  HBITMAP Bitmap = nullptr;
  SIZE Size{};
};
