// Key masks: the two encodings, the text of a mask, the exclusive-mask procedure and the
// key orders of the tone and record-edit records.
#include "forms/keys/keymasks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zeph::keys {
namespace {

// Bits of encoding A by key name.
std::uint32_t MaskOf(const std::vector<std::string>& names) {
  std::uint32_t mask = 0;
  for (const auto& name : names) {
    int bit = 0;
    while (bit < kKeyCountA && name != KeyNameA(bit)) ++bit;
    EXPECT_LT(bit, kKeyCountA) << name;
    mask |= std::uint32_t{1} << bit;
  }
  return mask;
}

TEST(KeyMaskText, RunsWithinGroups) {
  const struct {
    std::vector<std::string> keys;
    const char* text;
  } cases[] = {
      {{"1", "2", "3", "5"}, "1-3,5"},
      {{"8", "9", "*"}, "8,9,*"},
      {{"#", "A", "B", "C", "D"}, "#,A-D"},
      {{"C", "D", "SK1"}, "C,D,SK1"},
      {{"SK1", "SK2", "SK3", "SK4", "SK5", "SK6", "SK7", "SK8", "SK9", "SK10", "SK11", "SK12"}, "SK1-SK12"},
      {{"1", "2", "3", "9", "*", "0", "#"}, "1-3,9,*,0,#"},
      {{"7", "8", "9"}, "7-9"},
      {{"9", "*"}, "9,*"},
      {{"*", "0", "#"}, "*,0,#"},   // three stand-alone groups, never a run
      {{"1", "2"}, "1,2"},
      {{}, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatKeyMask(MaskOf(c.keys)), c.text) << c.text;
  // Bits past the last key show nothing; a text longer than the old 50-character buffer
  // is kept whole.
  EXPECT_EQ(FormatKeyMask(0xF0000000u), "");
  EXPECT_EQ(FormatKeyMask(0xFFFFFFFFu), "1-9,*,0,#,A-D,SK1-SK12");
  EXPECT_EQ(FormatKeyMask(0x6DB6DB6u), "2,3,5,6,8,9,0,#,B,C,SK1,SK2,SK4,SK5,SK7,SK8,SK10,SK11");
}

TEST(KeyEncodings, GridValuesNamesAndOrders) {
  const struct {
    const char* name;
    std::uint32_t value;   // encoding B
    std::uint32_t tone;
  } cases[] = {
      {"1", 0x10002, 0x1},     {"2", 0x10004, 0x2},     {"3", 0x10008, 0x4},     {"4", 0x10010, 0x8},
      {"5", 0x10020, 0x10},    {"6", 0x10040, 0x20},    {"7", 0x10080, 0x40},    {"8", 0x10100, 0x80},
      {"9", 0x10200, 0x100},   {"0", 0x10400, 0x400},   {"*", 0x10800, 0x200},   {"#", 0x11000, 0x800},
      {"A", 0x12000, 0x1000},  {"B", 0x14000, 0x2000},  {"C", 0x18000, 0x4000},  {"D", 0x10001, 0x8000},
  };
  std::uint32_t all = 0;
  for (int c = 0; c < kGridKeys; ++c) {
    EXPECT_STREQ(GridKeyName(c), cases[c].name);
    EXPECT_EQ(GridKeyValue(c), cases[c].value) << c;
    EXPECT_EQ(ToneKeyBit(c), cases[c].tone) << c;
    EXPECT_EQ(RecordEditKeyBit(c), cases[c].value & 0xFFFF) << c;
    all |= GridKeyValue(c);
  }
  EXPECT_EQ(all, kAllKeysB);
  EXPECT_EQ(GridKeyValue(-1), 0u);
  EXPECT_EQ(GridKeyValue(16), 0u);
  EXPECT_EQ(ToneKeyBit(16), 0u);
}

TEST(KeyEncodings, HoldingAKeyIgnoresTheMarker) {
  EXPECT_TRUE(MaskHoldsKey(0x10001, 15));     // "D"
  EXPECT_FALSE(MaskHoldsKey(0x10000, 15));    // the marker alone holds nothing
  EXPECT_FALSE(MaskHoldsKey(0x10000, 0));
  EXPECT_TRUE(MaskHoldsKey(0x0002, 0));       // a key bit without the marker counts
  EXPECT_TRUE(MaskHoldsKey(kTerminateOnAll, 11));
  EXPECT_FALSE(MaskHoldsKey(0x1FFFF, 99));
}

TEST(ExclusiveMasks, EditedMaskTakesItsKeysFromTheOthers) {
  // masks 0 (ignore) .. 3; mask 2 was just given keys 1-3 (bits 0-2).
  std::uint32_t masks[4] = {0x0, 0x3, 0x7, 0x6 | 0x10};
  EXPECT_EQ(UsedMaskFor(masks, 4, 2), 0x3u | 0x16u);
  EXPECT_EQ(UsedMaskFor(masks, 4, 1), 0x7u | 0x16u);
  ApplyExclusiveMask(masks, 4, 2);
  EXPECT_EQ(masks[1], 0u);
  EXPECT_EQ(masks[2], 0x7u);
  EXPECT_EQ(masks[3], 0x10u);
  EXPECT_EQ(masks[0], ~0x17u);            // bits 28-31 too
  EXPECT_EQ(masks[0] & 0xF0000000u, 0xF0000000u);

  std::uint32_t none[3] = {0x5, 0, 0};
  ApplyExclusiveMask(none, 3, 1);
  EXPECT_EQ(none[0], 0xFFFFFFFFu);        // nothing taken: the ignore mask holds every bit
  std::uint32_t same[3] = {1, 2, 4};
  ApplyExclusiveMask(same, 3, 0);         // mask 0 is never edited
  ApplyExclusiveMask(same, 3, 3);
  EXPECT_EQ(same[0], 1u);
  EXPECT_EQ(same[2], 4u);
}

}  // namespace
}  // namespace zeph::keys
