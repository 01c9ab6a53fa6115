#include "editor/routing/windowsrouteui.h"

#include <windows.h>

#include "editor/support/drawing_win32.h"

namespace ed {

bool WindowsRouteUi::PumpMessages() { return ed::PumpMessages() != 0; }

void WindowsRouteUi::EnableMainWindow(bool enable) { SetMainWindowDisabled(enable ? 0 : 1); }

void WindowsRouteUi::ShowWarning(const char* text) {
  ::MessageBoxA(GetEditorMainWindow(), text, "", MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace ed
