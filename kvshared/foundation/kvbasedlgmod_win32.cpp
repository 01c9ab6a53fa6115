#include "foundation/kvbasedlgmod.h"

namespace {

KvDialogModules* g_modules = nullptr;

}  // namespace

void KvSetDialogModules(KvDialogModules* modules)
{
    g_modules = modules;
}

KvDialogModules* KvGetDialogModules()
{
    return g_modules;
}
