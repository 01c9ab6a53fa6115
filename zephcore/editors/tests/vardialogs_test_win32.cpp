// The variable list's dialogs under Wine: the resize dialog, the create dialog, the name
// entry, and the picker's command buttons (posted as their control ids) with the list
// following each change.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "editors/win32/makevardialog.h"
#include "editors/win32/namedialog.h"
#include "editors/win32/resizedialog.h"
#include "editors/win32/setupforms.h"
#include "editors/win32/varpickcommands.h"
#include "editordialogs_test_util.h"
#include "foundation/kvbasedlghelp.h"
#include "foundation/tests/fault_capture.h"
#include "model/datatypes.h"
#include "model/interface/variable_place.h"
#include "model/pbcat.h"
#include "model/program/program.h"
#include "model/symtable.h"
#include "owl/testing/dialog_driver.h"
#include "owl/testing/window_picture.h"
#include "programfile/clipboard/clipboard.h"
#include "scribe/scribe.h"

namespace zeph {
namespace {

using VariableDialogsTest = test::EditorDialogsTest;

TEST_F(VariableDialogsTest, ResizeDialogShowsTheSizesAndStaysOpenOnARefusal) {
  Symbol* text = Var("Text", kTypeString, 64);
  ValueBlockData& block = MakeVariableStorage(*text, 65);
  std::memcpy(block.Bytes(), "abcdefghijklmnop", 16);
  TResizeDialog dialog(nullptr, kResizeResource, text, &program);
  EXPECT_EQ(Run(dialog, [&](HWND d) {
    EXPECT_EQ(Text(d, kResizeName), "Text");
    EXPECT_EQ(Text(d, kResizeType), "*STRING");
    EXPECT_EQ(Text(d, kResizeStringSize), "64");
    EXPECT_EQ(Text(d, kResizeNewString), "64");
    EXPECT_TRUE(Enabled(d, kResizeNewString));
    EXPECT_FALSE(Enabled(d, kResizeNewArray));
    SaveWindowPicture(d, "dialog_resize");
    SetText(d, kResizeNewString, "1001");
    ::SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_NE(::IsWindow(d), FALSE);
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(d, kResizeNewString));
    SetText(d, kResizeNewString, "10");
    PostClick(d, IDOK);
  }), IDOK);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{kSizeRangeText});
  EXPECT_EQ(text->Size, 10);
  ASSERT_NE(VariableStorage(*text), nullptr);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(VariableStorage(*text)->Bytes())), "abcdefghij");
}

TEST_F(VariableDialogsTest, ResizeDialogOnAnArrayRefusesTooManyBytes) {
  Symbol* list = Var("Counts", kTypeInteger, 1, 5);
  TResizeDialog dialog(nullptr, kResizeResource, list, &program);
  const int elementSize = GetBuiltinTypeSize(kTypeInteger);
  EXPECT_EQ(Run(dialog, [&](HWND d) {
    EXPECT_EQ(Text(d, kResizeArraySize), "5");
    EXPECT_EQ(Text(d, kResizeNewArray), "5");
    EXPECT_FALSE(Enabled(d, kResizeNewString));
    SetText(d, kResizeNewArray, std::to_string(64000 / elementSize + 1).c_str());
    ::SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(d, kResizeNewArray));
    SetText(d, kResizeNewArray, "7");
    PostClick(d, IDOK);
  }), IDOK);
  ASSERT_EQ(BoxTexts().size(), 1u);
  EXPECT_EQ(BoxTexts()[0], "Invalid Array Size:  Value must be between 2 and " + std::to_string(64000 / elementSize));
  EXPECT_EQ(list->ArraySize, 7);
}

