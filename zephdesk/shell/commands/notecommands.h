// The frame's text-note and comment commands on the active page window: place a new note,
// open the one selected note for typing, and edit the page's or the program's comment.
#pragma once

#include <span>

#include "shell/commands/framecommandsite.h"

inline constexpr UINT kCmCreateTextNote = 4221;
inline constexpr UINT kCmEditTextNote = 4249;
inline constexpr UINT kCmSuperBlockComment = 4224;
inline constexpr UINT kCmProgramComment = 4226;

std::span<const FrameCommandEntry> NoteCommands();
