#pragma once
// A VavurOrezo type slot of the catalogue and the parameter layouts of the types.

#include <cstdint>

#include "model/pbfielddef.h"
#include "scribe/calltemplate.h"
#include "scribe/parmlayout.h"

namespace zeph {

struct PBInstance;
struct PBConversion;
struct PBTypeVersion;

inline constexpr int kPBCatalogueSize = 416;
inline constexpr int kPBTypeCustom = -100;      // Custom VavurOrezo
inline constexpr int kPBTypeRecord = 3;         // Record: its needed fields depend on its values
inline constexpr int kPBTypeSuperBlock = -101;  // SuperBlock call
inline constexpr int kParameterAreaSize = scribe::kParameterAreaSize;

using PBTemplatePair = scribe::PBTemplatePair;

// One part of a parameter layout: raw bytes (kind 1, length in bytes) or a run of 18-byte
// value slots (kind 2, length in slots), at an offset of the parameter area. A layout is
// an array of parts ended by a part of kind 0.
struct PBParmLayout {
  std::int16_t Kind = 0;
  std::int16_t Offset = 0;
  std::int16_t Length = 0;
};

inline constexpr std::int16_t kLayoutPartRaw = 1;
inline constexpr std::int16_t kLayoutPartSlots = 2;

// The parts of a layout (the ended array), or null for an unknown one.
const PBParmLayout* ParmLayoutParts(scribe::ParmLayout layout);
// The layout kind a slot records for it (0, 2, 3, 10 or 11).
int ParmLayoutKind(scribe::ParmLayout layout);

// Hooks of a slot. The code emitter writes a VavurOrezo's script itself and answers with
// option bits; the form factory creates the type's own property form (a dialog object for
// the owner window, null when it cannot be made); the direct action runs in place of a
// form; the extra hook hears of deleting (mode 1) and renaming (mode 2). Program, window
// and form objects belong to other layers and pass through here untyped.
using PBCodeEmitter = int (*)(void* program, PBInstance* block, PBInstance* sameBlock,
                              void* window, char* buffer, int limit, int pass);
using PBFormFactory = void* (*)(void* owner, PBInstance* instance, const struct PBType* slot);
using PBDirectAction = int (*)(void* program, PBInstance* instance, PBInstance* sameInstance,
                               void* window);
using PBExtraHook = int (*)(PBInstance* instance, int mode, const char* newName);

// A type slot. An unregistered slot is all zero (null names, null tables).
// The parts of a slot that a definition variant replaces, as the slot was registered.
struct PBRegisteredDefinition {
  std::uint16_t StructId = 0;
  const PBFieldDef* FieldTable = nullptr;
  const PBTemplatePair* ParmTemplate = nullptr;
  const char* DialogResource = nullptr;
};

struct PBType {
  std::int16_t TypeIndex = 0;
  const char* InternalName = nullptr;
  const char* VariantName = nullptr;    // set when a definition variant is applied
  const char* DisplayName = nullptr;
  const char* GroupCode = nullptr;
  const char* SpareText = nullptr;
  const char* Keyword = nullptr;
  std::int16_t LayoutKind = 0;
  const PBFieldDef* FieldTable = nullptr;
  std::uint16_t StructId = 0;
  const PBParmLayout* ParmLayout = nullptr;
  const PBTemplatePair* ParmTemplate = nullptr;
  PBCodeEmitter CodeEmitter = nullptr;
  std::int16_t DialogKind = 0;
  const char* DialogResource = nullptr;
  PBFormFactory FormFactory = nullptr;
  PBDirectAction DirectAction = nullptr;
  PBExtraHook ExtraHook = nullptr;
  std::int16_t ReservedNumber = 0;
  const char* CompletedLabel = nullptr;
  const char* FailedLabel = nullptr;
  PBConversion* Conversions = nullptr;  // ascending by version
  PBTypeVersion* Variants = nullptr;    // ascending by version
  // Kept while a variant is applied, so that a later switch can restore the slot.
  bool VariantApplied = false;
  PBRegisteredDefinition Registered;
};

// A choice list: display texts and stored values, both null-terminated.
struct PBChoiceList {
  std::int16_t Unused = 0;
  const char* const* Texts = nullptr;
  const char* const* Values = nullptr;
};

inline constexpr int kChoiceListCount = 70;

}  // namespace zeph
