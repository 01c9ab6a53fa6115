#include <gtest/gtest.h>

#include <bitset>

#include "framework/kvdither.h"

namespace {

int OpaquePixels(const std::array<std::uint8_t, 8>& rows)
{
    int count = 0;
    for (std::uint8_t row : rows)
        count += static_cast<int>(std::bitset<8>(row).count());
    return count;
}

}  // namespace

TEST(KvDitherTest, EachTransparencyKeepsItsShareOfPixelsOpaque)
{
    struct Case {
        std::uint32_t transparency;
        std::uint32_t flag;
        int opaque;
    };
    const Case cases[] = {
        {0x0400, 0x02, 0}, {0x0800, 0x04, 2}, {0x1000, 0x08, 8}, {0x2000, 0x10, 32}, {0x4000, 0x20, 56}, {0x8000, 0x40, 64},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.transparency);
        EXPECT_EQ(KvDitherFlagOfTransparency(c.transparency), c.flag);
        std::array<std::uint8_t, 8> rows{};
        ASSERT_TRUE(KvDitherPattern(c.flag, rows));
        EXPECT_EQ(OpaquePixels(rows), c.opaque);
    }
}

TEST(KvDitherTest, PatternsSpreadTheOpaquePixelsOverTheCell)
{
    std::array<std::uint8_t, 8> rows{};
    ASSERT_TRUE(KvDitherPattern(0x04, rows));
    // Two pixels, far apart: top-left and the middle of the cell.
    EXPECT_EQ(rows[0], 0x80);
    EXPECT_EQ(rows[4], 0x08);
    ASSERT_TRUE(KvDitherPattern(0x10, rows));
    EXPECT_EQ(rows[0], 0xAA);  // a checkerboard
    EXPECT_EQ(rows[1], 0x55);
}

TEST(KvDitherTest, UnknownValuesHaveNoPattern)
{
    std::array<std::uint8_t, 8> rows{};
    EXPECT_FALSE(KvDitherPattern(0x06, rows));
    EXPECT_FALSE(KvDitherPattern(0x80, rows));
    EXPECT_EQ(KvDitherFlagOfTransparency(0x0C00), 0u);
    EXPECT_EQ(KvBitmapStretchOfStyle(0x0C0), 0u);
}

TEST(KvDitherTest, DrawingStretchStylesMapToTheBitmapsStretchModes)
{
    EXPECT_EQ(KvBitmapStretchOfStyle(0x040), 0x100u);  // keep the mode
    EXPECT_EQ(KvBitmapStretchOfStyle(0x080), 0x200u);  // halftone
    EXPECT_EQ(KvBitmapStretchOfStyle(0x100), 0x040u);  // black on white
    EXPECT_EQ(KvBitmapStretchOfStyle(0x200), 0x080u);  // white on black
}

TEST(KvDitherTest, LuminanceIsExactAtTheDarkLightBorder)
{
    struct Case {
        int red, green, blue, luminance;
    };
    const Case cases[] = {
        {0x80, 0x80, 0x80, 0x80},  // even grey: light, though 0.3 + 0.59 + 0.11 in floating point gives 127.99...
        {0x7F, 0x7F, 0x7F, 0x7F},
        {255, 0, 0, 76},
        {0, 255, 0, 150},
        {0, 0, 255, 28},
        {255, 255, 255, 255},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KvLuminance(c.red, c.green, c.blue), c.luminance) << c.red << "," << c.green << "," << c.blue;
}
