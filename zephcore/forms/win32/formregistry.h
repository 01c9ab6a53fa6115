#pragma once
// Hooks the property forms into the catalogue's form opener: the makers of dialog kinds
// 1 to 4 and the own forms of the assignment, compare, add, subtract, End Block, Entry,
// Record, Listen, message and multi-mail types.

#include "model/pbtype.h"

namespace zeph {

void RegisterPropertyForms();
// Makes the factory the own form of a registered type (its other hooks kept).
void SetFormFactory(int type, PBFormFactory factory);

}  // namespace zeph
