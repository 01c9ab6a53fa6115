#pragma once
// The programs the copy and paste tests work on: shared symbols, a page of blocks that use
// every kind of parameter, and the steps of a copy and a paste as the model interface
// takes them.

#include <cstring>
#include <vector>

#include "clipboard_testutil.h"
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

// A catalogue type with at least four edit fields and a goto, and where they are.
struct BlockLayout {
  int type = -1;
  std::vector<int> edits;
  std::vector<int> gotos;
};

inline BlockLayout FindLayout() {
  for (int type = 0; type < kPBCatalogueSize; ++type) {
    const PBType* slot = GetPBType(type);
    if (slot == nullptr || slot->InternalName == nullptr) continue;
    const PBFieldDef* table = GetFieldTable(type, nullptr);
    BlockLayout layout;
    layout.type = type;
    for (int i = 0; table != nullptr && !table[i].IsEnd(); ++i) {
      if (table[i].IsGoto()) layout.gotos.push_back(table[i].FieldOffset);
      else if (table[i].UIElement == scribe::kUIEdit) layout.edits.push_back(table[i].FieldOffset);
    }
    if (layout.edits.size() >= 4 && !layout.gotos.empty()) return layout;
  }
  return {};
}

template <class T>
inline void Put(unsigned char* at, T value) {
  std::memcpy(at, &value, sizeof value);
}

class ClipPaste : public ClipboardTest {
 protected:
  ClipPaste() : layout(FindLayout()) {}

  // Structures, pages, variables with values, a sentence and Custom code: what the copied
  // blocks use, and what a program that "has them already" holds.
  void BuildShared(TProgram& p, int offType = kTypeInteger, int offCanDelete = 1) {
    SymbolTable& t = p.Symbols();
    TProgram::DisableSymbolPageCheck all(p);
    StructDef* outer = AddNestedStructures(t);
    Symbol* page = nullptr;
    ASSERT_EQ(p.AddNamedSymbol(&page, "Main", kTypeSuperBlock, 1, 1, 0, false, 0), 0);
    main = page;
    ASSERT_EQ(p.AddNamedSymbol(&page, "Billing", kTypeSuperBlock, 1, 1, 0, false, 1), 0);
    SBInterfaceTable(page, &t).AddEntry("Amount", kTypeInteger, 0, 0);

    Symbol* count = AddVariable(p, "Count", kTypeInteger);
    count->ArraySize = 3;
    auto values = std::make_unique<ValueBlockData>(12);
    Put<std::int32_t>(values->Bytes() + 4, 70000);
    count->Data = std::move(values);
    AddVariable(p, "Off", offType)->CanDelete = static_cast<std::int16_t>(offCanDelete);
    Symbol* greeting = AddVariable(p, "Greeting", kTypeString, 20);
    auto text = std::make_unique<ValueBlockData>(20);
    std::strcpy(reinterpret_cast<char*>(text->Bytes()), "hello");
    greeting->Data = std::move(text);

    SymbolBody body;
    InitSymbol(body, "Rec", 1, outer->TypeNum, 1, 0, 0, 2, 0);
    SetSymbolStructFlag(body, outer->TypeNum);
    const int size = GetStructureSize(outer, &t);
    auto recs = std::make_unique<ValueBlockData>(static_cast<std::size_t>(2 * size));
    Put<std::int16_t>(recs->Bytes() + size, 9);
    body.Data = std::move(recs);
    ASSERT_NE(InsertSymbol(body, outer->TypeNum, true, &t), nullptr);

    Symbol* sentence = AddVariable(p, "Welcome", kTypeVoiceSentence);
    auto data = std::make_unique<SentenceData>();
    SentenceComponent* c = NewSentenceComponent();
    c->Kind = kKindIndexNumber;
    c->RefFlag = 1;
    c->Text = "amount";
    SetSlot(p, c->Area.Ref, "Greeting");
    ComponentDetail* item = NewComponentDetail();
    item->Flag1 = 1;
    SetSlot(p, item->Area1.Ref, "Count[2]");
    item->Flag2 = 1;
    SetSlot(p, item->Ref2, "Rec[1].In.Count");
    const std::int32_t twelve = 12;
    item->Ref3.SetConstBytes(&twelve, 4);
    item->Ref3.ConstType = kTypeInteger;
    c->Detail = item;
    data->First = c;
    sentence->Data = std::move(data);

    ASSERT_EQ(CustomPBAdd(p.CustomVavurOrezos(), "MyCode", &t), 0);
    CustomPBFind(p.CustomVavurOrezos(), "MyCode")->Code = "x = 1;";
    p.SetCurrentPage(main);
  }

