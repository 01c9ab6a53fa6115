#include "foundation/kvbasedlghelp.h"

#include <windows.h>

namespace {

class KvWin32HelpEngine : public KvHelpEngine {
public:
    bool Show(HWND window, const char* path, UINT command, std::uintptr_t data) override
    {
        return WinHelpA(window, path, command, static_cast<ULONG_PTR>(data)) != FALSE;
    }
};

KvHelpEngine* g_engine = nullptr;

}  // namespace

KvHelpEngine& KvPlatformHelpEngine()
{
    static KvWin32HelpEngine engine;
    return engine;
}

KvHelpEngine& KvGetHelpEngine()
{
    return g_engine != nullptr ? *g_engine : KvPlatformHelpEngine();
}

void KvSetHelpEngine(KvHelpEngine* engine)
{
    g_engine = engine;
}
