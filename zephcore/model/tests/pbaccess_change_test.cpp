// Change tables: cases by field kind, the actions' sets and definition changes.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

#include "model/pbaccess.h"
#include "model/pbaccess_export.h"
#include "pbaccess_testutil.h"

namespace zeph {
namespace {

using scribe::GrayAction;
using scribe::GrayRule;

constexpr std::int16_t kEquals = 1, kDiffers = 0, kOtherwise = 2;

// Choice: set field 2 by the chosen text.
constexpr GrayAction kSetOne[] = {{.Target = 2, .TargetKind = 3, .ValueText = "'1"}, {}};
constexpr GrayAction kSetTwo[] = {{.Target = 2, .TargetKind = 3, .ValueText = "'2"}, {}};
constexpr GrayAction kSetNine[] = {{.Target = 2, .TargetKind = 3, .ValueText = "'9"}, {}};
constexpr GrayRule kByText[] = {
    {kEquals, "A", kSetOne}, {kEquals, "B", kSetTwo}, {kOtherwise, "", kSetNine}, {}};

// Check box: the goto becomes required and drawn, or optional and hidden.
constexpr GrayAction kGotoOn[] = {
    {.Target = 3, .TargetKind = 3, .BlankFlag = 0, .ChangeMask = kChangeGotoIcon, .GotoNotOnIcon = 16}, {}};
constexpr GrayAction kGotoOff[] = {
    {.Target = 3, .TargetKind = 3, .BlankFlag = 1, .ChangeMask = kChangeGotoIcon, .GotoNotOnIcon = 1}, {}};
constexpr GrayRule kBySwitch[] = {{kEquals, "1", kGotoOn}, {kDiffers, "1", kGotoOff}, {}};

// Edit: a given label text becomes the goto's label.
constexpr GrayAction kLabel[] = {{.Target = 3, .ChangeMask = kChangeGotoLabel}, {}};
constexpr GrayRule kByLabel[] = {{kEquals, "0", kLabel}, {}};

// Edit: the field 5 is retyped by the variable named here.
constexpr GrayAction kRetype[] = {{.Target = 5, .ChangeMask = kChangeRetype}, {}};
constexpr GrayRule kByVariable[] = {{kEquals, "0", kRetype}, {}};

// Radio group: every other definition change, and a check box set by number.
constexpr GrayAction kDefinition[] = {
    {.Target = 5,
     .ChangeMask = kChangeAllowedTypes | kChangeRange | kChangeStrSize | kChangeScalarType |
                   kChangeSpecialRange | kChangeRepresentation,
     .Allowed1 = 0x40,
     .Allowed2 = 0x8,
     .AddStructs = 1,
     .StructNum = 101,
     .WholeArray = 1,
     .MinNumber = 3,
     .MinValRange = -5,
     .MaxValRange = 5,
     .StrSize = 77,
     .ScalarType = 35,
     .SpecialRange = 11,
     .FieldRepresentation = 2},
    {.Target = 1, .TargetKind = 1, .ValueText = "1"},
    {}};
constexpr GrayRule kByRadio[] = {{kEquals, "2", kDefinition}, {}};

// A list whose second action names no field: the third never runs.
constexpr GrayAction kBroken[] = {{.Target = 2, .TargetKind = 3, .ValueText = "'1"},
                                  {.Target = 99, .TargetKind = 3, .ValueText = "'2"},
                                  {.Target = 4, .TargetKind = 3, .ValueText = "Never"},
                                  {}};
constexpr GrayRule kByBroken[] = {{kOtherwise, "", kBroken}, {}};

class PBAccessChange : public test::ModelFixture {
 protected:
  PBAccessChange()
      : built(test::BuildTable("cKind:list=7|xSwitch|eValue:int|gExit:?|vLabel:str|eTyped:int|"
                               "vVariable:any|rMode:radio=A/B/C|eBroken:int")),
        pb(AddPB("Block", kPBTypeCustom)) {
    fields.assign(built->Entries(), built->Entries() + built->Count() + 1);
    fields[0].GrayTab = kByText;
    fields[1].GrayTab = kBySwitch;
    fields[4].GrayTab = kByLabel;
    fields[6].GrayTab = kByVariable;
    fields[7].GrayTab = kByRadio;
    fields[8].GrayTab = kByBroken;
  }

