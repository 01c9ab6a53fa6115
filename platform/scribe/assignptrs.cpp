// Field tables and choice lists by number.
#include "scribe/catalogue.h"
#include "scribe/choicelists.h"
#include "scribe/fielddesc.h"
#include "scribe/scribe.h"

namespace scribe {

const void* AssignPtrsInDLL1(std::uint16_t id, std::uint16_t* unused) {
  if (unused != nullptr) *unused = 0;
  if (IsChoiceListId(id)) return ChoiceListTexts(id);
  if (id > kChoiceValuesOffset && IsChoiceListId(id - kChoiceValuesOffset)) {
    return ChoiceListValues(id - kChoiceValuesOffset);
  }
  const FieldTable* table = StructureFieldTable(id);
  return table != nullptr ? table->Entries() : nullptr;
}

}  // namespace scribe
