#include "shell/items/itemlink.h"

namespace {
KvItemLink* g_link = nullptr;
}

KvItemLink* KvGetItemLink()
{
    return g_link;
}

void KvSetItemLink(KvItemLink* link)
{
    g_link = link;
}
