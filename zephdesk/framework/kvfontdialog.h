// The font dialog the named fonts are chosen in. The system's dialog runs unless a test
// installs answers of its own in its place.
#pragma once

#include <windows.h>

#include <functional>

// Shows the dialog started from the font; true with the chosen font written back into it,
// false when the user cancelled.
using KvFontDialog = std::function<bool(HWND owner, LOGFONTA& font)>;

bool KvRunFontDialog(HWND owner, LOGFONTA& font);
// An empty dialog restores the system's.
void KvSetFontDialog(KvFontDialog dialog);
