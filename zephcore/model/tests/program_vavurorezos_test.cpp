// VavurOrezo instances of the application object: adding on a page, refusals that leave
// nothing behind, End Block exits, pending gotos, deletion, renaming, gotos and release.
#include <gtest/gtest.h>

#include "program_testutil.h"

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/kvscrpres.h"
#include "foundation/tests/fault_capture.h"
#include "model/datatypes.h"
#include "model/pbcat.h"
#include "model/pbentry.h"
#include "model/pbfield_lookup.h"
#include "model/program/editform.h"
#include "model/program/program.h"
#include "model/program/release.h"
#include "model/superblk.h"

namespace zeph {
namespace {

constexpr int kPause = 134;      // one goto, "Goto"
constexpr int kStart = 142;      // the Begin block
constexpr int kEndBlock = 181;


std::vector<unsigned> g_messages;
void RecordMessage(HWND, unsigned message, std::uintptr_t, std::intptr_t lParam, bool) {
  g_messages.push_back(message * 10 + static_cast<unsigned>(lParam));
}

class ProgramVavurOrezos : public ::testing::Test {
 protected:
  ProgramVavurOrezos() {
    TheCatalogue();
    SetDialogModuleLoader(&test::FakeDialogModule);
    SetWindowMessageSender(&RecordMessage);
    g_messages.clear();
    program = std::make_unique<TProgram>();
    main = Page("Main");
    billing = Page("Billing");
    program->SetCurrentPage(main);
  }
  ~ProgramVavurOrezos() override {
    program.reset();
    SetDialogModuleLoader(nullptr);
    SetWindowMessageSender(nullptr);
  }

  Symbol* Page(const char* name, int type = kTypeSuperBlock) {
    Symbol* page = nullptr;
    EXPECT_EQ(program->AddNamedSymbol(&page, name, type, 1, 1, 1, false), 0);
    return page;
  }
  PBInstance* Add(int type, const char* name, const char* companion = "") {
    return program->AddVavurOrezo(type, name, companion, &userError);
  }
  Symbol* Live(const char* stored) {
    TProgram::DisableSymbolPageCheck all(*program);
    Symbol* s = LookupSymbol(stored, kTypeVavurOrezo, &program->Symbols());
    return s != nullptr && !s->Deleted ? s : nullptr;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const auto& b : presenter.Boxes()) out.push_back(b.text);
    return out;
  }
  int Exits(Symbol* page) {
    int n = 0;
    for (const PBFieldDef* e = SBInterfaceTable(page).Table(); !e->IsEnd(); ++e) n += e->IsGoto() ? 1 : 0;
    return n;
  }

