// Property sheets of the MFC-named layer: what DoModal answers for each way of ending,
// OnConfirm keeping the sheet open, and a wizard's Next, Back and buttons.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "mfc/property_sheet.h"
#include "mfc/winapp.h"
#include "owl/testing/dialog_driver.h"

namespace {

class TestPage : public CPropertyPage {
 public:
  TestPage(CPropertySheet* sheet, UINT id, std::vector<std::string>& log, DWORD buttons)
      : CPropertyPage(sheet, id), log_(log), id_(std::to_string(id)), buttons_(buttons) {}
  BOOL OnSetActive() override {
    log_.push_back("active " + id_);
    GetSheet()->SetWizardButtons(buttons_);
    return TRUE;
  }
  LRESULT OnWizardNext() override {
    log_.push_back("next " + id_);
    return refuseNext ? -1 : 0;
  }
  void OnHelpKey() override { log_.push_back("help " + id_); }
  bool refuseNext = false;

 private:
  std::vector<std::string>& log_;
  std::string id_;
  DWORD buttons_;
};

class TestSheet : public CPropertySheet {
 public:
  TestSheet()
      : CPropertySheet("Sheet"), first(this, 310, log, PSWIZB_NEXT), second(this, 320, log, PSWIZB_BACK | PSWIZB_FINISH) {}
  BOOL OnConfirm() override {
    log.push_back("confirm");
    return confirmations-- > 0 ? FALSE : TRUE;
  }
  std::vector<std::string> log;
  int confirmations = 0;  // refusals before the first acceptance
  TestPage first;
  TestPage second;
};

void Press(HWND sheet, int id) {
  ::SendMessageA(sheet, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(sheet, id)));
}
bool Usable(HWND sheet, int id) {
  HWND button = ::GetDlgItem(sheet, id);
  return button && ::IsWindowVisible(button) && ::IsWindowEnabled(button);
}

TEST(CPropertySheetTest, DoModalAnswersHowTheSheetEnded) {
  CWinApp app("mfc_tests");
  struct Case {
    const char* what;
    int refusals;
    std::function<void(HWND)> end;
    INT_PTR result;
    int confirmations;
  };
  const Case cases[] = {
      {"OK", 0, [](HWND s) { Press(s, IDOK); }, IDOK, 1},
      {"OK refused once", 1, [](HWND s) { Press(s, IDOK); Press(s, IDOK); }, IDOK, 2},
      {"OK refused, then Cancel", 1, [](HWND s) { Press(s, IDOK); Press(s, IDCANCEL); }, IDCANCEL, 1},
      {"close box", 0, [](HWND s) { PostCloseBox(s); }, IDCANCEL, 0},
  };
  for (const Case& c : cases) {
    TestSheet sheet;
    sheet.confirmations = c.refusals;
    DialogDriver driver(c.end);
    EXPECT_EQ(sheet.DoModal(), c.result) << c.what;
    EXPECT_FALSE(driver.TimedOut()) << c.what;
    EXPECT_EQ(std::count(sheet.log.begin(), sheet.log.end(), "confirm"), c.confirmations) << c.what;
  }
}

TEST(CPropertySheetTest, AWizardGoesOnWhenNextAllowsItAndEndsWithFinish) {
  CWinApp app("mfc_tests");
  TestSheet sheet;
  sheet.SetWizardMode();
  sheet.first.refuseNext = true;
  std::vector<int> pages;
  std::vector<bool> finishUsable;
  DialogDriver driver([&](HWND s) {
    pages.push_back(sheet.GetActiveIndex());
    finishUsable.push_back(Usable(s, CPropertySheet::kFinishButton));
    Press(s, CPropertySheet::kNextButton);
    pages.push_back(sheet.GetActiveIndex());
    sheet.first.refuseNext = false;
    Press(s, CPropertySheet::kNextButton);
    pages.push_back(sheet.GetActiveIndex());
    finishUsable.push_back(Usable(s, CPropertySheet::kFinishButton));
    ::SendMessageA(reinterpret_cast<HWND>(::SendMessageA(s, PSM_GETCURRENTPAGEHWND, 0, 0)), WM_HELP, 0, 0);
    Press(s, CPropertySheet::kBackButton);
    pages.push_back(sheet.GetActiveIndex());
    sheet.SetActivePage(&sheet.second);
    pages.push_back(sheet.GetActiveIndex());
    Press(s, CPropertySheet::kFinishButton);
  });
  EXPECT_EQ(sheet.DoModal(), CPropertySheet::kFinishButton);
  EXPECT_EQ(pages, (std::vector<int>{0, 0, 1, 0, 1}));
  EXPECT_EQ(finishUsable, (std::vector<bool>{false, true}));
  EXPECT_EQ(sheet.log, (std::vector<std::string>{"active 310", "next 310", "next 310", "active 320", "help 320",
                                                 "active 310", "active 320", "confirm"}));
  EXPECT_EQ(sheet.GetPageCount(), 2);
  EXPECT_EQ(sheet.GetPage(1), &sheet.second);
  EXPECT_EQ(sheet.GetPageIndex(&sheet.first), 0);
}

}  // namespace
