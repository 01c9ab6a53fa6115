// The built-in tables of the designer's named fonts, brushes and pens, which the
// application hands to the collections at start-up. Each table ends at an entry whose
// face (fonts) or name (brushes, pens) is null.
#pragma once

#include <cstdint>

struct KvFontEntry {
    const char* name;
    const char* face;
    int height;
    int weight;
};

struct KvBrushEntry {
    const char* name;
    std::uint32_t colour;  // 0x00BBGGRR
};

struct KvPenEntry {
    const char* name;
    int style;
    int width;
    std::uint32_t colour;  // 0x00BBGGRR
};

extern const KvFontEntry kKvFontTable[];
extern const KvBrushEntry kKvBrushTable[];
extern const KvPenEntry kKvPenTable[];

// Every named font is at least 8 units high: a height above -8 becomes -8.
int KvLimitFontHeight(int height);
