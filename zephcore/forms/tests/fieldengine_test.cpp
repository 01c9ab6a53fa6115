// The field engine over fake controls: load, check, validate and store by control kind
// and representation, on a VavurOrezo's parameter area and on a plain block.
#include <gtest/gtest.h>

#include <cstring>
#include <new>

#include "forms/engine/fieldengine.h"
#include "forms/engine/formcodes.h"
#include "forms_testutil.h"
#include "model/modelcodes.h"
#include "model/pbaccess.h"
#include "model/pbentry.h"

namespace zeph::test {
namespace {

constexpr int kRepr1 = scribe::kReprConstant;
constexpr int kRepr2 = scribe::kReprVariable;
constexpr int kRepr3 = scribe::kReprEither;
constexpr int kEdit = scribe::kUIEdit;

class FieldEngineTest : public FormsFixture {};

struct CheckCase {
  const char* what;
  int repr;
  int type;
  const char* text;
  int blank;
  int wrong;
  int expectCode;
  int expectUnfinished;
  int expectComplete;
};

TEST_F(FieldEngineTest, CheckByRepresentationAndFlags) {
  Var("count", kTypeInteger);
  Var("name", kTypeString, 0, 20);
  Var("list", kTypeInteger, 5);
  const CheckCase cases[] = {
      {"blank required constant", kRepr1, kTypeInteger, "", 0, 0, 0, 1, 0},
      {"blank required constant, may be wrong", kRepr1, kTypeInteger, "", 0, 1, 0, 1, 0},
      {"blank required variable, may be wrong", kRepr2, kTypeInteger, "", 0, 1, 0, 1, 1},
      {"blank required variable", kRepr2, kTypeInteger, "", 0, 0, 0, 1, 0},
      {"blank optional variable", kRepr2, kTypeInteger, "", 1, 0, 0, 0, 1},
      {"quoted text in a variable field", kRepr2, kTypeInteger, "'5", 0, 0, kErrMustBeSymbol, 0, 1},
      {"double quote in a variable field", kRepr2, kTypeInteger, "\"a", 0, 0, kErrMustBeSymbol, 0, 1},
      {"number constant", kRepr1, kTypeInteger, "42", 0, 0, 0, 0, 1},
      {"number with its mark", kRepr1, kTypeInteger, "'42", 0, 0, 0, 0, 1},
      {"bad number", kRepr1, kTypeInteger, "4x", 0, 0, kErrNumberFormat, 0, 1},
      {"string too long", kRepr1, kTypeString, "abcdefgh", 0, 0, kErrStringTooLong, 0, 1},
      {"known variable", kRepr2, kTypeInteger, "count", 0, 0, 0, 0, 1},
      {"variable of a type not allowed", kRepr2, kTypeInteger, "nosuch", 0, 0, kErrNoSuchVariable, 0, 1},
      {"array without index", kRepr2, kTypeInteger, "list", 0, 0, kErrInvalidArrayIndex, 0, 1},
      {"array element", kRepr2, kTypeInteger, "list[2]", 0, 0, 0, 0, 1},
      {"bad name", kRepr2, kTypeInteger, "1abc", 0, 0, kErrBadName, 0, 1},
      {"unknown name that may be wrong", kRepr2, kTypeInteger, "later", 0, 1, kErrPBDoesNotExist, 1, 1},
      {"either: variable", kRepr3, kTypeInteger, "count", 0, 0, 0, 0, 1},
      {"either: number", kRepr3, kTypeInteger, "17", 0, 0, 0, 0, 1},
      {"either: unknown name is a text constant", kRepr3, kTypeString, "hello", 0, 0, 0, 0, 1},
      {"either: unknown name in a number field", kRepr3, kTypeInteger, "hello", 0, 0, kErrNumberFormat, 0, 1},
  };
  for (const CheckCase& c : cases) {
    PBFieldDef e = Entry("F", kEdit, c.repr, c.type, 0);
    e.StrSize = 6;
    e.Allowed1 = c.type == kTypeString ? 0x40 : 0x3E;
    e.CanFieldBeBlank = static_cast<std::uint8_t>(c.blank);
    e.CanFieldBeWrong = static_cast<std::uint8_t>(c.wrong);
    TestTable table({e});
    table.Control(0).text = c.text;
    int failing = -1, unfinished = 0, complete = 1;
    EXPECT_EQ(PBFormCheckFields(table.Entries(), 0, &failing, &unfinished, &complete, &t), c.expectCode) << c.what;
    EXPECT_EQ(unfinished, c.expectUnfinished) << c.what;
    EXPECT_EQ(complete, c.expectComplete) << c.what;
    if (c.expectCode != 0) {
      EXPECT_EQ(failing, 0) << c.what;
    }
  }
}

TEST_F(FieldEngineTest, WholeArrayAllowedWhenTheFieldSaysSo) {
  Var("list", kTypeInteger, 5);
  PBFieldDef e = Entry("F", kEdit, kRepr2, kTypeInteger, 0);
  e.WholeArray = 1;
  TestTable table({e});
  table.Control(0).text = "list";
  int failing = -1, unfinished = 0, complete = 1;
  EXPECT_EQ(PBFormCheckFields(table.Entries(), 0, &failing, &unfinished, &complete, &t), 0);
}

TEST_F(FieldEngineTest, NumericRangeAndSkippedKinds) {
  PBFieldDef ranged = Entry("Ranged", kEdit, kRepr1, kTypeInteger, 0);
  ranged.NeedItBeInRange = 1;
  ranged.MinValRange = 1;
  ranged.MaxValRange = 10;
  PBFieldDef skipped = Entry("Skipped", kEdit, kRepr1, kTypeInteger, 20);
  skipped.SkipMe = 1;
  PBFieldDef box = Entry("Box", scribe::kUICheckBox, 0, 0, 40);
  TestTable table({ranged, skipped, box});
  table.Control(1).text = "not a number";   // never read: the entry is skipped
  int failing = -1, unfinished = 0, complete = 1;
  for (const auto& [text, code] : std::vector<std::pair<const char*, int>>{
           {"1", 0}, {"10", 0}, {"0", kErrValueOutOfRange}, {"11", kErrValueOutOfRange}}) {
    table.Control(0).text = text;
    EXPECT_EQ(PBFormCheckFields(table.Entries(), 0, &failing, &unfinished, &complete, &t), code) << text;
  }
}

TEST_F(FieldEngineTest, SpecialChecks) {
  struct Case {
    int check;
    const char* text;
    int code;
  };
  const Case cases[] = {
      {1, "123199", 0},        {1, "133199", kErrNumberRange}, {1, "12319", kErrNumberRange},
      {2, "0229", 0},          {2, "0032", kErrNumberRange},   {3, "ab12", 0},
      {3, "ab-1", kErrNumberRange}, {4, "abc", 0},             {4, "ab1", kErrNumberRange},
      {5, "0123", 0},          {5, "12a", kErrNumberRange},    {8, "monday", 0},
      {8, "7", 0},             {8, "8", kErrNumberRange},      {9, "31", 0},
      {9, "32", kErrNumberRange}, {9, "101", kErrNumberRange}, {10, "99", 0},
      {10, "1899", kErrNumberRange}, {10, "2100", 0},          {11, "C:\\DIR\\FILE.TXT", 0},
      {11, "C:\\DIR\\", kErrNeedFullFilespec}, {11, "1:\\X", kErrBadDrive},
      {11, "\\A\\B.C.D", kErrBadPath}, {11, "\\ABCDEFGHI.TXT", kErrPathTooLong},
      {11, "\\LONGNAME9\\A", kErrBadPath}, {11, "\\A*B", kErrBadPath}, {11, "", 0},
      {11, "\\..\\A.B", 0},
  };
  for (const Case& c : cases) {
    PBFieldDef e = Entry("Special", kEdit, kRepr1, kTypeString, 0);
    e.StrSize = 80;
    e.NeedItBeInRange = 1;
    e.SpecialRange = static_cast<std::uint8_t>(c.check);
    TestTable table({e});
    table.Control(0).text = c.text;
    e.CanFieldBeBlank = 1;
    int failing = -1, unfinished = 0, complete = 1;
    const int expected = c.text[0] == '\0' ? 0 : c.code;
    EXPECT_EQ(PBFormCheckFields(table.Entries(), 0, &failing, &unfinished, &complete, &t), expected)
        << c.check << " " << c.text;
  }
}

TEST_F(FieldEngineTest, QuestionOfAMissingVavurOrezoGoesOnAfterYes) {
  PBFieldDef go = Entry("Goto", kEdit, kRepr2, 0, 0);
  go.Allowed1 = 0;
  go.Allowed2 = 4;
  go.CanFieldBeWrong = 1;
  PBFieldDef number = Entry("Number", kEdit, kRepr1, kTypeInteger, 20);
  TestTable table({go, number});
  table.Control(0).text = "NextBlock";
  table.Control(1).text = "12";
  int unfinished = 0, complete = 0;

  faults.presenter.Answer(kKvIdYes);
  EXPECT_EQ(PBFormValidate(table.Entries(), &unfinished, &complete, nullptr, &t), 1);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text,
            "The VavurOrezo does not exist yet, do you want to continue?\n Field: Goto VavurOrezo: NextBlock");
  EXPECT_EQ(Boxes()[0].style, static_cast<std::uint32_t>(kKvMbYesNo | kKvMbIconQuestion));
  EXPECT_EQ(unfinished, 1);
  EXPECT_EQ(complete, 1);

