#pragma once
// The display-text tables that the designer hands over for printing VavurOrezo parameters:
// five tables and the lookup mode, kept for the property forms and reports.

namespace zeph {

struct ComboStruct;

struct ComboStringState {
  int Mode = 0;
  ComboStruct* Tables[5] = {};
};

void SetupComboStrings(int mode, ComboStruct* first, ComboStruct* second, ComboStruct* third,
                       ComboStruct* fourth, ComboStruct* fifth);
const ComboStringState& ComboStrings();

}  // namespace zeph
