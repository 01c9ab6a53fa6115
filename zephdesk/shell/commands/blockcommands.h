// The frame's commands on the one block selected in the active page window: rename it,
// show its properties, or only check that exactly one block is selected.
#pragma once

#include <span>

#include "shell/commands/framecommandsite.h"

namespace ed {
class EditMDI;
class VavurOrezo;
}

inline constexpr UINT kCmRenameBlock = 0x1036;
inline constexpr UINT kCmConfigureBlock = 0x1037;
inline constexpr UINT kCmBlockProperties = 0x106A;

// The one selected block of the window; null after message 23 (the first selected object
// is not a block, or nothing is selected) or 24 (more than one object is selected).
ed::VavurOrezo* TheSelectedBlock(ed::EditMDI& window);

std::span<const FrameCommandEntry> BlockCommands();
