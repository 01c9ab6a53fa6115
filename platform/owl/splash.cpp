#include "owl/splash.h"

#include <algorithm>

#include "owl/dib.h"

DEFINE_RESPONSE_TABLE(TSplashWindow, TWindow)
  EV_WM_TIMER,
  EV_WM_LBUTTONDOWN,
END_RESPONSE_TABLE;

namespace {
constexpr UINT_PTR kCloseTimer = 1;
constexpr int kBandHeight = 16;
}  // namespace

TSplashWindow::TSplashWindow(TDib& dib, int width, int height, int style, UINT timeOut,
                             const char* title, TModule* module)
    : TWindow(static_cast<TWindow*>(nullptr), title, module),
      Dib(dib),
      Style(style),
      TimeOut(timeOut) {
  int w = width, h = height;
  if ((style & ShrinkToFit) && dib.IsOK()) {
    w = std::min(w, dib.Width());
    h = std::min(h, dib.Height());
  }
  Attr.Style = WS_POPUP | WS_BORDER;
  Attr.ExStyle = WS_EX_TOOLWINDOW;
  RECT frame{0, 0, w, h};
  ::AdjustWindowRectEx(&frame, Attr.Style, FALSE, Attr.ExStyle);
  Attr.W = frame.right - frame.left;
  Attr.H = frame.bottom - frame.top;
  Attr.X = (::GetSystemMetrics(SM_CXSCREEN) - Attr.W) / 2;
  Attr.Y = (::GetSystemMetrics(SM_CYSCREEN) - Attr.H) / 2;
}

void TSplashWindow::SetupWindow() {
  TWindow::SetupWindow();
  if (TimeOut) SetTimer(kCloseTimer, TimeOut);
}

RECT TSplashWindow::GaugeBand() const {
  RECT client;
  GetClientRect(client);
  return RECT{client.left + 4, client.bottom - kBandHeight - 4, client.right - 4,
              client.bottom - 4};
}

RECT TSplashWindow::TextBand() const {
  RECT band = GaugeBand();
  if (!(Style & MakeGauge)) return band;
  return RECT{band.left, band.top - kBandHeight - 2, band.right, band.top - 2};
}

void TSplashWindow::SetText(const char* text) {
  Text = text ? text : "";
  if (Style & MakeStatic) {
    RECT band = TextBand();
    if (HWindow) ::InvalidateRect(HWindow, &band, TRUE);
    UpdateWindow();
  }
}

void TSplashWindow::SetPercentDone(int percent) {
  PercentDone = std::clamp(percent, 0, 100);
  if (Style & MakeGauge) {
    RECT band = GaugeBand();
    if (HWindow) ::InvalidateRect(HWindow, &band, TRUE);
    UpdateWindow();
  }
}

void TSplashWindow::Paint(HDC dc, bool, RECT&) {
  RECT client;
  GetClientRect(client);
  if (Dib.IsOK()) {
    HDC memory = ::CreateCompatibleDC(dc);
    HGDIOBJ old = ::SelectObject(memory, Dib.GetHandle());
    int x = (client.right - Dib.Width()) / 2;
    int y = (client.bottom - Dib.Height()) / 2;
    ::BitBlt(dc, x, y, Dib.Width(), Dib.Height(), memory, 0, 0, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
  }
  if (Style & MakeStatic) {
    RECT band = TextBand();
    ::SetBkMode(dc, TRANSPARENT);
    ::DrawTextA(dc, Text.c_str(), -1, &band, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  if (Style & MakeGauge) {
    RECT band = GaugeBand();
    ::FrameRect(dc, &band, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    RECT filled = band;
    ::InflateRect(&filled, -1, -1);
    filled.right = filled.left + (filled.right - filled.left) * PercentDone / 100;
    ::FillRect(dc, &filled, ::GetSysColorBrush(COLOR_HIGHLIGHT));
  }
}

void TSplashWindow::EvTimer(UINT timerId) {
  if (timerId != kCloseTimer) return;
  KillTimer(kCloseTimer);
  Destroy();
}

void TSplashWindow::EvLButtonDown(UINT, const TPoint&) {
  if (Style & CaptureMouse) Destroy();
}
