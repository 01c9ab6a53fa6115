#include "kvwnd.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "kvcheck.h"
#include "kvdc.h"

KvWnd* KvWndImpl::m_pNextWndToConnect = nullptr;
KvWnd* KvWndImpl::m_pDesktopWindow = nullptr;
HINSTANCE KvWndImpl::m_hCreationInstance = nullptr;

namespace {

// One binding of the window map. A binding whose object is being deleted stays until the
// window's WM_NCDESTROY, but its messages go to the default procedure.
struct Binding {
    HWND hWnd;
    KvWnd* pWnd;
    bool dying;
};

// Bindings in creation order; the first binding of a handle wins. A binding is dropped at
// its window's WM_NCDESTROY, so a reused handle never reaches a deleted object.
std::vector<Binding>& Bindings()
{
    static std::vector<Binding> bindings;
    return bindings;
}

Binding* FindBinding(HWND hWnd)
{
    for (Binding& binding : Bindings())
        if (binding.hWnd == hWnd)
            return &binding;
    return nullptr;
}

void DropBinding(HWND hWnd)
{
    auto& bindings = Bindings();
    auto found = std::find_if(bindings.begin(), bindings.end(), [hWnd](const Binding& b) { return b.hWnd == hWnd; });
    if (found != bindings.end())
        bindings.erase(found);
}

}  // namespace

KvWndImpl::~KvWndImpl()
{
    delete m_pDC;
}

KvWnd* KvWndImpl::Lookup(HWND hWnd)
{
    const Binding* binding = FindBinding(hWnd);
    return binding != nullptr && !binding->dying ? binding->pWnd : nullptr;
}

int KvWndImpl::BindingCount()
{
    return static_cast<int>(Bindings().size());
}

KvWnd::KvWnd() : m_pImpl(new KvWndImpl(this)) {}

KvWnd::~KvWnd()
{
    if (!KV_ASSERT(m_hWnd==0) && ::IsWindow(m_hWnd)) {
        // The window outlives its object: destroy it now, its messages going to the
        // default procedure, so that nothing reaches the object being deleted.
        if (Binding* binding = FindBinding(m_hWnd); binding != nullptr && binding->pWnd == this)
            binding->dying = true;
        if (m_pImpl->m_pDC != nullptr)
            ::ReleaseDC(m_hWnd, m_pImpl->m_pDC->m_hDC);
        ::DestroyWindow(m_hWnd);
    }
    for (auto& binding : Bindings())
        if (binding.pWnd == this)
            binding.dying = true;
    if (KvWndImpl::m_pNextWndToConnect == this)
        KvWndImpl::m_pNextWndToConnect = nullptr;
    delete m_pImpl;
}

BOOL KvWnd::Create(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y, int cx,
                   int cy, HWND hwndParent, HMENU hMenu, void* lpParam)
{
    if (!KV_ASSERT(m_pImpl->m_pNextWndToConnect==0))
        return FALSE;
    if (!KV_ASSERT(::IsWindow(hwndParent)))
        return FALSE;
    m_pImpl->m_pNextWndToConnect = this;
    KvWndImpl::m_hCreationInstance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(hwndParent, GWLP_HINSTANCE));
    HWND hWnd = ::CreateWindowExA(exStyle, className, windowName, style, x, y, cx, cy, hwndParent, hMenu,
                                  KvWndImpl::m_hCreationInstance, lpParam);
    // A window of another class (a control) never consumes the pending object; a failed
    // creation neither. Either way the next creation must find nothing pending.
    if (KvWndImpl::m_pNextWndToConnect == this)
        KvWndImpl::m_pNextWndToConnect = nullptr;
    if (hWnd == nullptr)
        return FALSE;
    const auto proc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
    if (proc == &KvWnd::WindowProc)
        KV_ASSERT(hWnd==m_hWnd);
    else
        m_hWnd = hWnd;
    return TRUE;
}

