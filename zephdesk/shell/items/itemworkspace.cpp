#include "shell/items/itemworkspace.h"

namespace {
KvItemWorkspace* g_workspace = nullptr;
}

KvItemWorkspace* KvGetItemWorkspace()
{
    return g_workspace;
}

void KvSetItemWorkspace(KvItemWorkspace* workspace)
{
    g_workspace = workspace;
}