  KvScriptedPresenter presenter;
  KvScopedMessagePresenter scope{presenter};
  std::unique_ptr<TProgram> program;
  Symbol* main = nullptr;
  Symbol* billing = nullptr;
  int userError = 0;
};

TEST_F(ProgramVavurOrezos, NamesAreQualifiedOffMainAndEachAddIsCountedAndAnnounced) {
  PBInstance* start = Add(kStart, "Start");
  ASSERT_NE(start, nullptr);
  EXPECT_EQ(start->Name, "Start");
  program->SetCurrentPage(billing);
  PBInstance* other = Add(kStart, "Start");
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(other->Name, "Billing$Start");
  EXPECT_EQ(program->VavurOrezoCount, 2);
  EXPECT_EQ(g_messages, (std::vector<unsigned>{20291, 20291}));
  EXPECT_NE(Live("Billing$Start"), nullptr);
  EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(ProgramVavurOrezos, RefusalsShowTheirTextAndLeaveNothingBehind) {
  ASSERT_NE(Add(kStart, "Start"), nullptr);
  const int count = program->VavurOrezoCount;
  struct Case {
    int type;
    const char* name;
    const char* companion;
    const char* text;
    int userError;
  } cases[] = {
      {kStart, "Start", "", "The specified name is either invalid or currently in use.", 1},
      {kPause, "VMenu", "", "The name can not be used because it is a reserved word or system variable name", 1},
      {kPause, "1st", "", "The specified name is not valid.\nPlease reenter the name starting with a letter\nand containing only letters, numbers or the underscore character '_'.", 1},
      {kPause, "A23456789012345678901234567890123", "", "The variable name is too long (variables: 15, structure fields: 31)", 1},
      {kEndBlock, "Done", "", "End Block VavurOrezos may not be added to Main", 0},
      {247, "Back", "", "This vavurorezo may not be added to the Main page", 0},
      {kPBTypeCustom, "Custom1", "NoSuchCustom", "Internal Error #2, contact the technical support staff", 0},
      {409, "Imported", "NoSuchApp", "Internal Error #2, contact the technical support staff", 0},
      {9999, "Strange", "", "You must select a VavurOrezo type", 0},
  };
  for (const Case& c : cases) {
    presenter.Clear();
    userError = -1;
    EXPECT_EQ(Add(c.type, c.name, c.companion), nullptr) << c.name;
    EXPECT_EQ(userError, c.userError) << c.name;
    EXPECT_EQ(Texts(), std::vector<std::string>{c.text}) << c.name;
    if (std::string(c.name) != "Start") {
      EXPECT_EQ(Live(c.name), nullptr) << c.name;
    }
    EXPECT_EQ(program->VavurOrezoCount, count) << c.name;
  }
}

TEST_F(ProgramVavurOrezos, EndBlocksBecomeExitsUpToTheirPagesLimit) {
  program->SetCurrentPage(billing);
  for (int i = 0; i < 40; ++i) {
    const std::string name = "End" + std::to_string(i);
    ASSERT_NE(Add(kEndBlock, name.c_str()), nullptr) << i;
  }
  EXPECT_EQ(Exits(billing), 40);
  EXPECT_EQ(Add(kEndBlock, "OneTooMany"), nullptr);
  EXPECT_EQ(Texts(), std::vector<std::string>{"A maximum of 40 End Block VavurOrezos are allowed in a SuperBlock"});
  EXPECT_EQ(Live("Billing$OneTooMany"), nullptr);

  Symbol* check = Page("Check", kTypeVerificationBlock);
  program->SetCurrentPage(check);
  presenter.Clear();
  EXPECT_NE(Add(kEndBlock, "Success"), nullptr);
  EXPECT_NE(Add(kEndBlock, "Failure"), nullptr);
  EXPECT_EQ(Add(kEndBlock, "Maybe"), nullptr);
  EXPECT_EQ(Texts(), std::vector<std::string>{"End Block VavurOrezos may not be added or deleted on verify SuperBlock"});
  EXPECT_EQ(Exits(check), 2);
}

TEST_F(ProgramVavurOrezos, AGotoThatNamedAVavurOrezoToComeIsConnectedWhenItArrives) {
  program->SetCurrentPage(billing);
  PBInstance* first = Add(kPause, "First");
  ASSERT_NE(first, nullptr);
  ASSERT_EQ(program->ConnectGoto(first, "Billing$Next", 0), 1);
  PBInstance* next = Add(kPause, "Next");
  ASSERT_NE(next, nullptr);
  Symbol* nextSymbol = Live("Billing$Next");
  ASSERT_NE(nextSymbol, nullptr);
  EXPECT_EQ(nextSymbol->RefCnt, 1);

  EXPECT_EQ(program->DeleteVavurOrezo(next), 0);   // the goto to it is let go
  EXPECT_EQ(Live("Billing$Next"), nullptr);
  EXPECT_EQ(program->VavurOrezoCount, 1);
  EXPECT_EQ(program->DisconnectGoto(first, "Goto"), 1);
  EXPECT_EQ(program->DisconnectGoto(first, "NoSuchExit"), 0);
  EXPECT_EQ(program->ConnectGoto(first, "Elsewhere", 5), 0);   // no sixth goto
}

TEST_F(ProgramVavurOrezos, ManyGotosToVavurOrezosToComeAreLinkedWithoutVisitingEveryVavurOrezoEachTime) {
  // A chain built front to back: each block's goto names the next before it exists.
  constexpr int kCount = 300;
  std::vector<PBInstance*> chain;
  for (int i = 0; i < kCount; ++i) {
    PBInstance* block = Add(kPause, ("B" + std::to_string(i)).c_str());
    ASSERT_NE(block, nullptr);
    ASSERT_EQ(program->ConnectGoto(block, ("B" + std::to_string(i + 1)).c_str(), 0), 1);
    chain.push_back(block);
  }
  EXPECT_LE(program->PendingGotos().Builds(), 2);
  // A goto set past the program (straight on the instance) is still seen by the next add.
  PBInstance* side = Add(kPause, "Side");
  ASSERT_NE(side, nullptr);
  ASSERT_NE(PBEntrySetGoto("Late", 0, *side, &program->Symbols()), -1);
  ASSERT_NE(Add(kPause, "Late"), nullptr);
  ASSERT_NE(Add(kPause, ("B" + std::to_string(kCount)).c_str()), nullptr);
  // A waiting block renamed before its target arrives is found under its new name.
  PBInstance* renamed = Add(kPause, "Before");
  ASSERT_NE(renamed, nullptr);
  ASSERT_EQ(program->ConnectGoto(renamed, "Later", 0), 1);
  ASSERT_EQ(program->RenameVavurOrezo(renamed, "After"), 0);
  ASSERT_NE(Add(kPause, "Later"), nullptr);

  const PBFieldDef* gotoField = nullptr;
  for (const PBFieldDef* f = GetFieldTable(kPause, chain[0]); !f->IsEnd(); ++f) {
    if (f->IsGoto()) gotoField = f;
  }
  ASSERT_NE(gotoField, nullptr);
  auto leadsTo = [&](PBInstance* from, const std::string& name) {
    const SymP* slot = from->Area.Slot(gotoField->FieldOffset);
    Symbol* target = Live(name.c_str());
    return slot != nullptr && target != nullptr && slot->S == target && target->RefCnt == 1;
  };
  for (int i = 0; i < kCount; ++i) EXPECT_TRUE(leadsTo(chain[i], "B" + std::to_string(i + 1))) << i;
  EXPECT_TRUE(leadsTo(side, "Late"));
  EXPECT_TRUE(leadsTo(renamed, "Later"));
}

TEST_F(ProgramVavurOrezos, DeletingAnEndBlockRemovesItsExit) {
  program->SetCurrentPage(billing);
  PBInstance* done = Add(kEndBlock, "Done");
  ASSERT_NE(done, nullptr);
  EXPECT_EQ(done->Companion, "Done");
  EXPECT_EQ(Exits(billing), 1);
  EXPECT_EQ(program->DeleteVavurOrezo(done), 0);
  EXPECT_EQ(Exits(billing), 0);
  EXPECT_EQ(program->VavurOrezoCount, 0);
}

TEST_F(ProgramVavurOrezos, RenamingKeepsTheVavurOrezoOnItsPageWithItsExit) {
  program->SetCurrentPage(billing);
  PBInstance* done = Add(kEndBlock, "Done");
  PBInstance* other = Add(kEndBlock, "Other");
  ASSERT_NE(done, nullptr);
  ASSERT_NE(other, nullptr);
  program->SetCurrentPage(main);   // renamed from another page: it stays on Billing
  EXPECT_EQ(program->RenameVavurOrezo(done, "Finished"), 0);
  EXPECT_EQ(done->Name, "Billing$Finished");
  EXPECT_EQ(done->Companion, "Finished");
  EXPECT_NE(Live("Billing$Finished"), nullptr);
  // An exit of that name exists already: the rename is undone, nothing changes.
  ASSERT_NE(Add(kPause, "Spare"), nullptr);
  program->SetCurrentPage(billing);
  SymbolTable& t = program->Symbols();
  Symbol* page = billing;
  SBInterfaceTable(page, &t).AddEntry("Taken", -1, 0, 0);
  presenter.Clear();
  EXPECT_NE(program->RenameVavurOrezo(other, "Taken"), 0);
  EXPECT_EQ(other->Name, "Billing$Other");
  EXPECT_NE(Live("Billing$Other"), nullptr);
  EXPECT_EQ(Live("Billing$Taken"), nullptr);
  EXPECT_EQ(presenter.Boxes().size(), 1u);
  EXPECT_EQ(program->RenameVavurOrezo(other, "VMenu"), kErrReservedName);
}

TEST_F(ProgramVavurOrezos, CustomVavurOrezosAreCountedInTheirOwnProgram) {
  ASSERT_EQ(CustomPBAdd(program->CustomVavurOrezos(), "Mine"), 0);
  PBInstance* custom = Add(kPBTypeCustom, "UseMine", "Mine");
  ASSERT_NE(custom, nullptr);
  EXPECT_EQ(CustomPBFind(program->CustomVavurOrezos(), "Mine")->RefCount, 1);
  TProgram other;   // now the active Custom list is another program's
  EXPECT_EQ(program->DeleteVavurOrezo(custom), 0);
  EXPECT_EQ(CustomPBFind(program->CustomVavurOrezos(), "Mine")->RefCount, 0);
}

// A catalogue type's extra hook hears a delete (mode 1) and a rename (mode 2, the new name).
std::vector<std::string> g_hookCalls;
int RecordHook(PBInstance* instance, int mode, const char* newName) {
  g_hookCalls.push_back(instance->Name + ":" + std::to_string(mode) + ":" + (newName ? newName : "-"));
  return 0;
}

TEST_F(ProgramVavurOrezos, TheTypesExtraHookHearsRenameAndDelete) {
  PBType* slot = TheCatalogue().Slot(kPause);
  PBExtraHook saved = slot->ExtraHook;
  slot->ExtraHook = &RecordHook;
  g_hookCalls.clear();
  PBInstance* wait = Add(kPause, "Wait");
  ASSERT_NE(wait, nullptr);
  EXPECT_EQ(program->RenameVavurOrezo(wait, "Hold"), 0);
  EXPECT_EQ(program->DeleteVavurOrezo(wait), 0);
  slot->ExtraHook = saved;
  EXPECT_EQ(g_hookCalls, (std::vector<std::string>{"Wait:2:Hold", "Hold:1:-"}));
}

// Forms are made by the maker registered for the dialog kind; the test's maker records the
// request and answers as told.
VavurOrezoFormRequest g_request;
int g_answer = 1;
struct ScriptedForm : VavurOrezoForm {
  int Execute() override { return g_answer; }
};
std::unique_ptr<VavurOrezoForm> MakeScripted(const VavurOrezoFormRequest& request) {
  g_request = request;
  return std::make_unique<ScriptedForm>();
}

TEST_F(ProgramVavurOrezos, PropertyFormsGetTheirTableCaptionAndHelp) {
  for (int kind = 1; kind <= 4; ++kind) SetVavurOrezoFormMaker(kind, &MakeScripted);
  // A SuperBlock call edits the page's variables; its exits are skipped.
  SBInterfaceTable(billing).AddEntry("Amount", kTypeInteger, 0, 0);
  SBInterfaceTable(billing).AddEntry("Done", -1, 0, 0);
  PBInstance* call = Add(-101, "CallBilling", "Billing");
  ASSERT_NE(call, nullptr);
  g_messages.clear();
  g_answer = 1;
  EXPECT_EQ(program->EditVavurOrezo(call), 1);
  EXPECT_STREQ(g_request.Resource, "IDD_BLK_SUPERBLOCK");
  EXPECT_EQ(g_request.Caption, "Billing / CallBilling");
  EXPECT_EQ(g_request.HelpKey, "SuperBlock");
  ASSERT_NE(g_request.Table, nullptr);   // (the request's table lived for the form's run)
  EXPECT_EQ(g_messages, std::vector<unsigned>{20291});

  ASSERT_EQ(CustomPBAdd(program->CustomVavurOrezos(), "Mine"), 0);
  PBInstance* custom = Add(kPBTypeCustom, "UseMine", "Mine");
  g_answer = 2;   // cancelled: nothing is announced
  g_messages.clear();
  EXPECT_EQ(program->EditVavurOrezo(custom), 0);
  EXPECT_STREQ(g_request.Resource, "DIALOG_0_1");
  EXPECT_STREQ(g_request.Table[0].Name, "Goto");
  EXPECT_TRUE(g_messages.empty());

  PBInstance* pause = Add(kPause, "Wait");
  g_answer = 1;
  EXPECT_EQ(program->EditVavurOrezo(pause), 1);
  EXPECT_EQ(g_request.Caption, "Pause / Wait");
  EXPECT_EQ(g_request.HelpKey, "Pause");
  EXPECT_STREQ(g_request.Resource, "DIALOG_1_1");
  EXPECT_EQ(g_request.DialogKind, 1);
  for (int kind = 1; kind <= 4; ++kind) SetVavurOrezoFormMaker(kind, nullptr);
  EXPECT_EQ(program->EditVavurOrezo(pause), 0);   // no form can be made
}

// The call table is the page's, with every exit marked to be skipped.
TEST_F(ProgramVavurOrezos, ASuperBlockCallsFormSkipsTheExits) {
  SetVavurOrezoFormMaker(1, [](const VavurOrezoFormRequest& request) -> std::unique_ptr<VavurOrezoForm> {
    std::string seen;
    for (const PBFieldDef* e = request.Table; !e->IsEnd(); ++e) seen += std::string(e->Name) + (e->SkipMe ? "-" : "+");
    g_request.Caption = seen;
    return std::make_unique<ScriptedForm>();
  });
  SBInterfaceTable(billing).AddEntry("Amount", kTypeInteger, 0, 0);
  SBInterfaceTable(billing).AddEntry("Done", -1, 0, 0);
  PBInstance* call = Add(-101, "CallBilling", "Billing");
  g_answer = 2;
  program->EditVavurOrezo(call);
  EXPECT_EQ(g_request.Caption, "Amount+Done-");
  SetVavurOrezoFormMaker(1, nullptr);
}

// An Imported Application counts a use of the symbol it names while it lives.
TEST_F(ProgramVavurOrezos, AnImportedApplicationCountsItsSymbol) {
  Symbol* library = nullptr;
  ASSERT_EQ(program->AddNamedSymbol(&library, "SALES.RLL", kLibraryTreeSlot, 1, 1, 0, false), 0);
  PBInstance* imported = Add(409, "Sales", "SALES.RLL");
  ASSERT_NE(imported, nullptr);
  EXPECT_EQ(imported->Companion, "SALES.RLL");
  EXPECT_EQ(library->RefCnt, 1);
  EXPECT_EQ(program->DeleteVavurOrezo(imported), 0);
  EXPECT_EQ(library->RefCnt, 0);
}

// Without a field table a release still deletes the VavurOrezo and lowers the count; a null
// instance is a reported precondition with the neutral result.
TEST_F(ProgramVavurOrezos, ReleaseWithoutATableAndNullInstances) {
  PBInstance* wait = Add(kPause, "Wait");
  ASSERT_NE(wait, nullptr);
  Symbol* symbol = Live("Wait");
  EXPECT_EQ(PBEntryReleaseFieldRefs(*wait, nullptr, program.get()), 0);
  EXPECT_EQ(symbol->Deleted, 1);
  EXPECT_EQ(program->VavurOrezoCount, 0);

  FaultCapture faults;
  EXPECT_EQ(program->DeleteVavurOrezo(nullptr), 0);
  EXPECT_EQ(program->EditVavurOrezo(nullptr), 0);
  EXPECT_EQ(program->ConnectGoto(nullptr, "X", 0), 0);
  EXPECT_EQ(faults.Assertions().size(), 3u);
}

// While its program is being emptied, a released VavurOrezo leaves the others' gotos alone.
TEST_F(ProgramVavurOrezos, ReleaseWhileEmptyingLeavesGotosAlone) {
  PBInstance* a = Add(kPause, "A");
  PBInstance* b = Add(kPause, "B");
  ASSERT_EQ(program->ConnectGoto(a, "B", 0), 1);
  Symbol* bSymbol = Live("B");
  ASSERT_EQ(bSymbol->RefCnt, 1);
  program->Emptying = 1;
  program->Symbols().SymbolPageCheck = 0;
  EXPECT_EQ(PBEntryReleaseRefs(*b, program.get()), 0);
  EXPECT_EQ(bSymbol->Deleted, 1);
  EXPECT_EQ(bSymbol->RefCnt, 1);   // a's goto was not touched
  EXPECT_EQ(program->Symbols().SymbolPageCheck, 0);   // the flag it found
  program->Emptying = 0;
  program->Symbols().SymbolPageCheck = 1;
}

}  // namespace
}  // namespace zeph
