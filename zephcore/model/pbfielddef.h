#pragma once
// Field-definition entries of the VavurOrezo field tables (the entry layout is shared with
// the field-table library) and the fixed table of the Custom VavurOrezo.

#include "scribe/pbfielddef.h"

namespace zeph {

using scribe::GrayAction;
using scribe::GrayRule;
using scribe::PBFieldDef;

// The table of a Custom VavurOrezo (type -100): its one goto "Goto" in the first value slot
// of the standard layout.
const PBFieldDef* CustomGotoTable();

// Number of entries before the end entry; 0 for a null table.
inline int CountFields(const PBFieldDef* table) { return scribe::CountFieldEntries(table); }

// Index of the n-th goto field (counting from 0), or -1.
int FindGotoField(const PBFieldDef* table, int n);

}  // namespace zeph
