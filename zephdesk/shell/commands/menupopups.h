// The frame's menu as the user opens it and moves through it: the level pop-ups follow the
// levels, Rename is greyed unless one block is selected on the active page, and the status
// line tells what the pop-up or the item under the user does. Pop-ups are known by the
// items they hold, never by their position: a maximised page window puts its own menu in
// front of the menu bar's pop-ups.
#pragma once

#include <windows.h>

#include <optional>

class AppOptionsPort;
class FrameCommandSite;

// Run for every pop-up of the frame's menu as it opens.
void RefreshMenuPopup(HMENU popup, FrameCommandSite& site, const AppOptionsPort& options);

// The string the status line shows for a WM_MENUSELECT (0: the line is cleared, as when the
// menu closes); none when the line stays as it is (a pop-up that is not one of the menu
// bar's).
std::optional<UINT> MenuStatusTextId(UINT item, UINT flags, HMENU menu);
