#pragma once
// The designer's tool palette: VavurOrezo types grouped by their slot's group text, each
// group's entries in name order.

#include "model/interface/vlx_records.h"
#include "model/pbcat.h"

namespace zeph {

// One row of the group table. A group whose key begins with "b" belongs to the back
// palette.
struct PaletteGroupDef {
  const char* Title;
  const char* Key;
  const char* Description;
  const char* Bitmap;
};

inline constexpr const char* kTooManyGroupsText = "Internal Error:  Too many groups.";
inline constexpr const char* kPaletteEntryOverflowFormat =
    "Problem encountered loading the palette.\nCould not add block ID '%d' to palette group '%d'.";

// The palette's group table.
const PaletteGroupDef* PaletteGroups(int* count);

// Fills the table with new groups (the caller's to delete) of the front or back palette
// and the catalogue's types. 0; -11 after too many groups, when the table must not be
// used. A type that finds its group full is left out with a message.
int BuildPalette(IconInfoTable& table, bool backPalette, const PaletteGroupDef* groups, int groupCount,
                 const PBCatalogue& catalogue);

// The back-types switch of the variable dialogs' type lists.
bool BackTypesOffered();
void ToggleBackTypes();

}  // namespace zeph
