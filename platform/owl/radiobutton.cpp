#include "owl/radiobutton.h"

#include "owl/groupbox.h"

TRadioButton::TRadioButton(TWindow* parent, int id, const char* title, int x, int y, int w,
                           int h, TGroupBox* group, TModule* module)
    : TCheckBox(parent, id, title, x, y, w, h, group, module) {
  Attr.Style = (Attr.Style & ~DWORD(0xF)) | BS_AUTORADIOBUTTON;
}

TRadioButton::TRadioButton(TWindow* parent, int resourceId, TGroupBox* group, TModule* module)
    : TCheckBox(parent, resourceId, group, module) {}

void TRadioButton::BNClicked() {
  LONG_PTR kind = HWindow ? (::GetWindowLongPtrA(HWindow, GWL_STYLE) & 0xF) : 0;
  if (kind == BS_RADIOBUTTON && Parent && Parent->HWindow) {
    HWND first = HWindow;
    for (HWND other = ::GetNextDlgGroupItem(Parent->HWindow, HWindow, FALSE);
         other && other != first; other = ::GetNextDlgGroupItem(Parent->HWindow, other, FALSE)) {
      LONG_PTR otherKind = ::GetWindowLongPtrA(other, GWL_STYLE) & 0xF;
      char className[16] = "";
      ::GetClassNameA(other, className, sizeof className);
      if (lstrcmpiA(className, "Button") == 0 &&
          (otherKind == BS_RADIOBUTTON || otherKind == BS_AUTORADIOBUTTON))
        ::SendMessageA(other, BM_SETCHECK, BST_UNCHECKED, 0);
    }
    Check();
  }
  if (Group) Group->SelectionChanged(Attr.Id);
}
