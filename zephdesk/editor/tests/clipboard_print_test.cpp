// The clipboard program's names and placing, and how a printed page is cut into sheets.
#include <gtest/gtest.h>

#include "editor/clipboard/pastemap.h"
#include "editor/print/printtiles.h"

namespace ed::test {
namespace {

TEST(PasteMapTest, NamesOfCopiedBlocksAndLibraries) {
  EXPECT_EQ(ClipboardBlockName("Main", "Menu1"), "Main$Menu1");
  struct Case {
    const char* in;
    const char* out;
  } canvas[] = {{"Main$Menu1", "Menu1"}, {"Menu1", "Menu1"}, {"Sub$A$B", "A$B"}};
  for (const auto& c : canvas) EXPECT_EQ(CanvasNameOf(c.in), c.out) << c.in;
  Case libraries[] = {{"Billing.rll", "Billing.RLL"}, {"Billing", "Billing.RLL"}, {"a.b.c", "a.RLL"}};
  for (const auto& c : libraries) EXPECT_EQ(LibraryFileName(c.in), c.out) << c.in;
}

TEST(PasteMapTest, ImportBlocksOfTheTargetApplicationAreRecognised) {
  struct Case {
    const char* name;
    std::int32_t appId;
    const char* id;  // null: may be pasted
  } cases[] = {
      {"Orders.1234", 1234, "1234"}, {"Orders.1234", 99, nullptr}, {"Orders", 1234, nullptr},
      {"Orders.12a", 12, nullptr},   {"Orders.", 0, nullptr},      {"A.7.42", 42, "42"},
  };
  for (const auto& c : cases) {
    const auto id = SelfImportId(c.name, c.appId);
    if (c.id == nullptr) {
      EXPECT_FALSE(id.has_value()) << c.name;
    } else {
      ASSERT_TRUE(id.has_value()) << c.name;
      EXPECT_EQ(*id, c.id);
    }
  }
}

TEST(PasteMapTest, PastedPositionsKeepTheirDistancesFromTheMinima) {
  MinimaTracker minima;
  EXPECT_TRUE(minima.Empty());
  minima.Add({300, 40});
  minima.Add({120, 90});
  minima.Add({500, 60});
  EXPECT_EQ(minima.Minima(), (Point{120, 40}));
  const PasteOffset offset{{10, 20}, minima.Minima()};
  EXPECT_EQ(offset.Place({120, 90}), (Point{10, 70}));
  EXPECT_EQ(offset.Place({300, 40}), (Point{190, 20}));
}

TEST(PrintTilesTest, TilesRunRowByRowAndKeepTheirNumbers) {
  const auto tiles = TilesOf(250, 150, 100, 100);
  ASSERT_EQ(tiles.size(), 6u);
  EXPECT_EQ(tiles[0].rect, (Rect{0, 0, 100, 100}));
  EXPECT_EQ(tiles[2].rect, (Rect{200, 0, 300, 100}));
  EXPECT_EQ(tiles[2].column, 3);
  EXPECT_EQ(tiles[2].row, 1);
  EXPECT_EQ(tiles[3].rect, (Rect{0, 100, 100, 200}));
  EXPECT_EQ(tiles[3].column, 1);
  EXPECT_EQ(tiles[3].row, 2);
  // An extent below 0 is one tile; no tile size, no tiles.
  EXPECT_EQ(TilesOf(-1, -1, 100, 100).size(), 1u);
  EXPECT_TRUE(TilesOf(250, 150, 0, 100).empty());
}

TEST(PrintTilesTest, HeadersLetterTheRowsAndWrapAfterZ) {
  EXPECT_EQ(RowLetter(1), 'A');
  EXPECT_EQ(RowLetter(26), 'Z');
  EXPECT_EQ(RowLetter(27), 'A');
  EXPECT_EQ(PrintHeaderText("C:\\APPS\\DEMO.VAP", "Main", 3, 1), "C:\\APPS\\DEMO.VAP (Main)     Page A-3");
  EXPECT_EQ(PrintHeaderText("x", "Sub", 12, 28), "x (Sub)     Page B-12");
}

TEST(PrintTilesTest, PageSizeAndFontsScaleToThePrinter) {
  const PrinterMeasures m{4800, 6600, 600, 600, 96};
  const PrintPageSize size = PrintPageSizeInPageUnits(m, 50, 25);
  EXPECT_EQ(size.width, 1344);  // (16 * 4200 + 25) / 50
  EXPECT_EQ(size.height, 952);  // (16 * 5950 + 50) / 100
  EXPECT_EQ(PrintPageSizeInPageUnits({}, 0, 0).width, 0);
  EXPECT_EQ(PrinterFontHeight(16, m), -100);
  EXPECT_EQ(PrinterFontHeight(1, m), -8);
  EXPECT_EQ(ScaleFontToPrinter(-13, m), -81);
}

}  // namespace
}  // namespace ed::test
