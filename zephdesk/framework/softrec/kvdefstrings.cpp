#include "framework/softrec/kvdefstrings.h"

#include <cstring>

#include "framework/definitions/defs_ids.h"

namespace {

struct Entry {
    UINT id;
    const char* text;
};

#define TEXT_ENTRY(id, text) {id, text},
const Entry kTexts[] = {
#include "framework/definitions/strings.def"
};
#undef TEXT_ENTRY

}  // namespace

const char* KvDefinitionStrings::Find(UINT nID)
{
    for (const auto& entry : kTexts) {
        if (entry.id == nID)
            return entry.text;
    }
    return nullptr;
}

std::vector<UINT> KvDefinitionStrings::Ids()
{
    std::vector<UINT> ids;
    for (const auto& entry : kTexts)
        ids.push_back(entry.id);
    return ids;
}

int KvDefinitionStrings::Load(UINT nID, char* buf, int nMaxBuf) const
{
    const char* text = Find(nID);
    if (text == nullptr || nMaxBuf <= 0)
        return 0;
    const int n = static_cast<int>(std::min<std::size_t>(std::strlen(text), static_cast<std::size_t>(nMaxBuf - 1)));
    std::memcpy(buf, text, static_cast<std::size_t>(n));
    buf[n] = 0;
    return n;
}
