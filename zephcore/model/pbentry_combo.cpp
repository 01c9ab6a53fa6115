// The designer's display-text tables.
#include "model/pbentry_combo.h"

namespace zeph {
namespace {

ComboStringState g_state;

}  // namespace

void SetupComboStrings(int mode, ComboStruct* first, ComboStruct* second, ComboStruct* third,
                       ComboStruct* fourth, ComboStruct* fifth) {
  g_state.Mode = mode;
  g_state.Tables[0] = first;
  g_state.Tables[1] = second;
  g_state.Tables[2] = third;
  g_state.Tables[3] = fourth;
  g_state.Tables[4] = fifth;
}

const ComboStringState& ComboStrings() { return g_state; }

}  // namespace zeph

namespace zeph {

void SetComboMode(int mode) { g_state.Mode = mode; }

const char* FindComboText(const ComboStruct* table, int id) {
  if (table == nullptr) return nullptr;
  for (const ComboStruct* e = table; e->Id != kComboEnd; ++e) {
    if (e->Id == id) return e->Text;
  }
  return nullptr;
}

const char* ComboTextAt(const ComboStruct* table, int n) {
  if (table == nullptr || n < 1) return nullptr;
  for (const ComboStruct* e = table; e->Id != kComboEnd; ++e) {
    if (--n == 0) return e->Text;
  }
  return nullptr;
}

}  // namespace zeph
