#pragma once
// Code-editor windows: a multi-line edit window on a text the caller owns. Windows only.

#include <string>

#include <windows.h>

namespace scribe {

// Opens an editor window titled title on *text, caret at line (1-based; 0 the top). The
// window keeps its handle in *buffer and clears *openFlag when it closes. 0, or 1 when the
// window could not be made.
int _MakeFileWindow(HWND owner, const char* title, std::string* text, int* openFlag, void** buffer, int line);
// Copies the editor's text back into the text it was opened on.
void _CUpdateBuffer(void* buffer);
// Moves the caret to a line (1-based) and gives the editor the keyboard focus.
void _CGotoLine(void* buffer, int line);
// The editor's window (the buffer's handle), or null.
HWND EditorWindow(void* buffer);

}  // namespace scribe
