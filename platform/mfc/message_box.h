#pragma once
// The program's message box: the application's name as caption, over the active window.
#include <windows.h>

#include <string>

int AfxMessageBox(const std::string& text, UINT type = MB_OK);
