#include <gtest/gtest.h>

#include "framework/kvbitmap.h"
#include "framework/kvdc.h"
#include "kvfwtest_win32.h"
#include "framework/kvselbmp.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

// The screen's DC for making compatible bitmaps.
class ScreenDC {
public:
    ScreenDC() : m_dc(::GetDC(nullptr)) {}
    ~ScreenDC() { ::ReleaseDC(nullptr, m_dc.m_hDC); }
    KvDC& dc() { return m_dc; }

private:
    KvDC m_dc;
};

void FillRectOf(KvBitmap& bitmap, RECT rect, COLORREF colour)
{
    KvSelectedBitmap selected(bitmap);
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(selected.hdc(), &rect, brush);
    ::DeleteObject(brush);
}

int MaskBitsSet(KvBitmapBW& mask)
{
    mask.LockBits();
    int set = 0;
    for (int row = 0; row < mask.GetHeight(); ++row)
        for (int col = 0; col < mask.GetWidth(); ++col)
            set += mask.GetPixel(row, col);
    mask.UnlockBits(FALSE);
    return set;
}

class KvBitmapTest : public ::testing::Test {
protected:
    void SetUp() override { EnsureFrameworkReady(); }

    // A 12 x 12 picture on the magenta key with a 4 x 4 square of the colour at 4,4.
    void MakeSquare(KvBitmapColor& bitmap, COLORREF square)
    {
        ASSERT_TRUE(bitmap.CreateCompatible(screen.dc(), 12, 12, kMagenta));
        FillRectOf(bitmap, {0, 0, 12, 12}, kMagenta);
        FillRectOf(bitmap, {4, 4, 8, 8}, square);
    }

    ScreenDC screen;
};

}  // namespace

TEST_F(KvBitmapTest, DitheredMasksKeepTheirShareOfAnImageOpaque)
{
    KvBitmapColor image;
    ASSERT_TRUE(image.CreateCompatible(screen.dc(), 16, 16, kMagenta));
    FillRectOf(image, {0, 0, 16, 16}, RGB(200, 0, 0));
    struct Case {
        DWORD flag;
        int opaque;  // of 256 pixels
    };
    const Case cases[] = {{0x00, 256}, {0x02, 0}, {0x04, 8}, {0x08, 32}, {0x10, 128}, {0x20, 224}, {0x40, 256}};
    for (const Case& c : cases) {
        KvBitmapBW mask;
        ASSERT_TRUE(mask.Create(16, 16));
        ASSERT_TRUE(mask.CreateMask(image, c.flag));
        EXPECT_EQ(256 - MaskBitsSet(mask), c.opaque) << std::hex << c.flag;
    }
}

TEST_F(KvBitmapTest, TheMaskColourBecomesTransparentAndStaysSoWhenDithered)
{
    KvBitmapColor image;
    MakeSquare(image, RGB(0, 0, 128));
    KvBitmapBW mask;
    ASSERT_TRUE(mask.Create(12, 12));
    ASSERT_TRUE(mask.CreateMask(image, 0x40));
    EXPECT_EQ(MaskBitsSet(mask), 144 - 16);
    mask.LockBits();
    EXPECT_EQ(mask.GetPixel(5, 5), 0);
    EXPECT_EQ(mask.GetPixel(0, 0), 1);
    mask.UnlockBits(FALSE);

    // A monochrome source is copied unchanged.
    KvBitmapBW copy;
    ASSERT_TRUE(copy.Create(12, 12));
    ASSERT_TRUE(copy.CreateMask(mask, 0));
    EXPECT_EQ(MaskBitsSet(copy), 144 - 16);
}

TEST_F(KvBitmapTest, AColourSourceWithoutMaskColourIsRefused)
{
    KvBitmapColor image;
    ASSERT_TRUE(image.CreateCompatible(screen.dc(), 8, 8, CLR_INVALID));
    KvBitmapBW mask;
    ASSERT_TRUE(mask.Create(8, 8));
    AssertionCounter assertions;
    EXPECT_FALSE(mask.CreateMask(image, 0));
    EXPECT_GE(assertions.Failed(), 1);
}