  // Yes still lets a later error stop the OK, with the failing field focused.
  faults.presenter.Clear();
  table.Control(1).text = "x";
  faults.presenter.Answer(kKvIdYes);
  EXPECT_EQ(PBFormValidate(table.Entries(), &unfinished, &complete, nullptr, &t), 0);
  ASSERT_EQ(Boxes().size(), 2u);
  EXPECT_EQ(Boxes()[1].text, "The format specified for the number is invalid\n Field: Number Value: x");
  EXPECT_EQ(Boxes()[1].style, static_cast<std::uint32_t>(kKvMbOk | kKvMbIconHand));
  EXPECT_EQ(Boxes()[1].caption, "");
  EXPECT_EQ(table.Control(1).focused, 1);

  // No stops at once.
  faults.presenter.Clear();
  faults.presenter.Answer(kKvIdNo);
  EXPECT_EQ(PBFormValidate(table.Entries(), &unfinished, &complete, nullptr, &t), 0);
  EXPECT_EQ(Boxes().size(), 1u);
}

// One field of each kind and representation on a VavurOrezo's area.
std::vector<PBFieldDef> MixedEntries() {
  PBFieldDef number = Entry("Number", kEdit, kRepr1, kTypeInteger, 0);
  PBFieldDef text = Entry("Text", kEdit, kRepr1, kTypeString, 18);
  text.StrSize = 20;
  PBFieldDef ref = Entry("Ref", kEdit, kRepr2, kTypeInteger, 36);
  PBFieldDef either = Entry("Either", kEdit, kRepr3, kTypeString, 54);
  either.StrSize = 20;
  either.Allowed1 = 0x4E;   // character, smallinteger, integer, *STRING
  PBFieldDef box = Entry("Box", scribe::kUICheckBox, 0, 0, 72);
  box.RadioCheckBase = 3;
  PBFieldDef radio = Entry("Radio", scribe::kUIRadioGroup, 0, 0, 74);
  radio.NumRadioInArray = 3;
  radio.RadioCheckBase = 5;
  PBFieldDef choice = Entry("Choice", scribe::kUIChoice, 0, 0, 76);
  return {number, text, ref, either, box, radio, choice};
}

TEST_F(FieldEngineTest, StoreAndLoadRoundTripThroughTheFieldAccessor) {
  Var("count", kTypeInteger);
  Symbol* word = Var("word", kTypeString, 0, 20);
  Var("list", kTypeInteger, 5);
  struct Case {
    int field;
    const char* typed;
    const char* shown;     // what load shows
    const char* accessor;  // what the accessor gives back (constants with their mark)
  };
  const Case cases[] = {
      {0, "42", "42", "'42"},          {0, "'42", "42", "'42"},
      {1, "hello", "hello", "'hello"}, {1, "'hello", "hello", "'hello"},
      {2, "count", "count", "count"},  {2, "list[2]", "list[2]", "list[2]"},
      {2, "later", "later", "later"},  {3, "word", "word", "word"},
      {3, "list[3]", "list[3]", "list[3]"}, {3, "plain", "plain", "'plain"},
      {3, "'word", "'word", "'word"},  {3, "7", "7", "'7"},
  };
  for (const Case& c : cases) {
    PBInstance instance;
    TestTable table(MixedEntries());
    table.Control(c.field).text = c.typed;
    InstanceRecord record(instance.Area);
    ASSERT_EQ(PBFormStoreFields(table.Entries(), record, &t), 0) << c.typed;

    TestTable shown(MixedEntries());
    PBFormLoadFields(shown.Entries(), record, &t);
    EXPECT_EQ(shown.Control(c.field).text, c.shown) << c.typed;

    PBFieldAccessor accessor(&instance, 0, table.Entries(), 0, &t);
    std::string viaAccessor;
    accessor.GetEntry(c.field, &viaAccessor);
    EXPECT_EQ(viaAccessor, c.accessor) << c.typed;
    PBEntryReleaseSlots(instance, table.Entries(), &t);
  }
  EXPECT_EQ(word->RefCnt, 0);
}

TEST_F(FieldEngineTest, AccessorValuesLoadIntoTheForm) {
  Var("count", kTypeInteger);
  PBInstance instance;
  TestTable table(MixedEntries());
  PBFieldAccessor accessor(&instance, 0, table.Entries(), 0, &t);
  accessor.SetEntry(0, "'12");
  accessor.SetEntry(1, "'abc");
  accessor.SetEntry(2, "count");
  accessor.SetEntry(3, "'count");   // a text constant that reads as a variable
  const std::int32_t ticked = 1;
  accessor.SetEntry(4, &ticked);
  accessor.SetEntry(6, "Second");
  instance.Area.SetWord(74, 7);
  InstanceRecord record(instance.Area);
  PBFormLoadFields(table.Entries(), record, &t);
  EXPECT_EQ(table.Control(0).text, "12");
  EXPECT_EQ(table.Control(1).text, "abc");
  EXPECT_EQ(table.Control(2).text, "count");
  EXPECT_EQ(table.Control(3).text, "'count");
  EXPECT_EQ(table.Control(4).checked, 1);
  EXPECT_EQ(table.Control(5).button, 2);
  EXPECT_EQ(table.Control(6).text, "Second");

  // Stored back unchanged: the text constant stays a constant, the reference one reference.
  ASSERT_EQ(PBFormStoreFields(table.Entries(), record, &t), 0);
  const SymP* either = instance.Area.FindSlot(54);
  ASSERT_NE(either, nullptr);
  EXPECT_EQ(either->S, nullptr);
  EXPECT_STREQ(either->ConstText(), "count");
  EXPECT_EQ(instance.Area.Word(72), 3);
  EXPECT_EQ(instance.Area.Word(74), 7);
  EXPECT_EQ(LookupSymbol("count", kTypeInteger, &t)->RefCnt, 1);
  PBEntryReleaseSlots(instance, table.Entries(), &t);
}

TEST_F(FieldEngineTest, StoreWritesCheckBoxesAndRadioGroups) {
  PBInstance instance;
  instance.Area.SetWord(72, 3);
  instance.Area.SetWord(74, 6);
  TestTable table(MixedEntries());
  table.Control(4).checked = 0;
  table.Control(5).button = -1;   // no button checked: the stored value stays
  InstanceRecord record(instance.Area);
  ASSERT_EQ(PBFormStoreFields(table.Entries(), record, &t), 0);
  EXPECT_EQ(instance.Area.Word(72), 0);
  EXPECT_EQ(instance.Area.Word(74), 6);
  table.Control(5).button = 2;
  table.Control(4).checked = 1;
  ASSERT_EQ(PBFormStoreFields(table.Entries(), record, &t), 0);
  EXPECT_EQ(instance.Area.Word(72), 3);
  EXPECT_EQ(instance.Area.Word(74), 7);
}

TEST_F(FieldEngineTest, StoringAgainReleasesTheOldReference) {
  Symbol* a = Var("a", kTypeInteger);
  Symbol* b = Var("b", kTypeInteger);
  PBInstance instance;
  TestTable table(MixedEntries());
  InstanceRecord record(instance.Area);
  table.Control(2).text = "a";
  ASSERT_EQ(PBFormStoreFields(table.Entries(), record, &t), 0);
  EXPECT_EQ(a->RefCnt, 1);
  table.Control(2).text = "b";
  ASSERT_EQ(PBFormStoreFields(table.Entries(), record, &t), 0);
  EXPECT_EQ(a->RefCnt, 0);
  EXPECT_EQ(b->RefCnt, 1);
  table.Control(2).text = "";
  ASSERT_EQ(PBFormStoreFields(table.Entries(), record, &t), 0);
  EXPECT_EQ(b->RefCnt, 0);
  EXPECT_TRUE(instance.Area.IsSlotEmpty(36));
}

TEST_F(FieldEngineTest, AChoiceNeverMadeStaysUnmade) {
  PBInstance instance;
  TestTable table(MixedEntries());
  table.Control(6).text = "First";   // what the combo shows before the values load
  InstanceRecord record(instance.Area);
  PBFormLoadFields(table.Entries(), record, &t);
  EXPECT_EQ(table.Control(6).text, "");
  ASSERT_EQ(PBFormStoreFields(table.Entries(), record, &t), 0);
  EXPECT_TRUE(instance.Area.IsSlotEmpty(76));
  table.Control(6).text = "Second";
  ASSERT_EQ(PBFormStoreFields(table.Entries(), record, &t), 0);
  EXPECT_STREQ(instance.Area.FindSlot(76)->ConstText(), "Second");
  EXPECT_EQ(instance.Area.FindSlot(76)->ConstPtr.size(), 48u);
}

// A record whose slots run out of memory after a number of slots were handed out.
class FailingRecord : public InstanceRecord {
 public:
  FailingRecord(PBParameterArea& area, int slotsBeforeFailure) : InstanceRecord(area), left_(slotsBeforeFailure) {}
  SymP* Slot(int offset) override {
    if (left_-- <= 0) throw std::bad_alloc();
    return InstanceRecord::Slot(offset);
  }

