#include "editor/routing/gotorouter.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#include "editor/canvas/gotoline.h"
#include "editor/drawn/displayobject.h"
#include "editor/drawn/lineobjects.h"
#include "editor/routing/moverect.h"
#include "editor/routing/straightrun.h"

namespace ed {
namespace {

constexpr std::int32_t kGrowEndRect = 4;

constexpr int kMoveOrder[4] = {kDirUp, kDirDown, kDirRight, kDirLeft};

int Opposite(int direction) {
  switch (direction) {
    case kDirRight: return kDirLeft;
    case kDirLeft: return kDirRight;
    case kDirUp: return kDirDown;
    case kDirDown: return kDirUp;
    default: return kMoveNone;
  }
}

// The slot of an arriving direction in a point's table entry.
int DirectionIndex(int direction) {
  switch (direction) {
    case kDirRight: return 0;
    case kDirDown: return 1;
    case kDirLeft: return 2;
    default: return 3;
  }
}

std::uint64_t PointKey(std::int32_t x, std::int32_t y) {
  return (std::uint64_t(std::uint32_t(x)) << 32) | std::uint32_t(y);
}

// The heap keeps the first path of the path order on top.
bool HeapAfter(const Path* a, const Path* b) { return PathBefore(*b, *a); }

}  // namespace

GotoRouter::GotoRouter(SearchPoolMaker makePool) : makePool_(std::move(makePool)) {}

GotoRouter::~GotoRouter() { ReleaseMemory(); }

std::int32_t GotoRouter::PopLimit(std::int32_t startX, std::int32_t startY, std::int32_t endX, std::int32_t endY) {
  const std::int64_t twice = 2 * (std::llabs(std::int64_t(startX) - endX) + std::llabs(std::int64_t(startY) - endY));
  if (twice <= 250) return 250;
  if (twice >= 1000) return 1000;
  return static_cast<std::int32_t>(twice);
}

void GotoRouter::ReleaseMemory() {
  ClearSearch();
  pool_.reset();
  // The point table stays for the next route, unless a long search made it large.
  if (points_.Capacity() > kKeptPointSlots) points_.Release();
  if (runsAcross_.Capacity() > kKeptPointSlots) runsAcross_.Release();
  if (runsDown_.Capacity() > kKeptPointSlots) runsDown_.Release();
  cells_.ReleaseIfLarge();
}

void GotoRouter::ClearSearch() {
  frontier_.clear();
  points_.Clear();
  runsAcross_.Clear();
  runsDown_.Clear();
  cells_.Reset(nullptr);
}

GotoRouter::PointState& GotoRouter::AtPoint(std::int32_t x, std::int32_t y) {
  bool fresh = false;
  PointState& state = points_.Claim(PointKey(x, y), fresh);
  if (fresh) state = PointState{};
  return state;
}

Path* GotoRouter::NewPath() {
  void* at = pool_->Alloc(sizeof(Path));
  return at != nullptr ? new (at) Path() : nullptr;
}

Path* GotoRouter::NewChild(const Path& parent, int direction) {
  Path* child = NewPath();
  if (child == nullptr) return nullptr;
  child->pbIntersect = parent.pbIntersect;
  child->parallels = parent.parallels;
  child->gotoIntersect = parent.gotoIntersect;
  child->turns = parent.turns;
  child->distance = parent.distance;
  child->estimate = parent.estimate;
  child->value = parent.value;
  child->pointCount = parent.pointCount;
  child->newest = parent.newest;
  child->x = parent.x;
  child->y = parent.y;
  child->remaining = parent.remaining;
  // Going straight on keeps the parent's identity; a turn (and every first move) is new.
  child->id = parent.newest != nullptr && parent.newest->direction == direction ? parent.id : ++nextId_;
  return child;
}

int GotoRouter::NextMove(Path& path, std::int32_t& x, std::int32_t& y) const {
  const int opposite = Opposite(path.Direction());
  while (path.moveState < 4) {
    const int move = kMoveOrder[path.moveState++];
    if (move == opposite) continue;
    const std::int32_t sx = std::abs(endX_ - path.x) < 120 ? 12 : 40;
    const std::int32_t sy = std::abs(endY_ - path.y) < 60 ? 6 : 20;
    x = path.x;
    y = path.y;
    switch (move) {
      case kDirUp: y -= sy; break;
      case kDirDown: y += sy; break;
      case kDirRight: x += sx; break;
      default: x -= sx; break;
    }
    // Near the goal the move lands on its line.
    if ((move & kDirVertical) && std::abs(y - endY_) < sy) y = endY_;
    if ((move & kDirHorizontal) && std::abs(x - endX_) < sx) x = endX_;
    return move;
  }
  return kMoveNone;
}

bool GotoRouter::Evaluate(Path& child, std::int32_t x, std::int32_t y, int direction, bool& refused) {
  refused = false;
  void* at = pool_->Alloc(sizeof(PathSeg));
  if (at == nullptr) return false;
  const bool hadPrevious = child.newest != nullptr;
  const int previousDirection = child.Direction();
  const std::int32_t x0 = hadPrevious ? child.newest->x : startX_;
  const std::int32_t y0 = hadPrevious ? child.newest->y : startY_;
  PathSeg* point = new (at) PathSeg{child.newest, x, y, static_cast<std::uint8_t>(direction)};
  child.newest = point;
  ++child.pointCount;

  const bool horizontal = (direction & kDirHorizontal) != 0;
  const Point start = page_->PageToCanvas(x0, y0);
  std::int32_t obstacles = 0, crossings = 0, parallels = 0;
  bool snapped = false;
  bool blocked = false;
  for (;;) {
    obstacles = crossings = parallels = 0;
    blocked = false;
    const Rect canvasRect = MoveCanvasRect(*page_, x0, y0, point->x, point->y, direction);
    bool snapNow = false;
    cells_.ForEachInRect(canvasRect, [&](DisplayObject* object) {
      switch (object->isA()) {
        case kDrawnVavurOrezo:
          ++obstacles;
          if (!StrictlyInside(object->Bounds(), start)) blocked = true;
          break;
        case kDrawnGotoBlock:
        case kDrawnBranch:
          ++obstacles;
          break;
        case kDrawnLabel: {
          const Goto* other = static_cast<LineLabelObject*>(object)->Line();
          const bool exempt =
              other != nullptr && (other->NeedsRouting() || (horizontal && other->Block() == line_->Block()));
          if (!exempt) ++obstacles;
          break;
        }
        case kDrawnSegment: {
          const auto* drawn = static_cast<LineSegmentObject*>(object);
          const Goto* other = drawn->Line();
          if (other == nullptr || other->NeedsRouting()) break;
          const bool sameTarget = other->EndBlock() == line_->EndBlock();
          if (drawn->Horizontal() != horizontal) {
            if (!sameTarget) ++crossings;
            break;
          }
          const auto* segment = static_cast<const Segment*>(drawn->Object());
          if (!sameTarget || segment == nullptr || segment->Direction() != direction) {
            ++parallels;
            break;
          }
          // Running onto a line into the same target: join it at its segment's end.
          const auto& segments = other->GetSegments();
          if (!snapped && !segments.empty() && segments.front().get() != segment) {
            if (horizontal) {
              point->x = segment->toX;
            } else {
              point->y = segment->toY;
            }
            snapped = true;
            snapNow = true;
          }
          break;
        }
        default:
          break;
      }
      return !snapNow;
    });
    if (!snapNow) break;
  }
  if (blocked) {
    refused = true;
    return true;
  }
  if (hadPrevious && previousDirection != direction) ++child.turns;
  child.distance += std::abs(point->x - x0) + std::abs(point->y - y0);
  child.x = point->x;
  child.y = point->y;
  child.remaining = std::abs(endX_ - child.x) + std::abs(endY_ - child.y);
  child.estimate = EstimateRemaining(child);
  child.pbIntersect += obstacles;
  child.gotoIntersect += crossings;
  child.parallels += parallels;
  child.value = PathValue(child);
  return true;
}

std::int32_t GotoRouter::EstimateRemaining(const Path& path) {
  const std::int32_t x = path.x, y = path.y, ex = endX_, ey = endY_;
  const int d = path.Direction();
  std::int32_t h = std::abs(ex - x) + std::abs(ey - y);
  const Rect& box = *endRect_;
  if (x > ex && box.top < y && y < box.bottom) {
    // Right of the target and level with it: the way round its box, which its own turn
    // terms price.
    h += std::min(y - box.top, box.bottom - y) + (box.bottom - box.top) / 2;
    if (d & kDirVertical) h += 50;
    if (d & kDirHorizontal) h += 100;
    return h + TurnsAhead(d, x, y, false) * kCostTurn;
  }
  // Far from the goal every unit still to go weighs a little more, so a long line's search
  // heads for the goal instead of trying every near-equal course over the whole span
  // between. The price is bounded: the course found costs no more than the cheapest plus
  // an eighth of how far beyond kFarDistance from the goal the cheapest one ever gets.
  const std::int32_t beyond = path.remaining - kFarDistance;
  if (beyond > 0) h += beyond / kFarWeightDivisor;
  return h + TurnsAhead(d, x, y, true) * kCostTurn;
}

int GotoRouter::TurnsAhead(int d, std::int32_t x, std::int32_t y, bool checkLegs) {
  if (d == kMoveNone) return 0;
  const std::int32_t ex = endX_, ey = endY_;
  const bool horizontal = (d & kDirHorizontal) != 0;
  // Along the heading: the coordinate still to cover, and whether the goal lies behind.
  const std::int32_t along = horizontal ? x : y, alongEnd = horizontal ? ex : ey;
  const std::int32_t across = horizontal ? y : x, acrossEnd = horizontal ? ey : ex;
  const bool forward = d == kDirRight || d == kDirDown;
  const bool behind = forward ? along > alongEnd : along < alongEnd;
  if (behind) return across == acrossEnd ? 1 : 2;
  if (across == acrossEnd) {
    // Straight on to the goal, or at least two turns round what stands in the way.
    if (checkLegs && RunToGoalLineRefused(x, y, horizontal)) return 2;
    return 0;
  }
  // One turn, where the heading meets the goal's line; with either leg blocked, two.
  const std::int32_t cx = horizontal ? ex : x, cy = horizontal ? y : ey;
  if (checkLegs && (RunToGoalLineRefused(x, y, horizontal) || RunToGoalLineRefused(cx, cy, !horizontal))) return 2;
  return 1;
}

bool GotoRouter::RunToGoalLineRefused(std::int32_t x, std::int32_t y, bool horizontal) {
  bool fresh = false;
  bool& refused = (horizontal ? runsAcross_ : runsDown_).Claim(PointKey(x, y), fresh);
  if (fresh) {
    refused = horizontal ? StraightRunRefused(cells_, *page_, x, y, endX_, y)
                         : StraightRunRefused(cells_, *page_, x, y, x, endY_);
  }
  return refused;
}

void GotoRouter::AddToFrontier(Path* child) {
  PointState& state = AtPoint(child->x, child->y);
  if (child->newest != nullptr && state.expanded[DirectionIndex(child->newest->direction)] <= child->value) return;
  Path*& listed = state.waiting;
  Path* const e = listed;
  if (e != nullptr && PathBefore(*e, *child)) return;   // dropped; its memory goes with the pool
  if (e != nullptr && PathBefore(*child, *e)) {
    // Every path waiting at the point is worse: they leave the frontier.
    for (Path* p = e; p != nullptr; p = p->nextAtPoint) p->waiting = false;
    listed = nullptr;
  }
  child->nextAtPoint = listed;
  listed = child;
  child->waiting = true;
  frontier_.push_back(child);
  std::push_heap(frontier_.begin(), frontier_.end(), HeapAfter);
}

Path* GotoRouter::PopFrontier() {
  while (!frontier_.empty()) {
    std::pop_heap(frontier_.begin(), frontier_.end(), HeapAfter);
    Path* p = frontier_.back();
    frontier_.pop_back();
    if (p->waiting) return p;
  }
  return nullptr;
}

void GotoRouter::Unlist(Path* path) {
  path->waiting = false;
  PointState* state = points_.Find(PointKey(path->x, path->y));
  if (state == nullptr) return;
  Path** link = &state->waiting;
  while (*link != nullptr && *link != path) link = &(*link)->nextAtPoint;
  if (*link != nullptr) *link = path->nextAtPoint;
  path->nextAtPoint = nullptr;
}

int GotoRouter::Route(Goto& line, RoutePage& page, RouteUi& ui, std::int32_t startX, std::int32_t startY,
                      std::int32_t endX, std::int32_t endY, Rect& endRect, Path*& out) {
  if (pool_ == nullptr) {
    pool_ = makePool_ ? makePool_() : nullptr;
    if (pool_ == nullptr) return 0;
  } else {
    pool_->Reset();
  }
  ClearSearch();
  pops_ = 0;
  const std::int32_t limit = PopLimit(startX, startY, endX, endY);
  const std::int32_t budget = std::max(limit + 1, kBudgetFactor * limit);

  line_ = &line;
  page_ = &page;
  cells_.Reset(&page.PageGrid());
  startX_ = startX;
  startY_ = startY;
  endX_ = endX;
  endY_ = endY;
  InflateRect(endRect, kGrowEndRect, kGrowEndRect);
  endRect_ = &endRect;
  nextId_ = 1;
  Path* root = NewPath();
  if (root == nullptr) return 0;
  root->x = startX;
  root->y = startY;
  root->remaining = std::abs(endX - startX) + std::abs(endY - startY);
  AddToFrontier(root);

  std::int32_t lastPump = 0;
  Path* found = nullptr;
  while (pops_ < budget) {
    const std::int32_t n = pops_ + 1;
    if (n == 1 || n - lastPump > kPumpInterval) {
      lastPump = n;
      if (!ui.PumpMessages()) break;
      if (page.HasStatusLine()) page.AppendStatusMessage(2, ".");
    }
    Path* p = PopFrontier();
    if (p == nullptr) break;
    pops_ = n;
    Unlist(p);
    if (p->newest != nullptr) {
      std::int32_t& least = AtPoint(p->x, p->y).expanded[DirectionIndex(p->newest->direction)];
      least = std::min(least, p->value);
    }
    if (p->x == endX && p->y == endY) {
      found = p;
      break;
    }
    std::int32_t x = 0, y = 0;
    while (const int move = NextMove(*p, x, y)) {
      Path* child = NewChild(*p, move);
      bool refused = false;
      if (child == nullptr) {
        ClearSearch();
        return 0;
      }
      if (!Evaluate(*child, x, y, move, refused)) {
        ui.ShowWarning(kRouteOutOfMemoryText);
        ClearSearch();
        return 0;
      }
      if (!refused) AddToFrontier(child);
    }
  }
  ClearSearch();
  out = found;
  return found != nullptr ? 1 : 0;
}

}  // namespace ed
