#pragma once
// Laying out the middle part of a goto line with the router: the line's segments follow
// the corners of the path found, from the end back to the start. While a search runs the
// main window is off and the page's status line says "Routing goto lines." with a dot per
// pump; a route asked for meanwhile (through the pump) gets the fixed form and stays
// marked for routing.

#include "editor/canvas/gotoline.h"
#include "editor/routing/gotorouter.h"

namespace ed {

inline constexpr const char* kRoutingStatusText = "Routing goto lines.";

class SmartRoute : public SmartRouter {
 public:
  SmartRoute(SearchPoolMaker makePool, RouteUi& ui);
  bool Route(Goto& line, LineCanvas& canvas, std::int32_t x1, std::int32_t y1, std::int32_t x2,
             std::int32_t y2) override;
  const GotoRouter& Router() const { return router_; }

 private:
  void EndStatus(RoutePage& page);

  GotoRouter router_;
  RouteUi& ui_;
  bool searching_ = false;
};

}  // namespace ed
