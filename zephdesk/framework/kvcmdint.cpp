#include "kvcmdint.h"

#include "kvcheck.h"
#include "shellservices.h"

void KvCmdInterface::Update()
{
    KV_ASSERT(0);
}

bool KvCmdInterface::IsEnabled(WORD commandId)
{
    ShellServices* services = KvGetShellServices();
    if (!KV_CHECK(services != nullptr, "(m_pCmdHandler!=0)"))
        return false;
    return services->IsCommandEnabled(commandId);
}

bool KvCmdInterface::IsChecked(WORD commandId)
{
    ShellServices* services = KvGetShellServices();
    if (!KV_CHECK(services != nullptr, "(m_pCmdHandler!=0)"))
        return false;
    return services->IsCommandChecked(commandId);
}
