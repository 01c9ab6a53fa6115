#include "shell/frame/framelauncher.h"

#include <windows.h>

#include <process.h>
#include <shellapi.h>

namespace {

class PlatformLauncher : public FrameLauncher {
public:
    void OpenAddress(const std::string& address) override {
        ::ShellExecuteA(nullptr, nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
    bool StartProgram(const std::string& path) override {
        return _spawnl(_P_NOWAIT, path.c_str(), path.c_str(), "\"\"", "\"\"", nullptr) != -1;
    }
};

PlatformLauncher g_platform;
FrameLauncher* g_launcher = nullptr;

}  // namespace

FrameLauncher& GetFrameLauncher() { return g_launcher ? *g_launcher : g_platform; }
void SetFrameLauncher(FrameLauncher* launcher) { g_launcher = launcher; }
