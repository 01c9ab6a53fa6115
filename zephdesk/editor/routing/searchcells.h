#pragma once
// The page grid's cells as one routing search reads them: each cell's object list is looked
// up once (the grid keeps its cells in an ordered tree, and a search tests thousands of
// short moves against the same few cells), and the cell's drawn VavurOrezos are gathered
// apart the first time a search asks for them. The grid must not change while the search
// runs (its lines are drawn only after it).

#include <cstdint>
#include <vector>

#include "editor/drawn/displayobject.h"
#include "editor/routing/pointtable.h"
#include "editor/support/geometry.h"

namespace ed {

class Grid;

class SearchCells {
 public:
  void Reset(const Grid* grid);
  // Frees the cell table when a long search made it large; it is otherwise kept.
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
  struct Cell {
    const std::vector<DisplayObject*>* objects = nullptr;
    bool blocksGathered = false;
    std::vector<DisplayObject*> blocks;
  };
  Cell& At(std::int32_t column, std::int32_t row);
  const std::vector<DisplayObject*>& Blocks(Cell& cell);

  const Grid* grid_ = nullptr;
  std::int32_t cellWidth_ = 1, cellHeight_ = 1;
  PointTable<Cell> cells_;
};

template <typename Visit>
void SearchCells::ForEachInRect(const Rect& rect, Visit&& visit) {
  const std::int32_t lastColumn = rect.right / cellWidth_, lastRow = rect.bottom / cellHeight_;
  for (std::int32_t column = rect.left / cellWidth_; column <= lastColumn; ++column) {
    for (std::int32_t row = rect.top / cellHeight_; row <= lastRow; ++row) {
      const std::vector<DisplayObject*>* objects = At(column, row).objects;
      if (objects == nullptr) continue;
      for (DisplayObject* object : *objects) {
        // Nothing meets a rectangle its bounds miss: most objects go without a call.
        if (!RectsIntersect(rect, object->Bounds()) || !object->Intersects(rect)) continue;
        if (!visit(object)) return;
      }
    }
  }
}

template <typename Visit>
void SearchCells::ForEachBlockInRect(const Rect& rect, Visit&& visit) {
  const std::int32_t lastColumn = rect.right / cellWidth_, lastRow = rect.bottom / cellHeight_;
  for (std::int32_t column = rect.left / cellWidth_; column <= lastColumn; ++column) {
    for (std::int32_t row = rect.top / cellHeight_; row <= lastRow; ++row) {
      for (DisplayObject* block : Blocks(At(column, row))) {
        if (block->Intersects(rect) && !visit(block)) return;
      }
    }
  }
}

}  // namespace ed
