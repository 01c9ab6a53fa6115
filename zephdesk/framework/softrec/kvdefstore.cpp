#include "framework/softrec/kvdefstore.h"

#include "framework/softrec/kvdefrefused.h"

namespace {

KvDefinitionStore* g_current = nullptr;

}  // namespace

bool KvMemoryDefinitionStore::Find(WORD defId, const WORD*& words, int& count)
{
    const auto it = m_defs.find(defId);
    if (it == m_defs.end())
        return false;
    words = it->second.data();
    count = static_cast<int>(it->second.size());
    return true;
}

KvDefinitionStore& KvGetDefinitionStore()
{
    return g_current != nullptr ? *g_current : KvPlatformDefinitionStore();
}

void KvSetDefinitionStore(KvDefinitionStore* store)
{
    g_current = store;
    KvForgetRefusedDefinitions();
}

#ifndef _WIN32
KvDefinitionStore& KvPlatformDefinitionStore()
{
    static KvBuiltinDefinitionStore store;
    return store;
}
#endif
