#include "kvbitmap.h"
#include "kvcheck.h"
#include "kvdither.h"
#include "kvselbmp.h"

namespace {

constexpr COLORREF kWhite = 0x02FFFFFF;
constexpr COLORREF kBlack = 0x02000000;

// Sets the two colours of a DC for one monochrome-to-colour transfer and restores them.
class DcColours {
public:
    DcColours(HDC hdc, COLORREF background, COLORREF text)
        : m_hdc(hdc), m_bk(::SetBkColor(hdc, background)), m_text(::SetTextColor(hdc, text))
    {
    }
    ~DcColours()
    {
        ::SetBkColor(m_hdc, m_bk);
        ::SetTextColor(m_hdc, m_text);
    }

private:
    HDC m_hdc;
    COLORREF m_bk;
    COLORREF m_text;
};

}  // namespace

BOOL KvBitmapColor::CreateCompatible(KvDC& dc, int width, int height, COLORREF maskColour)
{
    m_crMask = maskColour;
    return CreateCompatibleBitmap(dc, width, height);
}

BOOL KvBitmapColor::LoadBitmap(UINT id, COLORREF maskColour)
{
    m_crMask = maskColour;
    return KvBitmap::LoadBitmap(id);
}

COLORREF KvBitmapColor::GetMaskColor() const
{
    KV_CHECK(m_crMask != CLR_INVALID, "(m_crMask!=-1)");
    return m_crMask;
}

void KvBitmapColor::SetColors(COLORREF shadow, COLORREF second)
{
    if (shadow != CLR_INVALID)
        m_crShadow = shadow;
    if (second != CLR_INVALID)
        m_crSecond = second;
}

int KvBitmapColor::RowStride() const
{
    return (GetWidth() * 3 + 3) & ~3;
}

