#include "model/datatypes.h"

#include <gtest/gtest.h>

#include <cstring>

#include "modeltest_util.h"

namespace zeph {
namespace {

TEST(DataTypes, TableNamesAndSizes) {
  InitDataTypeTable();
  struct Row {
    int code;
    const char* tableName;
    const char* listedName;
    int tableSize;
    int storageSize;
    bool symbolRecord;
  } rows[] = {
      {0, "struct", "struct", 0, 0, true},
      {1, "character", "character", 1, 1, false},
      {4, "smallnumber", "smallnumber", 4, 4, false},
      {5, "*NUMBER", "*NUMBER", 8, 8, false},
      {9, "EntryKStruct", "EntryKParm", 38, 38, true},
      {20, "datestring", "datestring", 15, 15, false},
      {21, "bResPerm", "bMailBox", 4, 4, true},
      {22, "bFileHandle", "bFileHandle", 12, 0, true},
      {23, "MenuKParm", "MenuKParm", 4, 2, false},
      {30, nullptr, "bFaxDocument", 0, 0, false},
      {31, nullptr, "bOLEInfo", 0, 0, true},
      {34, "VavurOrezo", "VavurOrezo", -1, 0, false},
      {38, "bLogFile", "bLogFile", -1, 0, true},
      {43, "Verification Block", "Verification Block", 6, 6, false},
      {48, "DelayStructure", "DelayParms", 450, 450, true},
      {53, "Boolean", "boolean", 2, 2, false},
      {55, "AddrParms", "AddrParm", 1519, 1519, true},
      {63, "AlarmStruct", "AlarmStruct", 448, 448, true},
  };
  for (const Row& r : rows) {
    const BuiltinTypeEntry* e = GetBuiltinTypeEntry(r.code);
    ASSERT_NE(e, nullptr);
    if (r.tableName) {
      EXPECT_STREQ(e->Name, r.tableName) << r.code;
      EXPECT_EQ(e->Code, r.code);
      EXPECT_EQ(e->Size, r.tableSize) << r.code;
    } else {
      EXPECT_EQ(e->Name, nullptr) << r.code;
    }
    EXPECT_STREQ(GetListedTypeName(r.code), r.listedName) << r.code;
    EXPECT_EQ(GetBuiltinTypeSize(r.code), r.storageSize) << r.code;
    EXPECT_EQ(IsRecordTypeCode(r.code), r.symbolRecord) << r.code;
  }
  EXPECT_EQ(GetBuiltinTypeEntry(64), nullptr);
  EXPECT_EQ(GetListedTypeName(-1), nullptr);
  EXPECT_TRUE(IsRecordTypeCode(100));
}

TEST(DataTypes, MemberTypeSizes) {
  struct { int code, size; } cases[] = {{1, 1}, {2, 2}, {53, 2}, {3, 4}, {4, 4}, {19, 4}, {21, 4},
                                        {5, 8}, {20, 15}, {35, 5}, {6, 0}, {42, 0}, {100, 0}};
  for (auto c : cases) EXPECT_EQ(GetMemberTypeSize(c.code), c.size) << c.code;
}

TEST(DataTypes, TypeCodeByNameFindsLowerCodeThenStructures) {
  test::CurrentTable ct;
  EXPECT_EQ(GetTypeCodeByName("bMail", nullptr), 8);
  EXPECT_EQ(GetTypeCodeByName("bMailBox", nullptr), 21);
  EXPECT_EQ(GetTypeCodeByName("boolean", nullptr), 53);
  EXPECT_EQ(GetTypeCodeByName("Boolean", nullptr), -1);  // exact, case-sensitive
  StructDef* def = test::AddStructure(ct.table, "Caller", {{"Id", kTypeInteger}});
  EXPECT_EQ(GetTypeCodeByName("Caller", nullptr), def->TypeNum);
  EXPECT_EQ(GetTypeCodeByName("caller", &ct.table), -1);
}

TEST(DataTypes, TypeSizeOfStructuresAndClear) {
  test::CurrentTable ct;
  StructDef* def = test::AddStructure(ct.table, "Rec", {{"A", kTypeSmallInteger}, {"B", kTypeString}, {"C", kTypeNumber}});
  EXPECT_EQ(GetTypeSize(def->TypeNum, &ct.table), 2 + 16 + 8);
  EXPECT_EQ(GetTypeSize(kTypeInteger, &ct.table), 4);
  EXPECT_EQ(GetTypeSize(kTypePlayParms, &ct.table), 18);  // built-in record without definition
  unsigned char buf[32];
  std::memset(buf, 0xAB, sizeof buf);
  ClearValueOfType(buf, def->TypeNum, &ct.table);
  for (int i = 0; i < 26; ++i) EXPECT_EQ(buf[i], 0) << i;
  EXPECT_EQ(buf[26], 0xAB);
}

TEST(DataTypes, TypeMasks) {
  TypeMask m = MaskOfTypes({1, 31, 32, 63});
  EXPECT_EQ(m.Allowed1, 0x80000002u);
  EXPECT_EQ(m.Allowed2, 0x80000001u);
  EXPECT_TRUE(MaskHasBuiltin(m, 63));
  EXPECT_FALSE(MaskHasBuiltin(m, 2));
  MaskClearBuiltin(m, 31);
  EXPECT_EQ(m.Allowed1, 2u);

  TypeMask ids;
  ids.Allowed1 = 1u << 5;
  ids.Allowed2 = 1u << 0;
  EXPECT_TRUE(IsStructureIdInMask(105, ids));
  EXPECT_TRUE(IsStructureIdInMask(132, ids));
  EXPECT_FALSE(IsStructureIdInMask(99, ids));
  EXPECT_FALSE(IsStructureIdInMask(164, ids));
}

TEST(DataTypes, MarkStructuresOfSize) {
  test::CurrentTable ct;
  StructDef* a = test::AddStructure(ct.table, "A", {{"X", kTypeInteger}});
  StructDef* b = test::AddStructure(ct.table, "B", {{"X", kTypeSmallInteger}, {"Y", kTypeSmallInteger}});
  StructDef* c = test::AddStructure(ct.table, "C", {{"X", kTypeNumber}});
  TypeMask m;
  MarkStructuresOfSize(m, 4, &ct.table);
  EXPECT_TRUE(IsStructureIdInMask(a->TypeNum, m));
  EXPECT_TRUE(IsStructureIdInMask(b->TypeNum, m));
  EXPECT_FALSE(IsStructureIdInMask(c->TypeNum, m));
}

}  // namespace
}  // namespace zeph
