#include "kvdc.h"

#include "kvbitmap.h"
#include "kvcheck.h"
#include "kvwnd.h"

KvBrush::~KvBrush()
{
    if (m_hObject != nullptr)
        ::DeleteObject(m_hObject);
}

BOOL KvBrush::CreatePatternBrush(KvBitmap& bitmap)
{
    m_hObject = ::CreatePatternBrush(bitmap.m_hObject);
    return KV_ASSERT(m_hObject!=0);
}

KvDC::KvDC(HDC borrowed) : m_hDC(borrowed), m_bBorrowed(true) {}

KvDC::~KvDC()
{
    KV_CHECK(m_hDC != nullptr, "(0)");
    // The saved wrappers hold objects that belong to others: forget them, never delete.
    if (m_pSavedBitmap != nullptr) {
        m_pSavedBitmap->Detach();
        delete m_pSavedBitmap;
    }
    if (m_pSavedBrush != nullptr) {
        m_pSavedBrush->m_hObject = nullptr;
        delete m_pSavedBrush;
    }
    if (m_hDC != nullptr && !m_bBorrowed)
        ::DeleteDC(m_hDC);
}

BOOL KvDC::CreateCompatibleDC(KvDC* pDC)
{
    if (!KV_ASSERT(pDC==0) || !KV_ASSERT(m_hDC==0))
        return FALSE;
    m_hDC = ::CreateCompatibleDC(nullptr);
    m_bBorrowed = false;
    return KV_ASSERT(m_hDC!=0);
}

COLORREF KvDC::SetBkColor(COLORREF colour)
{
    return ::SetBkColor(m_hDC, colour);
}

COLORREF KvDC::SetTextColor(COLORREF colour)
{
    return ::SetTextColor(m_hDC, colour);
}

KvBitmap* KvDC::SelectObject(KvBitmap& bitmap)
{
    HGDIOBJ previous = ::SelectObject(m_hDC, bitmap.m_hObject);
    if (m_pSavedBitmap == nullptr)
        m_pSavedBitmap = new KvBitmap;
    m_pSavedBitmap->Detach();
    m_pSavedBitmap->Attach(static_cast<HBITMAP>(previous));
    return m_pSavedBitmap;
}

KvBrush* KvDC::SelectObject(KvBrush& brush)
{
    HGDIOBJ previous = ::SelectObject(m_hDC, brush.m_hObject);
    if (m_pSavedBrush == nullptr)
        m_pSavedBrush = new KvBrush;
    m_pSavedBrush->m_hObject = static_cast<HBRUSH>(previous);
    return m_pSavedBrush;
}

KvPaintDC::KvPaintDC(KvWnd* pWnd) : KvDC(static_cast<HDC>(nullptr)), m_pWnd(pWnd)
{
    if (KV_ASSERT(::IsWindow(pWnd->m_hWnd)))
        m_hDC = ::BeginPaint(pWnd->m_hWnd, &m_ps);
}

KvPaintDC::~KvPaintDC()
{
    if (m_hDC != nullptr)
        ::EndPaint(m_pWnd->m_hWnd, &m_ps);
}
