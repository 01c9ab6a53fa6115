// Copying VavurOrezos with what they use into the clipboard and pasting them: into an
// empty program, over equal symbols, through conflicts settled each way, onto another page
// of the same program. After each, use counts agree with a recount and the target saves
// and reloads to the same program.

#include <cstring>
#include <vector>

#include "clipboard_fixture.h"
#include "model/custompb.h"
#include "model/pbaccess.h"
#include "model/pbcat.h"
#include "model/pbentry_instance.h"
#include "model/pbfield_lookup.h"
#include "model/structops.h"
#include "model/superblk.h"
#include "model/symtable.h"
#include "model/varref.h"
#include "model/vsentence.h"

namespace zeph::test {
namespace {

TEST_F(ClipPaste, CopyingKeepsTheBlocksAndWhatTheyUseInTheClipboard) {
  auto source = CopiedSource();
  TProgram& held = clip->Program();
  // Mode 1 drops the page: "P1$Ask" is held as "Ask", and so is the page's local variable.
  for (const char* name : {"Ask", "Next", "Hook", "Call", "Rec", "Count", "Off", "Welcome", "Greeting", "Local"}) {
    EXPECT_NE(clip->FindSymbol(held, name), nullptr) << name;
    EXPECT_NE(clip->FindEntry(name), nullptr) << name;
  }
  EXPECT_EQ(clip->FindSymbol(held, "Outside"), nullptr);
  EXPECT_EQ(clip->FindEntry("Ask")->Dependent, 0);
  EXPECT_EQ(clip->FindEntry("Rec")->Dependent, 1);   // brought along by a slot
  EXPECT_EQ(clip->FindEntry("Welcome")->Kind, kClipSentence);
  EXPECT_EQ(clip->FindEntry("Ask")->Kind, kClipVavurOrezo);
  EXPECT_NE(clip->FindEntry("Outer"), nullptr);
  EXPECT_NE(clip->FindEntry("Inner"), nullptr);
  // The goto inside the copied set is bound; the one outside is empty, its bit cleared.
  EXPECT_EQ(SlotText(held, Block(held, "Ask"), layout.gotos[0]), "Next");
  EXPECT_EQ(Block(held, "Ask")->GotoMask & 1, 1);
  EXPECT_EQ(SlotText(held, Block(held, "Next"), layout.gotos[0]), "<empty>");
  EXPECT_EQ(Block(held, "Next")->GotoMask & 1, 0);
  EXPECT_EQ(RecountDifferences(held), "");
  EXPECT_EQ(RecountDifferences(*source), "");
  EXPECT_EQ(CustomPBFind(held.CustomVavurOrezos(), "MyCode")->RefCount, 1);
  EXPECT_EQ(CustomPBFind(held.CustomVavurOrezos(), "MyCode")->Code, "x = 1;");
}

TEST_F(ClipPaste, IntoAnEmptyProgramEverythingArrivesCountedOnce) {
  auto source = CopiedSource();
  auto target = NewProgram();
  Symbol* page = nullptr;
  ASSERT_EQ(target->AddNamedSymbol(&page, "Main", kTypeSuperBlock, 1, 1, 0, false, 0), 0);
  ASSERT_EQ(target->AddNamedSymbol(&page, "Billing", kTypeSuperBlock, 1, 1, 0, false, 1), 0);
  SBInterfaceTable(page, &target->Symbols()).AddEntry("Amount", kTypeInteger, 0, 0);
  target->SetCurrentPage(LookupSymbol("Main", kTypeSuperBlock, &target->Symbols()));
  ASSERT_EQ(PasteInto(*target), 0) << (clip->Messages().empty() ? "" : clip->Messages()[0]);

  PBInstance* ask = Block(*target, "Ask");
  ASSERT_NE(ask, nullptr);
  EXPECT_EQ(SlotText(*target, ask, layout.edits[0]), "Rec[1].In.Count");
  EXPECT_EQ(SlotText(*target, ask, layout.edits[1]), "Count[Off]");
  EXPECT_EQ(SlotText(*target, ask, layout.edits[2]), "Welcome");
  // A page's local variable pasted where names are unqualified is an ordinary variable.
  EXPECT_EQ(SlotText(*target, ask, layout.edits[3]), "Local");
  EXPECT_EQ(clip->FindSymbol(*target, "Local")->Scope, 0);
  EXPECT_EQ(SlotText(*target, ask, layout.gotos[0]), "Next");
  EXPECT_EQ(SlotText(*target, Block(*target, "Next"), layout.gotos[0]), "<empty>");
  const SymP* constant = Block(*target, "Next")->Area.FindSlot(layout.edits[0]);
  ASSERT_NE(constant, nullptr);
  EXPECT_STREQ(constant->ConstText(), "'a constant'");
  EXPECT_EQ(constant->ConstType, kTypeString);
  EXPECT_EQ(Block(*target, "Call")->Companion, "Billing");
  EXPECT_EQ(SlotText(*target, Block(*target, "Call"), SBSlotOffset(0)), "Off");
  EXPECT_EQ(Block(*target, "Hook")->Companion, "MyCode");
  EXPECT_EQ(CustomPBFind(target->CustomVavurOrezos(), "MyCode")->Code, "x = 1;");
  EXPECT_EQ(CustomPBFind(target->CustomVavurOrezos(), "MyCode")->RefCount, 1);
  EXPECT_EQ(target->VavurOrezoCount, 4);
  // The sentence came with its items, its constant and the structure member it names.
  Symbol* welcome = clip->FindSymbol(*target, "Welcome");
  ASSERT_NE(welcome, nullptr);
  ComponentDetail* item = (*SentenceComponents(welcome))->Detail;
  EXPECT_EQ(FormatVariableReference(item->Ref2, &target->Symbols()), "Rec[1].In.Count");
  EXPECT_EQ(item->Ref3.ConstPtr.size(), 4u);
  EXPECT_EQ(Uses(*target, "Rec"), 2);   // Ask and the sentence item
  EXPECT_EQ(Uses(*target, "Off"), 1);   // Call's argument; an array index is not counted
  ExpectSavesAndReloads(*target);
  // A paste does not empty the clipboard.
  EXPECT_GT(clip->GetCount(), 0);
}

TEST_F(ClipPaste, EqualSymbolsOfTheTargetAreReusedWithTheirCountsRaised) {
  auto source = CopiedSource();
  auto target = NewProgram();
  BuildShared(*target);
  const int structures = target->Symbols().Structures().NextId;
  const int recBefore = Uses(*target, "Rec");
  const int offBefore = Uses(*target, "Off");
  // Equal dependent symbols and structures are no conflicts; only the pasted blocks would be.
  std::vector<TClipInfo> conflicts;
  EXPECT_EQ(clip->FindNameConflicts(conflicts, *target), 0);
  ASSERT_EQ(PasteInto(*target), 0) << (clip->Messages().empty() ? "" : clip->Messages()[0]);
  EXPECT_EQ(target->Symbols().Structures().NextId, structures);
  EXPECT_EQ(Uses(*target, "Rec"), recBefore + 1);
  EXPECT_EQ(Uses(*target, "Off"), offBefore + 1);
  EXPECT_EQ(CustomPBFind(target->CustomVavurOrezos(), "MyCode")->RefCount, 1);
  ExpectSavesAndReloads(*target);
}

TEST_F(ClipPaste, AClashChangesNothingUntilItIsSettled) {
  auto source = CopiedSource();

  enum Decision { kRename, kUseExisting };
  struct Case {
    Decision decision;
    const char* expectedIndex;
    int offCanDelete;  // of the target's own "Off", which differs from the copied one
  } cases[] = {{kRename, "Count[Off2]", 0}, {kUseExisting, "Count[Off]", 0}};
  for (const Case& c : cases) {
    auto target = NewProgram();
    BuildShared(*target, kTypeInteger, c.offCanDelete);   // "Off" is another symbol there
    clip->FindEntry("Off")->SetNewName(nullptr);   // no decision from the case before
    clip->FindEntry("Off")->UseExisting = 0;
    const std::string before = Save(*target);
    ASSERT_EQ(PasteInto(*target), 1);
    EXPECT_EQ(Save(*target), before);
    ASSERT_FALSE(clip->Messages().empty());
    EXPECT_NE(clip->Messages()[0].find("Off"), std::string::npos);

    std::vector<TClipInfo> conflicts;
    ASSERT_EQ(clip->FindNameConflicts(conflicts, *target), 1);
    EXPECT_STREQ(conflicts[0].Name, "Off");
    TClipInfo* entry = clip->FindEntry("Off");
    if (c.decision == kRename) entry->SetNewName("Off2");
    else entry->UseExisting = 1;
    ASSERT_EQ(PasteInto(*target), 0) << (clip->Messages().empty() ? "" : clip->Messages()[0]);
    PBInstance* ask = Block(*target, "Ask");
    EXPECT_EQ(SlotText(*target, ask, layout.edits[1]), c.expectedIndex);
    ASSERT_NE(ask, nullptr);
    Symbol* led = ask->Area.FindSlot(layout.edits[1])->ArrayIndex->S;
    ASSERT_NE(led, nullptr);
    EXPECT_EQ(led, clip->FindSymbol(*target, c.decision == kRename ? "Off2" : "Off"));
    EXPECT_EQ(led->CanDelete, c.decision == kRename ? 1 : 0);
    ExpectSavesAndReloads(*target);
  }
}

TEST_F(ClipPaste, ADirectEntryMarkedDontCopyIsLeftOut) {
  auto source = CopiedSource();
  auto target = NewProgram();
  BuildShared(*target);
  ASSERT_NE(AddBlock(*target, layout.type, "Hook"), nullptr);   // not the Custom block
  ASSERT_EQ(PasteInto(*target), 1);
  std::vector<TClipInfo> conflicts;
  ASSERT_EQ(clip->FindNameConflicts(conflicts, *target), 1);
  clip->FindEntry("Hook")->DontCopy = 1;
  ASSERT_EQ(PasteInto(*target), 0);
  EXPECT_EQ(Block(*target, "Hook")->Type, layout.type);
  EXPECT_EQ(CustomPBFind(target->CustomVavurOrezos(), "MyCode")->RefCount, 0);
  EXPECT_NE(Block(*target, "Ask"), nullptr);
  ExpectSavesAndReloads(*target);
}

TEST_F(ClipPaste, OntoAnotherPageOfTheSameProgramNamesFollowThatPage) {
  auto source = CopiedSource();
  Symbol* page = nullptr;
  ASSERT_EQ(source->AddNamedSymbol(&page, "P2", kTypeSuperBlock, 1, 1, 0, false, 1), 0);
  source->SetCurrentPage(page);
  ASSERT_EQ(PasteInto(*source), 0) << (clip->Messages().empty() ? "" : clip->Messages()[0]);
  PBInstance* ask = Block(*source, "P2$Ask");
  ASSERT_NE(ask, nullptr);
  EXPECT_EQ(ask->Name, "P2$Ask");
  EXPECT_EQ(SlotText(*source, ask, layout.gotos[0]), "P2$Next");
  EXPECT_EQ(SlotText(*source, ask, layout.edits[3]), "P2$Local");
  EXPECT_EQ(clip->FindSymbol(*source, "P2$Local")->Scope, 1);
  // Globals are the program's own: reused, not doubled.
  EXPECT_EQ(SlotText(*source, ask, layout.edits[1]), "Count[Off]");
  EXPECT_EQ(CustomPBFind(source->CustomVavurOrezos(), "MyCode")->RefCount, 2);
  ExpectSavesAndReloads(*source);
}

TEST_F(ClipPaste, ACustomBlockWhoseCodeDiffersKeepsTheTargetsCode) {
  auto source = CopiedSource();
  auto target = NewProgram();
  BuildShared(*target);
  CustomPBFind(target->CustomVavurOrezos(), "MyCode")->Code = "y = 2;";
  ASSERT_EQ(PasteInto(*target), 0);
  EXPECT_EQ(CustomPBFind(target->CustomVavurOrezos(), "MyCode")->Code, "y = 2;");
  ASSERT_EQ(clip->Messages().size(), 1u);
  EXPECT_NE(clip->Messages()[0].find("MyCode"), std::string::npos);
}

TEST_F(ClipPaste, AMissingDependencyStopsThePasteBeforeAnythingChanges) {
  auto source = CopiedSource();
  auto target = NewProgram();
  BuildShared(*target, kTypeBoolean);
  clip->FindEntry("Off")->SetNewName("Off2");
  Symbol* held = clip->FindSymbol(clip->Program(), "Greeting");
  MarkSymbolDeleted(*held, clip->Program().Symbols());
  const std::string before = Save(*target);
  EXPECT_EQ(PasteInto(*target), 1);
  EXPECT_EQ(Save(*target), before);
}

TEST_F(ClipPaste, PagesNamesInMode1AndTheirTargets) {
  // "P1$Ask" is held as "Ask"; it takes the current page of a qualified target, and no page
  // in an unqualified one.
  auto source = CopiedSource();
  auto target = NewProgram();
  Symbol* sub = nullptr;
  ASSERT_EQ(target->AddNamedSymbol(&sub, "Sub", kTypeSuperBlock, 1, 1, 0, false, 1), 0);
  struct Case {
    Symbol* page;
    const char* expected;
  } cases[] = {{sub, "Sub$Ask"}, {nullptr, "Ask"}};
  for (const Case& c : cases) {
    target->SetCurrentPage(c.page);
    target->Symbols().NamesUnqualified = c.page == nullptr ? 1 : 0;
    std::string out;
    EXPECT_NE(clip->GetNewName("Ask", out, *target), nullptr);
    EXPECT_EQ(out, c.expected);
  }
  // A SuperBlock paste mode keeps VavurOrezo names off the page too.
  target->SetCurrentPage(sub);
  target->SuperBlockPasteMode = 1;
  EXPECT_EQ(clip->NewNameIn("Ask", *target), "Ask");
}

}  // namespace
}  // namespace zeph::test
