#pragma once
// A page built on the editor's own objects and laid out the way a page build does: every
// line marked for routing, then the lines routed in block order with 10-unit stubs (the
// router first, the fixed form when it finds nothing), each line's segments drawn before
// the next. Page and canvas units are the same.

#include <memory>
#include <vector>

#include "editor/canvas/gotoline.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/drawn/blockobject.h"
#include "editor/drawn/grid.h"
#include "editor/routing/routepage.h"
#include "editor/routing/smartroute.h"
#include "pagetext.h"

namespace routebench {

// A line's course as its corners, from its start to its end.
using Polyline = std::vector<ed::Point>;

class QuietUi : public ed::RouteUi {
 public:
  bool PumpMessages() override { return true; }
  void EnableMainWindow(bool) override {}
  void ShowWarning(const char*) override {}
};

class RoutedPage : public ed::RoutePage, public ed::LineCanvas {
 public:
  explicit RoutedPage(const PageSpec& spec);
  ~RoutedPage() override;

  // Routes every line; the number of lines that took the fixed form.
  int RouteAll(ed::SmartRoute& router);
  // Paths taken from the router's frontier over all lines.
  long Pops() const { return pops_; }
  std::vector<Polyline> Courses() const;

  const ed::Grid& PageGrid() const override { return grid_; }
  ed::Point PageToCanvas(std::int32_t x, std::int32_t y) const override { return {x, y}; }
  void OutputConnection(ed::VavurOrezo&, const char*, ed::Point&, std::int32_t&) override {}
  void EntryPoint(ed::VavurOrezo&, ed::Point&, std::int32_t&, std::int32_t&) override {}
  ed::Rect BlockRect(ed::VavurOrezo& block) override;
  ed::RoutePage* RoutingPage() override { return this; }

 private:
  struct Line {
    std::unique_ptr<ed::Goto> line;
    ed::Point start, end;
  };
  void Draw(ed::Goto& line);

  PageSpec spec_;
  ed::Grid grid_;
  std::vector<std::unique_ptr<ed::VavurOrezo>> blocks_;
  std::vector<Line> lines_;
  std::vector<std::unique_ptr<ed::DisplayObject>> drawn_;
  long pops_ = 0;
};

}  // namespace routebench
