// The customer dialog: OK gives IDOK and "1"; Cancel, Escape and the close box give
// IDCANCEL and no customer; the list holds the one item, selected.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "ccustdlg.h"
#include "mfc/winapp.h"
#include "owl/testing/dialog_driver.h"
#include "owl/testing/window_picture.h"

namespace gate::testing {
namespace {

TEST(CustomerDialogTest, OkGivesTheOneCustomer) {
  CWinApp app("zephgate_tests");
  CCustDlg dialog;
  LRESULT count = 0;
  DialogDriver driver([&](HWND d) {
    count = ::SendDlgItemMessageA(d, 1001, CB_GETCOUNT, 0, 0);
    SaveWindowPicture(d, "customer_dialog");
    PostClick(d, IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(dialog.Customer(), "1");
}

TEST(CustomerDialogTest, EveryWayOutButOkGivesNoCustomer) {
  CWinApp app("zephgate_tests");
  const std::function<void(HWND)> ways[] = {
      [](HWND d) { PostClick(d, IDCANCEL); },
      [](HWND d) { ::PostMessageA(::GetDlgItem(d, 1001), WM_KEYDOWN, VK_ESCAPE, 0); },
      [](HWND d) { PostCloseBox(d); },
  };
  for (const auto& way : ways) {
    CCustDlg dialog;
    DialogDriver driver(way);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(dialog.Customer(), "");
  }
}

}  // namespace
}  // namespace gate::testing
