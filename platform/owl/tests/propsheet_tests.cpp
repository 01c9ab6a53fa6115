// A property sheet with two pages whose OK is decided by the sheet's owner: the opened pages
// are checked and the shared record is committed once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "owl/owl.h"
#include "resources/testids.h"
#include "test_support.h"

namespace {

class TRecordPage : public TPropertyPage {
 public:
  TRecordPage(TPropertySheet* sheet, const char* templateName, int editId)
      : TPropertyPage(sheet, templateName, nullptr, TResId(), &TestPane()), Edit(this, editId) {}

  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == WM_INITDIALOG) ++Starts;
    if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == UINT(PSN_SETACTIVE))
      ++Activations;
    if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == UINT(PSN_HELP)) ++HelpAsked;
    return TPropertyPage::WindowProc(msg, wParam, lParam);
  }
  void SetupWindow() override {
    TPropertyPage::SetupWindow();
    Edit.SetText("start");
  }
  std::string Text() const {
    char text[32] = "";
    Edit.GetText(text, sizeof text);
    return text;
  }

  TEdit Edit;
  int Starts = 0;
  int Activations = 0;
  int HelpAsked = 0;
};

// The sheet asks before OK goes through: a refusal keeps it open; an accepted OK checks the
// pages that have windows and commits once.
class TCommitSheet : public TPropertySheet {
 public:
  explicit TCommitSheet(TWindow* parent = nullptr)
      : TPropertySheet(parent, "File properties", 0, false, PSH_HASHELP),
                   One(this, "PAGE_ONE", IDC_PAGE_ONE_EDIT),
                   Two(this, "PAGE_TWO", IDC_PAGE_TWO_EDIT) {}

  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == WM_COMMAND && HIWORD(wParam) == 0 && LOWORD(wParam) == IDOK) {
      ++OkAsked;
      if (RefuseOk > 0) {
        --RefuseOk;
        return 0;
      }
      for (TRecordPage* page : {&One, &Two})
        if (page->HWindow) Checked.push_back(page->Text());
      ++Commits;
    }
    return TPropertySheet::WindowProc(msg, wParam, lParam);
  }
  void SetupWindow() override {
    TPropertySheet::SetupWindow();
    SetUp = true;
    if (Script) Script(*this);
  }

  TRecordPage One;
  TRecordPage Two;
  std::function<void(TCommitSheet&)> Script;
  bool SetUp = false;
  int RefuseOk = 0;
  int OkAsked = 0;
  int Commits = 0;
  std::vector<std::string> Checked;
};

void PostButton(const TWindow& sheet, int id) {
  ::PostMessageA(sheet.HWindow, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(sheet.HWindow, id)));
}

TEST(PropertySheets, TwoPagesCommitOnceOnOk) {
  ModalGuard guard;
  TCommitSheet sheet;
  sheet.RefuseOk = 1;
  sheet.Script = [](TCommitSheet& s) {
    ::PostMessageA(s.HWindow, PSM_SETCURSEL, 1, 0);  // open the second page too
    PostButton(s, IDOK);                             // refused: the sheet stays
    PostButton(s, IDOK);
  };
  EXPECT_EQ(sheet.GetPageCount(), 2u);
  EXPECT_EQ(sheet.Execute(), IDOK);
  EXPECT_FALSE(guard.Fired());
  EXPECT_TRUE(sheet.SetUp);
  EXPECT_EQ(sheet.OkAsked, 2);
  EXPECT_EQ(sheet.Commits, 1);
  EXPECT_EQ(sheet.Checked, (std::vector<std::string>{"start", "start"}));
  EXPECT_EQ(sheet.One.Starts, 1);
  EXPECT_EQ(sheet.Two.Starts, 1);
  EXPECT_GE(sheet.Two.Activations, 1);
  EXPECT_EQ(sheet.HWindow, nullptr);
  EXPECT_EQ(sheet.One.HWindow, nullptr);
}

