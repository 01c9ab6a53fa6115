// The frame's palette commands: the docked tabbed palette shown or taken away, the palette
// window of the old VavurOrezo types (one, brought forward when it exists) and full
// screen. The tabbed palette's icons follow the zoom of the page windows.
#pragma once

#include <cstdint>

#include <windows.h>

class UIMDIFrame;

inline constexpr UINT kCmShowPalette = 4162;
inline constexpr UINT kCmOldVavurOrezos = 4171;
inline constexpr UINT kCmToggleFullScreen = 4233;

// Runs the command when it is one of these; false for any other id.
bool RunPaletteCommand(UIMDIFrame& frame, UINT id);

// The tabbed palette's icons are made anew at 40 x percent / 100 pixels and its tabs
// rebuilt with the selected one kept; without the tabbed palette nothing changes.
void RescalePaletteIcons(UIMDIFrame& frame, std::int32_t percent);
