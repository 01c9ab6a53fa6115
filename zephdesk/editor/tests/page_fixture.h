#pragma once
// A page canvas over the canvas model's test set-up: a window whose font is 8 pixels per
// average character and 16 high (page units are one canvas unit across and two down, so
// a missing conversion shows), names 6 pixels a character, scripted name answers, and the
// host's notices handed to the canvas the way the frame hands them to its page windows.

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "canvas_fixture.h"
#include "editor/drawn/blockobject.h"
#include "editor/drawn/lineobjects.h"
#include "editor/page/pagecanvas.h"

namespace ed::test {

class FakeCanvasWindow : public CanvasWindow {
 public:
  void InvalidateCanvasRect(const Rect& r) override { invalidated.push_back(r); }
  void InvalidateAll() override { ++wholeRepaints; }
  CanvasFont Font() override { return {52 * 8, 16, 2}; }
  std::int32_t TextWidth(const std::string& text) override { return 6 * static_cast<std::int32_t>(text.size()); }
  void SetBusy(bool busy) override { busyCalls.push_back(busy); }
  void PrintedPageSize(int, std::int32_t& width, std::int32_t& height) override {
    width = printedWidth;
    height = printedHeight;
  }
  void ShowPage(Page* page) override { shown.push_back(page); }
  bool AskBlockName(const std::string& caption, std::string& name) override {
    captions.push_back(caption);
    if (names.empty()) return false;
    name = names.front();
    names.pop_front();
    return true;
  }

  std::vector<Rect> invalidated;
  int wholeRepaints = 0;
  std::vector<bool> busyCalls;
  std::int32_t printedWidth = 0, printedHeight = 0;
  std::vector<Page*> shown;
  std::deque<std::string> names;
  std::vector<std::string> captions;
};

class PageCanvasTest : public CanvasTest {
 protected:
  PageCanvasTest() {
    canvas = std::make_unique<PageCanvas>(*program, main, &window);
    host.onNotify = [this](ProgramObject* object, int kind, int scope) {
      if (canvas) canvas->ObjectUpdate(object, kind, scope);
    };
  }
  ~PageCanvasTest() override {
    host.onNotify = nullptr;
    canvas.reset();
  }

  // A type of the palette whose blocks have at least `outputs` plain outputs.
  int TypeWithOutputs(std::size_t outputs) const {
    for (int type = 393; type <= 415; ++type) {
      auto icon = palette ? palette->FindIconShared(type) : nullptr;
      if (!icon || !icon->Record()) continue;
      std::size_t plain = 0;
      for (const OutputEntry& e : icon->Record()->outputs) plain += (e.options & (kOutputSummary | kOutputHiddenDefault)) ? 0 : 1;
      if (plain >= outputs && type != kTypeRotary && type != kTypeAttendant) return type;
    }
    return 0;
  }
  // The name of the block's n-th output that has a goto block drawn.
  static std::string Output(VavurOrezo* block, std::size_t n) {
    return ShownGotoBlocks(*block).at(n)->OutputName();
  }
  std::vector<DisplayObject*> DrawnOf(const UIObject* object, int drawnClass) const {
    std::vector<DisplayObject*> out;
    for (DisplayObject* d : object->Drawn()) {
      if (canvas->Owns(d) && d->isA() == drawnClass) out.push_back(d);
    }
    return out;
  }

  FakeCanvasWindow window;
  std::unique_ptr<PageCanvas> canvas;
};

}  // namespace ed::test
