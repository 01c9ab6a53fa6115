// The voice sentence report on the recording printer: headings, the database folders that
// exist, each sentence's phrase lines in name order, comments that start a new page when
// they do not fit, and a refused page that stops the report.
#include "editors/sentences/sentencereport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/sysvars.h"
#include "reporttest_util.h"
#include "sentencetest_util.h"
#include "testprinter.h"

namespace zeph {
namespace {

class SentenceReportTest : public test::ReportProgram {
 protected:
  SentenceReportTest() {
    SymbolTable& t = program->Symbols();
    for (int i = 0; i < 11; ++i) {
      Symbol* s = LookupSymbol(FolderVariableName(i), kTypeString, &t);
      if (s != nullptr) test::SetVariableText(s, ("C:\\DB" + std::to_string(i) + "\\").c_str());
    }
  }
  Symbol* Sentence(const char* name, const std::vector<SentenceComponent*>& components) {
    Symbol* s = test::FileSentence(*program, name, components);
    EXPECT_NE(s, nullptr) << name;
    return s;
  }
  std::vector<std::string> DatabaseLines() {
    std::vector<std::string> out;
    for (int i = 0; i < 11; ++i) {
      out.push_back(std::string(FolderVariableName(i)) + "    \tC:\\DB" + std::to_string(i) + "\\");
    }
    return out;
  }
  test::StampTable stamps;   // no prompt files
};

TEST_F(SentenceReportTest, WithoutSentencesHeadingsAndDatabasesOnly) {
  test::TestPrinter printer(2400, 3200);
  ASSERT_TRUE(PrintVoiceSentenceReport(program->Symbols(), printer));
  EXPECT_EQ(printer.documentName, "VLX Printing Voice Sentences");
  std::vector<std::string> expected = {"Printout of Voice Sentences", "Prompt Databases"};
  for (const std::string& l : DatabaseLines()) expected.push_back(l);
  expected.push_back("Voice Sentences");
  EXPECT_EQ(printer.PageTexts(0), expected);
  EXPECT_EQ(printer.endJobs, 1);
  // Heading font: Helv, default height, bold, underlined; body plain; comments light italic.
  ASSERT_EQ(printer.fonts.size(), 3u);
  EXPECT_EQ(printer.fonts[0].Face, "Helv");
  EXPECT_EQ(printer.fonts[0].Height, 0);
  EXPECT_EQ(printer.fonts[0].Weight, 700);
  EXPECT_TRUE(printer.fonts[0].Underline);
  EXPECT_EQ(printer.fonts[1].Weight, 400);
  EXPECT_FALSE(printer.fonts[1].Underline);
  EXPECT_EQ(printer.fonts[2].Weight, 200);
  EXPECT_TRUE(printer.fonts[2].Italic);
  EXPECT_EQ(printer.deleted.size(), 3u);
  // Line height 44 (40 + leading 4): title at 2 lines, databases heading 4 lines below.
  EXPECT_EQ(printer.texts[0].Y, 88);
  EXPECT_EQ(printer.texts[1].Y, 88 + 4 * 44);
  EXPECT_EQ(printer.texts[2].Y, 88 + 6 * 44);
}

TEST_F(SentenceReportTest, MissingDatabaseVariablesAreSkipped) {
  SymbolTable& t = program->Symbols();
  Symbol* user = LookupSymbol("_PR_USER", kTypeString, &t);
  ASSERT_NE(user, nullptr);
  user->Deleted = 1;
  test::TestPrinter printer(2400, 3200);
  ASSERT_TRUE(PrintVoiceSentenceReport(t, printer));
  const std::vector<std::string> page = printer.PageTexts(0);
  EXPECT_EQ(page.size(), 2u + 10u + 1u);
  for (const std::string& line : page) EXPECT_EQ(line.find("_PR_USER"), std::string::npos) << line;
}

TEST_F(SentenceReportTest, SentencesInNameOrderWithPhrasesAndComments) {
  SymbolTable& t = program->Symbols();
  Sentence("Zeta", {test::Phrase(t, 0, "_PR_USER", "1005", false, "Welcome")});
  Sentence("Alpha", {test::Phrase(t, 0, "_PR_SYSTEM", "12"), test::DirectPhrase(t, 33, "Hello")});
  Sentence("Empty", {});
  test::TestPrinter printer(2400, 3200);
  ASSERT_TRUE(PrintVoiceSentenceReport(t, printer));
  std::vector<std::string> page = printer.PageTexts(0);
  const std::vector<std::string> tail(page.end() - 7, page.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"Voice Sentences", "Alpha", "\tRecording\tSYSTEM\t\"12\"\t    ",
                                            "\tText to Speech\t\t\"Hello\"\t    ", "Zeta",
                                            "\tRecording\tUSER\t\"1005\"\t    ", "<Welcome>"}));
  // The comment is drawn in the comment font from the first tab stop.
  const test::DrawnText& comment = printer.texts.back();
  EXPECT_EQ(comment.X, 200);
  EXPECT_EQ(comment.Font, 3);
  // Alpha's two phrases, a blank line, Empty's blank line, then Zeta.
  const auto y = [&](const std::string& text) {
    for (const auto& d : printer.texts) {
      if (d.Text == text) return d.Y;
    }
    return -1;
  };
  EXPECT_EQ(y("Zeta") - y("Alpha"), 5 * 44);
}

