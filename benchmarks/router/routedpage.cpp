#include "routedpage.h"

#include <algorithm>

#include "editor/drawn/lineobjects.h"

namespace routebench {
namespace {
constexpr std::int32_t kStub = 10;
}  // namespace

RoutedPage::RoutedPage(const PageSpec& spec) : spec_(spec), grid_(this) {
  for (const ed::Rect& r : spec_.blocks) {
    blocks_.push_back(std::make_unique<ed::VavurOrezo>());
    auto drawn = std::make_unique<ed::VavurOrezoObject>(nullptr, blocks_.back().get());
    drawn->SetRect(r);
    // Name and type labels of half the height each, as wide as the block: a solid box.
    ed::BlockMetrics metrics;
    metrics.textHeight = r.Height() / 2;
    drawn->Layout(metrics, r.Width() - 2, r.Width() - 2);
    grid_.Register(drawn.get());
    drawn_.push_back(std::move(drawn));
  }
  std::vector<int> count(spec_.blocks.size(), 0), taken(spec_.blocks.size(), 0);
  for (const auto& [from, to] : spec_.lines) ++count[from];
  for (const auto& [from, to] : spec_.lines) {
    Line l;
    l.line = std::make_unique<ed::Goto>();
    l.line->SetOwner(blocks_[from].get());
    l.line->SetEndBlock(blocks_[to].get());
    l.line->SetRerouteFlag();
    l.start = LineStart(spec_.blocks[from], taken[from]++, count[from]);
    l.end = LineEnd(spec_.blocks[to]);
    lines_.push_back(std::move(l));
  }
}

RoutedPage::~RoutedPage() {
  drawn_.clear();
  lines_.clear();
  blocks_.clear();
}

ed::Rect RoutedPage::BlockRect(ed::VavurOrezo& block) {
  for (std::size_t i = 0; i < blocks_.size(); ++i) {
    if (blocks_[i].get() == &block) return spec_.blocks[i];
  }
  return {};
}

void RoutedPage::Draw(ed::Goto& line) {
  for (const auto& s : line.GetSegments()) {
    const bool horizontal = s->fromY == s->toY;
    const ed::Rect r{std::min(s->fromX, s->toX) - (horizontal ? 0 : 1), std::min(s->fromY, s->toY) - (horizontal ? 1 : 0),
                     std::max(s->fromX, s->toX) + (horizontal ? 0 : 1), std::max(s->fromY, s->toY) + (horizontal ? 1 : 0)};
    auto drawn = std::make_unique<ed::LineSegmentObject>(nullptr, s.get(), &line, horizontal);
    drawn->SetRect(r);
    grid_.Register(drawn.get());
    drawn_.push_back(std::move(drawn));
  }
}

int RoutedPage::RouteAll(ed::SmartRoute& router) {
  int fixed = 0;
  for (Line& l : lines_) {
    ed::Goto& line = *l.line;
    line.ClearFlags(ed::kGotoReroute);
    line.DropAllSegments();
    const ed::Point s = l.start, e = l.end;
    line.PlaceSegment(e.x - kStub, e.y, e.x, e.y, -1);
    if (!router.Route(line, *this, s.x + kStub, s.y, e.x - kStub, e.y)) {
      ++fixed;
      line.LayOutSimple(*this, s.x + kStub, s.y, e.x - kStub, e.y);
    }
    pops_ += router.Router().LastPops();
    line.PlaceSegment(s.x, s.y, s.x + kStub, s.y, -1);
    line.TidyEnds();
    Draw(line);
  }
  return fixed;
}

std::vector<Polyline> RoutedPage::Courses() const {
  std::vector<Polyline> courses;
  for (const Line& l : lines_) {
    Polyline p;
    const auto& segments = l.line->GetSegments();
    // Segments run from the end (index 0) back to the start, each in the line's direction.
    for (auto it = segments.rbegin(); it != segments.rend(); ++it) {
      const ed::Segment& s = **it;
      if (p.empty()) p.push_back({s.fromX, s.fromY});
      p.push_back({s.toX, s.toY});
    }
    courses.push_back(std::move(p));
  }
  return courses;
}

}  // namespace routebench
