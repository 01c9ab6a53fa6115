#include "editor/drawn/grid.h"

#include <algorithm>

#include "editor/drawn/displayobject.h"

namespace ed {
namespace {

// Stamps are shared by all grids: a grid made where an old one was never repeats its stamps.
std::uint64_t NextStamp() {
  static std::uint64_t last = 0;
  return ++last;
}

}  // namespace

void InsertByLayer(std::vector<DisplayObject*>& list, DisplayObject* object) {
  const int layer = object->GetLayer();
  std::size_t at = 0;
  for (std::size_t i = list.size(); i > 0; --i) {
    if (list[i - 1]->GetLayer() <= layer) {
      at = i;
      break;
    }
  }
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), object);
}

Grid::Grid(void* owner, std::int32_t cellWidth, std::int32_t cellHeight)
    : cellWidth_(cellWidth > 0 ? cellWidth : 1), cellHeight_(cellHeight > 0 ? cellHeight : 1), owner_(owner) {}

void Grid::Register(DisplayObject* object) {
  if (object == nullptr) return;
  const Rect r = object->Bounds();
  for (std::int32_t column = r.left / cellWidth_; column <= r.right / cellWidth_; ++column) {
    for (std::int32_t row = r.top / cellHeight_; row <= r.bottom / cellHeight_; ++row) {
      CellList& cell = cells_[{row, column}];
      InsertByLayer(cell.objects, object);
      cell.stamp = NextStamp();
    }
  }
}

void Grid::Unregister(DisplayObject* object) {
  if (object == nullptr) return;
  const Rect r = object->Bounds();
  for (std::int32_t column = r.left / cellWidth_; column <= r.right / cellWidth_; ++column) {
    for (std::int32_t row = r.top / cellHeight_; row <= r.bottom / cellHeight_; ++row) {
      auto it = cells_.find({row, column});
      if (it == cells_.end()) continue;
      auto& list = it->second.objects;
      auto found = std::find(list.begin(), list.end(), object);
      if (found == list.end()) continue;
      list.erase(found);
      it->second.stamp = NextStamp();
    }
  }
}

const Grid::CellList* Grid::Cell(std::int32_t column, std::int32_t row) const {
  auto it = cells_.find({row, column});
  return it != cells_.end() ? &it->second : nullptr;
}

const std::vector<DisplayObject*>* Grid::CellAt(std::int32_t x, std::int32_t y) const {
  std::uint64_t stamp = 0;
  return CellAt(x, y, stamp);
}

const std::vector<DisplayObject*>* Grid::CellAt(std::int32_t x, std::int32_t y, std::uint64_t& stamp) const {
  const CellList* cell = Cell(x / cellWidth_, y / cellHeight_);
  stamp = cell != nullptr ? cell->stamp : 0;
  return cell != nullptr ? &cell->objects : nullptr;
}

DisplayObject* Grid::HitTest(std::int32_t x, std::int32_t y) const {
  const std::vector<DisplayObject*>* list = CellAt(x, y);
  if (list == nullptr) return nullptr;
  for (auto it = list->rbegin(); it != list->rend(); ++it) {
    if ((*it)->HitTest(x, y)) return *it;
  }
  return nullptr;
}

void Grid::Start(GridQuery& query, const Rect& rect) const {
  query.active = true;
  query.rect = rect;
  query.firstColumn = rect.left / cellWidth_;
  query.lastColumn = rect.right / cellWidth_;
  query.firstRow = rect.top / cellHeight_;
  query.lastRow = rect.bottom / cellHeight_;
  query.column = query.firstColumn;
  query.row = query.firstRow;
  query.position = 0;
  query.collected.clear();
}

DisplayObject* Grid::NextInRect(GridQuery& query, const Rect& rect) const {
  if (!query.active || !(query.rect == rect)) Start(query, rect);
  while (query.column <= query.lastColumn) {
    const CellList* cell = Cell(query.column, query.row);
    const std::vector<DisplayObject*>* list = cell != nullptr ? &cell->objects : nullptr;
    while (list != nullptr && query.position < list->size()) {
      DisplayObject* object = (*list)[query.position++];
      if (object->Intersects(query.rect)) return object;
    }
    query.position = 0;
    if (++query.row > query.lastRow) {
      query.row = query.firstRow;
      ++query.column;
    }
  }
  query.active = false;
  query.rect = Rect();
  return nullptr;
}

DisplayObject* Grid::NextDistinctInRect(GridQuery& query, const Rect& rect) const {
  if (!query.active || !(query.rect == rect)) {
    Start(query, rect);
    for (std::int32_t column = query.firstColumn; column <= query.lastColumn; ++column) {
      for (std::int32_t row = query.firstRow; row <= query.lastRow; ++row) {
        const CellList* cell = Cell(column, row);
        if (cell == nullptr) continue;
        for (DisplayObject* object : cell->objects) {
          if (!object->Intersects(rect)) continue;
          if (std::find(query.collected.begin(), query.collected.end(), object) != query.collected.end()) continue;
          InsertByLayer(query.collected, object);
        }
      }
    }
    query.position = 0;
  }
  if (query.position < query.collected.size()) return query.collected[query.position++];
  query.active = false;
  query.rect = Rect();
  return nullptr;
}

std::int32_t Grid::SpanMeasure(const Rect& rect) const {
  return (rect.right / cellWidth_ - rect.left / cellWidth_) * (rect.bottom / cellHeight_ - rect.top / cellHeight_);
}

}  // namespace ed
