// The structures editor under Wine: the fields editor (types, adding, the warning asked
// once, delete, the empty-structure questions, storage rebuilt at Done) and the structure
// list (edit, delete, rename, paste of the wrong kind).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "editordialogs_test_util.h"
#include "editors/variables/clipcommands.h"
#include "editors/variables/resizevar.h"
#include "editors/win32/namedialog.h"
#include "editors/win32/structdialog.h"
#include "editors/win32/structeditdialog.h"
#include "model/interface/variable_place.h"
#include "model/structops.h"

namespace zeph {
namespace {

class StructDialogsTest : public test::EditorDialogsTest {
 protected:
  StructDef& Structure(const char* name, std::initializer_list<int> memberTypes) {
    StructDef* def = NewStructureDef(name, 0, 0, &program.Symbols());
    EXPECT_NE(def, nullptr);
    int n = 0;
    for (int type : memberTypes) {
      StructMember* m = NewStructureMember(("F" + std::to_string(++n)).c_str(), type, 1, def);
      InsertMemberAfter(n - 2, &def->FstMem, m);
    }
    return *def;
  }
  static int Count(HWND dialog, int id) {
    return static_cast<int>(::SendMessageA(::GetDlgItem(dialog, id), LB_GETCOUNT, 0, 0));
  }
  static void Click(HWND dialog, int id) { Command(dialog, id); }
};

TEST_F(StructDialogsTest, FieldsEditorAddsMembersAndFollowsTheType) {
  StructDef& def = Structure("Cust", {});
  bool keep = false;
  TStruct fields(nullptr, kStructResource, def, program, keep);
  EXPECT_EQ(Run(fields, [&](HWND d) {
    char caption[64] = {};
    ::GetWindowTextA(d, caption, sizeof caption);
    EXPECT_STREQ(caption, "Edit Structure Fields / Cust");
    EXPECT_FALSE(Enabled(d, kStructSize));
    Select(d, kStructTypes, "*STRING");
    EXPECT_TRUE(Enabled(d, kStructSize));
    EXPECT_EQ(Text(d, kStructSize), "64");
    SetText(d, kStructFieldName, "Name");
    SetText(d, kStructSize, "1001");
    Click(d, kStructAddAfter);
    EXPECT_EQ(Count(d, kStructFields), 0);
    SetText(d, kStructSize, "30");
    Click(d, kStructAddAfter);   // an empty structure: no warning, the member goes first
    EXPECT_EQ(Count(d, kStructFields), 1);
    EXPECT_EQ(Text(d, kStructFieldName), "");
    Select(d, kStructTypes, "integer");
    EXPECT_FALSE(Enabled(d, kStructSize));
    EXPECT_EQ(Text(d, kStructSize), "1");
    SetText(d, kStructFieldName, "Id");
    Select(d, kStructFields, "001");
    Click(d, kStructAddBefore);
    EXPECT_EQ(Count(d, kStructFields), 2);
    SaveWindowPicture(d, "dialog_struct");
    PostClick(d, IDOK);
  }), IDOK);
  EXPECT_TRUE(keep);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{kSizeRangeText});
  ASSERT_NE(def.FstMem, nullptr);
  EXPECT_STREQ(def.FstMem->Name, "Id");
  ASSERT_NE(def.FstMem->Next, nullptr);
  EXPECT_STREQ(def.FstMem->Next->Name, "Name");
  EXPECT_EQ(def.FstMem->Next->Size, 30);
}

TEST_F(StructDialogsTest, WarningIsAskedOnceAndYesCancels) {
  StructDef& def = Structure("Rec", {kTypeInteger});
  bool keep = false;
  TStruct fields(nullptr, kStructResource, def, program, keep);
  Run(fields, [&](HWND d) {
    Select(d, kStructTypes, "integer");
    SetText(d, kStructFieldName, "Extra");
    faults.presenter.Answer(IDYES);
    Click(d, kStructAddAfter);
    EXPECT_EQ(Count(d, kStructFields), 1);
    faults.presenter.Answer(IDNO);
    Click(d, kStructAddAfter);
    EXPECT_EQ(Count(d, kStructFields), 2);
    faults.presenter.Answer(IDCANCEL);   // the delete question, not the warning again
    Click(d, kStructDelete);
    EXPECT_EQ(Count(d, kStructFields), 2);
    PostClick(d, IDOK);
  });
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{kStructWarningText, kStructWarningText, "Delete Extra ?"}));
}

