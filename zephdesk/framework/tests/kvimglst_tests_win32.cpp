#include <gtest/gtest.h>

#include <vector>

#include "framework/kvbitmap.h"
#include "framework/kvdc.h"
#include "kvfwtest_win32.h"
#include "framework/kvimglst.h"
#include "framework/kvselbmp.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kNavy = RGB(0, 0, 128);  // the body of block picture 0
// A point inside block picture 0's body, away from its number.
constexpr POINT kBody{8, 10};

class KvImageListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureFrameworkReady();
        ASSERT_TRUE(blocks.Load(1000, 40, 50, 0xFF00FF));
    }

    // A 60 x 60 target filled with one colour.
    void MakeTarget(KvBitmapColor& target, COLORREF colour)
    {
        HDC screen = ::GetDC(nullptr);
        KvDC screenDC(screen);
        ASSERT_TRUE(target.CreateCompatible(screenDC, 60, 60, CLR_INVALID));
        ::ReleaseDC(nullptr, screen);
        KvSelectedBitmap selected(target);
        HBRUSH brush = ::CreateSolidBrush(colour);
        RECT all{0, 0, 60, 60};
        ::FillRect(selected.hdc(), &all, brush);
        ::DeleteObject(brush);
    }

    std::vector<COLORREF> Pixels(KvBitmap& bitmap)
    {
        std::vector<COLORREF> pixels;
        KvSelectedBitmap selected(bitmap);
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x)
                pixels.push_back(::GetPixel(selected.hdc(), x, y));
        return pixels;
    }

    KvImageListEx blocks;
};

}  // namespace

TEST_F(KvImageListTest, StripsLoadAsImagesOfTheirCellSize)
{
    EXPECT_EQ(blocks.GetImageCount(), 25);
    EXPECT_EQ(blocks.GetImageSize().cx, 40);
    EXPECT_EQ(blocks.GetImageSize().cy, 40);
    EXPECT_EQ(blocks.GetBkColor(), 0xFF00FFu);

    KvImageListEx tools;
    ASSERT_TRUE(tools.Load(1001, 16, 10, 0xC0C0C0));
    EXPECT_EQ(tools.GetImageCount(), 15);
    EXPECT_EQ(tools.GetImageSize().cx, 16);
    EXPECT_EQ(tools.GetImageSize().cy, 15);
}

TEST_F(KvImageListTest, TheGlobalListsHoldEveryBlockPictureAtFortyPixels)
{
    ASSERT_NE(GetPaletteImageList(), nullptr);
    ASSERT_NE(GetResizedPaletteImageList(), nullptr);
    EXPECT_EQ(GetPaletteImageList()->GetImageCount(), 25);
    EXPECT_EQ(GetResizedPaletteImageList()->GetImageCount(), 25);
    EXPECT_EQ(GetResizedPaletteImageList()->GetImageSize().cx, 40);
}

TEST_F(KvImageListTest, AResourceIdAboveSixteenBitsIsRefused)
{
    KvImageList list;
    AssertionCounter assertions;
    EXPECT_FALSE(list.Load(0x10000 + 1000, 40, 1, 0xFF00FF));
    EXPECT_EQ(assertions.Failed(), 1);
}

TEST_F(KvImageListTest, AScaledCopyShrinksEveryImageAndKeepsItsTransparency)
{
    KvImageListEx small;
    ASSERT_TRUE(small.CreateScaledCopy(blocks, 0x80, SIZE{20, 20}, CLR_INVALID, CLR_INVALID));
    EXPECT_EQ(small.GetImageCount(), 25);
    EXPECT_EQ(small.GetImageSize().cx, 20);
    KvBitmapColor target;
    MakeTarget(target, kWhite);
    {
        KvSelectedBitmap selected(target);
        ASSERT_TRUE(small.Draw(0, selected.dc(), 0, 0, ILD_TRANSPARENT));
    }
    EXPECT_EQ(PixelOf(target.m_hObject, kBody.x / 2, kBody.y / 2), kNavy);
    EXPECT_EQ(PixelOf(target.m_hObject, 0, 0), kWhite);
    EXPECT_EQ(PixelOf(target.m_hObject, 25, 25), kWhite);
}

TEST_F(KvImageListTest, DrawingWithoutEffectsIsAPlainDraw)
{
    KvBitmapColor plain, viaEx;
    MakeTarget(plain, kYellow);
    MakeTarget(viaEx, kYellow);
    {
        KvSelectedBitmap a(plain);
        ImageList_Draw(blocks.m_hImageList, 3, a.hdc(), 5, 5, ILD_TRANSPARENT);
        KvSelectedBitmap b(viaEx);
        ASSERT_TRUE(blocks.DrawEx(b.dc(), 3, 5, 5, ILD_TRANSPARENT, 0));
    }
    EXPECT_EQ(Pixels(plain), Pixels(viaEx));
}

