#pragma once
// The tool bar's layout data: the icon box's header and its entries (buttons and the
// separators between groups), in order.

#include <cstdint>
#include <span>

namespace ed {

inline constexpr std::int16_t kIconBoxButton = 266;
inline constexpr std::int16_t kIconBoxSeparator = 267;

struct IconBoxEntry {
  std::int16_t kind;  // kIconBoxButton or kIconBoxSeparator
  std::uint16_t command;
  std::int16_t width;
  std::int16_t height;
};

struct IconBoxTable {
  std::int16_t boxHeight;
  std::int16_t spacing;    // between entries, and before the first
  std::int16_t buttonTop;
  std::span<const IconBoxEntry> entries;
};

// The designer's tool bar.
const IconBoxTable& DesignerIconBoxTable();

// Where a button of the table goes: its place and the picture of the tool-bar strip it
// shows (its ordinal among the buttons).
struct IconBoxPlace {
  const IconBoxEntry* entry;
  std::int32_t x;
  std::int32_t y;
  std::int32_t image;
};
// One place per entry, separators included (their image is -1).
void LayOutIconBox(const IconBoxTable& table, void (*visit)(const IconBoxPlace&, void*), void* context);

}  // namespace ed
