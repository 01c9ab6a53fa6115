#include "owl/control.h"

TControl::TControl(TWindow* parent, int id, const char* title, int x, int y, int w, int h,
                   TModule* module)
    : TWindow(parent, title, module) {
  Attr.Id = id;
  Attr.Style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  Attr.X = x;
  Attr.Y = y;
  Attr.W = w;
  Attr.H = h;
}

TControl::TControl(TWindow* parent, int resourceId, TModule* module)
    : TWindow(parent, nullptr, module) {
  Attr.Id = resourceId;
  Attr.Style = 0;
  BoundByResourceId = true;
}

void TControl::SetupWindow() {
  if (!BoundByResourceId && Parent && Parent->HWindow) {
    LRESULT font = ::SendMessageA(Parent->HWindow, WM_GETFONT, 0, 0);
    if (font) SendMessage(WM_SETFONT, WPARAM(font), FALSE);
  }
  TWindow::SetupWindow();
}
