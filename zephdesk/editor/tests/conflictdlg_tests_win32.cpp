// The paste-conflict dialogs under Wine: both forms set up by media, the typed name
// refused and the dialog kept open, Change All and Replace All ending the later dialogs,
// Cancel, and Help without a help program.
#include <windows.h>

#include <gtest/gtest.h>

#include "conflict_fixture.h"
#include "editor/clipboard/resolveconflictdlg.h"
#include "foundation/tests/dialog_fixture.h"
#include "foundation/tests/fault_capture.h"
#include "owl/testing/dialog_driver.h"
#include "owl/testing/window_picture.h"

namespace ed::test {
namespace {

std::string Caption(HWND dialog) {
  char text[128] = {};
  ::GetWindowTextA(dialog, text, sizeof text);
  return text;
}

bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }
bool Visible(HWND dialog, int id) { return ::IsWindowVisible(::GetDlgItem(dialog, id)) != FALSE; }

void Click(HWND dialog, int id) {
  ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

class ConflictDialogTest : public ::testing::Test {
 protected:
  ConflictDialogTest() {
    faults.table.Set(8124, "8124 block name refused");
    faults.table.Set(8046, "8046 voice ID refused");
  }
  int Run(std::vector<zeph::TClipInfo>& entries, const DialogDriver::Step& step, int* shown = nullptr) {
    KvCopyConflict conflicts(entries, target);
    WindowsConflictDialogs dialogs(nullptr, &clipboard);
    int count = 0;
    DialogDriver driver([&](HWND dialog) {
      ++count;
      step(dialog);
    });
    const int result = conflicts.ResolveAll(dialogs);
    EXPECT_TRUE(driver.Ran());
    EXPECT_FALSE(driver.TimedOut());
    if (shown != nullptr) *shown = count;
    return result;
  }
  std::vector<std::string> Boxes() const {
    std::vector<std::string> out;
    for (const auto& box : faults.presenter.Boxes()) out.push_back(box.text);
    return out;
  }

  FaultCapture faults;
  TestProgramModules modules{&TestProgramModule(), nullptr};
  FakeTarget target;
  std::vector<zeph::TClipInfo> clipboard;
};

TEST_F(ConflictDialogTest, ABlockNameIsProposedAndATypedNameInUseIsRefused) {
  target.symbols = {"Menu1", "Taken"};
  std::vector<zeph::TClipInfo> entries = {Block("Menu1")};
  bool stayedOpen = false;
  std::string proposal, already, question;
  const int result = Run(entries, [&](HWND dialog) {
    EXPECT_EQ(Caption(dialog), "Block Name conflict (1 of 1)");
    already = ControlText(dialog, kConflictAlready);
    question = ControlText(dialog, kConflictQuestion);
    proposal = ControlText(dialog, kConflictDefaultName);
    EXPECT_EQ(::IsDlgButtonChecked(dialog, kConflictDefaultRadio), BST_CHECKED);
    EXPECT_FALSE(Enabled(dialog, kConflictNewName));
    for (int id : {kConflictDefaultIdLabel, kConflictDefaultId, kConflictNewIdLabel, kConflictNewId})
      EXPECT_FALSE(Visible(dialog, id)) << id;
    SaveWindowPicture(dialog, "dialog_conflict_name");
    Click(dialog, kConflictNewRadio);
    EXPECT_TRUE(Enabled(dialog, kConflictNewName));
    EXPECT_FALSE(Enabled(dialog, kConflictAll));
    ::SetDlgItemTextA(dialog, kConflictNewName, "Taken");
    Click(dialog, IDOK);
    stayedOpen = ::IsWindow(dialog) && ::IsWindowVisible(dialog);
    ::SetDlgItemTextA(dialog, kConflictNewName, "Mine");
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(already, "The application already contains a block called 'Menu1'");
  EXPECT_EQ(question, "Would you like to change the name of the block being pasted?");
  EXPECT_EQ(proposal, "Menu2");
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"8124 block name refused"});
  EXPECT_STREQ(entries[0].NewName, "Mine");
}

TEST_F(ConflictDialogTest, ChangeAllTakesTheProposalsOfTheLaterEntriesWithoutDialogs) {
  target.symbols = {"Hello", "Bye"};
  target.appIds = {{kMediaVoice, 1}, {kMediaVoice, 2}};
  std::vector<zeph::TClipInfo> entries = {Voice("Hello", 1), Voice("Bye", 2)};
  int shown = 0;
  std::string id;
  const int result = Run(
      entries,
      [&](HWND dialog) {
        EXPECT_EQ(Caption(dialog), "Voice item conflict (1 of 2)");
        id = ControlText(dialog, kConflictDefaultId);
        EXPECT_TRUE(Visible(dialog, kConflictDefaultId));
        EXPECT_EQ(ControlText(dialog, kConflictAll), "Change All");
        PostClick(dialog, kConflictAll);
      },
      &shown);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(id, "3");
  EXPECT_STREQ(entries[0].NewName, "Hello1");
  EXPECT_EQ(entries[0].Second, 3);
  EXPECT_STREQ(entries[1].NewName, "Bye1");
  EXPECT_EQ(entries[1].Second, 4);
}

TEST_F(ConflictDialogTest, ReplaceAllReplacesEveryLaterIdenticalItem) {
  target.items = {{"Hello", {kMediaVoice, 5}}, {"Bye", {kMediaVoice, 6}}};
  std::vector<zeph::TClipInfo> entries = {Voice("Hello", 5), Voice("Bye", 6)};
  int shown = 0;
  std::string before, after;
  const int result = Run(
      entries,
      [&](HWND dialog) {
        EXPECT_EQ(::IsDlgButtonChecked(dialog, kConflictChange), BST_CHECKED);
        before = ControlText(dialog, kConflictAll);
        SaveWindowPicture(dialog, "dialog_conflict_identical");
        Click(dialog, kConflictReplace);
        after = ControlText(dialog, kConflictAll);
        EXPECT_FALSE(Enabled(dialog, kConflictDefaultName));
        EXPECT_FALSE(Enabled(dialog, kConflictNewName));
        PostClick(dialog, kConflictAll);
      },
      &shown);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(before, "Change All");
  EXPECT_EQ(after, "Replace All");
  for (const auto& e : entries) {
    EXPECT_EQ(e.Marked, 1) << e.Name;
    EXPECT_EQ(e.DontCopy, 0) << e.Name;
  }
}

TEST_F(ConflictDialogTest, AnIdOutOfRangeIsRefusedAndCancelEndsTheRun) {
  target.symbols = {"Hello"};
  std::vector<zeph::TClipInfo> entries = {Voice("Hello", 1), Voice("Other", 9)};
  target.symbols.insert("Other");
  int shown = 0;
  const int result = Run(
      entries,
      [&](HWND dialog) {
        Click(dialog, kConflictNewRadio);
        EXPECT_TRUE(Enabled(dialog, kConflictNewId));
        ::SetDlgItemTextA(dialog, kConflictNewName, "Fresh");
        ::SetDlgItemTextA(dialog, kConflictNewId, "3001");
        Click(dialog, IDOK);
        PostClick(dialog, IDCANCEL);
      },
      &shown);
  EXPECT_EQ(result, 2);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"8046 voice ID refused"});
}

