#include "test_support.h"

#include "owl/module.h"

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
  DWORD start = ::GetTickCount();
  while (!done()) {
    if (int(::GetTickCount() - start) > timeoutMs) return false;
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    if (!done()) ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

void PumpPending() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

TModule& TestPane() {
  static TModule module("owltestpane.dll");
  return module;
}

TModule& TestProgram() {
  static TModule module("owl_tests", ::GetModuleHandleA(nullptr));
  return module;
}

ScriptedMessageBoxes::ScriptedMessageBoxes(std::vector<int> answers)
    : Answers(std::move(answers)) {
  Previous = SetMessageBoxResponder(
      [this](HWND owner, const char* text, const char* caption, UINT type) {
        CallsMade.push_back({owner, text, caption, type});
        if (Answers.empty()) return IDOK;
        int answer = Answers.front();
        Answers.erase(Answers.begin());
        return answer;
      });
}

ScriptedMessageBoxes::~ScriptedMessageBoxes() { SetMessageBoxResponder(Previous); }

namespace {
bool GuardFired = false;

BOOL CALLBACK CancelWindow(HWND hWnd, LPARAM) {
  ::PostMessageA(hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
  return TRUE;
}

void CALLBACK GuardTimer(HWND, UINT, UINT_PTR, DWORD) {
  GuardFired = true;
  ::EnumThreadWindows(::GetCurrentThreadId(), &CancelWindow, 0);
}
}  // namespace

ModalGuard::ModalGuard(UINT timeoutMs) {
  GuardFired = false;
  Timer = ::SetTimer(nullptr, 0, timeoutMs, &GuardTimer);
}

ModalGuard::~ModalGuard() { ::KillTimer(nullptr, Timer); }

bool ModalGuard::Fired() const { return GuardFired; }
