#include "shellservices.h"

namespace {

ShellServices* g_services = nullptr;

}  // namespace

ShellServices* KvGetShellServices()
{
    return g_services;
}

void KvSetShellServices(ShellServices* services)
{
    g_services = services;
}
