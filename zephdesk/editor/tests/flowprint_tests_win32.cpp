// Flow printing on a bitmap's device context: objects of a tile land on the sheet half an
// inch in, clipped to the printable area, the frame only with Print Frame, the header at
// the top; a wide page's sheets; and the print service without a printer.
#include <windows.h>

#include "canvas_fixture.h"

#include <memory>

#include "editor/drawn/displayobject.h"
#include "editor/print/gdiflowprint.h"
#include "editor/print/printcommands.h"

namespace ed::test {
namespace {

constexpr int kSize = 400;

// A white bitmap in a memory context.
class Sheet {
 public:
  Sheet() {
    HDC screen = ::GetDC(nullptr);
    dc = ::CreateCompatibleDC(screen);
    bitmap = ::CreateCompatibleBitmap(screen, kSize, kSize);
    ::ReleaseDC(nullptr, screen);
    old = ::SelectObject(dc, bitmap);
    Clear();
  }
  ~Sheet() {
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
  }
  void Clear() {
    RECT all{0, 0, kSize, kSize};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  }
  int Dark(int left, int top, int right, int bottom) const {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x)
        if ((::GetPixel(dc, x, y) & 0xFFFFFF) != 0xFFFFFF) ++n;
    return n;
  }
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ old;
};

// A drawn object that paints its rectangle black.
class Box : public DisplayObject {
 public:
  Box(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) : DisplayObject(nullptr, nullptr) {
    SetRect(x, y, w, h);
  }
  void Paint(HDC dc, const RECT*) override {
    const RECT r{Bounds().left, Bounds().top, Bounds().right, Bounds().bottom};
    ::FillRect(dc, &r, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
  }
};

// A printer of 100 pixels an inch whose sheets are 300 by 320: tiles of 200 by 200 with
// a header band of 20.
PrinterMeasures Measures() {
  PrinterMeasures m;
  m.horzRes = 300;
  m.vertRes = 320;
  m.logPixelsX = 100;
  m.logPixelsY = 100;
  m.screenLogPixelsY = 96;
  return m;
}

TEST(GdiFlowPrint, ATileIsPaintedHalfAnInchInAndClippedToThePrintableArea) {
  Sheet sheet;
  // One box inside the second tile of row A, one crossing its right edge.
  Box inside(230, 50, 20, 10);
  Box crossing(380, 100, 40, 10);
  for (bool frame : {false, true}) {
    SCOPED_TRACE(frame ? "with the frame" : "without the frame");
    sheet.Clear();
    GdiFlowTilePainter painter(sheet.dc, Measures(), 200, 200, 20, {&inside, &crossing}, nullptr, frame);
    const Rect tile{200, 0, 400, 200};
    ASSERT_TRUE(painter.HasObjects(tile));
    EXPECT_FALSE(painter.HasObjects({0, 250, 200, 450}));
    ASSERT_TRUE(painter.PaintTile(tile));
    // (230, 50) lands at (30 + 50, 50 + 50).
    EXPECT_EQ(sheet.Dark(80, 100, 100, 110), 20 * 10);
    // The crossing box is cut at the printable area's right edge (50 + 200).
    EXPECT_EQ(sheet.Dark(230, 150, 250, 160), 20 * 10);
    EXPECT_EQ(sheet.Dark(251, 150, 290, 160), 0);
    // The objects are back where they were.
    EXPECT_EQ(inside.GetRect(), (Rect{230, 50, 250, 60}));
    // The frame along the printable area, only when asked for.
    EXPECT_EQ(sheet.Dark(50, 50, 250, 51) > 150, frame);
    EXPECT_EQ(sheet.Dark(50, 249, 250, 250) > 150, frame);
  }
}

// Records each sheet's dark pixels at its end and clears the bitmap for the next.
class SheetJob : public FlowPrintJob {
 public:
  explicit SheetJob(Sheet& sheet) : sheet_(sheet) {}
  bool Ready() const override { return true; }
  bool BeginJob(const char*) override { return true; }
  bool NewPage() override {
    sheet_.Clear();
    return true;
  }
  void EndPage() override {
    headers.push_back(sheet_.Dark(0, 20, kSize, 45));
    bodies.push_back(sheet_.Dark(50, 50, 250, 250));
  }
  void EndJob() override { ended = true; }
  std::vector<int> headers, bodies;
  bool ended = false;

 private:
  Sheet& sheet_;
};

TEST(GdiFlowPrint, AWidePagePrintsItsSheetsWithHeadersAndSkipsEmptyTiles) {
  Sheet sheet;
  Box first(10, 10, 30, 30);
  Box third(420, 30, 30, 30);
  HFONT font = ::CreateFontA(-16, 0, 0, 0, 400, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  GdiFlowTilePainter painter(sheet.dc, Measures(), 200, 200, 20, {&first, &third}, font, false);
  SheetJob job(sheet);
  FlowPrintPage page{"C:\\apps\\Demo.ed", "Main", {0, 0, 600, 150}, 200, 200};
  EXPECT_EQ(PrintFlowPages(job, painter, page), 2);
  ::DeleteObject(font);
  ASSERT_EQ(job.bodies.size(), 2u);
  EXPECT_EQ(job.bodies[0], 30 * 30);
  EXPECT_EQ(job.bodies[1], 30 * 30);
  EXPECT_GT(job.headers[0], 0);
  EXPECT_GT(job.headers[1], 0);
  EXPECT_TRUE(job.ended);
}

TEST(GdiFlowPrint, WithoutAPrinterTheJobDoesNotBegin) {
  const PrintTarget saved = PrintState::default_target();
  PrintState::set_default_target(PrintTarget{"No Such Printer", ""});
  {
    PrintState state(nullptr);
    PrintStateFlowJob job(state);
    Sheet sheet;
    Box box(0, 0, 10, 10);
    GdiFlowTilePainter painter(sheet.dc, Measures(), 200, 200, 20, {&box}, nullptr, false);
    EXPECT_EQ(PrintFlowPages(job, painter, FlowPrintPage{"p", "Main", {0, 0, 100, 100}, 200, 200}), 0);
    EXPECT_EQ(sheet.Dark(0, 0, kSize, kSize), 0);
    EXPECT_FALSE(state.last_error().empty());
  }
  PrintState::set_default_target(saved);
}

class ReportCommandsTest : public CanvasTest {};

TEST_F(ReportCommandsTest, WithoutAPrinterNothingIsMeasuredOrPrinted) {
  const PrintTarget saved = PrintState::default_target();
  PrintState::set_default_target(PrintTarget{"No Such Printer", ""});
  const PrintPageSize size = GetPrintPageSize(nullptr, "Arial", 13, 400, false, false);
  EXPECT_EQ(size.width, 0);
  EXPECT_EQ(size.height, 0);
  EXPECT_FALSE(PrintSuperBlockReport(nullptr, *program));
  EXPECT_FALSE(PrintVoiceFaxItems(nullptr, ItemsReportData{}));
  zeph::ComboStruct* none[5] = {};
  EXPECT_FALSE(PrintBlockDetails(nullptr, *program, ItemsReportData{}, none));
  PrintState::set_default_target(saved);
}

}  // namespace
}  // namespace ed::test
