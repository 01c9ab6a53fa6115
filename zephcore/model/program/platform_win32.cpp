// What the application object takes from Windows: the module of the model's dialogs (the
// dialog resource library, loaded in the process or by name, registered with the
// custom-control functions) and the window messages it sends to the designer.
#include <windows.h>

#include "owl/bwcc.h"
#include "owl/module.h"

#include <cstdint>

namespace zeph {

void* LoadPaneDialogModule() {
  static TModule* module = nullptr;
  if (module != nullptr) return module;
  HINSTANCE instance = ::GetModuleHandleA("zephpane.dll");
  if (instance == nullptr) instance = ::LoadLibraryA("zephpane.dll");
  if (instance == nullptr) return nullptr;
  ::BWCCRegister(instance);
  module = new TModule("zephpane", instance);
  return module;
}

}  // namespace zeph

namespace zeph {

void PlatformWindowMessageSender(HWND window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                                 bool post) {
  if (window == nullptr) return;
  if (post) {
    ::PostMessageA(window, message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
  } else {
    ::SendMessageA(window, message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
  }
}

}  // namespace zeph

namespace zeph {

bool PlatformIsWindow(HWND window) { return ::IsWindow(window) != FALSE; }

void PlatformBringToFront(HWND window) {
  if (::IsIconic(window)) ::ShowWindow(window, SW_RESTORE);
  ::SetForegroundWindow(window);
  ::BringWindowToTop(window);
}

}  // namespace zeph