  // Page P1 with a local variable and the blocks: Ask (every kind of parameter, a goto to
  // Next), Next (a goto to Outside, which is not copied), Hook (Custom), Call (SuperBlock).
  void BuildBlocks(TProgram& p) {
    SymbolTable& t = p.Symbols();
    p.Activate();
    Symbol* page = nullptr;
    ASSERT_EQ(p.AddNamedSymbol(&page, "P1", kTypeSuperBlock, 1, 1, 0, false, 1), 0);
    AddVariable(p, "P1$Local", kTypeInteger, 1, 1);
    p.SetCurrentPage(page);
    ASSERT_GE(layout.type, 0);
    PBInstance* ask = AddBlock(p, layout.type, "Ask");
    PBInstance* next = AddBlock(p, layout.type, "Next");
    AddBlock(p, layout.type, "Outside");
    AddBlock(p, kPBTypeCustom, "Hook", "MyCode");
    PBInstance* call = AddBlock(p, kPBTypeSuperBlock, "Call", "Billing");
    ASSERT_TRUE(ask && next && call);
    for (int offset : layout.edits) ask->Area.ClearSlot(offset);
    SetSlot(p, *ask->Area.Slot(layout.edits[0]), "Rec[1].In.Count");
    SetSlot(p, *ask->Area.Slot(layout.edits[1]), "Count[Off]");
    SetSlot(p, *ask->Area.Slot(layout.edits[2]), "Welcome");
    SetSlot(p, *ask->Area.Slot(layout.edits[3]), "P1$Local");
    ASSERT_EQ(p.ConnectGoto(ask, "P1$Next", 0), 1);
    ask->GotoMask = 1;
    ASSERT_EQ(p.ConnectGoto(next, "P1$Outside", 0), 1);
    SymP* constant = next->Area.Slot(layout.edits[0]);
    constant->Clear();
    constant->SetConstText("'a constant'");
    constant->ConstType = kTypeString;
    next->GotoMask = 1;
    PBFieldAccessor(call, 0, nullptr, 0, &t).SetEntryText("Amount", "Off");
  }

  void CopyBlocks(TProgram& source) {
    source.Activate();
    clip->Empty();
    clip->Mode = kClipVavurOrezos;
    for (const char* name : {"Ask", "Next", "Hook", "Call"}) ASSERT_EQ(clip->CopyVavurOrezo(source, name), 0) << name;
  }

  // A source program with the shared symbols and the blocks, the blocks copied.
  std::unique_ptr<TProgram> CopiedSource() {
    auto source = NewProgram();
    BuildShared(*source);
    BuildBlocks(*source);
    CopyBlocks(*source);
    return source;
  }

  // Pastes as the model interface does. The paste's result.
  int PasteInto(TProgram& target) {
    target.Activate();
    TProgram::DisableSymbolPageCheck all(target);
    const int rc = clip->Paste(target, -1);
    if (rc == 0) {
      clip->UpdateParmsAfterPaste(0, 0);
      clip->ResolveSymbolFixups(target);
      VerifyPastedBlocks(*target.Symbols().TreeSlot(kTypeVavurOrezo), target.Symbols());
    }
    return rc;
  }

  PBInstance* Block(TProgram& p, const char* name) {
    TProgram::DisableSymbolPageCheck all(p);
    return InstanceOf(LookupSymbol(name, kTypeVavurOrezo, &p.Symbols()));
  }

  std::string SlotText(TProgram& p, PBInstance* block, int offset) {
    SymP* slot = block != nullptr ? block->Area.FindSlot(offset) : nullptr;
    if (slot == nullptr || slot->S == nullptr) return "<empty>";
    return FormatVariableReference(*slot, &p.Symbols());
  }

  int Uses(TProgram& p, const char* name) {
    TProgram::DisableSymbolPageCheck all(p);
    Symbol* s = LookupSymbolByMask(name, AllTypesMask(), &p.Symbols());
    return s != nullptr ? s->RefCnt : -1;
  }

  // Saving, reloading and saving again gives the same text; the model is exact.
  void ExpectSavesAndReloads(TProgram& p) {
    EXPECT_EQ(RecountDifferences(p), "");
    const std::string saved = Save(p);
    auto reloaded = NewProgram();
    ASSERT_EQ(Load(*reloaded, saved), 0);
    EXPECT_TRUE(SameLines(DumpProgram(p), DumpProgram(*reloaded)));
  }

  BlockLayout layout;
  Symbol* main = nullptr;
};

}  // namespace zeph::test
