#include "editor/routing/searchcells.h"

#include "editor/drawn/grid.h"

namespace ed {

void SearchCells::Reset(const Grid* grid) {
  grid_ = grid;
  if (grid != nullptr) {
    cellWidth_ = grid->CellWidth();
    cellHeight_ = grid->CellHeight();
  }
  // A fresh table: clearing would keep a large search's buckets for every later one.
  decltype(cells_)().swap(cells_);
}

SearchCells::Cell& SearchCells::At(std::int32_t column, std::int32_t row) {
  const std::uint64_t key = (std::uint64_t(std::uint32_t(column)) << 32) | std::uint32_t(row);
  auto [at, added] = cells_.try_emplace(key);
  // Any point of the cell names it.
  if (added) at->second.objects = grid_->CellAt(column * cellWidth_, row * cellHeight_);
  return at->second;
}

const std::vector<DisplayObject*>& SearchCells::Blocks(Cell& cell) {
  if (!cell.blocksGathered) {
    cell.blocksGathered = true;
    if (cell.objects != nullptr) {
      for (DisplayObject* object : *cell.objects) {
        if (object->isA() == kDrawnVavurOrezo) cell.blocks.push_back(object);
      }
    }
  }
  return cell.blocks;
}

}  // namespace ed
