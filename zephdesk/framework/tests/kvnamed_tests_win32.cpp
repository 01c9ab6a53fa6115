#include <gtest/gtest.h>

#include "kvfwtest_win32.h"
#include "framework/kvnamed.h"
#include "owl/testing/dialog_driver.h"

namespace {

class KvNamedTest : public ::testing::Test {
protected:
    void SetUp() override { EnsureFrameworkReady(); }
    FakeShell shell;
};

}  // namespace

TEST_F(KvNamedTest, TheBuiltInTablesAreFoundByTheirExactNames)
{
    Fonts fonts(kKvFontTable);
    Brushes brushes(kKvBrushTable);
    Pens pens(kKvPenTable);
    EXPECT_EQ(fonts.GetCount(), 4);
    EXPECT_EQ(brushes.GetCount(), 23);
    EXPECT_EQ(pens.GetCount(), 8);
    EXPECT_TRUE(shell.boxes.empty());

    for (int i = 0; kKvBrushTable[i].name != nullptr; ++i) {
        const BrushObject* brush = brushes.Find(kKvBrushTable[i].name);
        ASSERT_NE(brush, nullptr) << kKvBrushTable[i].name;
        EXPECT_EQ(brush->GetColor(), kKvBrushTable[i].colour);
        LOGBRUSH logBrush{};
        ASSERT_NE(::GetObjectA(brush->GetBrush(), sizeof logBrush, &logBrush), 0);
        EXPECT_EQ(logBrush.lbColor, kKvBrushTable[i].colour);
    }
    const PenObject* selected = pens.Find("selected_goto");
    ASSERT_NE(selected, nullptr);
    LOGPEN logPen{};
    ASSERT_NE(::GetObjectA(selected->GetPen(), sizeof logPen, &logPen), 0);
    EXPECT_EQ(logPen.lopnWidth.x, 2);
    EXPECT_EQ(logPen.lopnColor, 0x0000FFu);

    for (const char* missing : {"Icon_label", "icon_label ", "", "palette"}) {
        EXPECT_EQ(fonts.Find(missing), nullptr) << missing;
        EXPECT_EQ(brushes.Find(missing), nullptr) << missing;
    }
    EXPECT_EQ(pens.Find("Divider"), nullptr);
}

TEST_F(KvNamedTest, FontsKeepTheirRequestAndMeasureThemselves)
{
    Fonts fonts(kKvFontTable);
    const FontObject* status = fonts.Find("status_line");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->GetHeight(), -10);
    EXPECT_STREQ(status->GetFace(), "Helv");
    EXPECT_NE(status->GetFont(), nullptr);
    EXPECT_GT(status->GetCharHeight(), 0);
    EXPECT_GT(status->GetAverageWidth(), 0u);
    LOGFONTA logFont{};
    ASSERT_NE(::GetObjectA(status->GetFont(), sizeof logFont, &logFont), 0);
    EXPECT_EQ(logFont.lfHeight, -10);
    EXPECT_EQ(logFont.lfWeight, 700);

    FontObject tiny("tiny", "arial", -5, 400, 0);
    FontObject positive("positive", "arial", 12, 400, 1);
    EXPECT_EQ(tiny.GetHeight(), -8);
    EXPECT_EQ(positive.GetHeight(), -8);
    EXPECT_EQ(positive.IsItalic(), 1);

    FontObject copy("copy", *status);
    EXPECT_STREQ(copy.GetName(), "copy");
    EXPECT_EQ(copy.GetHeight(), -10);
    LOGFONTA copied{};
    ASSERT_NE(::GetObjectA(copy.GetFont(), sizeof copied, &copied), 0);
    EXPECT_EQ(copied.lfHeight, -10);
    EXPECT_STREQ(copied.lfFaceName, logFont.lfFaceName);
}

