// KvMainFrame: the framework's object over the designer's main frame window. It keeps the
// frame's client window beside a docked palette, carries an image drag from the palette
// or a page onto a page (class "UIOBJECTCHILD"), and switches the full-screen mode.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "kvwnd.h"

class KvInnerWnd;
class KvPaletteManager;

// Private messages of a drag onto a page's canvas window.
constexpr UINT kKvMsgDrop = 0x4CE;       // wParam: the drag data; lParam: MAKELONG(x, y), screen
constexpr UINT kKvMsgDragOver = 0x4CF;   // lParam: POINT* in the canvas's client coordinates
constexpr UINT kKvMsgTabSelected = 0x4D0;  // lParam: the data of the palette tab selected
constexpr UINT kKvMsgDragStarts = 0x4D2;   // a palette entry starts to be dragged

// Scrolls a page while something is dragged near its edge (the editor installs it):
// the page object given to DragMove and the point in the page's parent's client coordinates.
using KvAutoScrollAtEdge = std::function<void(void* page, int x, int y)>;

class KvMainFrame : public KvWnd {
public:
    KvMainFrame() = default;
    // The frame window belongs to the shell: the object forgets it and never destroys it.
    ~KvMainFrame() override;

    // The palette's content window (null without a palette manager or content window).
    KvInnerWnd* GetInWnd() const;
    void GetClientWndRect(RECT* rect) const;
    void MoveClientWnd(const RECT* rect);

    void BeginDrag(HIMAGELIST image, int x, int y, DWORD data, const POINT* hotSpot);
    // page: the page window that runs the drag, or null for a drag from the palette.
    void DragMove(UINT flags, int x, int y, void* page);
    void EndDrag(int x, int y, BOOL quietOutside);
    // Ends the image drag without dropping anything (the drag was cancelled).
    void CancelDrag();

    void ToggleFullScreen();
    BOOL IsFullScreen() const { return m_bFullScreen; }
    const RECT& GetFullScreenRect() const { return m_fullScreenRect; }

    static void SetAutoScrollAtEdge(KvAutoScrollAtEdge scroll);

    HWND m_hWndMDIClient = nullptr;
    KvPaletteManager* m_pPaletteManager = nullptr;

private:
    DWORD m_dwDragData = 0;
    HWND m_hDropParent = nullptr;
    POINT m_lastPoint{};
    BOOL m_bFullScreen = FALSE;
    WINDOWPLACEMENT m_savedPlacement{};
    RECT m_fullScreenRect{};
};
