#pragma once
// Windows services of the editor: the message pump of long work, switching the main
// window off and on, and the drawing routines of the drawn objects. The named brushes,
// pens, fonts and icons come from tables the designer (or a test) installs.

#include <windows.h>

#include "editor/support/geometry.h"

class Brushes;
class Fonts;
class Icons;
class Pens;

namespace ed {

struct DrawingTables {
  Brushes* brushes = nullptr;
  Pens* pens = nullptr;
  Fonts* fonts = nullptr;
  Icons* icons = nullptr;
};
void SetDrawingTables(const DrawingTables& tables);
const DrawingTables& GetDrawingTables();

// The designer's main window, which long work switches off and whose thread the pump
// watches for Escape.
void SetEditorMainWindow(HWND window);
HWND GetEditorMainWindow();

// Dispatches every waiting message; 0 when Escape was pressed (as a key-down message, a
// system key-down or, while the main window is disabled, in the key state), else 1.
int PumpMessages();
void SetMainWindowDisabled(int disable);

inline RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
inline Rect FromRECT(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }
void CenterRect(const RECT* rect, int width, int height, RECT* result);
void Draw3DFrame(HDC dc, HBRUSH first, HBRUSH second, const RECT* rect, int thickness);
// Draws the bitmap into the rectangle through a palette made from its own colour table.
void StretchDIBWithPalette(HDC dc, HBITMAP bitmap, int width, int height, const RECT* rect);

}  // namespace ed
