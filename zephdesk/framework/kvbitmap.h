// Bitmap wrappers: KvBitmap owns one bitmap; KvBitmapEx copies and stretches between
// bitmaps; KvBitmapBW is a monochrome bitmap (masks, dithered masks, pixel access);
// KvBitmapColor is a colour bitmap with a mask colour (pixel access, the greyed look).
#pragma once

#include <windows.h>

#include <vector>

#include "kvgdirez.h"

class KvDC;

// Flags of CopyFrom.
enum : DWORD {
    kKvCopyExact = 0x001,
    kKvCopyGrey = 0x002,
    kKvRimDown = 0x004,
    kKvRimUp = 0x008,
    kKvRimRight = 0x010,
    kKvRimLeft = 0x020,
    kKvStretchBlackOnWhite = 0x040,
    kKvStretchWhiteOnBlack = 0x080,
    kKvStretchCurrentMode = 0x100,
    kKvStretchHalftone = 0x200,
    kKvStretchMask = 0x3C0,
};

class KvBitmap : public KvGDIRez {
public:
    KvBitmap() = default;
    ~KvBitmap() override;

    virtual BOOL CopyFrom(KvBitmap* pSrcBitmap, DWORD flags, const RECT* pSrcRect = nullptr,
                          const RECT* pDestRect = nullptr);

    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    BOOL CreateCompatibleBitmap(KvDC& dc, int width, int height);
    // Loads a bitmap of the program's module.
    BOOL LoadBitmap(UINT id);
    void Attach(HBITMAP bitmap);
    HBITMAP Detach();

    int GetObject(BITMAP* info) const;
    LONG GetBitmapBits(LONG size, void* buffer) const;
    LONG SetBitmapBits(LONG size, const void* buffer);
    int GetNbBitsPixel() const;
    int GetWidth() const;
    int GetHeight() const;

    HBITMAP m_hObject = nullptr;
};

class KvBitmapEx : public KvBitmap {
public:
    ~KvBitmapEx() override;

    // Flag 1: exact copy (no rectangles). Stretch flags (0x3C0): the source rectangle (or
    // all of it) stretched into the destination rectangle (or all of this bitmap).
    BOOL CopyFrom(KvBitmap* pSrcBitmap, DWORD flags, const RECT* pSrcRect = nullptr,
                  const RECT* pDestRect = nullptr) override;
    // Draws this bitmap (or its part) into the DC at x, y with the raster operation.
    BOOL DrawTo(KvDC& dc, int x, int y, DWORD rop, const RECT* pSrcRect = nullptr);

    BYTE* m_pbBits = nullptr;

protected:
    std::vector<BYTE> m_lockedBits;
};

class KvBitmapBW : public KvBitmapEx {
public:
    BOOL Create(int width, int height, const void* bits = nullptr);
    BOOL LoadBitmap(UINT id);

    BOOL CopyFrom(KvBitmap* pSrcBitmap, DWORD flags, const RECT* pSrcRect = nullptr,
                  const RECT* pDestRect = nullptr) override;
    // This bitmap becomes the mask of src: pixels of src's mask colour 1 (transparent),
    // the others 0; a dither flag (0x02 ... 0x40) then keeps only a share of them opaque.
    BOOL CreateMask(KvBitmap& src, DWORD flags);

    BOOL LockBits();
    void UnlockBits(BOOL write);
    void SetPixel(int row, int col, int value);
    int GetPixel(int row, int col) const;
    void Fill(int value);
};

class KvBitmapColor : public KvBitmapEx {
public:
    BOOL CreateCompatible(KvDC& dc, int width, int height, COLORREF maskColour);
    BOOL LoadBitmap(UINT id, COLORREF maskColour);

    COLORREF GetMaskColor() const;
    void SetMaskColor(COLORREF colour) { m_crMask = colour; }
    void SetColors(COLORREF shadow, COLORREF second);
    COLORREF GetShadowColor() const { return m_crShadow; }
    COLORREF GetSecondColor() const { return m_crSecond; }

    BOOL LockBits();
    void UnlockBits(BOOL write);
    void GetPixel(int row, int col, BYTE& red, BYTE& green, BYTE& blue) const;
    BOOL IsPixelColor(int row, int col, COLORREF colour) const;
    int GetLuminance(int row, int col) const;
    void Fill(BYTE red, BYTE green, BYTE blue);

    // Flag 2 makes the greyed image of a colour source of the same size; flags 1 and 0x3C0
    // copy or stretch as KvBitmapEx does.
    BOOL CopyFrom(KvBitmap* pSrcBitmap, DWORD flags, const RECT* pSrcRect = nullptr,
                  const RECT* pDestRect = nullptr) override;

private:
    BOOL MakeGreyed(KvBitmapColor& src, DWORD flags);
    int RowStride() const;

    COLORREF m_crMask = CLR_INVALID;
    COLORREF m_crShadow = 0x02808080;
    COLORREF m_crSecond = 0x02FFFFFF;
};
