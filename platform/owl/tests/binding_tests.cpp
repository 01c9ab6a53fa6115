// Windows are bound to their objects while they are made, never later: a window of one of
// our classes that was made without an object stays unbound whatever object waits next.
#include <gtest/gtest.h>

#include "owl/binding.h"
#include "owl/owl.h"
#include "test_support.h"

namespace {

TEST(Binding, AnUnboundWindowIsNeverTakenByTheNextWaitingObject) {
  TWindow made(static_cast<TWindow*>(nullptr), "made");
  ASSERT_TRUE(made.Create());   // registers the class
  HWND stray = ::CreateWindowA(made.GetClassName(), "stray", WS_POPUP, 0, 0, 10, 10, nullptr,
                               nullptr, ::GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(stray, nullptr);
  EXPECT_EQ(TWindowBinding::Lookup(stray), nullptr);

  TWindow waiting(static_cast<TWindow*>(nullptr), "waiting");
  TWindowBinding::SetPending(&waiting);
  ::SendMessageA(stray, WM_USER, 0, 0);
  ::SetWindowTextA(stray, "still stray");
  // A size change asks the window for its limits: that is no creation either.
  MINMAXINFO limits{};
  ::SendMessageA(stray, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  ::SetWindowPos(stray, nullptr, 0, 0, 40, 40, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(TWindowBinding::Lookup(stray), nullptr);
  EXPECT_EQ(waiting.HWindow, nullptr);
  EXPECT_EQ(TWindowBinding::TakePending(), &waiting);
  ::DestroyWindow(stray);
}

}  // namespace
