// The frame's commands on the pages and definitions of the active page window's program:
// the page lists (view a SuperBlock or Verification Block page), the page definition
// dialogs, New SuperBlock, Find VavurOrezo, the model's editors of structures, DLL
// prototypes and custom VavurOrezos, the check for incomplete blocks, and printing the
// page. Each command checks the active page window first.
#pragma once

#include <span>

#include "shell/commands/framecommandsite.h"

// Command ids.
inline constexpr UINT kCmDefineStructures = 4147;
inline constexpr UINT kCmDefineDLLProtos = 4148;
inline constexpr UINT kCmCheckComplete = 4167;
inline constexpr UINT kCmPrintFlow = 4135;
inline constexpr UINT kCmCustomVavurOrezo = 4149;
inline constexpr UINT kCmNewSuperBlock = 4169;
inline constexpr UINT kCmViewSuperBlock = 0x104A;
inline constexpr UINT kCmDefineSuperBlocks = 4173;
inline constexpr UINT kCmViewVerificationBlock = 0x1050;
inline constexpr UINT kCmDefineVerificationBlocks = 4177;
inline constexpr UINT kCmFindVavurOrezo = 4179;

// The page commands' table.
std::span<const FrameCommandEntry> PageCommands();
