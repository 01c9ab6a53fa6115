#include "editor/routing/searchcells.h"

#include "editor/drawn/grid.h"

namespace ed {

void SearchCells::Reset(const Grid* grid) {
  grid_ = grid;
  if (grid != nullptr) {
    cellWidth_ = grid->CellWidth();
    cellHeight_ = grid->CellHeight();
  }
  cells_.Clear();
}

void SearchCells::ReleaseIfLarge() {
  constexpr std::size_t kKeptSlots = std::size_t(1) << 12;
  if (cells_.Capacity() > kKeptSlots) cells_.Release();
}

SearchCells::Cell& SearchCells::At(std::int32_t column, std::int32_t row) {
  const std::uint64_t key = (std::uint64_t(std::uint32_t(column)) << 32) | std::uint32_t(row);
  bool fresh = false;
  Cell& cell = cells_.Claim(key, fresh);
  if (fresh) {
    // Any point of the cell names it. The blocks list keeps its room from an earlier search.
    cell.objects = grid_->CellAt(column * cellWidth_, row * cellHeight_);
    cell.blocksGathered = false;
    cell.blocks.clear();
  }
  return cell;
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
