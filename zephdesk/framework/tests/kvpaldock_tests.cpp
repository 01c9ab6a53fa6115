#include <gtest/gtest.h>

#include "framework/kvpaldock.h"

namespace {

// A frame whose client window starts at x 400 on the screen and is 500 high; the palette
// docks 213 wide and floats 526 x 244.
KvPaletteMove MoveAt(int cursorX, int cursorY, int grabX, int grabY, int paletteWidth)
{
    KvPaletteMove move;
    move.cursorX = cursorX;
    move.cursorY = cursorY;
    move.grabX = grabX;
    move.grabY = grabY;
    move.paletteWidth = paletteWidth;
    move.clientLeft = 400;
    move.clientHeight = 500;
    move.dockedWidth = 213;
    move.floatingWidth = 526;
    move.floatingHeight = 244;
    return move;
}

}  // namespace

TEST(KvPaletteDockTest, ThePalettesLeftThirdDecidesWhetherItDocks)
{
    struct Case {
        int cursorX;
        bool floating;
    };
    // Palette 526 wide grabbed 10 left of its corner: a third is 175, so the palette docks
    // while cursor - 10 + 175 lies left of 400.
    const Case cases[] = {{234, false}, {235, true}, {100, false}, {600, true}};
    for (const Case& c : cases) {
        KvPaletteMove move = MoveAt(c.cursorX, 300, -10, -10, 526);
        const KvPaletteCandidate candidate = KvPaletteCandidateOf(move);
        EXPECT_EQ(candidate.floating, c.floating) << c.cursorX;
    }
}

TEST(KvPaletteDockTest, CandidatesTakeTheSizeOfTheStateTheyWouldGive)
{
    KvPaletteMove docking = MoveAt(100, 300, -10, -20, 526);
    const KvPaletteCandidate docked = KvPaletteCandidateOf(docking);
    EXPECT_EQ(docked.left, 90);
    EXPECT_EQ(docked.top, 280);
    EXPECT_EQ(docked.right - docked.left, 213);
    EXPECT_EQ(docked.bottom - docked.top, 500);

    KvPaletteMove floating = MoveAt(700, 300, -10, -20, 213);
    const KvPaletteCandidate floated = KvPaletteCandidateOf(floating);
    EXPECT_EQ(floated.left, 690);
    EXPECT_EQ(floated.right - floated.left, 526);
    EXPECT_EQ(floated.bottom - floated.top, 244);
}

TEST(KvPaletteDockTest, AGrabOutsideTheFloatingSizeMovesToItsMiddle)
{
    // A docked palette 213 x 900 grabbed near its bottom: the floating palette is only 244
    // high, so the cursor is put in the middle of its height.
    KvPaletteMove move = MoveAt(700, 800, -20, -600, 213);
    const KvPaletteCandidate candidate = KvPaletteCandidateOf(move);
    EXPECT_TRUE(candidate.floating);
    EXPECT_EQ(move.grabX, -20);
    EXPECT_EQ(move.grabY, -122);
    EXPECT_EQ(candidate.top, 800 - 122);
}

TEST(KvPaletteDockTest, AThirdRoundsToTheNearest)
{
    EXPECT_EQ(KvThirdOf(213), 71);
    EXPECT_EQ(KvThirdOf(526), 175);
    EXPECT_EQ(KvThirdOf(527), 176);
    EXPECT_EQ(KvThirdOf(0), 0);
}
