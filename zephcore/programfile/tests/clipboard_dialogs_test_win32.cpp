// The clipboard's dialogs, run modally from the dialog resource library and driven from
// inside their modal loops: the lines and tab stops, the buttons a conflict allows, the
// unresolved count, the warning on "Done", a refused rename, the single-name mode's buffer
// and the contents list.

#include <windows.h>

#include <algorithm>

#include "clipboard_fixture.h"
#include "foundation/tests/dialog_fixture.h"
#include "model/interface/vlx.h"
#include "owl/testing/dialog_driver.h"
#include "pane/clipboardids.h"
#include "programfile/clipboard/clipdialogs.h"
#include "programfile/clipboard/clipdialogwin.h"

namespace zeph::test {
namespace {

std::vector<std::string> ListLines(HWND dialog) {
  HWND list = ::GetDlgItem(dialog, IDC_CLIP_LIST);
  std::vector<std::string> lines;
  const int n = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    std::string text(static_cast<std::size_t>(::SendMessageA(list, LB_GETTEXTLEN, i, 0)), '\0');
    ::SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    lines.push_back(text);
  }
  return lines;
}

int Selected(HWND dialog) {
  return static_cast<int>(::SendDlgItemMessageA(dialog, IDC_CLIP_LIST, LB_GETCURSEL, 0, 0));
}

bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }

// A click handled before the call returns.
void Click(HWND dialog, int id) {
  ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void Select(HWND dialog, int index) {
  ::SendDlgItemMessageA(dialog, IDC_CLIP_LIST, LB_SETCURSEL, index, 0);
  ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_CLIP_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDC_CLIP_LIST)));
}

class ClipDialogs : public ClipPaste {
 protected:
  // The library's clipboard holds the blocks; the target has its own "Off" and "Ask".
  void SetUp() override {
    ASSERT_EQ(PaneModule().Status, 0);
    vlxEmptyClipboard();
    source = NewProgram();
    BuildShared(*source);
    BuildBlocks(*source);
    vlxSetClipType(1);
    for (const char* name : {"Ask", "Next", "Hook", "Call"}) ASSERT_EQ(vlxCopyVavurorezos(name), 0);
    target = NewProgram();
    BuildShared(*target, kTypeInteger, 0);
    ASSERT_NE(AddBlock(*target, layout.type, "Ask"), nullptr);
    presenter.Clear();
  }
  void TearDown() override { vlxEmptyClipboard(); }

  int Run(TBaseDialog& dialog, const DialogDriver::Step& step) {
    DialogDriver driver(step);
    const int result = dialog.Execute();
    EXPECT_TRUE(driver.Ran());
    EXPECT_FALSE(driver.TimedOut());
    return result;
  }

  TestProgramModules modules{&TestProgramModule(), &PaneModule()};
  std::unique_ptr<TProgram> source;
  std::unique_ptr<TProgram> target;
};

