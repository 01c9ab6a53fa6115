#include "shell/workspace/kvwinapp.h"

#include "shell/document/kvuserapp.h"
#include "shell/workspace/apppicker.h"

#include <algorithm>
#include <cstring>

#include "foundation/kvassert.h"
#include "framework/kvcmdint.h"
#include "shell/app/processexit.h"

char g_szServerVersion[kServerVersionSize] = {};

KvWinApp* KvWinApp::s_pInstance = nullptr;
HINSTANCE KvWinApp::s_hInstance = nullptr;
KvCmdInterface* KvWinApp::m_pToolBar = nullptr;
KvMainFrame* KvWinApp::s_pMainFrame = nullptr;

namespace {

constexpr unsigned kAppCaptionId = 8001;

void CopyText(char* to, const std::string& text) {
    std::size_t n = std::min(text.size(), kServerTextMax);
    std::memcpy(to, text.data(), n);
    to[n] = '\0';
}

}  // namespace

KvWinApp::KvWinApp(HINSTANCE instance) {
    s_pInstance = this;
    s_hInstance = instance;
}

KvWinApp::~KvWinApp() {
    for (KvUserApp* app : m_userApps) delete app;
    m_userApps.clear();
    ClearClipUserApp();
    if (s_pInstance == this) s_pInstance = nullptr;
}

void KvWinApp::LoadTitle() {
    std::string name;
    if (m_pActiveApp && m_pActiveApp->ActiveName(name)) {
        KvFaultMessage caption(kAppCaptionId, name.c_str());
        if (caption.GetText()[0]) {
            SetTitle(caption.GetText());
            return;
        }
    }
    KvFaultHandlerObj::LoadTitle();
}

void KvWinApp::LogInToServer(const char* commandLine, HWND mainWindow, std::int32_t logLevel,
                             std::int32_t logInterval, LoginCalls& calls) {
    SetWaitCursor();
    const std::string line = commandLine ? commandLine : "";
    m_bNoCommandLine = line.empty() || IsBatchLine(line);
    LoginOutcome outcome = LogIn(line, m_bNoCommandLine, logLevel, logInterval, calls);
    CopyText(m_szSystemValue, outcome.systemValue);
    CopyText(m_szServerName, outcome.serverName);
    SetParent(mainWindow);
    if (outcome.refused) {
        ReportLoginFailure(this, outcome.initResult);
        SuppressFaultErrorBoxes();
        // The launcher never waits for the designer; a non-zero code still tells a script.
        ShellExitProcess(1);
        return;
    }
    SetArrowCursor();
    std::memset(g_szServerVersion, 0, sizeof g_szServerVersion);
    std::strncpy(g_szServerVersion, outcome.serverVersion.c_str(), sizeof g_szServerVersion - 1);
    UpdateCommandStates();
}

bool KvWinApp::LogOffServer(LoginCalls& calls) {
    SetWaitCursor();
    const int result = calls.TermFlowsmith();
    SetArrowCursor();
    return result != 0;
}

int KvWinApp::IsNewServer() const { return ::IsNewServer(m_bNoCommandLine, g_szServerVersion); }

void KvWinApp::UpdateCommandStates() {
    if (!s_pInstance) return;
    if (s_pInstance->m_pCommandHandler) s_pInstance->m_pCommandHandler->Update();
    s_pInstance->UpdateMainMenu();
    UpdateToolBar();
}

void KvWinApp::UpdateMainMenu() {
    if (m_pMainMenu) m_pMainMenu->Update();
}

void KvWinApp::UpdateToolBar() {
    if (!KV_ASSERT(m_pToolBar!=0)) return;
    m_pToolBar->Update();
}
