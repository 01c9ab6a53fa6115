// Named drawing resources: fonts, brushes and pens looked up by name, and icon bitmaps
// loaded by resource name on first use and kept in up to four scaled sizes.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "foundation/kvobjroot.h"
#include "kvnamedtables.h"

class FontObject : public KvObject {
public:
    // A font of at least 8 units; its metrics are measured in hdc (the screen when 0).
    FontObject(const char* name, const char* face, int height, int weight, BYTE italic, HDC hdc = nullptr);
    // A copy of other's font under a new name.
    FontObject(const char* name, const FontObject& other);
    ~FontObject() override;

    // Runs the font dialog started from this font: a new font of the same name, or null
    // when the user cancels.
    FontObject* Choose(HWND owner) const;

    const char* GetName() const { return m_name; }
    HFONT GetFont() const { return m_hFont; }
    const char* GetFace() const { return m_face; }
    int GetCharHeight() const { return m_charHeight; }
    unsigned GetAverageWidth() const { return m_averageWidth; }
    int GetInternalLeading() const { return m_internalLeading; }
    int GetWeight() const { return m_weight; }
    int GetHeight() const { return m_height; }
    BYTE IsItalic() const { return m_italic; }

private:
    void Measure(HDC hdc);

    CString m_name;
    HFONT m_hFont = nullptr;
    CString m_face;
    int m_charHeight = 0;
    unsigned m_averageWidth = 0;
    int m_internalLeading = 0;
    int m_weight = 0;
    int m_height = 0;
    BYTE m_italic = 0;
};

class BrushObject : public KvObject {
public:
    BrushObject(const char* name, COLORREF colour);
    ~BrushObject() override;

    const char* GetName() const { return m_name; }
    HBRUSH GetBrush() const { return m_hBrush; }
    COLORREF GetColor() const { return m_colour; }

private:
    HBRUSH m_hBrush;
    COLORREF m_colour;
    const char* m_name;  // the table's text
};

class PenObject : public KvObject {
public:
    PenObject(const char* name, int style, int width, COLORREF colour);
    ~PenObject() override;

    const char* GetName() const { return m_name; }
    HPEN GetPen() const { return m_hPen; }

private:
    HPEN m_hPen;
    const char* m_name;  // the table's text
};

class BitmapObject : public KvObject {
public:
    // Loads the bitmap of that name from the program, else from the bitmap library.
    explicit BitmapObject(const char* name);
    ~BitmapObject() override;

    const char* GetName() const { return m_name; }
    // The bitmap at that size: the loaded one, or a scaled copy (at most four kept).
    HBITMAP GetBitmap(int width, int height);
    HBITMAP GetLoadedBitmap() const { return m_slots[0].bitmap; }
    SIZE GetLoadedSize() const { return {m_slots[0].width, m_slots[0].height}; }

private:
    struct Slot {
        HBITMAP bitmap = nullptr;
        int width = 0;
        int height = 0;
    };
    CString m_name;
    Slot m_slots[5];
    int m_lastScaled = 0;
};

class Fonts {
public:
    explicit Fonts(const KvFontEntry* table);
    void Add(FontObject* font, BOOL replace);
    FontObject* Find(const char* name) const;
    int GetCount() const { return static_cast<int>(m_items.size()); }

private:
    std::vector<std::unique_ptr<FontObject>> m_items;
};

class Brushes {
public:
    explicit Brushes(const KvBrushEntry* table);
    BrushObject* Find(const char* name) const;
    int GetCount() const { return static_cast<int>(m_items.size()); }

private:
    std::vector<std::unique_ptr<BrushObject>> m_items;
};

class Pens {
public:
    explicit Pens(const KvPenEntry* table);
    PenObject* Find(const char* name) const;
    int GetCount() const { return static_cast<int>(m_items.size()); }

private:
    std::vector<std::unique_ptr<PenObject>> m_items;
};

class Icons {
public:
    Icons() = default;
    // The bitmap object of that name, loaded and added on first use.
    BitmapObject* Get(const char* name);
    int GetCount() const { return static_cast<int>(m_items.size()); }

private:
    std::vector<std::unique_ptr<BitmapObject>> m_items;
};
