// The layout version text and number, saving through a temporary file and a backup, and
// the file header and comment section.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>

#include "canvas_fixture.h"
#include "editor/file/layoutheader.h"
#include "editor/file/layoutversion.h"
#include "editor/file/safesave.h"
#include "foundation/kvtextstm.h"

namespace ed {
namespace {

TEST(LayoutVersionTest, TheServerVersionChoosesTheText) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "V9.01"},        {"2.0.3", "V9.01"},  {"1.07.12", "V9.00"}, {"1.06", "V9.00"},
      {"1.05", "V9.00"},    {"3.1", "V9.01"},    {"12.0", "V9.01"},    {"1.10", "V9.01"}};
  for (const auto& [server, text] : cases) EXPECT_STREQ(LayoutVersionText(server), text) << server;
}

TEST(LayoutVersionTest, TheNumberAfterTheFirstVInHundredths) {
  const std::pair<const char*, int> cases[] = {{"V9.01", 901}, {"V9.00", 900}, {"V8.02", 802}, {"xV6.0", 600},
                                               {"V2.03", 203}, {"V", 0},       {"V7", 700}};
  for (const auto& [text, expected] : cases) {
    int hundredths = -1;
    EXPECT_TRUE(ReadLayoutVersion(text, hundredths)) << text;
    EXPECT_EQ(hundredths, expected) << text;
  }
  int untouched = 5;
  EXPECT_FALSE(ReadLayoutVersion("9.01", untouched));
  EXPECT_EQ(untouched, 5);
}

TEST(SaveReplacingTest, BackupAndTemporaryNames) {
  EXPECT_EQ(BackupName("C:\\prog\\app.ed"), "C:\\prog\\app.BAK");
  EXPECT_EQ(BackupName("dir.v2/app"), "dir.v2/app.BAK");
  EXPECT_EQ(BackupName("app.v1.ed"), "app.v1.BAK");
  EXPECT_EQ(SaveTempName("/x/app.ed"), "/x/app.$ED");
}

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<none>";
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

void Write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

class SaveReplacingFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    std::remove(path.c_str());
    std::remove(BackupName(path).c_str());
    std::remove(SaveTempName(path).c_str());
  }
  void TearDown() override { SetUp(); }
  std::function<bool(const std::string&)> Writer(const std::string& text, bool succeed) {
    return [text, succeed](const std::string& temp) {
      Write(temp, text);
      return succeed;
    };
  }
  std::string path = ::testing::TempDir() + "safesave_app.ed";
};

TEST_F(SaveReplacingFiles, TheOldFileBecomesTheBackupOnlyAfterACompleteWrite) {
  EXPECT_TRUE(SaveReplacing(path, Writer("first", true)).saved);
  EXPECT_EQ(Read(path), "first");
  EXPECT_EQ(Read(BackupName(path)), "<none>");
  EXPECT_TRUE(SaveReplacing(path, Writer("second", true)).saved);
  EXPECT_EQ(Read(path), "second");
  EXPECT_EQ(Read(BackupName(path)), "first");

  // A write that fails half way leaves both files as they were and no temporary file.
  EXPECT_FALSE(SaveReplacing(path, Writer("thi", false)).saved);
  EXPECT_EQ(Read(path), "second");
  EXPECT_EQ(Read(BackupName(path)), "first");
  EXPECT_EQ(Read(SaveTempName(path)), "<none>");
}

#ifndef _WIN32
TEST_F(SaveReplacingFiles, ABackupThatCannotBeRemovedIsReportedAndTheSaveGoesOn) {
  Write(path, "old");
  const std::string backup = BackupName(path);
  ASSERT_EQ(::mkdir(backup.c_str(), 0700), 0);   // a name remove cannot take away
  Write(backup + "/keep", "x");
  const SaveOutcome outcome = SaveReplacing(path, Writer("new", true));
  EXPECT_TRUE(outcome.saved);
  EXPECT_TRUE(outcome.backupProtected);
  EXPECT_EQ(Read(path), "new");
  std::remove((backup + "/keep").c_str());
  ::rmdir(backup.c_str());
}
#endif

}  // namespace
}  // namespace ed

// ---- the file header and the comment section, through the shared text stream ------------

