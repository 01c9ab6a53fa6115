#pragma once
// Field-table entries of the set-up forms that edit a parameter block: numbers kept inline
// in the block, typed as constants only (no variable may stand in their place), and prompts.

#include "model/pbfielddef.h"

namespace zeph {

// An edit of an inline number of the scalar type (2 16-bit, 3 32-bit) at the offset,
// required and held to [min, max].
PBFieldDef BlockNumberEntry(const char* name, int scalarType, int offset, double min, double max);

// An edit of a prompt kept inline as a text of up to 48 characters (a 50-byte field): a
// voice sentence variable or a text constant, required.
PBFieldDef BlockPromptEntry(const char* name, int offset);

// A check box of a 16-bit flag at the offset: 1 when checked, 0 when not.
PBFieldDef BlockCheckEntry(const char* name, int offset);

}  // namespace zeph
