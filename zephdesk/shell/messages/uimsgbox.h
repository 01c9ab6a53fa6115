// The designer's plain message boxes: a printf-style text, or a string-table text filled
// with arguments, always captioned with the product word whatever caption the caller
// passes, owned by the main window or by a given window. All go through the message
// presenter. Each returns the button pressed, or -1 when the string id has no text.
#pragma once

#include "foundation/kvwintypes.h"

struct HINSTANCE__;
typedef HINSTANCE__* HINSTANCE;

// The caption of every box.
inline constexpr const char kUIBoxCaption[] = "Flowsmith";

// The window that owns boxes shown without a window (null: no owner).
HWND UIGetMainWindow();
void UISetMainWindow(HWND window);

int UIMessageBox(const char* format, const char* caption, UINT flags, ...);
int UIMessageBoxRes(UINT stringId, const char* caption, UINT flags, ...);
int UIMessageBoxWnd(HWND window, const char* format, const char* caption, UINT flags, ...);
int UIMessageBoxResWnd(HWND window, UINT stringId, const char* caption, UINT flags, ...);
// The text comes from module, or from the designer's string source when module is null.
int UIMessageBoxModRes(HWND window, HINSTANCE module, UINT stringId, const char* caption, UINT flags, ...);

// Loads text stringId of module (null: the designer's string source) into buf; the count
// of characters, 0 when there is no text.
int UILoadBoxString(HINSTANCE module, UINT stringId, char* buf, int size);
