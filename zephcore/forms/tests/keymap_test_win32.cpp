// The key map dialog and the forms of exclusive key masks under Wine: the group boxes and
// their questions, the per-key question, Done and Cancel, and the masks a key map button
// leaves in the key play, record-voice and keypad entry parameters.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "forms/keys/keymasks.h"
#include "forms/win32/keymap.h"
#include "forms/win32/keymaskforms.h"
#include "forms_win32_testutil.h"

namespace zeph::test {
namespace {

using Block = std::vector<unsigned char>;

constexpr char kGroupQuestionDigits[] =
    "    Some of these keys are used by another mask.\n    Do you want to set new mask and disable old ?";
constexpr char kGroupQuestionOthers[] =
    "Some of these keys are used by another mask.\n Do you want to set this mask and disable old ?";
constexpr char kKeyQuestion[] = "This key is used by another mask.\n Do you want to set this mask and disable old ?";

int KeyBox(int bit) { return kKeyBoxBase + bit; }

class KeyMapTest : public FormWindowFixture {
 protected:
  static bool IsChecked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
  static void Click(HWND dialog, int id) { ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
  std::vector<std::string> Questions() const {
    std::vector<std::string> out;
    for (const auto& b : faults.presenter.Boxes()) {
      EXPECT_EQ(b.caption, kKeyUsedCaption);
      EXPECT_EQ(b.style, static_cast<std::uint32_t>(kKvMbYesNo | kKvMbIconQuestion));
      out.push_back(b.text);
    }
    return out;
  }
};

TEST_F(KeyMapTest, OpensOnTheMaskAndDoneWritesTheBoxes) {
  std::uint32_t mask = 0x1 | 0x4 | 0x10000 | 0x10000000;   // "1", "3", "SK1" and a bit of no key
  TKboardParm map(nullptr, kKeyMapResource, &mask, 0);
  Run(map, [&](HWND dialog) {
    for (int bit = 0; bit < keys::kKeyCountA; ++bit) EXPECT_EQ(IsChecked(dialog, KeyBox(bit)), bit == 0 || bit == 2 || bit == 16) << bit;
    for (int box : {kDigitsGroupBox, kLettersGroupBox, kSoftKeysGroupBox}) EXPECT_FALSE(IsChecked(dialog, box));
    SaveWindowPicture(dialog, "form_keymap");
    Click(dialog, KeyBox(2));    // "3" off
    Click(dialog, KeyBox(13));   // "B" on
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(mask, 0x1u | 0x2000u | 0x10000u);
  EXPECT_TRUE(faults.presenter.Boxes().empty());

  std::uint32_t kept = 0x5;
  TKboardParm cancelled(nullptr, kKeyMapResource, &kept, 0);
  Run(cancelled, [&](HWND dialog) {
    Click(dialog, kDigitsGroupBox);
    PostClick(dialog, IDCANCEL);
  });
  EXPECT_EQ(kept, 0x5u);
}

TEST_F(KeyMapTest, DigitsGroupAsksOnceWhenAnotherMaskUsesADigit) {
  for (const int answer : {IDYES, IDNO}) {
    faults.presenter.Clear();
    std::uint32_t mask = 0x1;
    TKboardParm map(nullptr, kKeyMapResource, &mask, 0x10);   // another mask holds "5"
    Run(map, [&](HWND dialog) {
      faults.presenter.Answer(answer);
      Click(dialog, kDigitsGroupBox);
      EXPECT_EQ(Questions(), std::vector<std::string>{kGroupQuestionDigits});
      for (int bit = 0; bit < 12; ++bit) EXPECT_EQ(IsChecked(dialog, KeyBox(bit)), answer == IDYES || bit == 0) << bit;
      EXPECT_EQ(IsChecked(dialog, kDigitsGroupBox), answer == IDYES);
      PostClick(dialog, IDOK);
    });
    EXPECT_EQ(mask, answer == IDYES ? 0xFFFu : 0x1u);
  }
}

TEST_F(KeyMapTest, GroupBoxesFallThroughAndKeepTheirKeysOnDone) {
  std::uint32_t mask = 0;
  TKboardParm map(nullptr, kKeyMapResource, &mask, 0x20000);   // "SK2" used elsewhere
  Run(map, [&](HWND dialog) {
    Click(dialog, kLettersGroupBox);   // no conflict: A-D checked without a question
    EXPECT_TRUE(faults.presenter.Boxes().empty());
    for (int bit = 12; bit < 16; ++bit) EXPECT_TRUE(IsChecked(dialog, KeyBox(bit)));
    Click(dialog, KeyBox(13));          // "B" off by hand
    faults.presenter.Answer(IDYES);
    Click(dialog, kSoftKeysGroupBox);
    EXPECT_EQ(Questions(), std::vector<std::string>{kGroupQuestionOthers});
    faults.presenter.Clear();
    Click(dialog, kDigitsGroupBox);     // digits, then A-D and soft keys again
    EXPECT_TRUE(IsChecked(dialog, KeyBox(13)));
    ASSERT_EQ(Questions().size(), 1u);  // the soft keys' conflict asks again (default: Yes)
    Click(dialog, KeyBox(3));           // "4" off by hand: the group box still adds it
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(mask, 0xFFFFFFFu);
}

TEST_F(KeyMapTest, AKeyThatAnotherMaskUsesAsksOnEveryClick) {
  std::uint32_t mask = 0;
  TKboardParm map(nullptr, kKeyMapResource, &mask, 0x10 | 0x2000);   // "5" and "B"
  Run(map, [&](HWND dialog) {
    faults.presenter.Answer(IDNO);
    Click(dialog, KeyBox(4));
    EXPECT_EQ(Questions(), std::vector<std::string>{kKeyQuestion});
    EXPECT_FALSE(IsChecked(dialog, KeyBox(4)));
    Click(dialog, KeyBox(0));            // a free key asks nothing
    EXPECT_EQ(Questions().size(), 1u);
    faults.presenter.Answer(IDYES);
    Click(dialog, KeyBox(13));
    EXPECT_EQ(Questions().size(), 2u);
    EXPECT_TRUE(IsChecked(dialog, KeyBox(13)));
    Click(dialog, KeyBox(13));           // unchecking asks nothing
    Click(dialog, KeyBox(13));           // checking it again asks again
    EXPECT_EQ(Questions().size(), 3u);
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(mask, 0x1u | 0x2000u);
}

TEST_F(KeyMapTest, PlayKeysButtonTakesKeysFromTheOtherMasks) {
  Block block(kPlayKParmSize, 0);
  WriteU32(block.data(), 4, 0x77777777);   // KeySkipTop: not shown, passes through
  WriteU32(block.data(), 34, 0x1 | 0x2 | 0x100);   // KeySpeedUp: "1", "2", "9"
  WriteU32(block.data(), 8, 0x4);                    // KeySkipForwL: "3"
  WriteU32(block.data(), 20, 0);                     // SemiIntTimeout 0: an empty edit
  TPlayKParm form(nullptr, kPlayKParmResource, block.data());
  Run(form, [&](HWND dialog) {
    EXPECT_EQ(Text(dialog, 604), "1,2,9");
    EXPECT_EQ(Text(dialog, 602), "3");
    EXPECT_EQ(Text(dialog, 612), "");
    EXPECT_FALSE(Enabled(dialog, 612));
    RunButtonDialog(dialog, 408, [&](HWND map) {   // KeyPause takes "1"-"3"
      faults.presenter.Answer(IDYES);
      faults.presenter.Answer(IDYES);
      Click(map, KeyBox(0));
      Click(map, KeyBox(1));
      Click(map, KeyBox(2));
      PostClick(map, IDOK);
    });
    EXPECT_EQ(Text(dialog, 608), "1-3");
    EXPECT_EQ(Text(dialog, 604), "9");
    EXPECT_EQ(Text(dialog, 602), "");
    EXPECT_EQ(form.Mask(0), ~(0x7u | 0x100u));
    Click(dialog, 442);
    EXPECT_TRUE(Enabled(dialog, 612));
    SetText(dialog, 612, "250");
    SaveWindowPicture(dialog, "form_playkparm");
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(ReadU32(block.data(), 50), 0x7u);
  EXPECT_EQ(ReadU32(block.data(), 34), 0x100u);
  EXPECT_EQ(ReadU32(block.data(), 8), 0u);
  EXPECT_EQ(ReadU32(block.data(), 0), ~(0x7u | 0x100u));
  EXPECT_EQ(ReadU32(block.data(), 4), 0x77777777u);
  EXPECT_EQ(ReadU32(block.data(), 16), 1u);
  EXPECT_EQ(ReadU32(block.data(), 20), 250u);
}

TEST_F(KeyMapTest, PlayKeysRefusedTimeoutWritesNothing) {
  Block block(kPlayKParmSize, 0);
  WriteU32(block.data(), 16, 1);
  WriteU32(block.data(), 20, 40);
  WriteU32(block.data(), 34, 0x1);
  const Block before = block;
  TPlayKParm form(nullptr, kPlayKParmResource, block.data());
  Run(form, [&](HWND dialog) {
    EXPECT_EQ(Text(dialog, 612), "40");
    RunButtonDialog(dialog, 402, [&](HWND map) {
      Click(map, KeyBox(0));   // "1" to the large skip forward (default answer Yes)
      PostClick(map, IDOK);
    });
    Click(dialog, 441);
    SetText(dialog, 612, "-5");
    PostClick(dialog, IDOK);
    PumpUntil([&] { return faults.presenter.Boxes().size() > 1; }, 2000);
    EXPECT_TRUE(::IsWindow(dialog));
    PostClick(dialog, IDCANCEL);
  });
  EXPECT_EQ(block, before);
}

TEST_F(KeyMapTest, RecordVoiceOptionsAndPosition) {
  Block block(kRecordVoiceSize, 0);
  WriteU32(block.data(), 4, 0x800);          // terminate on "#"
  WriteU32(block.data(), 34, 99);            // minimum length, its option off
  WriteU16(block.data(), 16, 7);             // an unknown position shows the first
  WriteU16(block.data(), 26, 1);             // terminate on silence on
  WriteU32(block.data(), 28, 3000);
  TRecordSmall form(nullptr, kRecordVoiceResource, block.data(), false);
  Run(form, [&](HWND dialog) {
    EXPECT_EQ(Text(dialog, 605), "#");
    EXPECT_EQ(Text(dialog, 601), "'0");
    EXPECT_FALSE(Enabled(dialog, 601));
    EXPECT_EQ(Text(dialog, 602), "3000");
    EXPECT_TRUE(Enabled(dialog, 602));
    EXPECT_EQ(Text(dialog, 603), "'0");
    EXPECT_TRUE(IsChecked(dialog, 702));
    Click(dialog, 444);                      // on: enabled, text kept
    EXPECT_TRUE(Enabled(dialog, 601));
    EXPECT_EQ(Text(dialog, 601), "'0");
    SetText(dialog, 601, "500");
    SetText(dialog, 603, "77");
    Click(dialog, 446);                      // on: zeroed
    EXPECT_EQ(Text(dialog, 603), "'0");
    Click(dialog, 445);                      // off: zeroed and disabled
    EXPECT_EQ(Text(dialog, 602), "'0");
    EXPECT_FALSE(Enabled(dialog, 602));
    Click(dialog, 704);
    SaveWindowPicture(dialog, "form_recordsmall");
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(ReadU32(block.data(), 22), 500u);
  EXPECT_EQ(ReadU32(block.data(), 28), 0u);
  EXPECT_EQ(ReadU32(block.data(), 34), 0u);
  EXPECT_EQ(ReadU16(block.data(), 20), 1);
  EXPECT_EQ(ReadU16(block.data(), 26), 0);
  EXPECT_EQ(ReadU16(block.data(), 32), 1);
  EXPECT_EQ(ReadU16(block.data(), 16), 2);
  EXPECT_EQ(ReadU32(block.data(), 4), 0x800u);

  TRecordSmall readOnly(nullptr, kRecordVoiceResource, block.data(), true);
  Run(readOnly, [&](HWND dialog) {
    EXPECT_FALSE(Enabled(dialog, IDOK));
    PostClick(dialog, IDCANCEL);
  });
}

TEST_F(KeyMapTest, EntryKeysAllZeroAndATermKey) {
  Block block(kEntryKSize, 0);
  WriteU32(block.data(), 4, 0x1);   // "1" accepted
  WriteU16(block.data(), 30, 1);
  TEntryKParm form(nullptr, kEntryKResource, block.data());
  Run(form, [&](HWND dialog) {
    for (int edit = 603; edit <= 608; ++edit) EXPECT_EQ(Text(dialog, edit), "") << edit;
    EXPECT_TRUE(IsChecked(dialog, 442));
    RunButtonDialog(dialog, 403, [&](HWND map) {   // "1" to the terminate keys
      faults.presenter.Answer(IDYES);
      Click(map, KeyBox(0));
      PostClick(map, IDOK);
    });
    EXPECT_EQ(Text(dialog, 602), "");
    EXPECT_EQ(Text(dialog, 603), "1");
    Click(dialog, 443);
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(ReadU32(block.data(), 4), 0u);
  EXPECT_EQ(ReadU32(block.data(), 8), 0x1u);
  EXPECT_EQ(ReadU32(block.data(), 0), ~0x1u);   // bits 28-31 too
  EXPECT_EQ(ReadU16(block.data(), 30), 1);
  EXPECT_EQ(ReadU16(block.data(), 32), 1);
}

}  // namespace
}  // namespace zeph::test
