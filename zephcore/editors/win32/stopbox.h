#pragma once
// The editors' refusal box: the text in a message box over the dialog, stop icon, empty
// caption. Windows only.

#include <windows.h>

#include <string>

namespace zeph {

void ShowStopBox(HWND owner, const std::string& text);

}  // namespace zeph
