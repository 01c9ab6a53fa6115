// Laying out a goto line: stubs, the fixed three-segment form, the router's form, tidying
// the ends and adjusting the ends of a hand-edited line. Laying out changes only the
// picture, so none of it marks the program modified.
#include <algorithm>
#include <cstdlib>

#include "editor/canvas/gotoline.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/support/editorhost.h"

namespace ed {
namespace {

constexpr int kBusyOn = 3;
constexpr int kBusyOff = 2;
// The hourglass cursor's resource id.
constexpr std::intptr_t kWaitCursor = 32514;

}  // namespace

void Goto::Route(LineCanvas& canvas) {
  ClearFlags(kGotoReroute);
  VavurOrezo* owner = Block();
  if (owner == nullptr || !owner->ShowsOutput(outputName_.c_str()) || endBlock_ == nullptr) {
    DropAllSegments();
    return;
  }
  Point start;
  std::int32_t halfWidth = 0;
  canvas.OutputConnection(*owner, outputName_.c_str(), start, halfWidth);
  Point entry;
  std::int32_t reachA = 0;
  std::int32_t reachB = 0;
  canvas.EntryPoint(*endBlock_, entry, reachA, reachB);
  const std::int32_t sx = start.x, sy = start.y, ex = entry.x, ey = entry.y;
  std::int32_t endStub = std::max(reachA, reachB) + 8;

  if (TestFlags(kGotoStub | kGotoLabelledStub)) {
    DropAllSegments();
    PlaceSegment(sx, sy, sx + halfWidth + 18, sy, -1);
    ClearFlags(kGotoHandEdited);
    return;
  }
  if (TestFlags(kGotoHandEdited) && AdjustEnds(sx, sy, ex, ey, halfWidth)) return;
  DropAllSegments();

  const std::int32_t dy = std::abs(ey - sy);
  const bool closeRight = sx < ex;
  const std::int32_t startStub =
      owner->CountShownOutputs() == 1 && dy < 24 && closeRight && ex - sx < 32 ? halfWidth + 4 : halfWidth + 10;
  if (endStub < 11 || (dy < 32 && closeRight && ex - sx < 96)) endStub = 10;
  PlaceSegment(ex - endStub, ey, ex, ey, -1);

  SetBusyState(kBusyOn, 0, reinterpret_cast<const void*>(kWaitCursor));
  Program* program = GetProgram();
  SmartRouter* router = GetSmartRouter();
  const bool smart = program != nullptr && program->Host().IsOptionSet(kOptSmartRouting) && router != nullptr;
  if (!smart || !router->Route(*this, canvas, sx + startStub, sy, ex - endStub, ey)) {
    LayOutSimple(canvas, sx + startStub, sy, ex - endStub, ey);
  }
  if (startStub != 0) PlaceSegment(sx, sy, sx + startStub, sy, -1);
  TidyEnds();
  ClearFlags(kGotoHandEdited);
  SetBusyState(kBusyOff, 0, nullptr);
}

void Goto::LayOutSimple(LineCanvas& canvas, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  if (x1 <= x2) {
    const std::int32_t m = x1 + (x2 - x1) / 2;
    PlaceSegment(m, y2, x2, y2, -1);
    PlaceSegment(m, y1, m, y2, -1);
    PlaceSegment(x1, y1, m, y1, -1);
    return;
  }
  const Rect start = Block() != nullptr ? canvas.BlockRect(*Block()) : Rect();
  const Rect end = endBlock_ != nullptr ? canvas.BlockRect(*endBlock_) : Rect();
  std::int32_t y;
  if (start.bottom + 10 <= end.top) {
    y = start.bottom + (end.top - start.bottom) / 2;
  } else if (end.bottom + 10 < start.top) {
    y = end.bottom + (start.top - end.bottom) / 2;
  } else {
    y = std::max(start.bottom, end.bottom) + 10;
  }
  PlaceSegment(x2, y, x2, y2, -1);
  PlaceSegment(x1, y, x2, y, -1);
  PlaceSegment(x1, y1, x1, y, -1);
}

void Goto::TidyEnds() {
  if (segments_.size() < 2) return;
  {
    Segment& f = *segments_[0];
    const Segment& g = *segments_[1];
    const std::int32_t gx = g.fromX, gy = g.fromY;
    if (f.fromY == gy && f.fromX < gx && gx < f.toX) {
      DropSegment(1);
      f.fromX = gx;
      f.fromY = gy;
    }
  }
  if (segments_.size() < 2) return;
  Segment& l = *segments_.back();
  const Segment& p = *segments_[segments_.size() - 2];
  const std::int32_t px = p.toX, py = p.toY;
  if (l.toY == py && l.fromX < px && px < l.toX) {
    DropSegment(static_cast<int>(segments_.size()) - 2);
    l.toX = px;
    l.toY = py;
  }
}

int Goto::AdjustEnds(std::int32_t sx, std::int32_t sy, std::int32_t ex, std::int32_t ey, std::int32_t halfWidth) {
  const std::int32_t a = sx + halfWidth + 4;
  const std::int32_t b = ex - 10;
  if (segments_.empty()) return 0;
  auto startFits = [&] { return segments_.back()->fromX == sx && segments_.back()->fromY == sy; };
  auto endFits = [&] { return segments_.front()->toX == ex && segments_.front()->toY == ey; };

  if (!startFits() && !endFits()) {
    // Both blocks moved: the whole line follows the start; the end, when it moved by
    // another offset, is adjusted below like a moved end block.
    const std::int32_t dx = sx - segments_.back()->fromX;
    const std::int32_t dy = sy - segments_.back()->fromY;
    for (auto& s : segments_) {
      s->fromX += dx;
      s->toX += dx;
      s->fromY += dy;
      s->toY += dy;
    }
  }
  if (startFits() && endFits()) return 1;
  if (!TestFlags(kGotoHandEdited)) return 0;
  const std::int32_t firstToX = segments_.front()->toX;
  const std::int32_t lastFromX = segments_.back()->fromX;
  if ((firstToX < lastFromX && sx < ex) || (lastFromX < firstToX && ex < sx)) return 0;

  if (startFits()) {
    // The end block moved: keep the line up to a segment that can reach the new entry.
    const Segment* began = segments_.front().get();
    Segment* kept = nullptr;
    std::int32_t tx = 0;
    while (!segments_.empty()) {
      Segment* t = segments_.front().get();
      tx = t->toX;
      const int dir = t->Direction();
      if ((dir & kDirVertical) && tx <= b) {
        kept = t;
        break;
      }
      if (t != began && (dir & kDirHorizontal) &&
          ((dir == kDirRight && a < t->fromX && t->fromX < b) || (dir == kDirLeft && b < t->fromX && t->fromX < a))) {
        t->toX = b;
        tx = b;
        kept = t;
        break;
      }
      DropSegment(0);
    }
    if (kept == nullptr) return 0;
    if (kept->IsHorizontal()) {
      PlaceSegment(tx, kept->toY, tx, ey, 0);
      PlaceSegment(tx, ey, ex, ey, 0);
    } else {
      kept->toY = ey;
      PlaceSegment(tx, ey, ex, ey, 0);
    }
    return 1;
  }

  // The start block moved: the mirror image on the last segments.
  const Segment* began = segments_.back().get();
  Segment* kept = nullptr;
  std::int32_t fx = 0;
  while (!segments_.empty()) {
    Segment* t = segments_.back().get();
    fx = t->fromX;
    const int dir = t->Direction();
    if ((dir & kDirVertical) && a <= fx) {
      kept = t;
      break;
    }
    if (t != began && (dir & kDirHorizontal) &&
        ((dir == kDirRight && a < t->toX && t->toX < b) || (dir == kDirLeft && b < t->toX && t->toX < a))) {
      t->fromX = a;
      fx = a;
      kept = t;
      break;
    }
    DropSegment(static_cast<int>(segments_.size()) - 1);
  }
  if (kept == nullptr) return 0;
  if (kept->IsHorizontal()) {
    const std::int32_t fy = kept->fromY;
    PlaceSegment(fx, sy, fx, fy, -1);
    PlaceSegment(sx, sy, fx, sy, -1);
  } else {
    kept->fromY = sy;
    PlaceSegment(sx, sy, fx, sy, -1);
  }
  return 1;
}

}  // namespace ed