TEST_F(KvBitmapTest, GreyedImagesShowDarkPixelsInTheShadowColourAndLightOnesNot)
{
    struct Case {
        COLORREF pixel;
        bool dark;
    };
    const Case cases[] = {{RGB(0x80, 0x80, 0x80), false}, {RGB(0x7F, 0x7F, 0x7F), true}, {RGB(0, 0, 0), true},
                          {RGB(255, 255, 0), false}};
    for (const Case& c : cases) {
        KvBitmapColor image;
        MakeSquare(image, c.pixel);
        KvBitmapColor greyed;
        ASSERT_TRUE(greyed.CreateCompatible(screen.dc(), 12, 12, CLR_INVALID));
        ASSERT_TRUE(greyed.CopyFrom(&image, kKvCopyGrey));
        EXPECT_EQ(greyed.GetMaskColor(), kMagenta);
        EXPECT_EQ(PixelOf(greyed.m_hObject, 5, 5), c.dark ? RGB(0x80, 0x80, 0x80) : kMagenta) << std::hex << c.pixel;
        EXPECT_EQ(PixelOf(greyed.m_hObject, 1, 1), kMagenta);
    }
}

TEST_F(KvBitmapTest, TheReliefRimLiesOnTheSideItWasMovedTo)
{
    struct Case {
        DWORD flags;
        POINT rim[2];       // white pixels (x, y)
        POINT opposite[2];  // stay the mask colour
    };
    const Case cases[] = {
        {kKvRimDown | kKvRimRight, {{8, 6}, {6, 8}}, {{3, 6}, {6, 3}}},
        {kKvRimDown | kKvRimLeft, {{3, 6}, {5, 8}}, {{8, 6}, {6, 3}}},
        {kKvRimUp | kKvRimRight, {{8, 5}, {6, 3}}, {{3, 5}, {6, 8}}},
        {kKvRimUp | kKvRimLeft, {{3, 5}, {5, 3}}, {{8, 5}, {5, 8}}},
    };
    KvBitmapColor image;
    MakeSquare(image, RGB(0, 0, 0));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        KvBitmapColor greyed;
        ASSERT_TRUE(greyed.CreateCompatible(screen.dc(), 12, 12, kMagenta));
        ASSERT_TRUE(greyed.CopyFrom(&image, kKvCopyGrey | c.flags));
        for (POINT p : c.rim)
            EXPECT_EQ(PixelOf(greyed.m_hObject, p.x, p.y), RGB(255, 255, 255)) << p.x << "," << p.y;
        for (POINT p : c.opposite)
            EXPECT_EQ(PixelOf(greyed.m_hObject, p.x, p.y), kMagenta) << p.x << "," << p.y;
        EXPECT_EQ(PixelOf(greyed.m_hObject, 5, 5), RGB(0x80, 0x80, 0x80));
    }
    // Without a relief there is no rim at all.
    KvBitmapColor flat;
    ASSERT_TRUE(flat.CreateCompatible(screen.dc(), 12, 12, kMagenta));
    ASSERT_TRUE(flat.CopyFrom(&image, kKvCopyGrey));
    EXPECT_EQ(PixelOf(flat.m_hObject, 8, 6), kMagenta);
    EXPECT_EQ(PixelOf(flat.m_hObject, 3, 5), kMagenta);
}

TEST_F(KvBitmapTest, TheShadowColourIsSetWithoutTouchingTheOther)
{
    KvBitmapColor image;
    MakeSquare(image, RGB(0, 0, 0));
    KvBitmapColor greyed;
    ASSERT_TRUE(greyed.CreateCompatible(screen.dc(), 12, 12, kMagenta));
    greyed.SetColors(0x02FF0000, CLR_INVALID);
    EXPECT_EQ(greyed.GetSecondColor(), 0x02FFFFFFu);
    greyed.SetColors(CLR_INVALID, 0x0200FF00);
    EXPECT_EQ(greyed.GetShadowColor(), 0x02FF0000u);
    EXPECT_EQ(greyed.GetSecondColor(), 0x0200FF00u);
    ASSERT_TRUE(greyed.CopyFrom(&image, kKvCopyGrey));
    EXPECT_EQ(PixelOf(greyed.m_hObject, 5, 5), RGB(0, 0, 255));
}

