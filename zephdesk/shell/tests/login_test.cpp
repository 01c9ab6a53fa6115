#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "foundation/kvflthnd.h"
#include "foundation/kvscrpres.h"
#include "foundation/kvstrtab.h"
#include "shell/app/processexit.h"
#include "shell/workspace/argline.h"
#include "shell/workspace/login.h"

namespace {

// Records the exports that log-in calls and answers as told.
class RecordingLoginCalls : public LoginCalls {
public:
    int initResult = 0;
    int versionResult = 0;
    std::string version = "1.06.04";

    std::vector<InitArguments> inits;
    int versionQueries = 0;
    std::string versionAddress;
    std::vector<std::string> definitionUpdates;

    int InitFlowsmith(const InitArguments& args) override {
        inits.push_back(args);
        return initResult;
    }
    int GetServerVersion(std::int32_t, const std::string& address, char* out) override {
        ++versionQueries;
        versionAddress = address;
        std::strncpy(out, version.c_str(), kServerVersionSize - 1);
        return versionResult;
    }
    void UpdateVavurorezoDefinitions(const char* v) override { definitionUpdates.push_back(v); }
    int TermFlowsmith() override { return 0; }
};

// The launcher's line: eighteen fields, the last without a separator after it.
std::string LauncherLine() {
    return "Flowsmith : sysval : srv : 0 : 10.0.0.5 : 0 : 0 : 0 : admin : 0 : 42 : 1 : "
           "secret : loc7 : ctx3 : 1636 : 2 : 12345678";
}

TEST(ArgumentLineTest, FieldsAreCutAtSeparatorsAndNumbersReadFromLeadingDigits) {
    const struct {
        const char* field;
        std::int32_t value;
    } cases[] = {{" 42 ", 42}, {"12abc", 12}, {"abc", 0}, {"-7", -7}, {"", 0}, {"99999999999", INT32_MAX}};
    for (const auto& c : cases) {
        std::string line = std::string(c.field) + " : rest : more";
        std::string text;
        EXPECT_EQ(TakeTextField(line, text), c.value) << c.field;
        EXPECT_EQ(text, c.field);
        EXPECT_EQ(line, "rest : more");
    }
    // The last field has no separator after it: it reads as empty.
    std::string last = "only";
    std::string text = "x";
    EXPECT_EQ(TakeTextField(last, text), 0);
    EXPECT_EQ(text, "");
    EXPECT_EQ(last, "");
    EXPECT_EQ(StripField("a:b : c"), "c");
}

TEST(ArgumentLineTest, LauncherLineGivesItsFieldsAndTheEighteenthReadsZero) {
    LoginFields f = ReadLoginFields("  \t" + LauncherLine() + "  ");
    EXPECT_EQ(f.systemValue, "sysval");
    EXPECT_EQ(f.serverName, "srv");
    EXPECT_EQ(f.serverAddress, "10.0.0.5");
    EXPECT_EQ(f.userId, "admin");
    EXPECT_EQ(f.customer, 42);
    EXPECT_EQ(f.password, "secret");
    EXPECT_EQ(f.locationId, "loc7");
    EXPECT_EQ(f.contextId, "ctx3");
    EXPECT_EQ(f.sslPort, 1636);
    EXPECT_EQ(f.sslLevel, 2);
    EXPECT_EQ(f.launchNumber, 0);
    // The line is trimmed first, so only text after a further separator makes it readable.
    EXPECT_EQ(ReadLoginFields(LauncherLine() + " : ").launchNumber, 0);
    EXPECT_EQ(ReadLoginFields(LauncherLine() + " : x").launchNumber, 12345678);
}

TEST(LoginTest, EmptyLineWorksStandAloneWithFixedValuesAndNoVersionQuery) {
    RecordingLoginCalls calls;
    LoginOutcome outcome = LogIn("", true, 3, 5, calls);
    EXPECT_TRUE(outcome.standAlone);
    EXPECT_FALSE(outcome.refused);
    ASSERT_EQ(calls.inits.size(), 1u);
    const InitArguments& a = calls.inits[0];
    EXPECT_FALSE(a.hasAddress);
    EXPECT_EQ(a.password, "");
    EXPECT_EQ(a.contextId, "2");
    EXPECT_EQ(a.locationId, "2");
    EXPECT_EQ(a.sslPort, 636);
    EXPECT_EQ(a.sslLevel, 0);
    EXPECT_EQ(a.logLevel, 3);
    EXPECT_EQ(a.logInterval, 5);
    EXPECT_EQ(calls.versionQueries, 0);
    EXPECT_TRUE(calls.definitionUpdates.empty());
    EXPECT_EQ(IsNewServer(outcome.standAlone, outcome.serverVersion), 1);
}

TEST(LoginTest, ServerLinePassesTheLauncherFieldsAndNamesTheVersion) {
    RecordingLoginCalls calls;
    calls.version = "2.0";
    LoginOutcome outcome = LogIn(LauncherLine(), false, 3, 0, calls);
    ASSERT_FALSE(outcome.refused);
    ASSERT_EQ(calls.inits.size(), 1u);
    const InitArguments& a = calls.inits[0];
    EXPECT_EQ(a.commandLine, LauncherLine());
    EXPECT_EQ(a.customer, 42);
    EXPECT_EQ(a.password, "secret");
    EXPECT_TRUE(a.hasAddress);
    EXPECT_EQ(a.address, "10.0.0.5");
    EXPECT_EQ(a.launchNumber, 0);
    EXPECT_EQ(a.userId, "admin");
    EXPECT_EQ(a.contextId, "ctx3");
    EXPECT_EQ(a.locationId, "loc7");
    EXPECT_EQ(a.sslPort, 1636);
    EXPECT_EQ(a.sslLevel, 2);
    EXPECT_EQ(calls.versionAddress, "10.0.0.5");
    EXPECT_EQ(calls.definitionUpdates, std::vector<std::string>{"2.0"});
    EXPECT_EQ(outcome.systemValue, "sysval");
    EXPECT_EQ(ServerCaption("Flowsmith", outcome.serverName), "Flowsmith - srv (Vantora Server Version 2.0)");
}

TEST(LoginTest, AlreadyStartedSessionIsASuccess) {
    RecordingLoginCalls calls;
    calls.initResult = kInitAlreadyStarted;
    LoginOutcome outcome = LogIn(LauncherLine(), false, 3, 0, calls);
    EXPECT_FALSE(outcome.refused);
    EXPECT_EQ(calls.versionQueries, 1);
}

TEST(LoginTest, FailedVersionQueryKeepsNameAndDefinitions) {
    RecordingLoginCalls calls;
    calls.versionResult = 73;
    LoginOutcome outcome = LogIn(LauncherLine(), false, 3, 0, calls);
    EXPECT_FALSE(outcome.refused);
    EXPECT_EQ(outcome.serverName, "srv");
    EXPECT_TRUE(calls.definitionUpdates.empty());
}

TEST(LoginTest, ServerTextsAreCutAndOverlongLinesRefusedUncut) {
    RecordingLoginCalls calls;
    std::string longName(300, 'n');
    LoginOutcome outcome = LogIn("Flowsmith : s : " + longName + " : 0 : a : 0", false, 3, 0, calls);
    EXPECT_EQ(outcome.serverName.size(), kServerTextMax);

    RecordingLoginCalls refused;
    std::string overlong = LauncherLine() + std::string(kMaxArgumentLine, ' ');
    LoginOutcome tooLong = LogIn(overlong, false, 3, 0, refused);
    EXPECT_TRUE(tooLong.refused);
    EXPECT_TRUE(refused.inits.empty());
}

TEST(LoginTest, RefusalsNameTheirMessage) {
    EXPECT_EQ(LoginFailureMessage(74), kMsgUnsupportedVersion);
    EXPECT_EQ(LoginFailureMessage(73), kMsgServerNotAvailable);
    EXPECT_EQ(LoginFailureMessage(-1), kMsgServerNotAvailable);

    KvMemoryStringTable texts;
    texts.Set(8002, "Flowsmith");
    texts.Set(8115, "Server not available.Please check connection.");
    texts.Set(8116, "Unsupported server version.");
    KvSetStringTable(&texts);
    KvScriptedPresenter presenter;
    KvScopedMessagePresenter scoped(presenter);
    KvFaultHandlerObj handler;
    handler.LoadTitle();
    for (int result : {73, 74}) {
        RecordingLoginCalls calls;
        calls.initResult = result;
        LoginOutcome outcome = LogIn(LauncherLine(), false, 3, 0, calls);
        ASSERT_TRUE(outcome.refused);
        EXPECT_EQ(calls.versionQueries, 0);
        ReportLoginFailure(&handler, outcome.initResult);
    }
    KvSetStringTable(nullptr);
    ASSERT_EQ(presenter.Boxes().size(), 2u);
    EXPECT_EQ(presenter.Boxes()[0].text, "Server not available.Please check connection.");
    EXPECT_EQ(presenter.Boxes()[1].text, "Unsupported server version.");
    EXPECT_EQ(presenter.Boxes()[1].caption, "Flowsmith");
}

TEST(LoginTest, BatchLinesStartWithASlash) {
    EXPECT_TRUE(IsBatchLine("/build x.ed"));
    EXPECT_TRUE(IsBatchLine("   /build x.ed"));
    EXPECT_FALSE(IsBatchLine(""));
    EXPECT_FALSE(IsBatchLine("Flowsmith : a / b"));
}

TEST(ServerVersionTest, NewServersAreFrom1_06_04) {
    const struct {
        const char* version;
        int isNew;
    } cases[] = {{"1.06.04", 1}, {"1.06.03", 0}, {"1.6.4", 1}, {"1.06.10", 1}, {"1.5.99", 0},
                 {"2.0", 1},     {"1.06", 0},    {"", 0},      {"10.0", 1}};
    for (const auto& c : cases) EXPECT_EQ(IsNewServer(false, c.version), c.isNew) << c.version;
}

int g_exitCode = -1;
TEST(ProcessExitTest, HookSeesTheExitCode) {
    SetShellExitHook([](int code) { g_exitCode = code; });
    ShellExitProcess(1);
    SetShellExitHook(nullptr);
    EXPECT_EQ(g_exitCode, 1);
}

}  // namespace
