// Completeness and gotos of VavurOrezo instances.
#include "model/pbentry.h"

#include <cstring>
#include <vector>

#include "foundation/kvassert.h"
#include "model/pbfield_lookup.h"
#include "model/symtable.h"

namespace zeph {
namespace {

constexpr int kRecordMenuSupervision = 2;   // 16-bit switch of the Record VavurOrezo
constexpr int kRecordMsgSentenceSlot = 78;  // slot of its message voice sentence

TypeMask VavurOrezoMask() {
  TypeMask mask;
  mask.Allowed2 = 1u << (kTypeVavurOrezo - 32);
  return mask;
}

// The Record VavurOrezo's menu fields and its message parameters are needed only while
// menu supervision is on and a message voice sentence is given.
void RecomputeRecordComplete(PBInstance& instance, const PBFieldDef* table) {
  std::vector<PBFieldDef> copy(table, table + CountFields(table));
  auto optional = [&](int oneBased) {
    if (oneBased - 1 < static_cast<int>(copy.size())) copy[static_cast<std::size_t>(oneBased - 1)].CanFieldBeBlank = 1;
  };
  if (instance.Area.Word(kRecordMenuSupervision) == 0) {
    for (int entry : {6, 11, 12, 18, 19, 20}) optional(entry);
  }
  const SymP* sentence = instance.Area.FindSlot(kRecordMsgSentenceSlot);
  if (sentence == nullptr || sentence->S == nullptr) optional(3);
  instance.Complete = 1;
  for (const PBFieldDef& f : copy) {
    if (f.UIElement == scribe::kUIEdit && !f.IsGoto() && !f.CanFieldBeBlank &&
        instance.Area.IsSlotEmpty(f.FieldOffset)) {
      instance.Complete = 0;
    }
  }
}

// Whether the goto slot holds a plain reference to a live VavurOrezo, as a lookup by name
// with every page in scope finds one.
bool HoldsVavurOrezo(const SymP& slot, SymbolTable* program) {
  const Symbol* s = slot.S;
  if (s == nullptr || slot.HasConst() || slot.StructMemNum != 0 || slot.ArrayIndex) return false;
  if (s->Deleted || s->Type != kTypeVavurOrezo) return false;
  const SymbolTable* table = ResolveProgram(program);
  return table != nullptr && table->SymbolPageCheck == 0;
}

// Whether the goto slot leads to the VavurOrezo named exactly by the text.
bool LeadsTo(const SymP& slot, const char* targetName, SymbolTable* program) {
  // A text with a member or an index part is read another way.
  if (targetName == nullptr || std::strpbrk(targetName, ".[") != nullptr) return false;
  return HoldsVavurOrezo(slot, program) && std::strcmp(slot.S->Name, targetName) == 0;
}

// The goto field n's slot of the instance; null when there is none.
SymP* GotoSlot(PBInstance& instance, int n) {
  const PBFieldDef* table = GetFieldTable(instance.Type, &instance);
  const int field = FindGotoField(table, n);
  return field < 0 ? nullptr : instance.Area.FindSlot(table[field].FieldOffset);
}

}  // namespace

int PBEntryIsUnfinished(PBInstance& instance) {
  const PBFieldDef* table = GetFieldTable(instance.Type, &instance);
  if (table == nullptr) return 1;
  if (instance.Type == kPBTypeRecord) RecomputeRecordComplete(instance, table);
  if (instance.Complete == 0) return 1;
  for (int i = 0; !table[i].IsEnd(); ++i) {
    const PBFieldDef& f = table[i];
    if (!f.IsGoto() || f.CanFieldBeBlank) continue;
    const SymP* slot = instance.Area.FindSlot(f.FieldOffset);
    if (slot == nullptr || slot->S == nullptr) return 1;
  }
  return 0;
}

int PBEntrySetGotoTo(const PBInstance& target, int n, PBInstance& instance, SymbolTable* program) {
  if (const SymP* slot = GotoSlot(instance, n); slot != nullptr && HoldsVavurOrezo(*slot, program) && slot->S->Data.get() == &target) {
    return 0;
  }
  return PBEntrySetGoto(target.Name.c_str(), n, instance, program);
}

int PBEntrySetGoto(const char* targetName, int n, PBInstance& instance, SymbolTable* program) {
  const PBFieldDef* table = GetFieldTable(instance.Type, &instance);
  const int field = FindGotoField(table, n);
  if (field < 0) return -1;
  SymP* slot = instance.Area.Slot(table[field].FieldOffset);
  if (!KV_ASSERT(slot != nullptr)) return -1;
  // A goto that already leads to the VavurOrezo of that name (a loaded program's gotos are
  // drawn again on their lines) keeps its counted reference: no lookup by name.
  if (LeadsTo(*slot, targetName, program)) return 0;
  // A goto that led elsewhere gives its reference back before it is replaced.
  if (slot->S != nullptr && !slot->HasConst()) UpdateReferenceCount(*slot, 0, program);
  slot->Clear();
  ParseVariableReference(targetName, *slot, VavurOrezoMask(), nullptr, program);
  if (slot->S != nullptr) {
    UpdateReferenceCount(*slot, 1, program);
  } else if (targetName != nullptr && *targetName != '\0') {
    slot->Clear();
    slot->SetConstText(targetName);   // bound when that VavurOrezo is added
  }
  return 0;
}

void PBEntryClearGoto(PBInstance& instance, int n, SymbolTable* program) {
  const PBFieldDef* table = GetFieldTable(instance.Type, &instance);
  const int field = FindGotoField(table, n);
  if (field < 0) return;
  if (n < 16) instance.GotoMask = static_cast<std::uint16_t>(instance.GotoMask & ~(1u << n));
  SymP* slot = instance.Area.FindSlot(table[field].FieldOffset);
  if (slot != nullptr && slot->S != nullptr) UpdateReferenceCount(*slot, 0, program);
  instance.Area.ClearSlot(table[field].FieldOffset);
}

void PBEntryNop(PBInstance*) {}

}  // namespace zeph
