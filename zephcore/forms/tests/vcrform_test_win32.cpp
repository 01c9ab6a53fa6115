// The record-edit parameters form under Wine: loading every field, the key columns with
// "terminate on all", the option dependencies, the key-definition dialogs on working
// copies, range errors, the read-only flag and a block that is too short.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "forms/keys/keymasks.h"
#include "forms/win32/vcrform.h"
#include "forms_win32_testutil.h"
#include "pane/keydefsids.h"

namespace zeph::test {
namespace {

using Block = std::vector<unsigned char>;

// Controls of the form.
constexpr int kIgnore = 610;
constexpr int kTerminate = 626;
constexpr int kTerminateSave = 642;
constexpr int kKeyBox = 589;
constexpr int kKeyLabel = 554;
constexpr int kAllKeys = 605;

int KeyRadio(int row, int column) { return IDC_KEYGRID_BASE + IDC_KEYGRID_ROW_STRIDE * row + column; }

std::uint32_t Keys(int from, int to) {
  std::uint32_t mask = 0;
  for (int c = from; c <= to; ++c) mask |= keys::GridKeyValue(c);
  return mask;
}

class VCRFormTest : public FormWindowFixture {
 protected:
  static bool IsChecked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
  static void Click(HWND dialog, int id) { ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
  // A record with every field set to a value of its own: keys 1-5 end the recording,
  // 6-0 end and keep it, the rest are ignored.
  static Block Distinct() {
    Block b(kRecordEditSize, 0);
    WriteU16(b.data(), 0, 0x1234);
    WriteU16(b.data(), 2, 0x5678);
    for (int i = 0; i < 13; ++i) WriteU32(b.data(), 4 + 4 * i, keys::GridKeyValue(i) | keys::GridKeyValue(15 - i));
    WriteU32(b.data(), 56, Keys(0, 4));
    WriteU32(b.data(), 60, 100);
    WriteU32(b.data(), 64, 200);
    WriteU16(b.data(), 68, 1);
    WriteU32(b.data(), 70, 300);
    WriteU32(b.data(), 74, 400);
    WriteU16(b.data(), 78, 0);
    const struct {
      int offset;
      std::uint16_t value;
    } options[] = {{80, 0},  {82, 0},  {84, 1},  {86, 1},  {92, 1},  {98, 0}, {104, 1},
                   {116, 0}, {118, 1}, {120, 1}, {128, 0}, {138, 1}, {144, 1}};
    for (const auto& o : options) WriteU16(b.data(), o.offset, o.value);
    WriteU32(b.data(), 88, 7000);
    WriteU32(b.data(), 94, 8000);
    WriteU32(b.data(), 100, 9000);
    WriteU16(b.data(), 106, 3);
    WriteU16(b.data(), 108, 0xFFFF);
    WriteU16(b.data(), 110, 5);
    WriteU32(b.data(), 112, 6000);
    WriteU32(b.data(), 122, 1200);
    WriteU16(b.data(), 126, 1);
    WriteU32(b.data(), 130, Keys(10, 15));
    WriteU32(b.data(), 134, Keys(5, 9));
    WriteU32(b.data(), 140, 1400);
    return b;
  }
};

TEST_F(VCRFormTest, DistinctValuesComeBackByteForByte) {
  Block block = Distinct();
  const Block before = block;
  TVCRForm form(nullptr, kRecordEditResource, block.data(), false);
  EXPECT_EQ(Run(form, [&](HWND dialog) {
              const struct {
                int edit;
                const char* text;
              } edits[] = {{545, "3"},    {546, "-1"},   {547, "5"},    {548, "6000"}, {549, "7000"},
                           {550, "8000"}, {551, "9000"}, {552, "1200"}, {553, "1400"}};
              for (const auto& e : edits) EXPECT_EQ(Text(dialog, e.edit), e.text) << e.edit;
              for (int c = 0; c < keys::kGridKeys; ++c) {
                const int column = c < 5 ? kTerminate : c < 10 ? kTerminateSave : kIgnore;
                for (const int row : {kIgnore, kTerminate, kTerminateSave}) {
                  EXPECT_EQ(IsChecked(dialog, row + c), row == column) << row << " " << c;
                }
                EXPECT_EQ(IsChecked(dialog, kKeyBox + c), c < 5) << c;
                EXPECT_FALSE(Enabled(dialog, kKeyBox + c));
                EXPECT_FALSE(Enabled(dialog, kKeyLabel + c));
              }
              EXPECT_FALSE(IsChecked(dialog, kAllKeys));
              EXPECT_FALSE(Enabled(dialog, kAllKeys));
              EXPECT_TRUE(IsChecked(dialog, 402));
              EXPECT_FALSE(IsChecked(dialog, 401));
              EXPECT_TRUE(IsChecked(dialog, 583));    // terminate on silence: no talk-down tone
              EXPECT_FALSE(Enabled(dialog, 586));
              EXPECT_TRUE(Enabled(dialog, 549));
              EXPECT_TRUE(Enabled(dialog, 550));
              EXPECT_FALSE(Enabled(dialog, 551));     // "Wait For Sound" is off
              EXPECT_TRUE(Enabled(dialog, 553));
              EXPECT_TRUE(Enabled(dialog, IDOK));
              SaveWindowPicture(dialog, "form_vcr");
              PostClick(dialog, IDOK);
            }),
            IDOK);
  EXPECT_EQ(block, before);
}

TEST_F(VCRFormTest, TerminateOnAllShowsEveryKeyKeptAndIsRewrittenOnlyOnDone) {
  Block block = Distinct();
  WriteU32(block.data(), 56, keys::kTerminateOnAll);
  const Block before = block;
  for (const int close : {IDCANCEL, IDOK}) {
    TVCRForm form(nullptr, kRecordEditResource, block.data(), false);
    Run(form, [&](HWND dialog) {
      EXPECT_TRUE(IsChecked(dialog, kAllKeys));
      for (int c = 0; c < keys::kGridKeys; ++c) {
        EXPECT_TRUE(IsChecked(dialog, kTerminateSave + c)) << c;
        EXPECT_FALSE(IsChecked(dialog, kTerminate + c)) << c;
        EXPECT_FALSE(IsChecked(dialog, kIgnore + c)) << c;
        EXPECT_TRUE(IsChecked(dialog, kKeyBox + c)) << c;
        EXPECT_FALSE(Enabled(dialog, kKeyBox + c)) << c;
      }
      PostClick(dialog, close);
    });
    if (close == IDCANCEL) {
      EXPECT_EQ(block, before);
    }
  }
  EXPECT_EQ(ReadU32(block.data(), 56), 0u);
  EXPECT_EQ(ReadU32(block.data(), 130), 0u);
  EXPECT_EQ(ReadU32(block.data(), 134), keys::kAllKeysB);
}

TEST_F(VCRFormTest, GridClicksRebuildTheThreeMasksFromZero) {
  Block block = Distinct();
  WriteU32(block.data(), 56, Keys(0, 4) | 0x100000);   // a bit no column shows
  TVCRForm form(nullptr, kRecordEditResource, block.data(), false);
  Run(form, [&](HWND dialog) {
    Click(dialog, kIgnore + 0);          // "1" ignored
    Click(dialog, kTerminate + 15);      // "D" ends the recording
    Click(dialog, kTerminateSave + 10);  // "*" ends and keeps it
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(ReadU32(block.data(), 56), Keys(1, 4) | keys::GridKeyValue(15));
  EXPECT_EQ(ReadU32(block.data(), 130), Keys(11, 14) | keys::GridKeyValue(0));
  EXPECT_EQ(ReadU32(block.data(), 134), Keys(5, 10));
}

TEST_F(VCRFormTest, OptionsEnableTheirTimeoutsAndTalkDownExcludesSilence) {
  Block block = Distinct();
  WriteU16(block.data(), 86, 0);    // not ending on silence
  WriteU16(block.data(), 128, 1);   // talk-down tone
  WriteU16(block.data(), 98, 0);    // "Wait For Sound" off in the record
  TVCRForm form(nullptr, kRecordEditResource, block.data(), false);
  Run(form, [&](HWND dialog) {
    // On opening, the talk-down tone shows "Wait For Sound" on and fixed.
    EXPECT_TRUE(IsChecked(dialog, 585));
    EXPECT_FALSE(Enabled(dialog, 585));
    EXPECT_FALSE(Enabled(dialog, 551));
    EXPECT_FALSE(IsChecked(dialog, 583));
    EXPECT_FALSE(Enabled(dialog, 583));
    EXPECT_FALSE(Enabled(dialog, 549));

    Click(dialog, 586);   // talk-down off
    EXPECT_TRUE(Enabled(dialog, 585));
    EXPECT_TRUE(Enabled(dialog, 551));
    EXPECT_TRUE(Enabled(dialog, 583));

    Click(dialog, 583);   // terminate on silence on
    EXPECT_TRUE(Enabled(dialog, 549));
    EXPECT_FALSE(Enabled(dialog, 586));
    EXPECT_FALSE(IsChecked(dialog, 586));
    Click(dialog, 583);   // and off again
    EXPECT_EQ(Text(dialog, 549), "'0");
    EXPECT_FALSE(Enabled(dialog, 549));
    EXPECT_TRUE(Enabled(dialog, 586));

    Click(dialog, 585);   // "Wait For Sound" off
    EXPECT_EQ(Text(dialog, 551), "'0");
    EXPECT_FALSE(Enabled(dialog, 551));
    Click(dialog, 586);   // talk-down on: "Wait For Sound" keeps its state
    EXPECT_FALSE(IsChecked(dialog, 585));
    EXPECT_FALSE(Enabled(dialog, 585));
    EXPECT_FALSE(Enabled(dialog, 583));

    Click(dialog, 584);   // silence suppression off
    EXPECT_EQ(Text(dialog, 550), "'0");
    EXPECT_FALSE(Enabled(dialog, 550));
    Click(dialog, 584);
    EXPECT_TRUE(Enabled(dialog, 550));
    SetText(dialog, 550, "250");

    Click(dialog, 606);   // warning tone off
    EXPECT_FALSE(Enabled(dialog, 553));
    Click(dialog, 606);
    EXPECT_TRUE(Enabled(dialog, 553));

    // The terminate panel follows its check box.
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kAllKeys, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, kAllKeys)));
    for (int c = 0; c < keys::kGridKeys; ++c) {
      EXPECT_TRUE(IsChecked(dialog, kKeyBox + c)) << c;
      EXPECT_FALSE(Enabled(dialog, kKeyBox + c)) << c;
    }
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kAllKeys, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, kAllKeys)));
    EXPECT_TRUE(Enabled(dialog, kKeyBox));
    EXPECT_TRUE(Enabled(dialog, kKeyLabel + 15));

