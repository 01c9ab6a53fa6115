#include "shell/serverlists/kvlinkcalls.h"

namespace {
KvLinkCalls* g_calls = nullptr;
}

KvLinkCalls* KvGetLinkCalls()
{
    return g_calls;
}

void KvSetLinkCalls(KvLinkCalls* calls)
{
    g_calls = calls;
}
