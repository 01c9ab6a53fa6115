#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "foundation/kvassert.h"
#include "foundation/kvscrpres.h"
#include "foundation/kvstrtab.h"
#include "framework/kvcmdint.h"
#include "shell/app/processexit.h"
#include "shell/workspace/kvwinapp.h"

namespace {

std::vector<std::string> g_updates;

class RecordingDisplay : public KvCmdInterface {
public:
    explicit RecordingDisplay(std::string name) : m_name(std::move(name)) {}
    void Update() override { g_updates.push_back(m_name); }

private:
    std::string m_name;
};

class FixedActiveApp : public ActiveApplication {
public:
    std::string name;
    bool ActiveName(std::string& out) override {
        out = name;
        return !name.empty();
    }
};

class ScriptedCalls : public LoginCalls {
public:
    int initResult = 0;
    std::string version = "1.06.03";
    std::vector<InitArguments> inits;
    int InitFlowsmith(const InitArguments& args) override {
        inits.push_back(args);
        return initResult;
    }
    int GetServerVersion(std::int32_t, const std::string&, char* out) override {
        std::strncpy(out, version.c_str(), kServerVersionSize - 1);
        return 0;
    }
    void UpdateVavurorezoDefinitions(const char*) override {}
    int termResult = 0;
    int terms = 0;
    int TermFlowsmith() override {
        ++terms;
        return termResult;
    }
};

int g_exitCode = -1;

HWND MainWindow() { return reinterpret_cast<HWND>(std::uintptr_t(0x1234)); }

class WorkspaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_texts.Set(8001, "%1 - Flowsmith");
        m_texts.Set(8002, "Flowsmith");
        m_texts.Set(8115, "Server not available.Please check connection.");
        KvSetStringTable(&m_texts);
        g_updates.clear();
        g_exitCode = -1;
        SetShellExitHook([](int code) { g_exitCode = code; });
        m_app.SetCommandHandler(&m_handler);
        m_app.SetMainMenu(&m_menu);
        KvWinApp::SetToolBar(&m_toolBar);
    }
    void TearDown() override {
        KvWinApp::SetToolBar(nullptr);
        SetShellExitHook(nullptr);
        KvSetStringTable(nullptr);
        std::memset(g_szServerVersion, 0, sizeof g_szServerVersion);
    }

    KvMemoryStringTable m_texts;
    KvScriptedPresenter m_presenter;
    KvScopedMessagePresenter m_scoped{m_presenter};
    RecordingDisplay m_handler{"commands"}, m_menu{"menu"}, m_toolBar{"toolbar"};
    KvWinApp m_app{nullptr};
};

TEST_F(WorkspaceTest, CaptionNamesTheActiveApplication) {
    EXPECT_EQ(KvWinApp::GetWorkspace(), &m_app);
    m_app.LoadTitle();
    EXPECT_STREQ(m_app.GetTitle(), "Flowsmith");
    FixedActiveApp active;
    m_app.SetActiveApplication(&active);
    active.name = "Main";
    m_app.LoadTitle();
    EXPECT_STREQ(m_app.GetTitle(), "Main - Flowsmith");
    active.name.clear();
    m_app.LoadTitle();
    EXPECT_STREQ(m_app.GetTitle(), "Flowsmith");
}

TEST_F(WorkspaceTest, LogInKeepsServerTextsAndRefreshesCommandsMenuAndToolBarInOrder) {
    ScriptedCalls calls;
    m_app.LogInToServer("Flowsmith : sys : srv : 0 : host : 0 : x", MainWindow(), 3, 0, calls);
    EXPECT_EQ(g_exitCode, -1);
    EXPECT_FALSE(m_app.IsStartedWithoutCommandLine());
    EXPECT_STREQ(m_app.GetSystemValue(), "sys");
    EXPECT_STREQ(m_app.GetServerName(), "srv (Vantora Server Version 1.06.03)");
    EXPECT_STREQ(g_szServerVersion, "1.06.03");
    EXPECT_EQ(m_app.IsNewServer(), 0);
    EXPECT_EQ(g_updates, (std::vector<std::string>{"commands", "menu", "toolbar"}));
}

TEST_F(WorkspaceTest, EmptyAndBuildLinesWorkStandAlone) {
    for (const char* line : {"", "  /build x.ed"}) {
        SCOPED_TRACE(line);
        ScriptedCalls calls;
        m_app.LogInToServer(line, MainWindow(), 3, 0, calls);
        EXPECT_TRUE(m_app.IsStartedWithoutCommandLine());
        ASSERT_EQ(calls.inits.size(), 1u);
        EXPECT_FALSE(calls.inits[0].hasAddress);
        EXPECT_EQ(calls.inits[0].commandLine, line);
        EXPECT_EQ(m_app.IsNewServer(), 1);
        EXPECT_EQ(g_exitCode, -1);
    }
}

TEST_F(WorkspaceTest, RefusedLogInReportsAndEndsWithCodeOne) {
    ScriptedCalls calls;
    calls.initResult = 73;
    m_app.LogInToServer("Flowsmith : sys : srv : 0 : host : 0 : x", MainWindow(), 3, 0, calls);
    EXPECT_EQ(g_exitCode, 1);
    ASSERT_EQ(m_presenter.Boxes().size(), 1u);
    EXPECT_EQ(m_presenter.Boxes()[0].text, "Server not available.Please check connection.");
    // The main window was made the parent of the reports before the call.
    EXPECT_EQ(m_app.GetParent(), MainWindow());
    EXPECT_TRUE(g_updates.empty());
}

TEST_F(WorkspaceTest, ToolBarRefreshWithoutAToolBarIsAReportedMisuse) {
    KvWinApp::SetToolBar(nullptr);
    const int before = KvAssertFailureCount();
    KvWinApp::UpdateCommandStates();
    EXPECT_EQ(KvAssertFailureCount(), before + 1);
    EXPECT_EQ(g_updates, (std::vector<std::string>{"commands", "menu"}));
}

TEST_F(WorkspaceTest, LogOffSaysWhetherEndingTheSessionFailed) {
    ScriptedCalls calls;
    EXPECT_FALSE(m_app.LogOffServer(calls));
    calls.termResult = 73;
    EXPECT_TRUE(m_app.LogOffServer(calls));
    EXPECT_EQ(calls.terms, 2);
}

TEST_F(WorkspaceTest, ClipboardFlagsReadAsNothingHeldUntilSet) {
    EXPECT_TRUE(m_app.IsNoBlocksHeld());
    EXPECT_TRUE(m_app.IsNoVoiceItemHeld());
    EXPECT_TRUE(m_app.IsNoFaxItemHeld());
    m_app.SetVoiceItemHeld(true);
    EXPECT_FALSE(m_app.IsNoVoiceItemHeld());
    EXPECT_TRUE(m_app.IsNoBlocksHeld());
}

}  // namespace
