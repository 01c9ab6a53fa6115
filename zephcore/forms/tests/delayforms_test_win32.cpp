// The delay-sequence forms under Wine: their templates, values given back unchanged, typed
// times and counts read whole, refusals that leave the block untouched, the prompts' field
// checks before any time is read, the pick buttons, a short block and the factory.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "forms/win32/delayforms.h"
#include "forms/win32/varpick.h"
#include "forms_testutil.h"
#include "forms_win32_testutil.h"

namespace zeph::test {
namespace {

using Block = std::vector<unsigned char>;

constexpr const char* kPrompts[] = {"Greeting", "Welcome back", "Goodbye", "Hold on", "Still there", "Last call"};

// A value of the type with every byte set; the prompts are texts the checks accept, each
// followed by zeros in its field.
Block Distinct(int size, int promptOffset, int timeOffset, int repeatOffset) {
  Block block(static_cast<std::size_t>(size));
  for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<unsigned char>(0x11 + 7 * i);
  for (int i = 0; i < 6; ++i) {
    unsigned char* field = block.data() + promptOffset + 50 * i;
    std::memset(field, 0, 50);
    std::memcpy(field, kPrompts[i], std::strlen(kPrompts[i]));
    if (timeOffset >= 0) WriteU32(block.data(), timeOffset + 4 * i, static_cast<std::uint32_t>(1000 * (i + 1) + i));
  }
  WriteU16(block.data(), repeatOffset, 321);
  return block;
}

Block Timed() { return Distinct(kDelaySequenceSize, 48, 0, 348); }
Block Untimed() { return Distinct(kErrDelaySequenceSize, 24, -1, 324); }

class DelayFormsTest : public FormWindowFixture {
 protected:
  void SetUp() override {
    FormWindowFixture::SetUp();
    ASSERT_NE(AddVariable(t, "Greeting", kTypeVoiceSentence), nullptr);
  }

  // Whether the box with the text was shown (empty caption, OK only).
  bool Shown(const std::string& text) const {
    for (const auto& box : faults.presenter.Boxes()) {
      if (box.text == text) return box.caption.empty() && (box.style & 0xF) == kKvMbOk;
    }
    return false;
  }
};

TEST_F(DelayFormsTest, OpensOnItsTemplateWithTheStoredValues) {
  Block timed = Timed();
  TDelaySequence form(nullptr, kDelaySequenceResource, timed.data());
  Run(form, [&](HWND dialog) {
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(Text(dialog, 601 + i), kPrompts[i]);
      EXPECT_EQ(Text(dialog, 607 + i), std::to_string(1000 * (i + 1) + i));
      EXPECT_NE(::GetDlgItem(dialog, 401 + i), nullptr);
    }
    EXPECT_EQ(Text(dialog, 613), "321");
    SaveWindowPicture(dialog, "form_delay_sequence");
    PostClick(dialog, IDCANCEL);
  });

  Block untimed = Untimed();
  TErrDelaySequence errForm(nullptr, kErrDelaySequenceResource, untimed.data());
  Run(errForm, [&](HWND dialog) {
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(Text(dialog, 601 + i), kPrompts[i]);
      EXPECT_NE(::GetDlgItem(dialog, 401 + i), nullptr);
    }
    EXPECT_EQ(Text(dialog, 607), "321");
    EXPECT_EQ(::GetDlgItem(dialog, 608), nullptr);
    PostClick(dialog, IDCANCEL);
  });
  EXPECT_TRUE(faults.presenter.Boxes().empty());
}

TEST_F(DelayFormsTest, DoneGivesEveryByteBack) {
  for (const bool timedKind : {true, false}) {
    Block block = timedKind ? Timed() : Untimed();
    const Block before = block;
    std::unique_ptr<TBlockForm> form =
        MakeDelaySequenceForm(nullptr, timedKind ? kDelaySequenceType : kErrDelaySequenceType, block.data(),
                              static_cast<int>(block.size()));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(Run(*form, [&](HWND dialog) { PostClick(dialog, IDOK); }), IDOK);
    EXPECT_EQ(block, before) << timedKind;
  }
  EXPECT_TRUE(faults.presenter.Boxes().empty());
  EXPECT_EQ(MakeDelaySequenceForm(nullptr, 47, nullptr, 0), nullptr);
}

