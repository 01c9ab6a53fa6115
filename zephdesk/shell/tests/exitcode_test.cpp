#include <gtest/gtest.h>

#include "shell/app/cmdlinestate.h"

namespace {

TEST(DesignerExitCodeTest, OnlyABuildThatEndsTheProgramAndReportedAnErrorGivesMinusOne) {
    struct Case {
        bool exitAfterBuild;
        int buildError;
        bool modelError;
        int expected;
    };
    const Case cases[] = {
        {false, 0, false, 7}, {false, 1, true, 7}, {true, 0, false, 7},
        {true, 1, false, -1}, {true, 0, true, -1},
    };
    for (const Case& c : cases) {
        g_bCmdLineExitAfterBuild = c.exitAfterBuild;
        g_nCmdLineBuildError = c.buildError;
        EXPECT_EQ(DesignerExitCode(7, c.modelError), c.expected)
            << c.exitAfterBuild << " " << c.buildError << " " << c.modelError;
    }
    g_bCmdLineExitAfterBuild = false;
    g_nCmdLineBuildError = 0;
}

}  // namespace
