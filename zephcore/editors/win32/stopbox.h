#pragma once
// The editors' refusal and question boxes: the text in a message box over the dialog, stop icon, empty
// caption. Windows only.

#include <windows.h>

#include <string>

namespace zeph {

void ShowStopBox(HWND owner, const std::string& text);
// A question over the dialog (empty caption, question icon); answers the button's id.
int AskBox(HWND owner, const std::string& text, bool yesNo);

}  // namespace zeph
