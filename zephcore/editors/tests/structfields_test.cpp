// The structure fields editor's rules: the offered types, the checks on a new member in
// their order, inserting before and after, deleting, and closing an empty structure.
#include "editors/structures/structfields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/datatypes.h"
#include "model/modelcodes.h"
#include "model/pbaccess_msgtext.h"
#include "model/structops.h"
#include "reporttest_util.h"

namespace zeph {
namespace {

class StructFields : public test::ReportProgram {
 protected:
  StructFields() : def(NewStructureDef("Address", 0, 0, &program->Symbols())) {}
  std::vector<std::string> Members() const {
    std::vector<std::string> out;
    for (const StructMember* m = def->FstMem; m != nullptr; m = m->Next) out.push_back(m->Name);
    return out;
  }
  bool Add(const char* name, const char* type, int selected, bool after, const char* size = "") {
    NewMemberInput input{name, type, size, selected};
    const MemberCheck check = CheckNewMember(*def, input, *program);
    if (!check.Ok) return false;
    return InsertNewMember(*def, input, check, after, *program);
  }
  bool InMask(int code) const {
    return code < 32 ? (def->Allowed1 >> code) & 1u : (def->Allowed2 >> (code - 32)) & 1u;
  }
  StructDef* def;
};

TEST(StructFieldTypes, PlainTypesThenRecordTypesBackTypesOnRequest) {
  const std::vector<std::string> plain = StructFieldTypeNames(false);
  const std::vector<std::string> back = StructFieldTypeNames(true);
  EXPECT_EQ(std::vector<std::string>(plain.begin(), plain.begin() + 9),
            (std::vector<std::string>{"boolean", "character", "smallinteger", "integer", "smallnumber", "*NUMBER",
                                      "*STRING", "datenumber", "datestring"}));
  auto has = [](const std::vector<std::string>& v, const char* n) { return std::count(v.begin(), v.end(), n) == 1; };
  EXPECT_TRUE(has(plain, "EntryKParm"));   // 9
  EXPECT_TRUE(has(plain, "MenuSParm"));    // 24
  EXPECT_FALSE(has(plain, "EntryParm"));   // 11 is no record type for structures
  EXPECT_FALSE(has(plain, "MenuKParm"));   // 23
  EXPECT_FALSE(has(plain, "bDBInfo"));
  EXPECT_TRUE(has(back, "bDBInfo"));       // 7
  EXPECT_FALSE(has(back, "VavurOrezo"));   // 34
  for (std::size_t i = 9; i < plain.size(); ++i) EXPECT_NE(plain[i][0], 'b') << plain[i];
  EXPECT_GT(back.size(), plain.size());
}

TEST_F(StructFields, NewMemberChecksInOrder) {
  ASSERT_TRUE(Add("Street", "*STRING", -1, true, "64"));
  const struct {
    const char* name;
    const char* type;
    const char* size;
    int selected;
    std::string message;
  } cases[] = {
      {"2bad", "integer", "", 0, PBMessageText(kErrBadMemberName)},
      {"Street", "integer", "", 0, PBMessageText(kErrMemberNameInUse)},
      {"City", "", "", 0, "You must select a data type"},
      {"City", "VoiceSentence", "", 0, "Voice sentence variables are not yet supported in structures"},
      {"City", "*STRING", "1", 0, "Size is not within the acceptable range (2 - 1000)"},
      {"City", "*STRING", "1001", 0, "Size is not within the acceptable range (2 - 1000)"},
      {"City", "*STRING", "12x", 0, "Size is not within the acceptable range (2 - 1000)"},
      {"City", "integer", "", -1, "You must select a structure field"},
  };
  for (const auto& c : cases) {
    const MemberCheck check = CheckNewMember(*def, NewMemberInput{c.name, c.type, c.size, c.selected}, *program);
    EXPECT_FALSE(check.Ok) << c.name << " " << c.type;
    EXPECT_EQ(check.Message, c.message) << c.name << " " << c.type;
  }
  const MemberCheck text = CheckNewMember(*def, NewMemberInput{"City", "*STRING", "1000", 0}, *program);
  EXPECT_TRUE(text.Ok);
  EXPECT_EQ(text.Size, 1000);
  const MemberCheck number = CheckNewMember(*def, NewMemberInput{"Zip", "integer", "999999", 0}, *program);
  EXPECT_TRUE(number.Ok);
  EXPECT_EQ(number.Size, 1);   // other types take no size
  EXPECT_EQ(Members(), std::vector<std::string>{"Street"});
}

TEST_F(StructFields, AddAfterAndBeforeTheSelectionAndTheTypeMask) {
  ASSERT_TRUE(Add("B", "integer", -1, true));
  ASSERT_TRUE(Add("D", "boolean", 0, true));
  ASSERT_TRUE(Add("A", "integer", 0, false));
  ASSERT_TRUE(Add("C", "character", 2, false));
  ASSERT_TRUE(Add("E", "integer", 3, true));
  EXPECT_EQ(Members(), (std::vector<std::string>{"A", "B", "C", "D", "E"}));
  EXPECT_TRUE(InMask(kTypeInteger));
  EXPECT_TRUE(InMask(kTypeBoolean));
  EXPECT_TRUE(InMask(kTypeCharacter));

  std::string message;
  ASSERT_TRUE(DeleteMember(*def, 2, message));   // the only character
  EXPECT_EQ(Members(), (std::vector<std::string>{"A", "B", "D", "E"}));
  EXPECT_FALSE(InMask(kTypeCharacter));
  ASSERT_TRUE(DeleteMember(*def, 0, message));   // one of three integers
  EXPECT_TRUE(InMask(kTypeInteger));

  GetMemberAt(0, def)->RefCnt = 1;
  EXPECT_FALSE(DeleteMember(*def, 0, message));
  EXPECT_EQ(message, "Can not delete this structure member because its in use");
  EXPECT_FALSE(DeleteMember(*def, 9, message));
  EXPECT_EQ(message, "You must select a structure field");
  EXPECT_EQ(Members(), (std::vector<std::string>{"B", "D", "E"}));
  EXPECT_EQ(MemberNameOfLine("002: Street *STRING 64"), "Street");
}

TEST_F(StructFields, ClosingAnEmptyStructure) {
  std::string message;
  EXPECT_EQ(StructCloseAction(*def, message), StructClose::AskDeleteEmpty);
  EXPECT_EQ(message, "You can not have a structure which has no fields. Do you want to delete: Address ?");
  def->RefCnt = 1;
  EXPECT_EQ(StructCloseAction(*def, message), StructClose::StayReferenced);
  EXPECT_EQ(message,
            "Can not exit from a structure with no members; also, the structure can not be deleted because it is "
            "being referenced");
  ASSERT_TRUE(Add("Street", "*STRING", -1, true, "64"));
  EXPECT_EQ(StructCloseAction(*def, message), StructClose::Close);
}

}  // namespace
}  // namespace zeph