TEST(PropertySheets, APageNeverOpenedGetsNoWindow) {
  ModalGuard guard;
  TCommitSheet sheet;
  sheet.Script = [](TCommitSheet& s) { PostButton(s, IDOK); };
  EXPECT_EQ(sheet.Execute(), IDOK);
  EXPECT_EQ(sheet.Commits, 1);
  EXPECT_EQ(sheet.Checked, (std::vector<std::string>{"start"}));
  EXPECT_EQ(sheet.Two.Starts, 0);
}

TEST(PropertySheets, CancelCommitsNothing) {
  ModalGuard guard;
  TCommitSheet sheet;
  sheet.Script = [](TCommitSheet& s) { PostButton(s, IDCANCEL); };
  EXPECT_EQ(sheet.Execute(), IDCANCEL);
  EXPECT_EQ(sheet.OkAsked, 0);
  EXPECT_EQ(sheet.Commits, 0);
}

// What PropertySheetA returns tells what was applied or asked of the system, not which
// button closed the sheet: Apply, or a page asking for a restart, makes it positive, and a
// Cancel afterwards is still a Cancel.
TEST(PropertySheets, CancelAfterApplyIsCancel) {
  ModalGuard guard;
  TCommitSheet sheet;
  sheet.Script = [](TCommitSheet& s) {
    ::PostMessageA(s.HWindow, PSM_CHANGED, reinterpret_cast<WPARAM>(s.One.HWindow), 0);
    ::PostMessageA(s.HWindow, PSM_APPLY, 0, 0);
    ::PostMessageA(s.HWindow, PSM_RESTARTWINDOWS, 0, 0);
    PostButton(s, IDCANCEL);
  };
  EXPECT_EQ(sheet.Execute(), IDCANCEL);
  EXPECT_FALSE(guard.Fired());
  EXPECT_EQ(sheet.Commits, 0);
}

// The owner is the parent's window as it is when the sheet runs: a parent whose window was
// made after the sheet object still owns the sheet.
TEST(PropertySheets, AParentMadeLaterOwnsTheSheet) {
  ModalGuard guard;
  TWindow owner(static_cast<TWindow*>(nullptr), "owner");
  TCommitSheet sheet(&owner);
  ASSERT_TRUE(owner.Create());
  HWND ownedBy = nullptr;
  sheet.Script = [&](TCommitSheet& s) {
    ownedBy = ::GetWindow(s.HWindow, GW_OWNER);
    PostButton(s, IDCANCEL);
  };
  EXPECT_EQ(sheet.Execute(), IDCANCEL);
  EXPECT_EQ(ownedBy, owner.HWindow);
}

// Help goes to the page shown; going back to a page activates it again without making it
// anew.
TEST(PropertySheets, HelpReachesThePageShownAndAPageIsMadeOnce) {
  ModalGuard guard;
  TCommitSheet sheet;
  sheet.Script = [](TCommitSheet& s) {
    ::PostMessageA(s.HWindow, PSM_SETCURSEL, 1, 0);
    ::PostMessageA(s.HWindow, PSM_PRESSBUTTON, PSBTN_HELP, 0);
    ::PostMessageA(s.HWindow, PSM_SETCURSEL, 0, 0);
    PostButton(s, IDCANCEL);
  };
  EXPECT_EQ(sheet.Execute(), IDCANCEL);
  EXPECT_FALSE(guard.Fired());
  EXPECT_EQ(sheet.Two.HelpAsked, 1);
  EXPECT_EQ(sheet.One.HelpAsked, 0);
  EXPECT_EQ(sheet.One.Starts, 1);
  EXPECT_EQ(sheet.One.Activations, 2);
  EXPECT_EQ(sheet.Two.Starts, 1);
}

TEST(PropertySheets, TheCaptionIsTheSheetsTitle) {
  ModalGuard guard;
  TCommitSheet sheet;
  std::string caption;
  sheet.Script = [&](TCommitSheet& s) {
    char text[64] = "";
    ::GetWindowTextA(s.HWindow, text, sizeof text);
    caption = text;
    PostButton(s, IDCANCEL);
  };
  sheet.Execute();
  EXPECT_NE(caption.find("File properties"), std::string::npos) << caption;
}

}  // namespace
