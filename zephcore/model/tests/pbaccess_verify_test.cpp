// Verifying texts against VavurOrezo fields, and the field-entry exports.
#include <gtest/gtest.h>

#include "model/modelcodes.h"
#include "model/pbaccess.h"
#include "model/pbaccess_export.h"
#include "model/pbaccess_msgtext.h"
#include "pbaccess_testutil.h"

namespace zeph {
namespace {

// 0 small integer 1-99 constant only, 1 string of 6 bytes either, 2 variable only,
// 3 goto (unknown names accepted on request), 4 string variable.
constexpr const char* kFields = "eCount:small,[1..99]|eCode:str,len=6|vTarget:str|gNext:?|vName:str";

HWND FakeWindow() { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x4711)); }

class PBAccessVerify : public test::ModelFixture {
 protected:
  PBAccessVerify() : table(test::BuildTable(kFields)), pb(AddPB("Block", kPBTypeCustom)) {
    fields.assign(table->Entries(), table->Entries() + table->Count() + 1);
    fields[0].FieldRepresentation = scribe::kReprConstant;
  }
  PBFieldAccessor Accessor() { return PBFieldAccessor(&pb, 0, fields.data(), 0); }
  const std::vector<KvScriptedPresenter::Box>& Boxes() { return faults.presenter.Boxes(); }

  std::unique_ptr<scribe::FieldTable> table;
  std::vector<PBFieldDef> fields;
  PBInstance& pb;
};

TEST_F(PBAccessVerify, NoTextAndEmptyTextAreValid) {
  EXPECT_EQ(Accessor().VerifyEntry(2, nullptr, FakeWindow()), 1);
  EXPECT_EQ(Accessor().VerifyEntry(2, "", FakeWindow()), 1);
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(PBAccessVerify, ConstantsMustParseAsTheFieldsType) {
  struct Case {
    int field;
    const char* text;
    int valid;
  } cases[] = {
      {0, "12", 1}, {0, "'12", 1}, {0, "x12", 0}, {1, "'abcde", 1}, {1, "'abcdef", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Accessor().VerifyEntry(c.field, c.text, nullptr), c.valid) << c.text;
  }
  EXPECT_TRUE(Boxes().empty());   // no window, no message
}

TEST_F(PBAccessVerify, RefusalShowsTheCodeTextFieldAndValue) {
  EXPECT_EQ(Accessor().VerifyEntry(1, "'abcdefgh", FakeWindow()), 0);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, std::string(PBMessageText(kErrStringTooLong)) +
                                 "\n Field: Code Value: 'abcdefgh");
  EXPECT_EQ(Boxes()[0].caption, "");
  EXPECT_EQ(Boxes()[0].window, FakeWindow());
  EXPECT_EQ(Boxes()[0].style & kKvMbIconMask, static_cast<std::uint32_t>(kKvMbIconHand));
}

TEST_F(PBAccessVerify, QuotedTextInAVariableFieldMustBeASymbol) {
  EXPECT_EQ(Accessor().VerifyEntry(2, "'text", FakeWindow()), 0);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text.rfind(PBMessageText(kErrMustBeSymbol), 0), 0u);
}

TEST_F(PBAccessVerify, ExistingVariablesOfTheFieldsTypesAreValid) {
  Var("Who", kTypeString, 16);
  Var("Count", kTypeInteger);
  EXPECT_EQ(Accessor().VerifyEntry(2, "Who", FakeWindow()), 1);
  EXPECT_EQ(Accessor().VerifyEntry(4, "Count", FakeWindow()), 0);   // not a string
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, std::string(PBMessageText(kErrNoSuchVariable)) + "\n Field: Name Value: Count");
}

TEST_F(PBAccessVerify, UnknownVavurOrezoNeedsTheUsersConsent) {
  EXPECT_EQ(Accessor().VerifyEntry(3, "Later", nullptr), 0);   // no window: invalid, silent
  EXPECT_TRUE(Boxes().empty());

  faults.presenter.Answer(kKvIdYes);
  EXPECT_EQ(Accessor().VerifyEntry(3, "Later", FakeWindow()), 1);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, std::string(PBMessageText(kErrPBDoesNotExist)) +
                                 "\n Field: Next VavurOrezo: Later");
  EXPECT_EQ(Boxes()[0].style & kKvMbTypeMask, static_cast<std::uint32_t>(kKvMbYesNo));

  faults.presenter.Answer(kKvIdNo);
  EXPECT_EQ(Accessor().VerifyEntry(3, "Later", FakeWindow()), 0);
}

