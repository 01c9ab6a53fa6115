// The module of the model's dialogs: the dialog resource library, already loaded in the
// process or loaded by name, registered with the custom-control functions.
#include <windows.h>

#include "owl/bwcc.h"
#include "owl/module.h"

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
