#include "shell/serverlists/workspacelists.h"

#include "foundation/kvassert.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "shell/serverlists/kvserverrec.h"

namespace {

constexpr WORD kImportsLink = 2314;

struct LinkTarget {
    WORD linkId;
    WORD fieldId;
    bool onActiveApp;  // else on the workspace's server record
    int kind;          // the kind a server record is made with here
};

constexpr LinkTarget kLinks[] = {
    {2301, F_UA_FUNCTIONS, true, kKvNoAppList},    {2302, F_UA_VOICE_ITEMS, true, kKvNoAppList},
    {2303, F_UA_FAX_ITEMS, true, kKvNoAppList},    {2305, F_SRV_APPS, false, 2},
    {2306, F_SRV_APPS, false, 1},                  {2307, F_SRV_APPS, false, 6},
    {2308, F_SRV_APPS, false, 3},                  {2309, F_SRV_APPS, false, 4},
    {2310, F_SRV_APPS, false, 5},                  {2311, F_SRV_DIRECTORIES, false, kKvNoAppList},
    {2312, F_SRV_RESPERM, false, kKvNoAppList},    {2313, F_SRV_LANGUAGES, false, kKvNoAppList},
    {kImportsLink, F_UA_APPS, true, kKvNoAppList}, {2315, F_UA_RESPERM_USED, true, kKvNoAppList},
    {2316, F_SRV_VOLUMES, false, kKvNoAppList},
};

const LinkTarget* FindLink(WORD linkId)
{
    for (const LinkTarget& link : kLinks) {
        if (link.linkId == linkId)
            return &link;
    }
    return nullptr;
}

}  // namespace

KvWorkspaceLists::~KvWorkspaceLists()
{
    FreeServerRec();
}

KvServerRec& KvWorkspaceLists::GetServerRec(int kind)
{
    if (m_pServerRec == nullptr)
        m_pServerRec = new KvServerRec(kind);
    return *m_pServerRec;
}

void KvWorkspaceLists::FreeServerRec()
{
    delete m_pServerRec;
    m_pServerRec = nullptr;
}

int KvWorkspaceLists::KindOfLink(WORD linkId)
{
    const LinkTarget* link = FindLink(linkId);
    return link != nullptr && link->fieldId == F_SRV_APPS ? link->kind : kKvNoAppList;
}

bool KvWorkspaceLists::ResolveDataLink(WORD linkId, KvFieldValue& field, KvSoftRec* activeApp)
{
    const LinkTarget* link = FindLink(linkId);
    if (!KV_ASSERT(link != nullptr))
        return false;
    KvSoftRec* record = activeApp;
    if (link->onActiveApp) {
        // The active application's lists exist only while a page window is active.
        if (!KV_ASSERT(activeApp != nullptr))
            return false;
    } else {
        record = &GetServerRec(link->kind);
    }
    field.SetFieldID(link->fieldId);
    field.SetSoftRec(record);
    return true;
}

void KvWorkspaceLists::RefreshDataLink(WORD linkId, int activeAppId)
{
    if (linkId == kImportsLink)
        return;
    const int kind = KindOfLink(linkId);
    if (!KV_ASSERT(kind != kKvNoAppList))
        return;
    FreeServerRec();
    GetServerRec(kind).LoadFileList(activeAppId);
}

void KvWorkspaceLists::PumpDataLink(WORD linkId, int position)
{
    if (linkId == kImportsLink)
        return;
    if (!KV_ASSERT(KindOfLink(linkId) != kKvNoAppList))
        return;
    GetServerRec(kKvNoAppList).LoadPumpList(position);
}
