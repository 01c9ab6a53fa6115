// The block-details report: font height, value texts by lookup mode, line layout with
// cuts, splits and page breaks, and whole blocks of a program.
#include "editors/reports/parmreport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "editors/reports/parmvalues.h"
#include "model/pbentry_combo.h"
#include "reporttest_util.h"
#include "testprinter.h"

namespace zeph {
namespace {

using test::DrawnText;
using test::TestPrinter;

TEST(ParmReportFont, HeightFollowsThePage) {
  const struct {
    int page, height;
  } cases[] = {{6150, 82}, {3000, 40}, {6232, 82}, {6068, 82}, {6314, 84}, {5986, 79}, {0, 0}};
  for (const auto& c : cases) EXPECT_EQ(ParmReportFontHeight(c.page), c.height) << c.page;
}

TEST(ParmLookupNumber, ItemNamesCountAsTheirNumber) {
  const struct {
    const char* text;
    bool numeric;
    int number;
  } cases[] = {{"v0042", true, 42}, {"f7", true, 7}, {"0042", true, 42}, {"", true, 0},
               {"12a", false, 0},   {"v", false, 0}, {"Greeting", false, 0}, {"99999999999", false, 0}};
  for (const auto& c : cases) {
    int n = -1;
    EXPECT_EQ(LookupNumber(c.text, n), c.numeric) << c.text;
    if (c.numeric) {
      EXPECT_EQ(n, c.number) << c.text;
    }
  }
}

PBFieldDef Field(const char* name, int ui, int radios = 0, const char* names = nullptr) {
  PBFieldDef f;
  std::strncpy(f.Name, name, sizeof f.Name - 1);
  f.UIElement = static_cast<std::uint8_t>(ui);
  f.NumRadioInArray = static_cast<std::int8_t>(radios);
  f.RadioNames = names;
  return f;
}

TEST(ParmValueText, EachKindAndLookupMode) {
  ComboStruct languages[] = {{0, "English"}, {1, "French"}, {kComboEnd, nullptr}};
  ComboStruct prompts[] = {{9, "Goodbye"}, {3, "Welcome"}, {kComboEnd, nullptr}};
  ComboStruct restrictions[] = {{4, "Local only"}, {kComboEnd, nullptr}};
  ComboStruct voice[] = {{42, "Greeting"}, {kComboEnd, nullptr}};
  ComboStruct fax[] = {{7, "Price list"}, {kComboEnd, nullptr}};
  ComboStruct* all[5] = {languages, prompts, restrictions, voice, fax};
  ComboStruct* none[5] = {};

  const PBFieldDef check = Field("Hang up", scribe::kUICheckBox);
  const PBFieldDef radio = Field("Mode", scribe::kUIRadioGroup, -2, "Fast|Slow");
  const PBFieldDef language = Field("Language", scribe::kUIRadioGroup, -3, "A|B|C");
  const PBFieldDef promptType = Field("Prompt Type Selected", scribe::kUIRadioGroup, -2);
  const PBFieldDef systemPrompt = Field("System prompt", scribe::kUIRadioGroup, -9);
  const PBFieldDef plainEdit = Field("Digits", scribe::kUIEdit);
  const PBFieldDef faxItem = Field("Fax Item", scribe::kUIEdit);
  const PBFieldDef restriction = Field("Restriction/permission list", scribe::kUIEdit);
  const PBFieldDef password = Field("Old Password Entry", scribe::kUIEdit);
  const PBFieldDef menu = Field("Menu choices", scribe::kUIEdit);
  const PBFieldDef greeting = Field("Thru-Dial greeting", scribe::kUIEdit);
  const PBFieldDef custom = Field("Custom voice file", scribe::kUIEdit);
  const PBFieldDef skipped = Field("Hidden", scribe::kUISkipped);

  const struct {
    const PBFieldDef* field;
    int number;
    const char* text;
    int mode;
    bool tables;
    const char* expected;
  } cases[] = {
      {&check, 1, "", 0, true, "Enabled"},
      {&check, 0, "", 0, true, "Disabled"},
      {&radio, 2, "", 0, true, "Slow"},
      {&radio, -1, "", 0, true, "Fast"},
      {&radio, 0, "", 0, true, ""},
      {&radio, 3, "", 0, true, ""},
      {&radio, 0, "", 4, true, ""},
      {&language, 2, "", 1, true, "French"},
      {&language, 0, "", 1, true, "No language selected"},
      {&language, 5, "", 1, true, "No language selected"},
      {&language, 2, "", 1, false, ""},
      {&promptType, 1, "", 3, true, "Custom voice file"},
      {&promptType, 2, "", 3, true, "System prompt"},
      {&promptType, 0, "", 3, true, ""},
      {&systemPrompt, 2, "", 3, true, "Welcome"},
      {&systemPrompt, -1, "", 3, true, "Goodbye"},
      {&systemPrompt, 2, "", 3, false, ""},
      {&radio, 2, "", 3, true, ""},
      {&plainEdit, 0, "'1234", 0, true, "1234"},
      {&plainEdit, 0, "Amount", 2, true, "Amount"},
      {&faxItem, 0, "f7", 7, true, "Price list"},
      {&faxItem, 0, "8", 7, true, "8"},
      {&faxItem, 0, "0", 7, true, "No fax selected"},
      {&faxItem, 0, "7", 7, false, "No fax selected"},
      {&faxItem, 0, "7", 6, true, "7"},
      {&restriction, 0, "4", 2, true, "Local only"},
      {&restriction, 0, "0", 2, true, "None Selected"},
      {&restriction, 0, "4", 3, true, "4"},
      {&password, 0, "'1234", 3, true, "******"},
      {&password, 0, "", 5, true, ""},
      {&password, 0, "1234", 6, true, "1234"},
      {&menu, 0, "5000", 4, true, "Default Prompt"},
      {&menu, 0, "0", 4, true, "None Selected"},
      {&menu, 0, "v0042", 4, true, "Greeting"},
      {&menu, 0, "43", 4, true, "43"},
      {&menu, 0, "42", 4, false, ""},
      {&menu, 0, "42", 5, true, "42"},
      {&menu, 0, "MenuVar", 4, true, "MenuVar"},
      {&greeting, 0, "42", 2, true, "Greeting"},
      {&custom, 0, "'0042", 3, true, "Greeting"},
      {&skipped, 0, "x", 0, true, "????????"},
  };
  for (const auto& c : cases) {
    ReportField field;
    field.Def = c.field;
    field.Number = c.number;
    field.Text = c.text;
    EXPECT_EQ(ParmValueText(field, c.mode, c.tables ? all : none), c.expected)
        << c.field->Name << " " << c.number << " '" << c.text << "' mode " << c.mode;
  }
}

// A page of 2400 x 3000 with the report font of that page: height 40, characters 20
// wide, lines 44 high; the bottom limit lies at 3000 - 176.
class ParmLayout : public ::testing::Test {
 protected:
  ParmLayout() {
    printer.UseFont(printer.MakeFont(ReportFont{"Helv", ParmReportFontHeight(3000), 400, false}));
  }
  TestPrinter printer{2400, 3000};
  static constexpr int kLine = 44;
};

TEST_F(ParmLayout, ColumnsFollowTheFont) {
  ParmReportWriter writer(printer, printer, 1);
  EXPECT_EQ(writer.LineHeight(), kLine);
  EXPECT_EQ(writer.LabelX(), 4 * kLine);
  EXPECT_EQ(writer.ValueX(), 35 * 20 + 4 * kLine);
}

TEST_F(ParmLayout, TextWithoutBlanksIsCutAtTheComputedWidth) {
  ParmReportWriter writer(printer, printer, 1);
  std::string text;
  for (int i = 0; i < 300; ++i) text += static_cast<char>('a' + i % 26);
  int y = 100;
  ASSERT_TRUE(writer.PrintText(writer.LabelX(), y, text, true));
  // (2400 - 8 * 44) / 20 - 10 = 92 characters a piece.
  const std::vector<std::string> drawn = printer.PageTexts(0);
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_EQ(drawn[0], text.substr(0, 92));
  EXPECT_EQ(drawn[1], text.substr(92, 92));
  EXPECT_EQ(drawn[2], text.substr(184, 92));
  EXPECT_EQ(drawn[3], text.substr(276));
  EXPECT_EQ(y, 100 + 4 * 40);
}

TEST_F(ParmLayout, EmptyTextOnlyAdvancesWhenAsked) {
  ParmReportWriter writer(printer, printer, 1);
  int y = 100;
  EXPECT_TRUE(writer.PrintText(0, y, "", false));
  EXPECT_EQ(y, 100);
  EXPECT_TRUE(writer.PrintText(0, y, "", true));
  EXPECT_EQ(y, 100 + kLine);
  EXPECT_TRUE(printer.texts.empty());
}

TEST_F(ParmLayout, TextRunningPastTheBottomIsSplitAtWordsOntoTheNextPage) {
  ParmReportWriter writer(printer, printer, 7);
  std::string text;
  for (int i = 0; i < 120; ++i) text += (i ? " w" : "w") + std::to_string(i);
  int y = 3000 - 4 * kLine - 2 * 40 - 5;   // room for two wrapped lines above the limit
  ASSERT_TRUE(writer.PrintText(writer.LabelX(), y, text, true));

  // The first page: two lines of words, its frame and footer.
  ASSERT_EQ(printer.frames.size(), 1u);
  EXPECT_EQ(printer.frames[0].Page, 0);
  EXPECT_EQ(printer.frames[0].Left, 2 * kLine);
  EXPECT_EQ(printer.frames[0].Bottom, 3000 - 2 * kLine);
  const std::vector<std::string> first = printer.PageTexts(0);
  ASSERT_EQ(first.size(), 3u);
  EXPECT_EQ(first.back(), "Page 7");
  const DrawnText& footer = printer.texts[2];
  EXPECT_EQ(footer.Y, 3000 - 3 * kLine);
  EXPECT_EQ(footer.X, (2400 - 6 * 20) / 2);
  EXPECT_EQ(printer.endPages, 1);
  EXPECT_EQ(printer.newPages, 1);
  EXPECT_EQ(writer.Page(), 8);

  // The rest from the top of the next page; no word lost or repeated.
  const std::vector<std::string> second = printer.PageTexts(1);
  ASSERT_FALSE(second.empty());
  const DrawnText* top = nullptr;
  for (const DrawnText& t : printer.texts) {
    if (t.Page == 1) {
      top = &t;
      break;
    }
  }
  EXPECT_EQ(top->Y, 4 * kLine);
  std::string joined = first[0] + " " + first[1];
  for (const std::string& line : second) joined += " " + line;
  EXPECT_EQ(joined, text);
}

TEST_F(ParmLayout, UnbreakableTextNearTheBottomStartsANewPage) {
  ParmReportWriter writer(printer, printer, 1);
  int y = 3000 - 4 * kLine - 20;
  ASSERT_TRUE(writer.PrintText(writer.ValueX(), y, "Unbreakable", true));
  EXPECT_EQ(printer.PageTexts(0), std::vector<std::string>{"Page 1"});
  EXPECT_EQ(printer.PageTexts(1), std::vector<std::string>{"Unbreakable"});
  EXPECT_EQ(y, 4 * kLine + 40);
}

TEST_F(ParmLayout, RefusedPageEndsTheDrawing) {
  printer.refuseNewPageAfter = 0;
  ParmReportWriter writer(printer, printer, 3);
  int y = 3000 - 4 * kLine - 20;
  EXPECT_FALSE(writer.PrintText(0, y, "one two three four", true));
  EXPECT_FALSE(writer.Alive());
  const std::size_t drawn = printer.texts.size();
  EXPECT_FALSE(writer.PrintText(0, y, "more", true));
  EXPECT_EQ(printer.texts.size(), drawn);
  EXPECT_EQ(printer.PageTexts(0).back(), "Page 3");
}

class ParmBlocks : public test::ReportProgram {
 protected:
  ~ParmBlocks() override { SetComboMode(0); }
  TestPrinter printer{4800, 6150};
};

TEST_F(ParmBlocks, FieldsPrintAsLabelAndValueLines) {
  PBInstance& block = Block("Ask", "xHangUp|rMode:radio=Fast/Slow|eDigits:int");
  Set(block, "HangUp", "1");
  Set(block, "Mode", "2");
  Set(block, "Digits", "'12");
  int y = 500;
  int page = 4;
  PrintAppPBParms("Ask", printer, printer, *program, y, page);
  EXPECT_EQ(printer.PageTexts(0), (std::vector<std::string>{"HangUp", "Enabled", "Mode", "Slow", "Digits", "12"}));
  // The font of a 6150-unit page, chosen for the call and given back after it.
  ASSERT_EQ(printer.fonts.size(), 1u);
  EXPECT_EQ(printer.fonts[0].Height, 82);
  EXPECT_EQ(printer.fonts[0].Face, "Helv");
  EXPECT_EQ(printer.current, 0);
  EXPECT_EQ(printer.deleted, std::vector<int>{1});
  EXPECT_EQ(printer.texts[0].X, 4 * 90);           // lines of 82 + 8
  EXPECT_EQ(printer.texts[1].X, 35 * 41 + 4 * 90);
  EXPECT_EQ(printer.texts[1].Y, printer.texts[0].Y);
  EXPECT_EQ(y, 500 + 3 * 82);
  EXPECT_EQ(page, 4);
}

TEST_F(ParmBlocks, UnknownNameAndEmptyTable) {
  Block("Empty", "");
  int y = 300;
  int page = 1;
  PrintAppPBParms("Missing", printer, printer, *program, y, page);
  EXPECT_EQ(printer.PageTexts(0), std::vector<std::string>{"Unknown"});
  EXPECT_EQ(y, 300);
  PrintAppPBParms("Empty", printer, printer, *program, y, page);
  EXPECT_EQ(printer.PageTexts(0), (std::vector<std::string>{"Unknown", "None"}));
}

TEST_F(ParmBlocks, LookupModeServesOneBlockAndPageScopeIsRestored) {
  PBInstance& block = Block("Menu", "eMenu choices:int");
  Set(block, "Menu choices", "5000");
  ComboStruct voice[] = {{42, "Greeting"}, {kComboEnd, nullptr}};
  SetupComboStrings(4, nullptr, nullptr, nullptr, voice, nullptr);
  program->Symbols().SymbolPageCheck = 1;
  int y = 300;
  int page = 1;
  PrintAppPBParms("Menu", printer, printer, *program, y, page);
  PrintAppPBParms("Menu", printer, printer, *program, y, page);
  EXPECT_EQ(printer.PageTexts(0), (std::vector<std::string>{"Menu choices", "Default Prompt", "Menu choices", "5000"}));
  EXPECT_EQ(ComboStrings().Mode, 0);
  EXPECT_EQ(program->Symbols().SymbolPageCheck, 1);
}

TEST_F(ParmBlocks, BlockOnAnotherPageIsFoundAndPagesBreakAcrossCalls) {
  Symbol* billing = nullptr;
  ASSERT_EQ(program->AddNamedSymbol(&billing, "Billing", kTypeSuperBlock, 1, 1, 1, false), 0);
  program->SetCurrentPage(billing);
  PBInstance& block = Block("Charge", "eAmount:int|eCurrency:str");
  Set(block, "Amount", "'5");
  Set(block, "Currency", "'EUR");
  int y = 6150 - 4 * 90 - 100;
  int page = 2;
  PrintAppPBParms("Billing$Charge", printer, printer, *program, y, page);
  EXPECT_EQ(page, 3);
  EXPECT_EQ(printer.PageTexts(0), (std::vector<std::string>{"Amount", "5", "Page 2"}));
  EXPECT_EQ(printer.PageTexts(1), (std::vector<std::string>{"Currency", "EUR"}));
}

}  // namespace
}  // namespace zeph
