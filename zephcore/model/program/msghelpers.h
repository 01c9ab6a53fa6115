#pragma once
// Formatted message boxes of the model library. Each formats its text with the caller's
// arguments, copies "Flowsmith" into the caller's caption buffer (at least 10 characters),
// shows the box with the caller's style and returns the box's answer. The resource
// variants take a string of at most 127 characters and return -1, showing nothing, when
// the string is missing. Windows only: include it from *_win32 files.

#include <windows.h>

class TModule;

namespace zeph {

// Owner: the application's main window, when there is one.
int ShowMessageFmt(char* caption, UINT style, const char* format, ...);
// A string of the active window's module; owner: the application's main window.
int ShowMessageRes(char* caption, UINT style, UINT stringId, ...);
// Owner: the given window, or none.
int ShowMessageFmtFor(HWND owner, char* caption, UINT style, const char* format, ...);
int ShowMessageResFor(HWND owner, char* caption, UINT style, UINT stringId, ...);
// A string of the given module (null: the active window's module).
int ShowMessageModuleRes(HWND owner, TModule* module, char* caption, UINT style, UINT stringId, ...);

}  // namespace zeph
