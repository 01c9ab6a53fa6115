#include "editor/routing/gotorouter.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#include "editor/canvas/gotoline.h"
#include "editor/drawn/displayobject.h"
#include "editor/drawn/lineobjects.h"

namespace ed {
namespace {

constexpr std::int32_t kGrowEndRect = 4;
constexpr std::int32_t kHalfWidth = 2;   // the test rectangle's reach across the motion

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

std::uint64_t PointKey(std::int32_t x, std::int32_t y) {
  return (std::uint64_t(std::uint32_t(x)) << 32) | std::uint32_t(y);
}

// The heap keeps the first path of the path order on top.
bool HeapAfter(const Path* a, const Path* b) { return PathBefore(*b, *a); }

// The stretch of a move widened across the motion, as a rectangle in page units.
Rect TestRect(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, int direction) {
  switch (direction) {
    case kDirRight: return {x0, y0 - kHalfWidth, x1, y1 + kHalfWidth};
    case kDirDown: return {x0 - kHalfWidth, y0, x1 + kHalfWidth, y1};
    case kDirLeft: return {x1, y1 - kHalfWidth, x0, y0 + kHalfWidth};
    default: return {x1 - kHalfWidth, y1, x0 + kHalfWidth, y0};
  }
}

// A move may leave the block it starts in; a start on the block's edge is outside, or a
// course could step onto the edge and walk in.
bool StrictlyInside(const Rect& r, Point p) { return r.left < p.x && p.x < r.right && r.top < p.y && p.y < r.bottom; }

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
}

void GotoRouter::ClearSearch() {
  frontier_.clear();
  // Fresh tables: clearing keeps a large search's bucket arrays, which every later clear
  // would wipe again.
  decltype(points_)().swap(points_);
  for (auto& table : expanded_) std::remove_reference_t<decltype(table)>().swap(table);
  query_ = GridQuery();
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
  const Grid& grid = page_->PageGrid();
  const Point start = page_->PageToCanvas(x0, y0);
  std::int32_t obstacles = 0, crossings = 0, parallels = 0;
  bool snapped = false;
  bool blocked = false;
  for (;;) {
    obstacles = crossings = parallels = 0;
    blocked = false;
    const Rect r = TestRect(x0, y0, point->x, point->y, direction);
    const Point a = page_->PageToCanvas(r.left, r.top);
    const Point b = page_->PageToCanvas(r.right, r.bottom);
    const Rect canvasRect{a.x, a.y, b.x, b.y};
    bool snapNow = false;
    query_.active = false;
    while (DisplayObject* object = grid.NextInRect(query_, canvasRect)) {
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
      if (snapNow) break;
    }
    if (!snapNow) break;
  }
  query_.active = false;
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

std::int32_t GotoRouter::EstimateRemaining(const Path& path) const {
  const std::int32_t x = path.x, y = path.y, ex = endX_, ey = endY_;
  const int d = path.Direction();
  std::int32_t h = std::abs(ex - x) + std::abs(ey - y);
  const Rect& box = *endRect_;
  if (x > ex && box.top < y && y < box.bottom) {
    // Right of the target and level with it: the way round its box.
    h += std::min(y - box.top, box.bottom - y) + (box.bottom - box.top) / 2;
    if (d & kDirVertical) h += 50;
    if (d & kDirHorizontal) h += 100;
  }
  switch (d) {
    case kDirRight: h += y == ey ? (x > ex ? 50 : 0) : (x > ex ? 100 : 50); break;
    case kDirDown: h += x == ex ? (y > ey ? 50 : 0) : (y > ey ? 100 : 50); break;
    case kDirLeft: h += y == ey ? (x < ex ? 50 : 0) : (x < ex ? 100 : 50); break;
    case kDirUp: h += x == ex ? (y < ey ? 50 : 0) : (y < ey ? 100 : 50); break;
    default: break;
  }
  return h;
}

std::unordered_map<std::uint64_t, std::int32_t>& GotoRouter::Expanded(int direction) {
  switch (direction) {
    case kDirRight: return expanded_[0];
    case kDirDown: return expanded_[1];
    case kDirLeft: return expanded_[2];
    default: return expanded_[3];
  }
}

void GotoRouter::AddToFrontier(Path* child) {
  if (child->newest != nullptr) {
    auto& table = Expanded(child->newest->direction);
    const auto taken = table.find(PointKey(child->x, child->y));
    if (taken != table.end() && taken->second <= child->value) return;
  }
  Path*& listed = points_[PointKey(child->x, child->y)];
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
  auto it = points_.find(PointKey(path->x, path->y));
  if (it == points_.end()) return;
  Path** link = &it->second;
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
      auto [at, added] = Expanded(p->newest->direction).try_emplace(PointKey(p->x, p->y), p->value);
      if (!added) at->second = std::min(at->second, p->value);
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
