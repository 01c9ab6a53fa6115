// The rule evaluator of the rule-driven forms over fake controls.
#include <gtest/gtest.h>

#include <map>

#include "forms/engine/grayrules.h"
#include "forms_testutil.h"

namespace zeph::test {
namespace {

using scribe::GrayAction;
using scribe::GrayRule;

class FakeGrayControls : public GrayFormControls {
 public:
  FieldControl* Label(int entry) override { return &labels[entry]; }
  FieldControl* PickButton(int entry) override { return &picks[entry]; }
  FieldControl* RadioButton(int entry, int b) override { return &radios[entry * 100 + b]; }
  FieldControl* ChildWithText(const char* text) override { return &named[text]; }
  std::map<int, FakeControl> labels, picks, radios;
  std::map<std::string, FakeControl> named;
};

// A form table whose entries get the fake controls of a TestTable.
class GrayFixture : public FormsFixture {
 protected:
  void Make(std::vector<PBFieldDef> entries, int edits, int checks, int combos) {
    entries.push_back(PBFieldDef());
    table.Assign(entries.data());
    for (int i = 0; i < table.Count(); ++i) {
      const int buttons = table[i].NumRadioInArray < 0 ? -table[i].NumRadioInArray : 0;
      owned.push_back(std::make_unique<FakeControl>(buttons));
      table[i].ControlPtr = owned.back().get();
    }
    engine = std::make_unique<GrayRuleEngine>(table, controls, edits, checks, combos, &t);
    engine->NumberControls();
  }
  FakeControl& C(int i) { return *owned[static_cast<std::size_t>(i)]; }

