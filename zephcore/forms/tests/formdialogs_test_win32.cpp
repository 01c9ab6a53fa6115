// The form dialogs under Wine: goto positions, Ctrl+I, the rule-driven form's enabling,
// Cancel and OK, the whole-table form, a SuperBlock call's form, and the variable picker's
// double-click, index button, messages and closing.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "forms/engine/formcodes.h"
#include "forms/engine/formids.h"
#include "forms/engine/formlimits.h"
#include "forms/win32/assignforms.h"
#include "forms/win32/genform.h"
#include "forms/win32/grayform.h"
#include "forms/win32/varpick.h"
#include "forms_testutil.h"
#include "forms_win32_testutil.h"
#include "model/pbaccess.h"
#include "model/pbaccess_msgtext.h"
#include "model/pbfield_lookup.h"
#include "model/program/editform.h"
#include "model/superblk.h"

namespace zeph::test {
namespace {

class FormDialogsTest : public FormWindowFixture {
 protected:
  PBInstance& Add(int type, const char* name) {
    PBInstance* instance = program.AddVavurOrezo(type, name, "", nullptr);
    EXPECT_NE(instance, nullptr);
    return *instance;
  }
  // A call of the page "Billing", whose interface has two variables around an exit.
  PBInstance* AddBillingCall() {
    Symbol* page = nullptr;
    if (program.AddNamedSymbol(&page, "Billing", kTypeSuperBlock, 1, 1, 1, false) != 0) return nullptr;
    SBInterfaceTable(page).AddEntry("Amount", kTypeInteger, 0, 0);
    SBInterfaceTable(page).AddEntry("Done", -1, 0, 0);
    SBInterfaceTable(page).AddEntry("Customer", kTypeString, 20, 0);
    return program.AddVavurOrezo(-101, "CallBilling", "Billing", nullptr);
  }
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> out;
    for (const auto& b : faults.presenter.Boxes()) out.push_back(b.text);
    return out;
  }
};

TEST_F(FormDialogsTest, GotoPositionPutsTheGotosFrom625) {
  std::vector<PBFieldDef> entries = {Entry("First", scribe::kUIEdit, 3, kTypeInteger, 80),
                                     Entry("Second", scribe::kUIEdit, 3, kTypeInteger, 98),
                                     Entry("On Done", scribe::kUIEdit, 2, 0, 116),
                                     Entry("On Error", scribe::kUIEdit, 2, 0, 134)};
  entries[2].GotoStrs = "On Done";
  entries[3].GotoStrs = "On Error";
  for (int i = 2; i < 4; ++i) {
    entries[i].Allowed1 = 0;
    entries[i].Allowed2 = 4;
    entries[i].CanFieldBeBlank = 1;
  }
  entries.push_back(PBFieldDef());
  PBInstance instance;
  instance.Area.Slot(116)->SetConstText("NextBlock");
  TGenForm form(nullptr, "DIALOG_FAXCOVER", &instance, entries.data(), 4, 0, kSuperBlockGotoPosition);
  EXPECT_EQ(form.PickFieldOf(24), 2);
  EXPECT_EQ(form.PickFieldOf(25), 3);
  EXPECT_EQ(form.PickFieldOf(1), 1);
  Run(form, [&](HWND dialog) {
    EXPECT_EQ(Text(dialog, 501), "First");
    EXPECT_EQ(Text(dialog, 502), "Second");
    EXPECT_EQ(Text(dialog, 525), "On Done");
    EXPECT_EQ(Text(dialog, 526), "On Error");
    EXPECT_EQ(Text(dialog, 625), "NextBlock");
    EXPECT_TRUE(Enabled(dialog, 425));
    EXPECT_TRUE(Enabled(dialog, 426));
    SaveWindowPicture(dialog, "form_goto_position");
    PostClick(dialog, IDCANCEL);
  });
}

std::vector<std::pair<UINT, std::string>> g_owned;

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kMsgEditInfo) {
    g_owned.emplace_back(message, reinterpret_cast<const char*>(lParam));
    return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(FormDialogsTest, CtrlISendsTheEditsTextToTheOwner) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &OwnerProc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = "ZephFormOwner";
  ::RegisterClassA(&wc);
  HWND owner = ::CreateWindowA("ZephFormOwner", "designer", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               ::GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(owner, nullptr);
  TWindow ownerAlias(owner);
  g_owned.clear();
  PBInstance& block = Add(27, "Assign1");
  TGenForm form(&ownerAlias, "DIALOG_2_1", &block, GetFieldTable(27, &block), 3, 0);
  Run(form, [&](HWND dialog) {
    HWND edit = ::GetDlgItem(dialog, 601);
    ::SetWindowTextA(edit, "counter");
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    ::SendMessageA(edit, WM_KEYDOWN, 'I', 0);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    ::SendMessageA(edit, WM_KEYDOWN, 'I', 0);   // without Ctrl: nothing is sent
    PostClick(dialog, IDCANCEL);
  });
  ASSERT_EQ(g_owned.size(), 1u);
  EXPECT_EQ(g_owned[0].second, "counter");
  ::DestroyWindow(owner);
}

TEST_F(FormDialogsTest, RuleFormEnablingCancelAndOk) {
  // The announcement: the prompting radio group picks a voice file (edit 601) or a system
  // prompt (combo 851); each accepted key draws and requires its goto.
  PBInstance& block = Add(393, "Welcome");
  ASSERT_FALSE(block.OwnTable);
  const PBFieldDef* table = GetFieldTable(393, &block);
  // The counts the form registry passes, so the test follows the catalogue's rows.
  const FormCounts counts = CountFormEntries(table);
  {
    TGrayForm form(nullptr, "DIALOG_VB_ANNOUNCE", &block, table, counts.Edits, counts.Checks, counts.Combos);
    Run(form, [&](HWND dialog) {
      EXPECT_TRUE(Enabled(dialog, 601));
      EXPECT_FALSE(Enabled(dialog, 851));
      EXPECT_FALSE(Enabled(dialog, 604));   // "Menu Key (1-9)" until its key is accepted
      SaveWindowPicture(dialog, "form_rules_announcement");
      ::SendMessageA(::GetDlgItem(dialog, 702), BM_CLICK, 0, 0);
      EXPECT_FALSE(Enabled(dialog, 601));
      EXPECT_TRUE(Enabled(dialog, 851));
      ::SendMessageA(::GetDlgItem(dialog, 441), BM_CLICK, 0, 0);
      EXPECT_TRUE(Enabled(dialog, 604));
      PostClick(dialog, IDCANCEL);
    });
    EXPECT_TRUE(form.Rules().TableChanged());
  }
  EXPECT_FALSE(block.OwnTable);   // Cancel leaves the VavurOrezo's table as it was

  PBFieldAccessor(&block, 0, nullptr, 0, &t).SetEntryText("Accept Menu Keys (1-9)", "1");
  {
    TGrayForm form(nullptr, "DIALOG_VB_ANNOUNCE", &block, table, counts.Edits, counts.Checks, counts.Combos);
    Run(form, [&](HWND dialog) {
      EXPECT_TRUE(Enabled(dialog, 604));   // the loaded value decides the enabling
      SetText(dialog, 601, "hello");
      PostClick(dialog, IDOK);
    });
  }
  ASSERT_TRUE(block.OwnTable);   // OK gives the VavurOrezo a table of its own
  EXPECT_EQ(block.OwnTable->Entries()[3].CanFieldBeBlank, 0);
  EXPECT_EQ(GetPBType(393)->FieldTable[3].CanFieldBeBlank, table[3].CanFieldBeBlank);   // never the catalogue's
  std::string text;
  PBFieldAccessor(&block, 0, nullptr, 0, &t).GetEntryText(0, text);
  EXPECT_EQ(text, "'hello");
}

TEST_F(FormDialogsTest, RefusedValueKeepsTheFormOpenWithTheFieldFocused) {
  PBInstance& block = Add(137, "Add1");
  const PBType* slot = GetPBType(137);
  auto* form = static_cast<VavurOrezoForm*>(slot->FormFactory(nullptr, &block, slot));
  ASSERT_NE(form, nullptr);
  int step = 0;
  DialogDriver driver([&](HWND dialog) {
    SetText(dialog, 601, "'12x");
    PostClick(dialog, IDOK);
    step = 1;
    PumpUntil([&] { return !faults.presenter.Boxes().empty(); }, 2000);
    EXPECT_NE(::IsWindow(dialog), FALSE);
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(dialog, 601));
    SaveWindowPicture(dialog, "form_add");
    PostClick(dialog, IDCANCEL);
  });
  EXPECT_EQ(form->Execute(), IDCANCEL);
  delete form;
  ASSERT_FALSE(faults.presenter.Boxes().empty());
  EXPECT_EQ(faults.presenter.Boxes()[0].text, std::string(PBMessageText(-134)) + "\n Field: Add Number/Date Value: '12x");
}

