// The frame's printer commands: the printer set-up, and the SuperBlock, voice and fax
// items and block details reports of the current program. They need no page window: the
// reports print while the palette is the active window too.
#pragma once

#include "shell/commands/framecommandsite.h"

inline constexpr UINT kCmPrintSetup = 4136;
inline constexpr UINT kCmPrintBlockDetails = 51;
inline constexpr UINT kCmPrintVoiceFaxItems = 4178;
inline constexpr UINT kCmSuperBlockReport = 4225;

// Runs the command when the id is one of these; false for any other id.
bool RunReportCommand(FrameCommandSite& site, UINT id);
