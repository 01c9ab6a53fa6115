// The block palette: one window, docked at the left edge of the main frame's client area or
// floating as a small tool window. KvPaletteManager owns it and its content window, runs
// the move that docks or floats it, and keeps the frame's client window beside a docked
// palette. KvDragWnd is the palette window; KvInnerWnd is the plain content window.
#pragma once

#include <windows.h>

#include "foundation/kvstring.h"
#include "kvdc.h"
#include "kvwnd.h"

class KvMainFrame;
class KvPaletteManager;

class KvInnerWnd : public KvWnd {
public:
    ~KvInnerWnd() override = default;

    BOOL Create(HWND parent, int x, int y, int cx, int cy);
    BOOL Create(HWND parent, const RECT& rect);
    void DestroyWindow() override;
};

class KvDragWnd : public KvWnd {
public:
    explicit KvDragWnd(KvPaletteManager* manager) : m_pManager(manager) {}
    ~KvDragWnd() override = default;

    BOOL Create(const char* title, int x, int y, int cx, int cy, HWND parent, BOOL floating);
    // The place of a docked palette's content window.
    void GetInnerRect(RECT* rect) const;
    static int GetGripWidth() { return 5; }

    void OnClose() override;
    void OnReserved() override;
    void OnLButtonDown(UINT flags, int x, int y) override;
    void OnLButtonDblClk(UINT flags, int x, int y) override;
    LRESULT OnNcHitTest(int x, int y) override;
    void OnPaint() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnCancelDrag(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    KvPaletteManager* m_pManager;
};

class KvPaletteManager {
public:
    explicit KvPaletteManager(KvMainFrame* frame);
    // The windows must have been destroyed through DestroyPalette.
    virtual ~KvPaletteManager();
    KvPaletteManager(const KvPaletteManager&) = delete;
    KvPaletteManager& operator=(const KvPaletteManager&) = delete;

    // Makes the content window (each palette kind makes its own).
    virtual KvInnerWnd* CreateInnerWnd();

    void CreatePalette();
    void DestroyPalette();
    void Close() { DestroyPalette(); }
    // The move of the palette, a modal loop until the button is released, the capture is
    // lost or Esc is pressed.
    void DragLoop();
    void ToggleDock();
    void Recreate();
    void OnPaletteSized(int cx, int cy);
    void Resize(int frameWidth);
    KvInnerWnd* GetInnerWnd() const { return m_pInnerWnd; }
    // Ends a running move without moving anything (capture lost, Esc).
    void CancelDrag();

    BOOL IsFloating() const { return m_bFloating; }
    BOOL IsDragging() const { return m_bDragging; }
    POINT GetFloatingPosition() const { return m_floatingPos; }
    SIZE GetFloatingSize() const { return m_floatingSize; }
    POINT GetDockedPosition() const { return m_dockedPos; }
    SIZE GetDockedSize() const { return m_dockedSize; }
    const char* GetPaletteClassName() const;

    KvDragWnd* m_pPalette = nullptr;

private:
    void DrawFeedback(const RECT& rect);
    void EndMove();
    RECT ClientWndRectInFrame() const;

    KvMainFrame* m_pFrame;
    KvInnerWnd* m_pInnerWnd = nullptr;
    CString* m_pClassName = nullptr;
    BOOL m_bDragging = FALSE;
    BOOL m_bCancelled = FALSE;
    KvDC* m_pDragDC = nullptr;
    RECT m_lastRect{};
    BOOL m_bFirstMove = TRUE;
    POINT m_grab{};
    BOOL m_bFloating = FALSE;
    BOOL m_bNewState = FALSE;
    POINT m_floatingPos{300, 300};
    POINT m_dockedPos{0, 0};
    SIZE m_floatingSize{526, 244};
    SIZE m_dockedSize{213, 200};
};
