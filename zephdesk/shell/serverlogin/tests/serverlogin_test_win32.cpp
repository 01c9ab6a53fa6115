// Log-in of the designer against a running stand-in server, through the client library's
// and the model library's real exports, as the launcher starts it. Every process of this
// program gets a fresh server (VTSTANDIN_* name it).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "foundation/kvscrpres.h"
#include "shell/app/modelexports.h"
#include "shell/app/processexit.h"
#include "shell/app/uiapp.h"
#include "shell/frame/uimdiframe.h"
#include "shell/settings/inifile.h"
#include "shell/workspace/kvwinapp.h"
#include "shell/workspace/loginexports.h"

namespace {

// The launcher's argument line of the stand-in's seeded administrator (mailbox 4711 at
// location 2, password 2468 as its password code, session context ctx-test-0001).
constexpr const char* kAdministratorLine =
    "Flowsmith :  : Standin : 0 : 127.0.0.1 : 0 : 0 : 0 : 4711 : 0 : 1 : 1 : F59F060B21F1BA85 : 2 : "
    "ctx-test-0001 : 0 : 0 : 40718396";

int g_exitCode = -1;

class ServerLoginTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(std::getenv("VTSTANDIN_LDAP"), nullptr) << "runs only against a stand-in server";
        m_path = ::testing::TempDir() + "serverlogin_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini";
        std::remove(m_path.c_str());
        std::snprintf(g_szAppTitle, sizeof g_szAppTitle, "Flowsmith");
        g_exitCode = -1;
        SetShellExitHook([](int code) { g_exitCode = code; });
    }
    void TearDown() override {
        SetShellExitHook(nullptr);
        ::SetErrorMode(0);
        std::remove(m_path.c_str());
    }

    std::string m_path;
    KvScriptedPresenter m_presenter;
    KvScopedMessagePresenter m_scoped{m_presenter};
};

TEST_F(ServerLoginTest, CaptionShowsTheServersVersion) {
    IniFileProfile profile(m_path);
    auto app = std::make_unique<UIApp>("Flowsmith", ::GetModuleHandleA(nullptr), nullptr, kAdministratorLine,
                                       SW_SHOWNORMAL, UIAppCalls{profile, ExportLoginCalls(), ModelExportCalls()});
    app->InitInstance();
    ASSERT_NE(app->GetMDIFrame(), nullptr);
    EXPECT_EQ(g_exitCode, -1);
    EXPECT_TRUE(m_presenter.Boxes().empty());
    char caption[128] = "";
    ::GetWindowTextA(app->GetMDIFrame()->HWindow, caption, sizeof caption);
    EXPECT_STREQ(caption, "Flowsmith - Standin (Vantora Server Version 1.06.04)");
    EXPECT_STREQ(g_szServerVersion, "1.06.04");
    EXPECT_FALSE(app->GetWorkspace()->IsStartedWithoutCommandLine());
    EXPECT_EQ(app->GetWorkspace()->IsNewServer(), 1);
    ::SendMessageA(app->GetMDIFrame()->HWindow, WM_CLOSE, 0, 0);
    app.reset();
    EXPECT_TRUE(m_presenter.Boxes().empty());
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message != WM_QUIT) ::DispatchMessageA(&msg);
    }
}

// The client's view of a server that is down: nothing listens where the directory was.
TEST_F(ServerLoginTest, ServerDownIsReportedAndEndsWithCodeOne) {
    const std::string address = std::getenv("VTSTANDIN_LDAP");
    ASSERT_EQ(_putenv("VTSTANDIN_LDAP=127.0.0.1:1"), 0);
    KvWinApp workspace(::GetModuleHandleA(nullptr));
    workspace.LogInToServer(kAdministratorLine, nullptr, 0, 0, ExportLoginCalls());
    _putenv(("VTSTANDIN_LDAP=" + address).c_str());
    EXPECT_EQ(g_exitCode, 1);
    ASSERT_EQ(m_presenter.Boxes().size(), 1u);
    EXPECT_EQ(m_presenter.Boxes()[0].text, "Server not available.Please check connection.");
    EXPECT_EQ(m_presenter.Boxes()[0].caption, "Flowsmith");
    EXPECT_TRUE(::GetErrorMode() & SEM_NOGPFAULTERRORBOX);
}

// A server whose version the client library refuses (its start answers 74).
TEST_F(ServerLoginTest, UnsupportedVersionIsReportedAndEndsWithCodeOne) {
    struct UnsupportedServer : LoginCalls {
        int InitFlowsmith(const InitArguments&) override { return kInitUnsupportedVersion; }
        int GetServerVersion(std::int32_t, const std::string&, char*) override { return 73; }
        void UpdateVavurorezoDefinitions(const char*) override {}
        int TermFlowsmith() override { return 0; }
    } calls;
    KvWinApp workspace(::GetModuleHandleA(nullptr));
    workspace.LogInToServer(kAdministratorLine, nullptr, 0, 0, calls);
    EXPECT_EQ(g_exitCode, 1);
    ASSERT_EQ(m_presenter.Boxes().size(), 1u);
    EXPECT_EQ(m_presenter.Boxes()[0].text, "Unsupported server version.");
}

}  // namespace