TEST_F(KvNamedTest, AddingWithReplaceRemovesTheOldFontFirst)
{
    Fonts fonts(kKvFontTable);
    auto* first = new FontObject("note", "arial", -12, 400, 0);
    auto* second = new FontObject("note", "arial", -20, 400, 0);
    fonts.Add(first, FALSE);
    fonts.Add(second, FALSE);
    EXPECT_EQ(fonts.Find("note"), first);
    auto* third = new FontObject("note", "arial", -30, 400, 0);
    fonts.Add(third, TRUE);
    EXPECT_EQ(fonts.Find("note"), second);
    EXPECT_EQ(fonts.GetCount(), 6);
}

TEST_F(KvNamedTest, TheFontDialogAnswersANewFontOrNothing)
{
    const FontObject base("label", "arial", -11, 400, 0);
    {
        DialogDriver driver([](HWND dialog) { PostClick(dialog, IDCANCEL); });
        EXPECT_EQ(base.Choose(nullptr), nullptr);
        EXPECT_TRUE(driver.Ran());
        EXPECT_FALSE(driver.TimedOut());
    }
    DialogDriver driver([](HWND dialog) { PostClick(dialog, IDOK); });
    FontObject* chosen = base.Choose(nullptr);
    ASSERT_NE(chosen, nullptr);
    EXPECT_STREQ(chosen->GetName(), "label");
    EXPECT_NE(chosen->GetFont(), base.GetFont());
    delete chosen;
}

TEST_F(KvNamedTest, IconsLoadOnceAndKeepFourScaledSizesInRotation)
{
    Icons icons;
    BitmapObject* strip = icons.Get("#1000");
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(icons.Get("#1000"), strip);
    EXPECT_EQ(icons.GetCount(), 1);
    EXPECT_EQ(strip->GetLoadedSize().cx, 1000);
    EXPECT_EQ(strip->GetLoadedSize().cy, 40);
    EXPECT_EQ(strip->GetBitmap(1000, 40), strip->GetLoadedBitmap());

    const SIZE sizes[] = {{100, 4}, {200, 8}, {300, 12}, {400, 16}};
    HBITMAP made[4];
    for (int i = 0; i < 4; ++i) {
        made[i] = strip->GetBitmap(sizes[i].cx, sizes[i].cy);
        BITMAP bm{};
        ASSERT_NE(::GetObjectA(made[i], sizeof bm, &bm), 0);
        EXPECT_EQ(bm.bmWidth, sizes[i].cx);
        EXPECT_EQ(bm.bmHeight, sizes[i].cy);
    }
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(strip->GetBitmap(sizes[i].cx, sizes[i].cy), made[i]);

    // A fifth size replaces the first copy, a sixth the second.
    strip->GetBitmap(500, 20);
    BITMAP gone{};
    EXPECT_EQ(::GetObjectA(made[0], sizeof gone, &gone), 0);
    EXPECT_EQ(strip->GetBitmap(sizes[1].cx, sizes[1].cy), made[1]);
    strip->GetBitmap(600, 24);
    EXPECT_EQ(::GetObjectA(made[1], sizeof gone, &gone), 0);
    EXPECT_EQ(strip->GetBitmap(sizes[2].cx, sizes[2].cy), made[2]);
    EXPECT_EQ(strip->GetBitmap(1000, 40), strip->GetLoadedBitmap());
}

TEST_F(KvNamedTest, IconsComeFromTheBitmapLibraryWhenTheProgramLacksThem)
{
    shell.instance = ::GetModuleHandleA("kernel32.dll");
    shell.bitmapModule = ::GetModuleHandleA(nullptr);
    Icons icons;
    EXPECT_NE(icons.Get("#1001")->GetLoadedBitmap(), nullptr);
    EXPECT_TRUE(shell.boxes.empty());

    BitmapObject* missing = icons.Get("NoSuchPicture");
    EXPECT_EQ(missing->GetLoadedBitmap(), nullptr);
    EXPECT_EQ(missing->GetBitmap(10, 10), nullptr);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].text, "Error loading bitmap NoSuchPicture");
    EXPECT_EQ(shell.boxes[0].caption, "Error!");
    EXPECT_EQ(shell.boxes[0].style, static_cast<UINT>(MB_OK));
}
