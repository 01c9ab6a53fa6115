#pragma once
// VavurOrezo definition sets by server version. The catalogue describes the current
// definitions (model version 8.03); when the designer works for an older server, the type
// slots that have definition variants switch to the variant of that server's version
// (structure id, field table, call template, dialog resource and variant name).

#include <cstdint>

#include "model/pbfielddef.h"
#include "model/pbtype.h"

namespace zeph {

class PBCatalogue;
class ParmVersionTables;

inline constexpr float kModelVersion = 8.03f;
inline constexpr const char* kCurrentDefinitionSet = "VLXV8.03";

// The definition mode: the current set, or an older server's.
enum DefinitionModes : int {
  kDefinitionsCurrent = 1,
  kDefinitionsOlder = 2,
};

struct DefinitionSet {
  const char* Name;
  float Version;
};

// The set for a server's version text: the first of "2.0", "1.07", "1.06" and "1.0" that
// the text contains decides; none gives the current set.
DefinitionSet SelectDefinitionSet(const char* serverVersion);

int DefinitionMode();
float DefinitionVersion();
// Back to the current set's words (mode 1, the model version); the slots keep what
// variants were applied.
void ResetDefinitionSet();

// One definition variant of a type slot; a slot's variants are listed ascending by version.
struct PBTypeVersion {
  PBTypeVersion* Next = nullptr;
  std::int32_t TypeIndex = 0;
  float Version = 0;
  std::int32_t StructId = 0;
  const PBTemplatePair* ParmTemplate = nullptr;
  const PBFieldDef* FieldTable = nullptr;
  const char* DialogResource = nullptr;
  const char* VariantName = nullptr;
};

// The first variant whose version is at least the given one, or null.
PBTypeVersion* FindVariantForVersion(PBTypeVersion* list, float version);
// Writes the variant's definitions into its slot.
void ApplyVariant(const PBTypeVersion& variant, PBCatalogue& catalogue);
// Undoes every applied variant: each slot gets back the definitions it was registered with.
void RestoreRegisteredDefinitions(PBCatalogue& catalogue);
// Registers a variant of a slot: its field table and derived call template are those the
// field-table library serves for the structure id. Linked before the first variant whose
// version is not lower.
PBTypeVersion& AddVariant(PBCatalogue& catalogue, ParmVersionTables& tables, int typeIndex,
                          float version, std::uint16_t structId, const char* dialogResource,
                          const char* variantName);

// Switches the definitions to the server's version (the work of
// vlxUpdateVavurorezoDefinitions): an older set applies to every slot with variants the
// first variant for its version; the current set changes no slot.
void UpdateVavurOrezoDefinitions(const char* serverVersion, PBCatalogue& catalogue);
// The same for the process-wide catalogue, its variants registered first.
void UpdateVavurOrezoDefinitions(const char* serverVersion);

}  // namespace zeph
