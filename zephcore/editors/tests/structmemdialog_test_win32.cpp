// The structure member chooser under Wine, opened from the variable picker's "@" lines:
// the nested level of a structured member and the "@" refusal until its Done, and a
// record member of an array element set up in its form on storage made once.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "editordialogs_test_util.h"
#include "editors/win32/structmemdialog.h"
#include "forms/engine/formcodes.h"
#include "model/interface/variable_place.h"
#include "model/pbaccess_msgtext.h"
#include "model/structops.h"

namespace zeph {
namespace {

class StructMemTest : public test::EditorDialogsTest {
 protected:
  StructMemTest() {
    StructDef& address = Structure("Address", {{"Zip", kTypeInteger}, {"Town", kTypeInteger}});
    StructDef& caller = Structure("Caller", {{"Count", kTypeInteger}, {"Menu", 12}, {"Home", address.TypeNum}});
    callerType = caller.TypeNum;
    zip = FindMemberByName(&address, "Zip")->ElemNum;
    home = FindMemberByName(&caller, "Home")->ElemNum;
    request.Allowed1 = (1u << kTypeInteger) | (1u << 12);
  }
  StructDef& Structure(const char* name, std::initializer_list<std::pair<const char*, int>> members) {
    StructDef* def = NewStructureDef(name, 0, 0, &program.Symbols());
    EXPECT_NE(def, nullptr);
    int n = 0;
    for (const auto& [member, type] : members) {
      StructMember* m = NewStructureMember(member, type, 1, def);
      InsertMemberAfter(n - 1, &def->FstMem, m);
      AddTypeToMask(def->Allowed1, def->Allowed2, type, &program.Symbols());
      ++n;
    }
    return *def;
  }
  // Does what `action` does to `dialog` and hands the dialog it opens to `inner`.
  static void Through(HWND dialog, const std::function<void()>& action, const DialogDriver::Step& inner) {
    bool ran = false;
    // The driver finds some dialog of the thread; the one opened is the active window that
    // the dialog owns.
    DialogDriver driver([&](HWND) {
      HWND nested = nullptr;
      ran = PumpUntil([&] {
        nested = ::GetActiveWindow();
        return nested != nullptr && ::GetWindow(nested, GW_OWNER) == dialog;
      });
      if (ran) inner(nested);
    });
    action();
    EXPECT_TRUE(ran);
  }
  static void DoubleClick(HWND dialog, int list) {
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(list, LBN_DBLCLK), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, list)));
  }
  static std::string Selected(HWND dialog, int list) {
    HWND box = ::GetDlgItem(dialog, list);
    const LRESULT at = ::SendMessageA(box, LB_GETCURSEL, 0, 0);
    if (at < 0) return "";
    char text[160] = {};
    ::SendMessageA(box, LB_GETTEXT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(text));
    return text;
  }
  void RunPicker(const DialogDriver::Step& step) {
    TVarPick picker(nullptr, kVarPickResource, request, 1, 0);
    Run(picker, [&](HWND d) {
      step(d);
      if (::IsWindow(d)) PostClick(d, IDCANCEL);
    });
  }

  PickRequest request;
  int callerType = 0;
  int zip = 0;
  int home = 0;
};

TEST_F(StructMemTest, ANestedMemberIsChosenThroughTheSecondLevel) {
  Symbol* rec = Var("Rec", callerType);
  int result = 0;
  {
    TVarPick picker(nullptr, kVarPickResource, request, 1, 0);
    result = Run(picker, [&](HWND d) {
      Select(d, kPickList, "@Rec ");
      Through(d, [&] { DoubleClick(d, kPickList); }, [&](HWND chooser) {
        EXPECT_EQ(Caption(chooser), "Choose StructMember / Rec");
        Select(chooser, kStructMemList, "@Home");
        ::SendMessageA(chooser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        EXPECT_NE(::IsWindow(chooser), FALSE);   // refused until the nested Done
        Through(chooser, [&] { DoubleClick(chooser, kStructMemList); }, [&](HWND nested) {
          EXPECT_EQ(Caption(nested), "Choose StructMember / Rec.Home");
          Select(nested, kStructMemList, "Zip");
          PostClick(nested, IDOK);
        });
      });
    });
  }
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(request.Chosen, rec);
  EXPECT_EQ(request.MemberNumber, home);
  EXPECT_EQ(request.Member2, zip);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{PBMessageText(kErrMemberReference)});
}

TEST_F(StructMemTest, ReopeningPreselectsTheNamedMember) {
  Symbol* rec = Var("Rec", callerType);
  request.Chosen = rec;
  request.MemberNumber = home;
  request.Member2 = zip;
  RunPicker([&](HWND d) {
    Through(d, [&] { DoubleClick(d, kPickList); }, [&](HWND chooser) {
      EXPECT_EQ(Selected(chooser, kStructMemList), "@Home");
      PostClick(chooser, IDCANCEL);
    });
  });
}

TEST_F(StructMemTest, ARecordMemberOfAnArrayElementIsSetUpInItsForm) {
  Symbol* lines = Var("Lines", callerType, 1, 3);
  ASSERT_EQ(VariableStorage(*lines), nullptr);
  request.WholeArray = 0;   // an element, not the whole array
  const StructDef* caller = FindStructureById(callerType, &program.Symbols());
  StructMember* menu = nullptr;
  const int menuOffset = GetMemberOffset(caller, "Menu", &menu, &program.Symbols());
  const int structSize = GetStructureSize(caller, &program.Symbols());
  const unsigned char* made = nullptr;
  RunPicker([&](HWND d) {
    Select(d, kPickList, "@Lines[");
    SetText(d, kPickIndexEdit, "2");
    Through(d, [&] { DoubleClick(d, kPickList); }, [&](HWND chooser) {
      Select(chooser, kStructMemList, "Menu");
      SaveWindowPicture(chooser, "dialog_mem");
      Through(chooser, [&] { Command(chooser, kStructMemSetup); }, [&](HWND form) {
        EXPECT_EQ(Caption(form), "Setup MenuParms / Lines[2].Menu");
        SetText(form, 471, "5");
        PostClick(form, IDOK);
      });
      ASSERT_NE(VariableStorage(*lines), nullptr);
      made = VariableStorage(*lines)->Bytes();
      Through(chooser, [&] { Command(chooser, kStructMemSetup); }, [&](HWND form) {
        EXPECT_EQ(Text(form, 471), "5");
        PostClick(form, IDCANCEL);
      });
      EXPECT_EQ(VariableStorage(*lines)->Bytes(), made);   // made once
      PostClick(chooser, IDCANCEL);
    });
  });
  const ValueBlockData* storage = VariableStorage(*lines);
  ASSERT_NE(storage, nullptr);
  EXPECT_EQ(storage->Size(), static_cast<std::size_t>(structSize * 3));
  EXPECT_EQ(storage->Bytes()[structSize + menuOffset + 2], 5);   // element 2 is the second
  EXPECT_EQ(storage->Bytes()[menuOffset + 2], 0);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
}

}  // namespace
}  // namespace zeph
