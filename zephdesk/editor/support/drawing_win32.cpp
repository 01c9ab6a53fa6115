#include "editor/support/drawing_win32.h"

#include <vector>

namespace ed {
namespace {

DrawingTables g_tables;
HWND g_mainWindow = nullptr;
DWORD g_mainThread = 0;
bool g_threadKnown = false;

bool IsEscapePress(const MSG& msg) {
  if ((msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) || msg.wParam != VK_ESCAPE) return false;
  if (msg.hwnd == nullptr) return true;
  return ::GetWindowThreadProcessId(msg.hwnd, nullptr) == g_mainThread;
}

}  // namespace

void SetDrawingTables(const DrawingTables& tables) { g_tables = tables; }
const DrawingTables& GetDrawingTables() { return g_tables; }

void SetEditorMainWindow(HWND window) {
  g_mainWindow = window;
  g_threadKnown = false;
}
HWND GetEditorMainWindow() { return g_mainWindow; }

int PumpMessages() {
  if (!g_threadKnown) {
    g_mainThread = g_mainWindow != nullptr ? ::GetWindowThreadProcessId(g_mainWindow, nullptr) : ::GetCurrentThreadId();
    g_threadKnown = true;
  }
  int result = 1;
  // A disabled window gets no keyboard messages: the key state tells whether Escape was
  // pressed meanwhile.
  if (g_mainWindow != nullptr && !::IsWindowEnabled(g_mainWindow) && (::GetAsyncKeyState(VK_ESCAPE) & 0x8001) != 0) {
    result = 0;
  }
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (IsEscapePress(msg)) result = 0;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return result;
}

void SetMainWindowDisabled(int disable) {
  if (g_mainWindow != nullptr) ::EnableWindow(g_mainWindow, disable ? FALSE : TRUE);
}

void CenterRect(const RECT* rect, int width, int height, RECT* result) {
  Rect out;
  CenterRect(FromRECT(*rect), width, height, out);
  *result = ToRECT(out);
}

void Draw3DFrame(HDC dc, HBRUSH first, HBRUSH second, const RECT* r, int thickness) {
  for (int i = 0; i < thickness; ++i) {
    RECT band{r->left, r->top + i, r->right - i, r->top + i + 1};
    ::FillRect(dc, &band, first);
    band = RECT{r->left + i, r->top, r->left + i + 1, r->bottom - i};
    ::FillRect(dc, &band, first);
    band = RECT{r->right - i - 1, r->top + i, r->right - i, r->bottom};
    ::FillRect(dc, &band, second);
    band = RECT{r->left + i, r->bottom - i - 1, r->right, r->bottom - i};
    ::FillRect(dc, &band, second);
  }
}

void StretchDIBWithPalette(HDC dc, HBITMAP bitmap, int width, int height, const RECT* rect) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
  } info{};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = width;
  info.header.biHeight = height;
  info.header.biPlanes = 1;
  info.header.biBitCount = 0;
  HDC screen = ::GetDC(nullptr);
  ::GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), nullptr, reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
  RGBQUAD table[256] = {};
  UINT tableCount = 0;
  {
    HDC memory = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    tableCount = ::GetDIBColorTable(memory, 0, 256, table);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
  }
  const UINT used = info.header.biClrUsed != 0 ? info.header.biClrUsed
                    : (info.header.biBitCount <= 8 ? tableCount : 0);
  const UINT entries = used < 256 ? used : 256;
  const SIZE_T paletteSize = sizeof(LOGPALETTE) + (entries > 0 ? entries - 1 : 0) * sizeof(PALETTEENTRY);
  auto* logical = static_cast<LOGPALETTE*>(::LocalAlloc(LPTR, paletteSize));
  HPALETTE palette = nullptr;
  HPALETTE previous = nullptr;
  if (logical != nullptr) {
    logical->palVersion = 0x300;
    logical->palNumEntries = static_cast<WORD>(entries);
    for (UINT i = 0; i < entries; ++i) {
      const RGBQUAD& c = i < tableCount ? table[i] : info.colours[i];
      logical->palPalEntry[i] = PALETTEENTRY{c.rgbRed, c.rgbGreen, c.rgbBlue, 0};
    }
    palette = ::CreatePalette(logical);
    if (palette != nullptr) {
      previous = ::SelectPalette(dc, palette, FALSE);
      ::RealizePalette(dc);
    }
  }
  if (info.header.biSizeImage != 0) {
    std::vector<BYTE> bits;
    try {
      bits.resize(info.header.biSizeImage);
    } catch (...) {
      bits.clear();
    }
    if (!bits.empty() && ::GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), bits.data(),
                                     reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) != 0) {
      ::StretchDIBits(dc, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, 0, 0, width,
                      height, bits.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, SRCCOPY);
    }
  }
  if (palette != nullptr) {
    ::UnrealizeObject(palette);
    ::SelectPalette(dc, previous, FALSE);
    ::RealizePalette(dc);
    ::DeleteObject(palette);
  }
  if (logical != nullptr) ::LocalFree(logical);
  ::ReleaseDC(nullptr, screen);
}

}  // namespace ed
