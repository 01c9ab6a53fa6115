// Image lists: KvImageList wraps one common-controls image list; KvImageListEx adds strip
// loading with a mask colour, drawing into bitmaps, scaled copies and drawing with effects.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "kvgdirez.h"

class KvBitmap;
class KvBitmapBW;
class KvBitmapColor;
class KvDC;

// Extended drawing styles of DrawEx and CreateScaledCopy.
enum : DWORD {
    kKvExGrey = 0x0002,
    kKvExRimDown = 0x0004,
    kKvExRimUp = 0x0008,
    kKvExRimRight = 0x0010,
    kKvExRimLeft = 0x0020,
    kKvExStretchMask = 0x03C0,
    kKvExTransparencyMask = 0xFC00,
    kKvExFadeIn = 0x10000,
    kKvExSilhouette = 0x20000,
};

class KvImageList : public KvGDIRez {
public:
    ~KvImageList() override;

    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    BOOL Load(UINT bitmapId, int cx, int grow, COLORREF maskColour);
    int Add(KvBitmap& image, KvBitmap& mask);
    BOOL Draw(int index, KvDC& dc, int x, int y, UINT style);
    COLORREF SetBkColor(COLORREF colour);
    COLORREF GetBkColor() const;
    BOOL GetImageInfo(int index, IMAGEINFO* info) const;
    BOOL Remove(int index);
    int GetImageCount() const;

    // The module from which Load reads bitmaps (the program's, set at start-up).
    static void SetResourceInstance(HINSTANCE instance);
    static HINSTANCE GetResourceInstance();

    HIMAGELIST m_hImageList = nullptr;
};

class KvImageListEx : public KvImageList {
public:
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    BOOL Load(UINT bitmapId, int cx, int grow, COLORREF maskColour);
    SIZE GetImageSize() const { return {m_cx, m_cy}; }
    COLORREF GetMaskColor() const { return m_crMask; }

    void DrawToBitmap(KvBitmapColor& bitmap, int index, UINT style);
    void DrawMaskToBitmap(KvBitmapBW& bitmap, int index);

    // This list becomes a copy of src with every image composed with the effects of
    // exStyle at the new size.
    BOOL CreateScaledCopy(const KvImageListEx& src, DWORD exStyle, const SIZE& newSize, COLORREF shadowColour,
                          COLORREF secondColour);
    // Draws an image with the effects of exStyle (0: a plain draw).
    BOOL DrawEx(KvDC& dc, int index, int x, int y, UINT style, DWORD exStyle, const SIZE* pDestSize = nullptr,
                COLORREF shadowColour = CLR_INVALID, COLORREF secondColour = CLR_INVALID, DWORD delay = 0);

    // The pause between animation frames (Sleep unless a test replaces it).
    static void SetSleep(std::function<void(DWORD)> sleep);

private:
    COLORREF m_crMask = CLR_INVALID;
    int m_cx = 0;
    int m_cy = 0;
};

// The two process-wide lists of the palette icons: as loaded from bitmap 1000, and scaled
// to 40 x 40.
void CreateGlobalImageLists();
void DestroyGlobalImageLists();
KvImageListEx* GetPaletteImageList();
KvImageListEx* GetResizedPaletteImageList();
// Replaces the scaled list by one of size x size pixels made from the loaded icons; false
// (the old list kept) when it could not be made.
BOOL RescalePaletteImageList(int size);
