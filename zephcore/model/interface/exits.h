#pragma once
// The exits a VavurOrezo draws: one per goto field of its table, with the Completed and
// Failed group headings in front of their first members.

#include "model/pbfielddef.h"
#include "model/superblk_info.h"

namespace zeph {

inline constexpr const char* kTooManyGotosText = "Internal Error:  Too many gotos defined.";

// Fills the exit count and exits of `info` from the table of a VavurOrezo of type `type`
// (its slot gives the heading labels). A table that needs more than 40 exits, headings
// included, is refused with a stop box: false.
bool FillVavurOrezoExits(VavurOrezoInfo& info, const PBFieldDef* table, int type);

}  // namespace zeph
