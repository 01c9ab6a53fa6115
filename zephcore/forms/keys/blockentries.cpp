// Entries of the parameter-block forms.
#include "forms/keys/blockentries.h"

#include <cstdio>

#include "model/datatypes.h"

namespace zeph {

namespace {
constexpr std::uint32_t kNumberTypes = 0x3E;   // data types 1 to 5
constexpr std::uint32_t kVoiceSentenceOnly2 = 0x8;   // data type 35
constexpr int kPromptStringSize = 49;
}

PBFieldDef BlockNumberEntry(const char* name, int scalarType, int offset, double min, double max) {
  PBFieldDef e;
  std::snprintf(e.Name, sizeof e.Name, "%s", name);
  e.UIElement = scribe::kUIEdit;
  e.FieldRepresentation = scribe::kReprConstant;
  e.ScalarType = static_cast<std::int16_t>(scalarType);
  e.FieldOffset = static_cast<std::int16_t>(offset);
  e.Allowed1 = kNumberTypes;
  e.NeedItBeInRange = 1;
  e.MinValRange = min;
  e.MaxValRange = max;
  return e;
}

PBFieldDef BlockPromptEntry(const char* name, int offset) {
  PBFieldDef e;
  std::snprintf(e.Name, sizeof e.Name, "%s", name);
  e.UIElement = scribe::kUIEdit;
  e.FieldRepresentation = scribe::kReprEither;
  e.ScalarType = kTypeString;
  e.FieldOffset = static_cast<std::int16_t>(offset);
  e.Allowed2 = kVoiceSentenceOnly2;
  e.StrSize = kPromptStringSize;
  return e;
}

PBFieldDef BlockCheckEntry(const char* name, int offset) {
  PBFieldDef e;
  std::snprintf(e.Name, sizeof e.Name, "%s", name);
  e.UIElement = scribe::kUICheckBox;
  e.ScalarType = 2;
  e.FieldOffset = static_cast<std::int16_t>(offset);
  e.RadioCheckBase = 1;
  return e;
}

}  // namespace zeph
