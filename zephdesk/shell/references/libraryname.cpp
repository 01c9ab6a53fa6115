#include "shell/references/libraryname.h"

#include <cstdio>
#include <cstring>

#include "foundation/kvassert.h"

std::string MakeLibraryName(int id, const char* name)
{
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%d", id);
    std::string base = name != nullptr ? name : "";
    const std::size_t suffixLength = std::strlen(suffix);
    if (base.size() + suffixLength <= 31)
        return base + suffix;
    base.resize(30 - suffixLength);
    const std::string library = base + suffix;
    KV_ASSERT(library.size() < 32);
    return library;
}

void MakeLibraryName(int id, const char* name, char* out)
{
    const std::string library = MakeLibraryName(id, name);
    std::memcpy(out, library.c_str(), library.size() + 1);
}
