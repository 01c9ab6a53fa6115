// Gives the designer's frame its command modules: the frame's menu and accelerator
// commands reach them before the frame's own table.
#pragma once

#include "shell/commands/optioncommands.h"

class FrameCommandSite;
class UIMDIFrame;
namespace ed {
class EditWindows;
}

// Runs the command when one of the modules has it; false for any other id.
bool RunFrameCommand(FrameCommandSite& site, UINT id);

// setOption changes the application's option word for the option toggles.
void InstallFrameCommands(UIMDIFrame& frame, ed::EditWindows& windows, OptionSetter setOption);
