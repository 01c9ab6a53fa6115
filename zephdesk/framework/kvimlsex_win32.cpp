#include <utility>

#include "kvbitmap.h"
#include "kvcheck.h"
#include "kvdc.h"
#include "kvdither.h"
#include "kvimglst.h"
#include "kvselbmp.h"
#include "kvwnd.h"

namespace {

std::function<void(DWORD)>& SleepFunction()
{
    static std::function<void(DWORD)> sleep = [](DWORD ms) { ::Sleep(ms); };
    return sleep;
}

KvImageListEx* g_paletteImages = nullptr;
KvImageListEx* g_resizedPaletteImages = nullptr;

constexpr COLORREF kDefaultSilhouette = 0x02808080;

// The image and mask that one composition gives.
struct Composed {
    KvBitmapColor image;
    KvBitmapBW mask;
};

// Composes source colour C and mask M into R and RM with the effects of exStyle: stretched
// to the destination size, greyed with a relief, dithered to partial transparency. The
// pixels that RM makes transparent are black in R, so that a masked draw shows nothing there.
bool Compose(KvBitmapColor& C, KvBitmapBW& M, DWORD exStyle, const SIZE* pDestSize, COLORREF shadowColour,
             COLORREF secondColour, KvDC& screen, Composed& out)
{
    const DWORD stretch = exStyle & kKvExStretchMask;
    const int width = stretch != 0 && pDestSize != nullptr ? pDestSize->cx : C.GetWidth();
    const int height = stretch != 0 && pDestSize != nullptr ? pDestSize->cy : C.GetHeight();
    KvBitmapColor& R = out.image;
    KvBitmapBW& RM = out.mask;
    if (!R.CreateCompatible(screen, width, height, C.GetMaskColor()) || !RM.Create(width, height))
        return false;
    if (stretch != 0) {
        if (!KV_ASSERT(pDestSize!=0))
            return false;
        const DWORD mode = KvBitmapStretchOfStyle(stretch);
        if (!KV_CHECK(mode != 0, "(0)"))
            return false;
        if (!R.CopyFrom(&C, mode) || !RM.CopyFrom(&M, mode))
            return false;
    } else if (!R.CopyFrom(&C, kKvCopyExact) || !RM.CopyFrom(&M, kKvCopyExact)) {
        return false;
    }

    if (exStyle & kKvExGrey) {
        KvBitmapColor greyed;
        if (!greyed.CreateCompatible(screen, width, height, C.GetMaskColor()))
            return false;
        greyed.SetColors(shadowColour, secondColour);
        if (!greyed.CopyFrom(&R, kKvCopyGrey | (exStyle & (kKvExRimDown | kKvExRimUp | kKvExRimRight | kKvExRimLeft))))
            return false;
        R.CopyFrom(&greyed, kKvCopyExact);
        RM.CreateMask(R, 0);
    }

    const DWORD transparency = exStyle & kKvExTransparencyMask;
    if (transparency != 0) {
        const DWORD dither = KvDitherFlagOfTransparency(transparency);
        if (!KV_CHECK(dither != 0, "(0)"))
            return false;
        KvBitmapBW dithered;
        dithered.Create(width, height);
        dithered.CreateMask(RM, dither);
        RM.CopyFrom(&dithered, kKvCopyExact);
    }

    KvSelectedBitmap image(R);
    KvSelectedBitmap mask(RM);
    ::BitBlt(image.hdc(), 0, 0, width, height, mask.hdc(), 0, 0, 0x00220326);  // R AND NOT RM
    return true;
}

// The screen's DC through the desktop window's object for the length of one operation.
class DesktopDC {
public:
    DesktopDC() : m_desktop(KvWnd::GetDesktopWindow()), m_dc(m_desktop->GetDC()) {}
    ~DesktopDC() { m_desktop->ReleaseDC(m_dc); }
    KvDC& dc() { return *m_dc; }

private:
    KvWnd* m_desktop;
    KvDC* m_dc;
};

}  // namespace

void KvImageListEx::SetSleep(std::function<void(DWORD)> sleep)
{
    SleepFunction() = sleep ? std::move(sleep) : [](DWORD ms) { ::Sleep(ms); };
}

BOOL KvImageListEx::Create(int cx, int cy, UINT flags, int initial, int grow)
{
    m_cx = cx;
    m_cy = cy;
    return KvImageList::Create(cx, cy, flags, initial, grow + 1);
}

BOOL KvImageListEx::Load(UINT bitmapId, int cx, int grow, COLORREF maskColour)
{
    m_crMask = maskColour;
    if (!KvImageList::Load(bitmapId, cx, grow + 1, maskColour))
        return FALSE;
    SetBkColor(maskColour);
    m_cx = cx;
    IMAGEINFO info{};
    if (GetImageInfo(0, &info))
        m_cy = info.rcImage.bottom - info.rcImage.top;
    return TRUE;
}

void KvImageListEx::DrawToBitmap(KvBitmapColor& bitmap, int index, UINT style)
{
    KvSelectedBitmap target(bitmap);
    ImageList_Draw(m_hImageList, index, target.hdc(), 0, 0, style);
}

void KvImageListEx::DrawMaskToBitmap(KvBitmapBW& bitmap, int index)
{
    KvSelectedBitmap target(bitmap);
    ImageList_Draw(m_hImageList, index, target.hdc(), 0, 0, ILD_MASK);
}

