#pragma once
// The 40 structures that the script language predefines. They are shared by every program:
// a program's structure list ends with their chain, whose first structure is "bMail".

#include "model/structdef.h"

namespace zeph {

inline constexpr int kPredefinedStructCount = 40;

// Links each predefined structure's members into their chain; running it again changes
// nothing. The program constructor calls it.
void DefinePredefinedStructs();
// The first structure of the chain ("bMail"), members linked.
StructDef* PredefinedStructHead();
// The i-th predefined structure (0-39) and its number of members; null and 0 outside.
StructDef* PredefinedStruct(int i);
int PredefinedMemberCount(int i);

}  // namespace zeph
