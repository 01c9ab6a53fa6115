#include "kvbitmap.h"

#include "kvcheck.h"
#include "kvdc.h"
#include "shellservices.h"

KvBitmap::~KvBitmap()
{
    if (m_hObject != nullptr)
        ::DeleteObject(m_hObject);
}

BOOL KvBitmap::CopyFrom(KvBitmap*, DWORD, const RECT*, const RECT*)
{
    KV_ASSERT(0);
    return FALSE;
}

BOOL KvBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
{
    m_hObject = ::CreateBitmap(width, height, planes, bitsPerPixel, bits);
    return KV_ASSERT(m_hObject!=0);
}

BOOL KvBitmap::CreateCompatibleBitmap(KvDC& dc, int width, int height)
{
    m_hObject = ::CreateCompatibleBitmap(dc.m_hDC, width, height);
    return KV_ASSERT(m_hObject!=0);
}

BOOL KvBitmap::LoadBitmap(UINT id)
{
    m_hObject = ::LoadBitmapA(KvProgramInstance(), MAKEINTRESOURCEA(id));
    return KV_ASSERT(m_hObject!=0);
}

void KvBitmap::Attach(HBITMAP bitmap)
{
    KV_ASSERT(m_hObject==0);
    m_hObject = bitmap;
}

HBITMAP KvBitmap::Detach()
{
    HBITMAP bitmap = m_hObject;
    m_hObject = nullptr;
    return bitmap;
}

int KvBitmap::GetObject(BITMAP* info) const
{
    return ::GetObjectA(m_hObject, sizeof(BITMAP), info);
}

LONG KvBitmap::GetBitmapBits(LONG size, void* buffer) const
{
    return ::GetBitmapBits(m_hObject, size, buffer);
}

LONG KvBitmap::SetBitmapBits(LONG size, const void* buffer)
{
    return ::SetBitmapBits(m_hObject, static_cast<DWORD>(size), buffer);
}

int KvBitmap::GetNbBitsPixel() const
{
    BITMAP bm{};
    GetObject(&bm);
    return bm.bmBitsPixel * bm.bmPlanes;
}

int KvBitmap::GetWidth() const
{
    BITMAP bm{};
    GetObject(&bm);
    return bm.bmWidth;
}

int KvBitmap::GetHeight() const
{
    BITMAP bm{};
    GetObject(&bm);
    return bm.bmHeight;
}
