#include "owl/application.h"

#include "owl/binding.h"

#include "owl/except.h"
#include "owl/msgbox.h"
#include "owl/window.h"

namespace {
TApplication* CurrentApplication = nullptr;
}

TApplication::TApplication(const char* name, HINSTANCE instance, HINSTANCE prevInstance,
                           const char* cmdLine, int cmdShow)
    : TModule(name ? name : "", instance ? instance : ::GetModuleHandleA(nullptr), cmdLine),
      PrevInstance(prevInstance),
      CmdShow(cmdShow) {
  Previous = CurrentApplication;
  CurrentApplication = this;
}

TApplication::~TApplication() {
  delete MainWindow;
  MainWindow = nullptr;
  if (CurrentApplication == this) CurrentApplication = Previous;
}

TApplication* TApplication::GetCurrent() { return CurrentApplication; }

TWindow* TApplication::SetMainWindow(TWindow* window) {
  TWindow* previous = MainWindow;
  MainWindow = window;
  return previous;
}

int TApplication::Run() {
  try {
    InitInstance();
    Status = MessageLoop();
  } catch (const TXOwl& error) {
    ShowMessageBox(nullptr, error.what(), GetName(), MB_OK | MB_ICONSTOP);
    Status = -1;
  }
  return TermInstance(Status);
}

void TApplication::InitInstance() {
  InitMainWindow();
  if (MainWindow == nullptr) throw TXInvalidMainWindow();
  if (!MainWindow->Create()) throw TXInvalidMainWindow();
  MainWindow->Show(CmdShow);
}

void TApplication::InitMainWindow() {}

int TApplication::MessageLoop() {
  long idleCount = 0;
  MSG msg;
  for (;;) {
    if (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) return int(msg.wParam);
      if (!ProcessAppMsg(msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
        TWindowBinding::RethrowPending();
      }
      idleCount = 0;
      continue;
    }
    if (IdleAction(idleCount++)) continue;
    ::WaitMessage();
  }
}

bool TApplication::IdleAction(long idleCount) {
  return MainWindow && MainWindow->HWindow && MainWindow->IdleAction(idleCount);
}

bool TApplication::ProcessAppMsg(MSG& msg) {
  for (HWND hWnd = msg.hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
    if (TWindow* window = TWindow::GetWindowPtr(hWnd))
      if (window->PreProcessMsg(msg)) return true;
  }
  return HAccTable && MainWindow && MainWindow->HWindow &&
         ::TranslateAcceleratorA(MainWindow->HWindow, HAccTable, &msg);
}

int TApplication::TermInstance(int status) { return status; }
