#include <array>

#include "kvbitmap.h"
#include "kvcheck.h"
#include "kvdither.h"
#include "kvselbmp.h"

BOOL KvBitmapBW::Create(int width, int height, const void* bits)
{
    return CreateBitmap(width, height, 1, 1, bits);
}

BOOL KvBitmapBW::LoadBitmap(UINT id)
{
    return KvBitmap::LoadBitmap(id);
}

BOOL KvBitmapBW::CopyFrom(KvBitmap* pSrcBitmap, DWORD flags, const RECT* pSrcRect, const RECT* pDestRect)
{
    if (flags & kKvCopyGrey) {
        KV_ASSERT(0);
        return FALSE;
    }
    return KvBitmapEx::CopyFrom(pSrcBitmap, flags, pSrcRect, pDestRect);
}

BOOL KvBitmapBW::CreateMask(KvBitmap& src, DWORD flags)
{
    if (!KV_ASSERT(m_hObject!=0) || !KV_ASSERT(GetNbBitsPixel()==1))
        return FALSE;
    if (src.GetNbBitsPixel() == 1) {
        if (!CopyFrom(&src, kKvCopyExact))
            return FALSE;
    } else {
        auto* colour = dynamic_cast<KvBitmapColor*>(&src);
        if (!KV_CHECK(colour != nullptr && colour->GetMaskColor() != CLR_INVALID, "(GetMaskColor()!=-1)"))
            return FALSE;
        KvSelectedBitmap from(src);
        KvSelectedBitmap to(*this);
        // A colour-to-monochrome copy turns the source's background colour into 1, every
        // other colour into 0.
        const COLORREF previous = ::SetBkColor(from.hdc(), colour->GetMaskColor());
        ::BitBlt(to.hdc(), 0, 0, GetWidth(), GetHeight(), from.hdc(), 0, 0, SRCCOPY);
        ::SetBkColor(from.hdc(), previous);
    }

    const DWORD dither = flags & 0x7E;
    if (dither == 0)
        return TRUE;
    std::array<std::uint8_t, 8> rows{};
    if (!KV_CHECK(KvDitherPattern(dither, rows), "(0)"))
        return FALSE;
    // An 8 x 8 monochrome bitmap has 2-byte rows, the left pixels in the first byte.
    BYTE patternBits[16] = {};
    for (int i = 0; i < 8; ++i)
        patternBits[2 * i] = rows[i];
    KvBitmapBW pattern;
    pattern.Create(8, 8, patternBits);
    KvBrush brush;
    brush.CreatePatternBrush(pattern);

    const int width = GetWidth(), height = GetHeight();
    KvBitmapBW tiled;
    tiled.Create(width, height);
    {
        KvSelectedBitmap tile(tiled);
        ::PatBlt(tile.hdc(), 0, 0, width, height, BLACKNESS);
        KvBrush* previousBrush = tile.dc().SelectObject(brush);
        ::SetBrushOrgEx(tile.hdc(), 0, 0, nullptr);
        ::PatBlt(tile.hdc(), 0, 0, width, height, PATCOPY);
        tile.dc().SelectObject(*previousBrush);
    }
    KvSelectedBitmap mask(*this);
    KvSelectedBitmap tile(tiled);
    // mask = mask OR NOT pattern: only the pattern's pixels may stay opaque.
    ::BitBlt(mask.hdc(), 0, 0, width, height, tile.hdc(), 0, 0, MERGEPAINT);
    return TRUE;
}

BOOL KvBitmapBW::LockBits()
{
    if (!KV_ASSERT(m_pbBits==0))
        return FALSE;
    BITMAP bm{};
    GetObject(&bm);
    m_lockedBits.assign(static_cast<size_t>(bm.bmWidthBytes) * bm.bmHeight, 0);
    GetBitmapBits(static_cast<LONG>(m_lockedBits.size()), m_lockedBits.data());
    m_pbBits = m_lockedBits.data();
    return TRUE;
}

void KvBitmapBW::UnlockBits(BOOL write)
{
    if (!KV_ASSERT(m_pbBits!=0))
        return;
    if (write)
        SetBitmapBits(static_cast<LONG>(m_lockedBits.size()), m_lockedBits.data());
    m_lockedBits.clear();
    m_pbBits = nullptr;
}

void KvBitmapBW::SetPixel(int row, int col, int value)
{
    if (!KV_ASSERT(m_pbBits!=0) || !KV_ASSERT(GetNbBitsPixel()==1))
        return;
    BITMAP bm{};
    GetObject(&bm);
    BYTE& byte = m_pbBits[row * bm.bmWidthBytes + col / 8];
    const BYTE bit = static_cast<BYTE>(0x80 >> (col % 8));
    byte = static_cast<BYTE>((value & 1) ? (byte | bit) : (byte & ~bit));
}

int KvBitmapBW::GetPixel(int row, int col) const
{
    if (!KV_ASSERT(m_pbBits!=0))
        return 0;
    BITMAP bm{};
    GetObject(&bm);
    return (m_pbBits[row * bm.bmWidthBytes + col / 8] >> (7 - col % 8)) & 1;
}

void KvBitmapBW::Fill(int value)
{
    if (!KV_ASSERT(m_pbBits==0))
        return;
    KvSelectedBitmap self(*this);
    ::BitBlt(self.hdc(), 0, 0, GetWidth(), GetHeight(), nullptr, 0, 0, value != 0 ? WHITENESS : BLACKNESS);
}
