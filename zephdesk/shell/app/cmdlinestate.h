// What the command-line build leaves for the program's exit code: whether it was asked to
// end after building, and whether it reported an error on the way.
#pragma once

extern bool g_bCmdLineExitAfterBuild;
extern int g_nCmdLineBuildError;

// -1 when the build was to end the program and reported an error (its own flag or the
// model library's); otherwise the message loop's status.
int DesignerExitCode(int runStatus, bool modelErrorExists);
