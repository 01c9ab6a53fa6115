#include "editor/routing/searchcells.h"

#include "editor/drawn/grid.h"

namespace ed {

void SearchCells::Reset(const Grid* grid) {
  grid_ = grid;
  if (grid == nullptr) return;
  if (grid->CellWidth() != cellWidth_ || grid->CellHeight() != cellHeight_) {
    // Other cells: nothing kept names the same part of a page.
    cells_.Clear();
    cellWidth_ = grid->CellWidth();
    cellHeight_ = grid->CellHeight();
  }
  // Every kept cell is checked against its stamp again.
  if (++search_ == 0) {
    cells_.Clear();
    search_ = 1;
  }
}

void SearchCells::ReleaseIfLarge() {
  constexpr std::size_t kKeptSlots = std::size_t(1) << 13;
  if (cells_.Capacity() > kKeptSlots) cells_.Release();
}

SearchCells::Cell& SearchCells::At(std::int32_t column, std::int32_t row) {
  const std::uint64_t key = (std::uint64_t(std::uint32_t(column)) << 32) | std::uint32_t(row);
  bool fresh = false;
  Cell& cell = cells_.Claim(key, fresh);
  if (fresh) {
    cell.known = false;
    cell.search = 0;
  }
  if (cell.search == search_) return cell;
  cell.search = search_;
  // Any point of the cell names it.
  std::uint64_t stamp = 0;
  const std::vector<DisplayObject*>* objects = grid_->CellAt(column * cellWidth_, row * cellHeight_, stamp);
  if (cell.known && cell.stamp == stamp) return cell;
  cell.known = true;
  cell.stamp = stamp;
  cell.entries.clear();
  cell.blocks.clear();
  if (objects != nullptr) {
    for (DisplayObject* object : *objects) {
      const Entry entry{object->Bounds(), object};
      cell.entries.push_back(entry);
      if (object->isA() == kDrawnVavurOrezo) cell.blocks.push_back(entry);
    }
  }
  return cell;
}

}  // namespace ed
