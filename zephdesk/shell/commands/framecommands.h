// Gives the designer's frame its command modules: the frame's menu and accelerator
// commands reach them before the frame's own table.
#pragma once

class UIMDIFrame;
namespace ed {
class EditWindows;
}

void InstallFrameCommands(UIMDIFrame& frame, ed::EditWindows& windows);
