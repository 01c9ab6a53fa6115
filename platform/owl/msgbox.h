#pragma once
// Every message box the layer shows goes through ShowMessageBox, so that a test can put a
// scripted responder in place of the real (modal) box.
#include <windows.h>

#include <functional>

using TMessageBoxResponder =
    std::function<int(HWND owner, const char* text, const char* caption, UINT type)>;

// Installs a responder (an empty one restores the real box); returns the previous one.
TMessageBoxResponder SetMessageBoxResponder(TMessageBoxResponder responder);

// MessageBoxA, or the installed responder's answer.
int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type);
