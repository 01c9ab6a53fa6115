// The Custom VavurOrezos dialog under Wine: add and its refusals, delete with its question
// and the in-use refusal, Setup's choice and refusals, and the command (through the model
// interface's export too) with its edit-window check.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/win32/addpb.h"
#include "forms_win32_testutil.h"
#include "model/custompb.h"
#include "model/interface/library.h"
#include "model/interface/vlx.h"
#include "model/listsink.h"
#include "model/modelcodes.h"
#include "model/pbaccess_msgtext.h"
#include "pane/addpbids.h"
#include "programfile/build/codeeditors.h"

namespace zeph::test {
namespace {

class AddPBTest : public FormWindowFixture {
 protected:
  static std::vector<std::string> ListLines(HWND dialog) {
    std::vector<std::string> lines;
    HWND list = ::GetDlgItem(dialog, IDC_ADDPB_LIST);
    const int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char text[64] = {};
      ::SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
      lines.emplace_back(text);
    }
    return lines;
  }
  static int Selected(HWND dialog) {
    return static_cast<int>(::SendDlgItemMessageA(dialog, IDC_ADDPB_LIST, LB_GETCURSEL, 0, 0));
  }
  static void Press(HWND dialog, int id) { ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
  std::vector<std::string> Names() {
    VectorListSink sink;
    CustomPBEnumerate(program.CustomVavurOrezos(), sink);
    return sink.lines;
  }
  std::string LastBox() const {
    return faults.presenter.Boxes().empty() ? std::string() : faults.presenter.Boxes().back().text;
  }
};

TEST_F(AddPBTest, AddRefusesBadNamesAndListsNewOnes) {
  TAddPB dialog(nullptr, kAddPBResource, &program);
  const int result = Run(dialog, [&](HWND window) {
    char caption[64] = {};
    ::GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ(caption, "Custom VavurOrezos");
    Press(window, IDC_ADDPB_SETUP);   // nothing to choose
    EXPECT_EQ(LastBox(), "You must select a VavurOrezo type");

    const struct {
      const char* name;
      int refusal;   // 0: added
    } cases[] = {
        {"Greet", 0},          {"Greet", kErrCustomPBExists}, {"Exactly16Letters", kErrNameTooLong},
        {"9Lives", kErrBadName}, {"while", kErrReservedName},  {"Fifteen15Chars_", 0},
    };
    for (const auto& c : cases) {
      faults.presenter.Clear();
      SetText(window, IDC_ADDPB_NAME, c.name);
      Press(window, IDC_ADDPB_ADD);
      if (c.refusal != 0) {
        ASSERT_EQ(faults.presenter.Boxes().size(), 1u) << c.name;
        EXPECT_EQ(LastBox(), PBMessageText(c.refusal)) << c.name;
        EXPECT_EQ(faults.presenter.Boxes()[0].caption, "");
        EXPECT_EQ(faults.presenter.Boxes()[0].style & 0xF0u, static_cast<unsigned>(kKvMbIconHand));
        EXPECT_EQ(Text(window, IDC_ADDPB_NAME), c.name);   // kept for mending
      } else {
        EXPECT_TRUE(faults.presenter.Boxes().empty()) << c.name;
        EXPECT_EQ(Text(window, IDC_ADDPB_NAME), "");
        EXPECT_EQ(ListLines(window).back(), c.name);
        EXPECT_EQ(Selected(window), static_cast<int>(ListLines(window).size()) - 1);
      }
    }
    SaveWindowPicture(window, "form_addpb");
    PostClick(window, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Fifteen15Chars_", "Greet"}));
}

TEST_F(AddPBTest, DeleteAsksAndRefusesEntriesInUse) {
  for (const char* name : {"Greet", "Hold", "Bye"}) ASSERT_EQ(CustomPBAdd(program.CustomVavurOrezos(), name, &t), 0);
  CustomPBAddRef(program.CustomVavurOrezos(), "Bye");
  TAddPB dialog(nullptr, kAddPBResource, &program);
  Run(dialog, [&](HWND window) {
    EXPECT_EQ(ListLines(window), (std::vector<std::string>{"Bye", "Hold", "Greet"}));
    EXPECT_EQ(Selected(window), 0);
    Press(window, IDC_ADDPB_DELETE);   // "Bye" is used by a VavurOrezo
    EXPECT_EQ(LastBox(), "Can not delete this Custom VavurOrezo because it is in use");
    EXPECT_EQ(ListLines(window).size(), 3u);

    ::SendDlgItemMessageA(window, IDC_ADDPB_LIST, LB_SETCURSEL, 1, 0);
    faults.presenter.Answer(IDNO);
    Press(window, IDC_ADDPB_DELETE);
    EXPECT_EQ(LastBox(), "Delete Hold ?");
    EXPECT_EQ(faults.presenter.Boxes().back().style, static_cast<std::uint32_t>(kKvMbYesNo | kKvMbIconQuestion));
    EXPECT_EQ(ListLines(window).size(), 3u);

    faults.presenter.Answer(IDYES);
    Press(window, IDC_ADDPB_DELETE);
    EXPECT_EQ(ListLines(window), (std::vector<std::string>{"Bye", "Greet"}));
    EXPECT_EQ(Selected(window), 0);

    ::SendDlgItemMessageA(window, IDC_ADDPB_LIST, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    Press(window, IDC_ADDPB_DELETE);
    EXPECT_EQ(LastBox(), "You must select a VavurOrezo type");
    PostClick(window, IDOK);
  });
  EXPECT_EQ(Names(), (std::vector<std::string>{"Bye", "Greet"}));
}

TEST_F(AddPBTest, SetupChoosesTheSelectedEntryUnlessAnEditorIsOpen) {
  for (const char* name : {"Greet", "Hold"}) ASSERT_EQ(CustomPBAdd(program.CustomVavurOrezos(), name, &t), 0);
  program.CustomEditorOpen = 1;
  TAddPB refused(nullptr, kAddPBResource, &program);
  Run(refused, [&](HWND window) {
    Press(window, IDC_ADDPB_SETUP);
    EXPECT_EQ(LastBox(), "You must first close the outstanding edit window before performing this operation");
    EXPECT_TRUE(::IsWindow(window));
    PostCloseBox(window);   // the dialog has no Cancel button
  });
  EXPECT_EQ(refused.Chosen(), nullptr);

  faults.presenter.Clear();
  CustomVavurOrezoCommand(nullptr, &program);   // refused before any dialog
  EXPECT_EQ(LastBox(), "You must first close the outstanding edit window before performing this operation");

  program.CustomEditorOpen = 0;
  TAddPB dialog(nullptr, kAddPBResource, &program);
  const int result = Run(dialog, [&](HWND window) {
    ::SendDlgItemMessageA(window, IDC_ADDPB_LIST, LB_SETCURSEL, 1, 0);
    PostClick(window, IDC_ADDPB_SETUP);
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(dialog.Chosen(), CustomPBFind(program.CustomVavurOrezos(), "Greet"));
}

// Records the code editors the command opens instead of making their windows.
struct RecordingEditors : CodeEditorHost {
  int MakeFileWindow(HWND, const char* title, std::string*, int*, void** buffer, int line) override {
    opened.push_back(std::string(title) + " @" + std::to_string(line));
    *buffer = this;
    return 0;
  }
  void UpdateBuffer(void*) override {}
  void GotoLine(void*, int) override {}
  void Focus(void*) override {}
  std::vector<std::string> opened;
};

TEST_F(AddPBTest, ExportRunsTheDialogOnTheCurrentProgramAndOpensTheChosenEntry) {
  EnsureLibraryStarted();   // before the test's program is made current again
  program.Activate();
  for (const char* name : {"Greet", "Hold"}) ASSERT_EQ(CustomPBAdd(program.CustomVavurOrezos(), name, &t), 0);
  RecordingEditors editors;
  SetCodeEditorHost(&editors);

  {  // closed without a choice: no editor
    DialogDriver driver([&](HWND window) {
      EXPECT_EQ(ListLines(window), (std::vector<std::string>{"Hold", "Greet"}));
      PostClick(window, IDOK);
    });
    vlxCustomVavurOrezoCommand();
    EXPECT_TRUE(driver.Ran());
  }
  EXPECT_TRUE(editors.opened.empty());

  {  // Setup on an entry added in the dialog opens its editor
    DialogDriver driver([&](HWND window) {
      SetText(window, IDC_ADDPB_NAME, "Bye");
      Press(window, IDC_ADDPB_ADD);
      ::SendDlgItemMessageA(window, IDC_ADDPB_LIST, LB_SETCURSEL, 2, 0);
      PostClick(window, IDC_ADDPB_SETUP);
    });
    vlxCustomVavurOrezoCommand();
    EXPECT_TRUE(driver.Ran());
    EXPECT_FALSE(driver.TimedOut());
  }
  EXPECT_EQ(editors.opened, std::vector<std::string>{"Custom VavurOrezo / Bye @0"});
  EXPECT_EQ(Names(), (std::vector<std::string>{"Bye", "Hold", "Greet"}));
  EXPECT_TRUE(program.CustomEditorOpen != 0);

  // An editor is open: the export refuses before any dialog.
  faults.presenter.Clear();
  vlxCustomVavurOrezoCommand();
  EXPECT_EQ(LastBox(), "You must first close the outstanding edit window before performing this operation");
  EXPECT_EQ(editors.opened.size(), 1u);

  // No current program: nothing happens.
  program.CustomEditorOpen = 0;
  TProgram::Deactivate();
  faults.presenter.Clear();
  {
    ModalGuard guard([](HWND window) { PostCloseBox(window); });
    vlxCustomVavurOrezoCommand();
    EXPECT_FALSE(guard.Ran());
  }
  EXPECT_TRUE(faults.presenter.Boxes().empty());
  SetCodeEditorHost(nullptr);
}

}  // namespace
}  // namespace zeph::test
