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