TEST_F(VariableDialogsTest, CreateDialogFollowsTheTypeAndScopeAndCreatesOnDone) {
  Symbol* page = nullptr;
  ASSERT_EQ(program.AddNamedSymbol(&page, "Main2", kTypeSuperBlock, 1, 1, 1, false, 1), 0);
  program.SetCurrentPage(page);
  PickRequest request;
  request.Allowed1 = (1u << kTypeInteger) | (1u << kTypeString);
  request.MinNumber = 2;
  TVarMake make(nullptr, kMakeVarResource, request, program);
  EXPECT_EQ(Run(make, [&](HWND d) {
    EXPECT_EQ(::SendMessageA(::GetDlgItem(d, kMakeVarTypes), LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(::SendMessageA(::GetDlgItem(d, kMakeVarGlobal), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(Enabled(d, kMakeVarLocal));
    EXPECT_TRUE(Enabled(d, kMakeVarParameter));
    Select(d, kMakeVarTypes, "*STRING");
    EXPECT_TRUE(Enabled(d, kMakeVarSize));
    EXPECT_EQ(Text(d, kMakeVarSize), "64");
    Select(d, kMakeVarTypes, "integer");
    EXPECT_FALSE(Enabled(d, kMakeVarSize));
    EXPECT_EQ(Text(d, kMakeVarSize), "1");
    // The parameter scope forces one element; another scope gives the count back.
    SetText(d, kMakeVarCount, "4");
    ::SendMessageA(::GetDlgItem(d, kMakeVarGlobal), BM_SETCHECK, BST_UNCHECKED, 0);
    ::SendMessageA(::GetDlgItem(d, kMakeVarParameter), BM_SETCHECK, BST_CHECKED, 0);
    Command(d, kMakeVarParameter);
    EXPECT_EQ(Text(d, kMakeVarCount), "1");
    EXPECT_FALSE(Enabled(d, kMakeVarCount));
    ::SendMessageA(::GetDlgItem(d, kMakeVarParameter), BM_SETCHECK, BST_UNCHECKED, 0);
    ::SendMessageA(::GetDlgItem(d, kMakeVarLocal), BM_SETCHECK, BST_CHECKED, 0);
    Command(d, kMakeVarLocal);
    EXPECT_TRUE(Enabled(d, kMakeVarCount));
    SaveWindowPicture(d, "dialog_makevar");
    // Below the request's lowest element count: refused, the dialog stays.
    SetText(d, kMakeVarName, "Count");
    ::SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_NE(::IsWindow(d), FALSE);
    SetText(d, kMakeVarCount, "3");
    PostClick(d, IDOK);
  }), IDOK);
  ASSERT_EQ(BoxTexts().size(), 1u);
  EXPECT_EQ(BoxTexts()[0], "The index is not within the acceptable range (2 - " +
                               std::to_string(64000 / GetBuiltinTypeSize(kTypeInteger)) + ").");
  ASSERT_NE(make.Created(), nullptr);
  EXPECT_STREQ(make.Created()->Name, "Main2$Count");
  EXPECT_EQ(make.Created()->Scope, 1);
  EXPECT_EQ(make.Created()->ArraySize, 3);
}

TEST_F(VariableDialogsTest, CreateDialogOffersNoLocalScopeWhileNamesAreUnqualified) {
  PickRequest request;
  request.Allowed1 = 1u << kTypeInteger;
  program.Symbols().NamesUnqualified = 1;
  TVarMake make(nullptr, kMakeVarResource, request, program);
  EXPECT_EQ(Run(make, [&](HWND d) {
    EXPECT_FALSE(Enabled(d, kMakeVarLocal));
    EXPECT_FALSE(Enabled(d, kMakeVarParameter));
    EXPECT_TRUE(Enabled(d, kMakeVarSystem));
    PostClick(d, IDCANCEL);
  }), IDCANCEL);
}

class PickerCommandsTest : public VariableDialogsTest {
 protected:
  PickerCommandsTest() {
    request.Allowed1 = (1u << kTypeInteger) | (1u << kTypeString) | (1u << kTypeEntryK);
    request.Allowed2 = 1u << (test::kTypeBooleanCode - 32);
    request.NoSelectionNeeded = 1;
  }
  // Runs the picker on the current program; the step gets its window.
  void RunPicker(const DialogDriver::Step& step) {
    TVarPick picker(nullptr, kVarPickResource, request, 0, 0);
    Run(picker, [&](HWND d) {
      step(d);
      if (::IsWindow(d)) PostClick(d, IDCANCEL);
    });
  }
  PickRequest request;
};

TEST_F(PickerCommandsTest, AddRenameResizeAndDeleteKeepTheListInStep) {
  Var("Other", kTypeInteger);
  RunPicker([&](HWND d) {
    Command(d, kPickAdd, [&](HWND make) {
      Select(make, kMakeVarTypes, "*STRING");
      SetText(make, kMakeVarName, "Greeting");
      SetText(make, kMakeVarSize, "20");
      PostClick(make, IDOK);
    });
    EXPECT_TRUE(Listed(d, "Greeting "));
    EXPECT_EQ(Text(d, kPickName), "Greeting");
    EXPECT_EQ(Text(d, kPickSize), "20");
    EXPECT_TRUE(Enabled(d, kPickResize));

    Command(d, kPickRename, [&](HWND name) {
      char caption[64] = {};
      ::GetWindowTextA(name, caption, sizeof caption);
      EXPECT_STREQ(caption, "Renaming Greeting.");
      SetText(name, kStructNameEdit, "Hello");
      PostClick(name, IDOK);
    });
    EXPECT_FALSE(Listed(d, "Greeting "));
    EXPECT_EQ(Text(d, kPickName), "Hello");

    Command(d, kPickResize, [&](HWND resize) {
      EXPECT_EQ(Text(resize, kResizeStringSize), "20");
      SetText(resize, kResizeNewString, "12");
      PostClick(resize, IDOK);
    });
    EXPECT_EQ(Text(d, kPickName), "Hello");
    EXPECT_EQ(Text(d, kPickSize), "12");

    faults.presenter.Answer(IDOK);
    Command(d, kPickDelete);
    EXPECT_FALSE(Listed(d, "Hello "));
    // The first line is selected and shown.
    EXPECT_EQ(::SendMessageA(::GetDlgItem(d, kPickList), LB_GETCURSEL, 0, 0), 0);
    EXPECT_NE(Text(d, kPickName), "");
    EXPECT_NE(Text(d, kPickName), "Hello");
  });
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Delete Hello ?"});
  EXPECT_EQ(LookupSymbol("Hello", kTypeString, &program.Symbols()), nullptr);
}

TEST_F(PickerCommandsTest, CancelledDeleteAndRefusedAddChangeNothing) {
  Var("Keep", kTypeInteger);
  request.Allowed2 |= 1u << (kTypeVavurOrezo - 32);
  RunPicker([&](HWND d) {
    Select(d, kPickList, "Keep ");
    faults.presenter.Answer(IDCANCEL);
    Command(d, kPickDelete);
    EXPECT_TRUE(Listed(d, "Keep "));
    Command(d, kPickAdd);
  });
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                            "Delete Keep ?",
                            "To add a VavurOrezo, close windows and choose 'Add' from the VavurOrezo Menu"}));
}

TEST_F(PickerCommandsTest, CopyThenPasteBringsADeletedVariableBack) {
  Symbol* total = Var("Total", kTypeInteger);
  total->RefCnt = 0;
  RunPicker([&](HWND d) {
    Select(d, kPickList, "Total ");
    Command(d, kPickCopy);
    faults.presenter.Answer(IDOK);
    Command(d, kPickDelete);
    EXPECT_FALSE(Listed(d, "Total "));
    Command(d, kPickPaste);
    EXPECT_TRUE(Listed(d, "Total "));
  });
  EXPECT_NE(LookupSymbol("Total", kTypeInteger, &program.Symbols()), nullptr);
}

TEST_F(PickerCommandsTest, SetupOpensTheFormWithItsBlockOrTheBooleanDialogOrRefuses) {
  Var("Keys", kTypeEntryK);
  Var("Flag", test::kTypeBooleanCode);
  Var("Many", kTypeInteger, 1, 3);
  std::vector<std::string> opened;
  SetVariableSetupOpener([&](TWindow*, const SetupPlan& plan, Symbol& variable, ValueBlockData* block) {
    opened.push_back(plan.Caption + " " + variable.Name + " " + std::to_string(block != nullptr ? block->Size() : 0));
    return IDOK;
  });
  RunPicker([&](HWND d) {
    Select(d, kPickList, "Keys ");
    Command(d, kPickSetup);
    Select(d, kPickList, "Flag ");
    Command(d, kPickSetup, [&](HWND boolean) { PostClick(boolean, IDCANCEL); });
    Select(d, kPickList, "Many[");
    Command(d, kPickSetup);
  });
  EXPECT_EQ(opened, std::vector<std::string>{"Setup Keyboard Digits Entry Param / Keys Keys " +
                                             std::to_string(GetBuiltinTypeSize(kTypeEntryK))});
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"You can not set up an array or a member of an array"});
}

