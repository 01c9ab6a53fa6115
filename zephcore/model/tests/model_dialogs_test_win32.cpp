// The designer's Define commands and pickers under Wine: each opens its template owned by
// the program's window or the window given, the pickers hand back the choice (a cancelled
// variable pick leaves the library's reference node alone), the Custom VavurOrezo command
// is refused while its code editor is open, and nothing opens without a program.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "editors/sentences/sentlist.h"
#include "editors/variables/scopes.h"
#include "foundation/tests/dialog_fixture.h"
#include "foundation/tests/fault_capture.h"
#include "model/interface/library.h"
#include "model/interface/variable_selection.h"
#include "model/interface/vlx.h"
#include "model/program/program.h"
#include "model/symtable.h"
#include "owl/testing/dialog_driver.h"
#include "owl/window.h"
#include "pane/addpbids.h"
#include "pane/sentenceids.h"

namespace zeph {
namespace {

// Control ids that tell the templates apart.
constexpr int kVarList = 176;          // DIALOG_VAR
constexpr int kItemList = 400;         // ULVO_FAX_FILE, ULVO_VOICE_FILE, VS_VS1
constexpr int kStructureList = 361;    // DIALOG_STRUCTEDIT

HWND MakeWindow() {
  return ::CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

std::string Caption(HWND window) {
  char text[256] = {};
  ::GetWindowTextA(window, text, sizeof text);
  return text;
}

// What a run showed: the dialog's owner and caption, and whether it has the control.
struct Shown {
  bool ran = false;
  HWND owner = nullptr;
  std::string caption;
  bool hasControl = false;
};

class ModelDialogsTest : public ::testing::Test {
 protected:
  ModelDialogsTest() {
    EnsureLibraryStarted();   // its clipboard program is made first, then ours is current
    program.Activate();
    Symbol* main = nullptr;
    EXPECT_EQ(program.AddNamedSymbol(&main, "Main", kTypeSuperBlock, 1, 1, 1, false), 0);
    program.SetCurrentPage(main);
    for (const auto& [name, type] : {std::pair{"Count", kTypeInteger}, {"Total", kTypeInteger}, {"Title", kTypeString}}) {
      Symbol* variable = nullptr;
      EXPECT_EQ(program.AddNamedSymbol(&variable, name, type, 1, 1, 0, false), 0) << name;
    }
    LibraryReferenceNode().Clear();
  }
  ~ModelDialogsTest() override {
    LibraryReferenceNode().Clear();
    ::DestroyWindow(given);
    ::DestroyWindow(ownerWindow);
  }
  void SetUp() override { ASSERT_EQ(PaneModule().Status, 0); }

  Symbol* Find(const char* name, int type) { return LookupSymbol(name, type, &program.Symbols()); }

  // Runs the call; the dialog it opens is looked at for the control, then the step ends it
  // (the close box when there is no step).
  static Shown Open(const std::function<void()>& call, int control,
                    const std::function<void(HWND)>& step = nullptr) {
    Shown shown;
    DialogDriver driver([&](HWND dialog) {
      shown.ran = true;
      shown.owner = ::GetWindow(dialog, GW_OWNER);
      shown.caption = Caption(dialog);
      shown.hasControl = ::GetDlgItem(dialog, control) != nullptr;
      if (step) {
        step(dialog);
      } else {
        PostCloseBox(dialog);
      }
    });
    call();
    EXPECT_FALSE(driver.TimedOut());
    return shown;
  }
  static void SelectLine(HWND dialog, int list, const char* prefix) {
    HWND box = ::GetDlgItem(dialog, list);
    const LRESULT at = ::SendMessageA(box, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(prefix));
    ASSERT_GE(at, 0) << prefix;
    ::SendMessageA(box, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(list, LBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
  }
  static bool Listed(HWND dialog, int list, const char* prefix) {
    return ::SendDlgItemMessageA(dialog, list, LB_FINDSTRING, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(prefix)) >= 0;
  }

  FaultCapture faults;
  TestProgramModules modules{&TestProgramModule(), &PaneModule()};
  HWND ownerWindow = MakeWindow();
  HWND given = MakeWindow();
  TProgram program{ownerWindow, nullptr};
};

TEST_F(ModelDialogsTest, EachCommandOpensItsTemplateOwnedByTheProgramOrTheGivenWindow) {
  TWindow givenAlias(given);
  const struct {
    const char* what;
    std::function<void()> call;
    int control;
    const char* caption;   // null: not checked
    HWND owner;
  } cases[] = {
      {"define variable", [] { vlxDefineVariableCommand(); }, kItemList, "Fax Item List", ownerWindow},
      {"define voice sentence", [] { EXPECT_EQ(vlxDefineVoiceSentenceCommand(), 0); }, kItemList, "Voice File List",
       ownerWindow},
      {"define structure", [] { vlxDefineStructureCommand(); }, kStructureList, nullptr, ownerWindow},
      {"custom VavurOrezo", [] { vlxCustomVavurOrezoCommand(); }, IDC_ADDPB_LIST, "Custom VavurOrezos", ownerWindow},
      {"select variable", [&] { EXPECT_EQ(vlxSelectVariable("", 2, 0, 0, given), nullptr); }, kVarList, nullptr, given},
      {"select variable without a window",
       [] { EXPECT_EQ(vlxSelectVariable("Count", 2, 0, 0, nullptr), nullptr); }, kItemList, "Fax Item List",
       ownerWindow},
      {"pick voice sentence", [&] { vlxPickVoiceSentence(&givenAlias, ""); }, IDC_SENT_LIST, "Voice Sentence Select",
       given},
      {"pick voice sentence without a window", [] { vlxPickVoiceSentence(nullptr, ""); }, IDC_SENT_LIST,
       "Voice Sentence Select", ownerWindow},
  };
  for (const auto& c : cases) {
    const Shown shown = Open(c.call, c.control);
    EXPECT_TRUE(shown.ran) << c.what;
    EXPECT_TRUE(shown.hasControl) << c.what;
    EXPECT_EQ(shown.owner, c.owner) << c.what;
    if (c.caption != nullptr) {
      EXPECT_EQ(shown.caption, c.caption) << c.what;
    }
  }
  // The designer's windows keep their own window procedures and stay.
  EXPECT_NE(::IsWindow(given), FALSE);
  EXPECT_NE(::IsWindow(ownerWindow), FALSE);
  EXPECT_EQ(TWindow::GetWindowPtr(given), nullptr);
}

TEST_F(ModelDialogsTest, SelectVariableHandsBackTheChoiceAndCancelLeavesTheNodeAlone) {
  Symbol* count = Find("Count", kTypeInteger);
  Symbol* total = Find("Total", kTypeInteger);

  // Done on the preset variable: the node names it.
  vlxHandleType chosen = nullptr;
  Shown shown = Open([&] { chosen = vlxSelectVariable("Count", 2, 0, 0, given); }, kVarList,
                     [](HWND dialog) { PostClick(dialog, IDOK); });
  ASSERT_TRUE(shown.ran);
  ASSERT_EQ(chosen, &LibraryReferenceNode());
  EXPECT_EQ(LibraryReferenceNode().S, count);

  // Cancelled on another preset variable: null, and the node still names the first.
  shown = Open([&] { chosen = vlxSelectVariable("Total", 2, 0, 0, given); }, kVarList,
               [](HWND dialog) { PostClick(dialog, IDCANCEL); });
  ASSERT_TRUE(shown.ran);
  EXPECT_EQ(chosen, nullptr);
  EXPECT_EQ(LibraryReferenceNode().S, count);

  // The kind flags decide what is listed: numbers only, so the string is not offered.
  bool titleListed = true;
  bool totalListed = false;
  shown = Open([&] { chosen = vlxSelectVariable("", 2, 0, 0, given); }, kVarList, [&](HWND dialog) {
    titleListed = Listed(dialog, kVarList, "Title");
    totalListed = Listed(dialog, kVarList, "Total");
    SelectLine(dialog, kVarList, "Total");
    PostClick(dialog, IDOK);
  });
  EXPECT_FALSE(titleListed);
  EXPECT_TRUE(totalListed);
  ASSERT_EQ(chosen, &LibraryReferenceNode());
  EXPECT_EQ(LibraryReferenceNode().S, total);
}

TEST_F(ModelDialogsTest, PickVoiceSentenceAnswersTheHoldersSentence) {
  TWindow owner(given);
  Symbol* hello = AddSentence(program, "Hello", kScopeGlobal);
  Symbol* bye = AddSentence(program, "Bye", kScopeGlobal);
  ASSERT_NE(hello, nullptr);
  ASSERT_NE(bye, nullptr);

  // The named sentence is preset; Cancel leaves it as the answer.
  Symbol* result = nullptr;
  Shown shown = Open([&] { result = vlxPickVoiceSentence(&owner, "Hello"); }, IDC_SENT_LIST,
                     [](HWND dialog) { PostClick(dialog, IDCANCEL); });
  EXPECT_EQ(shown.caption, "Voice Sentence / ( Hello )");
  EXPECT_EQ(result, hello);

  // An empty name presets none; the line chosen is the answer.
  shown = Open([&] { result = vlxPickVoiceSentence(&owner, ""); }, IDC_SENT_LIST, [](HWND dialog) {
    SelectLine(dialog, IDC_SENT_LIST, "Bye");
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(shown.caption, "Voice Sentence Select");
  EXPECT_EQ(result, bye);

  // A name that is no sentence presets none either.
  shown = Open([&] { result = vlxPickVoiceSentence(&owner, "Count"); }, IDC_SENT_LIST,
               [](HWND dialog) { PostClick(dialog, IDCANCEL); });
  EXPECT_EQ(shown.caption, "Voice Sentence Select");
  EXPECT_EQ(result, nullptr);
}

TEST_F(ModelDialogsTest, CustomCommandIsRefusedOnlyWhileItsOwnEditorIsOpen) {
  program.CustomEditorOpen = 1;
  {
    ModalGuard guard([](HWND window) { PostCloseBox(window); });
    vlxCustomVavurOrezoCommand();
    EXPECT_FALSE(guard.Ran());
  }
  ASSERT_EQ(faults.presenter.Boxes().size(), 1u);
  const auto& box = faults.presenter.Boxes().back();
  EXPECT_EQ(box.text, "You must first close the outstanding edit window before performing this operation");
  EXPECT_EQ(box.caption, "Flowsmith");
  EXPECT_EQ(box.style, static_cast<std::uint32_t>(kKvMbOk | kKvMbIconExclamation));

  // An open DLL prototype editor does not stand in the way.
  program.CustomEditorOpen = 0;
  program.DllEditorOpen = 1;
  faults.presenter.Clear();
  const Shown shown = Open([] { vlxCustomVavurOrezoCommand(); }, IDC_ADDPB_LIST);
  EXPECT_TRUE(shown.ran);
  EXPECT_TRUE(faults.presenter.Boxes().empty());
  program.DllEditorOpen = 0;
}

TEST_F(ModelDialogsTest, WithoutAProgramNothingOpensAndTheAnswersAreNeutral) {
  TWindow owner(given);
  AddSentence(program, "Hello", kScopeGlobal);
  TProgram::Deactivate();
  const struct {
    const char* what;
    std::function<bool()> call;   // whether the answer is the neutral one
  } cases[] = {
      {"define variable", [] { vlxDefineVariableCommand(); return true; }},
      {"define voice sentence", [] { return vlxDefineVoiceSentenceCommand() == 0; }},
      {"define structure", [] { vlxDefineStructureCommand(); return true; }},
      {"custom VavurOrezo", [] { vlxCustomVavurOrezoCommand(); return true; }},
      {"select variable", [&] { return vlxSelectVariable("Count", 16, 0, 0, given) == nullptr; }},
      {"pick voice sentence", [&] { return vlxPickVoiceSentence(&owner, "Hello") == nullptr; }},
  };
  for (const auto& c : cases) {
    ModalGuard guard([](HWND window) { PostCloseBox(window); }, 500);
    EXPECT_TRUE(c.call()) << c.what;
    EXPECT_FALSE(guard.Ran()) << c.what;
  }
  EXPECT_TRUE(faults.presenter.Boxes().empty());
  program.Activate();
}

}  // namespace
}  // namespace zeph
