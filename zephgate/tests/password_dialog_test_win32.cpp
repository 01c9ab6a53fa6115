// The expired-password dialog under Wine: the five rules in order with their boxes and the
// control that gets the focus, acceptance, Cancel, and the digits-only password edits.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "dialog_password_ui.h"
#include "mfc/winapp.h"
#include "owl/msgbox.h"
#include "owl/testing/dialog_driver.h"
#include "owl/testing/window_picture.h"
#include "pwd_chg_dialog.h"

namespace gate::testing {
namespace {

struct Box {
  std::string text;
  std::string caption;
  UINT type;
  int focusId;  // the control with the focus once the box is shown
};

// Records every box, and which control of the dialog has the focus when it is asked.
class RecordedBoxes {
 public:
  RecordedBoxes() {
    previous_ = SetMessageBoxResponder([this](HWND, const char* text, const char* caption, UINT type) {
      boxes.push_back({text, caption, type, 0});
      return IDOK;
    });
  }
  ~RecordedBoxes() { SetMessageBoxResponder(previous_); }
  std::vector<Box> boxes;

 private:
  TMessageBoxResponder previous_;
};

void Fill(HWND dialog, const char* current, const char* fresh, const char* again) {
  ::SetDlgItemTextA(dialog, 1003, current);
  ::SetDlgItemTextA(dialog, 1004, fresh);
  ::SetDlgItemTextA(dialog, 1005, again);
}

int FocusedId() {
  HWND focus = ::GetFocus();
  return focus ? ::GetDlgCtrlID(focus) : 0;
}

TEST(PasswordDialogTest, RulesInOrderKeepTheDialogUntilTheyPass) {
  CWinApp app("zephgate_tests");
  RecordedBoxes boxes;
  struct Step {
    const char* current;
    const char* fresh;
    const char* again;
    const char* text;
    int focus;
  };
  const Step steps[] = {
      {"", "1357", "1357", "The current password must be entered before the account password can be changed.", 1003},
      {"2469", "1357", "1357", "The old password is not correct.", 1003},
      {"2468", "1357", "", "The new password must be entered twice before it can be changed.", 1005},
      {"2468", "1357", "1358", "The two instances of the new password do not match.", 1005},
      {"2468", "2468", "2468", "The new and old passwords are the same.", 1004},
  };
  std::vector<int> focusAfter;
  CPwdChgDialog dialog("2468");
  DialogDriver driver([&](HWND d) {
    for (const Step& s : steps) {
      Fill(d, s.current, s.fresh, s.again);
      ::SetFocus(::GetDlgItem(d, 1004 == s.focus ? 1003 : 1004));
      ::SendMessageA(d, WM_COMMAND, IDOK, 0);
      PumpPending();
      focusAfter.push_back(FocusedId());
      EXPECT_TRUE(::IsWindow(d)) << s.text;
    }
    SaveWindowPicture(d, "password_dialog");
    Fill(d, "2468", "1357", "1357");
    PostClick(d, IDOK);
  });
  ASSERT_EQ(dialog.DoModal(), IDOK);
  ASSERT_FALSE(driver.TimedOut());
  EXPECT_EQ(dialog.NewPassword(), "1357");
  ASSERT_EQ(boxes.boxes.size(), std::size(steps));
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    EXPECT_EQ(boxes.boxes[i].text, steps[i].text);
    EXPECT_EQ(boxes.boxes[i].caption, "Password Change");
    EXPECT_EQ(boxes.boxes[i].type & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(focusAfter[i], steps[i].focus) << steps[i].text;
  }
}

TEST(PasswordDialogTest, CancelGivesNoPasswordAndTheEditsTakeDigitsOnly) {
  CWinApp app("zephgate_tests");
  DialogPasswordChangeUi ui;
  std::string typed;
  LONG_PTR style = 0;
  HICON bigIcon = nullptr;
  DialogDriver driver([&](HWND d) {
    HWND edit = ::GetDlgItem(d, 1004);
    for (char ch : std::string("1a2b")) ::SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(ch), 0);
    typed = ControlText(d, 1004);
    style = ::GetWindowLongPtrA(edit, GWL_STYLE);
    bigIcon = reinterpret_cast<HICON>(::SendMessageA(d, WM_GETICON, ICON_BIG, 0));
    Fill(d, "2468", "1357", "1357");
    PostClick(d, IDCANCEL);
  });
  std::string fresh = "unchanged";
  EXPECT_FALSE(ui.AskNewPassword("2468", fresh));
  EXPECT_EQ(fresh, "unchanged");
  EXPECT_EQ(typed, "12");
  EXPECT_TRUE(style & ES_PASSWORD);
  EXPECT_NE(bigIcon, nullptr);
}

TEST(PasswordDialogTest, TheUiHandsOnTheAcceptedPassword) {
  CWinApp app("zephgate_tests");
  DialogPasswordChangeUi ui;
  DialogDriver driver([](HWND d) {
    Fill(d, "2468", "1357", "1357");
    PostClick(d, IDOK);
  });
  std::string fresh;
  EXPECT_TRUE(ui.AskNewPassword("2468", fresh));
  EXPECT_EQ(fresh, "1357");
}

}  // namespace
}  // namespace gate::testing
