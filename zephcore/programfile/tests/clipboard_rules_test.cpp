// The clipboard's rules apart from whole pastes: when two symbols are equal, which
// sentences clash by their numbers, interface tables that fill up, the Verification Block
// a block refers to.

#include <functional>

#include "clipboard_fixture.h"
#include "model/interface/vlx.h"

namespace zeph::test {
namespace {

class ClipRules : public ClipPaste {};

TEST_F(ClipRules, SymbolEquality) {
  auto a = NewProgram();
  BuildShared(*a);
  SymbolTable& ta = a->Symbols();
  struct Case {
    const char* what;
    const char* name;
    std::function<void(Symbol&, SymbolTable&)> change;
    bool equal;
  } cases[] = {
      {"the same", "Count", [](Symbol&, SymbolTable&) {}, true},
      {"another size", "Greeting", [](Symbol& s, SymbolTable&) { s.Size = 21; }, false},
      {"another value", "Count",
       [](Symbol& s, SymbolTable&) { static_cast<ValueBlockData&>(*s.Data).Bytes()[0] = 1; }, false},
      {"not deletable", "Off", [](Symbol& s, SymbolTable&) { s.CanDelete = 0; }, false},
      {"not in code", "Off", [](Symbol& s, SymbolTable&) { s.NotInCode = 1; }, false},
      {"array of 1 against none", "Off", [](Symbol& s, SymbolTable&) { s.ArraySize = 1; }, true},
      {"array of 2 against none", "Off", [](Symbol& s, SymbolTable&) { s.ArraySize = 2; }, false},
      {"a data record on one side", "Off",
       [](Symbol& s, SymbolTable&) { s.Data = std::make_unique<ValueBlockData>(4); }, false},
      {"another sentence item", "Welcome",
       [](Symbol& s, SymbolTable&) { (*SentenceComponents(&s))->Detail->Flag2 = 0; }, false},
      {"another sentence text", "Welcome",
       [](Symbol& s, SymbolTable&) { (*SentenceComponents(&s))->Text = "other"; }, false},
      {"a member of its structure", "Rec",
       [](Symbol&, SymbolTable& t) { FindStructureByName("Inner", &t)->FstMem->Size = 2; }, false},
  };
  for (const Case& c : cases) {
    auto fresh = NewProgram();
    BuildShared(*fresh);
    SymbolTable& tf = fresh->Symbols();
    Symbol* mine = LookupSymbolByMask(c.name, AllTypesMask(), &ta);
    Symbol* theirs = LookupSymbolByMask(c.name, AllTypesMask(), &tf);
    ASSERT_TRUE(mine && theirs) << c.what;
    c.change(*theirs, tf);
    EXPECT_EQ(SymbolsEqual(mine, ta, theirs, tf, false), c.equal) << c.what;
  }
  // Invisible on both sides: equal whatever else differs; names only when asked.
  Symbol* count = LookupSymbol("Count", kTypeInteger, &ta);
  Symbol* off = LookupSymbol("Off", kTypeInteger, &ta);
  EXPECT_TRUE(SymbolsEqual(count, ta, off, ta, false) == false);
  count->Invisible = off->Invisible = 1;
  EXPECT_TRUE(SymbolsEqual(count, ta, off, ta, true));
  count->Invisible = off->Invisible = 0;
  auto other = NewProgram();
  BuildShared(*other);
  EXPECT_TRUE(SymbolsEqual(off, ta, LookupSymbol("Off", kTypeInteger, &other->Symbols()), other->Symbols(), true));
  EXPECT_FALSE(SymbolsEqual(off, ta, LookupSymbol("Count", kTypeInteger, &other->Symbols()), other->Symbols(), true));
}

TEST_F(ClipRules, ASentenceClashesByItsNumberUnderAnotherName) {
  auto source = NewProgram();
  BuildShared(*source);
  Symbol* welcome = LookupSymbol("Welcome", kTypeVoiceSentence, &source->Symbols());
  welcome->Scope = 7;
  (*SentenceComponents(welcome))->Id = 3;
  clip->Empty();
  clip->Mode = kClipVavurOrezos;
  ASSERT_EQ(clip->AddSymbol(welcome, "Welcome", *source), 0);
  EXPECT_EQ(clip->FindEntry("Welcome")->Dependent, 0);
  EXPECT_EQ(clip->FindEntry("Welcome")->ItemTag, 7);
  EXPECT_EQ(clip->FindEntry("Welcome")->ItemId, 3);

  struct Case {
    int scope;
    int id;
    int conflicts;
  } cases[] = {{7, 3, 1}, {7, 4, 0}, {6, 3, 0}};
  for (const Case& c : cases) {
    auto target = NewProgram();
    Symbol* hello = AddVariable(*target, "Hello", kTypeVoiceSentence);
    hello->Scope = static_cast<std::int16_t>(c.scope);
    auto data = std::make_unique<SentenceData>();
    data->First = NewSentenceComponent();
    data->First->Id = static_cast<std::int16_t>(c.id);
    hello->Data = std::move(data);
    std::vector<TClipInfo> conflicts;
    EXPECT_EQ(clip->FindNameConflicts(conflicts, *target), c.conflicts) << c.scope << "/" << c.id;
  }
}

TEST_F(ClipRules, InterfaceTablesThatFillUp) {
  auto source = NewProgram();
  BuildShared(*source);
  AddVariable(*source, "Sub$Arg", kTypeInteger, 1, 2);
  clip->Empty();
  clip->Mode = kClipVavurOrezos;
  // Held as "Arg"; directly copied (0) or brought along (1).
  for (int dependent : {1, 0}) {
    clip->Empty();
    clip->Mode = kClipVavurOrezos;
    ASSERT_EQ(clip->AddSymbol(clip->FindSymbol(*source, "Sub$Arg"), "Arg", *source, clip->Program(), dependent), 0);
    struct Case {
      int variables;
      int exits;
      bool pasted;
      int scope;
    } cases[] = {{kPasteInterfaceVariableLimit, 0, dependent == 1, 1},
                 {20, 20, false, 0},
                 {20, 19, true, 2}};
    for (const Case& c : cases) {
      auto target = NewProgram();
      Symbol* page = nullptr;
      ASSERT_EQ(target->AddNamedSymbol(&page, "Full", kTypeSuperBlock, 1, 1, 0, false, 1), 0);
      SBInterfaceTable table(page, &target->Symbols());
      for (int i = 0; i < c.variables; ++i) ASSERT_EQ(table.AddEntry(("V" + std::to_string(i)).c_str(), kTypeInteger, 0, 0), 0);
      for (int i = 0; i < c.exits; ++i) ASSERT_EQ(table.AddEntry(("X" + std::to_string(i)).c_str(), -1, 0, 0), 0);
      target->SetCurrentPage(page);
      const std::string before = Save(*target);
      const int rc = PasteInto(*target);
      EXPECT_EQ(rc == 0, c.pasted) << dependent << " " << c.variables << "+" << c.exits;
      if (!c.pasted) {
        EXPECT_EQ(Save(*target), before);
        continue;
      }
      Symbol* arg = clip->FindSymbol(*target, "Full$Arg");
      ASSERT_NE(arg, nullptr);
      // A full table leaves a brought-along variable an ordinary page variable.
      EXPECT_EQ(arg->Scope, c.scope);
      const PBFieldDef* entries = FindPageInterface("Full", &target->Symbols());
      bool listed = false;
      for (int i = 0; entries != nullptr && !entries[i].IsEnd(); ++i) listed |= std::string(entries[i].Name) == "Arg";
      EXPECT_EQ(listed, c.scope == 2);
    }
  }
}

TEST_F(ClipRules, AnInterfaceEntryTheTableRefusesLeavesAPageVariable) {
  auto target = NewProgram();
  Symbol* page = nullptr;
  ASSERT_EQ(target->AddNamedSymbol(&page, "Full", kTypeSuperBlock, 1, 1, 0, false, 1), 0);
  SBInterfaceTable table(page, &target->Symbols());
  for (int i = 0; i < 20; ++i) ASSERT_EQ(table.AddEntry(("V" + std::to_string(i)).c_str(), kTypeInteger, 0, 0), 0);
  for (int i = 0; i < 20; ++i) ASSERT_EQ(table.AddEntry(("X" + std::to_string(i)).c_str(), -1, 0, 0), 0);
  Symbol* arg = AddVariable(*target, "Full$Arg", kTypeInteger, 1, 2);
  target->Activate();
  clip->AddParmInfo("Full$Arg", kTypeInteger, 1);
  presenter.Clear();
  clip->UpdateParmsAfterPaste(0, 0);
  EXPECT_EQ(arg->Scope, 1);
  ASSERT_FALSE(clip->Messages().empty());
  EXPECT_NE(clip->Messages().back().find("Full$Arg"), std::string::npos);
  EXPECT_EQ(SBInterfaceTable(page, &target->Symbols()).CountVariableEntries(), 20);
}

TEST_F(ClipRules, AnImportedApplicationIsCountedOrLeftOutByItsNumber) {
  auto source = NewProgram();
  BuildShared(*source);
  Symbol* library = nullptr;
  ASSERT_EQ(source->AddNamedSymbol(&library, "LIB.7", kLibraryTreeSlot, 1, 1, 0, false), 0);
  ASSERT_NE(AddBlock(*source, 409, "Imp", "LIB.7"), nullptr);
  ASSERT_EQ(library->RefCnt, 1);
  source->Activate();
  clip->Empty();
  clip->Mode = kClipVavurOrezos;
  ASSERT_EQ(clip->CopyVavurOrezo(*source, "Imp"), 0);
  struct Case {
    int skipId;
    bool pasted;
  } cases[] = {{7, false}, {8, true}};
  for (const Case& c : cases) {
    auto target = NewProgram();
    Symbol* there = nullptr;
    ASSERT_EQ(target->AddNamedSymbol(&there, "LIB.7", kLibraryTreeSlot, 1, 1, 0, false), 0);
    TProgram::DisableSymbolPageCheck all(*target);
    ASSERT_EQ(clip->Paste(*target, c.skipId), 0);
    EXPECT_EQ(Block(*target, "Imp") != nullptr, c.pasted) << c.skipId;
    EXPECT_EQ(there->RefCnt, c.pasted ? 1 : 0) << c.skipId;
  }
}

TEST_F(ClipRules, TheVerificationBlockABlockRefersTo) {
  auto source = NewProgram();
  BuildShared(*source);
  BuildBlocks(*source);
  Symbol* verify = nullptr;
  ASSERT_EQ(source->AddNamedSymbol(&verify, "Check", kTypeVerificationBlock, 1, 1, 0, false, 1), 0);
  PBInstance* ask = Block(*source, "P1$Ask");
  std::string out;
  EXPECT_EQ(clip->FindSuperVerName(*ask, out), 0);
  SymP* slot = ask->Area.Slot(layout.edits[2]);
  UpdateReferenceCount(*slot, 0, &source->Symbols());
  slot->Clear();
  slot->S = verify;
  EXPECT_EQ(clip->FindSuperVerName(*ask, out), 1);
  EXPECT_EQ(out, "Check");
  // Through the export: the name is qualified with the current page.
  source->Activate();
  char buffer[kClipNameSize] = {};
  EXPECT_EQ(vlxCheckForSuperVerInCopy("Ask", buffer), 1);
  EXPECT_STREQ(buffer, "Check");
  EXPECT_EQ(vlxCheckForSuperVerInCopy("Nobody", buffer), 0);
  EXPECT_EQ(vlxCheckSuperVerBlockForConf("Nobody", buffer), 0);
}

}  // namespace
}  // namespace zeph::test