TEST_F(FormDialogsTest, WholeTableSelections) {
  // The lock block: two radio groups of two buttons each, 701-702 and 703-704.
  PBInstance& block = Add(87, "Lock1");
  block.Area.SetWord(2, 7);   // a selection outside its group checks no button
  const PBFieldDef* table = GetFieldTable(87, &block);
  TWholeTab form(nullptr, "DIALOG_DDBLOCK", &block, table, 3, 0);
  Run(form, [&](HWND dialog) {
    EXPECT_EQ(::SendMessageA(::GetDlgItem(dialog, 703), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(::SendMessageA(::GetDlgItem(dialog, 704), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    SaveWindowPicture(dialog, "form_db_lock");
    ::SendMessageA(::GetDlgItem(dialog, 702), BM_CLICK, 0, 0);
    ::SendMessageA(::GetDlgItem(dialog, 704), BM_CLICK, 0, 0);
    SetText(dialog, 601, "");
    PostClick(dialog, IDOK);
  });
  std::int32_t first = 0, second = 0;
  PBFieldAccessor accessor(&block, 0, nullptr, 0, &t);
  accessor.GetEntry(3, &first);
  accessor.GetEntry(4, &second);
  EXPECT_EQ(first, 2);
  EXPECT_EQ(second, 2);
  EXPECT_EQ(block.Area.Word(2), 1);   // the second button of the second group
}

TEST_F(FormDialogsTest, SuperBlockCallShowsItsVariablesAndNoExits) {
  PBInstance* call = AddBillingCall();
  ASSERT_NE(call, nullptr);
  DialogDriver driver([&](HWND dialog) {
    EXPECT_EQ(Text(dialog, 501), "Amount");
    EXPECT_EQ(Text(dialog, 502), "Customer");
    EXPECT_EQ(Text(dialog, 503), "");
    EXPECT_EQ(Text(dialog, 525), "");
    SaveWindowPicture(dialog, "form_superblock_call");
    PostClick(dialog, IDCANCEL);
  });
  EXPECT_EQ(program.EditVavurOrezo(call), 0);
  EXPECT_TRUE(driver.Ran());
}

TEST_F(FormDialogsTest, SuperBlockCallDoneStoresItsVariables) {
  InstallSuperBlockLookups();   // as the library does when it starts: a call's table is its page's
  AddVariable(t, "total", kTypeInteger);
  AddVariable(t, "buyer", kTypeString, 0, 20);
  PBInstance* call = AddBillingCall();
  ASSERT_NE(call, nullptr);
  DialogDriver driver([&](HWND dialog) {
    SetText(dialog, 601, "total");
    SetText(dialog, 602, "buyer");
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(program.EditVavurOrezo(call), 1);
  EXPECT_TRUE(driver.Ran());
  EXPECT_FALSE(driver.TimedOut());
  EXPECT_TRUE(faults.presenter.Boxes().empty());
  PBFieldAccessor accessor(call, 0, nullptr, 0, &t);
  std::string amount, customer;
  accessor.GetEntryText("Amount", amount);
  accessor.GetEntryText("Customer", customer);
  EXPECT_EQ(amount, "total");
  EXPECT_EQ(customer, "buyer");
  EXPECT_EQ(call->Complete, 1);
}

TEST_F(FormDialogsTest, BooleanAssignmentTakesAVariableOnly) {
  AddVariable(t, "flag", kTypeBoolean);
  AddVariable(t, "small", kTypeSmallInteger);
  PBInstance& block = Add(27, "SetFlag");
  TAssign form(nullptr, "DIALOG_2_1", &block, GetFieldTable(27, &block), 3, 0);
  Run(form, [&](HWND dialog) {
    SetText(dialog, 601, "flag");
    form.UpdateSecondField();   // as leaving the target's edit does
    EXPECT_TRUE(form.BooleanTarget());
    SetText(dialog, 602, "'1");
    SaveWindowPicture(dialog, "form_assign");
    PostClick(dialog, IDOK);
    PumpUntil([&] { return !faults.presenter.Boxes().empty(); }, 2000);
    SetText(dialog, 602, "small");
    PostClick(dialog, IDOK);
  });
  ASSERT_EQ(BoxTexts().size(), 1u);
  EXPECT_EQ(BoxTexts()[0], std::string(PBMessageText(-144)) + "\n Field: The Value of Value: '1");
  std::string source;
  PBFieldAccessor(&block, 0, nullptr, 0, &t).GetEntryText(1, source);
  EXPECT_EQ(source, "small");
}

class PickerDialogTest : public FormDialogsTest {
 protected:
  PickerDialogTest() {
    list = AddVariable(t, "list", kTypeInteger, 5, 2);
    count = AddVariable(t, "count", kTypeInteger);
    request.Allowed1 = 0x3E;
  }
  Symbol* list;
  Symbol* count;
  PickRequest request;
};

TEST_F(PickerDialogTest, ListsPreselectsAndConfirmsTheWholeArray) {
  request.Chosen = list;
  TVarPick picker(nullptr, kIndexPickResource, request, 0, 3);
  picker.SetProgram(&t);
  EXPECT_EQ(Run(picker, [&](HWND dialog) {
    HWND box = ::GetDlgItem(dialog, kPickList);
    // The program's own system variables are listed beside ours.
    EXPECT_GE(::SendMessageA(box, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("list[5] \t\t")), 0);
    EXPECT_GE(::SendMessageA(box, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("count \t\t")), 0);
    char selected[64] = {};
    ::SendMessageA(box, LB_GETTEXT, ::SendMessageA(box, LB_GETCURSEL, 0, 0), reinterpret_cast<LPARAM>(selected));
    EXPECT_STREQ(selected, "list[5] \t\t");
    EXPECT_EQ(Text(dialog, kPickName), "list");
    EXPECT_EQ(Text(dialog, kPickScope), "Global");
    EXPECT_EQ(::SendMessageA(::GetDlgItem(dialog, kPickWholeArray), BM_GETCHECK, 0, 0), BST_CHECKED);
    SaveWindowPicture(dialog, "picker_index");
    PostClick(dialog, IDOK);
  }), IDOK);
  EXPECT_EQ(request.Chosen, list);
  EXPECT_EQ(request.Index, nullptr);
}

TEST_F(PickerDialogTest, DoneMessages) {
  struct Case {
    const char* what;
    std::function<void(HWND)> act;
    const char* message;
  };
  // An empty request lists nothing: Done asks for a variable.
  PickRequest nothing;
  {
    TVarPick picker(nullptr, kVarPickResource, nothing, 0, 3);
    picker.SetProgram(&t);
    Run(picker, [&](HWND dialog) {
      PostClick(dialog, IDOK);
      PumpUntil([&] { return !faults.presenter.Boxes().empty(); }, 2000);
      SaveWindowPicture(dialog, "picker_var");
      PostClick(dialog, IDCANCEL);
    });
  }
  ASSERT_EQ(BoxTexts().size(), 1u);
  EXPECT_EQ(BoxTexts()[0], PBMessageText(kErrSelectVariable));
  faults.presenter.Clear();

  // The array with "Whole Array" unchecked and no index is refused.
  request.Chosen = list;
  request.WholeArray = 0;   // both elements and whole arrays
  {
    TVarPick picker(nullptr, kIndexPickResource, request, 0, 3);
    picker.SetProgram(&t);
    Run(picker, [&](HWND dialog) {
      ::SendMessageA(::GetDlgItem(dialog, kPickWholeArray), BM_SETCHECK, BST_UNCHECKED, 0);
      SetText(dialog, kPickIndexEdit, "9");
      PostClick(dialog, IDOK);
      PumpUntil([&] { return !faults.presenter.Boxes().empty(); }, 2000);
      SetText(dialog, kPickIndexEdit, "5");   // the element count: the last element
      PostClick(dialog, IDOK);
    });
  }
  ASSERT_EQ(BoxTexts().size(), 1u);
  EXPECT_EQ(BoxTexts()[0], PBMessageText(kErrInvalidArrayIndex));
  ASSERT_NE(request.Index, nullptr);
  EXPECT_EQ(PickIndexText(request, &t), "5");
}

// Double-clicks the list line that starts with `prefix` as the mouse does.
void DoubleClickLine(HWND dialog, const char* prefix) {
  HWND box = ::GetDlgItem(dialog, kPickList);
  const LRESULT at = ::SendMessageA(box, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(prefix));
  ASSERT_GE(at, 0) << prefix;
  RECT item{};
  ::SendMessageA(box, LB_GETITEMRECT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&item));
  const LPARAM point = MAKELPARAM(item.left + 4, (item.top + item.bottom) / 2);
  ::SendMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, point);
  ::SendMessageA(box, WM_LBUTTONUP, 0, point);
  ::SendMessageA(box, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
  ::SendMessageA(box, WM_LBUTTONUP, 0, point);
}

TEST_F(PickerDialogTest, DoubleClickOnALineIsDone) {
  // With both elements and whole arrays allowed, an array the user selects is unchecked
  // and needs an index: double-clicking it without one is refused like Done.
  struct Case {
    const char* line;
    int result;
    Symbol* chosen;
    const char* message;
  };
  const Case cases[] = {
      {"count ", IDOK, count, nullptr},
      {"list[5] ", IDCANCEL, nullptr, PBMessageText(kErrInvalidArrayIndex)},
  };
  for (const Case& c : cases) {
    faults.presenter.Clear();
    PickRequest pick;
    pick.Allowed1 = request.Allowed1;
    TVarPick picker(nullptr, kVarPickResource, pick, 0, 3);
    picker.SetProgram(&t);
    EXPECT_EQ(Run(picker, [&](HWND dialog) {
      DoubleClickLine(dialog, c.line);
      if (c.result == IDCANCEL) {
        EXPECT_NE(::IsWindow(dialog), FALSE) << c.line;
        PostClick(dialog, IDCANCEL);
      }
    }), c.result) << c.line;
    if (c.result == IDOK) EXPECT_EQ(pick.Chosen, c.chosen) << c.line;
    EXPECT_EQ(pick.Index, nullptr) << c.line;
    ASSERT_EQ(BoxTexts().size(), c.message != nullptr ? 1u : 0u) << c.line;
    if (c.message != nullptr) EXPECT_EQ(BoxTexts()[0], c.message);
  }
}

TEST_F(PickerDialogTest, IndexButtonPicksTheIndexVariable) {
  TVarPick picker(nullptr, kVarPickResource, request, 0, 3);
  picker.SetProgram(&t);
  bool innerRan = false;
  EXPECT_EQ(Run(picker, [&](HWND dialog) {
    HWND box = ::GetDlgItem(dialog, kPickList);
    const LRESULT at = ::SendMessageA(box, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("list[5] "));
    ASSERT_GE(at, 0);
    ::SendMessageA(box, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kPickList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
    ASSERT_TRUE(Enabled(dialog, kPickIndexButton));
    DialogDriver inner([&](HWND shown) {
      HWND index = shown;
      if (index == dialog) PumpUntil([&] { index = ::GetActiveWindow(); return index != dialog && index != nullptr; });
      innerRan = index != dialog;
      HWND indexBox = ::GetDlgItem(index, kPickList);
      const LRESULT line = ::SendMessageA(indexBox, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("count "));
      EXPECT_GE(line, 0);
      // An index is never an array: the index picker lists no "list" line.
      EXPECT_LT(::SendMessageA(indexBox, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("list")), 0);
      ::SendMessageA(indexBox, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
      ::SendMessageA(index, WM_COMMAND, MAKEWPARAM(kPickList, LBN_SELCHANGE), reinterpret_cast<LPARAM>(indexBox));
      PostClick(index, IDOK);
    });
    ::SendMessageA(::GetDlgItem(dialog, kPickIndexButton), BM_CLICK, 0, 0);
    EXPECT_TRUE(inner.Ran());
    EXPECT_EQ(Text(dialog, kPickIndexEdit), "count");
    PostClick(dialog, IDOK);
  }), IDOK);
  EXPECT_TRUE(innerRan);
  EXPECT_EQ(request.Chosen, list);
  ASSERT_NE(request.Index, nullptr);
  EXPECT_EQ(PickIndexText(request, &t), "count");
  EXPECT_TRUE(faults.presenter.Boxes().empty());
}

TEST_F(PickerDialogTest, Message2032ClosesTheOpenPicker) {
  PBInstance& block = Add(27, "Assign2");
  TGenForm form(nullptr, "DIALOG_2_1", &block, GetFieldTable(27, &block), 3, 0);
  bool pickerSeen = false;
  Run(form, [&](HWND dialog) {
    SetText(dialog, 601, "count");
    // The picker runs inside the click; the form's 2032 ends it with Done.
    ::PostMessageA(dialog, kMsgClosePicker, 1, 0);
    ::SendMessageA(::GetDlgItem(dialog, 401), BM_CLICK, 0, 0);
    pickerSeen = true;
    EXPECT_EQ(form.OpenPicker(), nullptr);
    EXPECT_EQ(Text(dialog, 601), "count");
    PostClick(dialog, IDCANCEL);
  });
  EXPECT_TRUE(pickerSeen);
}

}  // namespace
}  // namespace zeph::test