TEST_F(KvBitmapTest, AMaskStretchedWithTheHalftoneFlagKeepsItsPixels)
{
    // Left half transparent (1), right half opaque (0); shrunk to half its size with each
    // stretch flag. A halftone stretch of a monochrome mask would lose it: masks keep the
    // DC's mode.
    KvBitmapBW source;
    ASSERT_TRUE(source.Create(16, 8));
    source.Fill(0);
    source.LockBits();
    for (int row = 0; row < 8; ++row)
        for (int col = 0; col < 8; ++col)
            source.SetPixel(row, col, 1);
    source.UnlockBits(TRUE);
    for (DWORD flag : {kKvStretchHalftone, kKvStretchCurrentMode, kKvStretchBlackOnWhite, kKvStretchWhiteOnBlack}) {
        KvBitmapBW target;
        ASSERT_TRUE(target.Create(8, 4));
        ASSERT_TRUE(target.CopyFrom(&source, flag));
        EXPECT_EQ(PixelOf(target.m_hObject, 1, 1), RGB(255, 255, 255)) << std::hex << flag;
        EXPECT_EQ(PixelOf(target.m_hObject, 6, 2), RGB(0, 0, 0)) << std::hex << flag;
    }
    AssertionCounter assertions;
    KvBitmapBW target;
    ASSERT_TRUE(target.Create(8, 4));
    EXPECT_FALSE(target.CopyFrom(&source, 0x0C0));  // two modes at once
    EXPECT_EQ(assertions.Failed(), 1);
}

TEST_F(KvBitmapTest, AStretchIntoALargerBitmapIsRefused)
{
    KvBitmapColor source, target;
    ASSERT_TRUE(source.CreateCompatible(screen.dc(), 4, 4, kMagenta));
    ASSERT_TRUE(target.CreateCompatible(screen.dc(), 8, 8, kMagenta));
    AssertionCounter assertions;
    EXPECT_FALSE(target.CopyFrom(&source, kKvStretchHalftone));
    EXPECT_EQ(assertions.Failed(), 1);
}

TEST_F(KvBitmapTest, SelectingHandsBackOneWrapperHoldingThePreviousBitmap)
{
    KvBitmapColor first, second;
    ASSERT_TRUE(first.CreateCompatible(screen.dc(), 4, 4, kMagenta));
    ASSERT_TRUE(second.CreateCompatible(screen.dc(), 4, 4, kMagenta));
    KvDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    KvBitmap* saved = dc.SelectObject(first);
    HBITMAP original = saved->m_hObject;
    EXPECT_NE(original, first.m_hObject);
    EXPECT_EQ(dc.SelectObject(second), saved);
    EXPECT_EQ(saved->m_hObject, first.m_hObject);
    // Selecting the wrapper back puts what it holds back into the DC.
    dc.SelectObject(*saved);
    EXPECT_EQ(::GetCurrentObject(dc.m_hDC, OBJ_BITMAP), first.m_hObject);
    EXPECT_EQ(saved->m_hObject, second.m_hObject);
    // Select, draw, select back: the DC's own bitmap returns, nothing is deleted.
    KvDC other;
    ASSERT_TRUE(other.CreateCompatibleDC(nullptr));
    HGDIOBJ own = ::GetCurrentObject(other.m_hDC, OBJ_BITMAP);
    KvBitmap* previous = other.SelectObject(second);
    other.SelectObject(*previous);
    EXPECT_EQ(::GetCurrentObject(other.m_hDC, OBJ_BITMAP), own);
    BITMAP bm{};
    EXPECT_NE(::GetObjectA(first.m_hObject, sizeof bm, &bm), 0);
}

TEST_F(KvBitmapTest, PixelAccessNeedsALock)
{
    KvBitmapBW mask;
    ASSERT_TRUE(mask.Create(10, 3));
    mask.Fill(0);
    ASSERT_TRUE(mask.LockBits());
    mask.SetPixel(1, 9, 1);
    mask.UnlockBits(TRUE);
    mask.LockBits();
    EXPECT_EQ(mask.GetPixel(1, 9), 1);
    EXPECT_EQ(mask.GetPixel(1, 8), 0);
    AssertionCounter assertions;
    EXPECT_FALSE(mask.LockBits());  // twice
    mask.Fill(1);                   // while locked: refused
    mask.UnlockBits(FALSE);
    mask.SetPixel(0, 0, 1);  // unlocked
    EXPECT_EQ(assertions.Failed(), 3);
    EXPECT_EQ(MaskBitsSet(mask), 1);
}
