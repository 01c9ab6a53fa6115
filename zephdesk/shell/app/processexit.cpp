#include "shell/app/processexit.h"

#include <cstdlib>

namespace {
ShellExitHook g_hook = nullptr;
}

void ShellExitProcess(int code) {
    if (g_hook) {
        g_hook(code);
        return;
    }
    std::exit(code);
}

void SetShellExitHook(ShellExitHook hook) { g_hook = hook; }

#ifndef _WIN32
void SuppressFaultErrorBoxes() {}
#endif
