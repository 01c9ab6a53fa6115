#pragma once
// A plain page for the router: drawn VavurOrezos as rectangles, other drawn objects where a
// test puts them, lines with their segments drawn 2 units thick, canvas units twice the
// page units (so a missing conversion shows), a recording status line, a pool that counts
// its blocks and can run dry, and a scripted pump.

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "editor/canvas/gotoline.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/drawn/blockobject.h"
#include "editor/drawn/grid.h"
#include "editor/drawn/lineobjects.h"
#include "editor/routing/routepage.h"
#include "editor/routing/searchpool.h"

namespace ed::test {

inline constexpr std::int32_t kCanvasScale = 2;

class CountingPool : public SearchPool {
 public:
  struct Stats {
    int live = 0;        // pools not yet destroyed
    int made = 0;
    long allocations = 0;
    long failAfter = -1; // allocations granted before the pool runs dry; -1 never
  };
  explicit CountingPool(Stats& stats) : stats_(stats) { ++stats_.live, ++stats_.made; }
  ~CountingPool() override { --stats_.live; }
  void* Alloc(std::uint32_t n) override {
    if (stats_.failAfter >= 0 && stats_.allocations >= stats_.failAfter) return nullptr;
    ++stats_.allocations;
    blocks_.emplace_back(new std::uint64_t[(n + 7) / 8]);
    return blocks_.back().get();
  }
  void Reset() override { blocks_.clear(); }
  static SearchPoolMaker Maker(Stats& stats) {
    return [&stats]() -> std::unique_ptr<SearchPool> { return std::make_unique<CountingPool>(stats); };
  }

 private:
  Stats& stats_;
  std::vector<std::unique_ptr<std::uint64_t[]>> blocks_;
};

class ScriptedUi : public RouteUi {
 public:
  bool PumpMessages() override {
    ++pumps;
    if (onPump) onPump();
    return pumps != escapeAtPump;
  }
  void EnableMainWindow(bool enable) override { enables.push_back(enable); }
  void ShowWarning(const char* text) override { warnings.emplace_back(text); }

  int pumps = 0;
  int escapeAtPump = -1;
  std::function<void()> onPump;
  std::vector<bool> enables;
  std::vector<std::string> warnings;
};

class PlainPage : public RoutePage, public LineCanvas {
 public:
  PlainPage() : grid_(this) {}
  ~PlainPage() override {
    drawn_.clear();
    lines_.clear();
    blocks_.clear();
  }

  // RoutePage
  const Grid& PageGrid() const override { return grid_; }
  Point PageToCanvas(std::int32_t x, std::int32_t y) const override { return {x * kCanvasScale, y * kCanvasScale}; }
  bool HasStatusLine() const override { return true; }
  void SetStatusMessage(int level, const char* text) override { status.emplace_back(level, "=" + std::string(text)); }
  void AppendStatusMessage(int level, const char* text) override { status.emplace_back(level, "+" + std::string(text)); }

  // LineCanvas: a line leaves the right edge of its block in the middle and enters the left
  // edge of its target in the middle.
  void OutputConnection(VavurOrezo& block, const char*, Point& at, std::int32_t& halfWidth) override {
    const Rect r = BlockRect(block);
    at = {r.right, r.top + r.Height() / 2};
    halfWidth = 0;
  }
  void EntryPoint(VavurOrezo& block, Point& at, std::int32_t& reachA, std::int32_t& reachB) override {
    const Rect r = BlockRect(block);
    at = {r.left, r.top + r.Height() / 2};
    reachA = reachB = 0;
  }
  Rect BlockRect(VavurOrezo& block) override {
    for (std::size_t i = 0; i < blocks_.size(); ++i) {
      if (blocks_[i].get() == &block) return rects_[i];
    }
    return {};
  }
  RoutePage* RoutingPage() override { return this; }

  Rect ToCanvas(const Rect& r) const {
    return {r.left * kCanvasScale, r.top * kCanvasScale, r.right * kCanvasScale, r.bottom * kCanvasScale};
  }

  // A drawn VavurOrezo filling the rectangle (page units).
  VavurOrezo* AddBlock(const Rect& r) {
    const Rect c = ToCanvas(r);
    BlockMetrics metrics;
    metrics.textHeight = c.Height() / 2;
    return AddBlock(r, metrics, c.Width() - 2, c.Width() - 2);
  }
  // A drawn VavurOrezo in the rectangle (page units) with its parts laid out by the
  // metrics and widths (canvas units).
  VavurOrezo* AddBlock(const Rect& r, const BlockMetrics& metrics, std::int32_t nameWidth, std::int32_t labelWidth) {
    blocks_.push_back(std::make_unique<VavurOrezo>());
    rects_.push_back(r);
    auto drawn = std::make_unique<VavurOrezoObject>(nullptr, blocks_.back().get());
    drawn->SetRect(ToCanvas(r));
    drawn->Layout(metrics, nameWidth, labelWidth);
    grid_.Register(drawn.get());
    drawn_.push_back(std::move(drawn));
    return blocks_.back().get();
  }
  // Any other drawn object, registered at the rectangle (page units).
  template <typename T, typename... Args>
  T* AddDrawn(const Rect& r, Args&&... args) {
    auto drawn = std::make_unique<T>(nullptr, std::forward<Args>(args)...);
    drawn->SetRect(ToCanvas(r));
    grid_.Register(drawn.get());
    T* made = drawn.get();
    drawn_.push_back(std::move(drawn));
    return made;
  }
  Goto* AddLine(VavurOrezo* from, VavurOrezo* to) {
    auto line = std::make_unique<Goto>();
    line->SetOwner(from);
    line->SetEndBlock(to);
    lines_.push_back(std::move(line));
    return lines_.back().get();
  }
  // Gives the line the segments (each From -> To, in the line's order) and draws them.
  void DrawSegments(Goto* line, const std::vector<Rect>& segments) {
    for (const Rect& s : segments) line->PlaceSegment(s.left, s.top, s.right, s.bottom, -1);
    DrawLine(line);
  }
  void DrawLine(Goto* line) {
    for (const auto& s : line->GetSegments()) {
      const bool horizontal = s->fromY == s->toY;
      const Rect r{std::min(s->fromX, s->toX) - (horizontal ? 0 : 1), std::min(s->fromY, s->toY) - (horizontal ? 1 : 0),
                   std::max(s->fromX, s->toX) + (horizontal ? 0 : 1), std::max(s->fromY, s->toY) + (horizontal ? 1 : 0)};
      AddDrawn<LineSegmentObject>(r, s.get(), line, horizontal);
    }
  }

  std::vector<std::pair<int, std::string>> status;

 private:
  Grid grid_;
  std::vector<std::unique_ptr<VavurOrezo>> blocks_;
  std::vector<Rect> rects_;
  std::vector<std::unique_ptr<Goto>> lines_;
  std::vector<std::unique_ptr<DisplayObject>> drawn_;
};

}  // namespace ed::test
