// A whole SuperBlock page through the clipboard: its interface variables, its blocks and
// its End Blocks, pasted under its own name or a new one; and interface tables that
// cannot take what a paste brings.

#include "clipboard_fixture.h"

namespace zeph::test {
namespace {

class ClipPages : public ClipPaste {
 protected:
  // Page "Sub" with the interface variable Arg, a block Ask that uses it and leads to the
  // End Block Done.
  void BuildPage(TProgram& p) {
    SymbolTable& t = p.Symbols();
    p.Activate();
    Symbol* sub = nullptr;
    ASSERT_EQ(p.AddNamedSymbol(&sub, "Sub", kTypeSuperBlock, 1, 1, 0, false, 1), 0);
    AddVariable(p, "Sub$Arg", kTypeInteger, 1, 2);
    ASSERT_EQ(SBInterfaceTable(sub, &t).AddEntry("Arg", kTypeInteger, 0, 0), 0);
    p.SetCurrentPage(sub);
    PBInstance* ask = AddBlock(p, layout.type, "Ask");
    ASSERT_NE(AddBlock(p, 181, "Done"), nullptr);
    for (int offset : layout.edits) ask->Area.ClearSlot(offset);
    SetSlot(p, *ask->Area.Slot(layout.edits[0]), "Sub$Arg");
    ASSERT_EQ(p.ConnectGoto(ask, "Sub$Done", 0), 1);
  }

  // As the designer copies a page: the page made in the clipboard's program, its
  // interface added, then its blocks.
  void CopyPage(TProgram& source) {
    source.Activate();
    clip->Empty();
    clip->Mode = kClipPages;
    Symbol* page = nullptr;
    ASSERT_EQ(clip->Program().AddNamedSymbol(&page, "Sub", kTypeSuperBlock, 1, 1, 0, false, 1), 0);
    clip->AddPage("Sub");
    ASSERT_EQ(clip->AddSymbolByName(source, "Sub"), 0);
    for (const char* name : {"Ask", "Done"}) ASSERT_EQ(clip->CopyVavurOrezo(source, name), 0) << name;
    source.Activate();
  }

