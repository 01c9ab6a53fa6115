// Flow printing on a bitmap's device context: objects of a tile land on the sheet half an
// inch in, clipped to the printable area, the frame only with Print Frame, the header at
// the top; a wide page's sheets; and the print service without a printer. Then a page laid
// out for such a printer (100 pixels an inch, sheets of 600 by 500): a page wider than a
// sheet gives its sheets with their headers and skips an empty tile but keeps its number;
// the notes print in fonts of their own and keep theirs, and the program stays unchanged.
#include <windows.h>

#include "canvas_fixture.h"

#include <memory>
#include <string>
#include <vector>

#include "editor/drawn/displayobject.h"
#include "editor/notes/textnote.h"
#include "editor/print/gdiflowprint.h"
#include "editor/print/printcommands.h"
#include "editor/print/printedit_win32.h"
#include "framework/kvnamed.h"
#include "owl/testing/window_picture.h"

namespace ed::test {
namespace {

constexpr int kSize = 400;

// A white bitmap in a memory context.
class Sheet {
 public:
  explicit Sheet(int width = kSize, int height = kSize) : width_(width), height_(height) {
    HDC screen = ::GetDC(nullptr);
    dc = ::CreateCompatibleDC(screen);
    bitmap = ::CreateCompatibleBitmap(screen, width, height);
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
    RECT all{0, 0, width_, height_};
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

 private:
  int width_, height_;
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

constexpr int kSheetWidth = 600;
constexpr int kSheetHeight = 500;

PrinterMeasures TestPrinter() {
  PrinterMeasures m;
  m.horzRes = kSheetWidth;
  m.vertRes = kSheetHeight;
  m.logPixelsX = 100;
  m.logPixelsY = 100;
  m.screenLogPixelsY = 96;
  return m;
}

// A white sheet in a memory context; each begun page starts white, each ended one is
// kept as a picture and its dark pixels counted.
class SheetPrinter : public Sheet, public FlowPrintJob {
 public:
  SheetPrinter() : Sheet(kSheetWidth, kSheetHeight) {}

  bool Ready() const override { return true; }
  bool BeginJob(const char* name) override {
    document = name;
    return true;
  }
  bool NewPage() override {
    Clear();
    ++begun;
    return true;
  }
  void EndPage() override {
    bodies.push_back(Dark(50, 50, kSheetWidth - 50, kSheetHeight - 50));
    headers.push_back(Dark(0, 20, kSheetWidth, 48));
    if (!pictureName.empty()) SaveAreaPicture(dc, 0, 0, kSheetWidth, kSheetHeight, pictureName + std::to_string(begun));
  }
  void EndJob() override { ++ended; }

  std::string document;
  std::string pictureName;
  int begun = 0, ended = 0;
  std::vector<int> bodies, headers;
};

// Passes the tiles to the real painter and keeps the header texts.
class HeaderRecorder : public FlowTilePainter {
 public:
  explicit HeaderRecorder(FlowTilePainter& inner) : inner_(inner) {}
  bool HasObjects(const Rect& tile) override { return inner_.HasObjects(tile); }
  bool PaintTile(const Rect& tile) override { return inner_.PaintTile(tile); }
  void PaintHeader(const std::string& text) override {
    texts.push_back(text);
    inner_.PaintHeader(text);
  }
  std::vector<std::string> texts;

 private:
  FlowTilePainter& inner_;
};

class PrintEditTest : public CanvasTest {
 protected:
  PrintEditTest() : label("vavurorezo_label", "Arial", -11, 400, 0) {
    program->SetFileName("C:\\apps\\Demo.ed");
  }
  // The page x at which a block lands in the printed drawing at canvas x.
  std::int32_t PageX(PrintEdit& edit, std::int32_t canvasX) { return edit.Canvas().Scale().CanvasToPageX(canvasX); }

  SheetPrinter printer;
  FontObject label;
};

TEST_F(PrintEditTest, AWidePageGivesItsSheetsAndAnEmptyTileKeepsItsNumber) {
  PrintEdit edit(printer.dc, TestPrinter(), *program, main, &label);
  // Tiles are 500 wide: one block in the first, one in the third, none in the second.
  ASSERT_NE(Add(main, "Greeting", 393, PageX(edit, 40), 20), nullptr);
  ASSERT_NE(Add(main, "Choice", 404, PageX(edit, 1100), 20), nullptr);
  ASSERT_TRUE(edit.Build());
  const FlowPrintPage sheets = edit.Sheets();
  EXPECT_EQ(sheets.tileWidth, kSheetWidth - 100);
  EXPECT_EQ(sheets.tileHeight, kSheetHeight - (100 + edit.HeaderHeight()));
  EXPECT_GT(edit.HeaderHeight(), 0);
  EXPECT_GT(sheets.drawing.right, 1000);

  GdiFlowTilePainter painter(printer.dc, TestPrinter(), sheets.tileWidth, sheets.tileHeight, edit.HeaderHeight(),
                             edit.DrawnObjects(), edit.PrinterFont(), false);
  HeaderRecorder headers(painter);
  EXPECT_EQ(PrintFlowPages(printer, headers, sheets), 2);
  EXPECT_EQ(headers.texts, (std::vector<std::string>{"C:\\apps\\Demo.ed (Main)     Page A-1",
                                                      "C:\\apps\\Demo.ed (Main)     Page A-3"}));
  ASSERT_EQ(printer.bodies.size(), 2u);
  EXPECT_GT(printer.bodies[0], 100);
  EXPECT_GT(printer.bodies[1], 100);
  EXPECT_GT(printer.headers[0], 0);
  EXPECT_EQ(printer.ended, 1);
}

TEST_F(PrintEditTest, NotesPrintInFontsOfTheirOwnAndTheProgramStaysUnchanged) {
  auto font = std::make_shared<FontObject>("", "Arial", -13, 400, 0);
  auto* note = new KvTextUI(main, 20, 200, 20, 60, font, font->GetFont());
  note->Base().SetText("Callers are greeted first");
  main->AddTextNote(note);
  ASSERT_NE(Add(main, "Greeting", 393, 40, 60), nullptr);
  program->ClearModified();
  void* handle = note->Base().FontHandle();

  for (bool frame : {false, true}) {
    SCOPED_TRACE(frame ? "with the frame" : "without the frame");
    printer.pictureName = frame ? "flow_printout_framed_sheet" : "flow_printout_sheet";
    printer.bodies.clear();
    printer.begun = 0;
    int sheets = 0;
    {
      PrintEdit edit(printer.dc, TestPrinter(), *program, main, &label);
      sheets = edit.PrintPages(printer, frame);
      // The note's drawn object paints in a printer font while the job runs.
      EXPECT_NE(note->Base().FontHandle(), handle);
    }
    EXPECT_EQ(sheets, 1);
    ASSERT_EQ(printer.bodies.size(), 1u);
    EXPECT_GT(printer.bodies[0], 100);
    // The frame runs along the printable area: half an inch in, 500 wide.
    EXPECT_EQ(printer.Dark(50, 50, 550, 51) > 400, frame);
    EXPECT_EQ(note->Base().FontHandle(), handle);
    EXPECT_EQ(note->Font()->GetHeight(), -13);
    EXPECT_FALSE(program->IsModified());
  }
  EXPECT_EQ(printer.document, kFlowDocumentName);
}

TEST_F(PrintEditTest, WithoutAPrinterNothingIsPrinted) {
  const PrintTarget saved = PrintState::default_target();
  PrintState::set_default_target(PrintTarget{"No Such Printer", ""});
  ASSERT_NE(Add(main, "Greeting", 393, 40, 60), nullptr);
  EXPECT_EQ(PrintFlow(nullptr, *main, false), 0);
  PrintState::set_default_target(saved);
}

}  // namespace
}  // namespace ed::test
