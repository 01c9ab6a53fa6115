#include "editor/panes/objectpane.h"

#include <algorithm>

#include "editor/canvas/uiobject.h"
#include "editor/support/editorhost.h"

namespace ed {

ObjectPane::ObjectPane(EditorHost& host, PaneSurface* surface) : host_(host), surface_(surface), grid_(this) {}

ObjectPane::~ObjectPane() {
  selection_.clear();
  ClearDisplay();
}

DisplayObject* ObjectPane::AddDrawnObject(std::unique_ptr<DisplayObject> object, bool invalidate) {
  if (!object) return nullptr;
  DisplayObject* d = object.get();
  const int layer = std::clamp(d->GetLayer(), 0, kPaneLayers - 1);
  layers_[layer].push_back(std::move(object));
  owned_.insert(d);
  grid_.Register(d);
  if (invalidate) InvalidateObject(d);
  return d;
}

void ObjectPane::RemoveDrawnObject(DisplayObject* object, bool invalidate) {
  if (object == nullptr || !Owns(object)) return;
  if (invalidate) InvalidateObject(object);
  grid_.Unregister(object);
  owned_.erase(object);
  for (auto& layer : layers_) {
    auto it = std::find_if(layer.begin(), layer.end(), [object](const auto& p) { return p.get() == object; });
    if (it != layer.end()) {
      Retire(std::move(*it));
      layer.erase(it);
      return;
    }
  }
}

void ObjectPane::ClearDisplay() {
  for (auto& layer : layers_) {
    for (auto& d : layer) {
      grid_.Unregister(d.get());
      Retire(std::move(d));
    }
    layer.clear();
  }
  owned_.clear();
}

void ObjectPane::Retire(std::unique_ptr<DisplayObject> object) {
  if (handlerDepth_ > 0) retired_.push_back(std::move(object));
}

int ObjectPane::RunMouseEvent(DisplayObject* object, std::int32_t x, std::int32_t y, int event, bool* stillShown) {
  struct Running {
    ObjectPane& pane;
    explicit Running(ObjectPane& p) : pane(p) { ++pane.handlerDepth_; }
    // The retired objects go once no handler of this pane is running any more.
    ~Running() {
      if (--pane.handlerDepth_ == 0) pane.retired_.clear();
    }
  };
  int answer = 0;
  {
    Running running(*this);
    answer = object->MouseEvent(x, y, event);
    if (stillShown != nullptr) *stillShown = Owns(object);
  }
  return answer;
}

DisplayObject* ObjectPane::FindDrawnObject(const UIObject* object, int drawnClass) const {
  if (object == nullptr) return nullptr;
  for (DisplayObject* d : object->Drawn()) {
    if (Owns(d) && (drawnClass == kDrawnBase || d->isA() == drawnClass)) return d;
  }
  return nullptr;
}

std::vector<DisplayObject*> ObjectPane::ObjectsToPaint(const Rect& r) const {
  std::vector<DisplayObject*> out;
  if (grid_.SpanMeasure(r) < 5) {
    GridQuery query;
    while (DisplayObject* d = grid_.NextDistinctInRect(query, r)) out.push_back(d);
    return out;
  }
  for (const auto& layer : layers_) {
    for (const auto& d : layer) {
      if (d->Intersects(r)) out.push_back(d.get());
    }
  }
  return out;
}

void ObjectPane::InvalidateObject(const DisplayObject* object) {
  if (surface_ != nullptr && object != nullptr) surface_->InvalidateCanvasRect(object->Bounds());
}

int ObjectPane::RemoveObjectDisplay(UIObject* object, bool deselect) {
  int removed = 0;
  for (auto& layer : layers_) {
    for (std::size_t i = layer.size(); i > 0; --i) {
      DisplayObject* d = layer[i - 1].get();
      if (!d->IsFor(object)) continue;
      if (deselect && d->Object() != object) DeselectObject(d->Object());
      RemoveDrawnObject(d, true);
      ++removed;
    }
  }
  if (deselect && removed > 0) DeselectObject(object);
  return removed;
}

void ObjectPane::ObjectUpdate(UIObject* object, int kind, int) {
  if (object == nullptr) return;
  switch (kind) {
    case kUpdateRedraw:
      for (DisplayObject* d : object->Drawn()) {
        if (Owns(d)) InvalidateObject(d);
      }
      break;
    case kUpdateChanged:
      if (RemoveObjectDisplay(object, false) > 0) AddObjectDisplay(object, 1);
      break;
    case kUpdateRemoved:
      RemoveObjectDisplay(object, true);
      break;
    case kUpdateAdded:
      AddObjectDisplay(object, 0);
      break;
    case kUpdateRemovedQuietly:
      RemoveObjectDisplay(object, false);
      break;
    case kUpdateRebuilt:
      AddObjectDisplay(object, 1);
      break;
    default:
      break;
  }
}

int ObjectPane::AddObjectDisplay(UIObject*, int) { return 0; }

bool ObjectPane::IsSelected(const UIObject* object) const {
  return object != nullptr && std::find(selection_.begin(), selection_.end(), object) != selection_.end();
}

void ObjectPane::DeselectObject(UIObject* object) {
  auto it = std::find(selection_.begin(), selection_.end(), object);
  if (it == selection_.end()) return;
  selection_.erase(it);
  ObjectUpdate(object, kUpdateRedraw, 0);
}

void ObjectPane::ClearSelection() {
  const std::vector<UIObject*> was = selection_;
  selection_.clear();
  singleSelection_ = 0;
  for (UIObject* object : was) ObjectUpdate(object, kUpdateRedraw, 0);
  host_.UpdateCommandStates();
}

namespace {

// Blocks and text notes may be selected together.
bool JoinsAcrossClasses(int first, int added) {
  return (first == kClassVavurOrezo && added == kClassTextNote) || (first == kClassTextNote && added == kClassVavurOrezo);
}

}  // namespace

int ObjectPane::SelectObject(UIObject* object, int exclusive, int code) {
  if (code != 1 || object == nullptr) return 0;
  if (!selection_.empty()) {
    const int first = selection_.front()->isA();
    const bool keep = (AllowsMultiSelect() && first == object->isA()) || JoinsAcrossClasses(first, object->isA());
    if (!keep) ClearSelection();
  }
  if (!object->CanSelect()) return 0;
  if (!IsSelected(object)) {
    if (exclusive) ClearSelection();
    if (selection_.size() == 1) {
      singleSelection_ = 0;
      ObjectUpdate(selection_.front(), kUpdateRedraw, 0);
    }
    selection_.push_back(object);
    ObjectUpdate(object, kUpdateRedraw, 0);
    return 1;
  }
  if (!exclusive) {
    DeselectObject(object);
    return 0;
  }
  if (selection_.size() == 1) {
    singleSelection_ = 1;
    ObjectUpdate(object, kUpdateRedraw, 0);
  }
  return 1;
}

IconFlow FlowIcons(int count, std::int32_t cellWidth, std::int32_t cellHeight, std::int32_t gapX, std::int32_t gapY,
                   std::int32_t paneWidth, std::int32_t paneHeight, bool byColumns) {
  IconFlow flow;
  // Flowing in columns is flowing in rows with the axes exchanged.
  const std::int32_t along = byColumns ? cellHeight : cellWidth;
  const std::int32_t across = byColumns ? cellWidth : cellHeight;
  const std::int32_t gapAlong = byColumns ? gapY : gapX;
  const std::int32_t gapAcross = byColumns ? gapX : gapY;
  const std::int32_t limit = byColumns ? paneHeight : paneWidth;
  const std::int32_t start = std::max<std::int32_t>(gapAlong, 0);
  std::int32_t a = start;
  std::int32_t b = std::max<std::int32_t>(gapAcross, 0);
  std::int32_t lines = 0;
  std::int32_t firstLine = 0;
  for (int i = 0; i < count; ++i) {
    if (i > 0 && a + along + std::min<std::int32_t>(gapAlong, 0) > limit) {
      a = start;
      b += across + gapAcross;
      ++lines;
    }
    if (lines == 0) ++firstLine;
    flow.cells.push_back(byColumns ? Rect{b, a, b + cellWidth, a + cellHeight} : Rect{a, b, a + cellWidth, b + cellHeight});
    a += along + gapAlong;
  }
  flow.rows = byColumns ? firstLine : lines;
  flow.columns = byColumns ? lines : firstLine;
  return flow;
}

}  // namespace ed