TEST_F(StructDialogsTest, DoneRebuildsTheStorageOfTheStructuresVariables) {
  StructDef& def = Structure("Pair", {kTypeInteger});
  Symbol* pair = nullptr;
  ASSERT_EQ(program.AddNamedSymbol(&pair, "P", def.TypeNum, 1, 1, 0, false), 0);
  const int before = GetStructureSize(&def, &program.Symbols());
  MakeVariableStorage(*pair, before).Bytes()[0] = 7;
  bool keep = false;
  TStruct fields(nullptr, kStructResource, def, program, keep);
  Run(fields, [&](HWND d) {
    Select(d, kStructTypes, "integer");
    SetText(d, kStructFieldName, "Second");
    faults.presenter.Answer(IDNO);
    Click(d, kStructAddAfter);
    PostClick(d, IDOK);
  });
  const int after = GetStructureSize(&def, &program.Symbols());
  ASSERT_GT(after, before);
  ASSERT_NE(VariableStorage(*pair), nullptr);
  EXPECT_EQ(static_cast<int>(VariableStorage(*pair)->Size()), after);
  EXPECT_EQ(VariableStorage(*pair)->Bytes()[0], 0);
}

TEST_F(StructDialogsTest, AnEmptyStructureAsksBeforeItIsDropped) {
  StructDef& def = Structure("Empty", {});
  bool keep = true;
  TStruct fields(nullptr, kStructResource, def, program, keep);
  EXPECT_EQ(Run(fields, [&](HWND d) {
    faults.presenter.Answer(IDNO);
    ::SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_NE(::IsWindow(d), FALSE);
    faults.presenter.Answer(IDYES);
    PostClick(d, IDOK);
  }), IDOK);
  EXPECT_FALSE(keep);
  ASSERT_EQ(BoxTexts().size(), 2u);
  EXPECT_EQ(BoxTexts()[0], "You can not have a structure which has no fields. Do you want to delete: Empty ?");
}

TEST_F(StructDialogsTest, ListEditsDeletesRenamesAndRefusesAVariablePaste) {
  Structure("Alpha", {kTypeInteger});
  Structure("Beta", {kTypeInteger});
  Symbol* number = Var("Number", kTypeInteger);
  ASSERT_TRUE(CopyVariable(TheClipboard(), *number, program));
  TStructEdit list(nullptr, kStructEditResource, program);
  Run(list, [&](HWND d) {
    EXPECT_EQ(Count(d, kStructList), 2);
    SaveWindowPicture(d, "dialog_structedit");
    Select(d, kStructList, "Beta");
    Command(d, kStructListEdit, [&](HWND fields) {
      char caption[64] = {};
      ::GetWindowTextA(fields, caption, sizeof caption);
      EXPECT_STREQ(caption, "Edit Structure Fields / Beta");
      PostClick(fields, IDOK);
    });
    Select(d, kStructList, "Beta");
    Command(d, kStructListRename, [&](HWND name) {
      SetText(name, kStructNameEdit, "Gamma");
      PostClick(name, IDOK);
    });
    Select(d, kStructList, "Gamma");
    faults.presenter.Answer(IDOK);
    Click(d, kStructListDelete);
    EXPECT_EQ(Count(d, kStructList), 1);
    Click(d, kStructListPaste);
    PostClick(d, IDOK);
  });
  EXPECT_EQ(FindStructureByName("Beta", &program.Symbols()), nullptr);
  EXPECT_EQ(FindStructureByName("Gamma", &program.Symbols()), nullptr);
  EXPECT_NE(FindStructureByName("Alpha", &program.Symbols()), nullptr);
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Delete Gamma ?", "The Last Cut/Copy Operation Was Not A Structure Defn!"}));
}

}  // namespace
}  // namespace zeph
