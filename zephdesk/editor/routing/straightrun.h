#pragma once
// Whether a straight run of the router is refused somewhere, however a course cuts it into
// moves: some drawn VavurOrezo meets the run and is entered from outside. The router's
// estimate rests on it (a course whose only straight ways to the goal are refused must turn
// more), so it may answer "refused" only where every course along the run is refused.

#include <cstdint>

#include "editor/routing/routepage.h"
#include "editor/routing/searchcells.h"

namespace ed {

// The run goes from (x0, y0) to (x1, y1), horizontal or vertical, in page units.
bool StraightRunRefused(SearchCells& cells, const RoutePage& page, std::int32_t x0, std::int32_t y0, std::int32_t x1,
                        std::int32_t y1);

}  // namespace ed
