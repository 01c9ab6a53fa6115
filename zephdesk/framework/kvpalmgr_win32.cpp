#include "kvpalmgr.h"

#include <windowsx.h>

#include "kvcheck.h"
#include "kvmainfr.h"
#include "kvpaldock.h"
#include "shellservices.h"

namespace {

constexpr char kPaletteClass[] = "Palette Class";
constexpr char kPaletteTitle[] = "Block palette";
constexpr DWORD kDockedStyle = 0x56000000;    // child, visible, clip siblings and children
constexpr DWORD kFloatingStyle = 0x96CC0000;  // pop-up with caption, system menu, sizing frame
constexpr DWORD kFloatingExStyle = 0x180;     // tool window, window edge

void RefreshCommandStates()
{
    if (ShellServices* services = KvGetShellServices())
        services->UpdateCommandStates();
}

// Registers a class of the framework's window procedure; an existing class serves as well.
bool RegisterFrameworkClass(const char* name, LPCSTR cursor)
{
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &KvWnd::WindowProc;
    wc.hInstance = KvWnd::GetCreationInstance();
    wc.hCursor = ::LoadCursorA(nullptr, cursor);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = name;
    const ATOM a = ::RegisterClassA(&wc);
    return KV_ASSERT(a!=0 || ::GetLastError()==ERROR_CLASS_ALREADY_EXISTS);
}

CString& InnerClassName()
{
    static CString name;
    return name;
}

}  // namespace

// --- content window -------------------------------------------------------------------

BOOL KvInnerWnd::Create(HWND parent, int x, int y, int cx, int cy)
{
    if (InnerClassName().IsEmpty()) {
        if (!RegisterFrameworkClass("KvInnerWnd Class", MAKEINTRESOURCEA(32512)))  // IDC_ARROW
            return FALSE;
        InnerClassName() = "KvInnerWnd Class";
    }
    return KvWnd::Create(0, InnerClassName(), "InnerWnd", kDockedStyle, x, y, cx, cy, parent, nullptr, nullptr);
}

