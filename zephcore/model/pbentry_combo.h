#pragma once
// The display-text tables that the designer hands over for printing VavurOrezo parameters:
// five tables and the lookup mode, kept for the property forms and reports.

#include <cstdint>

namespace zeph {

// One entry of a display-text table: an id and its text. A table ends with the entry whose
// id is kComboEnd.
struct ComboStruct {
  std::int16_t Id = 0;
  const char* Text = nullptr;
};
inline constexpr std::int16_t kComboEnd = 0x7FFF;

// The tables in the order the designer passes them.
enum ComboTableIndex : int {
  kComboLanguages = 0,
  kComboSystemPrompts = 1,
  kComboRestrictions = 2,
  kComboVoiceItems = 3,
  kComboFaxItems = 4,
};

struct ComboStringState {
  int Mode = 0;
  ComboStruct* Tables[5] = {};
};

void SetupComboStrings(int mode, ComboStruct* first, ComboStruct* second, ComboStruct* third,
                       ComboStruct* fourth, ComboStruct* fifth);
const ComboStringState& ComboStrings();
// Sets the lookup mode alone (the reports return it to 0 after each block).
void SetComboMode(int mode);

// The text of the first entry with that id; null for a null table or no such entry.
const char* FindComboText(const ComboStruct* table, int id);
// The text of the n-th entry (from 1) before the end entry; null outside the table.
const char* ComboTextAt(const ComboStruct* table, int n);

}  // namespace zeph
