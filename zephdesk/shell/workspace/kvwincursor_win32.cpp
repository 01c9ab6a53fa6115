#include <windows.h>

#include "shell/workspace/kvwinapp.h"

void KvWinApp::SetWaitCursor() { ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT))); }
void KvWinApp::SetArrowCursor() { ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW))); }
void KvWinApp::SetCrossCursor() { ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_CROSS))); }
void KvWinApp::SetNoCursor() { ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_NO))); }