class RecordingHelp : public KvHelpEngine {
 public:
  RecordingHelp() { KvSetHelpEngine(this); }
  ~RecordingHelp() override { KvSetHelpEngine(nullptr); }
  bool Show(HWND, const char*, UINT, std::uintptr_t data) override {
    contexts.push_back(data);
    return true;
  }
  std::vector<std::uintptr_t> contexts;
};

std::string Caption(HWND window) {
  char text[160] = {};
  ::GetWindowTextA(window, text, sizeof text);
  return text;
}

// Every record type opens its own form on the variable's value block, with the caption
// of the variable's name and the help topic of the type; Cancel leaves the block as made.
TEST_F(PickerCommandsTest, SetupOpensEachRecordTypesFormWithCaptionAndHelp) {
  const int types[] = {9, 10, 11, 25, 12, 13, 14, 15, 16, 23, 24, 36, 37, 42, 47, 50, 51, 54, 56, 57, 58};
  request.Allowed1 = request.Allowed2 = 0;
  for (int type : types) {
    if (type < 32) request.Allowed1 |= 1u << type;
    else request.Allowed2 |= 1u << (type - 32);
    Var(("R" + std::to_string(type)).c_str(), type)->Data.reset();
  }
  RecordingHelp help;
  std::vector<std::string> missed;
  RunPicker([&](HWND d) {
    for (int type : types) {
      const std::string name = "R" + std::to_string(type);
      Select(d, kPickList, (name + " ").c_str());
      const SetupForm& row = *FindSetupForm(type);
      const std::size_t before = help.contexts.size();
      Command(d, kPickSetup, [&](HWND form) {
        EXPECT_EQ(Caption(form), std::string(row.CaptionFormat).replace(std::string(row.CaptionFormat).find("%s"), 2, name));
        EXPECT_TRUE(Enabled(form, IDOK)) << type;
        ::SendMessageA(form, WM_COMMAND, MAKEWPARAM(9, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(form, 9)));
        PostClick(form, IDCANCEL);
      });
      // The address filter opens its own help file; every other form the type's topic.
      if (type != 56) {
        if (help.contexts.size() != before + 1 ||
            help.contexts.back() != static_cast<std::uintptr_t>(scribe::FindHelpID(row.HelpName))) {
          missed.push_back(name);
        }
      }
      Symbol* s = LookupSymbol(name.c_str(), type, &program.Symbols());
      ASSERT_NE(VariableStorage(*s), nullptr) << type;
      EXPECT_EQ(VariableStorage(*s)->Size(), static_cast<std::size_t>(GetBuiltinTypeSize(type))) << type;
    }
  });
  EXPECT_EQ(missed, std::vector<std::string>{});
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
  // Cancel keeps the new tone block with its start values.
  const ValueBlockData* tone = VariableStorage(*LookupSymbol("R54", 54, &program.Symbols()));
  EXPECT_EQ(tone->Bytes()[2] | tone->Bytes()[3] << 8, 0xF7FF);   // -2049
}

