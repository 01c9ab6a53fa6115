// The SuperBlock, voice and fax items and block details reports on the recording printer.
#include "canvas_fixture.h"

#include "editor/print/reports.h"
#include "editors/tests/testprinter.h"

namespace ed::test {
namespace {

using zeph::test::TestPrinter;

// A page of 76 standard lines: the reports keep their standard font heights.
constexpr int kWidth = 4800;
constexpr int kHeight = 6300;

class ReportsTest : public CanvasTest {
 protected:
  std::vector<std::string> Texts(int page) const { return printer.PageTexts(page); }
  TestPrinter printer{kWidth, kHeight};
};

class RecordingFields : public BlockFieldsPrinter {
 public:
  void PrintFields(const std::string& name, int kind, zeph::ReportCanvas& canvas, zeph::ReportPages&, int& line,
                   int&) override {
    calls.emplace_back(name, kind);
    canvas.DrawLine(0, line, "fields of " + name);
    line += 100;
  }
  std::vector<std::pair<std::string, int>> calls;
};

TEST_F(ReportsTest, SuperBlockReportListsEachPageWithItsCommentAndReturnVectors) {
  program->SetFileName("C:\\apps\\Demo.ed");
  Page* sub = new Page(program.get(), "Billing", kPageSuperBlock, 0);
  program->AddPage(sub);
  sub->SetComment("Collects the bill");
  VavurOrezo* paid = Add(sub, "Paid", kTypeSubFlowEnd);
  VavurOrezo* unpaid = Add(sub, "Unpaid", kTypeSubFlowEnd);
  ASSERT_TRUE(paid && unpaid);
  paid->SetDescription("the bill was paid");

  ASSERT_TRUE(PrintSuperBlockReport(*program, printer));
  EXPECT_EQ(printer.documentName, kSuperBlockReportJob);
  EXPECT_EQ(Texts(0), (std::vector<std::string>{"Ulvo SuperBlock Report", "\"Demo.ed\"", "Main",
                                                "No SuperBlock comments", "Return Vectors", "None", "Billing",
                                                "Collects the bill", "Return Vectors", "Paid", "the bill was paid",
                                                "Unpaid", "Page 1"}));
  // The End block's name and description share a line, in two columns.
  const auto& texts = printer.texts;
  auto at = [&](const std::string& t) {
    return *std::find_if(texts.begin(), texts.end(), [&](const auto& d) { return d.Text == t; });
  };
  EXPECT_EQ(at("Paid").Y, at("the bill was paid").Y);
  EXPECT_LT(at("Paid").X, at("the bill was paid").X);
  EXPECT_EQ(printer.endPages, 1);
  EXPECT_EQ(printer.endJobs, 1);
  EXPECT_EQ(printer.frames.size(), 1u);
  EXPECT_EQ(printer.deleted.size(), 5u);
  EXPECT_EQ(printer.current, 0);
  EXPECT_EQ(printer.fonts[0].Height, 121);
  EXPECT_EQ(printer.fonts[4].Italic, true);
}

TEST_F(ReportsTest, FileNamesAndModelNamesOfBlocks) {
  struct {
    const char* path;
    const char* name;
  } files[] = {{"C:\\a\\b\\X.ed", "X.ed"}, {"Plain.ed", "Plain.ed"}, {"C:\\dir\\", ""}};
  for (const auto& c : files) EXPECT_EQ(ReportFileName(c.path), c.name) << c.path;
  EXPECT_EQ(BlockModelName("Main", kPageMain, "Menu1"), "Menu1");
  EXPECT_EQ(BlockModelName("Sub", kPageSuperBlock, "Menu1"), "Sub$Menu1");
  EXPECT_EQ(BlockModelName("Check", kPageVerification, "A"), "Check$A");
  struct {
    const char* type;
    int kind;
  } kinds[] = {{"Language Select", 1}, {"Thru-Dial", 2}, {"Announcement", 3}, {"Menu", 4},
               {"Password Check", 5},  {"Call Transfer", 6}, {"Fax Select", 7}, {"menu", 0}, {"Record", 0}};
  for (const auto& c : kinds) EXPECT_EQ(BlockComboKind(c.type), c.kind) << c.type;
}

TEST_F(ReportsTest, FontHeightsFollowThePageHeight) {
  struct {
    int height;
    ReportFontHeights fonts;
  } cases[] = {
      {74 * 82, {121, 98, 82, 82, 82}},
      {76 * 82 + 81, {121, 98, 82, 82, 82}},
      // 5986 / 75 = 79; 79 * 1.1951220 = 94.4 -> 94; 94 * 1.2346939 = 116.1 -> 116.
      {73 * 82, {116, 94, 79, 79, 79}},
      {3000, {58, 47, 40, 40, 40}},
  };
  for (const auto& c : cases) {
    const ReportFontHeights h = ScaledReportFonts(c.height);
    EXPECT_EQ((std::vector<int>{h.title, h.heading, h.subheading, h.body, h.note}),
              (std::vector<int>{c.fonts.title, c.fonts.heading, c.fonts.subheading, c.fonts.body, c.fonts.note}))
        << c.height;
  }
}

TEST_F(ReportsTest, ItemsReportPrintsVoiceThenFaxItemsOnTheirOwnPages) {
  ItemsReportData data;
  data.appName = "Billing";
  data.appId = 4711;
  data.voice = {{"Welcome", 12, "greets the caller", ""}, {"Bye", 13, "", ""}};
  ASSERT_TRUE(PrintVoiceFaxItems(data, printer));
  EXPECT_EQ(printer.documentName, kItemsReportJob);
  EXPECT_EQ(Texts(0), (std::vector<std::string>{"Flowsmith Voice Items (Billing/4711)", "Welcome/12",
                                                "Voice Item Description:", "\"greets the caller\"", "Bye/13",
                                                "Voice Item Description:", "<no description>", "Page 1"}));
  EXPECT_EQ(Texts(1), (std::vector<std::string>{"Flowsmith Fax Items (Billing/4711)", "No fax items", "Page 2"}));
  EXPECT_EQ(printer.newPages, 1);
  EXPECT_EQ(printer.endPages, 2);
  EXPECT_EQ(printer.frames.size(), 2u);

  // On a shorter page the fonts are scaled from the page height.
  TestPrinter shorter{kWidth, 3000};
  ASSERT_TRUE(PrintVoiceFaxItems(data, shorter));
  ASSERT_EQ(shorter.fonts.size(), 5u);
  EXPECT_EQ(shorter.fonts[0].Height, 58);
  EXPECT_EQ(shorter.fonts[3].Height, 40);

  TestPrinter faxes{kWidth, kHeight};
  data.voice.clear();
  data.fax = {{"Order", 3, "", "confirms the order"}};
  ASSERT_TRUE(PrintVoiceFaxItems(data, faxes));
  EXPECT_EQ(faxes.PageTexts(0)[1], "No voice items");
  EXPECT_EQ(faxes.PageTexts(1),
            (std::vector<std::string>{"Flowsmith Fax Items (Billing/4711)", "Order/3", "Fax Item Description:",
                                      "<no description>", "Fax Confirmation Description:", "\"confirms the order\"",
                                      "Page 2"}));
}

TEST_F(ReportsTest, AJobThatCannotBeginOrAPageThatIsRefusedStopsTheReport) {
  printer.beginSucceeds = false;
  EXPECT_FALSE(PrintVoiceFaxItems(ItemsReportData{}, printer));
  EXPECT_TRUE(printer.texts.empty());
  EXPECT_TRUE(printer.fonts.empty());
  EXPECT_EQ(printer.endJobs, 0);

  TestPrinter refusing{kWidth, kHeight};
  refusing.refuseNewPageAfter = 0;
  EXPECT_FALSE(PrintVoiceFaxItems(ItemsReportData{}, refusing));
  EXPECT_EQ(refusing.PageTexts(0).back(), "Page 1");
  EXPECT_EQ(refusing.endJobs, 0);
  // The fonts are freed on every road out.
  EXPECT_EQ(refusing.deleted.size(), 5u);
}

TEST_F(ReportsTest, LongTextsBreakOverLinesAndPagesKeepTheirNumbers) {
  ItemsReportData data;
  data.appName = "A";
  // A description of one word far wider than the page, and enough items to fill pages.
  data.voice.push_back({"Long", 1, std::string(400, 'w'), ""});
  for (int i = 0; i < 60; ++i) data.voice.push_back({"Item" + std::to_string(i), i + 2, "text", ""});
  ASSERT_TRUE(PrintVoiceFaxItems(data, printer));
  const int line = 82 + 8;
  for (const auto& t : printer.texts) {
    EXPECT_LE(t.X + static_cast<int>(t.Text.size()) * 41, kWidth - 4 * line + 41) << t.Text.substr(0, 20);
    EXPECT_LT(t.Y, kHeight) << t.Text;
  }
  ASSERT_GE(printer.page, 2);
  for (int p = 0; p <= printer.page; ++p) EXPECT_EQ(Texts(p).back(), "Page " + std::to_string(p + 1)) << p;
}

TEST_F(ReportsTest, BlockDetailsHandEachBlockToTheModelUnderItsModelName) {
  Page* sub = new Page(program.get(), "Sub", kPageSuperBlock, 0);
  program->AddPage(sub);
  VavurOrezo* menu = Add(main, "Menu1", 404);
  VavurOrezo* play = Add(sub, "Play", 393);
  ASSERT_TRUE(menu && play);
  menu->SetDescription("main choice");
  ItemsReportData app;
  app.appName = "Billing";
  app.appId = 7;
  RecordingFields fields;
  ASSERT_TRUE(PrintBlockDetails(*program, app, fields, printer));
  EXPECT_EQ(printer.documentName, kBlockReportJob);
  ASSERT_EQ(fields.calls.size(), 2u);
  EXPECT_EQ(fields.calls[0], (std::pair<std::string, int>{"Menu1", BlockComboKind(menu->Record()->typeName)}));
  EXPECT_EQ(fields.calls[1].first, "Sub$Play");
  const std::vector<std::string> texts = Texts(0);
  ASSERT_GE(texts.size(), 12u);
  EXPECT_EQ(texts[0], "Flowsmith Block Report \"Billing (7)\"");
  EXPECT_EQ(std::vector<std::string>(texts.begin() + 1, texts.begin() + 11),
            (std::vector<std::string>{"Menu1", "Block Type", menu->Record()->typeName, "Completed?", "No", "Comments",
                                      "main choice", "Block Fields", "fields of Menu1", "Play"}));
  EXPECT_EQ(texts[std::find(texts.begin(), texts.end(), "Play") - texts.begin() + 6], "None");
  EXPECT_EQ(texts.back(), "Page 1");
}

}  // namespace
}  // namespace ed::test
