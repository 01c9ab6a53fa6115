// The frame's commands on goto lines and block outputs of the active page: route the
// selected lines or every line again, stub or restore the selected lines, and show or hide
// the outputs of the one selected block.
#pragma once

#include <span>

#include "shell/commands/framecommandsite.h"

inline constexpr UINT kCmRerouteLine = 4154;
inline constexpr UINT kCmRerouteAll = 4168;
inline constexpr UINT kCmStubRestoreLine = 0x104E;

// Option bit: a stubbed line is labelled with the block it leads to.
inline constexpr std::uint32_t kOptionLabelStubs = 0x10;

std::span<const FrameCommandEntry> LineCommands();