TEST_F(DelayFormsTest, TypedTimesAndCounts) {
  const struct {
    bool timedKind;
    int edit;
    const char* text;
    int offset;             // -1: refused with the message
    int width;
    std::int32_t stored;
    const char* message;
  } cases[] = {
      {true, 607, "007", 0, 4, 7, nullptr},
      {true, 608, "000", 4, 4, 0, nullptr},
      {true, 609, "12x", 8, 4, 12, nullptr},
      {true, 610, "1000", 12, 4, 1000, nullptr},
      {true, 612, "2147483647", 20, 4, 2147483647, nullptr},
      {true, 607, "abc", -1, 4, 0, "Invalid Timeout1 Entry"},
      {true, 611, "", -1, 4, 0, "Invalid Timeout5 Entry"},
      {true, 612, "2147483648", -1, 4, 0, "Invalid Timeout6 Entry"},
      {true, 613, "0", 348, 2, 0, nullptr},
      {true, 613, "32767", 348, 2, 32767, nullptr},
      {true, 613, "32768", -1, 2, 0, "Invalid Repeat1 Entry"},
      {true, 613, "x", -1, 2, 0, "Invalid Repeat1 Entry"},
      {false, 607, "0042", 324, 2, 42, nullptr},
      {false, 607, "-1", -1, 2, 0, "Invalid Repeat1 Entry"},
  };
  for (const auto& c : cases) {
    Block block = c.timedKind ? Timed() : Untimed();
    const Block before = block;
    faults.presenter.Clear();
    std::unique_ptr<TBlockForm> form =
        MakeDelaySequenceForm(nullptr, c.timedKind ? kDelaySequenceType : kErrDelaySequenceType, block.data(),
                              static_cast<int>(block.size()));
    const int result = Run(*form, [&](HWND dialog) {
      SetText(dialog, 601, "Greeting");
      SetText(dialog, c.edit, c.text);
      PostClick(dialog, IDOK);
      if (c.offset < 0) {
        PumpUntil([&] { return !faults.presenter.Boxes().empty(); }, 2000);
        EXPECT_TRUE(::IsWindow(dialog)) << c.text;
        PostClick(dialog, IDCANCEL);
      }
    });
    if (c.offset < 0) {
      EXPECT_EQ(result, IDCANCEL) << c.text;
      EXPECT_EQ(block, before) << c.text;
      EXPECT_TRUE(Shown(c.message)) << c.text;
      continue;
    }
    EXPECT_EQ(result, IDOK) << c.text;
    const std::int32_t stored = c.width == 2 ? static_cast<std::int16_t>(ReadU16(block.data(), c.offset))
                                             : static_cast<std::int32_t>(ReadU32(block.data(), c.offset));
    EXPECT_EQ(stored, c.stored) << c.text;
    Block expected = before;
    std::memcpy(expected.data() + c.offset, block.data() + c.offset, static_cast<std::size_t>(c.width));
    EXPECT_EQ(block, expected) << c.text;   // nothing else moved
    EXPECT_TRUE(faults.presenter.Boxes().empty()) << c.text;
  }
}

TEST_F(DelayFormsTest, ALaterRefusalStoresNothingOfTheEarlierFields) {
  Block block = Timed();
  const Block before = block;
  TDelaySequence form(nullptr, kDelaySequenceResource, block.data());
  Run(form, [&](HWND dialog) {
    SetText(dialog, 602, "Greeting");
    SetText(dialog, 607, "5");
    SetText(dialog, 608, "6");
    SetText(dialog, 613, "none");
    PostClick(dialog, IDOK);
    PumpUntil([&] { return !faults.presenter.Boxes().empty(); }, 2000);
    // Mended and Done: every change is stored at once.
    SetText(dialog, 613, "2");
    PostClick(dialog, IDOK);
  });
  EXPECT_TRUE(Shown("Invalid Repeat1 Entry"));
  Block expected = before;
  std::memset(expected.data() + 98, 0, 50);
  std::memcpy(expected.data() + 98, "Greeting", 8);
  WriteU32(expected.data(), 0, 5);
  WriteU32(expected.data(), 4, 6);
  WriteU16(expected.data(), 348, 2);
  EXPECT_EQ(block, expected);
}