TEST_F(SentenceReportTest, ACommentThatDoesNotFitStartsANewPage) {
  SymbolTable& t = program->Symbols();
  // Page 1700 high: bottom limit 1700 - 88 = 1612. The sentence begins on the first page
  // at 1144; its comment of many words wraps over more lines than the page has left.
  std::vector<SentenceComponent*> phrases;
  for (int i = 0; i < 3; ++i) phrases.push_back(test::Phrase(t, 0, "_PR_USER", std::to_string(100 + i).c_str()));
  std::string words;
  for (int i = 0; i < 80; ++i) words += "word" + std::to_string(i) + " ";
  phrases.push_back(test::Phrase(t, 0, "_PR_USER", "200", false, words.c_str()));
  Sentence("Long", phrases);
  test::TestPrinter printer(1200, 1700);
  ASSERT_TRUE(PrintVoiceSentenceReport(t, printer));
  ASSERT_EQ(printer.newPages, 1);
  const test::DrawnText* first = nullptr;
  for (const auto& d : printer.texts) {
    if (d.Text.rfind("<word0", 0) == 0) first = &d;
  }
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Page, printer.page);
  EXPECT_EQ(first->Y, 88);   // the top margin of the new page
  int before = -1;
  for (const auto& d : printer.texts) {
    if (d.Text == "\tRecording\tUSER\t\"200\"\t    ") before = d.Page;
  }
  EXPECT_EQ(before, first->Page - 1);
}

TEST_F(SentenceReportTest, ARefusedPageOrJobStopsTheReport) {
  SymbolTable& t = program->Symbols();
  std::vector<SentenceComponent*> phrases;
  for (int i = 0; i < 60; ++i) phrases.push_back(test::Phrase(t, 0, "_PR_USER", std::to_string(i).c_str()));
  Sentence("Many", phrases);
  test::TestPrinter refused(2400, 1600);
  refused.refuseNewPageAfter = 0;
  EXPECT_FALSE(PrintVoiceSentenceReport(t, refused));
  EXPECT_EQ(refused.endJobs, 0);
  EXPECT_EQ(refused.deleted.size(), 3u);
  for (const auto& d : refused.texts) EXPECT_EQ(d.Page, 0);
  const int drawn = static_cast<int>(refused.texts.size());
  EXPECT_LT(drawn, 2 + 11 + 1 + 1 + 60);

  test::TestPrinter noJob(2400, 1600);
  noJob.beginSucceeds = false;
  EXPECT_FALSE(PrintVoiceSentenceReport(t, noJob));
  EXPECT_TRUE(noJob.texts.empty());
  EXPECT_TRUE(noJob.fonts.empty());
}

}  // namespace
}  // namespace zeph
