#include "setup_module.h"

#include "owl/module.h"

namespace setup {

TModule& SetupModule() {
  static TModule module("zephsetup", [] {
    HMODULE self = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCSTR>(&SetupModule), &self);
    return static_cast<HINSTANCE>(self);
  }());
  return module;
}

}  // namespace setup
