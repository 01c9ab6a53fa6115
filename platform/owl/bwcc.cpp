#include "owl/bwcc.h"

#include "owl/msgbox.h"

BOOL BWCCRegister(HINSTANCE) { return TRUE; }

int BWCCMessageBox(HWND owner, const char* text, const char* caption, UINT style) {
  return ShowMessageBox(owner, text, caption, style);
}
