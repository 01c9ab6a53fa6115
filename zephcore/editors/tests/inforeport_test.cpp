// The VavurOrezo information report over a recording printer: title, headings, field
// lines with their kinds, references, page breaks, the SQL statement's wrapping and the
// job's start and end.
#include "editors/reports/inforeport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/pbcat.h"
#include "reporttest_util.h"
#include "testprinter.h"

namespace zeph {
namespace {

using test::TestPrinter;

constexpr int kPause = 134;
constexpr int kLine = 44;   // default font: 40 high, leading 4

class InfoReport : public test::ReportProgram {
 protected:
  TestPrinter printer{2400, 3000};
  std::vector<std::string> All() const {
    std::vector<std::string> out;
    for (const auto& t : printer.texts) out.push_back(t.Text);
    return out;
  }
  std::string Heading(const char* name) const {
    return std::string(name) + " [" + TheCatalogue().DisplayName(kPause) + "]";
  }
};

TEST_F(InfoReport, EmptyProgramPrintsOnlyTheTitle) {
  ASSERT_TRUE(PrintPBInfoReport(*program, printer));
  EXPECT_EQ(printer.documentName, "VLX Printing PB Info");
  EXPECT_EQ(All(), std::vector<std::string>{"VAVUROREZO REPORT"});
  EXPECT_EQ(printer.texts[0].Y, 2 * kLine);
  EXPECT_EQ(printer.endJobs, 1);
  ASSERT_EQ(printer.fonts.size(), 3u);
  EXPECT_EQ(printer.fonts[0].Weight, 700);
  EXPECT_EQ(printer.fonts[1].Weight, 400);
  EXPECT_EQ(printer.fonts[2].Weight, 200);
  EXPECT_TRUE(printer.fonts[2].Italic);
  for (const ReportFont& f : printer.fonts) EXPECT_EQ(f.Height, 0);
  EXPECT_EQ(printer.deleted.size(), 3u);
  EXPECT_EQ(printer.current, 0);
}

TEST_F(InfoReport, FailedStartPrintsNothing) {
  printer.beginSucceeds = false;
  Block("Ask", "xHangUp");
  EXPECT_FALSE(PrintPBInfoReport(*program, printer));
  EXPECT_TRUE(printer.texts.empty());
  EXPECT_TRUE(printer.fonts.empty());
  EXPECT_EQ(printer.endJobs, 0);
}

TEST_F(InfoReport, FieldLinesHeadingsAndReferencesInNameOrder) {
  PBInstance& zed = Block("Zed", "xHangUp|rMode:radio=Fast/Slow|rSpeed:radio=A/B|rNone:radio=A/B|eDigits:int|eEmpty:int|gNext");
  Block("Alpha", "gNext");
  Set(zed, "HangUp", "1");
  Set(zed, "Mode", "2");
  Set(zed, "Digits", "'12");
  zed.Area.SetWord(zed.OwnTable->Entries()[2].FieldOffset, 2);    // button 3 of a two-button group
  zed.Area.SetWord(zed.OwnTable->Entries()[3].FieldOffset, -1);   // no button
  PBInstance* alpha = InstanceOf(LookupSymbol("Alpha", kTypeVavurOrezo, &program->Symbols()));
  ASSERT_EQ(program->ConnectGoto(alpha, "Zed", 0), 1);
  ASSERT_EQ(program->ConnectGoto(&zed, "Zed", 0), 1);

  ASSERT_TRUE(PrintPBInfoReport(*program, printer));
  EXPECT_EQ(All(), (std::vector<std::string>{
                       "VAVUROREZO REPORT",
                       Heading("Alpha"),
                       "Next : \tZed \tVavurOrezo",
                       "REFERENCES: ",
                       "",
                       Heading("Zed"),
                       "HangUp : \tchecked \tcheck box",
                       "Mode : \tSlow \tradio button",
                       "Speed : \t3 \tradio button",
                       "None : \t \tradio button",
                       "Digits : \t'12 \tinteger",
                       "Empty : \t \t",
                       "Next : \tZed \tVavurOrezo",
                       "REFERENCES: ",
                       "Alpha, Zed",
                   }));
  // Heading one line below the title's block start, fields 1.5 lines under it.
  EXPECT_EQ(printer.texts[1].Y, 5 * kLine);
  EXPECT_EQ(printer.texts[2].Y, 5 * kLine + kLine * 3 / 2);
  // The reference names sit 20 characters right of "REFERENCES: ", on its line.
  EXPECT_EQ(printer.texts[4].X, 20 * 20);
  EXPECT_EQ(printer.texts[4].Y, printer.texts[3].Y);
  EXPECT_EQ(printer.texts[5].X, 0);
  // Fonts: heading bold, fields plain, references light italic.
  EXPECT_EQ(printer.texts[1].Font, 1);
  EXPECT_EQ(printer.texts[2].Font, 2);
  EXPECT_EQ(printer.texts[3].Font, 3);
  EXPECT_EQ(printer.endJobs, 1);
}

TEST_F(InfoReport, LongReferenceListsAreCutAtTheNameThatCrossed60) {
  Block("Target", "xFlag");
  std::vector<std::string> names;
  for (int i = 0; i < 9; ++i) {
    names.push_back("CallerNumber" + std::to_string(i));
    PBInstance& caller = Block(names.back().c_str(), "gNext");
    ASSERT_EQ(program->ConnectGoto(&caller, "Target", 0), 1);
  }
  ASSERT_TRUE(PrintPBInfoReport(*program, printer));
  std::vector<std::string> lines;
  bool inTarget = false;
  for (const auto& t : printer.texts) {
    if (t.Text.rfind("Target [", 0) == 0) inTarget = true;
    else if (inTarget && t.Font == 3 && t.Text != "REFERENCES: ") lines.push_back(t.Text);
  }
  // 14 characters a name and 2 a separator: the fifth name takes a line past 60.
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], names[0] + ", " + names[1] + ", " + names[2] + ", " + names[3] + ", " + names[4]);
  EXPECT_EQ(lines[1], names[5] + ", " + names[6] + ", " + names[7] + ", " + names[8]);
}

