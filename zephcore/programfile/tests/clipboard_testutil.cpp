#include "clipboard_testutil.h"

#include <map>
#include <sstream>

#include "model/pbentry_instance.h"
#include "model/structops.h"
#include "model/symtable.h"
#include "model/symtree.h"
#include "model/varref.h"
#include "model/vsentence.h"

namespace zeph::test {

Symbol* ClipboardTest::AddVariable(TProgram& p, const char* name, int type, int size, int scope) {
  // Page-local names ("page$name") are filed directly: the name check refuses "$".
  SymbolBody body;
  InitSymbol(body, name, size, type, 1, 0, scope, 0, 0);
  Symbol* s = InsertSymbol(body, type, true, &p.Symbols());
  EXPECT_NE(s, nullptr) << name;
  return s;
}

void ClipboardTest::SetSlot(TProgram& p, SymP& slot, const char* text) {
  TProgram::DisableSymbolPageCheck all(p);
  ParseVariableReference(text, slot, AllTypesMask(), nullptr, &p.Symbols());
  ASSERT_NE(slot.S, nullptr) << text;
  UpdateReferenceCount(slot, 1, &p.Symbols());
}

PBInstance* ClipboardTest::AddBlock(TProgram& p, int type, const char* name, const char* companion) {
  int userError = 0;
  PBInstance* made = p.AddVavurOrezo(type, name, companion, &userError);
  EXPECT_NE(made, nullptr) << name;
  presenter.Clear();
  return made;
}

StructDef* AddNestedStructures(SymbolTable& t) {
  StructDef* inner = NewStructureDef("Inner", 0, 0, &t);
  InsertMemberAfter(0, &inner->FstMem, NewStructureMember("Count", kTypeInteger, 1, inner));
  InsertMemberAfter(1, &inner->FstMem, NewStructureMember("Label", kTypeString, 12, inner));
  StructDef* outer = NewStructureDef("Outer", 0, 0, &t);
  InsertMemberAfter(0, &outer->FstMem, NewStructureMember("Flag", kTypeSmallInteger, 1, outer));
  InsertMemberAfter(1, &outer->FstMem, NewStructureMember("In", inner->TypeNum, 1, outer));
  return outer;
}

namespace {

struct Recount {
  std::map<const Symbol*, int> symbols;
  std::map<const StructMember*, int> members;
};

void CountSlot(const SymP& slot, SymbolTable& t, Recount& r) {
  if (slot.S == nullptr || slot.HasConst()) return;
  ++r.symbols[slot.S];
  if (slot.StructMemNum == 0) return;
  StructMember* m = FindMemberById(slot.S->Type, slot.StructMemNum, &t);
  if (m != nullptr && slot.Struct2MemNum != 0) m = FindMemberById(m->Type, slot.Struct2MemNum, &t);
  if (m != nullptr) ++r.members[m];
}

void CountSymbol(Symbol& s, SymbolTable& t, Recount& r) {
  if (s.Deleted) return;
  if (auto* instance = dynamic_cast<PBInstance*>(s.Data.get())) {
    for (auto& [offset, slot] : instance->Area.Slots()) CountSlot(slot, t, r);
  }
  if (auto* sentence = dynamic_cast<SentenceData*>(s.Data.get())) {
    for (const SentenceComponent* c = sentence->First; c != nullptr; c = c->Next) {
      if (c->RefFlag) CountSlot(c->Area.Ref, t, r);
      for (const ComponentDetail* d = c->Detail; d != nullptr; d = d->Next) {
        if (d->Flag1) CountSlot(d->Area1.Ref, t, r);
        if (d->Flag2) CountSlot(d->Ref2, t, r);
        if (d->Flag3) CountSlot(d->Ref3, t, r);
      }
    }
  }
}

template <class F>
void ForEachSymbol(SymbolTable& t, F&& visit) {
  for (int slot = 0; slot < kProgramSlotCount; ++slot) {
    if (Symbol** root = t.TreeSlot(slot)) SymTreeWalkPostOrder(*root, visit);
  }
  for (StructDef* def = t.Structures().First; def != nullptr; def = def->NextDef) {
    SymTreeWalkPostOrder(def->Tree, visit);
  }
}

}  // namespace

std::string RecountDifferences(TProgram& program) {
  SymbolTable& t = program.Symbols();
  Recount r;
  ForEachSymbol(t, [&](Symbol& s) { CountSymbol(s, t, r); });
  std::ostringstream out;
  ForEachSymbol(t, [&](Symbol& s) {
    if (s.Deleted) return;
    const int expected = r.symbols.count(&s) ? r.symbols[&s] : 0;
    if (s.RefCnt != expected) out << s.Name << " holds " << s.RefCnt << ", recount " << expected << "\n";
  });
  for (StructDef* def = t.Structures().First; def != nullptr; def = def->NextDef) {
    if (def->TypeNum < kFirstStructureId) continue;
    int typed = 0;
    SymTreeWalkPostOrder(def->Tree, [&](Symbol& s) { typed += s.Deleted ? 0 : 1; });
    if (def->RefCnt != typed) out << "struct " << def->Name << " holds " << def->RefCnt << ", recount " << typed << "\n";
    for (const StructMember* m = def->FstMem; m != nullptr; m = m->Next) {
      const int expected = r.members.count(m) ? r.members[m] : 0;
      if (m->RefCnt != expected) out << def->Name << "." << m->Name << " holds " << m->RefCnt << ", recount " << expected << "\n";
    }
  }
  return out.str();
}

}  // namespace zeph::test