namespace ed::test {
namespace {

class TextStreamScope {
 public:
  explicit TextStreamScope(const std::string& text = "") : stream_(text) { SetTextStream(&stream_); }
  ~TextStreamScope() { SetTextStream(nullptr); }
  std::string Text() const { return stream_.str(); }
  std::stringstream& Stream() { return stream_; }

 private:
  std::stringstream stream_;
};

TEST(LayoutHeaderTest, TheHeaderLinesAndTheirVersion) {
  TextStreamScope out;
  ASSERT_EQ(WriteLayoutHeader("V9.01"), 1);
  EXPECT_EQ(out.Text(), "{FileHeader}\r\n[Tarvix Flowsmith Graphical Editor File,V9.01,]\r\n{EndofFileHeader}\r\n");

  struct Case {
    const char* text;
    int read;
    const char* version;
  };
  const Case cases[] = {
      {"{FileHeader}\r\n[Tarvix Flowsmith Graphical Editor File,V9.00,]\r\n{EndofFileHeader}\r\n", 1, "V9.00"},
      {"{FileHeader}\n[Tarvix Flowsmith Graphical Editor File,V9.01,]\n{EndofFileHeader}\n", 1, "V9.01"},
      {"{FileHeader}\r\n[Tarvix Flowsmith Graphical Editor File,V9.01,]\r\n", 0, ""},
      {"{FileHeader}\r\n{EndofFileHeader}\r\n", 0, ""},
      {"{Program}\r\n", 0, ""},
      {"", 0, ""},
  };
  for (const Case& c : cases) {
    TextStreamScope in(c.text);
    std::string version;
    EXPECT_EQ(ReadLayoutHeader(version), c.read) << c.text;
    EXPECT_EQ(version, c.version) << c.text;
  }
}

TEST_F(CanvasTest, CommentsAreWrittenWholeAndComeBackToTheirOwners) {
  Page* billing = new Page(program.get(), "BillingAndCollectionsPage", kPageSuperBlock, 0);
  program->AddPage(billing);
  const std::string longText(700, 'x');
  program->SetComment("Main flow, v2\r\nsecond line");
  billing->SetComment(longText.c_str());
  const CommentList comments = CollectComments(*program);
  ASSERT_EQ(comments.size(), 2u);
  EXPECT_EQ(comments[0].first, "");
  EXPECT_EQ(comments[1].first, "BillingAndCollectionsPage");

  TextStreamScope out;
  ASSERT_EQ(WriteCommentSection(comments), 1);
  const std::string text = out.Text();
  EXPECT_EQ(text.substr(0, 18), "{CommentSection}\r\n");
  EXPECT_EQ(text.substr(text.size() - 23), "{EndOfCommentSection}\r\n");

  // Back into a program whose page lost its name: the program's comment returns, the
  // page's is dropped.
  program->SetComment("");
  billing->SetComment("");
  {
    TextStreamScope in(text + "{Program}\r\n");
    CommentList read;
    ASSERT_EQ(ReadCommentSection(read), 1);
    EXPECT_EQ(read, comments);
    std::string next;
    EXPECT_TRUE(ReadTextLine(next));
    EXPECT_EQ(next, "{Program}");
    billing->SetName("Renamed");
    ApplyComments(*program, read);
  }
  EXPECT_EQ(program->Comment(), "Main flow, v2\r\nsecond line");
  EXPECT_EQ(billing->Comment(), "");
  billing->SetName("BillingAndCollectionsPage");
  ApplyComments(*program, comments);
  EXPECT_EQ(billing->Comment(), longText);

  // No section: nothing read, the next line stays; an unended one is an error.
  TextStreamScope older("{Program}\r\n");
  CommentList none{{"x", "y"}};
  ASSERT_EQ(ReadCommentSection(none), 1);
  EXPECT_TRUE(none.empty());
  std::string next;
  EXPECT_TRUE(ReadTextLine(next));
  EXPECT_EQ(next, "{Program}");
  TextStreamScope cut("{CommentSection}\r\n[,text,]\r\n");
  EXPECT_EQ(ReadCommentSection(none), 0);
}

}  // namespace
}  // namespace ed::test
