#pragma once
// Small readings of field-definition entries shared by the field accessor's units.

#include "model/datatypes.h"
#include "model/pbfielddef.h"

namespace zeph {

// The types whose variables a field accepts; every type when the field names none.
inline TypeMask FieldTypeMask(const PBFieldDef& field) {
  TypeMask mask;
  mask.Allowed1 = field.Allowed1;
  mask.Allowed2 = field.Allowed2;
  mask.AddStructs = field.AddStructs;
  mask.StructNum = field.StructNum;
  if (mask.Allowed1 == 0 && mask.Allowed2 == 0 && mask.AddStructs == kStructsNone) {
    return AllTypesMask();
  }
  return mask;
}

// A text that starts with a quote character is a constant, never a variable name.
inline bool IsQuotedText(const char* text) {
  return text != nullptr && (text[0] == '\'' || text[0] == '"');
}

// A radio group numbered from 1 (its button count has the top bit set).
inline bool IsRadioNumberedFromOne(const PBFieldDef& field) { return field.NumRadioInArray < 0; }
// The number of buttons of a radio group; 0 when the table does not say.
inline int RadioButtonCount(const PBFieldDef& field) {
  return field.NumRadioInArray < 0 ? -field.NumRadioInArray : field.NumRadioInArray;
}

// The texts that count as no value in conversions and checks.
inline bool IsEmptyValueText(const char* text) {
  return text == nullptr || text[0] == '\0' || (text[0] == '\'' && text[1] == '\0');
}

}  // namespace zeph
