// Alias objects on windows made elsewhere: the window keeps its own procedure.
#include <gtest/gtest.h>

#include "owl/owl.h"
#include "resources/testids.h"
#include "test_support.h"

namespace {

int ForeignMessages = 0;

LRESULT CALLBACK ForeignProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_APP) {
    ++ForeignMessages;
    return 99;
  }
  return ::DefWindowProcA(hWnd, msg, wParam, lParam);
}

HWND MakeForeignWindow() {
  static bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &ForeignProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "OwlTestForeign";
    return ::RegisterClassA(&wc) != 0;
  }();
  (void)registered;
  return ::CreateWindowExA(0, "OwlTestForeign", "foreign", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                           nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

TEST(Alias, WrapsAForeignWindowWithoutTakingItsProcedure) {
  HWND foreign = MakeForeignWindow();
  ASSERT_NE(foreign, nullptr);
  auto procBefore = ::GetWindowLongPtrA(foreign, GWLP_WNDPROC);
  ForeignMessages = 0;
  {
    TWindow alias(foreign);
    EXPECT_TRUE(alias.IsAlias());
    EXPECT_EQ(alias.HWindow, foreign);
    EXPECT_STREQ(alias.GetCaption(), "foreign");
    EXPECT_EQ(::GetWindowLongPtrA(foreign, GWLP_WNDPROC), procBefore);
    EXPECT_EQ(alias.SendMessage(WM_APP), 99);
    EXPECT_EQ(ForeignMessages, 1);
    EXPECT_EQ(TWindow::GetWindowPtr(foreign), nullptr);
  }
  // Deleting the alias leaves the window as it was.
  EXPECT_TRUE(::IsWindow(foreign));
  EXPECT_EQ(::GetWindowLongPtrA(foreign, GWLP_WNDPROC), procBefore);
  ::DestroyWindow(foreign);
}

TEST(Alias, AModalDialogOnAnAliasIsOwnedByTheForeignWindow) {
  ModalGuard guard;
  HWND foreign = MakeForeignWindow();
  TWindow alias(foreign);
  struct TOwnedDialog : TDialog {
    explicit TOwnedDialog(TWindow* parent) : TDialog(parent, "PATHDIALOG", &TestPane()) {}
    void SetupWindow() override {
      TDialog::SetupWindow();
      Owner = ::GetWindow(HWindow, GW_OWNER);
      OwnerEnabled = ::IsWindowEnabled(Owner);
      PostMessage(WM_COMMAND, IDOK);
    }
    HWND Owner = nullptr;
    BOOL OwnerEnabled = TRUE;
  } dialog(&alias);
  EXPECT_EQ(dialog.Execute(), IDOK);
  EXPECT_EQ(dialog.Owner, foreign);
  EXPECT_FALSE(dialog.OwnerEnabled);
  EXPECT_TRUE(::IsWindowEnabled(foreign));
  ::DestroyWindow(foreign);
}

TEST(Alias, TheModuleFindsOwnObjectsAndKeepsOneAliasPerForeignWindow) {
  TModule module("aliases", ::GetModuleHandleA(nullptr));
  TWindow own(static_cast<TWindow*>(nullptr), "own");
  ASSERT_TRUE(own.Create());
  EXPECT_EQ(module.GetParentObject(own.HWindow), &own);

  HWND foreign = MakeForeignWindow();
  TWindow* alias = module.GetParentObject(foreign);
  ASSERT_NE(alias, nullptr);
  EXPECT_TRUE(alias->IsAlias());
  EXPECT_EQ(alias->HWindow, foreign);
  EXPECT_EQ(module.GetParentObject(foreign), alias);
  EXPECT_EQ(module.GetParentObject(nullptr), nullptr);
  ::DestroyWindow(foreign);
}

}  // namespace
