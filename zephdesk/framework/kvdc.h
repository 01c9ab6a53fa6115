// KvDC: a device context with the wrappers that hold what its selections replaced;
// KvPaintDC paints one window; KvBrush owns a brush.
#pragma once

#include <windows.h>

class KvBitmap;
class KvWnd;

class KvBrush {
public:
    KvBrush() = default;
    ~KvBrush();
    KvBrush(const KvBrush&) = delete;
    KvBrush& operator=(const KvBrush&) = delete;

    BOOL CreatePatternBrush(KvBitmap& bitmap);

    HBRUSH m_hObject = nullptr;
};

class KvDC {
public:
    KvDC() = default;
    // Wraps a device context that someone else releases (a window's DC, a paint DC).
    explicit KvDC(HDC borrowed);
    // Deletes a memory DC made by CreateCompatibleDC; a borrowed DC is left to its owner.
    virtual ~KvDC();
    KvDC(const KvDC&) = delete;
    KvDC& operator=(const KvDC&) = delete;

    // A memory DC compatible with the screen (pDC must be null).
    virtual BOOL CreateCompatibleDC(KvDC* pDC);
    virtual COLORREF SetBkColor(COLORREF colour);
    virtual COLORREF SetTextColor(COLORREF colour);

    // Selects the bitmap (or brush); the answer is this DC's one saved-object wrapper, which
    // now holds what was selected before. Select it back when done.
    KvBitmap* SelectObject(KvBitmap& bitmap);
    KvBrush* SelectObject(KvBrush& brush);

    HDC m_hDC = nullptr;

private:
    KvBitmap* m_pSavedBitmap = nullptr;
    KvBrush* m_pSavedBrush = nullptr;
    bool m_bBorrowed = false;
};

class KvPaintDC : public KvDC {
public:
    explicit KvPaintDC(KvWnd* pWnd);
    ~KvPaintDC() override;

    PAINTSTRUCT m_ps{};

private:
    KvWnd* m_pWnd;
};
