// The small parameter-record forms under Wine: typed values against their ranges, the
// radios and options, the address filter's "all" box and help, the message keys, and
// the read-only flag.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/win32/paramforms.h"
#include "forms_testutil.h"
#include "forms_win32_testutil.h"
#include "foundation/kvbasedlghelp.h"

namespace zeph::test {
namespace {

using Block = std::vector<unsigned char>;

class ParamFormsTest : public FormWindowFixture {
 protected:
  static bool IsChecked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
  static void Click(HWND dialog, int id) { ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
};

using MakeForm = std::function<std::unique_ptr<TBlockForm>(unsigned char*)>;

TEST_F(ParamFormsTest, TypedValuesAgainstTheirRanges) {
  const MakeForm play = [](unsigned char* b) { return std::make_unique<TPlayParm>(nullptr, kPlayParmResource, b, false); };
  const MakeForm speech = [](unsigned char* b) { return std::make_unique<TPlaySParm>(nullptr, kPlaySParmResource, b); };
  const MakeForm menu = [](unsigned char* b) { return std::make_unique<TMenuParmForm>(nullptr, kMenuParmResource, b, false); };
  const MakeForm vrec = [](unsigned char* b) { return std::make_unique<TVRecParmForm>(nullptr, kVRecParmResource, b, false); };
  const MakeForm entryS = [](unsigned char* b) { return std::make_unique<TEntrySParm>(nullptr, kEntrySParmResource, b); };
  const struct {
    const char* what;
    const MakeForm* make;
    int size;
    int edit;
    const char* text;
    int offset;   // -1: refused
    int width;
    std::int32_t stored;
  } cases[] = {
      {"skip forward", &play, kPlayParmSize, 601, "1000001", -1, 4, 0},
      {"skip forward", &play, kPlayParmSize, 601, "1000000", 0, 4, 1000000},
      {"skip backward", &play, kPlayParmSize, 602, "1000001", 4, 4, 1000001},
      {"command to backward", &speech, kPlaySParmSize, 605, "9", 18, 2, 9},
      {"command to top", &speech, kPlaySParmSize, 606, "7", 14, 2, 7},
      {"no answers", &menu, kMenuParmSize, 471, "32768", -1, 2, 0},
      {"no answers", &menu, kMenuParmSize, 471, "-1", 2, 2, -1},
      {"no answers", &menu, kMenuParmSize, 471, "Counter", -1, 2, 0},
      {"time between", &menu, kMenuParmSize, 472, "2147483647", 6, 4, 2147483647},
      {"vrec no answers", &vrec, kVRecParmSize, 601, "-1", 0, 2, -1},
      {"vrec no answers", &vrec, kVRecParmSize, 601, "-2", -1, 2, 0},
      {"vrec wrong answers", &vrec, kVRecParmSize, 603, "32768", -1, 2, 0},
      {"vrec wait", &vrec, kVRecParmSize, 602, "4000", 4, 4, 4000},
      {"confidence", &entryS, kEntrySParmSize, 601, "-1", -1, 4, 0},
      {"subvocabulary", &entryS, kEntrySParmSize, 604, "12", 10, 2, 12},
  };
  ASSERT_NE(AddVariable(t, "Counter", kTypeInteger), nullptr);
  for (const auto& c : cases) {
    Block block(static_cast<std::size_t>(c.size), 0);
    const Block before = block;
    faults.presenter.Clear();
    auto form = (*c.make)(block.data());
    const int result = Run(*form, [&](HWND dialog) {
      SetText(dialog, c.edit, c.text);
      PostClick(dialog, IDOK);
      if (c.offset < 0) {
        PumpUntil([&] { return !faults.presenter.Boxes().empty(); }, 2000);
        EXPECT_TRUE(::IsWindow(dialog)) << c.what << " " << c.text;
        PostClick(dialog, IDCANCEL);
      }
    });
    if (c.offset < 0) {
      EXPECT_EQ(result, IDCANCEL) << c.what << " " << c.text;
      EXPECT_EQ(block, before) << c.what << " " << c.text;
      continue;
    }
    EXPECT_EQ(result, IDOK) << c.what << " " << c.text;
    const std::int32_t stored = c.width == 2 ? static_cast<std::int16_t>(ReadU16(block.data(), c.offset))
                                             : static_cast<std::int32_t>(ReadU32(block.data(), c.offset));
    EXPECT_EQ(stored, c.stored) << c.what << " " << c.text;
  }
}

TEST_F(ParamFormsTest, ChoicesAndOptions) {
  Block speech(kPlaySParmSize, 0);
  WriteU16(speech.data(), 12, 5);
  TPlaySParm playS(nullptr, kPlaySParmResource, speech.data());
  Run(playS, [&](HWND dialog) {
    EXPECT_FALSE(IsChecked(dialog, 701));
    EXPECT_TRUE(IsChecked(dialog, 702));
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(ReadU16(speech.data(), 12), 1);

  Block menuS(kMenuSParmSize, 0);
  WriteU16(menuS.data(), 16, 1);
  WriteU16(menuS.data(), 14, 1);
  TMenuSParm menuForm(nullptr, kMenuSParmResource, menuS.data());
  Run(menuForm, [&](HWND dialog) {
    EXPECT_TRUE(IsChecked(dialog, 702));
    EXPECT_TRUE(IsChecked(dialog, 442));
    Click(dialog, 701);
    Click(dialog, 441);
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(ReadU16(menuS.data(), 16), 0);
  EXPECT_EQ(ReadU16(menuS.data(), 12), 1);

  Block other(kOtherParmSize, 0);
  WriteU32(other.data(), 0, 0x80 | 0x4 | 0x1);
  TOtherParm otherForm(nullptr, kOtherParmResource, other.data());
  Run(otherForm, [&](HWND dialog) {
    EXPECT_TRUE(IsChecked(dialog, 441));
    EXPECT_TRUE(IsChecked(dialog, 443));
    EXPECT_FALSE(IsChecked(dialog, 442));
    Click(dialog, 445);
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(ReadU32(other.data(), 0), 0x15u);   // bit 7 dropped

  for (const std::uint16_t value : {std::uint16_t{1}, std::uint16_t{2}}) {
    Block menuK = {static_cast<unsigned char>(value), 0, 0xEE, 0xEE};   // two bytes past the value
    TMenuKParm menuKForm(nullptr, kMenuKParmResource, menuK.data(), kMenuKParmSize);
    Run(menuKForm, [&](HWND dialog) {
      EXPECT_EQ(IsChecked(dialog, 441), value == 1);
      PostClick(dialog, IDOK);
    });
    EXPECT_EQ(menuK, (Block{static_cast<unsigned char>(value == 1 ? 1 : 0), 0, 0xEE, 0xEE}));
  }

  Block play(kPlayParmSize, 0);
  TPlayParm readOnly(nullptr, kPlayParmResource, play.data(), true);
  Run(readOnly, [&](HWND dialog) {
    EXPECT_FALSE(Enabled(dialog, IDOK));
    PostClick(dialog, IDCANCEL);
  });
}

class RecordingHelp : public KvHelpEngine {
 public:
  bool Show(HWND, const char* path, UINT command, std::uintptr_t data) override {
    shown.push_back({path, command, data});
    return true;
  }
  struct Call {
    std::string path;
    UINT command;
    std::uintptr_t data;
  };
  std::vector<Call> shown;
};

TEST_F(ParamFormsTest, AddressFilterAllTypesAndHelp) {
  Block block(kAddrFilterSize, 0);
  for (int i = 0; i < 15; ++i) WriteU16(block.data(), 2 * i, 1);
  RecordingHelp help;
  KvSetHelpEngine(&help);
  TAdrTypeFilterDialog form(nullptr, kAddrFilterResource, block.data());
  Run(form, [&](HWND dialog) {
    EXPECT_TRUE(IsChecked(dialog, 441));
    EXPECT_TRUE(IsChecked(dialog, 450));
    EXPECT_FALSE(Enabled(dialog, 450));
    Click(dialog, 9);
    Click(dialog, 441);                      // off: all fifteen cleared and enabled
    EXPECT_FALSE(IsChecked(dialog, 442));
    EXPECT_TRUE(Enabled(dialog, 442));
    Click(dialog, 444);
    PostClick(dialog, IDOK);
  });
  KvSetHelpEngine(nullptr);
  ASSERT_EQ(help.shown.size(), 1u);
  EXPECT_NE(help.shown[0].path.find("pbhelp.hlp"), std::string::npos);
  EXPECT_EQ(help.shown[0].command, static_cast<UINT>(kKvHelpContext));
  EXPECT_EQ(help.shown[0].data, 10030u);
  for (int i = 0; i < 15; ++i) EXPECT_EQ(ReadU16(block.data(), 2 * i), i == 2 ? 1 : 0) << i;

  TAdrTypeFilterDialog all(nullptr, kAddrFilterResource, block.data());
  Run(all, [&](HWND dialog) {
    EXPECT_FALSE(IsChecked(dialog, 441));
    Click(dialog, 441);
    PostClick(dialog, IDOK);
  });
  for (int i = 0; i < 15; ++i) EXPECT_EQ(ReadU16(block.data(), 2 * i), 1) << i;
}

TEST_F(ParamFormsTest, MessageKeys) {
  const struct {
    std::uint32_t mask;
    int radio;
    bool keysEnabled;
  } cases[] = {{0x1FFFF, 191, false}, {0, 192, false}, {0x10001, 194, false}, {0x10400 | 0x10002, 193, true}};
  for (const auto& c : cases) {
    Block block(kMsgParmSize, 0);
    WriteU32(block.data(), 8, c.mask);
    WriteU16(block.data(), 6, 1);
    const Block before = block;
    TMsgParm form(nullptr, kMsgParmResource, block.data());
    Run(form, [&](HWND dialog) {
      for (int id = 191; id <= 194; ++id) EXPECT_EQ(IsChecked(dialog, id), id == c.radio) << c.mask;
      EXPECT_EQ(Enabled(dialog, 197), c.keysEnabled) << c.mask;
      if (c.radio == 193) {
        EXPECT_TRUE(IsChecked(dialog, 197));    // "0"
        EXPECT_TRUE(IsChecked(dialog, 198));    // "1"
        EXPECT_FALSE(IsChecked(dialog, 199));
      }
      EXPECT_TRUE(IsChecked(dialog, 196));
      PostClick(dialog, IDOK);
    });
    EXPECT_EQ(block, before) << c.mask;
  }

  Block block(kMsgParmSize, 0);
  InitMsgParmBlock(block.data());
  EXPECT_EQ(ReadU32(block.data(), 8), 0x1FFFFu);
  EXPECT_EQ(ReadU16(block.data(), 6), 1);
  TMsgParm form(nullptr, kMsgParmResource, block.data());
  Run(form, [&](HWND dialog) {
    Click(dialog, 193);
    EXPECT_TRUE(Enabled(dialog, 208));
    SaveWindowPicture(dialog, "form_msgparm");
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(ReadU32(block.data(), 8), 0u);   // "Selected" with no key
}

}  // namespace
}  // namespace zeph::test
