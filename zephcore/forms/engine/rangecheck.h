#pragma once
// The range check of a constant field: the special check the entry names (1-5, 8-11) or
// its numeric range.

#include "model/pbfielddef.h"

namespace zeph {

// 0 when the constant's text (one leading "'" skipped) passes, else the model code.
int CheckFieldRange(const PBFieldDef& entry, const char* text);

}  // namespace zeph
