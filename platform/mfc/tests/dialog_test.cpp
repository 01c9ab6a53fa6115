// The MFC-named dialog over owl's engine: binding before OnInitDialog, the ways a dialog
// ends (OK, Cancel, Escape, close box) through the virtual handlers, text limits, the
// sorted drop-down list's texts, F1 and the application object.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "mfc/controls.h"
#include "mfc/dialog.h"
#include "mfc/winapp.h"
#include "owl/testing/dialog_driver.h"

namespace {

class TestDialog : public CDialog {
 public:
  TestDialog() : CDialog(300), name(this, 301, 5), list(this, 302), label(this, 303), other(this, 304) {}

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    log.push_back("init:" + std::string(name.GetHandle() ? "bound" : "unbound"));
    list.AddString("beta");
    list.AddString("alpha");
    list.SetSelIndex(0);
    label.SetText("label");
    return TRUE;
  }
  void OnOK() override {
    log.push_back("ok");
    if (refuseOk) {
      refuseOk = false;
      return;
    }
    nameAtEnd = name.Text();
    selectedAtEnd = list.SelectedText();
    CDialog::OnOK();
  }
  void OnCancel() override {
    log.push_back("cancel");
    CDialog::OnCancel();
  }
  void OnHelpKey() override { log.push_back("help"); }

  CEdit name;
  CComboBox list;
  CStatic label;
  CButton other;
  std::vector<std::string> log;
  bool refuseOk = false;
  std::string nameAtEnd;
  std::string selectedAtEnd;
};

struct EndingCase {
  const char* what;
  std::function<void(HWND)> end;
  INT_PTR result;
  const char* handler;
};

TEST(CDialogTest, EveryWayOfEndingReachesItsHandler) {
  CWinApp app("mfc_tests");
  const EndingCase cases[] = {
      {"OK", [](HWND d) { PostClick(d, IDOK); }, IDOK, "ok"},
      {"Cancel", [](HWND d) { PostClick(d, IDCANCEL); }, IDCANCEL, "cancel"},
      {"close box", [](HWND d) { PostCloseBox(d); }, IDCANCEL, "cancel"},
      {"Escape",
       [](HWND d) {
         HWND edit = ::GetDlgItem(d, 301);
         ::PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);
       },
       IDCANCEL, "cancel"},
  };
  for (const EndingCase& c : cases) {
    TestDialog dialog;
    DialogDriver driver(c.end);
    EXPECT_EQ(dialog.DoModal(), c.result) << c.what;
    ASSERT_FALSE(driver.TimedOut()) << c.what;
    EXPECT_EQ(dialog.log, (std::vector<std::string>{"init:bound", c.handler})) << c.what;
  }
}

TEST(CDialogTest, AnOkHandlerThatDoesNotEndKeepsTheDialogOpen) {
  CWinApp app("mfc_tests");
  TestDialog dialog;
  dialog.refuseOk = true;
  DialogDriver driver([](HWND d) {
    ::SetDlgItemTextA(d, 301, "abcdefgh");
    PostClick(d, IDOK);
    PostClick(d, IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.log, (std::vector<std::string>{"init:bound", "ok", "ok"}));
  // The limit holds for typing; a text set by program is kept as set.
  EXPECT_EQ(dialog.nameAtEnd, "abcdefgh");
  // The sorted list puts "alpha" first.
  EXPECT_EQ(dialog.selectedAtEnd, "alpha");
}

TEST(CDialogTest, TypingStopsAtTheLimitAndTextsAreRead) {
  CWinApp app("mfc_tests");
  TestDialog dialog;
  std::string typed, label, second;
  DialogDriver driver([&](HWND d) {
    HWND edit = ::GetDlgItem(d, 301);
    for (char ch : std::string("abcdefgh")) ::SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(ch), 0);
    typed = dialog.name.Text();
    label = dialog.label.Text();
    second = dialog.list.ItemText(1);
    ::SendMessageA(d, WM_HELP, 0, 0);
    PostClick(d, IDCANCEL);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(typed, "abcde");
  EXPECT_EQ(label, "label");
  EXPECT_EQ(second, "beta");
  EXPECT_EQ(dialog.log, (std::vector<std::string>{"init:bound", "help", "cancel"}));
}

TEST(CWinAppTest, DialogsComeFromTheApplicationsModule) {
  EXPECT_EQ(AfxGetApp(), nullptr);
  {
    CWinApp app("mfc_tests");
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_EQ(app.m_hInstance, ::GetModuleHandleA(nullptr));
    app.Start(::GetModuleHandleA(nullptr), "a b");
    EXPECT_EQ(app.m_lpCmdLine, "a b");
    // InitInstance answers FALSE by default: Run returns at once with ExitInstance's code.
    EXPECT_EQ(app.Run(), 0);
  }
  EXPECT_EQ(AfxGetApp(), nullptr);
}

}  // namespace
