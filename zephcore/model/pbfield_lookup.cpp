// Field tables and call templates of VavurOrezos.
#include "model/pbfield_lookup.h"

#include "model/pbcat.h"
#include "model/pbentry_instance.h"

namespace zeph {
namespace {

SuperBlockTableLookup& TableLookup() {
  static SuperBlockTableLookup lookup;
  return lookup;
}

SuperBlockTemplateLookup& TemplateLookup() {
  static SuperBlockTemplateLookup lookup;
  return lookup;
}

}  // namespace

void SetSuperBlockLookups(SuperBlockTableLookup table, SuperBlockTemplateLookup tpl) {
  TableLookup() = std::move(table);
  TemplateLookup() = std::move(tpl);
}

const PBFieldDef* GetFieldTable(int typeIndex, const PBInstance* instance) {
  if (instance != nullptr && instance->OwnTable) return instance->OwnTable->Entries();
  if (typeIndex == kPBTypeSuperBlock) {
    if (instance == nullptr || !TableLookup()) return nullptr;
    return TableLookup()(instance->Companion.c_str());
  }
  if (typeIndex == kPBTypeCustom) return CustomGotoTable();
  const PBType* slot = GetPBType(typeIndex);
  return slot != nullptr ? slot->FieldTable : nullptr;
}

const PBTemplatePair* GetParameterTemplate(int typeIndex, const PBInstance* instance) {
  if (typeIndex == kPBTypeSuperBlock) {
    if (instance == nullptr || !TemplateLookup()) return nullptr;
    return TemplateLookup()(instance->Companion.c_str());
  }
  if (typeIndex == kPBTypeCustom) return nullptr;
  const PBType* slot = GetPBType(typeIndex);
  return slot != nullptr ? slot->ParmTemplate : nullptr;
}

}  // namespace zeph
