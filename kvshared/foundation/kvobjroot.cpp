#include "foundation/kvobjroot.h"

#include <atomic>

namespace {

std::atomic<int> g_liveObjects{0};

}  // namespace

KvObject::KvObject()
{
    ++g_liveObjects;
}

KvObject::~KvObject()
{
    --g_liveObjects;
}

int KvObject::GetLiveObjectCount()
{
    return g_liveObjects.load();
}