  static std::string Interface(TProgram& p, const char* page) {
    const PBFieldDef* table = FindPageInterface(page, &p.Symbols());
    std::string out;
    for (int i = 0; table != nullptr && !table[i].IsEnd(); ++i) {
      out += std::string(table[i].Name) + (table[i].IsGoto() ? "(exit) " : " ");
    }
    return out;
  }
};

TEST_F(ClipPages, APageArrivesWithItsInterfaceAndEndBlocks) {
  auto source = NewProgram();
  BuildShared(*source);
  BuildPage(*source);
  CopyPage(*source);
  ASSERT_NE(clip->FindEntry("Sub$Ask"), nullptr);
  EXPECT_EQ(clip->FindEntry("Sub$Ask")->PageLocal, 1);
  EXPECT_EQ(clip->FindEntry("Sub$Arg")->Dependent, 1);
  EXPECT_EQ(clip->FindEntry("Sub")->Kind, kClipPage);

  struct Case {
    const char* newName;   // the page's new name, or null to keep it
    const char* page;
  } cases[] = {{nullptr, "Sub"}, {"Sub2", "Sub2"}};
  for (const Case& c : cases) {
    TClipInfo* entry = clip->FindEntry("Sub");
    entry->SetNewName(c.newName);
    if (c.newName != nullptr) clip->SetPageResolution(*entry);
    auto target = NewProgram();
    BuildShared(*target);
    Symbol* page = nullptr;
    ASSERT_EQ(target->AddNamedSymbol(&page, c.page, kTypeSuperBlock, 1, 1, 0, false, 1), 0);
    target->SetCurrentPage(page);
    ASSERT_EQ(PasteInto(*target), 0) << (clip->Messages().empty() ? "" : clip->Messages()[0]);
    const std::string prefix = std::string(c.page) + "$";
    PBInstance* ask = Block(*target, (prefix + "Ask").c_str());
    ASSERT_NE(ask, nullptr) << c.page;
    EXPECT_EQ(SlotText(*target, ask, layout.edits[0]), prefix + "Arg");
    EXPECT_EQ(SlotText(*target, ask, layout.gotos[0]), prefix + "Done");
    EXPECT_EQ(Block(*target, (prefix + "Done").c_str())->Companion, "Done");
    EXPECT_EQ(clip->FindSymbol(*target, prefix + "Arg")->Scope, 2);
    EXPECT_EQ(Interface(*target, c.page), "Arg Done(exit) ");
    ExpectSavesAndReloads(*target);
  }
}

TEST_F(ClipPages, AnEndBlockWhoseExitNameIsTakenChangesNothing) {
  auto source = NewProgram();
  BuildShared(*source);
  BuildPage(*source);
  CopyPage(*source);
  auto target = NewProgram();
  BuildShared(*target);
  Symbol* page = nullptr;
  ASSERT_EQ(target->AddNamedSymbol(&page, "Sub", kTypeSuperBlock, 1, 1, 0, false, 1), 0);
  ASSERT_EQ(SBInterfaceTable(page, &target->Symbols()).AddEntry("Done", kTypeInteger, 0, 0), 0);
  target->SetCurrentPage(page);
  const std::string before = Save(*target);
  EXPECT_EQ(PasteInto(*target), 1);
  EXPECT_EQ(Save(*target), before);
  ASSERT_FALSE(clip->Messages().empty());
  EXPECT_NE(clip->Messages().back().find("Done"), std::string::npos);
}

TEST_F(ClipPages, AFullInterfaceRefusesADirectVariableAndChangesNothing) {
  auto source = NewProgram();
  BuildShared(*source);
  Symbol* sub = nullptr;
  ASSERT_EQ(source->AddNamedSymbol(&sub, "Sub", kTypeSuperBlock, 1, 1, 0, false, 1), 0);
  source->SetCurrentPage(sub);
  AddVariable(*source, "Sub$Arg", kTypeInteger, 1, 2);
  clip->Empty();
  clip->Mode = kClipVavurOrezos;
  ASSERT_EQ(clip->AddSymbol(clip->FindSymbol(*source, "Sub$Arg"), "Arg", *source, clip->Program(), 0), 0);

  auto target = NewProgram();
  Symbol* page = nullptr;
  ASSERT_EQ(target->AddNamedSymbol(&page, "Full", kTypeSuperBlock, 1, 1, 0, false, 1), 0);
  for (int i = 0; i < kPasteInterfaceVariableLimit; ++i) {
    const std::string name = "V" + std::to_string(i);
    ASSERT_EQ(SBInterfaceTable(page, &target->Symbols()).AddEntry(name.c_str(), kTypeInteger, 0, 0), 0);
  }
  target->SetCurrentPage(page);
  const std::string before = Save(*target);
  EXPECT_EQ(PasteInto(*target), 1);
  EXPECT_EQ(Save(*target), before);
  ASSERT_FALSE(clip->Messages().empty());
  EXPECT_NE(clip->Messages()[0].find("Full"), std::string::npos);

  // One entry fewer, and it goes in.
  ASSERT_EQ(SBInterfaceTable(page, &target->Symbols()).RemoveEntry("V0"), 0);
  ASSERT_EQ(PasteInto(*target), 0);
  EXPECT_EQ(clip->FindSymbol(*target, "Full$Arg")->Scope, 2);
  EXPECT_NE(Interface(*target, "Full").find("Arg "), std::string::npos);
}

TEST_F(ClipPages, RenamingTheClipboardsPageRenamesItsEntries) {
  auto source = NewProgram();
  BuildShared(*source);
  BuildPage(*source);
  CopyPage(*source);
  clip->RenamePage("Sub", "Other");
  EXPECT_NE(clip->FindEntry("Other$Ask"), nullptr);
  EXPECT_NE(clip->FindEntry("Other$Arg"), nullptr);
  EXPECT_EQ(clip->FindEntry("Sub$Ask"), nullptr);
  EXPECT_EQ(clip->PageInfos().front().Source, "Other");
}

}  // namespace
}  // namespace zeph::test
