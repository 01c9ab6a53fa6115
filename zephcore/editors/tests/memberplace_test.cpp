// Member set-up: the forms by member type and the member's place in the storage.
#include "editors/structures/memberplace.h"

#include <gtest/gtest.h>

#include <cstring>

#include "model/datatypes.h"
#include "model/interface/variable_place.h"
#include "model/structops.h"
#include "reporttest_util.h"

namespace zeph {
namespace {

TEST(MemberSetupForms, ByMemberType) {
  const struct {
    int type;
    const char* resource;
    const char* caption;
  } cases[] = {{12, "DIALOG_MENUPARMS_NA2", "Setup MenuParms / %s"},
               {13, "DIALOG_MSGPARM", "Setup MessageParms / %s"},
               {37, "DIALOG_FILEPARMS", "Setup MailParms / %s"},
               {47, "DIALOG_VCRPARM", "Setup RecordEdit Parameters / %s"},
               {54, "DIALOG_GETTONEPARMS_NA2", "Setup ToneParms / %s"}};
  for (const auto& c : cases) {
    const MemberSetupForm* form = FindMemberSetupForm(c.type);
    ASSERT_NE(form, nullptr) << c.type;
    EXPECT_STREQ(form->Resource, c.resource);
    EXPECT_STREQ(form->CaptionFormat, c.caption);
  }
  EXPECT_EQ(FindMemberSetupForm(46), nullptr);
  EXPECT_EQ(FindMemberSetupForm(kTypeInteger), nullptr);
  EXPECT_EQ(FindMemberSetupForm(54)->HelpName, nullptr);
}

class MemberPlaceTest : public test::ReportProgram {};

TEST_F(MemberPlaceTest, ElementIndexShowsFromOneAndStorageIsMadeOnce) {
  StructDef* def = NewStructureDef("Account", 0, 0, &program->Symbols());
  InsertMemberAfter(0, &def->FstMem, NewStructureMember("Id", kTypeInteger, 1, def));
  InsertMemberAfter(1, &def->FstMem, NewStructureMember("Owner", kTypeString, 20, def));
  Symbol* accounts = nullptr;
  ASSERT_EQ(program->AddNamedSymbol(&accounts, "Accounts", def->TypeNum, 1, 1, 0, false), 0);
  accounts->ArraySize = 3;
  ASSERT_EQ(VariableStorage(*accounts), nullptr);

  const MemberPlace second = PrepareMemberSetup(*accounts, "Owner", 1, *program);
  ASSERT_TRUE(second.Ok);
  EXPECT_EQ(second.DisplayName, "Accounts[2].Owner");
  EXPECT_EQ(second.Offset, 4 + 24);   // a record is 24 bytes
  EXPECT_EQ(second.Type, kTypeString);
  ValueBlockData* storage = VariableStorage(*accounts);
  ASSERT_NE(storage, nullptr);
  EXPECT_EQ(storage->Size(), 72u);
  std::memcpy(storage->Bytes() + second.Offset, "Ann", 4);

  const MemberPlace whole = PrepareMemberSetup(*accounts, "Id", -1, *program);
  ASSERT_TRUE(whole.Ok);
  EXPECT_EQ(whole.DisplayName, "Accounts.Id");
  EXPECT_EQ(whole.Offset, 0);
  EXPECT_EQ(VariableStorage(*accounts), storage);   // reused, value kept
  EXPECT_STREQ(reinterpret_cast<const char*>(storage->Bytes() + 28), "Ann");

  EXPECT_FALSE(PrepareMemberSetup(*accounts, "Missing", -1, *program).Ok);
  EXPECT_FALSE(PrepareMemberSetup(*accounts, "Id", 3, *program).Ok);
}

}  // namespace
}  // namespace zeph
