#include "kvbitmap.h"

#include "kvcheck.h"
#include "kvdc.h"
#include "kvselbmp.h"


KvBitmapEx::~KvBitmapEx() = default;

BOOL KvBitmapEx::DrawTo(KvDC& dc, int x, int y, DWORD rop, const RECT* pSrcRect)
{
    RECT whole{0, 0, GetWidth(), GetHeight()};
    const RECT& src = pSrcRect != nullptr ? *pSrcRect : whole;
    KvSelectedBitmap self(*this);
    return ::BitBlt(dc.m_hDC, x, y, src.right - src.left, src.bottom - src.top, self.dc().m_hDC, src.left, src.top,
                    rop);
}

BOOL KvBitmapEx::CopyFrom(KvBitmap* pSrcBitmap, DWORD flags, const RECT* pSrcRect, const RECT* pDestRect)
{
    if (!KV_ASSERT(m_hObject!=0) || !KV_ASSERT(pSrcBitmap!=0) || !KV_ASSERT(pSrcBitmap->m_hObject!=0))
        return FALSE;
    BITMAP BM{}, destBM{};
    pSrcBitmap->GetObject(&BM);
    GetObject(&destBM);
    if (!KV_CHECK(BM.bmBitsPixel * BM.bmPlanes == destBM.bmBitsPixel * destBM.bmPlanes,
                  "(BM.bmBitsPixel*BM.bmPlanes==BM.bmBitsPixel*BM.bmPlanes)"))
        return FALSE;

    if (flags == kKvCopyExact) {
        if (!KV_CHECK(pSrcRect == nullptr && pDestRect == nullptr, "(0)"))
            return FALSE;
        KvSelectedBitmap self(*this);
        KvSelectedBitmap from(*pSrcBitmap);
        return ::BitBlt(self.dc().m_hDC, 0, 0, BM.bmWidth, BM.bmHeight, from.dc().m_hDC, 0, 0, SRCCOPY);
    }
    if ((flags & kKvStretchMask) == 0) {
        KV_ASSERT(0);
        return FALSE;
    }

    const RECT srcWhole{0, 0, BM.bmWidth, BM.bmHeight};
    const RECT destWhole{0, 0, destBM.bmWidth, destBM.bmHeight};
    const RECT& src = pSrcRect != nullptr ? *pSrcRect : srcWhole;
    const RECT& dest = pDestRect != nullptr ? *pDestRect : destWhole;
    if (!KV_CHECK(BM.bmWidth >= dest.right - dest.left && BM.bmHeight >= dest.bottom - dest.top,
                  "(BM.bmWidth>=pDestRect->Width()&& BM.bmHeight>=pDestRect->Height())"))
        return FALSE;

    KvSelectedBitmap to(*this);
    KvSelectedBitmap from(*pSrcBitmap);
    HDC hdc = to.dc().m_hDC;
    const int previousMode = ::GetStretchBltMode(hdc);
    HPALETTE halftone = nullptr;
    HPALETTE previousPalette = nullptr;
    switch (flags & kKvStretchMask) {
    case kKvStretchBlackOnWhite:
        ::SetStretchBltMode(hdc, BLACKONWHITE);
        break;
    case kKvStretchWhiteOnBlack:
        ::SetStretchBltMode(hdc, WHITEONBLACK);
        break;
    case kKvStretchCurrentMode:
        break;
    case kKvStretchHalftone:
        // The depth is the destination bitmap's: a monochrome target (a mask) keeps the
        // current mode, as halftoning it would lose its pixels.
        if (destBM.bmBitsPixel * destBM.bmPlanes >= 24 && (::GetDeviceCaps(hdc, RASTERCAPS) & RC_PALETTE) == 0) {
            halftone = ::CreateHalftonePalette(hdc);
            previousPalette = ::SelectPalette(hdc, halftone, FALSE);
            ::RealizePalette(hdc);
            ::SetStretchBltMode(hdc, HALFTONE);
            ::SetBrushOrgEx(hdc, 0, 0, nullptr);
        }
        break;
    default:
        KV_ASSERT(0);
        return FALSE;
    }
    const BOOL done = ::StretchBlt(hdc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
                                   from.dc().m_hDC, src.left, src.top, src.right - src.left, src.bottom - src.top,
                                   SRCCOPY);
    ::SetStretchBltMode(hdc, previousMode);
    if (halftone != nullptr) {
        ::SelectPalette(hdc, previousPalette, FALSE);
        // The palette served this stretch only.
        ::DeleteObject(halftone);
    }
    return done;
}
