// Small routines: the name split, rectangle centring, note texts and sizes, the type to
// record table.
#include <gtest/gtest.h>

#include <cstring>

#include "editor/canvas/vavurorezo.h"
#include "editor/notes/textnote.h"
#include "editor/support/geometry.h"
#include "editor/support/messages.h"
#include "editor/support/namesplit.h"

namespace ed {
namespace {

TEST(NameSplitTest, BreaksNearTheMiddle) {
  struct Case {
    const char* name;
    int minimumSide;
    int at;   // -1: no split
  } cases[] = {
      {"CallTransfer", 3, 4}, {"Menu", 0, -1},        {"AbCdEf", 1, 4},   {"Call Transfer", 3, 4},
      {"CallTransfer", 4, -1}, {"ABCDEF", 0, -1},      {"", 0, -1},        {"aB", 0, 1},
      {"aB", 1, -1},          {"TwoWordsHereNow", 2, 8},
  };
  for (const Case& c : cases) {
    const char* split = FindNameSplit(c.name, c.minimumSide);
    if (c.at < 0) {
      EXPECT_EQ(split, nullptr) << c.name;
    } else {
      ASSERT_NE(split, nullptr) << c.name;
      EXPECT_EQ(split - c.name, c.at) << c.name;
    }
  }
  EXPECT_EQ(FindNameSplit(nullptr, 0), nullptr);
}

TEST(CenterRectTest, ShrinksEvenlyPerAxis) {
  struct Case {
    Rect in;
    std::int32_t w, h;
    Rect out;
  } cases[] = {
      {{0, 0, 100, 40}, 60, 0, {20, 0, 80, 40}},
      {{0, 0, 100, 40}, 0, 10, {0, 15, 100, 25}},
      {{0, 0, 100, 40}, 120, 50, {0, 0, 100, 40}},
      {{10, 10, 21, 21}, 4, 4, {13, 13, 18, 18}},   // odd difference: integer halves
  };
  for (const Case& c : cases) {
    Rect out;
    CenterRect(c.in, c.w, c.h, out);
    EXPECT_EQ(out, c.out);
    Rect same = c.in;
    CenterRect(same, c.w, c.h, same);
    EXPECT_EQ(same, c.out);
  }
}

TEST(TextNoteTest, StatusTextZoomAndEditorSize) {
  EXPECT_EQ(NoteStatusText("First\tline\r\nSecond"), "First line  Second");
  EXPECT_EQ(ZoomedFontHeight(16, 50), 8);
  EXPECT_EQ(ZoomedFontHeight(10, 35), 3);
  EXPECT_EQ(ZoomedFontHeight(-16, 50), -8);
  // A 1-pixel-wide editor comes back 4 frames wide; a large one loses its frame.
  EXPECT_EQ(NoteRectFromEditor({100, 100, 101, 101}, 4, 3), (Rect{104, 103, 120, 115}));
  EXPECT_EQ(NoteRectFromEditor({100, 100, 300, 200}, 4, 3), (Rect{104, 103, 296, 197}));
  KvTextUI note;
  EXPECT_EQ(note.Base().GetWindowHandle(), nullptr);
  EXPECT_TRUE(note.Base().Text().empty());
  EXPECT_EQ(note.Base().Bounds(), Rect());
}

TEST(RecordTypeTest, TableAndDefault) {
  EXPECT_EQ(GetVavurOrezoRecordType(393), 23002);
  EXPECT_EQ(GetVavurOrezoRecordType(142), 23013);
  EXPECT_EQ(GetVavurOrezoRecordType(415), 23025);
  EXPECT_EQ(GetVavurOrezoRecordType(289), 23026);
  EXPECT_EQ(GetVavurOrezoRecordType(-101), 23026);
  EXPECT_EQ(GetVavurOrezoRecordType(181), 23026);
}

TEST(MessagesTest, EveryEditorStringHasItsText) {
  EXPECT_STREQ(EditorStringText(44), "You cannot delete the End VavurOrezo from a Verification Block.");
  EXPECT_STREQ(EditorStringText(38), "Unable to create default Goto for new program.");
  EXPECT_EQ(EditorStringText(1), nullptr);
}

}  // namespace
}  // namespace ed
