#include "mfc/winapp.h"

namespace {
CWinApp* theApp = nullptr;
}

CWinApp::CWinApp(const char* appName)
    : m_hInstance(::GetModuleHandleA(nullptr)),
      m_pszAppName(appName ? appName : ""),
      module_(std::make_unique<TModule>(m_pszAppName.c_str(), m_hInstance)) {
  theApp = this;
}

CWinApp::~CWinApp() {
  if (theApp == this) theApp = nullptr;
}

void CWinApp::Start(HINSTANCE instance, const char* commandLine) {
  m_hInstance = instance;
  module_ = std::make_unique<TModule>(m_pszAppName.c_str(), instance);
  m_lpCmdLine = commandLine ? commandLine : "";
}

int CWinApp::Run() {
  if (InitInstance()) {
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
  return ExitInstance();
}

CWinApp* AfxGetApp() { return theApp; }

TModule* ModuleOrApplication(TModule* module) {
  if (module) return module;
  return theApp ? &theApp->Module() : nullptr;
}
