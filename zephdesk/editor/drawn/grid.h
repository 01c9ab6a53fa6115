#pragma once
// The page grid: a spatial index of a canvas's drawn objects in cells of 240 x 120 canvas
// units. Each drawn object is registered in every cell its rectangle touches; each cell's
// list is kept in layer order. Scans over a rectangle keep their state in a query object
// of the caller, so an abandoned scan cannot leak into the next one.

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "editor/support/geometry.h"

namespace ed {

class DisplayObject;

// The state of one resumable scan.
struct GridQuery {
  bool active = false;
  Rect rect;
  std::int32_t firstColumn = 0, lastColumn = 0, firstRow = 0, lastRow = 0;
  std::int32_t column = 0, row = 0;
  std::size_t position = 0;
  std::vector<DisplayObject*> collected;   // the distinct scan's objects, in layer order
};

class Grid {
 public:
  explicit Grid(void* owner, std::int32_t cellWidth = 240, std::int32_t cellHeight = 120);

  void Register(DisplayObject* object);
  // The object's rectangle must be the one it was registered with.
  void Unregister(DisplayObject* object);
  // The topmost object of the point's cell that accepts the point, or null.
  DisplayObject* HitTest(std::int32_t x, std::int32_t y) const;
  // The next object of the rectangle's cells (column by column, row by row) that
  // intersects it; once per cell it is registered in. A call with another rectangle, or
  // after the end, starts a new scan. Null at the end.
  DisplayObject* NextInRect(GridQuery& query, const Rect& rect) const;
  // The same, each object once, lowest layer first.
  DisplayObject* NextDistinctInRect(GridQuery& query, const Rect& rect) const;
  // (last column - first column) x (last row - first row) of the rectangle's cells.
  std::int32_t SpanMeasure(const Rect& rect) const;

  std::int32_t CellWidth() const { return cellWidth_; }
  std::int32_t CellHeight() const { return cellHeight_; }
  void* Owner() const { return owner_; }
  std::size_t ElementCount() const { return cells_.size(); }
  // The objects of the cell holding (x, y); null when the cell has no element.
  const std::vector<DisplayObject*>* CellAt(std::int32_t x, std::int32_t y) const;
  // The same with the cell's stamp: a number no other state of any cell of any grid has had,
  // so that a reader may keep what it made of a cell until the stamp changes; 0 for a cell
  // that never had an element.
  const std::vector<DisplayObject*>* CellAt(std::int32_t x, std::int32_t y, std::uint64_t& stamp) const;

 private:
  using Key = std::pair<std::int32_t, std::int32_t>;   // row, column
  void Start(GridQuery& query, const Rect& rect) const;
  struct CellList {
    std::vector<DisplayObject*> objects;
    std::uint64_t stamp = 0;
  };
  const CellList* Cell(std::int32_t column, std::int32_t row) const;

  std::map<Key, CellList> cells_;
  std::int32_t cellWidth_;
  std::int32_t cellHeight_;
  void* owner_;
};

// Inserts the object after the last entry whose layer is not greater than its own.
void InsertByLayer(std::vector<DisplayObject*>& list, DisplayObject* object);

}  // namespace ed
