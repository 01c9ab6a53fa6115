// Releasing what VavurOrezo parameters hold, and emptying a program.
#include "model/custompb.h"
#include "model/pbentry.h"
#include "model/pbfield_lookup.h"
#include "model/symtable.h"
#include "model/symtree.h"

namespace zeph {

void PBEntryReleaseSlots(PBInstance& instance, const PBFieldDef* table, SymbolTable* program) {
  if (table == nullptr) return;
  for (int i = 0; !table[i].IsEnd(); ++i) {
    const PBFieldDef& f = table[i];
    if (f.UIElement != scribe::kUIEdit) continue;
    SymP* slot = instance.Area.FindSlot(f.FieldOffset);
    if (slot == nullptr) continue;
    // A slot holding a constant counts no reference.
    if (slot->S != nullptr && !slot->HasConst()) UpdateReferenceCount(*slot, 0, program);
    instance.Area.ClearSlot(f.FieldOffset);
  }
}

void UnlinkGotosTo(Symbol* tree, const Symbol* target, SymbolTable* program) {
  if (target == nullptr) return;
  SymTreeWalkPostOrder(tree, [&](Symbol& node) {
    if (node.Deleted) return;
    PBInstance* instance = InstanceOf(&node);
    if (instance == nullptr) return;
    const PBFieldDef* table = GetFieldTable(instance->Type, instance);
    if (table == nullptr) return;
    for (int i = 0; !table[i].IsEnd(); ++i) {
      if (!table[i].IsGoto()) continue;
      SymP* slot = instance->Area.FindSlot(table[i].FieldOffset);
      if (slot == nullptr || slot->HasConst() || slot->S != target) continue;
      UpdateReferenceCount(*slot, 0, program);
      instance->Area.ClearSlot(table[i].FieldOffset);
    }
  });
}

void ReleaseVavurOrezoRefs(Symbol* tree, SymbolTable* program) {
  SymTreeWalkPostOrder(tree, [&](Symbol& node) {
    if (node.Deleted) return;
    PBInstance* instance = InstanceOf(&node);
    if (instance == nullptr) return;
    PBEntryReleaseSlots(*instance, GetFieldTable(instance->Type, instance), program);
    if (instance->Type == kPBTypeCustom && ActiveCustomPBList() != nullptr) {
      CustomPBRelease(*ActiveCustomPBList(), instance->Companion.c_str());
    }
  });
}

void ResetProgram(SymbolTable* program, CustomPBList* customs) {
  SymbolTable* table = ResolveProgram(program);
  if (table == nullptr) return;
  table->SymbolPageCheck = 0;
  ReleaseVavurOrezoRefs(*table->TreeSlot(kTypeVavurOrezo), table);
  table->Clear();
  if (customs != nullptr) CustomPBListInit(*customs);
}

}  // namespace zeph
