#pragma once
// The custom-control library's entry points. Our dialogs use the standard controls, so
// registering has nothing to do, and its message box is the plain one with the same styles.
#include <windows.h>

BOOL BWCCRegister(HINSTANCE instance);
int BWCCMessageBox(HWND owner, const char* text, const char* caption, UINT style);