TEST_F(PBAccessVerify, InvalidNamesAreRefusedWithTheirCode) {
  EXPECT_EQ(Accessor().VerifyEntry(3, "9lives", FakeWindow()), 0);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text.rfind(PBMessageText(kErrBadName), 0), 0u);
}

TEST_F(PBAccessVerify, UnknownFieldIsInvalid) {
  EXPECT_EQ(Accessor().VerifyEntry("Nope", "x", FakeWindow()), 0);
  EXPECT_EQ(Accessor().VerifyEntry(-1, nullptr, FakeWindow()), 0);
}

class PBAccessExport : public test::ModelFixture {
 protected:
  PBAccessExport() : pause(AddPB("Pause", 134)) {}   // "Pause Time (mSec)", "Goto"
  PBInstance& pause;
};

TEST_F(PBAccessExport, SetAndGetByName) {
  ASSERT_EQ(vlxSetVavurOrezoEntry(&pause, "Pause Time (mSec)", "'750"), 0);
  std::string text;
  EXPECT_NE(vlxGetVavurOrezoEntry(&pause, "Pause Time (mSec)", &text), nullptr);
  EXPECT_EQ(text, "'750");
  EXPECT_EQ(vlxVerifyVavurOrezoEntry(&pause, "Pause Time (mSec)", "'12", nullptr), 1);
  EXPECT_EQ(vlxVerifyVavurOrezoEntry(&pause, "Pause Time (mSec)", nullptr, nullptr), 1);
}

TEST_F(PBAccessExport, UnknownFieldIsReportedAsSuch) {
  EXPECT_EQ(vlxSetVavurOrezoEntry(&pause, "Pause Length", "'1"), kRcLimit);
  ASSERT_EQ(faults.presenter.Boxes().size(), 1u);
  EXPECT_EQ(faults.presenter.Boxes()[0].text, "Unknown VavurOrezo field: Pause Length");
  EXPECT_EQ(faults.presenter.Boxes()[0].caption, "");
  EXPECT_EQ(faults.presenter.Boxes()[0].style & kKvMbIconMask, static_cast<std::uint32_t>(kKvMbIconHand));
}

TEST_F(PBAccessExport, MissingValueIsReportedAsSuch) {
  EXPECT_EQ(vlxSetVavurOrezoEntry(&pause, "Pause Time (mSec)", nullptr), kRcLimit);
  ASSERT_EQ(faults.presenter.Boxes().size(), 1u);
  EXPECT_EQ(faults.presenter.Boxes()[0].text, "No value given for the field: Pause Time (mSec)");
}

TEST_F(PBAccessExport, UnknownFieldGivesNoValueAndIsInvalid) {
  std::string text = "kept";
  EXPECT_EQ(vlxGetVavurOrezoEntry(&pause, "Pause Length", &text), nullptr);
  EXPECT_EQ(text, "kept");
  EXPECT_EQ(vlxVerifyVavurOrezoEntry(&pause, "Pause Length", "'1", nullptr), 0);
}

TEST_F(PBAccessExport, WithoutProgramNothingIsDone) {
  SetCurrentSymbolTable(nullptr);
  EXPECT_EQ(vlxSetVavurOrezoEntry(&pause, "Pause Time (mSec)", "'1"), kRcNoProgram);
  EXPECT_EQ(vlxGetVavurOrezoEntry(&pause, "Pause Time (mSec)", nullptr), nullptr);
  EXPECT_EQ(vlxVerifyVavurOrezoEntry(&pause, "Pause Time (mSec)", "'1", nullptr), 0);
  SetCurrentSymbolTable(&t);
  EXPECT_TRUE(faults.presenter.Boxes().empty());
  EXPECT_TRUE(pause.Area.Slots().empty());
}

}  // namespace
}  // namespace zeph