    Click(dialog, 401);   // minimum recording in bytes
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(ReadU16(block.data(), 128), 1);
  EXPECT_EQ(ReadU16(block.data(), 86), 0);
  EXPECT_EQ(ReadU32(block.data(), 88), 0u);
  EXPECT_EQ(ReadU16(block.data(), 98), 0);
  EXPECT_EQ(ReadU32(block.data(), 100), 0u);
  EXPECT_EQ(ReadU32(block.data(), 94), 250u);
  EXPECT_EQ(ReadU16(block.data(), 126), 0);
  EXPECT_EQ(ReadU32(block.data(), 56), Keys(0, 4));   // the panel shows; the grid decides
}

TEST_F(VCRFormTest, KeyDialogsEditCopiesThatOnlyDoneWrites) {
  Block block = Distinct();
  const Block before = block;
  for (const int close : {IDCANCEL, IDOK}) {
    TVCRForm form(nullptr, kRecordEditResource, block.data(), false);
    Run(form, [&](HWND dialog) {
      RunButtonDialog(dialog, 608, [&](HWND keys) {
        char caption[64] = {};
        ::GetWindowTextA(keys, caption, sizeof caption);
        EXPECT_STREQ(caption, "Key Definitions for Use in Record Menu");
        EXPECT_TRUE(IsChecked(keys, KeyRadio(0, 7)));    // listen (offset 32): "8" and "9"
        EXPECT_TRUE(IsChecked(keys, KeyRadio(0, 8)));
        EXPECT_TRUE(IsChecked(keys, KeyRadio(5, 12)));   // ignore (offset 52): "A" and "4"
        Click(keys, KeyRadio(0, 0));                     // "1" listens
        PostClick(keys, IDOK);
      });
      RunButtonDialog(dialog, 609, [&](HWND keys) {
        char caption[64] = {};
        ::GetWindowTextA(keys, caption, sizeof caption);
        EXPECT_STREQ(caption, "Key Definitions for Use While Playing");
        EXPECT_TRUE(IsChecked(keys, KeyRadio(0, 6)));    // ignored while playing (offset 28): "7", "0"
        EXPECT_TRUE(IsChecked(keys, KeyRadio(1, 0)));    // to the top (offset 4): "1", "D"
        EXPECT_TRUE(IsChecked(keys, KeyRadio(6, 5)));    // terminate (offset 24): "6", "*"
        EXPECT_EQ(Text(keys, IDC_LARGE_FWD), "100");
        EXPECT_EQ(Text(keys, IDC_SMALL_BKWD), "400");
        EXPECT_TRUE(IsChecked(keys, IDC_LARGE_MSECS));
        EXPECT_TRUE(IsChecked(keys, IDC_SMALL_BYTES));
        SetText(keys, IDC_SMALL_FWD, "333");
        Click(keys, IDC_SMALL_MSECS);
        PostClick(keys, IDOK);
      });
      PostClick(dialog, close);
    });
    if (close == IDCANCEL) {
      EXPECT_EQ(block, before);
    }
  }
  EXPECT_EQ(ReadU32(block.data(), 32), keys::GridKeyValue(7) | keys::GridKeyValue(8) | keys::GridKeyValue(0));
  EXPECT_EQ(ReadU32(block.data(), 70), 333u);
  EXPECT_EQ(ReadU16(block.data(), 78), 1);
  EXPECT_EQ(ReadU32(block.data(), 60), 100u);
  EXPECT_EQ(ReadU16(block.data(), 0), 0x1234);
}

TEST_F(VCRFormTest, BadCountersKeepTheFormOpenAndTheBlockUntouched) {
  const struct {
    int edit;
    const char* text;
    bool accepted;
    int offset;
    std::uint32_t stored;
  } cases[] = {
      {545, "-1", true, 106, 0xFFFF}, {548, "2147483647", true, 112, 2147483647u}, {549, "0", true, 88, 0},
      {545, "-2", false, 0, 0},        {549, "-1", false, 0, 0},                       {553, "2147483648", false, 0, 0},
  };
  for (const auto& c : cases) {
    Block block = Distinct();
    const Block before = block;
    faults.presenter.Clear();
    TVCRForm form(nullptr, kRecordEditResource, block.data(), false);
    const int result = Run(form, [&](HWND dialog) {
      SetText(dialog, c.edit, c.text);
      Click(dialog, kIgnore);   // a grid change that must not reach the block on refusal
      PostClick(dialog, IDOK);
      if (!c.accepted) {
        PumpUntil([&] { return !faults.presenter.Boxes().empty(); }, 2000);
        EXPECT_TRUE(::IsWindow(dialog)) << c.text;
        PostClick(dialog, IDCANCEL);
      }
    });
    if (c.accepted) {
      EXPECT_EQ(result, IDOK) << c.text;
      const std::uint32_t stored = c.offset == 106 ? ReadU16(block.data(), c.offset) : ReadU32(block.data(), c.offset);
      EXPECT_EQ(stored, c.stored) << c.text;
    } else {
      EXPECT_EQ(result, IDCANCEL) << c.text;
      EXPECT_EQ(block, before) << c.text;
      EXPECT_FALSE(faults.presenter.Boxes().empty()) << c.text;
    }
  }
}

TEST_F(VCRFormTest, ConstantDisablesDoneAndAShortBlockIsNotRun) {
  Block block = Distinct();
  const Block before = block;
  TVCRForm constant(nullptr, kRecordEditResource, block.data(), true);
  Run(constant, [&](HWND dialog) {
    EXPECT_FALSE(Enabled(dialog, IDOK));
    PostClick(dialog, IDCANCEL);
  });
  EXPECT_EQ(block, before);

  Block shortBlock(kRecordEditSize - 1, 0x5A);
  const Block shortBefore = shortBlock;
  TVCRForm form(nullptr, kRecordEditResource, shortBlock.data(), false, static_cast<int>(shortBlock.size()));
  EXPECT_FALSE(form.Usable());
  EXPECT_EQ(form.Execute(), IDCANCEL);
  EXPECT_EQ(shortBlock, shortBefore);
  EXPECT_EQ(faults.Assertions().size(), 1u);
}

}  // namespace
}  // namespace zeph::test
