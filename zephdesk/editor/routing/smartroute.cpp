#include "editor/routing/smartroute.h"

namespace ed {

SmartRoute::SmartRoute(SearchPoolMaker makePool, RouteUi& ui) : router_(std::move(makePool)), ui_(ui) {}

void SmartRoute::EndStatus(RoutePage& page) {
  if (!page.HasStatusLine()) return;
  // The dots went to level 2: clear it too, or the line keeps showing the old search.
  page.SetStatusMessage(2, "");
  page.SetStatusMessage(0, "");
}

bool SmartRoute::Route(Goto& line, LineCanvas& canvas, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                       std::int32_t y2) {
  RoutePage* page = canvas.RoutingPage();
  if (page == nullptr || line.EndBlock() == nullptr) return false;
  if (searching_) {
    // The search's context is in use: this line is laid out simply and routed later.
    line.SetRerouteFlag();
    return false;
  }
  Rect endRect = canvas.BlockRect(*line.EndBlock());
  ui_.EnableMainWindow(false);
  if (!ui_.PumpMessages()) {
    ui_.EnableMainWindow(true);
    return false;
  }
  if (page->HasStatusLine()) page->SetStatusMessage(2, kRoutingStatusText);

  searching_ = true;
  Path* path = nullptr;
  const int found = router_.Route(line, *page, ui_, x1, y1, x2, y2, endRect, path);
  searching_ = false;
  EndStatus(*page);
  ui_.EnableMainWindow(true);
  if (found == 0 || path == nullptr) {
    router_.ReleaseMemory();
    return false;
  }
  path->MergeStraightRuns();
  // From the end point back to the first point, each segment runs in the line's direction.
  const PathSeg* newer = path->newest;
  if (newer != nullptr) {
    for (const PathSeg* older = newer->older; older != nullptr; newer = older, older = older->older) {
      line.PlaceSegment(older->x, older->y, newer->x, newer->y, -1);
    }
    line.PlaceSegment(x1, y1, newer->x, newer->y, -1);
  }
  router_.ReleaseMemory();
  return true;
}

}  // namespace ed
