#include <gtest/gtest.h>

#include "shell/workspace/loginexports.h"

namespace {

TEST(LoginExportsTest, EmptyLineOpensTheClientLibraryStandAlone) {
    LoginOutcome outcome = LogIn("", true, 0, 0, ExportLoginCalls());
    EXPECT_FALSE(outcome.refused);
    EXPECT_EQ(outcome.initResult, 0);
    EXPECT_TRUE(outcome.serverVersion.empty());
    EXPECT_EQ(ExportLoginCalls().TermFlowsmith(), 0);
}

}  // namespace