LRESULT CALLBACK KvWnd::WindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Binding* binding = FindBinding(hWnd);
    if (binding == nullptr) {
        KvWnd* pending = KvWndImpl::m_pNextWndToConnect;
        if ((msg == WM_NCCREATE || msg == WM_GETMINMAXINFO) && pending != nullptr) {
            pending->m_hWnd = hWnd;
            KvWndImpl::m_pNextWndToConnect = nullptr;
            Bindings().push_back({hWnd, pending, false});
            binding = &Bindings().back();
        } else {
            KV_ASSERT(0);
            return ::DefWindowProcA(hWnd, msg, wParam, lParam);
        }
    }
    if (binding->dying) {
        const LRESULT result = ::DefWindowProcA(hWnd, msg, wParam, lParam);
        if (msg == WM_NCDESTROY)
            DropBinding(hWnd);
        return result;
    }
    KvWnd* pWnd = binding->pWnd;
    if (!KV_ASSERT(pWnd!=0) || !KV_CHECK(::IsWindow(pWnd->m_hWnd), "(0)"))
        return ::DefWindowProcA(hWnd, msg, wParam, lParam);

    // A handler may delete its own object (closing a palette does): after a dispatch,
    // nothing of pWnd is touched again.
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    switch (msg) {
    case WM_CREATE: {
        const LRESULT lR = pWnd->OnCreate(reinterpret_cast<CREATESTRUCTA*>(lParam));
        KV_ASSERT(lR==0);
        return lR;
    }
    case WM_SIZE:
        pWnd->OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_PAINT:
        pWnd->OnPaint();
        return 0;
    case WM_CLOSE:
        pWnd->OnClose();
        return 0;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header != nullptr && header->code == static_cast<UINT>(TCN_SELCHANGE)) {
            pWnd->OnTabSelChange();
            return 0;
        }
        if (header != nullptr && header->code == static_cast<UINT>(LVN_BEGINDRAG)) {
            pWnd->OnListBeginDrag(header);
            return 0;
        }
        return ::DefWindowProcA(hWnd, msg, wParam, lParam);
    }
    case WM_NCDESTROY: {
        const LRESULT lR = ::DefWindowProcA(hWnd, msg, wParam, lParam);
        KV_ASSERT(lR==0);
        pWnd->m_hWnd = nullptr;
        DropBinding(hWnd);
        return lR;
    }
    case WM_NCHITTEST:
        return pWnd->OnNcHitTest(x, y);
    case WM_MOUSEMOVE:
        pWnd->OnMouseMove(static_cast<UINT>(wParam), x, y);
        return 0;
    case WM_LBUTTONDOWN:
        pWnd->OnLButtonDown(static_cast<UINT>(wParam), x, y);
        return 0;
    case WM_LBUTTONUP:
        pWnd->OnLButtonUp(static_cast<UINT>(wParam), x, y);
        return 0;
    case WM_LBUTTONDBLCLK:
        pWnd->OnLButtonDblClk(static_cast<UINT>(wParam), x, y);
        return 0;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
        pWnd->OnCancelDrag(msg, wParam, lParam);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) {
            pWnd->OnCancelDrag(msg, wParam, lParam);
            return 0;
        }
        return ::DefWindowProcA(hWnd, msg, wParam, lParam);
    case 0x4C9:
        pWnd->OnMessage4C9(lParam);
        return 0;
    case 0x4CA:
        pWnd->OnMessage4CA();
        return 0;
    case 0x4CB:
        pWnd->OnMessage4CB(wParam, lParam);
        return 0;
    case 0x4CC:
        pWnd->OnMessage4CC(wParam);
        return 0;
    case 0x4D1:
        pWnd->OnMessage4D1();
        return 0;
    default:
        return ::DefWindowProcA(hWnd, msg, wParam, lParam);
    }
}

LRESULT KvWnd::Default(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcA(m_hWnd, msg, wParam, lParam);
}

void KvWnd::DestroyWindow()
{
    if (!KV_ASSERT(::IsWindow(m_hWnd)))
        return;
    ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
}

void KvWnd::OnClose()
{
    Default(WM_CLOSE, 0, 0);
}

LRESULT KvWnd::OnCreate(CREATESTRUCTA* createStruct)
{
    return Default(WM_CREATE, 0, reinterpret_cast<LPARAM>(createStruct));
}

void KvWnd::OnReserved() {}

void KvWnd::OnLButtonDown(UINT flags, int x, int y)
{
    Default(WM_LBUTTONDOWN, flags, MAKELPARAM(x, y));
}

void KvWnd::OnLButtonDblClk(UINT flags, int x, int y)
{
    Default(WM_LBUTTONDBLCLK, flags, MAKELPARAM(x, y));
}

void KvWnd::OnLButtonUp(UINT flags, int x, int y)
{
    Default(WM_LBUTTONUP, flags, MAKELPARAM(x, y));
}

void KvWnd::OnMouseMove(UINT flags, int x, int y)
{
    Default(WM_MOUSEMOVE, flags, MAKELPARAM(x, y));
}

LRESULT KvWnd::OnNcHitTest(int x, int y)
{
    return Default(WM_NCHITTEST, 0, MAKELPARAM(x, y));
}

void KvWnd::OnPaint()
{
    Default(WM_PAINT, 0, 0);
}

void KvWnd::OnSize(UINT type, int cx, int cy)
{
    Default(WM_SIZE, type, MAKELPARAM(cx, cy));
}

void KvWnd::OnListBeginDrag(NMHDR*)
{
    KV_ASSERT(0);
    Default(WM_NOTIFY, 0, 0);
}

void KvWnd::OnTabSelChange()
{
    KV_ASSERT(0);
    Default(WM_NOTIFY, 0, 0);
}

void KvWnd::OnMessage4C9(LPARAM lParam)
{
    KV_ASSERT(0);
    Default(0x4C9, 0, lParam);
}

