// Creating variables: the checks in their order, page-local names, element bounds,
// initial values from the default variables, and Parameters with their interface entry.
#include "editors/variables/makevar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "model/datatypes.h"
#include "model/interface/variable_place.h"
#include "model/modelcodes.h"
#include "model/pbaccess_msgtext.h"
#include "model/structops.h"
#include "model/superblk.h"
#include "reporttest_util.h"

namespace zeph {
namespace {

constexpr int kEntryK = 9;

class MakeVariableTest : public test::ReportProgram {
 protected:
  MakeVariableResult Make(const char* type, const char* name, const char* size = "1", const char* count = "1",
                          int scope = 0, int minNumber = 0) {
    MakeVariableInput input;
    input.TypeName = type;
    input.Name = name;
    input.SizeText = size;
    input.CountText = count;
    input.Scope = scope;
    input.MinNumber = minNumber;
    return MakeVariable(input, *program);
  }
};

TEST_F(MakeVariableTest, RefusalsInOrder) {
  const std::string range = "Size is not within the acceptable range (2 - 1000)";
  const struct {
    const char* type;
    const char* name;
    const char* size;
    const char* count;
    int minNumber;
    std::string message;
  } cases[] = {
      {"VSentenceVar", "X", "1", "1", 0, "VSentenceVar variables are not yet supported!"},
      {"VoiceSentence", "X", "1", "1", 0,
       "Voice sentences cannot be added from a VavurOrezo field.  Use the Define Voice Sentence dialog instead."},
      {"integer", "2bad", "1", "1", 0, PBMessageText(kErrBadName)},
      {"", "Fine", "1", "1", 0, "You must select a data type"},
      {"*STRING", "Fine", "1", "1", 0, range},
      {"*STRING", "Fine", "1001", "1", 0, range},
      {"*STRING", "Fine", "", "1", 0, range},
      {"integer", "Fine", "1", "2", 3, "The index is not within the acceptable range (3 - 16000)."},
      {"integer", "Fine", "1", "0", 0, "The index is not within the acceptable range (1 - 16000)."},
      {"*STRING", "Fine", "1000", "65", 0, "The index is not within the acceptable range (1 - 64)."},
  };
  for (const auto& c : cases) {
    const MakeVariableResult r = Make(c.type, c.name, c.size, c.count, 0, c.minNumber);
    EXPECT_EQ(r.Created, nullptr) << c.type << " " << c.name;
    EXPECT_EQ(r.Message, c.message) << c.type << " " << c.name;
  }
  EXPECT_EQ(LookupSymbol("Fine", kTypeInteger, &program->Symbols()), nullptr);
  EXPECT_EQ(LookupSymbol("Fine", kTypeString, &program->Symbols()), nullptr);
}

TEST_F(MakeVariableTest, StringsArraysAndPageLocalNames) {
  for (const char* size : {"2", "1000"}) {
    const MakeVariableResult r = Make("*STRING", size[0] == '2' ? "Short" : "Long", size);
    ASSERT_NE(r.Created, nullptr) << size;
    EXPECT_EQ(r.Created->Size, std::atoi(size));
  }
  const MakeVariableResult array = Make("integer", "Counts", "1", "16000");
  ASSERT_NE(array.Created, nullptr);
  EXPECT_EQ(array.Created->ArraySize, 16000);
  EXPECT_EQ(array.Created->CanDelete, 1);

  Symbol* page = nullptr;
  ASSERT_EQ(program->AddNamedSymbol(&page, "Main2", kTypeSuperBlock, 1, 1, 1, false, 1), 0);
  program->SetCurrentPage(page);
  const MakeVariableResult local = Make("integer", "Count", "1", "1", 1);
  ASSERT_NE(local.Created, nullptr);
  EXPECT_STREQ(local.Created->Name, "Main2$Count");
  EXPECT_EQ(local.Created->Scope, 1);
}

TEST_F(MakeVariableTest, RecordsStartFromTheirDefaultVariable) {
  const int size = GetBuiltinTypeSize(kEntryK);
  ASSERT_GT(size, 0);
  // The program's default variable of the type, with a value of the test's own.
  Symbol* def = LookupSymbol("DefKEntryParm", kEntryK, &program->Symbols());
  ASSERT_NE(def, nullptr);
  ValueBlockData& source = MakeVariableStorage(*def, size);
  for (int i = 0; i < size; ++i) source.Bytes()[i] = static_cast<unsigned char>(i + 1);
  const MakeVariableResult copied = Make("EntryKParm", "Second", "1", "2");
  ASSERT_NE(copied.Created, nullptr);
  ValueBlockData* both = VariableStorage(*copied.Created);
  ASSERT_NE(both, nullptr);
  ASSERT_EQ(both->Size(), static_cast<std::size_t>(2 * size));
  EXPECT_EQ(std::memcmp(both->Bytes(), source.Bytes(), static_cast<std::size_t>(size)), 0);
  EXPECT_EQ(std::memcmp(both->Bytes() + size, source.Bytes(), static_cast<std::size_t>(size)), 0);

  // A record type without a default variable starts zero-filled.
  const MakeVariableResult sql = Make("bSQLInfo", "Query");
  ASSERT_NE(sql.Created, nullptr) << sql.Message;
  ValueBlockData* zeros = VariableStorage(*sql.Created);
  ASSERT_NE(zeros, nullptr);
  EXPECT_EQ(zeros->Size(), static_cast<std::size_t>(GetBuiltinTypeSize(40)));
  for (std::size_t i = 0; i < zeros->Size(); ++i) ASSERT_EQ(zeros->Bytes()[i], 0) << i;
  EXPECT_STREQ(DefaultVariableFor(40), nullptr);
  EXPECT_STREQ(DefaultVariableFor(23), "DefKMenuParm");
}

TEST_F(MakeVariableTest, ParametersJoinTheInterfaceUpTo24Entries) {
  Symbol* page = nullptr;
  ASSERT_EQ(program->AddNamedSymbol(&page, "Billing", kTypeSuperBlock, 1, 1, 1, false, 1), 0);
  program->SetCurrentPage(page);
  SBInterfaceTable entries(page, &program->Symbols());
  for (int i = 0; i < 24; ++i) {
    const MakeVariableResult r = Make("integer", ("P" + std::to_string(i)).c_str(), "1", "1", 2);
    ASSERT_NE(r.Created, nullptr) << i << " " << r.Message;
    EXPECT_EQ(r.Created->Scope, 2);
  }
  EXPECT_EQ(entries.CountVariableEntries(), 24);
  const MakeVariableResult full = Make("integer", "Extra", "1", "1", 2);
  EXPECT_EQ(full.Created, nullptr);
  EXPECT_EQ(full.Message, "A maximum of 10 variables and voice sentences may be set on SuperBlock call");
  EXPECT_EQ(LookupSymbol("Billing$Extra", kTypeInteger, &program->Symbols()), nullptr);
  EXPECT_EQ(entries.CountVariableEntries(), 24);
}

}  // namespace
}  // namespace zeph

