#pragma once
// The static layout of the editor's MDI children: one group per window (256 the palette
// window, 257 the page window) placed in the MDI client, and the panes of each placed in
// the window, with the rules by which negative or missing sizes count from the parent's
// edges.

#include <cstdint>

#include "editor/support/geometry.h"

namespace ed {

enum PaneType : std::int16_t {
  kPaneGroupPalette = 258,
  kPaneBlockPalette = 259,
  kPanePageCanvas = 260,
  kPaneHorzScrollBar = 261,
  kPaneVertScrollBar = 262,
  kPaneDivider = 263,
};
inline constexpr std::int16_t kLayoutPalette = 256;
inline constexpr std::int16_t kLayoutPage = 257;

enum LayoutFlags : std::int16_t {
  kLayoutBorder = 0x1,
  kLayoutXFromRight = 0x2,
  kLayoutYFromBottom = 0x4,
  kLayoutHeightFromBottom = 0x8,
  kLayoutWidthFromRight = 0x10,
  kLayoutIconsInColumns = 0x20,
};

struct LayoutEntry {
  std::int16_t type = 0;        // 0: an empty entry
  std::int16_t servedType = 0;  // the pane a scroll bar scrolls
  std::int16_t x = 0, y = 0, width = 0, height = 0;
  std::int16_t flags = 0;
  std::int16_t gapX = 0, gapY = 0;
  std::int16_t cellWidth = 0, cellHeight = 0;
  std::int16_t value1 = 0, value2 = 0;   // the page canvas's margins
  const char* font = nullptr;            // a name of the named-font list
};

struct LayoutGroup {
  std::int16_t id = 0;
  std::int16_t x = 0, y = 0, width = 0, height = 0;
  std::int16_t reserved = 0;
  std::int16_t count = 0;
  LayoutEntry entries[5];
};

const LayoutGroup* FindLayoutGroup(std::int16_t id);
// The first entry of any group with the pane type, or null.
const LayoutEntry* FindLayoutEntry(std::int16_t type);

// A pane's rectangle in a parent of the given client size, by the entry's flags.
Rect LayoutRect(const LayoutEntry& entry, std::int32_t parentWidth, std::int32_t parentHeight);
// A window's rectangle by the same rules, every one applied (the groups carry no flags).
Rect LayoutRectSimple(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                      std::int32_t parentWidth, std::int32_t parentHeight);

}  // namespace ed