  FormTable table;
  FakeGrayControls controls;
  std::vector<std::unique_ptr<FakeControl>> owned;
  std::unique_ptr<GrayRuleEngine> engine;
};

GrayAction EditAction(int target, int state, int blank) {
  GrayAction a;
  a.Target = static_cast<std::int16_t>(target);
  a.TargetKind = scribe::kUIEdit;
  a.ControlState = a.SecondState = a.LabelState = static_cast<std::int16_t>(state);
  a.BlankFlag = static_cast<std::int16_t>(blank);
  return a;
}

constexpr GrayAction kEnd{};

TEST_F(GrayFixture, RecordingLengthAndFaxToneRules) {
  // The recording VavurOrezo's two check-box rule lists.
  const GrayAction disableLength[] = {EditAction(2, 1, 1), kEnd};
  const GrayAction enableLength[] = {EditAction(2, 0, 0), kEnd};
  GrayAction faxOn = EditAction(9, 0, 0);
  faxOn.ChangeMask = 32;
  faxOn.GotoNotOnIcon = 16;
  GrayAction faxOff = EditAction(9, 1, 1);
  faxOff.ChangeMask = 32;
  faxOff.GotoNotOnIcon = 7;
  const GrayAction faxOnList[] = {faxOn, kEnd};
  const GrayAction faxOffList[] = {faxOff, kEnd};
  const GrayRule unlimited[] = {{1, "1", disableLength}, {1, "0", enableLength}, {}};
  const GrayRule fax[] = {{1, "1", faxOnList}, {1, "0", faxOffList}, {}};

  std::vector<PBFieldDef> entries;
  for (int i = 0; i < 10; ++i) entries.push_back(Entry("E", scribe::kUIEdit, 1, 3, i * 18));
  entries[2].GotoStrs = nullptr;
  entries[9].GotoStrs = "CNG Fax Tone Detected";
  entries.push_back(Entry("Unlimited Recording Length", scribe::kUICheckBox, 0, 0, 200));
  entries.back().GrayTab = unlimited;
  entries.push_back(Entry("Accept CNG Fax Input", scribe::kUICheckBox, 0, 0, 202));
  entries.back().GrayTab = fax;
  Make(entries, 10, 2, 0);

  C(10).checked = 1;
  engine->EvalCheckBoxRules(1);
  EXPECT_FALSE(C(2).enabled);
  EXPECT_FALSE(controls.picks[2].enabled);
  EXPECT_FALSE(controls.labels[2].enabled);
  EXPECT_EQ(table[2].CanFieldBeBlank, 1);
  EXPECT_TRUE(engine->TableChanged());
  EXPECT_FALSE(engine->GotoChanged());

  C(10).checked = 0;
  engine->EvalCheckBoxRules(1);
  EXPECT_TRUE(C(2).enabled);
  EXPECT_EQ(table[2].CanFieldBeBlank, 0);

  C(11).checked = 0;
  engine->EvalCheckBoxRules(2);
  EXPECT_FALSE(C(9).enabled);
  EXPECT_EQ(table[9].GotoNotOnIcon, 7);
  EXPECT_EQ(table[9].CanFieldBeBlank, 1);
  EXPECT_TRUE(engine->GotoChanged());

  // A disabled box drives nothing.
  C(11).enabled = false;
  C(11).checked = 1;
  engine->EvalCheckBoxRules(2);
  EXPECT_EQ(table[9].GotoNotOnIcon, 7);
}

TEST_F(GrayFixture, ComboRulesAndTheirDefault) {
  GrayAction dnLabel;
  dnLabel.Target = 0;
  dnLabel.TargetKind = scribe::kUIEdit;
  dnLabel.CaptionText = "DN";
  GrayAction mbLabel = dnLabel;
  mbLabel.CaptionText = "Mailbox Number";
  const GrayAction dn[] = {dnLabel, EditAction(1, 0, 0), kEnd};
  const GrayAction mailbox[] = {mbLabel, EditAction(1, 1, 1), kEnd};
  GrayAction fallback = dnLabel;
  fallback.CaptionText = "Other";
  const GrayAction other[] = {fallback, kEnd};
  const GrayRule inputType[] = {{1, "DN", dn}, {1, "Mailbox Number", mailbox}, {2, "", other}, {}};
  std::vector<PBFieldDef> entries = {Entry("Number", scribe::kUIEdit, 2, 3, 0),
                                     Entry("Extra", scribe::kUIEdit, 2, 3, 18),
                                     Entry("Input Type", scribe::kUIChoice, 0, 0, 36)};
  entries[2].GrayTab = inputType;
  Make(entries, 2, 0, 1);

  C(2).text = "Mailbox Number";
  engine->EvalTextRules(1);
  EXPECT_EQ(controls.labels[0].text, "Mailbox Number");
  EXPECT_FALSE(C(1).enabled);
  EXPECT_EQ(table[1].CanFieldBeBlank, 1);
  C(2).text = "DN";
  engine->EvalTextRules(1);
  EXPECT_EQ(controls.labels[0].text, "DN");
  EXPECT_TRUE(C(1).enabled);
  C(2).text = "dn";   // case matters: the default applies
  engine->EvalTextRules(1);
  EXPECT_EQ(controls.labels[0].text, "Other");
}

TEST_F(GrayFixture, EditRulesFollowTheText) {
  const GrayAction whileEmpty[] = {EditAction(1, 1, -1), kEnd};
  const GrayAction whileFilled[] = {EditAction(1, 0, -1), kEnd};
  const GrayRule rules[] = {{1, "1", whileEmpty}, {1, "0", whileFilled}, {}};
  std::vector<PBFieldDef> entries = {Entry("Source", scribe::kUIEdit, 2, 3, 0),
                                     Entry("Target", scribe::kUIEdit, 2, 3, 18)};
  entries[0].GrayTab = rules;
  Make(entries, 2, 0, 0);
  struct Case {
    const char* text;
    bool targetEnabled;
  };
  for (const Case& c : {Case{"", false}, Case{"x", true}, Case{"   ", true}, Case{"\xE9", false}}) {
    C(1).enabled = !c.targetEnabled;
    C(0).text = c.text;
    engine->EvalEditRules(1);
    EXPECT_EQ(C(1).enabled, c.targetEnabled) << "'" << c.text << "'";
  }
  // Kind 0 negates the value: value 1 negated holds while the edit has text.
  const GrayRule negated[] = {{0, "1", whileFilled}, {}};
  table[0].GrayTab = negated;
  C(1).enabled = false;
  C(0).text = "y";
  engine->EvalEditRules(1);
  EXPECT_TRUE(C(1).enabled);
  // A disabled edit drives nothing.
  C(0).enabled = false;
  C(0).text = "";
  table[0].GrayTab = rules;
  engine->EvalEditRules(1);
  EXPECT_TRUE(C(1).enabled);
}

TEST_F(GrayFixture, TypeRuleOfAnEdit) {
  Var("flag", kTypeBoolean);
  const GrayAction first[] = {EditAction(1, 1, -1), kEnd};
  const GrayAction boolean[] = {EditAction(1, 0, -1), kEnd};
  const GrayRule rules[] = {{1, "1", first}, {static_cast<std::int16_t>(2 | (kTypeBoolean << 8)), "", boolean}, {}};
  std::vector<PBFieldDef> entries = {Entry("Source", scribe::kUIEdit, 2, 3, 0),
                                     Entry("Target", scribe::kUIEdit, 2, 3, 18)};
  entries[0].GrayTab = rules;
  Make(entries, 2, 0, 0);
  C(0).text = "flag";
  engine->EvalEditRules(1);   // rule 1 (value 1) does not hold on text; the type rule does
  EXPECT_TRUE(C(1).enabled);
  C(0).text = "other";
  engine->EvalEditRules(1);   // no variable of the type: the first rule's actions
  EXPECT_FALSE(C(1).enabled);
}

TEST_F(GrayFixture, RadioPositionsCountFromOneAndActionValuesFromZero) {
  GrayAction pick;
  pick.Target = 2;
  pick.TargetKind = scribe::kUIRadioGroup;
  pick.ValueText = "1";
  pick.ControlState = 1;
  pick.SecondState = 0;
  pick.LabelState = 2;
  const GrayAction actions[] = {pick, kEnd};
  const GrayRule rules[] = {{1, "2", actions}, {}};
  std::vector<PBFieldDef> entries = {Entry("Edit", scribe::kUIEdit, 2, 3, 0),
                                     Entry("First", scribe::kUIRadioGroup, 0, 0, 18),
                                     Entry("Second", scribe::kUIRadioGroup, 0, 0, 20)};
  entries[1].NumRadioInArray = -3;
  entries[1].GrayTab = rules;
  entries[2].NumRadioInArray = -2;
  Make(entries, 1, 0, 0);
  EXPECT_EQ(table[1].ControlIndex, 0);
  EXPECT_EQ(table[2].ControlIndex, 3);

  engine->EvalRadioRules(0, 0);   // position 1: no rule
  EXPECT_EQ(C(2).button, -1);
  engine->EvalRadioRules(0, 5);   // not a button of the group
  EXPECT_EQ(C(2).button, -1);
  engine->EvalRadioRules(0, 1);   // position 2
  EXPECT_EQ(C(2).button, 1);
  EXPECT_FALSE(controls.radios[200].enabled);
  EXPECT_TRUE(controls.radios[201].enabled);
  EXPECT_FALSE(controls.named["Second"].visible);
}

TEST_F(GrayFixture, ChangeMaskBits) {
  Var("when", kTypeDateNumber);
  Var("flag", kTypeBoolean);
  std::vector<PBFieldDef> entries = {Entry("Source", scribe::kUIEdit, 2, 3, 0),
                                     Entry("Target", scribe::kUIEdit, 2, 3, 18)};
  entries[0].Allowed1 = 0xFFFFFFFE;
  entries[0].Allowed2 = 0xFFFFFFFF;
  Make(entries, 2, 0, 0);
  GrayAction a;
  a.Target = 1;
  a.TargetKind = 0;   // definitions only
  a.Allowed1 = 0x40;
  a.Allowed2 = 0x1;
  a.AddStructs = -1;
  a.StructNum = 7;
  a.WholeArray = 1;
  a.MinNumber = 2;
  a.MinValRange = -5;
  a.MaxValRange = 5;
  a.StrSize = 33;
  a.ScalarType = kTypeVoiceSentence;
  a.SpecialRange = 9;
  a.FieldRepresentation = 3;
  a.GotoNotOnIcon = 4;
  const GrayAction list[] = {a, kEnd};
  for (std::uint16_t bit = 1; bit <= 64; bit = static_cast<std::uint16_t>(bit << 1)) {
    GrayAction one = a;
    one.ChangeMask = bit;
    const GrayAction single[] = {one, kEnd};
    engine->ApplyRuleActions(1, single);
  }
  const PBFieldDef& e = table[1];
  EXPECT_EQ(e.Allowed1, 0x40u);
  EXPECT_EQ(e.Allowed2, 0x1u);
  EXPECT_EQ(e.AddStructs, -1);
  EXPECT_EQ(e.StructNum, 7);
  EXPECT_EQ(e.WholeArray, 1);
  EXPECT_EQ(e.MinNumber, 2);
  EXPECT_EQ(e.MinValRange, -5);
  EXPECT_EQ(e.MaxValRange, 5);
  EXPECT_EQ(e.NeedItBeInRange, 1);
  EXPECT_EQ(e.StrSize, 33);
  EXPECT_EQ(e.ScalarType, kTypeVoiceSentence);
  EXPECT_EQ(e.NumRadioInArray, 1);
  EXPECT_EQ(e.SpecialRange, 9);
  EXPECT_EQ(e.GotoNotOnIcon, 4);
  EXPECT_EQ(e.FieldRepresentation, 3);
  EXPECT_TRUE(engine->GotoChanged());
  (void)list;

  // 128: the goto label from the source edit; spaces empty it.
  GrayAction label;
  label.Target = 1;
  label.ChangeMask = 128;
  const GrayAction labelList[] = {label, kEnd};
  C(0).text = "On Busy";
  engine->ApplyRuleActions(1, labelList);
  ASSERT_NE(table[1].GotoStrs, nullptr);
  EXPECT_STREQ(table[1].GotoStrs, "On Busy");
  C(0).text = "   ";
  engine->ApplyRuleActions(1, labelList);
  EXPECT_STREQ(table[1].GotoStrs, "");

  // 256: the type of the variable the source names, else the default masks.
  GrayAction retype;
  retype.Target = 1;
  retype.ChangeMask = 256;
  const GrayAction retypeList[] = {retype, kEnd};
  struct Case {
    const char* text;
    int type;
    std::uint32_t a1, a2;
  };
  for (const Case& c : {Case{"when", kTypeDateNumber, 0x8003E, 0}, Case{"flag", kTypeBoolean, 0, 0x200000},
                        Case{"nothing", kTypeBoolean, 0x18007E, 0x200000}, Case{"", kTypeBoolean, 0x18007E, 0x200000}}) {
    C(0).text = c.text;
    engine->ApplyRuleActions(1, retypeList);
    EXPECT_EQ(table[1].ScalarType, c.type) << c.text;
    EXPECT_EQ(table[1].Allowed1, c.a1) << c.text;
    EXPECT_EQ(table[1].Allowed2, c.a2) << c.text;
  }
}

TEST_F(GrayFixture, SetUpRunsEveryGroupOnce) {
  const GrayAction disable[] = {EditAction(0, 1, -1), kEnd};
  const GrayRule checked[] = {{1, "1", disable}, {}};
  const GrayAction hide[] = {EditAction(1, 2, -1), kEnd};
  const GrayRule second[] = {{1, "2", hide}, {}};
  std::vector<PBFieldDef> entries = {Entry("A", scribe::kUIEdit, 2, 3, 0), Entry("B", scribe::kUIEdit, 2, 3, 18),
                                     Entry("Box", scribe::kUICheckBox, 0, 0, 36),
                                     Entry("Group", scribe::kUIRadioGroup, 0, 0, 38)};
  entries[2].GrayTab = checked;
  entries[3].NumRadioInArray = -2;
  entries[3].GrayTab = second;
  Make(entries, 2, 1, 0);
  C(2).checked = 1;
  controls.radios[301].checked = 1;
  engine->EvalAll();
  EXPECT_FALSE(C(0).enabled);
  EXPECT_FALSE(C(1).visible);
}

}  // namespace
}  // namespace zeph::test
