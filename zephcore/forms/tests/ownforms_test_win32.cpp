// The Record and Listen forms under Wine, opened through the catalogue's factories: the
// menu-supervision switch of the Record form and the Listen form's "Set".
#include <gtest/gtest.h>

#include "forms/engine/formids.h"
#include "forms/win32/entryform.h"
#include "forms/win32/ownforms.h"
#include "forms_win32_testutil.h"
#include "model/pbaccess.h"
#include "model/pbfield_lookup.h"

namespace zeph::test {
namespace {

class OwnFormsTest : public FormWindowFixture {
 protected:
  static bool IsChecked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
  static void Click(HWND dialog, int id) { ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
  PBInstance* Add(int type, const char* name) { return program.AddVavurOrezo(type, name, "", nullptr); }
  // A field's text form, without the leading "'" of a constant.
  std::string FieldText(PBInstance* instance, int field) {
    std::string text;
    PBFieldAccessor(instance, 0, nullptr, 0, &t).GetEntry(field, &text);
    return !text.empty() && text[0] == '\'' ? text.substr(1) : text;
  }
};

TEST_F(OwnFormsTest, RecordMenuSupervisionSwitchesTheMenuFields) {
  PBInstance* record = Add(3, "Rec1");
  ASSERT_NE(record, nullptr);
  const PBFieldDef* table = GetFieldTable(3, record);
  ASSERT_NE(table, nullptr);
  EXPECT_STREQ(table[22].Name, "Menu Supervision");
  DialogDriver driver([&](HWND dialog) {
    EXPECT_EQ(Text(dialog, kLabelBase + 10), "Menu Parameters");
    const bool on = IsChecked(dialog, kMenuSupervisionBox);
    if (!on) Click(dialog, kMenuSupervisionBox);
    EXPECT_TRUE(Enabled(dialog, kEditBase + 10));
    SetText(dialog, kEditBase + 18, "'3");        // "Max Wrong Answer"
    Click(dialog, kMenuSupervisionBox);           // off: emptied and disabled
    EXPECT_EQ(Text(dialog, kEditBase + 18), "");
    EXPECT_FALSE(Enabled(dialog, kEditBase + 18));
    EXPECT_FALSE(Enabled(dialog, kLabelBase + 18));
    EXPECT_FALSE(Enabled(dialog, kPickButtonBase + 18));
    EXPECT_TRUE(Enabled(dialog, kEditBase + 2));
    SaveWindowPicture(dialog, "form_record");
    PostClick(dialog, IDCANCEL);
  });
  EXPECT_EQ(program.EditVavurOrezo(record), 0);
  EXPECT_TRUE(driver.Ran());
  EXPECT_TRUE(faults.Assertions().empty());
}

TEST_F(OwnFormsTest, ListenSetPutsTheUsualBand) {
  PBInstance* listen = Add(218, "Listen1");
  ASSERT_NE(listen, nullptr);
  DialogDriver driver([&](HWND dialog) {
    EXPECT_EQ(Text(dialog, kLabelBase + 3), "Low Frequency (Hz)");
    EXPECT_EQ(Text(dialog, kCheckBoxBase + 1), "Use Frequency Band");
    Click(dialog, kCheckBoxBase + 3);   // cadence on, to be turned off
    Click(dialog, kListenSetButton);
    EXPECT_EQ(Text(dialog, kEditBase + 3), "'400");
    EXPECT_EQ(Text(dialog, kEditBase + 4), "'1200");
    EXPECT_TRUE(IsChecked(dialog, kCheckBoxBase + 1));
    EXPECT_TRUE(IsChecked(dialog, kCheckBoxBase + 2));
    EXPECT_FALSE(IsChecked(dialog, kCheckBoxBase + 3));
    EXPECT_TRUE(Enabled(dialog, kEditBase + 3));
    SaveWindowPicture(dialog, "form_listen");
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(program.EditVavurOrezo(listen), 1);
  EXPECT_TRUE(driver.Ran());
  EXPECT_EQ(FieldText(listen, 3), "400");
  EXPECT_EQ(FieldText(listen, 4), "1200");
}

TEST_F(OwnFormsTest, EntryVerificationDecidesItsFields) {
  PBInstance* entry = Add(2, "Entry1");
  ASSERT_NE(entry, nullptr);
  const PBFieldDef* table = GetFieldTable(2, entry);
  // The form's ids follow the catalogue's entries.
  EXPECT_STREQ(table[0].Name, "Number Of Digits");
  EXPECT_STREQ(table[1].Name, "Verification");
  EXPECT_STREQ(table[16].Name, "Verify DB");
  EXPECT_STREQ(table[17].Name, "Verify User PBs");
  for (const bool range : {true, false}) {
    DialogDriver driver([&](HWND dialog) {
      for (int i = 0; i < 18; ++i) {
        if (i != 1) {
          EXPECT_NE(::GetDlgItem(dialog, kEntryEditIds[i]), nullptr) << i;
        }
      }
      Click(dialog, kEntryVerifyRadios + (range ? 1 : 0));
      SetText(dialog, kEntryEditIds[2], "5");
      SetText(dialog, kEntryEditIds[3], "9");
      SetText(dialog, kEntryEditIds[16], "SomeDb");   // dropped unless "Database"
      if (!range) SaveWindowPicture(dialog, "form_entry");
      PostClick(dialog, IDOK);
    });
    EXPECT_EQ(program.EditVavurOrezo(entry), 1);
    EXPECT_TRUE(driver.Ran());
    EXPECT_EQ(FieldText(entry, 2), range ? "5" : "") << range;
    EXPECT_EQ(FieldText(entry, 3), range ? "9" : "") << range;
    EXPECT_EQ(FieldText(entry, 16), "") << range;
  }
}

}  // namespace
}  // namespace zeph::test