void KvWnd::OnMessage4CA()
{
    KV_ASSERT(0);
    Default(0x4CA, 0, 0);
}

void KvWnd::OnMessage4CB(WPARAM, LPARAM)
{
    KV_ASSERT(0);
    Default(0x4CB, 0, 0);
}

void KvWnd::OnMessage4CC(WPARAM)
{
    KV_ASSERT(0);
    Default(0x4CC, 0, 0);
}

void KvWnd::OnMessage4D1()
{
    KV_ASSERT(0);
    Default(0x4D1, 0, 0);
}

void KvWnd::OnCancelDrag(UINT message, WPARAM wParam, LPARAM lParam)
{
    Default(message, wParam, lParam);
}

void KvWnd::GetWindowRect(RECT* rect) const
{
    if (!KV_CHECK(::IsWindow(m_hWnd), "(0)"))
        return;
    ::GetWindowRect(m_hWnd, rect);
}

void KvWnd::GetClientRect(RECT* rect) const
{
    if (!KV_ASSERT(::IsWindow(m_hWnd)))
        return;
    ::GetClientRect(m_hWnd, rect);
}

HINSTANCE KvWnd::GetCreationInstance()
{
    // Before any creation the program's own module serves.
    return KvWndImpl::m_hCreationInstance != nullptr ? KvWndImpl::m_hCreationInstance : ::GetModuleHandleA(nullptr);
}

KvWnd* KvWnd::GetDesktopWindow()
{
    if (KvWndImpl::m_pDesktopWindow == nullptr) {
        KvWndImpl::m_pDesktopWindow = new KvWnd;
        KvWndImpl::m_pDesktopWindow->m_hWnd = ::GetDesktopWindow();
    }
    KV_ASSERT(::IsWindow(KvWndImpl::m_pDesktopWindow->m_hWnd));
    return KvWndImpl::m_pDesktopWindow;
}

BOOL KvWnd::LockWindowUpdate()
{
    if (!KV_ASSERT(::IsWindow(m_hWnd)))
        return FALSE;
    return ::LockWindowUpdate(m_hWnd);
}

void KvWnd::UnlockWindowUpdate()
{
    ::LockWindowUpdate(nullptr);
}

BOOL KvWnd::MoveWindow(int x, int y, int cx, int cy, BOOL repaint)
{
    return ::MoveWindow(m_hWnd, x, y, cx, cy, repaint);
}

BOOL KvWnd::MoveWindow(const RECT& rect, BOOL repaint)
{
    return MoveWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
}

BOOL KvWnd::SetWindowPos(HWND after, int x, int y, int cx, int cy, UINT nFlags)
{
    KV_ASSERT(nFlags&0x0004);
    return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, nFlags);
}

void KvWnd::ScreenToClient(POINT* point) const
{
    ::ScreenToClient(m_hWnd, point);
}

void KvWnd::ScreenToClient(RECT* rect) const
{
    ::ScreenToClient(m_hWnd, reinterpret_cast<POINT*>(&rect->left));
    ::ScreenToClient(m_hWnd, reinterpret_cast<POINT*>(&rect->right));
}

void KvWnd::ClientToScreen(POINT* point) const
{
    ::ClientToScreen(m_hWnd, point);
}

void KvWnd::SetParent(KvWnd* pWndNewParent)
{
    if (!KV_ASSERT(::IsWindow(pWndNewParent->m_hWnd)))
        return;
    ::SetParent(m_hWnd, pWndNewParent->m_hWnd);
}

void KvWnd::Invalidate(BOOL erase)
{
    ::InvalidateRect(m_hWnd, nullptr, erase);
}

LRESULT KvWnd::SendMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!KV_ASSERT(::IsWindow(m_hWnd)))
        return 0;
    return ::SendMessageA(m_hWnd, msg, wParam, lParam);
}

KvDC* KvWnd::CacheDC(HDC hdc)
{
    if (!KV_ASSERT(m_pImpl->m_pDC==0))
        delete m_pImpl->m_pDC;
    m_pImpl->m_pDC = new KvDC(hdc);
    return m_pImpl->m_pDC;
}

KvDC* KvWnd::GetDC()
{
    if (m_pImpl->m_pDC != nullptr)
        return m_pImpl->m_pDC;
    return CacheDC(::GetDC(m_hWnd));
}

KvDC* KvWnd::GetDCEx(DWORD flags)
{
    if (m_pImpl->m_pDC != nullptr)
        return m_pImpl->m_pDC;
    return CacheDC(::GetDCEx(m_hWnd, nullptr, flags));
}

int KvWnd::ReleaseDC(KvDC* dc)
{
    if (dc == nullptr)
        return 0;
    const int result = ::ReleaseDC(m_hWnd, dc->m_hDC);
    if (dc == m_pImpl->m_pDC) {
        delete m_pImpl->m_pDC;
        m_pImpl->m_pDC = nullptr;
    }
    return result;
}
