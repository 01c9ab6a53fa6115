#include "model/symnames.h"

#include <gtest/gtest.h>

#include <string>

#include "modeltest_util.h"

namespace zeph {
namespace {

// The catalogue's reserved words, sorted with the model's comparator.
const char* const kReserved[] = {"call", "End", "if", "Return"};

class NameChecks : public ::testing::Test {
 protected:
  NameChecks() { SetReservedWordTable(kReserved, 4); }
  ~NameChecks() override { SetReservedWordTable(nullptr, 0); }
  test::CurrentTable ct;
  SymbolTable& t = ct.table;
};

struct CustomBlocks : SymbolTableHooks {
  bool IsCustomVavurOrezo(const SymbolTable&, const char* name) override { return std::string(name) == "MyBlock"; }
};

TEST_F(NameChecks, NewSymbolNameCodes) {
  CustomBlocks hooks;
  t.SetHooks(&hooks);
  test::AddVariable(t, "Taken", kTypeString);
  test::AddStructure(t, "Rec", {{"F", kTypeInteger}});
  AddVavurOrezoSymbol("HUNGUP");
  struct { const char* name; int limit; char extra; int result; } cases[] = {
      {"Good_1", 30, '_', 0},
      {"", 30, '_', kErrBadName},
      {"_", 30, '_', kErrBadName},
      {"_x", 30, '_', 0},
      {"1x", 30, '_', kErrBadName},
      {"a-b", 30, '_', kErrBadName},
      {"lib.rll", 30, '_', kErrBadName},
      {"lib.rll", 86, '.', 0},
      {"abcdefghijklmnopqrstuvwxyz1234", 30, '_', 0},
      {"abcdefghijklmnopqrstuvwxyz12345", 30, '_', kErrNameTooLong},
      {"if", 30, '_', kErrReservedName},
      {"Return", 30, '_', kErrReservedName},
      {"return", 30, '_', 0},            // reserved words are case-sensitive
      {"__anything", 30, '_', kErrReservedName},
      {"HUNGUP", 30, '_', kErrReservedName},   // an exit name while such a VavurOrezo exists
      {"SILENCE", 30, '_', 0},
      {"Rec", 30, '_', kErrStructureExists},
      {"MyBlock", 30, '_', kErrCustomPBExists},
      {"Taken", 30, '_', kErrNameInUse},
  };
  for (auto c : cases) EXPECT_EQ(CheckNewSymbolName(c.name, c.limit, c.extra), c.result) << c.name;
  EXPECT_EQ(CheckSymbolName("Taken", 30, '_'), 0);
}

TEST_F(NameChecks, PagePrefixMustNameTheCurrentPage) {
  t.NamesUnqualified = 0;
  t.SetCurrentPageName("MAIN");
  t.SymbolPageCheck = 1;
  EXPECT_EQ(CheckNewSymbolName("MAIN$X", 30, '_'), 0);
  EXPECT_EQ(CheckNewSymbolName("MAI$X", 30, '_'), kErrBadName);
  EXPECT_EQ(CheckNewSymbolName("PAGE2$X", 30, '_'), kErrBadName);
  EXPECT_EQ(CheckNewSymbolName("MAIN$", 30, '_'), kErrBadName);
  // With the page check on, the limit applies to the part after "$".
  EXPECT_EQ(CheckNewSymbolName(("MAIN$" + std::string(30, 'x')).c_str(), 30, '_'), 0);
  t.SymbolPageCheck = 0;
  EXPECT_EQ(CheckNewSymbolName(("MAIN$" + std::string(30, 'x')).c_str(), 30, '_'), kErrNameTooLong);
  EXPECT_EQ(CheckNewSymbolName("MAIN$X$Y", 30, '_'), kErrBadName);
}

TEST_F(NameChecks, NoPagePrefixWhileNamesAreUnqualified) {
  // On the Main page names carry no prefix: a "$" name would be filed where no lookup
  // ever finds it.
  t.NamesUnqualified = 1;
  t.SetCurrentPageName("MAIN");
  EXPECT_EQ(CheckNewSymbolName("MAIN$X", 30, '_'), kErrBadName);
  EXPECT_EQ(CheckNewSymbolName("A$B", 30, '_'), kErrBadName);
  EXPECT_EQ(CheckNewSymbolName("X", 30, '_'), 0);
}

TEST_F(NameChecks, StructureAndMemberNames) {
  test::AddVariable(t, "Var", kTypeInteger);
  StructDef* def = test::AddStructure(t, "Rec", {{"Field", kTypeInteger}});
  struct { const char* name; int result; } structures[] = {
      {"NewRec", 0},
      {"", kErrBadStructureName},
      {"_", kErrBadStructureName},
      {"1Rec", kErrBadStructureName},
      {"abcdefghijklmnopqrstuvwxyz123", 0},          // 29 characters
      {"abcdefghijklmnopqrstuvwxyz1234", kErrStructureNameTooLong},
      {"call", kErrReservedName},
      {"TONE", kErrReservedName},
      {"Rec", kErrStructureExists},
      {"Var", kErrNameInUse},
  };
  for (auto c : structures) EXPECT_EQ(CheckStructureName(c.name), c.result) << c.name;
  struct { const char* name; int result; } members[] = {
      {"Other", 0},
      {"", kErrBadMemberName},
      {"a b", kErrBadMemberName},
      {"abcdefghijklmnopqrstuvwxyz1234", kErrMemberNameTooLong},
      {"Field", kErrMemberNameInUse},
      {"End", kErrReservedName},
  };
  for (auto c : members) EXPECT_EQ(CheckMemberName(c.name, def), c.result) << c.name;
}

TEST_F(NameChecks, ReservedWordsUseTheModelComparator) {
  // The table is sorted case-insensitively first; a plain byte-order search would miss
  // "call" (it sorts after "End" and "Return" by bytes).
  EXPECT_TRUE(IsReservedWord("call"));
  EXPECT_TRUE(IsReservedWord("End"));
  EXPECT_TRUE(IsReservedWord("if"));
  EXPECT_TRUE(IsReservedWord("Return"));
  EXPECT_FALSE(IsReservedWord("end"));
  EXPECT_FALSE(IsReservedWord("zzz"));
}

}  // namespace
}  // namespace zeph