namespace zeph {
namespace {

bool Has(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

TEST_F(MakeVariableTest, TypeListFollowsTheStructureSelectionAndTheBackTypesSwitch) {
  StructDef* cust = NewStructureDef("Cust", 0, 0, &program->Symbols());
  ASSERT_NE(cust, nullptr);
  InsertMemberAfter(0, &cust->FstMem, NewStructureMember("Id", kTypeInteger, 1, cust));
  const int bit = cust->TypeNum - kFirstStructureId;
  ASSERT_LT(bit, 32);

  TypeMask plain = MaskOfTypes({kTypeInteger, kTypeEntryParms});
  std::vector<std::string> names = MakeVariableTypeNames(plain, program->Symbols(), false);
  EXPECT_TRUE(Has(names, "integer"));
  EXPECT_FALSE(Has(names, "Cust"));
  EXPECT_FALSE(Has(names, GetListedTypeName(kTypeEntryParms)));   // a "b..." record type
  EXPECT_TRUE(Has(MakeVariableTypeNames(plain, program->Symbols(), true), GetListedTypeName(kTypeEntryParms)));

  TypeMask all = plain;
  all.AddStructs = kStructsAll;
  EXPECT_TRUE(Has(MakeVariableTypeNames(all, program->Symbols(), false), "Cust"));

  // Selection 2 lists only the marked structures (by id bit or by size).
  TypeMask marked;
  marked.AddStructs = kStructsBitsOrSize;
  marked.Allowed1 = 1u << bit;
  EXPECT_EQ(MakeVariableTypeNames(marked, program->Symbols(), true), std::vector<std::string>{"Cust"});
  marked.Allowed1 = 0;
  marked.StructNum = static_cast<std::int16_t>(GetStructureSize(cust, &program->Symbols()));
  EXPECT_TRUE(Has(MakeVariableTypeNames(marked, program->Symbols(), true), "Cust"));
  EXPECT_FALSE(Has(MakeVariableTypeNames(marked, program->Symbols(), true), "integer"));
}

}  // namespace
}  // namespace zeph
