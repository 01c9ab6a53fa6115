#include "model/program/release.h"

#include <string>

#include "foundation/kvassert.h"
#include "model/datatypes.h"
#include "model/pbentry.h"
#include "model/pbfield_lookup.h"
#include "model/pbtype.h"
#include "model/program/program.h"

namespace zeph {

int PBEntryReleaseRefs(PBInstance& instance, TProgram* program) {
  return PBEntryReleaseFieldRefs(instance, GetFieldTable(instance.Type, &instance), program);
}

int PBEntryReleaseFieldRefs(PBInstance& instance, const PBFieldDef* table, TProgram* program) {
  TProgram* owner = program != nullptr ? program : TProgram::Current();
  if (!KV_ASSERT(owner != nullptr)) return 0;
  SymbolTable& symbols = owner->Symbols();
  const int previousCheck = symbols.SymbolPageCheck;
  symbols.SymbolPageCheck = 0;   // the instance and its gotos may be on any page
  const std::string name = instance.Name;
  Symbol* symbol = LookupSymbol(name.c_str(), kTypeVavurOrezo, &symbols);
  if (symbol != nullptr && !owner->Emptying) UnlinkGotosTo(*symbols.TreeSlot(kTypeVavurOrezo), symbol, &symbols);
  if (table != nullptr) PBEntryReleaseSlots(instance, table, &symbols);
  // A Custom VavurOrezo's use is counted in its own program, whichever list is active.
  if (instance.Type == kPBTypeCustom) CustomPBRelease(owner->CustomVavurOrezos(), instance.Companion.c_str());
  instance.Companion.clear();
  if (symbol != nullptr && symbol->Data.get() == &instance) {
    MarkSymbolDeleted(*symbol, symbols);   // frees the instance
    --owner->VavurOrezoCount;
  }
  symbols.SymbolPageCheck = previousCheck;
  return 0;
}

}  // namespace zeph
