// The reports' canvas on a bitmap's device context, the print job service without a
// printer, and the block-details export drawing on a device context.
#include "editors/reports/gdicanvas.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "editors/reports/parmreport.h"
#include "model/interface/library.h"
#include "model/interface/vlx.h"
#include "reporttest_util.h"

namespace zeph {
namespace {

// A white 600 x 400 bitmap selected into a memory context.
class BitmapDc {
 public:
  BitmapDc() {
    HDC screen = GetDC(nullptr);
    dc = CreateCompatibleDC(screen);
    bitmap = CreateCompatibleBitmap(screen, 600, 400);
    ReleaseDC(nullptr, screen);
    old = SelectObject(dc, bitmap);
    RECT all{0, 0, 600, 400};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  ~BitmapDc() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  int Dark(int left, int top, int right, int bottom) const {
    int n = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        if ((GetPixel(dc, x, y) & 0xFFFFFF) != 0xFFFFFF) ++n;
      }
    }
    return n;
  }
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ old;
};

TEST(GdiCanvas, FontsMetricsAndDrawing) {
  BitmapDc bmp;
  HGDIOBJ before = GetCurrentObject(bmp.dc, OBJ_FONT);
  {
    GdiCanvas canvas(bmp.dc);
    const ReportCanvas::FontId plain = canvas.MakeFont(ReportFont{"Helv", 0, 400, false});
    const ReportCanvas::FontId big = canvas.MakeFont(ReportFont{"Helv", 40, 700, false});
    ASSERT_NE(plain, 0);
    ASSERT_NE(big, 0);
    EXPECT_EQ(canvas.UseFont(plain), 0);
    // Default height: 10 points at the device's resolution.
    const ReportMetrics m = canvas.Metrics();
    const int points10 = MulDiv(10, GetDeviceCaps(bmp.dc, LOGPIXELSY), 72);
    EXPECT_GE(m.Height, points10);
    EXPECT_LE(m.Height, points10 * 3 / 2);
    EXPECT_GT(m.AveCharWidth, 0);
    EXPECT_EQ(canvas.UseFont(big), plain);
    EXPECT_EQ(canvas.Metrics().Height, 40);

    // Wrapping: one line for a short text, several for a long one in a narrow column.
    EXPECT_EQ(canvas.WrappedHeight("short", 500), 40);
    EXPECT_GT(canvas.WrappedHeight("one two three four five six seven eight", 150), 3 * 40);
    // Tab stops move the text after a tab to the stop.
    EXPECT_GE(canvas.TextWidth("a\tb", {300}), 300);
    EXPECT_LT(canvas.TextWidth("a b", {300}), 300);

    EXPECT_EQ(bmp.Dark(0, 0, 600, 400), 0);
    canvas.DrawLine(10, 10, "Page 1");
    EXPECT_GT(bmp.Dark(10, 10, 200, 50), 0);
    canvas.DrawWrapped("wrapped words here", 10, 100, 590);
    EXPECT_GT(bmp.Dark(10, 100, 590, 140), 0);
    canvas.DrawFrame(300, 200, 400, 300);
    EXPECT_EQ(bmp.Dark(301, 201, 399, 299), 0);
    EXPECT_EQ(bmp.Dark(300, 200, 400, 201), 100);
    canvas.FreeFont(big);   // the current font: the context's own is selected again
    EXPECT_EQ(GetCurrentObject(bmp.dc, OBJ_FONT), before);
  }
  EXPECT_EQ(GetCurrentObject(bmp.dc, OBJ_FONT), before);
  EXPECT_EQ(GetBkMode(bmp.dc), OPAQUE);
}

TEST(PrintStateJob, UnknownPrinterSaysWhyAndDrawsNothing) {
  const PrintTarget saved = PrintState::default_target();
  PrintState::set_default_target(PrintTarget{"No Such Printer", ""});
  {
    PrintState state(nullptr);
    EXPECT_EQ(state.printer_name(), "No Such Printer");
    EXPECT_EQ(state.begin_job("Test"), 0);
    EXPECT_NE(state.last_error().find("could not be opened"), std::string::npos) << state.last_error();
    EXPECT_EQ(state.get_printer_dc(0), nullptr);
    EXPECT_EQ(state.new_page(), 0);
    EXPECT_EQ(state.end_page(), 0);
    EXPECT_EQ(state.end_job(), 0);
  }
  {
    // The information report on such a printer ends before drawing anything.
    PrintStateJob job(nullptr);
    EXPECT_FALSE(job.BeginJob("VLX Printing PB Info"));
    EXPECT_FALSE(job.NewPage());
  }
  PrintState::set_default_target(saved);
}

// The model interface starts the library (and its clipboard program) on first use; the
// test's program is made current again after that, as the designer's would be.
class PrintExport : public test::ReportProgram {
 protected:
  PrintExport() {
    EnsureLibraryStarted();
    program->Activate();
  }
};

TEST_F(PrintExport, BlockParametersDrawOnTheContext) {
  PBInstance& block = Block("Ask", "xHangUp|eDigits:int");
  Set(block, "HangUp", "1");
  Set(block, "Digits", "'12");
  BitmapDc bmp;
  int y = 20;
  int page = 3;
  vlxPrintAppPB("Ask", bmp.dc, nullptr, y, page);
  EXPECT_GT(y, 20);
  EXPECT_EQ(page, 3);
  EXPECT_GT(bmp.Dark(0, 20, 600, y), 0);

  // An unknown block prints "Unknown" without moving down.
  BitmapDc other;
  int y2 = 50;
  vlxPrintAppPB("Missing", other.dc, nullptr, y2, page);
  EXPECT_EQ(y2, 50);
  EXPECT_GT(other.Dark(0, 50, 600, 120), 0);
}

}  // namespace
}  // namespace zeph