TEST_F(DelayFormsTest, PromptsAreCheckedBeforeAnyTime) {
  const std::string tooLong(49, 'p');
  const struct {
    const char* prompt;
    bool refused;
  } cases[] = {{tooLong.c_str(), true}, {"", false}, {"'Quoted text", false}, {"greeting", false}};
  for (const auto& c : cases) {
    Block block = Timed();
    const Block before = block;
    faults.presenter.Clear();
    TDelaySequence form(nullptr, kDelaySequenceResource, block.data());
    const int result = Run(form, [&](HWND dialog) {
      SetText(dialog, 604, c.prompt);
      if (c.refused) {
        SetText(dialog, 607, "not a time");
        PostClick(dialog, IDOK);
        PumpUntil([&] { return !faults.presenter.Boxes().empty(); }, 2000);
        PostClick(dialog, IDCANCEL);
      } else {
        PostClick(dialog, IDOK);
      }
    });
    if (c.refused) {
      EXPECT_EQ(result, IDCANCEL) << c.prompt;
      EXPECT_EQ(block, before) << c.prompt;
      ASSERT_EQ(faults.presenter.Boxes().size(), 1u) << c.prompt;
      EXPECT_NE(faults.presenter.Boxes()[0].text.find("Field: 4th "), std::string::npos);
      continue;
    }
    EXPECT_EQ(result, IDOK) << c.prompt;
    const char* stored = reinterpret_cast<const char*>(block.data() + 48 + 150);
    EXPECT_STREQ(stored, c.prompt);
  }
}

TEST_F(DelayFormsTest, PickButtonsAskForAVoiceSentenceOfTheirOwnPrompt) {
  Block block = Untimed();
  TErrDelaySequence form(nullptr, kErrDelaySequenceResource, block.data());
  Run(form, [&](HWND dialog) {
    SetText(dialog, 605, "greeting");
    ::PostMessageA(dialog, kMsgClosePicker, 1, 0);
    ::SendMessageA(::GetDlgItem(dialog, 405), BM_CLICK, 0, 0);
    EXPECT_EQ(form.OpenPicker(), nullptr);
    EXPECT_EQ(Text(dialog, 605), "Greeting");
    EXPECT_EQ(Text(dialog, 604), kPrompts[3]);
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(form.Request().Allowed2, kVoiceSentenceTypes2);   // the shared handler's sentence kinds
  EXPECT_EQ(form.Request().Allowed1, 0u);
  EXPECT_STREQ(reinterpret_cast<const char*>(block.data() + 24 + 200), "Greeting");
}

TEST_F(DelayFormsTest, AShortBlockIsReportedAndNotRun) {
  for (const bool timedKind : {true, false}) {
    // The older layouts (360 and 336 bytes) still hold every field the forms use.
    Block older(timedKind ? 360 : 336, 0);
    EXPECT_TRUE(MakeDelaySequenceForm(nullptr, timedKind ? 48 : 49, older.data(), static_cast<int>(older.size()))->Usable());
    Block block(timedKind ? 349 : 325, 0x5A);
    const Block before = block;
    std::unique_ptr<TBlockForm> form =
        MakeDelaySequenceForm(nullptr, timedKind ? 48 : 49, block.data(), static_cast<int>(block.size()));
    EXPECT_FALSE(form->Usable());
    EXPECT_EQ(form->Execute(), IDCANCEL);
    EXPECT_EQ(block, before);
  }
  EXPECT_EQ(faults.Assertions().size(), 2u);
}

}  // namespace
}  // namespace zeph::test