 private:
  int left_;
};

TEST_F(FieldEngineTest, OutOfMemoryDuringStoreIsReportedAndEarlierFieldsStay) {
  PBInstance instance;
  TestTable table(MixedEntries());
  table.Control(0).text = "5";
  table.Control(1).text = "x";
  FailingRecord record(instance.Area, 2);   // the first field takes two
  EXPECT_EQ(PBFormStoreFields(table.Entries(), record, &t), kErrOutOfMemory);
  TestTable shown(MixedEntries());
  InstanceRecord plain(instance.Area);
  PBFormLoadFields(shown.Entries(), plain, &t);
  EXPECT_EQ(shown.Control(0).text, "5");
  EXPECT_EQ(shown.Control(1).text, "");
}

TEST_F(FieldEngineTest, PlainBlockKeepsConstantsInline) {
  unsigned char block[48] = {};
  PBFieldDef amount = Entry("Amount", kEdit, kRepr1, kTypeInteger, 28);
  PBFieldDef word = Entry("Word", scribe::kUICheckBox, 0, 0, 36);
  word.RadioCheckBase = 1;
  TestTable table({amount, word});
  table.Control(0).text = "123456";
  table.Control(1).checked = 1;
  BlockRecord record(block, sizeof block);
  ASSERT_EQ(PBFormStoreFields(table.Entries(), record, &t), 0);
  EXPECT_EQ(block[28] | (block[29] << 8) | (block[30] << 16) | (block[31] << 24), 123456);
  EXPECT_EQ(block[36], 1);

  TestTable shown({amount, word});
  PBFormLoadFields(shown.Entries(), record, &t);
  EXPECT_EQ(shown.Control(0).text, "123456");
  EXPECT_EQ(shown.Control(1).checked, 1);

  table.Control(0).text = "";
  ASSERT_EQ(PBFormStoreFields(table.Entries(), record, &t), 0);
  EXPECT_EQ(block[28] | block[29] | block[30] | block[31], 0);
}

TEST_F(FieldEngineTest, EntriesOutsideTheRecordAreRefused) {
  unsigned char block[8] = {};
  PBFieldDef outside = Entry("Outside", kEdit, kRepr1, kTypeInteger, 6);
  PBFieldDef slot = Entry("Slot", kEdit, kRepr2, kTypeInteger, 0);
  TestTable table({outside, slot});
  table.Control(0).text = "1";
  table.Control(1).text = "x";
  BlockRecord record(block, sizeof block);
  EXPECT_EQ(PBFormStoreFields(table.Entries(), record, &t), 0);
  EXPECT_EQ(faults.Assertions().size(), 2u);
  for (unsigned char b : block) EXPECT_EQ(b, 0);
}

TEST_F(FieldEngineTest, NullTableAndControlAreReported) {
  PBInstance instance;
  InstanceRecord record(instance.Area);
  EXPECT_EQ(PBFormStoreFields(nullptr, record, &t), 0);
  int unfinished = 0, complete = 0;
  EXPECT_EQ(PBFormValidate(nullptr, &unfinished, &complete, nullptr, &t), 0);
  PBFieldDef e = Entry("E", kEdit, kRepr1, kTypeInteger, 0);
  PBFieldDef table[2] = {e, PBFieldDef()};
  PBFormLoadFields(table, record, &t);
  EXPECT_EQ(faults.Assertions().size(), 3u);
}

}  // namespace
}  // namespace zeph::test
