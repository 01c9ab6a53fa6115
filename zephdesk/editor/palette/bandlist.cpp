#include "editor/palette/bandlist.h"

#include "editor/palette/palettestate.h"

namespace ed {

void BandList::Draw() {
  if (owner_ == nullptr) return;
  for (const BandObject& band : objects_) owner_->InvertBand(band);
  shown_ = !shown_;
}

void BandList::Erase() {
  if (shown_) Draw();
}

void BandList::Clear() {
  Erase();
  objects_.clear();
  owner_ = nullptr;
  shown_ = false;
}

void BandList::StartRect(BandPainter& owner, Point at, std::int32_t width, std::int32_t height) {
  Clear();
  owner_ = &owner;
  origin_ = at;
  objects_.push_back({BandObject::kRect, at.x, at.y, at.x + width, at.y + height});
  Draw();
}

void BandList::MoveTo(Point at) {
  Erase();
  const std::int32_t dx = at.x - origin_.x, dy = at.y - origin_.y;
  for (BandObject& band : objects_) {
    band.x1 += dx;
    band.x2 += dx;
    band.y1 += dy;
    band.y2 += dy;
  }
  origin_ = at;
  Draw();
}

BandList& TheBandList() {
  static BandList bands;
  return bands;
}

bool OutlineInBlockPane(BandList& bands, BandPainter& pane, int draggedClass, Point at, std::int32_t cellWidth,
                        std::int32_t cellHeight) {
  if (!PaletteAcceptsDrag(draggedClass)) return false;
  if (bands.Owner() == &pane) {
    bands.MoveTo(at);
  } else {
    bands.StartRect(pane, at, cellWidth, cellHeight);
  }
  return true;
}

}  // namespace ed
