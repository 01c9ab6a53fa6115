// Gives the designer's frame its command modules: the frame's menu and accelerator
// commands reach them before the frame's own table.
#pragma once

#include <memory>

#include "shell/commands/optioncommands.h"

class FrameCommandSite;
class UIMDIFrame;
namespace ed {
class EditWindows;
}

// Runs the command when one of the modules has it; false for any other id.
bool RunFrameCommand(FrameCommandSite& site, UINT id);

// The options are the running application's.
void InstallFrameCommands(UIMDIFrame& frame, ed::EditWindows& windows);
void InstallFrameCommands(UIMDIFrame& frame, ed::EditWindows& windows, std::shared_ptr<AppOptionsPort> options);
