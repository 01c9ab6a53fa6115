// The message pump of long work and switching the main window off.
#include <windows.h>

#include <gtest/gtest.h>

#include "editor/support/drawing_win32.h"

namespace ed {
namespace {

struct Seen {
  int keys = 0;
  int paints = 0;
};
Seen g_seen;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN && wParam == VK_ESCAPE) ++g_seen.keys;
  if (message == WM_PAINT) {
    ++g_seen.paints;
    PAINTSTRUCT ps;
    ::BeginPaint(window, &ps);
    ::EndPaint(window, &ps);
    return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

class PumpTest : public ::testing::Test {
 protected:
  PumpTest() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &CountingProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "EditorPumpTestWindow";
    ::RegisterClassA(&wc);
    window = ::CreateWindowExA(0, "EditorPumpTestWindow", "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                               nullptr, nullptr, wc.hInstance, nullptr);
    SetEditorMainWindow(window);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    g_seen = Seen();
  }
  ~PumpTest() override {
    SetEditorMainWindow(nullptr);
    ::DestroyWindow(window);
  }
  HWND window = nullptr;
};

TEST_F(PumpTest, AnEmptyQueueGivesOne) { EXPECT_EQ(PumpMessages(), 1); }

TEST_F(PumpTest, EscapeThenPaintGivesZeroWithBothDispatched) {
  ::PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
  ::InvalidateRect(window, nullptr, FALSE);
  EXPECT_EQ(PumpMessages(), 0);
  EXPECT_EQ(g_seen.keys, 1);
  EXPECT_EQ(g_seen.paints, 1);
  EXPECT_EQ(PumpMessages(), 1);
}

TEST_F(PumpTest, ASystemKeyEscapeCountsToo) {
  ::PostMessageA(window, WM_SYSKEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(PumpMessages(), 0);
}

TEST_F(PumpTest, ARealEscapeWhileTheMainWindowIsDisabled) {
  ::SetForegroundWindow(window);
  ::SetFocus(window);
  SetMainWindowDisabled(1);
  EXPECT_FALSE(::IsWindowEnabled(window));
  INPUT keys[2] = {};
  keys[0].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = VK_ESCAPE;
  keys[1] = keys[0];
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  keys[0].ki.dwFlags = 0;
  ASSERT_EQ(::SendInput(1, &keys[0], sizeof(INPUT)), 1u);
  ::Sleep(50);
  const int result = PumpMessages();
  ::SendInput(1, &keys[1], sizeof(INPUT));
  PumpMessages();
  SetMainWindowDisabled(0);
  EXPECT_TRUE(::IsWindowEnabled(window));
  EXPECT_EQ(result, 0);
}

}  // namespace
}  // namespace ed
