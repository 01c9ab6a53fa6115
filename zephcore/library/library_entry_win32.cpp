// The model library's entry point. On process attach it only makes the library's module,
// "vlxDLL"; the rest of the start-up runs before the first export works, outside the
// loader, where loading the dialog library or showing a box cannot deadlock.
#include <windows.h>

#include <new>

#include "model/interface/library.h"
#include "owl/module.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  auto* module = new (std::nothrow) TModule("vlxDLL", instance, "");
  if (module == nullptr) return FALSE;
  if (module->Status != 0) {
    delete module;
    return FALSE;   // the designer cannot start without its model library
  }
  zeph::SetLibraryModule(module);
  return TRUE;
}
