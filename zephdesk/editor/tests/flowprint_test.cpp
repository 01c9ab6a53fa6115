// Flow printing's walk over the sheets with a recording job and canvas.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/print/flowprint.h"

namespace ed::test {
namespace {

class RecordingJob : public FlowPrintJob {
 public:
  bool ready = true;
  bool begins = true;
  int refuseNewPageAt = -1;  // index of the NewPage call that fails
  std::vector<std::string> calls;
  int newPages = 0;

  bool Ready() const override { return ready; }
  bool BeginJob(const char* name) override {
    calls.push_back(std::string("begin ") + name);
    return begins;
  }
  bool NewPage() override {
    if (newPages++ == refuseNewPageAt) {
      calls.push_back("refused");
      return false;
    }
    calls.push_back("new");
    return true;
  }
  void EndPage() override { calls.push_back("end"); }
  void EndJob() override { calls.push_back("endjob"); }
};

// Objects in the given tiles (by their left edge); tiles in blank draw nothing.
class RecordingPainter : public FlowTilePainter {
 public:
  std::vector<std::int32_t> withObjects;
  std::vector<std::int32_t> blank;
  std::vector<std::string> headers;

  bool HasObjects(const Rect& tile) override { return Contains(withObjects, tile.left + tile.top * 10); }
  bool PaintTile(const Rect& tile) override { return !Contains(blank, tile.left + tile.top * 10); }
  void PaintHeader(const std::string& text) override { headers.push_back(text); }

 private:
  static bool Contains(const std::vector<std::int32_t>& v, std::int32_t x) {
    for (auto e : v)
      if (e == x) return true;
    return false;
  }
};

FlowPrintPage WidePage() {
  // Three sheets wide, two high, of 100 x 100.
  return {"C:\\APPS\\DEMO.VAP", "Main", {0, 0, 300, 150}, 100, 100};
}

TEST(FlowPrintTest, EmptyTilesAreSkippedButKeepTheirNumbers) {
  RecordingJob job;
  RecordingPainter painter;
  painter.withObjects = {0, 200, 1100};  // and B-2 (left 100, top 100)
  EXPECT_EQ(PrintFlowPages(job, painter, WidePage()), 3);
  const std::vector<std::string> headers = {"C:\\APPS\\DEMO.VAP (Main)     Page A-1",
                                            "C:\\APPS\\DEMO.VAP (Main)     Page A-3",
                                            "C:\\APPS\\DEMO.VAP (Main)     Page B-2"};
  EXPECT_EQ(painter.headers, headers);
  const std::vector<std::string> calls = {"begin Application flow", "new", "end", "new", "end", "new", "end",
                                          "endjob"};
  EXPECT_EQ(job.calls, calls);
}

TEST(FlowPrintTest, EveryBegunPageIsEndedAndARefusedPageStopsTheJob) {
  RecordingJob job;
  job.refuseNewPageAt = 1;
  RecordingPainter painter;
  painter.withObjects = {0, 100, 200};
  painter.blank = {0};  // the first tile paints nothing: no header, but its page is ended
  EXPECT_EQ(PrintFlowPages(job, painter, WidePage()), 1);
  EXPECT_TRUE(painter.headers.empty());
  const std::vector<std::string> calls = {"begin Application flow", "new", "end", "refused", "endjob"};
  EXPECT_EQ(job.calls, calls);
}

TEST(FlowPrintTest, NothingPrintsWhenTheServiceIsInErrorOrTheJobDoesNotBegin) {
  RecordingPainter painter;
  painter.withObjects = {0};
  RecordingJob inError;
  inError.ready = false;
  EXPECT_EQ(PrintFlowPages(inError, painter, WidePage()), 0);
  EXPECT_TRUE(inError.calls.empty());
  RecordingJob refused;
  refused.begins = false;
  EXPECT_EQ(PrintFlowPages(refused, painter, WidePage()), 0);
  EXPECT_EQ(refused.calls, std::vector<std::string>{"begin Application flow"});
}

}  // namespace
}  // namespace ed::test
