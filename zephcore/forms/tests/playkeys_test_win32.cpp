// The play-keys forms under Wine: the play-keys block's dialog (Parm2Form) and the
// read-mail form over the same grid: loading, terminate-on-all, the units, the amounts'
// range, Done and Cancel, the read-only flag and a block that is too short.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <cstring>
#include <vector>

#include "forms/keys/keymasks.h"
#include "forms/win32/blockform.h"
#include "forms/win32/parm1form.h"
#include "forms/win32/readallmail.h"
#include "forms/win32/playkeysform.h"
#include "forms_win32_testutil.h"
#include "pane/keydefsids.h"

namespace zeph::test {
namespace {

using Block = std::vector<unsigned char>;

int Radio(int row, int column) { return IDC_KEYGRID_BASE + IDC_KEYGRID_ROW_STRIDE * row + column; }

class PlayKeysTest : public FormWindowFixture {
 protected:
  static bool IsChecked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
  static void Click(HWND dialog, int id) { ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
  // A play-keys block with every item set to a value of its own; each mask holds keys
  // that no other mask holds, and two keys are in no mask.
  static Block DistinctPlayKeys() {
    Block b(kPlayKeysBlockSize, 0);
    for (int r = 0; r < 7; ++r) {
      std::uint32_t mask = keys::GridKeyValue(r) | keys::GridKeyValue(r + 7);
      WriteU32(b.data(), 4 * r, mask);
    }
    WriteU32(b.data(), 28, 1000);
    WriteU32(b.data(), 32, 2000);
    WriteU16(b.data(), 36, 1);
    WriteU32(b.data(), 38, 3000);
    WriteU32(b.data(), 42, 4000);
    WriteU16(b.data(), 46, 0);
    return b;
  }
};

TEST_F(PlayKeysTest, DistinctValuesComeBackByteForByte) {
  Block block = DistinctPlayKeys();
  const Block before = block;
  Parm2Form form(nullptr, kPlayKeysResource, block.data());
  EXPECT_EQ(Run(form, [&](HWND dialog) {
              for (int c = 0; c < keys::kGridKeys; ++c) {
                for (int r = 0; r < 7; ++r) {
                  const bool held = c == r || c == r + 7;
                  EXPECT_EQ(IsChecked(dialog, Radio(r, c)), held) << r << " " << c;
                }
              }
              EXPECT_EQ(Text(dialog, IDC_LARGE_FWD), "1000");
              EXPECT_EQ(Text(dialog, IDC_SMALL_BKWD), "4000");
              EXPECT_TRUE(IsChecked(dialog, IDC_LARGE_MSECS));
              EXPECT_TRUE(IsChecked(dialog, IDC_SMALL_BYTES));
              EXPECT_FALSE(IsChecked(dialog, IDC_ALL_KEYS));
              EXPECT_TRUE(Enabled(dialog, IDOK));
              SaveWindowPicture(dialog, "form_parm2");
              PostClick(dialog, IDOK);
            }),
            IDOK);
  EXPECT_EQ(block, before);
}

TEST_F(PlayKeysTest, TerminateOnAllOpensWithTheGridDisabledAndStoresOnlyTheTerminateMask) {
  Block block(kPlayKeysBlockSize, 0);
  WriteU32(block.data(), 0, 0x10002);
  WriteU32(block.data(), 12, 0x10004);
  WriteU32(block.data(), 24, keys::kTerminateOnAll);
  Parm2Form form(nullptr, kPlayKeysResource, block.data());
  Run(form, [&](HWND dialog) {
    EXPECT_TRUE(IsChecked(dialog, IDC_ALL_KEYS));
    for (int c = 0; c < keys::kGridKeys; ++c) {
      for (int r = 0; r < 7; ++r) EXPECT_EQ(IsChecked(dialog, Radio(r, c)), r == 6) << r << " " << c;
      EXPECT_FALSE(Enabled(dialog, Radio(6, c)));
      EXPECT_FALSE(Enabled(dialog, Radio(0, c)));
    }
    PostClick(dialog, IDOK);
  });
  for (int r = 0; r < 6; ++r) EXPECT_EQ(ReadU32(block.data(), 4 * r), 0u) << r;
  EXPECT_EQ(ReadU32(block.data(), 24), keys::kTerminateOnAll);
}

TEST_F(PlayKeysTest, AllKeysBoxTogglesTheGrid) {
  Block block(kPlayKeysBlockSize, 0);
  WriteU32(block.data(), 4, 0x10002 | 0x10001);   // "1" and "D" to the top
  Parm2Form form(nullptr, kPlayKeysResource, block.data());
  Run(form, [&](HWND dialog) {
    EXPECT_TRUE(IsChecked(dialog, Radio(1, 0)));
    EXPECT_TRUE(IsChecked(dialog, 432));   // "D" in the second row
    Click(dialog, IDC_ALL_KEYS);
    EXPECT_TRUE(IsChecked(dialog, IDC_ALL_KEYS));
    EXPECT_TRUE(IsChecked(dialog, Radio(6, 0)));
    EXPECT_FALSE(IsChecked(dialog, Radio(1, 0)));
    EXPECT_FALSE(Enabled(dialog, Radio(3, 3)));
    Click(dialog, IDC_ALL_KEYS);
    EXPECT_FALSE(IsChecked(dialog, IDC_ALL_KEYS));
    EXPECT_TRUE(Enabled(dialog, Radio(3, 3)));
    EXPECT_TRUE(IsChecked(dialog, Radio(6, 5)));   // the keys stay in the terminate row
    Click(dialog, Radio(2, 4));                      // "5" to the large skip forward
    EXPECT_FALSE(IsChecked(dialog, Radio(6, 4)));  // one radio per key column
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(ReadU32(block.data(), 4), 0u);
  EXPECT_EQ(ReadU32(block.data(), 8), 0x10020u);
  EXPECT_EQ(ReadU32(block.data(), 24), keys::kAllKeysB & ~0x20u);   // every key but "5"
}

TEST_F(PlayKeysTest, UnitsFollowTheChoicesBothWays) {
  for (int large = 0; large < 2; ++large) {
    for (int small = 0; small < 2; ++small) {
      Block block(kPlayKeysBlockSize, 0);
      WriteU16(block.data(), 36, static_cast<std::uint16_t>(large));
      WriteU16(block.data(), 46, static_cast<std::uint16_t>(small));
      Parm2Form form(nullptr, kPlayKeysResource, block.data());
      Run(form, [&](HWND dialog) {
        EXPECT_EQ(IsChecked(dialog, IDC_LARGE_BYTES), large == 0);
        EXPECT_EQ(IsChecked(dialog, IDC_LARGE_MSECS), large == 1);
        EXPECT_EQ(IsChecked(dialog, IDC_SMALL_BYTES), small == 0);
        EXPECT_EQ(IsChecked(dialog, IDC_SMALL_MSECS), small == 1);
        Click(dialog, large == 0 ? IDC_LARGE_MSECS : IDC_LARGE_BYTES);
        Click(dialog, small == 0 ? IDC_SMALL_MSECS : IDC_SMALL_BYTES);
        PostClick(dialog, IDOK);
      });
      EXPECT_EQ(ReadU16(block.data(), 36), 1 - large);
      EXPECT_EQ(ReadU16(block.data(), 46), 1 - small);
    }
  }
}

TEST_F(PlayKeysTest, AmountsAreStoredAtTheirOffsetsWithinTheirRange) {
  const struct {
    int edit;
    const char* text;
    int offset;
    bool accepted;
    std::uint32_t stored;
  } cases[] = {
      {IDC_LARGE_FWD, "2147483647", 28, true, 2147483647u}, {IDC_LARGE_BKWD, "0", 32, true, 0},
      {IDC_SMALL_FWD, "77", 38, true, 77},                  {IDC_SMALL_BKWD, "'12", 42, true, 12},
      {IDC_LARGE_FWD, "-1", 28, false, 0},                  {IDC_SMALL_BKWD, "2147483648", 42, false, 0},
      {IDC_SMALL_FWD, "Counter", 38, false, 0},
  };
  for (const auto& c : cases) {
    Block block = DistinctPlayKeys();
    WriteU32(block.data(), 4, 0x10020 | 0x100000);   // a bit no grid shows
    const Block before = block;
    faults.presenter.Clear();
    Parm2Form form(nullptr, kPlayKeysResource, block.data());
    const int result = Run(form, [&](HWND dialog) {
      SetText(dialog, c.edit, c.text);
      PostClick(dialog, IDOK);
      if (!c.accepted) {
        PumpUntil([&] { return !faults.presenter.Boxes().empty(); }, 2000);
        EXPECT_TRUE(::IsWindow(dialog)) << c.text;
        PostClick(dialog, IDCANCEL);
      }
    });
    if (c.accepted) {
      EXPECT_EQ(result, IDOK) << c.text;
      EXPECT_EQ(ReadU32(block.data(), c.offset), c.stored) << c.text;
      EXPECT_EQ(ReadU32(block.data(), 4), 0x10020u) << "the unshown bit is dropped";
    } else {
      EXPECT_EQ(result, IDCANCEL) << c.text;
      EXPECT_EQ(block, before) << c.text;   // the unshown bit too
      EXPECT_FALSE(faults.presenter.Boxes().empty()) << c.text;
    }
  }
}

TEST_F(PlayKeysTest, CancelLeavesTheBlock) {
  Block block = DistinctPlayKeys();
  const Block before = block;
  Parm2Form form(nullptr, kPlayKeysResource, block.data());
  Run(form, [&](HWND dialog) {
    Click(dialog, IDC_ALL_KEYS);
    Click(dialog, IDC_LARGE_BYTES);
    SetText(dialog, IDC_LARGE_FWD, "5");
    PostClick(dialog, IDCANCEL);
  });
  EXPECT_EQ(block, before);
}

TEST_F(PlayKeysTest, AShortBlockIsReportedAndNotRun) {
  Block block(kPlayKeysBlockSize - 1, 0x5A);
  const Block before = block;
  Parm2Form form(nullptr, kPlayKeysResource, block.data(), static_cast<int>(block.size()));
  EXPECT_FALSE(form.Usable());
  EXPECT_EQ(form.Execute(), IDCANCEL);
  EXPECT_EQ(block, before);
  EXPECT_EQ(faults.Assertions().size(), 1u);
}

TEST_F(PlayKeysTest, ReadMailFormKeepsBytesZeroAndOneAndItsOptions) {
  Block block(kReadMailBlockSize, 0);
  block[0] = 0xAB;
  block[1] = 0xCD;
  WriteU32(block.data(), 2, 0x10002 | 0x10004);      // "1", "2" ignored
  WriteU32(block.data(), 18, 0x10004 | 0x10001);     // "2" also in small skip forward, and "D"
  WriteU16(block.data(), 30, 1);
  WriteU32(block.data(), 32, 11);
  WriteU32(block.data(), 36, 12);
  WriteU32(block.data(), 42, 13);
  WriteU32(block.data(), 46, 14);
  WriteU16(block.data(), 50, 1);
  WriteU16(block.data(), 52, 0);
  const Block before = block;
  TRMailForm form(nullptr, kReadMailResource, block.data(), false);
  Run(form, [&](HWND dialog) {
    EXPECT_TRUE(IsChecked(dialog, Radio(0, 1)));
    EXPECT_TRUE(IsChecked(dialog, Radio(4, 1)));   // a key of two masks: both radios on
    EXPECT_TRUE(IsChecked(dialog, IDC_CLEAR_TYPE_AHEAD));
    EXPECT_FALSE(IsChecked(dialog, IDC_IGNORE_FILE_ERROR));
    EXPECT_EQ(Text(dialog, IDC_SMALL_FWD), "13");
    SaveWindowPicture(dialog, "form_rmail");
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(block, before);

  TRMailForm constant(nullptr, kReadMailResource, block.data(), true);
  Run(constant, [&](HWND dialog) {
    EXPECT_FALSE(Enabled(dialog, IDOK));
    Click(dialog, IDC_IGNORE_FILE_ERROR);
    PostClick(dialog, IDCANCEL);
  });
  EXPECT_EQ(block, before);
}

}  // namespace
}  // namespace zeph::test

namespace zeph::test {
namespace {

TEST_F(PlayKeysTest, MenuKeysGridWritesExactlyItsMasks) {
  const struct {
    int nine;
    int rows;
  } cases[] = {{0, 6}, {1, 9}};
  for (const auto& c : cases) {
    std::uint32_t masks[10] = {};
    masks[0] = 0x10002 | 0x10001;        // "1" and "D" listen
    masks[2] = 0x10002;                  // "1" re-records too
    masks[c.rows] = 0xDEADBEEF;          // the word after the shown masks
    Parm1Form form(nullptr, c.nine ? kBetweenMessagesKeysResource : kRecordMenuKeysResource, masks, c.nine);
    Run(form, [&](HWND dialog) {
      EXPECT_TRUE(IsChecked(dialog, Radio(0, 0)));
      EXPECT_TRUE(IsChecked(dialog, Radio(2, 0)));   // a key in two masks: both radios
      EXPECT_TRUE(IsChecked(dialog, Radio(0, 15)));
      EXPECT_EQ(::GetDlgItem(dialog, Radio(c.rows, 0)), nullptr) << c.rows;
      Click(dialog, Radio(c.rows - 1, 15));           // "D" to the last row
      Click(dialog, Radio(1, 4));                     // "5" to the second
      if (c.nine == 0) SaveWindowPicture(dialog, "form_parm1");
      PostClick(dialog, IDOK);
    });
    EXPECT_EQ(masks[0], 0x10002u) << c.rows;
    EXPECT_EQ(masks[1], 0x10020u) << c.rows;
    EXPECT_EQ(masks[2], 0x10002u) << c.rows;
    EXPECT_EQ(masks[c.rows - 1], 0x10001u) << c.rows;
    EXPECT_EQ(masks[c.rows], 0xDEADBEEFu) << c.rows;
  }
}


TEST_F(PlayKeysTest, ReadAllMailWritesTheKeyDialogsOnlyOnDone) {
  Block block(kReadAllMailSize, 0);
  block[0] = 0x12;
  block[1] = 0x34;
  for (int i = 0; i < 9; ++i) WriteU32(block.data(), 2 + 4 * i, keys::GridKeyValue(i));
  for (int i = 0; i < 7; ++i) WriteU32(block.data(), 38 + 4 * i, keys::GridKeyValue(9 + i));
  WriteU16(block.data(), 66, 1);
  WriteU32(block.data(), 68, 100);
  WriteU32(block.data(), 72, 200);
  WriteU32(block.data(), 78, 300);
  WriteU32(block.data(), 82, 400);
  WriteU16(block.data(), 86, 3);
  WriteU16(block.data(), 88, static_cast<std::uint16_t>(-1));
  WriteU32(block.data(), 92, 5000);
  WriteU16(block.data(), 98, 1);
  const Block before = block;
  for (const int close : {IDCANCEL, IDOK}) {
    TRAMailForm form(nullptr, kReadAllMailResource, block.data(), false);
    Run(form, [&](HWND dialog) {
      EXPECT_EQ(Text(dialog, 546), "-1");
      EXPECT_TRUE(IsChecked(dialog, 579));
      RunButtonDialog(dialog, 608, [&](HWND keys) {
        EXPECT_TRUE(IsChecked(keys, Radio(8, 8)));      // "9" ignored between messages
        Click(keys, Radio(0, 8));                       // "9" to next
        PostClick(keys, IDOK);
      });
      RunButtonDialog(dialog, 609, [&](HWND keys) {
        EXPECT_TRUE(IsChecked(keys, Radio(0, 15)));     // "D": ignored while playing (offset 62)
        EXPECT_TRUE(IsChecked(keys, Radio(1, 9)));      // "0": to the top (offset 38)
        EXPECT_TRUE(IsChecked(keys, IDC_LARGE_MSECS));
        EXPECT_EQ(Text(keys, IDC_SMALL_FWD), "300");
        Click(keys, Radio(6, 10));                      // "*" terminates
        PostClick(keys, IDOK);
      });
      SaveWindowPicture(dialog, "form_ramail");
      PostClick(dialog, close);
    });
    if (close == IDCANCEL) EXPECT_EQ(block, before);
  }
  EXPECT_EQ(ReadU32(block.data(), 2), keys::GridKeyValue(0) | keys::GridKeyValue(8));
  EXPECT_EQ(ReadU32(block.data(), 34), 0u);
  EXPECT_EQ(ReadU32(block.data(), 42), 0u);   // "*" left the large skip forward
  EXPECT_EQ(ReadU32(block.data(), 58), keys::GridKeyValue(14) | keys::GridKeyValue(10));
  EXPECT_EQ(ReadU32(block.data(), 62), keys::GridKeyValue(15));
  EXPECT_EQ(block[0], 0x12);
  EXPECT_EQ(ReadU16(block.data(), 66), 1);
  EXPECT_EQ(ReadU32(block.data(), 82), 400u);
  EXPECT_EQ(static_cast<std::int16_t>(ReadU16(block.data(), 88)), -1);
}

}  // namespace
}  // namespace zeph::test
