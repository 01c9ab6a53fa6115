#include "shell/document/modelsymbols.h"

#include "foundation/kvassert.h"
#include "model/interface/vlx.h"

std::vector<zeph::Symbol*> KvSymbolsOfType(short type)
{
    const int count = vlxGetTreeSize(type);
    std::vector<vlxHandleType> handles(static_cast<std::size_t>(count > 0 ? count : 0));
    const int listed = handles.empty() ? 0 : vlxGetATypeOfSymbols(handles.data(), type);
    // The model counts the same symbols it lists.
    KV_ASSERT(count == listed);
    std::vector<zeph::Symbol*> symbols;
    for (int i = 0; i < listed && i < count; ++i)
        symbols.push_back(static_cast<zeph::Symbol*>(handles[static_cast<std::size_t>(i)]));
    return symbols;
}
