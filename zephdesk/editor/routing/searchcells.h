#pragma once
// The page grid's cells as the router's searches read them. Each cell's objects are copied
// with their bounds and kinds into a flat list, kept from one search to the next until the
// grid's stamp of the cell changes: a search tests thousands of short moves against the same
// few cells, and reading the bounds through each object's own memory cost more the more
// lines a page held. The grid is looked up once per cell per search; it must not change
// while a search runs (its lines are drawn only after it), and a registered object keeps
// its bounds (the grid's own rule).

#include <cstdint>
#include <vector>

#include "editor/drawn/displayobject.h"
#include "editor/routing/pointtable.h"
#include "editor/support/geometry.h"

namespace ed {

class Grid;

class SearchCells {
 public:
  // Starts a search on the grid (null: none).
  void Reset(const Grid* grid);
  // Frees the kept cells when they grew many.
  void ReleaseIfLarge();
  // Calls visit(object) for every object the grid's NextInRect gives for the rectangle,
  // in the same order and as often; stops early when visit returns false.
  template <typename Visit>
  void ForEachInRect(const Rect& rect, Visit&& visit);
  // The drawn VavurOrezos that meet the rectangle, in no set order; one may come once per
  // cell it spans.
  template <typename Visit>
  void ForEachBlockInRect(const Rect& rect, Visit&& visit);

 private:
  struct Entry {
    Rect bounds;
    DisplayObject* object;
  };
  struct Cell {
    bool known = false;           // the lists below are those of the stamp
    std::uint64_t stamp = 0;
    std::uint32_t search = 0;     // the search that last checked the stamp
    std::vector<Entry> entries;   // in the grid's order
    std::vector<Entry> blocks;    // the drawn VavurOrezos among them
  };
  Cell& At(std::int32_t column, std::int32_t row);

  const Grid* grid_ = nullptr;
  std::int32_t cellWidth_ = 1, cellHeight_ = 1;
  std::uint32_t search_ = 0;
  PointTable<Cell> cells_;
};

template <typename Visit>
void SearchCells::ForEachInRect(const Rect& rect, Visit&& visit) {
  const std::int32_t lastColumn = rect.right / cellWidth_, lastRow = rect.bottom / cellHeight_;
  for (std::int32_t column = rect.left / cellWidth_; column <= lastColumn; ++column) {
    for (std::int32_t row = rect.top / cellHeight_; row <= lastRow; ++row) {
      for (const Entry& entry : At(column, row).entries) {
        // Nothing meets a rectangle its bounds miss: most objects go without a call.
        if (!RectsIntersect(rect, entry.bounds) || !entry.object->Intersects(rect)) continue;
        if (!visit(entry.object)) return;
      }
    }
  }
}

template <typename Visit>
void SearchCells::ForEachBlockInRect(const Rect& rect, Visit&& visit) {
  const std::int32_t lastColumn = rect.right / cellWidth_, lastRow = rect.bottom / cellHeight_;
  for (std::int32_t column = rect.left / cellWidth_; column <= lastColumn; ++column) {
    for (std::int32_t row = rect.top / cellHeight_; row <= lastRow; ++row) {
      for (const Entry& entry : At(column, row).blocks) {
        if (RectsIntersect(rect, entry.bounds) && entry.object->Intersects(rect) && !visit(entry.object)) return;
      }
    }
  }
}

}  // namespace ed
