// Type words of declarations and the initial value texts of records and structures.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "model/datatypes.h"
#include "model/structops.h"
#include "model/symtable.h"
#include "programfile/script/scriptcontext.h"
#include "programfile/script/typewords.h"

namespace zeph {
namespace {

TEST(ScriptTypeWords, EveryKindOfCodeHasItsWord) {
  SymbolTable table;
  StructDef* rec = NewStructureDef("Rec", 0, 0, &table);
  struct Case {
    int code;
    int size;
    const StructDef* from;
    const char* word;
  };
  const Case cases[] = {
      {rec->TypeNum, 0, nullptr, "structure Rec"},
      {5, 8, nullptr, "number"},
      {6, 20, nullptr, "string(21)"},   // a variable keeps room for its zero
      {6, 20, rec, "string(20)"},       // a member does not
      {11, 4, nullptr, "integer "},
      {21, 4, nullptr, "integer "},
      {23, 2, nullptr, "integer "},
      {25, 4, nullptr, "integer "},
      {19, 4, nullptr, "datenumber"},
      {20, 15, nullptr, "datestring"},
      {53, 2, nullptr, "Boolean"},
      {30, 0, nullptr, "faxdocument"},
      {35, 0, nullptr, "vsentence"},
      {46, 0, nullptr, "vsentence"},
      {1, 1, nullptr, "character"},
      {2, 2, nullptr, "smallinteger"},
      {3, 4, nullptr, "integer"},
      {4, 4, nullptr, "smallnumber"},
      {9, 38, nullptr, "structure EntryKStruct"},
      {61, 293, nullptr, "structure MbxStruct"},
  };
  for (const Case& c : cases) {
    std::string word;
    ASSERT_TRUE(CodeTypeText(c.code, c.size, c.from, table.Structures(), word)) << c.code;
    EXPECT_EQ(word, c.word) << c.code;
  }
  std::string word = "unchanged";
  EXPECT_FALSE(CodeTypeText(31, 4, nullptr, table.Structures(), word)) << "a code without a name";
  EXPECT_FALSE(CodeTypeText(rec->TypeNum + 5, 0, nullptr, table.Structures(), word));
  // A structure is searched from the given one onward: one made later is not found.
  StructDef* later = NewStructureDef("Later", 0, 0, &table);
  EXPECT_FALSE(CodeTypeText(later->TypeNum, 0, rec, table.Structures(), word));
  EXPECT_TRUE(CodeTypeText(rec->TypeNum, 0, later, table.Structures(), word));
}

// Builds a value block for a layout with running values and the text it must give.
struct LayoutSample {
  std::vector<unsigned char> bytes;
  std::string text;
};

LayoutSample SampleOf(const char* layout) {
  LayoutSample s;
  auto put = [&](std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) s.bytes.push_back(static_cast<unsigned char>(v >> (8 * i)));
  };
  auto join = [&](const std::string& v) { s.text += (s.text.empty() ? "" : ",") + v; };
  int n = 1;
  for (const char* p = layout; *p != '\0'; ++n) {
    const char letter = *p++;
    if (letter == 'i') {
      put(static_cast<std::uint32_t>(-n), 2);
      join(std::to_string(-n));
    } else if (letter == 'l') {
      put(static_cast<std::uint32_t>(100000 * n), 4);
      join(std::to_string(100000 * n));
    } else if (letter == 'h') {
      put(0xAB0000u + static_cast<std::uint32_t>(n), 4);
      join(Format("0x%X", 0xAB0000u + static_cast<std::uint32_t>(n)));
    } else if (letter == '0') {
      join("0");
    } else if (letter == 's') {
      int size = 0;
      while (*p >= '0' && *p <= '9') size = size * 10 + (*p++ - '0');
      std::string t = "t" + std::to_string(n);
      t.resize(std::min<std::size_t>(t.size(), static_cast<std::size_t>(size - 1)));
      for (int i = 0; i < size; ++i) s.bytes.push_back(i < static_cast<int>(t.size()) ? static_cast<unsigned char>(t[static_cast<std::size_t>(i)]) : 0);
      join("\"" + t + "\"");
    }
  }
  s.text = "{" + s.text + "}";
  return s;
}

TEST(ScriptTypeWords, InitialValuesOfTheRecordLayouts) {
  struct Case {
    int code;
    const char* layout;
  };
  const Case cases[] = {
      {9, "hhhhhhhiiih"}, {10, "hhiiii"}, {12, "iiiliiiiiii"}, {13, "iiiih"},
      {14, "ihhhiiliiiiiiihiihiihis2s65"}, {15, "iihilhhhhhi000000000"}, {16, "iihhhhhhhhhhiii"},
      {24, "hhiiiii"}, {26, "s20hhhhh"}, {27, "iiihhhs64s64s64hhhiii"}, {28, "s161hhhhhiihl"},
      {36, "ihhhhhih"}, {37, "ihhhhhih"}, {39, "hhs101s101s101s101s101s101s101s101"},
      {40, "s64s128s64s64iis18"}, {42, "hhhhi"},
      {47, "iihhhhhhhhhhhhhhllilliiiiilililiiiiliiiliihhili"},
      {48, "hhhhhhhhhhhhs50s50s50s50s50s50iiiiiiiiiiiis9s9s9s9s9s9hhhhhh"},
      {49, "hhhhhhs50s50s50s50s50s50iiiiiiiiiiiis9s9s9s9s9s9hhhhhh"}, {50, "hhhiiiiihihihi"},
      {51, "iiliii"}, {54, "ihhhh"}, {55, "hs257s513s41s129s129s61s129s121is121iiiih"},
      {56, "iiiiiiiiiiiiiii"}, {57, "hhhhhhhhihhhhhh"}, {58, "hhiiiiiiii"}, {59, "iihhihh"},
      {60, "is41is161ihhhhhiiiiiiiiiiiiiiihiiiilihs41hiiihiih"}, {61, "s257hhhhiiiiiiiiii"},
      {62, "hhhs61s129s61s129hh"}, {63, "hhs61s61s257s61"},
  };
  SymbolTable table;
  for (const Case& c : cases) {
    ASSERT_NE(CodeLayoutString(c.code), nullptr) << c.code;
    EXPECT_STREQ(CodeLayoutString(c.code), c.layout) << c.code;
    const LayoutSample sample = SampleOf(c.layout);
    EXPECT_EQ(CodeInitialValueText(sample.bytes.data(), sample.bytes.size(), c.code, 0, table), sample.text) << c.code;
  }
  EXPECT_EQ(CodeLayoutString(8), nullptr);
  EXPECT_EQ(CodeLayoutString(3), nullptr);
}

TEST(ScriptTypeWords, ShortBlocksReadZerosNeverPastTheirEnd) {
  SymbolTable table;
  const unsigned char two[2] = {5, 0};
  EXPECT_EQ(CodeInitialValueText(two, sizeof two, 42, 0, table), "{0x5,0x0,0x0,0x0,0}");
  EXPECT_EQ(CodeInitialValueText(nullptr, 0, 26, 0, table), "{\"\",0x0,0x0,0x0,0x0,0x0}");
}

TEST(ScriptTypeWords, PlainValuesByType) {
  SymbolTable table;
  struct Case {
    int code;
    std::vector<unsigned char> bytes;
    int size;
    const char* text;
  };
  const Case cases[] = {
      {1, {0xFE}, 1, "-2"},
      {2, {0xFF, 0xFF}, 2, "-1"},
      {3, {0x40, 0x42, 0x0F, 0x00}, 4, "1000000"},
      {4, {0x00, 0x00, 0xC0, 0x3F}, 4, "1.500000"},
      {5, {0, 0, 0, 0, 0, 0, 0x04, 0x40}, 8, "2.500000"},
      {6, {'a', 'b', 0, 'z'}, 4, "\"ab\""},
      {19, {1, 0, 0, 0}, 4, "1"},
      {20, {'2', '0', '0', '1', '0', '1', '0', '1', '1', '2', '0', '0', '0', '0', 0}, 15, "\"20010101120000\""},
      {53, {1, 0}, 2, "1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CodeInitialValueText(c.bytes.data(), c.bytes.size(), c.code, c.size, table), c.text) << c.code;
  }
}

TEST(ScriptTypeWords, NestedUserStructuresWriteTheirPlainMembersWithoutBraces) {
  SymbolTable table;
  StructDef* inner = NewStructureDef("Inner", 0, 0, &table);
  InsertMemberAfter(0, &inner->FstMem, NewStructureMember("Count", 3, 1, inner));
  InsertMemberAfter(1, &inner->FstMem, NewStructureMember("Tag", 6, 4, inner));
  InsertMemberAfter(2, &inner->FstMem, NewStructureMember("Parms", 42, 1, inner));   // a record: left out
  StructDef* outer = NewStructureDef("Outer", 0, 0, &table);
  InsertMemberAfter(0, &outer->FstMem, NewStructureMember("Flag", 2, 1, outer));
  InsertMemberAfter(1, &outer->FstMem, NewStructureMember("In", inner->TypeNum, 1, outer));
  InsertMemberAfter(2, &outer->FstMem, NewStructureMember("Rate", 5, 1, outer));
  InsertMemberAfter(3, &outer->FstMem, NewStructureMember("Play", 42, 1, outer));   // its layout, no braces

  std::vector<unsigned char> b;
  auto put = [&](std::uint64_t v, int n) {
    for (int i = 0; i < n; ++i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
  };
  put(7, 2);                                   // Flag
  put(1234, 4);                                // In.Count
  for (char c : std::string("ab\0\0", 4)) b.push_back(static_cast<unsigned char>(c));   // In.Tag
  b.insert(b.end(), 18, 0xFF);                // In.Parms, skipped whole
  double rate = 0.25;
  std::uint64_t bits;
  std::memcpy(&bits, &rate, 8);
  put(bits, 8);                                // Rate
  put(1, 4); put(2, 4); put(3, 4); put(4, 4); put(5, 2);   // Play: hhhhi
  EXPECT_EQ(CodeInitialValueText(b.data(), b.size(), outer->TypeNum, 0, table),
            "{7,1234,\"ab\",0.250000,0x1,0x2,0x3,0x4,5}");
}

}  // namespace
}  // namespace zeph
