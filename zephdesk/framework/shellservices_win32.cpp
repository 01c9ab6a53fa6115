#include <windows.h>

#include "shellservices.h"

HINSTANCE KvProgramInstance()
{
    ShellServices* services = KvGetShellServices();
    HINSTANCE instance = services != nullptr ? services->GetInstance() : nullptr;
    return instance != nullptr ? instance : ::GetModuleHandleA(nullptr);
}
