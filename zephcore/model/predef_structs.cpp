// Linking the members of the predefined structures.
#include "model/predef_structs.h"

namespace zeph {

extern StructDef g_predefinedStructs[kPredefinedStructCount];

void DefinePredefinedStructs() {
  for (int i = 0; i < kPredefinedStructCount; ++i) {
    StructMember* members = g_predefinedStructs[i].FstMem;
    const int n = PredefinedMemberCount(i);
    for (int k = 0; k + 1 < n; ++k) members[k].Next = &members[k + 1];
  }
}

StructDef* PredefinedStructHead() {
  DefinePredefinedStructs();
  return &g_predefinedStructs[0];
}

StructDef* PredefinedStruct(int i) {
  return (i >= 0 && i < kPredefinedStructCount) ? &g_predefinedStructs[i] : nullptr;
}

}  // namespace zeph
