#include "foundation/kvstrtab.h"

#include <cstring>

namespace {

KvStringTable* g_current = nullptr;

}  // namespace

int KvMemoryStringTable::Load(UINT nID, char* buf, int nMaxBuf) const
{
    if (buf == nullptr || nMaxBuf <= 0)
        return 0;
    buf[0] = '\0';
    const auto it = m_texts.find(nID);
    if (it == m_texts.end())
        return 0;
    // Like a string resource, the text ends at its first zero character.
    const std::size_t length = std::strlen(it->second.c_str());
    const std::size_t n = length < static_cast<std::size_t>(nMaxBuf - 1) ? length : static_cast<std::size_t>(nMaxBuf - 1);
    std::memcpy(buf, it->second.data(), n);
    buf[n] = '\0';
    return static_cast<int>(n);
}

KvStringTable& KvGetStringTable()
{
    return g_current != nullptr ? *g_current : KvPlatformStringTable();
}

void KvSetStringTable(KvStringTable* table)
{
    g_current = table;
}
