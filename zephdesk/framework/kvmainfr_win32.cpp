#include "kvmainfr.h"

#include <cstring>
#include <utility>

#include "foundation/kvflthnd.h"
#include "kvbeep.h"
#include "kvimglst.h"
#include "kvpalmgr.h"
#include "shellservices.h"

namespace {

constexpr char kCanvasClass[] = "UIOBJECTCHILD";
constexpr UINT kCannotMoveBetweenPages = 52;

KvAutoScrollAtEdge& AutoScroll()
{
    static KvAutoScrollAtEdge scroll;
    return scroll;
}

bool IsCanvas(HWND window)
{
    char name[20] = "";
    ::GetClassNameA(window, name, sizeof name);
    return std::strcmp(name, kCanvasClass) == 0;
}

}  // namespace

KvMainFrame::~KvMainFrame()
{
    m_hWnd = nullptr;
}

void KvMainFrame::SetAutoScrollAtEdge(KvAutoScrollAtEdge scroll)
{
    AutoScroll() = std::move(scroll);
}

KvInnerWnd* KvMainFrame::GetInWnd() const
{
    return m_pPaletteManager != nullptr ? m_pPaletteManager->GetInnerWnd() : nullptr;
}

void KvMainFrame::GetClientWndRect(RECT* rect) const
{
    ::GetWindowRect(m_hWndMDIClient, rect);
}

void KvMainFrame::MoveClientWnd(const RECT* rect)
{
    ::MoveWindow(m_hWndMDIClient, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, FALSE);
    ::InvalidateRect(m_hWndMDIClient, nullptr, TRUE);
}

void KvMainFrame::BeginDrag(HIMAGELIST image, int x, int y, DWORD data, const POINT* hotSpot)
{
    m_dwDragData = data;
    m_lastPoint = POINT{x, y};
    m_hDropParent = ::GetWindow(m_hWndMDIClient, GW_CHILD);
    const POINT hot = hotSpot != nullptr ? *hotSpot : POINT{0, 0};
    ImageList_BeginDrag(image, 0, hot.x, hot.y);
    ImageList_DragEnter(::GetDesktopWindow(), x, y);
}

void KvMainFrame::DragMove(UINT, int x, int y, void* page)
{
    POINT hot{};
    HIMAGELIST drag = ImageList_GetDragImage(nullptr, &hot);
    int dragWidth = 0, dragHeight = 0;
    if (drag != nullptr)
        ImageList_GetIconSize(drag, &dragWidth, &dragHeight);
    int iconWidth = 0;
    IMAGEINFO info{};
    if (KvImageListEx* icons = GetResizedPaletteImageList(); icons != nullptr && icons->GetImageInfo(0, &info))
        iconWidth = info.rcImage.right - info.rcImage.left;
    const int correction = dragWidth / 2 - iconWidth / 2;

    POINT probe{x - hot.x + correction, y - hot.y};
    HWND window = ::WindowFromPoint(probe);
    ShellServices* services = KvGetShellServices();
    if (window != nullptr && ::GetParent(window) == m_hDropParent && IsCanvas(window)) {
        if (services != nullptr)
            services->SetArrowCursor();
        ::ScreenToClient(window, &probe);
        ::SendMessageA(window, kKvMsgDragOver, 0, reinterpret_cast<LPARAM>(&probe));
        ::ClientToScreen(window, &probe);
    } else if (page == nullptr) {
        if (services != nullptr)
            services->SetNoCursor();
    } else {
        ::ScreenToClient(m_hDropParent, &probe);
        if (AutoScroll())
            AutoScroll()(page, probe.x, probe.y);
        ::ClientToScreen(m_hDropParent, &probe);
    }
    m_lastPoint = probe;
    ImageList_DragMove(probe.x + hot.x - correction, probe.y + hot.y);
}

void KvMainFrame::EndDrag(int x, int y, BOOL quietOutside)
{
    POINT hot{};
    ImageList_GetDragImage(nullptr, &hot);
    ImageList_DragLeave(::GetDesktopWindow());
    ImageList_EndDrag();
    HWND window = ::WindowFromPoint(POINT{x - hot.x, y - hot.y});
    if (window != nullptr && ::GetParent(window) == m_hDropParent) {
        if (IsCanvas(window))
            ::SendMessageA(window, kKvMsgDrop, m_dwDragData,
                           MAKELONG(static_cast<WORD>(m_lastPoint.x), static_cast<WORD>(m_lastPoint.y)));
        else
            KvBeep(0);
        return;
    }
    if (quietOutside) {
        KvBeep(0);
        return;
    }
    if (KvFaultHandlerObj* handler = KvGetFaultHandler()) {
        const KvFaultMessage message(kCannotMoveBetweenPages);
        handler->Report(0x20000, 1, 0, 0, &message, nullptr, 0, __FILE__, __LINE__);
    }
}

void KvMainFrame::CancelDrag()
{
    ImageList_DragLeave(::GetDesktopWindow());
    ImageList_EndDrag();
}

void KvMainFrame::ToggleFullScreen()
{
    WINDOWPLACEMENT placement{};
    if (!m_bFullScreen) {
        m_savedPlacement = WINDOWPLACEMENT{};
        m_savedPlacement.length = sizeof(WINDOWPLACEMENT);
        ::GetWindowPlacement(m_hWnd, &m_savedPlacement);
        if (m_savedPlacement.ptMinPosition.x == -1)
            m_savedPlacement.ptMinPosition.x = 0;
        if (m_savedPlacement.ptMaxPosition.x == -1)
            m_savedPlacement.ptMaxPosition.x = 0;
        RECT screen{};
        ::GetWindowRect(::GetDesktopWindow(), &screen);
        const DWORD style = static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE));
        const DWORD exStyle = static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE));
        ::AdjustWindowRectEx(&screen, style, TRUE, exStyle);
        // The menu bar stays on the screen.
        screen.top += ::GetSystemMetrics(SM_CYMENU);
        m_fullScreenRect = screen;
        placement = m_savedPlacement;
        placement.showCmd = SW_SHOWNORMAL;
        placement.rcNormalPosition = screen;
        m_bFullScreen = TRUE;
    } else {
        placement = m_savedPlacement;
        m_bFullScreen = FALSE;
    }
    if (ShellServices* services = KvGetShellServices())
        services->UpdateCommandStates();
    LockWindowUpdate();
    ::SendMessageA(m_hWndMDIClient, WM_SETREDRAW, FALSE, 0);
    ::SetWindowPlacement(m_hWnd, &placement);
    UnlockWindowUpdate();
    ::SendMessageA(m_hWndMDIClient, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(nullptr, nullptr, TRUE);
}
