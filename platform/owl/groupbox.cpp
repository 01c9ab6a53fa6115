#include "owl/groupbox.h"

TGroupBox::TGroupBox(TWindow* parent, int id, const char* text, int x, int y, int w, int h,
                     TModule* module)
    : TControl(parent, id, text, x, y, w, h, module) {
  Attr.Style = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
}

TGroupBox::TGroupBox(TWindow* parent, int resourceId, TModule* module)
    : TControl(parent, resourceId, module) {}

void TGroupBox::SelectionChanged(int) {
  if (!NotifyParent || !Parent || !Parent->HWindow) return;
  ::SendMessageA(Parent->HWindow, WM_COMMAND, MAKEWPARAM(Attr.Id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(HWindow));
}
