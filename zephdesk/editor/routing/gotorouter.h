#pragma once
// The best-first router of one goto line: partial paths ordered by their cost so far
// plus an estimate of the cost to come, on a lattice whose step shrinks near the goal.
// Moves into a drawn VavurOrezo are refused (unless the move starts inside it); goto
// blocks, branches and labels of other lines cost 100 per grid cell, crossing another
// line 1, running alongside one 150, a turn 50 and every unit of length 1. The estimate
// counts the turns still needed, seeing which straight ways to the goal the blocks refuse;
// far from the goal it leans toward the goal a little more than the cost does.

#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "editor/drawn/grid.h"
#include "editor/routing/path.h"
#include "editor/routing/pointtable.h"
#include "editor/routing/routepage.h"
#include "editor/routing/searchcells.h"
#include "editor/routing/searchpool.h"
#include "editor/support/geometry.h"

namespace ed {

class Goto;

inline constexpr const char* kRouteOutOfMemoryText =
    "Out of memory while routing goto.  Goto line may be drawn incompletely.";

class GotoRouter {
 public:
  // A search may take up to this many times its pop limit before it gives up.
  static constexpr std::int32_t kBudgetFactor = 16;
  // Pops between two runs of the message pump.
  static constexpr std::int32_t kPumpInterval = 200;
  // Beyond this distance from the goal, each unit still to go adds 1/kFarWeightDivisor
  // to the estimate.
  static constexpr std::int32_t kFarDistance = 400;
  static constexpr std::int32_t kFarWeightDivisor = 8;
  // The point table's slots kept from one route to the next (a long search's are freed).
  static constexpr std::size_t kKeptPointSlots = std::size_t(1) << 16;

  explicit GotoRouter(SearchPoolMaker makePool);
  ~GotoRouter();
  GotoRouter(const GotoRouter&) = delete;
  GotoRouter& operator=(const GotoRouter&) = delete;

  // 1 with the found path in out (valid until ReleaseMemory); 0 with out null when the
  // frontier ran out, the budget was spent or Escape was pressed; 0 with out untouched
  // when memory ran out. endRect, the target's drawn box in page units, is grown by 4.
  int Route(Goto& line, RoutePage& page, RouteUi& ui, std::int32_t startX, std::int32_t startY, std::int32_t endX,
            std::int32_t endY, Rect& endRect, Path*& out);
  // Destroys the pool and with it every path and point of the last search.
  void ReleaseMemory();

  // The pop limit of a search between the two points.
  static std::int32_t PopLimit(std::int32_t startX, std::int32_t startY, std::int32_t endX, std::int32_t endY);
  // Pops taken by the last search.
  std::int32_t LastPops() const { return pops_; }
  bool HoldsMemory() const { return pool_ != nullptr; }

 private:
  enum class Offer { Taken, Dropped };
  Path* NewPath();
  Path* NewChild(const Path& parent, int direction);
  // The next move of the path from its end point: its direction and the new point; 0 when
  // no move is left.
  int NextMove(Path& path, std::int32_t& x, std::int32_t& y) const;
  // Adds the point to the child and prices it; false when the point cannot be allocated
  // (reported) and refused set when the move enters a drawn VavurOrezo.
  bool Evaluate(Path& child, std::int32_t x, std::int32_t y, int direction, bool& refused);
  // A lower bound of the cost still to come from the path's end (no lower than the
  // Manhattan distance and the turns it must still make), weighted up far from the goal.
  std::int32_t EstimateRemaining(const Path& path);
  // The fewest turns a course heading that way from (x, y) still makes to the goal. With
  // checkLegs, a straight course the blocks refuse needs two more, and so does a one-turn
  // course with a refused leg (the corner of such a course is fixed).
  int TurnsAhead(int direction, std::int32_t x, std::int32_t y, bool checkLegs);
  // Whether the straight run from (x, y) across to the goal's column (horizontal) or down
  // or up to its row is refused; each answer is kept for the search, since every point of
  // a row asks for the same run from the goal's column on.
  bool RunToGoalLineRefused(std::int32_t x, std::int32_t y, bool horizontal);
  void AddToFrontier(Path* child);
  Path* PopFrontier();
  void Unlist(Path* path);
  void ClearSearch();

  SearchPoolMaker makePool_;
  std::unique_ptr<SearchPool> pool_;
  // The search context, rewritten by every route.
  Goto* line_ = nullptr;
  const RoutePage* page_ = nullptr;
  std::int32_t startX_ = 0, startY_ = 0, endX_ = 0, endY_ = 0;
  const Rect* endRect_ = nullptr;
  std::int32_t nextId_ = 1;
  std::int32_t pops_ = 0;
  std::vector<Path*> frontier_;   // a heap in path order, with stale entries
  struct PointState {
    Path* waiting = nullptr;   // the waiting paths of the lattice point
    // The least Value taken from the frontier at the point, per arriving direction. What a
    // course costs from a point on depends only on the point and the direction it arrived
    // in, so a later path that arrives the same way at no less cost cannot lead anywhere
    // better and is not offered.
    std::int32_t expanded[4] = {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::max(),
                                std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::max()};
  };
  PointState& AtPoint(std::int32_t x, std::int32_t y);
  PointTable<PointState> points_;
  PointTable<bool> runsAcross_, runsDown_;   // RunToGoalLineRefused's answers
  SearchCells cells_;
};

}  // namespace ed
