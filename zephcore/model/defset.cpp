// Definition sets by server version and the definition variants of type slots.
#include "model/defset.h"

#include <cstring>
#include <string>

#include "model/pbcat.h"
#include "model/pbconv_tables.h"
#include "scribe/catalogue.h"
#include "scribe/fielddesc.h"

namespace zeph {
namespace {

struct VersionMatch {
  const char* text;
  DefinitionSet set;
};

// First match wins.
constexpr VersionMatch kSets[] = {
    {"2.0", {"VLXV8.03", kModelVersion}},
    {"1.07", {"VLXV6.07", 6.07f}},
    {"1.06", {"VLXV5.06", 5.06f}},
    {"1.0", {"VLXV5.06", 5.06f}},
};

int g_mode = kDefinitionsCurrent;
float g_version = kModelVersion;

}  // namespace

DefinitionSet SelectDefinitionSet(const char* serverVersion) {
  if (serverVersion != nullptr) {
    for (const VersionMatch& m : kSets) {
      if (std::strstr(serverVersion, m.text) != nullptr) return m.set;
    }
  }
  return {kCurrentDefinitionSet, kModelVersion};
}

int DefinitionMode() { return g_mode; }
float DefinitionVersion() { return g_version; }

void ResetDefinitionSet() {
  g_mode = kDefinitionsCurrent;
  g_version = kModelVersion;
}

PBTypeVersion* FindVariantForVersion(PBTypeVersion* list, float version) {
  PBTypeVersion* v = list;
  while (v != nullptr && version > v->Version) v = v->Next;
  return v;
}

void ApplyVariant(const PBTypeVersion& variant, PBCatalogue& catalogue) {
  PBType* slot = catalogue.Slot(variant.TypeIndex);
  if (slot == nullptr) return;
  if (!slot->VariantApplied) {
    slot->Registered = {slot->StructId, slot->FieldTable, slot->ParmTemplate, slot->DialogResource};
    slot->VariantApplied = true;
  }
  slot->StructId = static_cast<std::uint16_t>(variant.StructId);
  slot->FieldTable = variant.FieldTable;
  slot->ParmTemplate = variant.ParmTemplate;
  slot->VariantName = variant.VariantName;
  slot->DialogResource = variant.DialogResource;
}

PBTypeVersion& AddVariant(PBCatalogue& catalogue, ParmVersionTables& tables, int typeIndex,
                          float version, std::uint16_t structId, const char* dialogResource,
                          const char* variantName) {
  PBTypeVersion& v = tables.NewVariant();
  v.TypeIndex = typeIndex;
  v.Version = version;
  v.StructId = structId;
  v.DialogResource = dialogResource;
  v.VariantName = variantName;
  if (const scribe::FieldTable* table = scribe::StructureFieldTable(structId)) {
    v.FieldTable = table->Entries();
    // The older definitions have calls of their own; a table without one derives it.
    v.ParmTemplate = tables.KeepTemplate(
        scribe::BuildCallTemplate(scribe::StructureCallTemplate(structId), *table, nullptr));
  }
  PBType* slot = catalogue.Slot(typeIndex);
  if (slot == nullptr) return v;
  PBTypeVersion** link = &slot->Variants;
  while (*link != nullptr && (*link)->Version < version) link = &(*link)->Next;
  v.Next = *link;
  *link = &v;
  return v;
}

void RestoreRegisteredDefinitions(PBCatalogue& catalogue) {
  for (int i = 0; i < kPBCatalogueSize; ++i) {
    PBType* slot = catalogue.Slot(i);
    if (slot == nullptr || !slot->VariantApplied) continue;
    slot->StructId = slot->Registered.StructId;
    slot->FieldTable = slot->Registered.FieldTable;
    slot->ParmTemplate = slot->Registered.ParmTemplate;
    slot->DialogResource = slot->Registered.DialogResource;
    slot->VariantName = nullptr;
    slot->VariantApplied = false;
  }
}

void UpdateVavurOrezoDefinitions(const char* serverVersion, PBCatalogue& catalogue) {
  const DefinitionSet set = SelectDefinitionSet(serverVersion);
  // Every switch starts from the registered definitions: the conversions index the current
  // tables, and a set chosen later must not inherit an earlier set's variants.
  RestoreRegisteredDefinitions(catalogue);
  if (std::strcmp(set.Name, kCurrentDefinitionSet) == 0) {
    ResetDefinitionSet();
    return;
  }
  g_mode = kDefinitionsOlder;
  g_version = set.Version;
  for (int i = 0; i < kPBCatalogueSize; ++i) {
    PBType* slot = catalogue.Slot(i);
    if (slot == nullptr || slot->Variants == nullptr) continue;
    if (const PBTypeVersion* v = FindVariantForVersion(slot->Variants, g_version)) ApplyVariant(*v, catalogue);
  }
}

void UpdateVavurOrezoDefinitions(const char* serverVersion) {
  TheParmVersionTables();
  UpdateVavurOrezoDefinitions(serverVersion, TheCatalogue());
}

}  // namespace zeph
