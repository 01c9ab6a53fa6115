#pragma once
// Scope codes of variable and sentence symbols.

namespace zeph {

enum SymbolScope : int {
  kScopeGlobal = 0,
  kScopeLocal = 1,
  kScopeParameter = 2,
  kScopeSystemGlobal = 3,
};

}  // namespace zeph
