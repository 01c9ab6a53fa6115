#include "shell/app/cmdlinestate.h"

bool g_bCmdLineExitAfterBuild = false;
int g_nCmdLineBuildError = 0;

int DesignerExitCode(int runStatus, bool modelErrorExists) {
    if (g_bCmdLineExitAfterBuild && (g_nCmdLineBuildError != 0 || modelErrorExists)) return -1;
    return runStatus;
}
