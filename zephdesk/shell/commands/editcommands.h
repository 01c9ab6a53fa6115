// The Edit menu's Cut, Copy, Paste and Delete and the Escape key on the active page
// window: while a text note is typed in they act on the note's text only; otherwise on the
// page's selection, refusing the blocks every program needs and asking first when Confirm
// Paste/Delete is on.
#pragma once

#include <span>

#include "shell/commands/framecommandsite.h"

inline constexpr UINT kCmEditCut = 4138;
inline constexpr UINT kCmEditCopy = 4139;
inline constexpr UINT kCmEditPaste = 4140;
inline constexpr UINT kCmEditDelete = 4141;
inline constexpr UINT kCmEscape = 4201;

// Option bit: ask before a paste or a delete.
inline constexpr std::uint32_t kOptionConfirmDeletes = 0x80;

std::span<const FrameCommandEntry> EditCommands();
// Escape ends a paste placement on the active page window; in any other state it does
// nothing, without a message.
bool RunEscape(FrameCommandSite& site, UINT id);
