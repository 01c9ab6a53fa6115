#pragma once
// The partial paths of the goto-line router. Points form singly linked lists from the
// newest point back to the oldest, and a child path shares its parent's list, putting its
// new point in front. Paths and points live in the search's pool and are never freed one
// by one, so both are plain records.

#include <cstdint>
#include <string>

namespace ed {

// Direction codes of moves, the same as those of segments.
inline constexpr int kMoveNone = 0;

struct PathSeg {
  PathSeg* older;        // null for the first point after the start point
  std::int32_t x, y;
  std::uint8_t direction;
};

struct Path {
  std::int32_t pbIntersect = 0;     // obstacles hit so far
  std::int32_t parallels = 0;       // other lines run alongside
  std::int32_t gotoIntersect = 0;   // other lines crossed
  std::int32_t turns = 0;
  std::int32_t distance = 0;
  std::int32_t estimate = 0;        // the cost still to come: a lower bound near the goal
  std::int32_t value = 0;           // the ordering key
  std::int32_t id = 1;
  std::int32_t pointCount = 0;
  std::int32_t moveState = 0;       // which of the four moves comes next
  PathSeg* newest = nullptr;        // null for the root path

  // Search bookkeeping: the end point, its Manhattan distance to the goal (the first
  // tie-break of the order), the next path waiting at the same point, and whether the
  // path still waits in the frontier.
  std::int32_t x = 0, y = 0;
  std::int32_t remaining = 0;
  Path* nextAtPoint = nullptr;
  bool waiting = false;

  static constexpr int kClass = 364;
  int isA() const { return kClass; }
  const char* nameOf() const { return "VLXOBJECT"; }
  int Direction() const { return newest != nullptr ? newest->direction : kMoveNone; }

  // Keeps only the corners and the end point: every point whose direction equals that of
  // the next newer point goes.
  void MergeStraightRuns();
  // Value and cost terms, then the points newest first; for debugging.
  std::string Describe() const;
};

// The path order: lower Value first, then nearer the goal, then the lower ID.
inline bool PathBefore(const Path& a, const Path& b) {
  if (a.value != b.value) return a.value < b.value;
  if (a.remaining != b.remaining) return a.remaining < b.remaining;
  return a.id < b.id;
}

// Costs of the path's terms in its Value.
inline constexpr std::int32_t kCostObstacle = 100;
inline constexpr std::int32_t kCostCrossing = 1;
inline constexpr std::int32_t kCostParallel = 150;
inline constexpr std::int32_t kCostTurn = 50;
inline constexpr std::int32_t kDistanceWeight = 1;

inline std::int32_t PathValue(const Path& p) {
  return kCostObstacle * p.pbIntersect + kCostCrossing * p.gotoIntersect + kCostParallel * p.parallels +
         kCostTurn * p.turns + kDistanceWeight * p.distance + p.estimate;
}

}  // namespace ed
