// The frame's zoom and scrolling commands on the active page window. The zoom set is also
// the program's zoom level, saved with it. While a text note is typed in, the line keys and
// Home move the note's caret instead of the page.
#pragma once

#include <span>

#include "shell/commands/framecommandsite.h"

inline constexpr UINT kCmZoomIn = 4142;
inline constexpr UINT kCmZoomOut = 4143;
inline constexpr UINT kCmSetZoom = 4144;
inline constexpr UINT kCmZoomNormal = 4165;
inline constexpr UINT kCmPageUp = 4237;
inline constexpr UINT kCmPageDown = 4238;
inline constexpr UINT kCmPageLeft = 4239;
inline constexpr UINT kCmPageRight = 4240;
inline constexpr UINT kCmLineUp = 4241;
inline constexpr UINT kCmLineDown = 4242;
inline constexpr UINT kCmLineLeft = 4243;
inline constexpr UINT kCmLineRight = 4244;
inline constexpr UINT kCmHome = 4245;
inline constexpr UINT kCmTop = 4246;

std::span<const FrameCommandEntry> ViewCommands();
