#include "framework/softrec/kvdefstore.h"

#include <windows.h>

bool KvModuleDefinitionStore::Find(WORD defId, const WORD*& words, int& count)
{
    HMODULE module = static_cast<HMODULE>(m_module);
    if (module == nullptr)
        module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(defId), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (found == nullptr)
        return false;
    HGLOBAL loaded = LoadResource(module, found);
    if (loaded == nullptr)
        return false;
    const void* locked = LockResource(loaded);
    if (locked == nullptr) {
        FreeResource(loaded);
        return false;
    }
    words = static_cast<const WORD*>(locked);
    count = static_cast<int>(SizeofResource(module, found) / 2);
    return true;
}

KvDefinitionStore& KvPlatformDefinitionStore()
{
    static KvModuleDefinitionStore store(nullptr);
    return store;
}
