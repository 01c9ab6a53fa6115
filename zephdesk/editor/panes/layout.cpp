#include "editor/panes/layout.h"

namespace ed {
namespace {

LayoutEntry Entry(std::int16_t type, std::int16_t served, std::int16_t x, std::int16_t y, std::int16_t w,
                  std::int16_t h, std::int16_t flags, std::int16_t gapX = 0, std::int16_t gapY = 0,
                  std::int16_t cellW = 0, std::int16_t cellH = 0, const char* font = nullptr) {
  LayoutEntry e;
  e.type = type;
  e.servedType = served;
  e.x = x;
  e.y = y;
  e.width = w;
  e.height = h;
  e.flags = flags;
  e.gapX = gapX;
  e.gapY = gapY;
  e.cellWidth = cellW;
  e.cellHeight = cellH;
  e.font = font;
  return e;
}

LayoutGroup PaletteGroup() {
  LayoutGroup g;
  g.id = kLayoutPalette;
  g.width = 200;
  g.reserved = 1;
  g.count = 5;   // the fifth entry is empty
  g.entries[0] = Entry(kPaneGroupPalette, 0, 0, 0, 0, 150, 0x10, -16, 4, 96, 38, "icon_label");
  g.entries[1] = Entry(kPaneBlockPalette, 0, 0, 151, -12, 0, 0x18, -16, 6, 96, 38, "icon_label");
  g.entries[2] = Entry(kPaneVertScrollBar, kPaneBlockPalette, -12, 150, 12, 0, 0xa);
  g.entries[3] = Entry(kPaneDivider, 0, 0, 150, -12, 1, 0x10);
  return g;
}

LayoutGroup PageGroup() {
  LayoutGroup g;
  g.id = kLayoutPage;
  g.x = 200;
  g.count = 3;
  g.entries[0] = Entry(kPanePageCanvas, 0, 0, 0, -14, -14, 0x18, 4, 2, 53, 29, "vavurorezo_label");
  g.entries[0].value1 = 256;   // label width and height, page units
  g.entries[0].value2 = 10;
  g.entries[1] = Entry(kPaneVertScrollBar, kPanePageCanvas, -14, 0, 14, -14, 0xa);
  g.entries[2] = Entry(kPaneHorzScrollBar, kPanePageCanvas, 0, -14, -14, 14, 0x14);
  return g;
}

const LayoutGroup kGroups[] = {PaletteGroup(), PageGroup()};

}  // namespace

const LayoutGroup* FindLayoutGroup(std::int16_t id) {
  for (const LayoutGroup& g : kGroups) {
    if (g.id == id) return &g;
  }
  return nullptr;
}

const LayoutEntry* FindLayoutEntry(std::int16_t type) {
  for (const LayoutGroup& g : kGroups) {
    for (int i = 0; i < g.count; ++i) {
      if (g.entries[i].type == type) return &g.entries[i];
    }
  }
  return nullptr;
}

namespace {

Rect Place(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, std::int32_t pw, std::int32_t ph,
           std::int32_t flags) {
  if (x < 0 && (flags & kLayoutXFromRight)) x += pw;
  if (y < 0 && (flags & kLayoutYFromBottom)) y += ph;
  if (w < 1 && (flags & kLayoutWidthFromRight)) w += pw - x;
  if (h < 1 && (flags & kLayoutHeightFromBottom)) h += ph - y;
  return {x, y, x + w, y + h};
}

}  // namespace

Rect LayoutRect(const LayoutEntry& e, std::int32_t parentWidth, std::int32_t parentHeight) {
  return Place(e.x, e.y, e.width, e.height, parentWidth, parentHeight, e.flags);
}

Rect LayoutRectSimple(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                      std::int32_t parentWidth, std::int32_t parentHeight) {
  constexpr std::int32_t kAll =
      kLayoutXFromRight | kLayoutYFromBottom | kLayoutHeightFromBottom | kLayoutWidthFromRight;
  return Place(x, y, width, height, parentWidth, parentHeight, kAll);
}

}  // namespace ed