TEST_F(PickerCommandsTest, SetupDoneWritesTheVariablesRecordAndAConstantsFormIsReadOnly) {
  request.Allowed1 = 1u << 12;
  request.Allowed2 = 1u << (47 - 32);
  Var("Menu", 12)->Data.reset();
  Symbol* fixed = Var("Fixed", 47);
  fixed->IsConst = 1;
  RunPicker([&](HWND d) {
    Select(d, kPickList, "Menu ");
    Command(d, kPickSetup, [&](HWND form) {
      EXPECT_EQ(Text(form, 471), "3");   // the start value of a new block
      SetText(form, 471, "7");
      PostClick(form, IDOK);
    });
    Select(d, kPickList, "Fixed ");
    Command(d, kPickSetup, [&](HWND form) {
      EXPECT_EQ(Caption(form), "Setup RecordEdit Parameters / Fixed");
      EXPECT_FALSE(Enabled(form, IDOK));
      PostClick(form, IDCANCEL);
    });
  });
  const ValueBlockData* menu = VariableStorage(*LookupSymbol("Menu", 12, &program.Symbols()));
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->Bytes()[2], 7);
  EXPECT_EQ(menu->Bytes()[4], 3);
  EXPECT_EQ(VariableStorage(*fixed)->Size(), static_cast<std::size_t>(GetBuiltinTypeSize(47)));
}

}  // namespace
}  // namespace zeph
