#include "kvbeep.h"

#include <windows.h>

#include <utility>

namespace {

std::function<void(UINT)>& Hook()
{
    static std::function<void(UINT)> hook;
    return hook;
}

}  // namespace

void KvBeep(UINT type)
{
    if (Hook())
        Hook()(type);
    else
        ::MessageBeep(type);
}

void KvSetBeepHook(std::function<void(UINT)> hook)
{
    Hook() = std::move(hook);
}
