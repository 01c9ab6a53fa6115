// Every VavurOrezo type of the table kinds, and the own forms of assignment, compare,
// add and subtract, open from their templates with each entry's control at its id and
// label, and Done on the defaults leaves the parameters as they were.
#include <gtest/gtest.h>

#include "forms/engine/formids.h"
#include "forms/engine/formlimits.h"
#include "forms_win32_testutil.h"
#include "model/pbaccess.h"
#include "model/pbfield_lookup.h"

namespace zeph::test {
namespace {

class SlotFormsTest : public FormWindowFixture {
 protected:
  // Opens the form of one VavurOrezo of the type through the catalogue's opener, checks
  // its controls and presses Done. Returns whether the form ran and closed with Done.
  void OpenAndConfirm(int type) {
    const std::string name = "Block" + std::to_string(type);
    PBInstance* instance = program.AddVavurOrezo(type, name.c_str(), "", nullptr);
    PBInstance standalone;   // a type that Main does not take, or that needs a companion
    if (instance == nullptr) {
      standalone.Type = static_cast<std::int16_t>(type);
      standalone.Name = name;
      PBFieldAccessor(&standalone, 0, nullptr, 0, &t).LoadDefaultEntries();
      instance = &standalone;
    }
    const PBParameterArea before = instance->Area;
    const PBFieldDef* table = GetFieldTable(type, instance);
    ASSERT_NE(table, nullptr) << type;

    bool sawControls = false;
    DialogDriver driver([&](HWND dialog) {
      sawControls = true;
      int edit = 0;
      int check = 0;
      for (const PBFieldDef* e = table; !e->IsEnd(); ++e) {
        if (e->UIElement == scribe::kUIEdit) {
          EXPECT_NE(::GetDlgItem(dialog, kEditBase + edit), nullptr) << type << " " << e->Name;
          EXPECT_EQ(Text(dialog, kLabelBase + edit), e->Name) << type;
          ++edit;
        } else if (e->UIElement == scribe::kUICheckBox) {
          EXPECT_EQ(Text(dialog, kCheckBoxBase + check), e->Name) << type;
          ++check;
        }
      }
      PostClick(dialog, IDOK);
    });
    EXPECT_EQ(program.EditVavurOrezo(instance), 1) << type;
    EXPECT_TRUE(sawControls) << type;
    EXPECT_FALSE(driver.TimedOut()) << type;
    EXPECT_TRUE(SameArea(before, instance->Area)) << type;

    // Complete exactly when every required field holds a value.
    int complete = 1;
    for (const PBFieldDef* e = GetFieldTable(type, instance); !e->IsEnd(); ++e) {
      if (e->SkipMe || e->UIElement != scribe::kUIEdit || e->CanFieldBeBlank) continue;
      const bool required = e->FieldRepresentation == scribe::kReprConstant || !e->CanFieldBeWrong;
      if (required && instance->Area.IsSlotEmpty(e->FieldOffset)) complete = 0;
    }
    EXPECT_EQ(instance->Complete, complete) << type;
  }
};

TEST_F(SlotFormsTest, EveryTableKindSlotOpensAndKeepsItsDefaults) {
  int opened = 0;
  for (int type = 0; type < kPBCatalogueSize; ++type) {
    const PBType* slot = GetPBType(type);
    if (slot == nullptr || slot->DialogKind < 1 || slot->DialogKind > 4) continue;
    OpenAndConfirm(type);
    ++opened;
  }
  EXPECT_GT(opened, 0);
  EXPECT_TRUE(faults.Assertions().empty()) << faults.Assertions().front();
}

TEST_F(SlotFormsTest, AssignmentCompareAddAndSubtractOpen) {
  for (int type : {26, 27, 137, 138}) OpenAndConfirm(type);
  EXPECT_TRUE(faults.Assertions().empty());
}

}  // namespace
}  // namespace zeph::test
