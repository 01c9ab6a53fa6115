// Variable and symbol exports: adding, deleting and counting uses, where a value lives,
// initial values, and listings sized by their counts.
#include "model/interface/vlx.h"

#include <gtest/gtest.h>

#include "vlx_testutil.h"

#include <cstring>
#include <vector>

#include "foundation/kvscrpres.h"
#include "model/datatypes.h"
#include "model/interface/library.h"
#include "model/program/program.h"
#include "model/symtable.h"

namespace zeph {
namespace {

class VlxVariables : public test::VlxProgramTest {
 protected:
  Symbol* Find(const char* name) { return static_cast<Symbol*>(vlxFindSymbol(name)); }
};

TEST_F(VlxVariables, AddingMapsTheModelsRefusals) {
  struct Case {
    const char* name;
    int type;
    int result;
  };
  const Case cases[] = {
      {"Total", kTypeInteger, 0},
      {"Total", kTypeInteger, -5},     // in use
      {"VMenu", kTypeInteger, -7},     // a reserved word
      {"Other", 64, -6},               // no such type
      {"Other", 99, -6},
      {"9lives", kTypeInteger, -6},    // not a name
  };
  for (const Case& c : cases) {
    EXPECT_EQ(vlxAddVariable(c.name, c.type, 4, 0, 1, 0), c.result) << c.name << " " << c.type;
  }
  EXPECT_EQ(Find("Other"), nullptr);
  EXPECT_EQ(vlxIsNameInUse("Total"), -168);
  EXPECT_EQ(vlxIsNameInUse("Fresh"), 0);
  EXPECT_TRUE(presenter.Boxes().empty());   // no messages
}

TEST_F(VlxVariables, DeletingRefusesUsedProtectedAndUnknownNames) {
  ASSERT_EQ(vlxAddVariable("Count", kTypeInteger, 4, 0, 1, 0), 0);
  vlxReferenceVariable("Count", -1);   // raised directly
  EXPECT_EQ(Find("Count")->RefCnt, 1);
  EXPECT_EQ(vlxDeleteVariable("Count", 0), -4);
  vlxReferenceVariable("Count", 0);    // one reference released
  EXPECT_EQ(Find("Count")->RefCnt, 0);
  EXPECT_EQ(vlxDeleteVariable("Error", 0), -8);   // a system variable
  EXPECT_EQ(vlxDeleteVariable("Nowhere", 0), -9);
  EXPECT_EQ(vlxDeleteVariable("Count", 0), 0);
  EXPECT_EQ(Find("Count"), nullptr);
}

TEST_F(VlxVariables, ElementsLiveInTheVariablesStorageOfItsFullSize) {
  ASSERT_EQ(vlxAddVariable("Counts", kTypeInteger, 4, 0, 1, 0), 0);
  Find("Counts")->ArraySize = 4;
  EXPECT_EQ(vlxGetVariableInfo("Counts[3]", 0)->Address, nullptr);   // no storage yet
  EXPECT_EQ(vlxSetupVariable("Counts[4]", "7"), 1);
  EXPECT_EQ(vlxSetupVariable("Counts[2]", "not a number"), 0);
  EXPECT_EQ(vlxSetupVariable("Nowhere", "1"), 0);

  const VariableInfo* first = vlxGetVariableInfo("Counts[1]", 0);
  ASSERT_NE(first, nullptr);
  auto* base = static_cast<unsigned char*>(first->Address);
  ASSERT_NE(base, nullptr);
  EXPECT_EQ(static_cast<unsigned char*>(vlxGetVariableInfo("Counts", 0)->Address), base);
  const VariableInfo* third = vlxGetVariableInfo("Counts[3]", 0);
  EXPECT_EQ(static_cast<unsigned char*>(third->Address), base + 8);
  EXPECT_STREQ(third->Name, "Counts[3]");
  EXPECT_EQ(third->Type, kTypeInteger);
  EXPECT_EQ(third->UseCount, 0);
  std::int32_t fourth = 0;
  std::memcpy(&fourth, base + 12, 4);
  EXPECT_EQ(fourth, 7);
  // An index that is no constant gives no address.
  ASSERT_EQ(vlxAddVariable("i", kTypeInteger, 4, 0, 1, 0), 0);
  const VariableInfo* byVariable = vlxGetVariableInfo("Counts[i]", 0);
  ASSERT_NE(byVariable, nullptr);
  EXPECT_EQ(byVariable->Address, nullptr);
}

TEST_F(VlxVariables, SymbolsAreAddedWithTheirDataAndCountedAsListed) {
  Symbol* out = nullptr;
  EXPECT_FALSE(vlxAddSymbol(out, "", kTypeInteger, 4, 0, 1, 0, nullptr));
  EXPECT_FALSE(vlxAddSymbol(out, "ThisNameIsFarTooLongForASymbolsSlot", kTypeInteger, 4, 0, 1, 0, nullptr));
  EXPECT_EQ(out, nullptr);
  auto* data = new ValueBlockData(4);
  ASSERT_TRUE(vlxAddSymbol(out, "Held", kTypeInteger, 4, 0, 1, 0, data));
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(out->Data.get(), data);
  // Visible, invisible and deleted symbols: the count is what the listing writes.
  ASSERT_EQ(vlxAddVariable("Shown", kTypeInteger, 4, 0, 1, 0), 0);
  ASSERT_EQ(vlxAddVariable("Hidden", kTypeInteger, 4, 0, 1, 1), 0);
  ASSERT_EQ(vlxAddVariable("Gone", kTypeInteger, 4, 0, 1, 0), 0);
  EXPECT_TRUE(vlxDeleteSymbol("Gone", kTypeInteger));
  const int size = vlxGetTreeSize(kTypeInteger);
  std::vector<vlxHandleType> symbols(static_cast<std::size_t>(size) + 4, nullptr);
  EXPECT_EQ(vlxGetATypeOfSymbols(symbols.data(), kTypeInteger), size);
  EXPECT_EQ(symbols[static_cast<std::size_t>(size)], nullptr);
  for (int i = 0; i < size; ++i) EXPECT_FALSE(static_cast<Symbol*>(symbols[i])->Deleted);
  EXPECT_EQ(vlxGetTreeSize(-1), 0);
  EXPECT_EQ(vlxGetTreeSize(64), 0);
  EXPECT_EQ(vlxGetATypeOfSymbols(symbols.data(), 64), 0);
}

}  // namespace
}  // namespace zeph
