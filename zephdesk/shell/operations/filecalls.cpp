#include "shell/operations/filecalls.h"

namespace {
KvFileCalls* g_pFileCalls = nullptr;
}

KvFileCalls* KvGetFileCalls() { return g_pFileCalls; }

void KvSetFileCalls(KvFileCalls* calls) { g_pFileCalls = calls; }