TEST_F(KvImageListTest, TransparencyRunsFromInvisibleToOpaque)
{
    KvBitmapColor plain;
    MakeTarget(plain, kYellow);
    {
        KvSelectedBitmap selected(plain);
        blocks.Draw(0, selected.dc(), 0, 0, ILD_TRANSPARENT);
    }
    KvBitmapColor empty;
    MakeTarget(empty, kYellow);
    const std::vector<COLORREF> untouched = Pixels(empty);

    struct Case {
        DWORD exStyle;
        bool opaque;
    };
    for (const Case& c : {Case{0x0400, false}, Case{0x8000, true}}) {
        KvBitmapColor target;
        MakeTarget(target, kYellow);
        {
            KvSelectedBitmap selected(target);
            ASSERT_TRUE(blocks.DrawEx(selected.dc(), 0, 0, 0, ILD_TRANSPARENT, c.exStyle));
        }
        EXPECT_EQ(Pixels(target), c.opaque ? Pixels(plain) : untouched) << std::hex << c.exStyle;
    }
    // Half the pixels: some of the body shows, some of the background.
    KvBitmapColor half;
    MakeTarget(half, kYellow);
    {
        KvSelectedBitmap selected(half);
        ASSERT_TRUE(blocks.DrawEx(selected.dc(), 0, 0, 0, ILD_TRANSPARENT, 0x2000));
    }
    EXPECT_NE(PixelOf(half.m_hObject, 8, 10) == kNavy, PixelOf(half.m_hObject, 9, 10) == kNavy);
}

TEST_F(KvImageListTest, AGreyedDrawShowsTheDarkPartsInTheShadowColour)
{
    KvBitmapColor target;
    MakeTarget(target, kYellow);
    {
        KvSelectedBitmap selected(target);
        ASSERT_TRUE(blocks.DrawEx(selected.dc(), 0, 0, 0, ILD_TRANSPARENT, 0x0002));
    }
    EXPECT_EQ(PixelOf(target.m_hObject, kBody.x, kBody.y), RGB(0x80, 0x80, 0x80));
    EXPECT_EQ(PixelOf(target.m_hObject, 0, 0), kYellow);
}

TEST_F(KvImageListTest, AStretchedDrawFillsOnlyTheDestinationSize)
{
    KvBitmapColor target;
    MakeTarget(target, kWhite);
    const SIZE size{20, 20};
    {
        KvSelectedBitmap selected(target);
        ASSERT_TRUE(blocks.DrawEx(selected.dc(), 0, 0, 0, ILD_TRANSPARENT, 0x0080, &size));
    }
    EXPECT_EQ(PixelOf(target.m_hObject, kBody.x / 2, kBody.y / 2), kNavy);
    EXPECT_EQ(PixelOf(target.m_hObject, 30, 30), kWhite);
}

TEST_F(KvImageListTest, ADestinationLargerThanTheImageIsRefused)
{
    KvBitmapColor target;
    MakeTarget(target, kWhite);
    const SIZE size{50, 30};
    AssertionCounter assertions;
    {
        KvSelectedBitmap selected(target);
        EXPECT_FALSE(blocks.DrawEx(selected.dc(), 0, 0, 0, ILD_TRANSPARENT, 0x0080, &size));
    }
    EXPECT_EQ(assertions.Failed(), 1);
    EXPECT_EQ(PixelOf(target.m_hObject, kBody.x, kBody.y), kWhite);
}

TEST_F(KvImageListTest, AnimationsPauseBetweenFramesAndEndOnTheirLastPicture)
{
    std::vector<DWORD> pauses;
    KvImageListEx::SetSleep([&pauses](DWORD ms) { pauses.push_back(ms); });
    KvBitmapColor fade, plain, silhouette;
    MakeTarget(fade, kYellow);
    MakeTarget(plain, kYellow);
    MakeTarget(silhouette, kYellow);
    {
        KvSelectedBitmap a(fade);
        ASSERT_TRUE(blocks.DrawEx(a.dc(), 0, 0, 0, ILD_TRANSPARENT, 0x10000, nullptr, CLR_INVALID, CLR_INVALID, 25));
        KvSelectedBitmap b(plain);
        blocks.Draw(0, b.dc(), 0, 0, ILD_TRANSPARENT);
    }
    EXPECT_EQ(pauses, std::vector<DWORD>(4, 25));
    EXPECT_EQ(Pixels(fade), Pixels(plain));

    pauses.clear();
    {
        KvSelectedBitmap c(silhouette);
        ASSERT_TRUE(blocks.DrawEx(c.dc(), 0, 0, 0, ILD_TRANSPARENT, 0x20000, nullptr, RGB(0, 128, 0), CLR_INVALID, 7));
    }
    KvImageListEx::SetSleep(nullptr);
    EXPECT_EQ(pauses, std::vector<DWORD>(5, 7));
    EXPECT_EQ(PixelOf(silhouette.m_hObject, kBody.x, kBody.y), RGB(0, 128, 0));
    EXPECT_EQ(PixelOf(silhouette.m_hObject, 0, 0), kYellow);
}

TEST_F(KvImageListTest, AnAnimationWithATransparencyIsRefused)
{
    KvBitmapColor target;
    MakeTarget(target, kYellow);
    AssertionCounter assertions;
    KvSelectedBitmap selected(target);
    EXPECT_FALSE(blocks.DrawEx(selected.dc(), 0, 0, 0, ILD_TRANSPARENT, 0x10000 | 0x1000));
    EXPECT_FALSE(blocks.DrawEx(selected.dc(), 0, 0, 0, ILD_TRANSPARENT, 0x20000 | 0x0002));
    EXPECT_EQ(assertions.Failed(), 2);
}
