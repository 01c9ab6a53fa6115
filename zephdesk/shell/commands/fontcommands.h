// The frame's font commands: the font of the selected text notes, and the three entries
// of the designer's font table (block labels on the pages, palette icon labels, the font
// of new text notes). A font chosen for the table reaches every child window at once.
#pragma once

#include <span>

#include "shell/commands/framecommandsite.h"

inline constexpr UINT kCmTextNoteFont = 4222;
inline constexpr UINT kCmDefaultTextNoteFont = 4223;
inline constexpr UINT kCmVavurOrezoLabelFont = 4158;
inline constexpr UINT kCmIconLabelFont = 4166;

// Change Text Note Font, on the checked page window.
std::span<const FrameCommandEntry> FontCommands();
// The font-table commands, which need no page window; false for any other id.
bool RunFontTableCommand(FrameCommandSite& site, UINT id);

// Every MDI child of the frame's client: with metrics, its panes first take the sizes of
// the fonts now in the table; then the panes rebuild what they draw.
void RefreshChildWindows(FrameCommandSite& site, bool metrics);
