// The "BITBUTTON" window class: a push or toggle button that shows a picture of the
// tool-bar strip (bitmap 1001) on its left part and its window text on the right, draws
// its own 3-D frame and reports clicks, toggles and hovering to its parent with WM_COMMAND
// (notification 0 click, 1 toggled down, 2 toggled up, 3 mouse over; lParam 0).
#pragma once

#include <windows.h>

#include <cstdint>

// Window style bit of a toggle button (it stays down until pressed again).
constexpr DWORD kBitButtonToggle = 0x0001;

// Button states.
enum : std::uint32_t {
    kBitButtonUp = 0x1,
    kBitButtonDown = 0x2,
    kBitButtonDisabled = 0x4,
};

// Notification codes.
enum : int {
    kBitButtonClicked = 0,
    kBitButtonToggledDown = 1,
    kBitButtonToggledUp = 2,
    kBitButtonHover = 3,
};

// The creation record (lpParam of the window's creation), three 32-bit words.
struct KvBitButtonCreate {
    std::int32_t image;  // picture of the strip
    std::int32_t font;   // HFONT as its 32-bit value; 0: no text is drawn
    std::int32_t share;  // tenths of the width that the picture takes; 0: half
};
static_assert(sizeof(KvBitButtonCreate) == 12, "the creation record is three 32-bit words");

// The state block of a button, kept in its GWLP_USERDATA.
struct KvBitButtonState {
    std::int32_t image;
    HBITMAP toggledImage;
    HFONT font;
    std::uint32_t state;
    RECT imageRect;
    RECT textRect;
};

// Nothing to prepare before the class is registered; kept for the program's start-up.
BOOL BitButtonInit();
// Registers "BITBUTTON" once (later calls do nothing); FALSE when it cannot be registered.
BOOL RegisterBitButtonClass();
// The state block of a BITBUTTON window (null for any other window).
KvBitButtonState* GetBitButtonState(HWND button);
// The window procedure of the class.
LRESULT CALLBACK BitButtonWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