  PBFieldAccessor Accessor(int notify = 0) { return PBFieldAccessor(&pb, notify, fields.data(), 0); }
  std::string Text(PBFieldAccessor& a, int i) {
    std::string s;
    a.GetEntry(i, &s);
    return s;
  }
  const PBFieldDef& Own(int i) { return pb.OwnTable->Entries()[i]; }

  std::unique_ptr<scribe::FieldTable> built;
  std::vector<PBFieldDef> fields;
  PBInstance& pb;
};

TEST_F(PBAccessChange, TextCasesRunTheFirstThatAppliesElseOtherwise) {
  PBFieldAccessor a = Accessor();
  ASSERT_EQ(a.SetEntry(0, "B"), 1);
  EXPECT_EQ(Text(a, 2), "'2");
  ASSERT_EQ(a.SetEntry(0, "C"), 1);
  EXPECT_EQ(Text(a, 2), "'9");
  ASSERT_EQ(a.SetEntry(0, "A"), 1);
  EXPECT_EQ(Text(a, 2), "'1");
  EXPECT_FALSE(pb.OwnTable);   // sets alone leave the definitions as they are
}

TEST_F(PBAccessChange, DefinitionChangesGoToAPrivateCopyOfTheTable) {
  PBFieldAccessor a = Accessor(1);
  const std::int32_t on = 1;
  ASSERT_EQ(a.SetEntry(1, &on), 1);
  ASSERT_TRUE(pb.OwnTable);
  EXPECT_EQ(a.Fields(), pb.OwnTable->Entries());
  EXPECT_EQ(Own(3).CanFieldBeBlank, 0);
  EXPECT_EQ(Own(3).GotoNotOnIcon, 16);
  EXPECT_STREQ(Own(3).GotoStrs, "Exit");
  EXPECT_EQ(fields[3].CanFieldBeBlank, 1);   // the shared table is untouched
  EXPECT_EQ(fields[3].GotoNotOnIcon, 0);
  EXPECT_EQ(a.Changed(), 1);
  EXPECT_EQ(notifier.changed, std::vector<PBInstance*>{&pb});

  const std::int32_t off = 0;   // the differs case
  ASSERT_EQ(a.SetEntry(1, &off), 1);
  EXPECT_EQ(Own(3).CanFieldBeBlank, 1);
  EXPECT_EQ(Own(3).GotoNotOnIcon, 1);
  EXPECT_EQ(notifier.changed.size(), 2u);
}

TEST_F(PBAccessChange, SameGotoFlagNeitherMarksNorNotifies) {
  PBFieldAccessor a = Accessor(1);
  const std::int32_t on = 1;
  a.SetEntry(1, &on);
  PBFieldAccessor again(&pb, 1, nullptr, 0);
  ASSERT_EQ(again.SetEntry(1, &on), 1);
  EXPECT_EQ(again.Changed(), 0);
  EXPECT_EQ(notifier.changed.size(), 1u);
}

TEST_F(PBAccessChange, LabelFollowsTheSourceTextAndNotifiesOnlyWhenItChanges) {
  PBFieldAccessor a = Accessor(1);
  ASSERT_EQ(a.SetEntry(4, "Approved"), 1);
  EXPECT_STREQ(Own(3).GotoStrs, "Approved");
  EXPECT_EQ(a.Changed(), 1);
  EXPECT_EQ(notifier.changed.size(), 1u);

  PBFieldAccessor same(&pb, 1, nullptr, 0);
  ASSERT_EQ(same.SetEntry(4, "Approved"), 1);
  EXPECT_EQ(same.Changed(), 0);
  EXPECT_EQ(notifier.changed.size(), 1u);
}

TEST_F(PBAccessChange, NotifyOffMarksChangedButSendsNothing) {
  PBFieldAccessor a = Accessor(0);
  ASSERT_EQ(a.SetEntry(4, "Approved"), 1);
  EXPECT_EQ(a.Changed(), 1);
  EXPECT_TRUE(notifier.changed.empty());
}

TEST_F(PBAccessChange, EmptyEditMatchesOne) {
  PBFieldAccessor a = Accessor(0);
  ASSERT_EQ(a.SetEntry(4, ""), 1);   // the case wants a text: nothing runs
  EXPECT_FALSE(pb.OwnTable);
}

TEST_F(PBAccessChange, RetypeTakesTheNamedVariablesType) {
  Var("Price", kTypeNumber);
  Var("Count", kTypeInteger);
  PBFieldAccessor a = Accessor();
  ASSERT_EQ(a.SetEntry(5, "Count"), 1);
  ASSERT_EQ(a.SetEntry(6, "Price"), 1);
  EXPECT_EQ(Own(5).ScalarType, kTypeNumber);
  EXPECT_EQ(Own(5).Allowed1, 0x3Eu);   // codes 1-5 from its own integer variable
  EXPECT_EQ(Own(5).Allowed2, 0u);

  ASSERT_EQ(a.SetEntry(5, "'4"), 1);   // names no variable: the general value types
  ASSERT_EQ(a.SetEntry(6, "Price"), 1);
  EXPECT_EQ(Own(5).Allowed1, (1u << 1) | (1u << 2) | (1u << 3) | (1u << 4) | (1u << 5) |
                                 (1u << 6) | (1u << 19) | (1u << 20));
  EXPECT_EQ(Own(5).Allowed2, 1u << (53 - 32));
}

// Rules count radio buttons from 1, as the form and GetEntry do: "2" is the second button
// (stored index 1), never the third.
TEST_F(PBAccessChange, RadioCasesCompareTheButtonNumber) {
  PBFieldAccessor a = Accessor();
  const std::int32_t third = 3;   // stored index 2
  ASSERT_EQ(a.SetEntry(7, &third), 1);
  EXPECT_FALSE(pb.OwnTable);
  const std::int32_t second = 2;   // stored index 1
  ASSERT_EQ(a.SetEntry(7, &second), 1);
  ASSERT_TRUE(pb.OwnTable);
  const PBFieldDef& t = Own(5);
  EXPECT_EQ(t.Allowed1, 0x40u);
  EXPECT_EQ(t.Allowed2, 0x8u);
  EXPECT_EQ(t.AddStructs, 1);
  EXPECT_EQ(t.StructNum, 101);
  EXPECT_EQ(t.WholeArray, 1);
  EXPECT_EQ(t.MinNumber, 3);
  EXPECT_EQ(t.MinValRange, -5);
  EXPECT_EQ(t.MaxValRange, 5);
  EXPECT_EQ(t.NeedItBeInRange, 1);
  EXPECT_EQ(t.StrSize, 77);
  EXPECT_EQ(t.ScalarType, 35);
  EXPECT_EQ(t.NumRadioInArray, 1);   // a voice-sentence type
  EXPECT_EQ(t.SpecialRange, 11);
  EXPECT_EQ(t.FieldRepresentation, 2);
  std::int32_t box = 0;
  a.GetEntry(1, &box);
  EXPECT_EQ(box, 1);   // the second action set the check box, whose own table ran
  EXPECT_EQ(Own(3).GotoNotOnIcon, 16);
  EXPECT_EQ(a.Changed(), 1);
}

// A number names one of the group's buttons; any other is refused with the range error and
// leaves the stored value alone (no overflow for the extremes).
TEST_F(PBAccessChange, RadioNumbersOutsideTheGroupAreRefused) {
  PBFieldAccessor a = Accessor();
  const std::int32_t first = 1;
  ASSERT_EQ(a.SetEntry(7, &first), 1);
  for (std::int32_t bad : {0, 4, -1, 65537, INT32_MIN, INT32_MAX}) {
    EXPECT_EQ(a.SetEntry(7, &bad), 0) << bad;
    EXPECT_EQ(a.LastError(), kErrValueOutOfRange) << bad;
    std::int32_t now = 0;
    a.GetEntry(7, &now);
    EXPECT_EQ(now, 1) << bad;
  }
  EXPECT_EQ(a.SetEntry(7, &first), 1);
  EXPECT_EQ(a.LastError(), 0);
}

TEST_F(PBAccessChange, FailingActionStopsTheListAndFailsTheTable) {
  PBFieldAccessor a = Accessor();
  EXPECT_EQ(a.ExecuteFieldChangeTable(8), 0);
  EXPECT_EQ(Text(a, 2), "'1");
  EXPECT_EQ(Text(a, 4), "");
  EXPECT_EQ(faults.Assertions().size(), 1u);
}

TEST_F(PBAccessChange, AllTablesRunInOrderUntilOneFails) {
  fields[8].GrayTab = nullptr;
  pb.Area.SetWord(fields[1].FieldOffset, 1);
  PBFieldAccessor a = Accessor();
  a.SetEntry(4, "Go");
  pb.OwnTable.reset();
  PBFieldAccessor all(&pb, 0, fields.data(), 1);
  EXPECT_EQ(all.ExecuteChangeTables(), 1);
  EXPECT_EQ(Text(all, 2), "'9");   // choice empty: otherwise
  EXPECT_EQ(Own(3).GotoNotOnIcon, 16);
  EXPECT_STREQ(Own(3).GotoStrs, "Go");
  EXPECT_EQ(all.Changed(), 1);

  fields[8].GrayTab = kByBroken;
  pb.OwnTable.reset();
  PBFieldAccessor failing(&pb, 0, fields.data(), 1);
  EXPECT_EQ(failing.ExecuteChangeTables(), 0);
}

TEST_F(PBAccessChange, ExportRunsTheTablesOfTheGoverningTable) {
  pb.OwnTable = std::make_unique<PBOwnFieldTable>(fields.data());
  pb.OwnTable->Entries()[8].GrayTab = nullptr;
  pb.Area.SetWord(fields[1].FieldOffset, 1);
  EXPECT_EQ(vlxExecuteVavurOrezoChangeTables(&pb), 1);   // the goto flag changed
  EXPECT_TRUE(notifier.changed.empty());                  // without a notification
  EXPECT_EQ(vlxExecuteVavurOrezoChangeTables(&pb), 0);   // nothing changes any more
}

TEST_F(PBAccessChange, ExportWithoutProgramDoesNothing) {
  SetCurrentSymbolTable(nullptr);
  EXPECT_EQ(vlxExecuteVavurOrezoChangeTables(&pb), 0);
  SetCurrentSymbolTable(&t);
}

// The catalogue's announcement: button 1 plays a custom file, button 2 a system prompt.
// Whichever is chosen becomes required and the other optional.
class AnnouncementSource : public test::ModelFixture {};

TEST_F(AnnouncementSource, ChosenSourceIsRequiredAndTheOtherOptional) {
  PBInstance& pb = AddPB("Hello", 393);
  PBFieldAccessor a(&pb, 0, nullptr, 0);
  const int source = a.FindField(a.Fields()[14].Name);
  ASSERT_EQ(source, 14);
  ASSERT_EQ(a.Fields()[14].NumRadioInArray, -2);

  const std::int32_t prompt = 2;
  ASSERT_EQ(a.SetEntry(source, &prompt), 1);
  ASSERT_TRUE(pb.OwnTable);
  EXPECT_EQ(pb.OwnTable->Entries()[0].CanFieldBeBlank, 1);    // custom file optional
  EXPECT_EQ(pb.OwnTable->Entries()[13].CanFieldBeBlank, 0);   // system prompt required

  const std::int32_t file = 1;
  ASSERT_EQ(a.SetEntry(source, &file), 1);
  EXPECT_EQ(pb.OwnTable->Entries()[0].CanFieldBeBlank, 0);
  EXPECT_EQ(pb.OwnTable->Entries()[13].CanFieldBeBlank, 1);
}

}  // namespace
}  // namespace zeph
