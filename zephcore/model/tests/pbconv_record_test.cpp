// Record conversions of variables of built-in record types.
#include "model/pbconv_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "model/datatypes.h"
#include "model/pbconv_tables.h"

namespace zeph {
namespace {

std::uint32_t Long(const std::vector<unsigned char>& r, int at) {
  std::uint32_t v = 0;
  std::memcpy(&v, r.data() + at, 4);
  return v;
}
std::uint16_t Short(const std::vector<unsigned char>& r, int at) {
  std::uint16_t v = 0;
  std::memcpy(&v, r.data() + at, 2);
  return v;
}

std::vector<unsigned char> Convert(const RecConversion& e, const std::vector<unsigned char>& old, std::size_t newSize) {
  std::vector<unsigned char> fresh(newSize, 0xEE);
  EXPECT_EQ(ApplyFieldMoves(e, old.data(), old.size(), fresh.data(), fresh.size()), 1);
  return fresh;
}

TEST(RecordConversions, TheFilesVersionPicksTheEntry) {
  struct Case {
    int type;
    float file;
    float entry;
  } cases[] = {{kTypeMenuParms, 1.4f, 1.5f}, {kTypeEntryParms, 1.4f, 1.5f}, {kTypeEntryParms, 2.5f, 3.0f},
               {kTypeEntryParms, 3.5f, 0},   {kTypeAddrParms, 3.06f, 3.06f}, {kTypeMsgStruct, 8.03f, 0},
               {kTypeInteger, 1.0f, 0},      {-1, 1.0f, 0}};
  for (const Case& c : cases) {
    const RecConversion* e = RecordConversionForFile(c.type, c.file);
    if (c.entry == 0) {
      EXPECT_EQ(e, nullptr) << c.type << " " << c.file;
    } else {
      ASSERT_NE(e, nullptr) << c.type << " " << c.file;
      EXPECT_FLOAT_EQ(e->Version, c.entry);
      EXPECT_EQ(e->TypeCode, c.type);
    }
  }
}

TEST(RecordConversions, WideningZeroFillsThenCopiesAndScales) {
  const RecConversion* e = RecordConversionForFile(kTypeMenuParms, 1.0f);
  ASSERT_NE(e, nullptr);
  std::vector<unsigned char> old(20, 0);
  for (int i = 0; i < 6; ++i) old[static_cast<std::size_t>(i)] = static_cast<unsigned char>(i + 1);
  old[6] = 0x05;   // 5 seconds, two bytes
  old[7] = 0x00;
  for (int i = 8; i < 20; ++i) old[static_cast<std::size_t>(i)] = static_cast<unsigned char>(0x40 + i);
  const auto fresh = Convert(*e, old, 24);
  EXPECT_EQ(std::vector<unsigned char>(fresh.begin(), fresh.begin() + 6),
            std::vector<unsigned char>(old.begin(), old.begin() + 6));
  EXPECT_EQ(Long(fresh, 6), 5000u);   // all four bytes written: zeroed first
  EXPECT_EQ(std::vector<unsigned char>(fresh.begin() + 10, fresh.begin() + 22),
            std::vector<unsigned char>(old.begin() + 8, old.begin() + 20));
  EXPECT_EQ(fresh[22], 0xEE);   // untouched
}

TEST(RecordConversions, TextsAndConstantsFillTheirPlaces) {
  const RecConversion* e = RecordConversionForFile(kTypeEntryParms, 2.0f);
  ASSERT_NE(e, nullptr);
  EXPECT_FLOAT_EQ(e->Version, 2.03f);
  std::vector<unsigned char> old(52, 0x11);
  const auto fresh = Convert(*e, old, 139);
  EXPECT_EQ(fresh[51], 0x11);
  EXPECT_EQ(Long(fresh, 52), 0u);
  EXPECT_EQ(Short(fresh, 56), 0u);
  EXPECT_EQ(fresh[58], '*');
  EXPECT_EQ(fresh[59], 0);
  for (int i = 60; i < 124; ++i) EXPECT_EQ(fresh[static_cast<std::size_t>(i)], 0) << i;
  EXPECT_EQ(fresh[124], 0xEE);
}

TEST(RecordConversions, WideConstantsAreZeros) {
  const RecConversion* e = RecordConversionForFile(kTypeAddrParms, 3.0f);
  ASSERT_NE(e, nullptr);
  std::vector<unsigned char> old(291, 0x22);
  const auto fresh = Convert(*e, old, static_cast<std::size_t>(GetBuiltinTypeSize(kTypeAddrParms)));
  for (int i = 258; i < 323; ++i) EXPECT_EQ(fresh[static_cast<std::size_t>(i)], 0) << i;
  EXPECT_EQ(fresh[323], 0x22);
  EXPECT_EQ(fresh[384], 0x22);
}

TEST(RecordConversions, RecordEditMasksFromTheAcceptMask) {
  const RecConversion* e = RecordConversionForFile(kTypeRecordEditParms, 2.0f);
  ASSERT_NE(e, nullptr);
  const std::size_t size = static_cast<std::size_t>(GetBuiltinTypeSize(kTypeRecordEditParms));
  std::vector<unsigned char> old(130, 0);
  std::uint32_t accept = 0x00012;
  std::memcpy(old.data() + 56, &accept, 4);
  auto fresh = Convert(*e, old, size);
  EXPECT_EQ(Long(fresh, 56), 0x12u);
  EXPECT_EQ(Long(fresh, 130), (0x12u ^ 0x1FFFFu) | 0x10000u);
  EXPECT_EQ(Long(fresh, 134), 0u);
  EXPECT_EQ(Long(fresh, 140), 30000u);

  accept = 0xFFFFF;   // no mask given
  std::memcpy(old.data() + 56, &accept, 4);
  fresh = Convert(*e, old, size);
  EXPECT_EQ(Long(fresh, 56), 0u);
  EXPECT_EQ(Long(fresh, 130), 0u);
  EXPECT_EQ(Long(fresh, 134), 0x1FFFFu);
}

TEST(RecordConversions, MovesPastEitherRecordAreHarmless) {
  const RecConversion* e = RecordConversionForFile(kTypePlayParms, 2.0f);
  ASSERT_NE(e, nullptr);
  std::vector<unsigned char> old(10, 0x33);   // shorter than the moves read
  const auto fresh = Convert(*e, old, 62);     // shorter than the moves write
  EXPECT_EQ(fresh[9], 0x33);
  EXPECT_EQ(fresh[10], 0);                      // read past the old record: zero
  EXPECT_EQ(fresh[59], 0);
  EXPECT_EQ(fresh[60], 0xEE);                   // the constants lie past the new record
}

int g_moveCalls = 0;
int CountCall(const unsigned char*, unsigned char*, const RecConversion&, const RecFieldMove&) {
  return ++g_moveCalls;
}

TEST(RecordConversions, RightAlignedWideningAndOrderOfEqualVersions) {
  ParmVersionTables tables;
  const RecFieldMove moves[] = {
      {.Kind = kRecMoveCopy, .OldOffset = 0, .OldLength = 2, .NewOffset = 0, .NewLength = 4,
       .Flags = kRecRightAlign, .Callback = CountCall},
      {.Kind = kRecMoveConstant, .OldLength = 2, .Value = 0x1234, .NewOffset = 4, .NewLength = 2},
      {}};
  RecConversion& first = AddRecordConversion(tables, kTypeApStats, 2.0f, moves, nullptr);
  RecConversion& second = AddRecordConversion(tables, kTypeApStats, 2.0f, moves, nullptr);
  EXPECT_EQ(FindRecordConversionForVersion(tables.RecordListOf(kTypeApStats), 1.0f), &second);
  EXPECT_EQ(second.Next, &first);
  g_moveCalls = 0;
  const auto fresh = Convert(first, {0xAB, 0xCD}, 6);
  EXPECT_EQ(fresh, (std::vector<unsigned char>{0, 0, 0xAB, 0xCD, 0x34, 0x12}));
  EXPECT_EQ(g_moveCalls, 1);
}

}  // namespace
}  // namespace zeph