TEST_F(InfoReport, PagesBreakAtTheBottomLimitAndARefusedPageStopsTheReport) {
  std::string fields;
  for (int i = 0; i < 38; ++i) fields += "xFlag" + std::to_string(i) + "|";
  for (int i = 0; i < 30; ++i) fields += (i ? "|eValue" : "eValue") + std::to_string(i) + ":int";
  Block("Busy", fields.c_str());
  Block("Next", "xFlag");
  ASSERT_TRUE(PrintPBInfoReport(*program, printer));
  const int bottom = 3000 - 2 * kLine;
  EXPECT_GE(printer.newPages, 1);
  for (const auto& t : printer.texts) EXPECT_LE(t.Y, bottom) << t.Text;
  // A new page starts 2 lines down.
  int firstOnSecond = -1;
  for (const auto& t : printer.texts) {
    if (t.Page == 1) {
      firstOnSecond = t.Y;
      break;
    }
  }
  EXPECT_EQ(firstOnSecond, 2 * kLine);
  const std::size_t full = printer.texts.size();

  TestPrinter refusing(2400, 3000);
  refusing.refuseNewPageAfter = 0;
  EXPECT_FALSE(PrintPBInfoReport(*program, refusing));
  EXPECT_EQ(refusing.endJobs, 0);
  EXPECT_LT(refusing.texts.size(), full);
  for (const auto& t : refusing.texts) EXPECT_EQ(t.Page, 0);
  EXPECT_EQ(refusing.deleted.size(), 3u);
}

TEST_F(InfoReport, SqlStatementIsWrappedFromTheValueColumn) {
  constexpr int kSqlType = 286;
  PBInstance& query = Block("Query", "eSQLStatement:str,len=400|xAfter", kSqlType);
  std::string words;
  for (int i = 0; i < 30; ++i) words += (i ? " col" : "col") + std::to_string(i);
  Set(query, "SQLStatement", ("'SELECT a\r\nFROM t WHERE " + words).c_str());
  ASSERT_TRUE(PrintPBInfoReport(*program, printer));
  std::vector<const test::DrawnText*> wrapped;
  for (const auto& t : printer.texts) {
    if (t.X == 800) wrapped.push_back(&t);
  }
  // (2400 - 800) / 20 = 80 characters fit: each piece at most 80, cut at a blank.
  ASSERT_GE(wrapped.size(), 3u);
  EXPECT_EQ(wrapped[0]->Text, "'SELECT a");
  std::string rebuilt;
  for (std::size_t i = 1; i < wrapped.size(); ++i) {
    EXPECT_LE(wrapped[i]->Text.size(), 80u);
    EXPECT_EQ(wrapped[i]->Y, wrapped[0]->Y + static_cast<int>(i) * kLine);
    rebuilt += (i > 1 ? " " : "") + wrapped[i]->Text;
  }
  EXPECT_EQ(rebuilt, "FROM t WHERE " + words);
  // The label sits on the first wrapped line; the next field one line below the last.
  bool sawLabel = false;
  for (const auto& t : printer.texts) {
    if (t.Text == "SQLStatement :") {
      sawLabel = true;
      EXPECT_EQ(t.Y, wrapped[0]->Y);
    }
    if (t.Text.rfind("After :", 0) == 0) {
      EXPECT_EQ(t.Y, wrapped.back()->Y + kLine);
    }
  }
  EXPECT_TRUE(sawLabel);
}

}  // namespace
}  // namespace zeph