BOOL KvImageListEx::CreateScaledCopy(const KvImageListEx& src, DWORD exStyle, const SIZE& newSize,
                                     COLORREF shadowColour, COLORREF secondColour)
{
    DesktopDC screen;
    const int count = src.GetImageCount();
    if (!Create(newSize.cx, newSize.cy, ILC_MASK | ILC_COLOR24, count, count))
        return FALSE;
    const COLORREF background = src.GetBkColor();
    SetBkColor(background);
    m_crMask = background;
    auto& source = const_cast<KvImageListEx&>(src);
    for (int i = 0; i < count; ++i) {
        KvBitmapColor colour;
        KvBitmapBW mask;
        if (!colour.CreateCompatible(screen.dc(), src.m_cx, src.m_cy, background) || !mask.Create(src.m_cx, src.m_cy))
            return FALSE;
        source.DrawToBitmap(colour, i, ILD_NORMAL);
        source.DrawMaskToBitmap(mask, i);
        Composed composed;
        if (!Compose(colour, mask, exStyle, &newSize, shadowColour, secondColour, screen.dc(), composed))
            return FALSE;
        Add(composed.image, composed.mask);
    }
    return TRUE;
}

BOOL KvImageListEx::DrawEx(KvDC& dc, int index, int x, int y, UINT style, DWORD dwExStyle, const SIZE* pDestSize,
                           COLORREF shadowColour, COLORREF secondColour, DWORD delay)
{
    if (dwExStyle == 0)
        return Draw(index, dc, x, y, style);
    const SIZE srcSize{m_cx, m_cy};
    if (!KV_ASSERT(pDestSize==0|| (pDestSize->cx<=srcSize.cx&&pDestSize->cy<=srcSize.cy)))
        return FALSE;
    const DWORD animation = dwExStyle & (kKvExFadeIn | kKvExSilhouette);
    if (animation != 0 && !KV_ASSERT((dwExStyle&(DWORD)((DWORD)0x00400|(DWORD)0x00800|(DWORD)0x01000|(DWORD)0x02000|(DWORD)0x04000|(DWORD)0x08000))==0))
        return FALSE;
    if ((dwExStyle & kKvExSilhouette) && !KV_ASSERT((dwExStyle&(DWORD)0x00002)==0))
        return FALSE;

    DesktopDC screen;
    const COLORREF key = m_crMask != CLR_INVALID ? m_crMask : GetBkColor();
    KvBitmapColor colour;
    KvBitmapBW mask;
    if (!colour.CreateCompatible(screen.dc(), m_cx, m_cy, key) || !mask.Create(m_cx, m_cy))
        return FALSE;
    if (dwExStyle & kKvExSilhouette) {
        const COLORREF one = shadowColour != CLR_INVALID ? shadowColour : kDefaultSilhouette;
        colour.Fill(GetRValue(one), GetGValue(one), GetBValue(one));
    } else {
        DrawToBitmap(colour, index, ILD_NORMAL);
    }
    DrawMaskToBitmap(mask, index);

    // A composed frame drawn through a temporary image: of this list when the size is the
    // list's, else of a list of the destination size.
    const bool stretched = (dwExStyle & kKvExStretchMask) != 0 && pDestSize != nullptr;
    const SIZE frameSize = stretched ? *pDestSize : srcSize;
    auto drawFrame = [&](DWORD frameStyle) -> BOOL {
        Composed composed;
        if (!Compose(colour, mask, frameStyle, pDestSize, shadowColour, secondColour, screen.dc(), composed))
            return FALSE;
        KvImageList sized;
        KvImageList* target = this;
        if (frameSize.cx != m_cx || frameSize.cy != m_cy) {
            if (!sized.Create(frameSize.cx, frameSize.cy, ILC_MASK | ILC_COLOR24, 1, 1))
                return FALSE;
            target = &sized;
        }
        const int temporary = target->Add(composed.image, composed.mask);
        if (temporary < 0)
            return FALSE;
        const BOOL drawn = target->Draw(temporary, dc, x, y, style);
        target->Remove(temporary);
        return drawn;
    };

    const DWORD effects = dwExStyle & ~(kKvExFadeIn | kKvExSilhouette);
    if (animation == 0)
        return drawFrame(effects);
    if (dwExStyle & kKvExFadeIn) {
        for (DWORD step : {0x1000u, 0x2000u, 0x4000u, 0x8000u}) {
            drawFrame(effects | step);
            SleepFunction()(delay);
        }
        return effects == 0 ? Draw(index, dc, x, y, style) : drawFrame(effects);
    }
    BOOL drawn = FALSE;
    for (DWORD step : {0x0800u, 0x1000u, 0x2000u, 0x4000u, 0x8000u}) {
        drawn = drawFrame(effects | step);
        SleepFunction()(delay);
    }
    return drawn;
}

void CreateGlobalImageLists()
{
    DestroyGlobalImageLists();
    g_paletteImages = new KvImageListEx;
    g_paletteImages->Load(1000, 40, 50, 0xFF00FF);
    g_resizedPaletteImages = new KvImageListEx;
    g_resizedPaletteImages->CreateScaledCopy(*g_paletteImages, 0x80, SIZE{40, 40}, CLR_INVALID, CLR_INVALID);
}

void DestroyGlobalImageLists()
{
    delete g_paletteImages;
    delete g_resizedPaletteImages;
    g_paletteImages = nullptr;
    g_resizedPaletteImages = nullptr;
}

BOOL RescalePaletteImageList(int size)
{
    if (g_paletteImages == nullptr || size <= 0)
        return FALSE;
    auto* scaled = new KvImageListEx;
    if (!scaled->CreateScaledCopy(*g_paletteImages, 0x80, SIZE{size, size}, CLR_INVALID, CLR_INVALID)) {
        delete scaled;
        return FALSE;
    }
    delete g_resizedPaletteImages;
    g_resizedPaletteImages = scaled;
    return TRUE;
}

KvImageListEx* GetPaletteImageList()
{
    return g_paletteImages;
}

KvImageListEx* GetResizedPaletteImageList()
{
    return g_resizedPaletteImages;
}
