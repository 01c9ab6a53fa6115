// The key-grid set-up forms under Wine: which row a key loads in, what Done stores, the
// options around the grids, the range checks and the read-only flag.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "forms/keys/keymasks.h"
#include "forms/win32/gridforms.h"
#include "forms_win32_testutil.h"

namespace zeph::test {
namespace {

using Block = std::vector<unsigned char>;
using keys::GridKeyValue;

class GridFormsTest : public FormWindowFixture {
 protected:
  static bool IsChecked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
  static void Click(HWND dialog, int id) { ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
};

TEST_F(GridFormsTest, FileKeysLoadInTheFirstRowAndTerminateOnAll) {
  Block block(kFileParmSize, 0);
  WriteU32(block.data(), 2, GridKeyValue(0));                     // "1" to the top
  WriteU32(block.data(), 6, GridKeyValue(0) | GridKeyValue(1));   // "1" and "2" skip forward
  WriteU32(block.data(), 24, GridKeyValue(11));                   // "#" terminates
  WriteU32(block.data(), 14, 4096);
  WriteU16(block.data(), 22, 1);
  Block expected = block;
  TFileParmForm form(nullptr, kFileParmResource, block.data(), false);
  Run(form, [&](HWND dialog) {
    EXPECT_TRUE(IsChecked(dialog, 401));    // "1": top wins
    EXPECT_FALSE(IsChecked(dialog, 433));
    EXPECT_TRUE(IsChecked(dialog, 434));    // "2": skip forward
    EXPECT_TRUE(IsChecked(dialog, 478));    // "#": terminate
    EXPECT_TRUE(IsChecked(dialog, 419));    // "3": ignore
    EXPECT_TRUE(IsChecked(dialog, 484));
    EXPECT_EQ(Text(dialog, 571), "4096");
    PostClick(dialog, IDOK);
  });
  WriteU32(expected.data(), 6, GridKeyValue(1));   // "1" left skip forward
  EXPECT_EQ(block, expected);

  TFileParmForm all(nullptr, kFileParmResource, block.data(), false);
  Run(all, [&](HWND dialog) {
    Click(dialog, 483);
    EXPECT_TRUE(IsChecked(dialog, 467));
    EXPECT_FALSE(IsChecked(dialog, 401));
    EXPECT_FALSE(Enabled(dialog, 401));
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(ReadU32(block.data(), 24), 0x10001u);
  for (int offset : {2, 6, 10}) EXPECT_EQ(ReadU32(block.data(), offset), 0u) << offset;

  TFileParmForm back(nullptr, kFileParmResource, block.data(), false);
  Run(back, [&](HWND dialog) {
    EXPECT_TRUE(IsChecked(dialog, 483));
    EXPECT_FALSE(Enabled(dialog, 470));
    Click(dialog, 483);                     // off: the grid comes back, keys in terminate
    EXPECT_TRUE(Enabled(dialog, 470));
    Click(dialog, 417);                     // "1" ignored: in no mask
    PostClick(dialog, IDOK);
  });
  std::uint32_t allButOne = 0;
  for (int c = 1; c < 12; ++c) allButOne |= GridKeyValue(c);
  EXPECT_EQ(ReadU32(block.data(), 24), allButOne);
}

TEST_F(GridFormsTest, EntryParametersComeBackByteForByte) {
  Block block(kEntryParmSize, 0);
  const int masks[] = {10, 2, 52, 6, 44};   // ignore, terminate, terminate and save, abort, decimal
  for (int i = 0; i < 5; ++i) WriteU32(block.data(), masks[i], GridKeyValue(i) | GridKeyValue(i + 8));
  WriteU32(block.data(), 36, GridKeyValue(15) | GridKeyValue(0));
  WriteU16(block.data(), 14, 3);
  WriteU16(block.data(), 16, static_cast<std::uint16_t>(-1));
  WriteU32(block.data(), 18, 4000);
  for (int offset : {22, 28, 34, 42}) WriteU16(block.data(), offset, 1);
  WriteU16(block.data(), 56, 2);
  std::memcpy(block.data() + 58, "X", 2);
  std::memcpy(block.data() + 74, "Prefix text", 12);
  const Block before = block;
  TEntParmForm form(nullptr, kEntryParmResource, block.data(), false);
  Run(form, [&](HWND dialog) {
    EXPECT_TRUE(IsChecked(dialog, 425));         // "1" ignored
    EXPECT_TRUE(IsChecked(dialog, 409 + 5));     // "6": accepted
    EXPECT_TRUE(IsChecked(dialog, 474 + 15));    // "D" first key to abort
    EXPECT_EQ(Text(dialog, 402), "4000");
    EXPECT_EQ(Text(dialog, 403), "-1");
    EXPECT_TRUE(IsChecked(dialog, kEntParmFirstCheck));
    EXPECT_FALSE(IsChecked(dialog, kEntParmFirstCheck + 1));
    EXPECT_EQ(Text(dialog, 511), "Display As Alphabetic Characters");
    EXPECT_EQ(Text(dialog, 530), "Prefix text");
    for (int id : {511, 512, 530}) EXPECT_FALSE(Enabled(dialog, id)) << id;
    SaveWindowPicture(dialog, "form_entparm");
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(block, before);

  TEntParmForm moved(nullptr, kEntryParmResource, block.data(), false);
  Run(moved, [&](HWND dialog) {
    Click(dialog, 409);               // "1" accepted: in no mask
    Click(dialog, 474 + 15);          // "D" no longer a first key to abort
    SetText(dialog, 401, "32768");    // refused; then mended
    PostClick(dialog, IDOK);
    PumpUntil([&] { return !faults.presenter.Boxes().empty(); }, 2000);
    EXPECT_TRUE(::IsWindow(dialog));
    SetText(dialog, 401, "-1");
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(ReadU32(block.data(), 10), GridKeyValue(8));
  EXPECT_EQ(ReadU32(block.data(), 36), GridKeyValue(0));
  EXPECT_EQ(static_cast<std::int16_t>(ReadU16(block.data(), 14)), -1);
}

TEST_F(GridFormsTest, RecordParametersKeepAKeyInItsFirstRowOnly) {
  Block block(kRecordParmSize, 0);
  WriteU32(block.data(), 14, GridKeyValue(2));                     // "3" accepted
  WriteU32(block.data(), 30, GridKeyValue(2) | GridKeyValue(3));   // and aborted; "4" aborted
  WriteU32(block.data(), 18, GridKeyValue(4));                     // "5" listens
  WriteU32(block.data(), 4, GridKeyValue(11));                     // "#" terminates
  WriteU16(block.data(), 34, static_cast<std::uint16_t>(-1));
  TRecParmForm form(nullptr, kRecordParmResource, block.data(), false);
  Run(form, [&](HWND dialog) {
    EXPECT_TRUE(IsChecked(dialog, 403));
    EXPECT_FALSE(IsChecked(dialog, 503));
    EXPECT_TRUE(IsChecked(dialog, 504));
    EXPECT_TRUE(IsChecked(dialog, 421));
    EXPECT_TRUE(IsChecked(dialog, 467));    // "1": ignored
    EXPECT_TRUE(IsChecked(dialog, 497));
    EXPECT_EQ(Text(dialog, 572), "-1");
    Click(dialog, 486);                     // "1" terminates too
    SaveWindowPicture(dialog, "form_recparm");
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(ReadU32(block.data(), 14), GridKeyValue(2));
  EXPECT_EQ(ReadU32(block.data(), 30), GridKeyValue(3));
  EXPECT_EQ(ReadU32(block.data(), 18), GridKeyValue(4));
  EXPECT_EQ(ReadU32(block.data(), 4), GridKeyValue(11) | GridKeyValue(0));

  const Block kept = block;
  TRecParmForm readOnly(nullptr, kRecordParmResource, block.data(), true);
  Run(readOnly, [&](HWND dialog) {
    EXPECT_FALSE(Enabled(dialog, IDOK));
    Click(dialog, 401);
    PostClick(dialog, IDCANCEL);
  });
  EXPECT_EQ(block, kept);
}

TEST_F(GridFormsTest, MultipleMessagesRowsPlayOrderAndCount) {
  const struct {
    const char* count;
    bool accepted;
  } cases[] = {{"-1", true}, {"-2", false}, {"Counter", false}};
  for (const auto& c : cases) {
    Block block(kMultiMailSize, 0);
    WriteU32(block.data(), 4, GridKeyValue(0));      // "1" again
    WriteU32(block.data(), 28, GridKeyValue(0) | GridKeyValue(1));   // and exit; "2" exits
    WriteU16(block.data(), 46, 5);
    const Block before = block;
    faults.presenter.Clear();
    TMulParmForm form(nullptr, kMultiMailResource, block.data(), false);
    Run(form, [&](HWND dialog) {
      EXPECT_TRUE(IsChecked(dialog, 601));
      EXPECT_FALSE(IsChecked(dialog, 601 + 12 * 6));
      EXPECT_TRUE(IsChecked(dialog, 602 + 12 * 6));
      EXPECT_TRUE(IsChecked(dialog, 603 + 12 * 10));   // "3" ignored
      for (int i = 0; i < 7; ++i) EXPECT_FALSE(IsChecked(dialog, 733 + i));   // play order 0: none
      if (c.accepted) SaveWindowPicture(dialog, "form_mulparm");
      SetText(dialog, 571, c.count);
      PostClick(dialog, IDOK);
      if (!c.accepted) {
        PumpUntil([&] { return !faults.presenter.Boxes().empty(); }, 2000);
        PostClick(dialog, IDCANCEL);
      }
    });
    if (!c.accepted) {
      EXPECT_EQ(block, before) << c.count;
      continue;
    }
    EXPECT_EQ(ReadU32(block.data(), 4), GridKeyValue(0));
    EXPECT_EQ(ReadU32(block.data(), 28), GridKeyValue(1));
    EXPECT_EQ(ReadU16(block.data(), 44), 0);
    EXPECT_EQ(static_cast<std::int16_t>(ReadU16(block.data(), 46)), -1);
  }
}

TEST_F(GridFormsTest, ToneKeysUseTheirOwnBitsAndAcceptWhatNoMaskHolds) {
  Block block(kToneParmSize, 0);
  WriteU32(block.data(), 6, 0x200 | 0x8000);   // "*" and "D" ignored
  WriteU32(block.data(), 10, 0x400);           // "0" terminates
  WriteU32(block.data(), 14, 0x400 | 0x1);     // "0" also terminates and saves; "1" too
  WriteU16(block.data(), 0, 1);
  TToneParmForm form(nullptr, kToneParmResource, block.data(), false);
  Run(form, [&](HWND dialog) {
    EXPECT_TRUE(IsChecked(dialog, 417 + 10));   // "*"
    EXPECT_TRUE(IsChecked(dialog, 417 + 15));   // "D"
    EXPECT_TRUE(IsChecked(dialog, 433 + 9));    // "0": terminate wins
    EXPECT_TRUE(IsChecked(dialog, 449 + 0));    // "1"
    EXPECT_TRUE(IsChecked(dialog, 401 + 1));    // "2": accepted
    EXPECT_TRUE(IsChecked(dialog, 465));
    Click(dialog, 465);
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(ReadU16(block.data(), 0), 0);
  EXPECT_EQ(ReadU32(block.data(), 6), 0x200u | 0x8000u);
  EXPECT_EQ(ReadU32(block.data(), 10), 0x400u);
  EXPECT_EQ(ReadU32(block.data(), 14), 0x1u);
  EXPECT_EQ(ReadU32(block.data(), 2), 0xFFFFu & ~(0x200u | 0x8000u | 0x400u | 0x1u));

  TToneParmForm constant(nullptr, kToneParmResource, block.data(), true);
  Run(constant, [&](HWND dialog) {
    EXPECT_FALSE(Enabled(dialog, IDOK));
    PostClick(dialog, IDCANCEL);
  });
}

}  // namespace
}  // namespace zeph::test
