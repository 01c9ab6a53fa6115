// Storage of structured variables after a structure edit, nested structures included.
#include "editors/structures/structstorage.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/datatypes.h"
#include "model/interface/variable_place.h"
#include "model/structops.h"
#include "model/superblk.h"
#include "reporttest_util.h"

namespace zeph {
namespace {

class StructStorage : public test::ReportProgram {
 protected:
  StructDef* Structure(const char* name, std::initializer_list<std::pair<const char*, int>> members) {
    StructDef* def = NewStructureDef(name, 0, 0, &program->Symbols());
    int n = 0;
    for (const auto& [member, type] : members) {
      InsertMemberAfter(n++, &def->FstMem, NewStructureMember(member, type, type == kTypeString ? 16 : 1, def));
    }
    return def;
  }
  Symbol* Var(const char* name, int type, int elements = 0, int storage = 0, int scope = 0) {
    Symbol* s = nullptr;
    EXPECT_EQ(program->AddNamedSymbol(&s, name, type, 1, 1, 0, false, 0, scope), 0) << name;
    s->ArraySize = static_cast<std::int16_t>(elements);
    if (storage > 0) {
      ValueBlockData& block = MakeVariableStorage(*s, storage);
      std::fill(block.Bytes(), block.Bytes() + storage, 0xAB);
    }
    return s;
  }
  static bool AllZero(const ValueBlockData* block) {
    for (std::size_t i = 0; i < block->Size(); ++i) {
      if (block->Bytes()[i] != 0) return false;
    }
    return true;
  }
};

TEST_F(StructStorage, VariablesOfTheStructureAndOfStructuresHoldingItGetTheNewSize) {
  StructDef* inner = Structure("Inner", {{"Count", kTypeInteger}});
  StructDef* middle = Structure("Middle", {{"Part", inner->TypeNum}, {"Flag", kTypeSmallInteger}});
  StructDef* outer = Structure("Outer", {{"Body", middle->TypeNum}});
  StructDef* unrelated = Structure("Other", {{"Name", kTypeString}});
  Symbol* plain = Var("Plain", inner->TypeNum, 0, 4);
  Symbol* nested = Var("Nested", middle->TypeNum, 3, 18);
  Symbol* deeper = Var("Deeper", outer->TypeNum, 0, 2);
  Symbol* empty = Var("Empty", middle->TypeNum);
  Symbol* other = Var("Unrelated", unrelated->TypeNum, 0, 16);

  std::vector<StructDef*> holding = StructuresHolding(*inner, *program);
  ASSERT_EQ(holding.size(), 3u);
  EXPECT_EQ(holding[0], inner);
  EXPECT_EQ(std::count(holding.begin(), holding.end(), middle), 1);
  EXPECT_EQ(std::count(holding.begin(), holding.end(), outer), 1);

  InsertMemberAfter(1, &inner->FstMem, NewStructureMember("Total", kTypeNumber, 1, inner));
  RebuildStructureStorage(*inner, *program);

  ASSERT_NE(VariableStorage(*plain), nullptr);
  EXPECT_EQ(VariableStorage(*plain)->Size(), 12u);
  EXPECT_TRUE(AllZero(VariableStorage(*plain)));
  ASSERT_NE(VariableStorage(*nested), nullptr);
  EXPECT_EQ(VariableStorage(*nested)->Size(), 3u * 14u);   // (4 + 8 + 2) a record, 3 records
  EXPECT_TRUE(AllZero(VariableStorage(*nested)));
  ASSERT_NE(VariableStorage(*deeper), nullptr);
  EXPECT_EQ(VariableStorage(*deeper)->Size(), static_cast<std::size_t>(GetStructureSize(outer, &program->Symbols())));
  EXPECT_TRUE(AllZero(VariableStorage(*deeper)));
  EXPECT_EQ(VariableStorage(*empty), nullptr);
  EXPECT_EQ(VariableStorage(*other)->Size(), 16u);
  EXPECT_EQ(VariableStorage(*other)->Bytes()[0], 0xAB);
}

TEST_F(StructStorage, ParameterInterfaceEntriesTakeTheNewSize) {
  Symbol* page = nullptr;
  ASSERT_EQ(program->AddNamedSymbol(&page, "Billing", kTypeSuperBlock, 1, 1, 1, false, 1), 0);
  program->SetCurrentPage(page);
  StructDef* inner = Structure("Inner", {{"Count", kTypeInteger}});
  StructDef* outer = Structure("Outer", {{"Body", inner->TypeNum}});
  Var("Billing$Account", outer->TypeNum, 0, 0, 2);
  SBInterfaceTable entries(page, &program->Symbols());
  ASSERT_EQ(entries.AddEntry("Account", outer->TypeNum, 4, 0), 0);

  InsertMemberAfter(1, &inner->FstMem, NewStructureMember("Name", kTypeString, 30, inner));
  RebuildStructureStorage(*inner, *program);
  const PBFieldDef* entry = entries.Table();
  ASSERT_STREQ(entry->Name, "Account");
  EXPECT_EQ(entry->StrSize, 34);
}

}  // namespace
}  // namespace zeph