BOOL KvBitmapColor::LockBits()
{
    if (!KV_ASSERT(m_pbBits==0))
        return FALSE;
    const int width = GetWidth(), height = GetHeight();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    m_lockedBits.assign(static_cast<size_t>(RowStride()) * height + 16, 0);
    HDC screen = ::GetDC(nullptr);
    ::GetDIBits(screen, m_hObject, 0, static_cast<UINT>(height), m_lockedBits.data(), &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    m_pbBits = m_lockedBits.data();
    return TRUE;
}

void KvBitmapColor::UnlockBits(BOOL write)
{
    if (!KV_ASSERT(m_pbBits!=0))
        return;
    if (write) {
        const int width = GetWidth(), height = GetHeight();
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        HDC screen = ::GetDC(nullptr);
        ::SetDIBits(screen, m_hObject, 0, static_cast<UINT>(height), m_lockedBits.data(), &info, DIB_RGB_COLORS);
        ::ReleaseDC(nullptr, screen);
    }
    m_lockedBits.clear();
    m_pbBits = nullptr;
}

void KvBitmapColor::GetPixel(int row, int col, BYTE& red, BYTE& green, BYTE& blue) const
{
    red = green = blue = 0;
    if (!KV_ASSERT(m_pbBits!=0))
        return;
    const BYTE* pixel = m_pbBits + row * RowStride() + col * 3;
    blue = pixel[0];
    green = pixel[1];
    red = pixel[2];
}

BOOL KvBitmapColor::IsPixelColor(int row, int col, COLORREF colour) const
{
    BYTE red, green, blue;
    GetPixel(row, col, red, green, blue);
    return (static_cast<COLORREF>(red) | green << 8 | blue << 16 | 0x02000000) == colour;
}

int KvBitmapColor::GetLuminance(int row, int col) const
{
    BYTE red, green, blue;
    GetPixel(row, col, red, green, blue);
    return KvLuminance(red, green, blue);
}

void KvBitmapColor::Fill(BYTE red, BYTE green, BYTE blue)
{
    const int width = GetWidth(), height = GetHeight();
    KvBitmapBW white;
    white.Create(width, height);
    white.Fill(1);
    KvSelectedBitmap self(*this);
    KvSelectedBitmap from(white);
    DcColours colours(self.hdc(), PALETTERGB(red, green, blue), kBlack);
    ::BitBlt(self.hdc(), 0, 0, width, height, from.hdc(), 0, 0, SRCCOPY);
}

BOOL KvBitmapColor::CopyFrom(KvBitmap* pSrcBitmap, DWORD flags, const RECT* pSrcRect, const RECT* pDestRect)
{
    if (flags & (kKvCopyExact | kKvStretchMask)) {
        if (!KvBitmapEx::CopyFrom(pSrcBitmap, flags & (kKvCopyExact | kKvStretchMask), pSrcRect, pDestRect))
            return FALSE;
    }
    if ((flags & kKvCopyGrey) == 0)
        return TRUE;
    auto* source = dynamic_cast<KvBitmapColor*>(pSrcBitmap);
    if (!KV_CHECK(source != nullptr && source->m_crMask != CLR_INVALID, "(GetMaskColor()!=-1)"))
        return FALSE;
    return MakeGreyed(*source, flags);
}

BOOL KvBitmapColor::MakeGreyed(KvBitmapColor& src, DWORD flags)
{
    if (!KV_ASSERT(m_hObject!=0))
        return FALSE;
    BITMAP BM{}, srcBM{};
    GetObject(&BM);
    src.GetObject(&srcBM);
    if (!KV_ASSERT(BM.bmWidth==srcBM.bmWidth) || !KV_ASSERT(BM.bmHeight==srcBM.bmHeight) ||
        !KV_ASSERT(BM.bmWidthBytes==srcBM.bmWidthBytes) || !KV_ASSERT(BM.bmBitsPixel*BM.bmPlanes!=1))
        return FALSE;
    m_crMask = src.m_crMask;
    const int width = BM.bmWidth, height = BM.bmHeight;
    Fill(GetRValue(m_crMask), GetGValue(m_crMask), GetBValue(m_crMask));

    // D: the dark pixels; E: the rim beside them on the side of the relief.
    KvBitmapBW dark, edge;
    dark.Create(width, height);
    edge.Create(width, height);
    dark.Fill(0);
    edge.Fill(0);
    dark.LockBits();
    const bool ownLock = src.m_pbBits == nullptr;
    if (ownLock)
        src.LockBits();
    const COLORREF key = src.m_crMask | 0x02000000;
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col)
            if (!src.IsPixelColor(row, col, key) && src.GetLuminance(row, col) < 0x80)
                dark.SetPixel(row, col, 1);
    dark.UnlockBits(TRUE);
    if (flags & (kKvRimDown | kKvRimUp)) {
        KvSelectedBitmap to(edge);
        KvSelectedBitmap from(dark);
        const int dy = (flags & kKvRimDown) ? 1 : -1;
        const int dx = (flags & kKvRimRight) ? 1 : -1;
        ::BitBlt(to.hdc(), dx > 0 ? 1 : 0, dy > 0 ? 1 : 0, width - 1, height - 1, from.hdc(), dx > 0 ? 0 : 1,
                 dy > 0 ? 0 : 1, SRCCOPY);
        // E AND NOT D: only the rim outside the dark pixels remains.
        ::BitBlt(to.hdc(), 0, 0, width, height, from.hdc(), 0, 0, 0x00220326);
    }
    if (ownLock)
        src.UnlockBits(FALSE);

    KvSelectedBitmap self(*this);
    {
        KvSelectedBitmap rim(edge);
        DcColours colours(self.hdc(), kWhite, m_crMask);
        ::BitBlt(self.hdc(), 0, 0, width, height, rim.hdc(), 0, 0, SRCCOPY);
    }
    KvSelectedBitmap darkDc(dark);
    {
        DcColours colours(self.hdc(), kBlack, kWhite);
        ::BitBlt(self.hdc(), 0, 0, width, height, darkDc.hdc(), 0, 0, SRCAND);
    }
    {
        DcColours colours(self.hdc(), m_crShadow, kBlack);
        ::BitBlt(self.hdc(), 0, 0, width, height, darkDc.hdc(), 0, 0, SRCPAINT);
    }
    return TRUE;
}