BOOL KvInnerWnd::Create(HWND parent, const RECT& rect)
{
    return Create(parent, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

void KvInnerWnd::DestroyWindow()
{
    KvWnd::DestroyWindow();
}

// --- palette window -------------------------------------------------------------------

BOOL KvDragWnd::Create(const char* title, int x, int y, int cx, int cy, HWND parent, BOOL floating)
{
    return KvWnd::Create(floating ? kFloatingExStyle : 0, m_pManager->GetPaletteClassName(), title,
                         floating ? kFloatingStyle : kDockedStyle, x, y, cx, cy, parent, nullptr, nullptr);
}

void KvDragWnd::GetInnerRect(RECT* rect) const
{
    GetClientRect(rect);
    ::InflateRect(rect, -6, -6);
    rect->right -= GetGripWidth();
    ::InflateRect(rect, -::GetSystemMetrics(SM_CXEDGE), -::GetSystemMetrics(SM_CYEDGE));
}

void KvDragWnd::OnClose()
{
    // Destroys and deletes this window object: nothing of it is used afterwards.
    m_pManager->DestroyPalette();
}

void KvDragWnd::OnReserved()
{
    KvWnd::OnReserved();
}

void KvDragWnd::OnLButtonDown(UINT, int, int)
{
    m_pManager->DragLoop();
}

void KvDragWnd::OnLButtonDblClk(UINT, int, int)
{
    m_pManager->ToggleDock();
}

LRESULT KvDragWnd::OnNcHitTest(int x, int y)
{
    LRESULT hit = KvWnd::OnNcHitTest(x, y);
    if (hit == HTCAPTION)
        return HTCLIENT;
    if (hit == HTCLIENT) {
        RECT grip{};
        GetWindowRect(&grip);
        grip.left = grip.right - GetGripWidth();
        const POINT point{x, y};
        if (::PtInRect(&grip, point))
            return HTRIGHT;
    }
    return hit;
}

void KvDragWnd::OnPaint()
{
    KvPaintDC dc(this);
    RECT rect{};
    GetClientRect(&rect);
    rect.right += 2;
    ::DrawEdge(dc.m_hDC, &rect, EDGE_RAISED, BF_RIGHT);
    rect.right -= GetGripWidth();
    ::DrawEdge(dc.m_hDC, &rect, EDGE_SUNKEN, BF_TOP | BF_RIGHT | BF_BOTTOM);
}

void KvDragWnd::OnSize(UINT, int cx, int cy)
{
    m_pManager->OnPaletteSized(cx, cy);
}

void KvDragWnd::OnCancelDrag(UINT message, WPARAM wParam, LPARAM lParam)
{
    const bool lostCapture = message != WM_CAPTURECHANGED || reinterpret_cast<HWND>(lParam) != m_hWnd;
    if (m_pManager->IsDragging() && lostCapture)
        m_pManager->CancelDrag();
    else
        KvWnd::OnCancelDrag(message, wParam, lParam);
}

// --- manager --------------------------------------------------------------------------

KvPaletteManager::KvPaletteManager(KvMainFrame* frame) : m_pFrame(frame) {}

KvPaletteManager::~KvPaletteManager()
{
    KV_ASSERT(m_pPalette==0);
    delete m_pClassName;
}

KvInnerWnd* KvPaletteManager::CreateInnerWnd()
{
    KV_ASSERT(0);
    return nullptr;
}

const char* KvPaletteManager::GetPaletteClassName() const
{
    return m_pClassName != nullptr ? static_cast<const char*>(*m_pClassName) : kPaletteClass;
}

RECT KvPaletteManager::ClientWndRectInFrame() const
{
    RECT rect{};
    m_pFrame->GetClientWndRect(&rect);
    ::MapWindowPoints(nullptr, m_pFrame->m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void KvPaletteManager::CreatePalette()
{
    if (m_pClassName == nullptr) {
        if (!RegisterFrameworkClass(kPaletteClass, MAKEINTRESOURCEA(32646)))  // IDC_SIZEALL
            return;
        m_pClassName = new CString(kPaletteClass);
    }
    if (!KV_ASSERT(m_pPalette==0))
        return;
    m_pPalette = new KvDragWnd(this);

    POINT place = m_floatingPos;
    SIZE size = m_floatingSize;
    if (!m_bFloating) {
        const RECT client = ClientWndRectInFrame();
        m_dockedSize.cy = client.bottom - client.top;
        m_dockedPos.y = client.top;
        place = m_dockedPos;
        size = m_dockedSize;
    }
    if (!m_pPalette->Create(kPaletteTitle, place.x, place.y, size.cx, size.cy, m_pFrame->m_hWnd, m_bFloating)) {
        delete m_pPalette;
        m_pPalette = nullptr;
        return;
    }

    RECT content{};
    if (m_bFloating)
        m_pPalette->GetClientRect(&content);
    else
        m_pPalette->GetInnerRect(&content);
    if (m_pInnerWnd == nullptr) {
        m_pInnerWnd = CreateInnerWnd();
        if (m_pInnerWnd != nullptr && !m_pInnerWnd->Create(m_pPalette->m_hWnd, content)) {
            delete m_pInnerWnd;
            m_pInnerWnd = nullptr;
        }
    } else {
        m_pInnerWnd->SetParent(m_pPalette);
        m_pInnerWnd->MoveWindow(content, TRUE);
    }
    RefreshCommandStates();
}

void KvPaletteManager::DestroyPalette()
{
    if (m_pInnerWnd != nullptr) {
        if (::IsWindow(m_pInnerWnd->m_hWnd))
            m_pInnerWnd->DestroyWindow();
        delete m_pInnerWnd;
        m_pInnerWnd = nullptr;
    }
    if (m_pPalette != nullptr) {
        if (m_bDragging)
            CancelDrag();
        if (::IsWindow(m_pPalette->m_hWnd))
            m_pPalette->DestroyWindow();
        delete m_pPalette;
        m_pPalette = nullptr;
    }
    RefreshCommandStates();
}

void KvPaletteManager::DrawFeedback(const RECT& rect)
{
    RECT frame = rect;
    for (int i = 0; i < 3; ++i) {
        ::DrawFocusRect(m_pDragDC->m_hDC, &frame);
        ::InflateRect(&frame, -1, -1);
    }
}

void KvPaletteManager::EndMove()
{
    if (!m_bFirstMove)
        DrawFeedback(m_lastRect);
    m_bDragging = FALSE;
    if (m_pPalette != nullptr && ::GetCapture() == m_pPalette->m_hWnd)
        ::ReleaseCapture();
    KvWnd::UnlockWindowUpdate();
    KvWnd* desktop = KvWnd::GetDesktopWindow();
    desktop->ReleaseDC(m_pDragDC);
    m_pDragDC = nullptr;
}

void KvPaletteManager::CancelDrag()
{
    m_bCancelled = TRUE;
}

void KvPaletteManager::DragLoop()
{
    if (m_pPalette == nullptr || m_bDragging)
        return;
    m_bDragging = TRUE;
    m_bCancelled = FALSE;
    RECT palette{};
    m_pPalette->GetWindowRect(&palette);
    ::SetCapture(m_pPalette->m_hWnd);
    KvWnd* desktop = KvWnd::GetDesktopWindow();
    m_pDragDC = desktop->LockWindowUpdate() ? desktop->GetDCEx(DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE)
                                            : desktop->GetDCEx(DCX_WINDOW | DCX_CACHE);
    if (!KV_ASSERT(m_pDragDC!=0)) {
        m_bDragging = FALSE;
        ::ReleaseCapture();
        KvWnd::UnlockWindowUpdate();
        return;
    }
    m_bFirstMove = TRUE;
    m_bNewState = m_bFloating;

    KvPaletteMove move;
    move.paletteWidth = palette.right - palette.left;
    POINT drop{};
    bool released = false;
    MSG msg;
    while (m_bDragging) {
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            // The program is ending: stop the move and leave the quit to the main loop.
            EndMove();
            if (got == 0)
                ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP) {
            POINT point{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
            ::ClientToScreen(msg.hwnd, &point);
            RECT client{};
            m_pFrame->GetClientWndRect(&client);
            if (msg.message == WM_LBUTTONUP) {
                drop = point;
                released = true;
                EndMove();
                break;
            }
            if (m_bFirstMove) {
                move.grabX = palette.left - point.x;
                move.grabY = palette.top - point.y;
            }
            move.cursorX = point.x;
            move.cursorY = point.y;
            move.clientLeft = client.left;
            move.clientHeight = client.bottom - client.top;
            move.dockedWidth = m_dockedSize.cx;
            move.floatingWidth = m_floatingSize.cx;
            move.floatingHeight = m_floatingSize.cy;
            const KvPaletteCandidate candidate = KvPaletteCandidateOf(move);
            m_bNewState = candidate.floating;
            const RECT rect{candidate.left, candidate.top, candidate.right, candidate.bottom};
            if (m_bFirstMove || !::EqualRect(&rect, &m_lastRect)) {
                if (!m_bFirstMove)
                    DrawFeedback(m_lastRect);
                DrawFeedback(rect);
                m_bFirstMove = FALSE;
                m_lastRect = rect;
            }
        } else if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            m_bCancelled = TRUE;
        } else {
            ::DispatchMessageA(&msg);
        }
        if (m_bCancelled) {
            EndMove();
            return;
        }
    }
    // A press without any move changes nothing; a palette closed meanwhile is gone.
    if (!released || m_bFirstMove || m_pPalette == nullptr)
        return;
    drop.x += move.grabX;
    drop.y += move.grabY;
    if (m_bNewState == m_bFloating) {
        if (m_bFloating) {
            m_floatingPos = drop;
            m_pPalette->MoveWindow(drop.x, drop.y, m_floatingSize.cx, m_floatingSize.cy, TRUE);
        }
        return;
    }
    m_bFloating = m_bNewState;
    if (m_bFloating)
        m_floatingPos = drop;
    Recreate();
}

void KvPaletteManager::ToggleDock()
{
    m_bFloating = !m_bFloating;
    Recreate();
}

void KvPaletteManager::Recreate()
{
    KvDragWnd* old = m_pPalette;
    m_pPalette = nullptr;
    CreatePalette();
    if (old != nullptr) {
        if (::IsWindow(old->m_hWnd))
            old->DestroyWindow();
        delete old;
    }
    RECT client = ClientWndRectInFrame();
    client.left = m_bFloating ? m_dockedPos.x : m_dockedPos.x + m_dockedSize.cx;
    m_pFrame->MoveClientWnd(&client);
}

void KvPaletteManager::OnPaletteSized(int cx, int cy)
{
    if (m_pPalette == nullptr)
        return;
    if (!m_bFloating) {
        const SIZE old = m_dockedSize;
        m_dockedSize = SIZE{cx, cy};
        m_pPalette->Invalidate();
        RECT client = ClientWndRectInFrame();
        client.left += cx - old.cx;
        client.bottom += cy - old.cy;
        m_pFrame->MoveClientWnd(&client);
    } else {
        RECT window{};
        m_pPalette->GetWindowRect(&window);
        m_floatingSize = SIZE{window.right - window.left, window.bottom - window.top};
    }
    if (m_pInnerWnd != nullptr && ::IsWindow(m_pInnerWnd->m_hWnd)) {
        RECT content{};
        if (m_bFloating)
            m_pPalette->GetClientRect(&content);
        else
            m_pPalette->GetInnerRect(&content);
        m_pInnerWnd->MoveWindow(content, TRUE);
    }
}

void KvPaletteManager::Resize(int frameWidth)
{
    if (m_bFloating || m_pPalette == nullptr)
        return;
    const RECT client = ClientWndRectInFrame();
    const int height = client.bottom - client.top;
    m_dockedSize.cy = height;
    m_pPalette->Invalidate();
    m_pPalette->MoveWindow(0, client.top, m_dockedSize.cx, m_dockedSize.cy, TRUE);
    const RECT moved{m_dockedSize.cx, client.top, frameWidth, client.top + height};
    m_pFrame->MoveClientWnd(&moved);
    if (m_pInnerWnd != nullptr && ::IsWindow(m_pInnerWnd->m_hWnd)) {
        RECT content{};
        m_pPalette->GetInnerRect(&content);
        m_pInnerWnd->MoveWindow(content, TRUE);
    }
}
