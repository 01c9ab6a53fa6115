// Pictures of windows for a person to look at: what a GUI test showed, frame and caption
// included, saved as a 24-bit BMP file.
#pragma once

#include <windows.h>

#include <string>

// Saves what the window shows as "screenshots\<name>.bmp" in the folder of the running
// test program (so always under the build tree, wherever the program was started from).
// The window is raised first, so that no other program's window covers it. Returns the
// file's path, or an empty text when the picture could not be taken.
std::string SaveWindowPicture(HWND window, const std::string& name);

// Saves an area of a device context (a memory bitmap's, say) the same way.
std::string SaveAreaPicture(HDC source, int left, int top, int width, int height, const std::string& name);