TEST_F(ConflictDialogTest, HelpWithoutAHelpProgramSaysSo) {
  RecordingHelpEngine help(false);
  target.symbols = {"Menu1"};
  std::vector<zeph::TClipInfo> entries = {Block("Menu1")};
  Run(entries, [&](HWND dialog) {
    Click(dialog, 9);
    PostClick(dialog, IDCANCEL);
  });
  ASSERT_EQ(help.Requests().size(), 1u);
  EXPECT_NE(help.Requests()[0].path.find("zephdesk.hlp>proc4"), std::string::npos);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"Could not load WinHelp program."});
}

TEST(EditorResourcesTest, TheConflictTemplatesAndThePageIconAreThere) {
  HMODULE self = ::GetModuleHandleA(nullptr);
  EXPECT_NE(::FindResourceA(self, kConflictNameTemplate, MAKEINTRESOURCEA(5)), nullptr);   // RT_DIALOG
  EXPECT_NE(::FindResourceA(self, kConflictIdenticalTemplate, MAKEINTRESOURCEA(5)), nullptr);
  HICON icon = ::LoadIconA(self, "VLXPAGEICON");
  ASSERT_NE(icon, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(::GetIconInfo(icon, &info));
  BITMAP bitmap{};
  ::GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
  EXPECT_EQ(bitmap.bmWidth, 32);
  if (info.hbmColor != nullptr) ::DeleteObject(info.hbmColor);
  if (info.hbmMask != nullptr) ::DeleteObject(info.hbmMask);
}

}  // namespace
}  // namespace ed::test
