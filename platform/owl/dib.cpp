#include "owl/dib.h"

TDib::TDib(const char* fileName) {
  if (fileName == nullptr) return;
  Bitmap = static_cast<HBITMAP>(
      ::LoadImageA(nullptr, fileName, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  if (Bitmap) {
    BITMAP info{};
    ::GetObjectA(Bitmap, sizeof info, &info);
    Size.cx = info.bmWidth;
    Size.cy = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  }
}

TDib::~TDib() {
  if (Bitmap) ::DeleteObject(Bitmap);
}
