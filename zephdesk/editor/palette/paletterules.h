#pragma once
// The palette window's choices apart from its window: the image of a VavurOrezo type in
// the tabbed palette, and what selecting a group by its name selects.

#include <string>

namespace ed {

// The image list index of a type code; a code the table lacks takes the table's last
// image (24).
int PaletteImageIndex(int typeCode);

// The program groups the palette shows in place of the clicked group.
enum class PaletteGroupKind { kOther, kCustom, kSuperBlocks, kVerificationBlocks, kLibrary };
// By exact name; a library group is one whose name contains ".RLL" as written (capitals).
PaletteGroupKind ClassifyPaletteGroup(const std::string& name);

}  // namespace ed
