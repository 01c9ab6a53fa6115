// Painting of drawn objects and the drawing routines, read back from memory bitmaps.
#include <windows.h>

#include "canvas_fixture.h"

#include "editor/drawn/blockobject.h"
#include "editor/drawn/lineobjects.h"
#include "editor/support/drawing_win32.h"
#include "framework/kvnamed.h"
#include "framework/kvnamedtables.h"

namespace ed::test {
namespace {

// A 32-bit top-down bitmap selected into a memory context, white at first.
class MemoryPicture {
 public:
  MemoryPicture(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc_ = ::CreateCompatibleDC(nullptr);
    bitmap_ = ::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = ::SelectObject(dc_, bitmap_);
    RECT all{0, 0, width, height};
    ::FillRect(dc_, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  }
  ~MemoryPicture() {
    ::SelectObject(dc_, old_);
    ::DeleteObject(bitmap_);
    ::DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  COLORREF At(int x, int y) const {
    ::GdiFlush();
    const std::uint32_t p = bits_[y * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  int Count(const RECT& r, COLORREF c) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) n += At(x, y) == c ? 1 : 0;
    }
    return n;
  }

 private:
  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  std::uint32_t* bits_ = nullptr;
};

COLORREF Colour(std::uint32_t bgr) { return static_cast<COLORREF>(bgr); }

class PaintTest : public CanvasTest {
 protected:
  PaintTest() : brushes(kKvBrushTable), pens(kKvPenTable) {
    DrawingTables tables;
    tables.brushes = &brushes;
    tables.pens = &pens;
    SetDrawingTables(tables);
  }
  ~PaintTest() override { SetDrawingTables(DrawingTables()); }
  Brushes brushes;
  Pens pens;
  FakeDrawnCanvas canvas;
};

TEST_F(PaintTest, Draw3DFrameAndCenterRect) {
  MemoryPicture picture(40, 40);
  HBRUSH red = ::CreateSolidBrush(RGB(255, 0, 0));
  HBRUSH blue = ::CreateSolidBrush(RGB(0, 0, 255));
  const RECT r{5, 5, 25, 25};
  Draw3DFrame(picture.dc(), red, blue, &r, 2);
  EXPECT_EQ(picture.At(5, 5), RGB(255, 0, 0));     // top-left corner: first brush
  EXPECT_EQ(picture.At(10, 6), RGB(255, 0, 0));    // second band of the top
  EXPECT_EQ(picture.At(24, 10), RGB(0, 0, 255));   // right
  EXPECT_EQ(picture.At(23, 10), RGB(0, 0, 255));
  EXPECT_EQ(picture.At(10, 24), RGB(0, 0, 255));   // bottom
  EXPECT_EQ(picture.At(10, 10), RGB(255, 255, 255));   // inside untouched
  EXPECT_EQ(picture.At(22, 10), RGB(255, 255, 255));
  ::DeleteObject(red);
  ::DeleteObject(blue);
  RECT out;
  const RECT wide{0, 0, 100, 40};
  CenterRect(&wide, 60, 0, &out);
  EXPECT_EQ(out.left, 20);
  EXPECT_EQ(out.right, 80);
  EXPECT_EQ(out.bottom, 40);
}

TEST_F(PaintTest, StretchDIBWithPaletteDrawsA256ColourBitmap) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
  } info{};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = 4;
  info.header.biHeight = 4;
  info.header.biPlanes = 1;
  info.header.biBitCount = 8;
  info.header.biClrUsed = 256;
  info.colours[1] = RGBQUAD{0, 0, 200, 0};     // red 200
  info.colours[2] = RGBQUAD{0, 150, 0, 0};     // green 150
  BYTE* bits = nullptr;
  HDC screen = ::GetDC(nullptr);
  HBITMAP bitmap = ::CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                      reinterpret_cast<void**>(&bits), nullptr, 0);
  ::ReleaseDC(nullptr, screen);
  ASSERT_NE(bitmap, nullptr);
  // Bottom-up rows of 4 bytes: the lower half colour 1, the upper half colour 2.
  for (int row = 0; row < 4; ++row) {
    for (int x = 0; x < 4; ++x) bits[row * 4 + x] = row < 2 ? 1 : 2;
  }
  MemoryPicture picture(20, 20);
  const RECT target{0, 0, 8, 8};
  StretchDIBWithPalette(picture.dc(), bitmap, 4, 4, &target);
  EXPECT_EQ(picture.At(1, 1), RGB(0, 150, 0));
  EXPECT_EQ(picture.At(6, 6), RGB(200, 0, 0));
  EXPECT_EQ(picture.At(10, 10), RGB(255, 255, 255));
  ::DeleteObject(bitmap);
}