TEST_F(ClipDialogs, ConflictsAreDecidedOneByOneAndDoneWaitsForAll) {
  TNameConflicts dialog(nullptr, *target, nullptr, 0, nullptr);
  std::vector<std::string> before;
  std::vector<std::string> after;
  int unresolvedAfterUse = -1;
  int unresolvedAfterDontCopy = -1;
  int selectedAfterUse = -1;
  bool offUse = false, offDontCopy = true, askUse = true, askDontCopy = false;
  std::string editForAsk;
  std::size_t boxesAfterEarlyDone = 0;
  std::size_t boxesAfterBadRename = 0;
  const int result = Run(dialog, [&](HWND h) {
    before = ListLines(h);
    const int off = before[0].rfind("Off(", 0) == 0 ? 0 : 1;
    const int ask = 1 - off;
    Select(h, off);
    offUse = Enabled(h, IDC_CLIP_USEEXISTING);
    offDontCopy = Enabled(h, IDC_CLIP_DONTCOPY);
    Select(h, ask);
    askUse = Enabled(h, IDC_CLIP_USEEXISTING);
    askDontCopy = Enabled(h, IDC_CLIP_DONTCOPY);
    editForAsk = ControlText(h, IDC_CLIP_NEWNAME);
    Click(h, IDOK);   // two unresolved: a warning, the dialog stays
    boxesAfterEarlyDone = presenter.Boxes().size();

    Select(h, off);
    Click(h, IDC_CLIP_USEEXISTING);
    unresolvedAfterUse = dialog.Unresolved();
    selectedAfterUse = Selected(h);
    Select(h, off);
    Click(h, IDC_CLIP_DONTCOPY);   // enabled or not, a second decision does not count again
    unresolvedAfterDontCopy = dialog.Unresolved();

    Select(h, ask);
    ::SetDlgItemTextA(h, IDC_CLIP_NEWNAME, "Next");   // another entry's name
    Click(h, IDC_CLIP_RENAME);
    boxesAfterBadRename = presenter.Boxes().size();
    ::SetDlgItemTextA(h, IDC_CLIP_NEWNAME, "Ask2");
    Click(h, IDC_CLIP_RENAME);
    after = ListLines(h);
    PostClick(h, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  ASSERT_EQ(before.size(), 2u);
  EXPECT_NE(std::find(before.begin(), before.end(), "Off(integer)\tOff(integer)\tUnresolved Conflict"), before.end());
  EXPECT_NE(std::find(before.begin(), before.end(), "Ask(VavurOrezo)\tAsk(VavurOrezo)\tUnresolved Conflict"),
            before.end());
  EXPECT_TRUE(offUse);
  EXPECT_FALSE(offDontCopy);
  EXPECT_FALSE(askUse);
  EXPECT_TRUE(askDontCopy);
  EXPECT_EQ(editForAsk, "Ask");
  ASSERT_GE(boxesAfterEarlyDone, 1u);
  EXPECT_EQ(presenter.Boxes()[0].text, "There are still unresolved conflicts.");
  EXPECT_EQ(presenter.Boxes()[0].caption, "Warning!");
  EXPECT_EQ(unresolvedAfterUse, 1);
  EXPECT_EQ(unresolvedAfterDontCopy, 1);
  EXPECT_GE(selectedAfterUse, 0);
  ASSERT_EQ(boxesAfterBadRename, 2u);
  EXPECT_EQ(presenter.Boxes()[1].text, "Name is in use or invalid!");
  EXPECT_EQ(presenter.Boxes()[1].caption, "Error");
  EXPECT_EQ(presenter.Boxes()[1].style & kKvMbIconMask, static_cast<std::uint32_t>(kKvMbIconHand));
  EXPECT_NE(std::find(after.begin(), after.end(), "Off(integer)\tOff(integer)\tDon't Copy"), after.end());
  EXPECT_NE(std::find(after.begin(), after.end(), "Ask(VavurOrezo)\t\tRename object to Ask2"), after.end());
  EXPECT_STREQ(TheClipboard().FindEntry("Ask")->NewName, "Ask2");
  EXPECT_EQ(presenter.Boxes().size(), 2u);
}

TEST_F(ClipDialogs, WithoutConflictsDoneClosesAtOnce) {
  auto empty = NewProgram();
  TNameConflicts dialog(nullptr, *empty, nullptr, 0, nullptr);
  std::vector<std::string> lines{"x"};
  EXPECT_EQ(Run(dialog, [&](HWND h) {
              lines = ListLines(h);
              PostClick(h, IDOK);
            }),
            IDOK);
  EXPECT_TRUE(lines.empty());
  EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(ClipDialogs, OneNameWritesTheChosenNameBack) {
  char buffer[kClipNameSize] = "Count";
  TNameConflicts dialog(nullptr, *target, nullptr, 1, buffer);
  std::vector<std::string> lines;
  EXPECT_EQ(Run(dialog, [&](HWND h) {
              lines = ListLines(h);
              ::SetDlgItemTextA(h, IDC_CLIP_NEWNAME, "Count7");
              Click(h, IDC_CLIP_RENAME);
              PostClick(h, IDOK);
            }),
            IDOK);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "Count(integer)\tCount(integer)\tUnresolved Conflict");
  EXPECT_STREQ(buffer, "Count7");

  // Cancel leaves the buffer as it was.
  char kept[kClipNameSize] = "Count";
  TNameConflicts cancelled(nullptr, *target, nullptr, 1, kept);
  EXPECT_EQ(Run(cancelled, [&](HWND h) { PostClick(h, IDCANCEL); }), IDCANCEL);
  EXPECT_STREQ(kept, "Count");
}

TEST_F(ClipDialogs, TheContentsListShowsEveryVisibleEntry) {
  TClipContents dialog(nullptr, nullptr);
  std::vector<std::string> lines;
  EXPECT_EQ(Run(dialog, [&](HWND h) {
              lines = ListLines(h);
              PostClick(h, IDOK);
            }),
            IDOK);
  EXPECT_EQ(lines, ClipContentsLines(TheClipboard()));
  EXPECT_EQ(lines.size(), static_cast<std::size_t>(TheClipboard().GetCount()));
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Rec(Outer)\tDependent\t2"), lines.end());
}

TEST_F(ClipDialogs, TheExportsRunTheDialogs) {
  target->Activate();
  // A clash: the name is asked for; one given back unchanged empties the buffer.
  char buffer[kClipNameSize] = {};
  {
    DialogDriver renaming([&](HWND h) {
      ::SetDlgItemTextA(h, IDC_CLIP_NEWNAME, "Count7");
      Click(h, IDC_CLIP_RENAME);
      PostClick(h, IDOK);
    });
    EXPECT_EQ(vlxCheckSuperVerBlockForConf("Count", buffer), 1);
    EXPECT_TRUE(renaming.Ran());
  }
  EXPECT_STREQ(buffer, "Count7");
  {
    DialogDriver cancelling([&](HWND h) { PostClick(h, IDCANCEL); });
    EXPECT_EQ(vlxCheckSuperVerBlockForConf("Count", buffer), 1);
  }
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(vlxCheckSuperVerBlockForConf("Nothing", buffer), 0);
  // Conflicts of the whole clipboard: anything but "Done" is a cancel.
  {
    DialogDriver cancelAll([&](HWND h) { PostClick(h, IDCANCEL); });
    EXPECT_EQ(vlxResolveNameConflicts(), 1);
  }
  {
    DialogDriver contents([&](HWND h) { PostClick(h, IDOK); });
    EXPECT_EQ(vlxDisplayClipboard(), IDOK);
  }
}

}  // namespace
}  // namespace zeph::test
