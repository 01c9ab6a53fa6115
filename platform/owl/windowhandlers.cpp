// The default handlers of the standard messages.
#include "owl/application.h"
#include "owl/scrollbar.h"
#include "owl/window.h"

void TWindow::EvClose() { CloseWindow(); }

void TWindow::EvDestroy() {
  // The main window going away ends the application's message loop.
  TApplication* app = GetApplication();
  if (app && app->GetMainWindow() == this) ::PostQuitMessage(0);
  DefaultProcessing();
}

void TWindow::EvPaint() {
  if (Subclassed) {
    // A predefined class paints itself.
    DefaultProcessing();
    return;
  }
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(HWindow, &ps);
  Paint(dc, ps.fErase != FALSE, ps.rcPaint);
  ::EndPaint(HWindow, &ps);
}

void TWindow::EvSize(UINT, const TSize&) { DefaultProcessing(); }

bool TWindow::EvSetCursor(HWND, UINT, UINT) { return DefaultProcessing() != 0; }

void TWindow::EvNCMouseMove(UINT, const TPoint&) { DefaultProcessing(); }
void TWindow::EvMouseMove(UINT, const TPoint&) { DefaultProcessing(); }
void TWindow::EvLButtonDown(UINT, const TPoint&) { DefaultProcessing(); }
void TWindow::EvLButtonUp(UINT, const TPoint&) { DefaultProcessing(); }
void TWindow::EvLButtonDblClk(UINT, const TPoint&) { DefaultProcessing(); }
void TWindow::EvRButtonDown(UINT, const TPoint&) { DefaultProcessing(); }
void TWindow::EvRButtonUp(UINT, const TPoint&) { DefaultProcessing(); }
void TWindow::EvRButtonDblClk(UINT, const TPoint&) { DefaultProcessing(); }

void TWindow::EvHScroll(UINT scrollCode, UINT thumbPos, HWND hWndCtl) {
  if (auto* bar = dynamic_cast<TScrollBar*>(GetWindowPtr(hWndCtl))) {
    bar->HandleScroll(scrollCode, int(thumbPos));
    return;
  }
  DefaultProcessing();
}

void TWindow::EvVScroll(UINT scrollCode, UINT thumbPos, HWND hWndCtl) {
  EvHScroll(scrollCode, thumbPos, hWndCtl);
}

void TWindow::EvTimer(UINT) { DefaultProcessing(); }
void TWindow::EvGetMinMaxInfo(MINMAXINFO&) { DefaultProcessing(); }
void TWindow::EvActivateApp(bool, DWORD) { DefaultProcessing(); }
void TWindow::EvMenuSelect(UINT, UINT, HMENU) { DefaultProcessing(); }
void TWindow::EvKeyDown(UINT, UINT, UINT) { DefaultProcessing(); }
void TWindow::EvKeyUp(UINT, UINT, UINT) { DefaultProcessing(); }

void TWindow::EvInitMenuPopup(HMENU popup, UINT, bool sysMenu) {
  if (!sysMenu) {
    int count = ::GetMenuItemCount(popup);
    for (int position = 0; position < count; ++position) {
      UINT id = ::GetMenuItemID(popup, position);
      if (id == 0 || id == UINT(-1)) continue;  // separator or pop-up
      TMenuItemEnabler enabler(popup, id, UINT(position));
      RouteCommandEnable(enabler);
    }
  }
  DefaultProcessing();
}