TEST_F(PaintTest, BlockStatesAndFrames) {
  VavurOrezo* block = Add(main, "Alpha", 393);
  ASSERT_NE(block, nullptr);
  VavurOrezoObject drawn(&canvas, block);
  struct Case {
    const char* name;
    std::uint32_t flags;
    bool selected;
    COLORREF background;   // in the name label; white for none
  };
  const Case cases[] = {
      {"breakpoint", kBlockLocated, true, Colour(0x0000FF)},
      {"current", kBlockMarked, false, Colour(0x008000)},
      {"selected", 0, true, ::GetSysColor(COLOR_ACTIVECAPTION)},
      {"plain", 0, false, RGB(255, 255, 255)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryPicture picture(200, 120);
    block->SetFlags(c.flags);
    canvas.selected = c.selected ? block : nullptr;
    drawn.SetRect(20, 10, 120, 90);
    drawn.Paint(picture.dc(), nullptr);
    const RECT name = ToRECT(drawn.NameRect());
    if (c.background == RGB(255, 255, 255)) {
      EXPECT_GT(picture.Count(name, c.background), 0);
      EXPECT_EQ(picture.Count(name, Colour(0x0000FF)), 0);
    } else {
      EXPECT_GT(picture.Count(name, c.background), 10);
    }
    // Unfinished: the pink frame around the icon square.
    EXPECT_EQ(picture.At(drawn.IconRect().left, drawn.IconRect().top + 5), Colour(0xFF00FF));
  }
  block->SetFlags(0);
  program->Activate();
  vlxSDOSetIconFinished(block->Handle(), 1);
  MemoryPicture picture(200, 120);
  drawn.Paint(picture.dc(), nullptr);
  EXPECT_EQ(picture.At(drawn.IconRect().left, drawn.IconRect().top + 5), Colour(0xC0C0C0));
}

TEST_F(PaintTest, GotoBlocks) {
  VavurOrezo* block = Add(main, "Alpha", 393);
  ASSERT_NE(block, nullptr);
  GotoBlock* done = block->FindGotoBlock("Done Playing");
  ASSERT_NE(done, nullptr);
  GotoBlockObject drawn(&canvas, done);
  {
    MemoryPicture picture(60, 40);
    drawn.SetRect(10, 10, 8, 8);
    drawn.Paint(picture.dc(), nullptr);
    EXPECT_EQ(picture.At(12, 12), Colour(0x000000));   // normal_gotoblock
    canvas.selected = done;
    drawn.Paint(picture.dc(), nullptr);
    EXPECT_EQ(picture.At(12, 12), Colour(0x0000FF));   // selected_gotoblock
    canvas.selected = nullptr;
  }
  // A wide block of an output that must be connected and is not: the checkerboard.
  MemoryPicture picture(120, 40);
  drawn.SetRect(0, 0, 100, 20);
  drawn.Paint(picture.dc(), nullptr);
  const RECT inner{1, 1, 20, 19};
  EXPECT_GT(picture.Count(inner, RGB(255, 0, 255)), 50);
  EXPECT_GT(picture.Count(inner, ::GetSysColor(COLOR_BTNFACE)), 50);
  // Raised: highlight top-left, shadow bottom-right.
  EXPECT_EQ(picture.At(50, 0), ::GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(picture.At(99, 10), ::GetSysColor(COLOR_BTNSHADOW));
  canvas.selected = done;
  drawn.Paint(picture.dc(), nullptr);
  EXPECT_EQ(picture.At(50, 0), ::GetSysColor(COLOR_BTNSHADOW));   // sunken
  EXPECT_EQ(picture.At(99, 10), ::GetSysColor(COLOR_BTNHIGHLIGHT));
  canvas.selected = nullptr;
  // Once connected it is plain button face.
  VavurOrezo* to = Add(main, "To", 393);
  ASSERT_NE(block->CreateGoto(to, "Done Playing", 0), nullptr);
  MemoryPicture connected(120, 40);
  drawn.Paint(connected.dc(), nullptr);
  EXPECT_EQ(connected.Count(inner, RGB(255, 0, 255)), 0);
}

TEST_F(PaintTest, SegmentPensLabelWidthAndBranchBars) {
  VavurOrezo* from = Add(main, "From", 404);
  VavurOrezo* to = Add(main, "To", 393);
  Goto* line = from->CreateGoto(to, "Done", 0);
  ASSERT_NE(line, nullptr);
  Segment segment(line, 0, 0, 50, 0);
  LineSegmentObject drawn(&canvas, &segment, line, true);
  drawn.SetRect(10, 10, 40, 6);
  struct Case {
    const char* name;
    bool selected;
    int mouseMode;
    std::uint32_t flags;
    COLORREF colour;
  } cases[] = {
      {"normal", false, 0, 0, Colour(0x000000)},
      {"selected", true, 0, 0, Colour(0x0000FF)},
      {"selected while dropping", true, 2, 0, Colour(0x000000)},
      {"stub", false, 0, kGotoStub, Colour(0xFF00FF)},
      {"labelled stub", false, 0, kGotoLabelledStub, Colour(0xFF00FF)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    line->ClearFlags(0x18);
    line->SetFlags(c.flags);
    canvas.selected = c.selected ? line : nullptr;
    canvas.mouseMode = c.mouseMode;
    MemoryPicture picture(80, 30);
    drawn.Paint(picture.dc(), nullptr);
    EXPECT_EQ(picture.At(30, 13), c.colour);
    EXPECT_EQ(picture.At(30, 20), RGB(255, 255, 255));
  }
  canvas.selected = nullptr;
  canvas.mouseMode = 0;

  LineLabelObject label(&canvas, line);
  label.SetRect(0, 0, 500, 14);
  MemoryPicture picture(600, 30);
  label.Paint(picture.dc(), nullptr);
  SIZE size{};
  ::GetTextExtentPoint32A(picture.dc(), "To", 2, &size);
  EXPECT_EQ(label.Bounds().Width(), size.cx);
  EXPECT_EQ(picture.At(size.cx + 2, 7), RGB(255, 255, 255));

  BranchObject branch(&canvas, from, {10, 30}, {{40, 10}, {40, 50}});
  branch.SetRect(20, 10, 20, 40);
  MemoryPicture fan(80, 80);
  branch.Paint(fan.dc(), nullptr);
  EXPECT_EQ(fan.At(20, 31), ::GetSysColor(COLOR_BTNSHADOW));     // below the junction stroke
  EXPECT_EQ(fan.At(29, 30), ::GetSysColor(COLOR_BTNHIGHLIGHT));  // left of the spine
  EXPECT_EQ(fan.At(35, 50), ::GetSysColor(COLOR_BTNFACE));       // on the lower output stroke
}

}  // namespace
}  // namespace ed::test
