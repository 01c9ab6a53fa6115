#include "system_info_page.h"

#include "owl/module.h"

void CSystemInfoPage::PaintBitmap(CPropertyPage& page, HDC dc, UINT bitmapId, int controlId) {
  HWND control = page.GetDlgItem(controlId);
  TModule* module = page.GetModule();
  if (!control || !module) return;
  RECT frame{};
  ::GetWindowRect(control, &frame);
  ::MapWindowPoints(nullptr, page.GetHandle(), reinterpret_cast<POINT*>(&frame), 2);
  HBITMAP bitmap = module->LoadBitmap(static_cast<int>(bitmapId));
  if (!bitmap) return;
  HDC source = ::CreateCompatibleDC(dc);
  HGDIOBJ previous = ::SelectObject(source, bitmap);
  ::BitBlt(dc, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top, source, 0, 0, SRCCOPY);
  ::SelectObject(source, previous);
  ::DeleteDC(source);
  ::DeleteObject(bitmap);
}
