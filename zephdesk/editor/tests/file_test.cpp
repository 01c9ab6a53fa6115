// The layout version text and number, saving through a temporary file and a backup, and
// the file header and comment section.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>

#include "canvas_fixture.h"
#include "editor/file/layoutheader.h"
#include "editor/file/layoutversion.h"
#include "editor/file/programrecord.h"
#include "foundation/kvlserr.h"
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

// ---- the program's header record ----------------------------------------------------------

namespace ed::test {
namespace {

// The header line's columns, split at the separators (values without commas).
std::vector<std::string> Columns(const std::string& line) {
  std::vector<std::string> columns;
  std::string body = line.substr(1, line.find(",]") - 1);
  std::stringstream in(body);
  std::string column;
  while (std::getline(in, column, ',')) columns.push_back(column);
  return columns;
}

std::string Line(const std::vector<std::string>& columns, std::size_t count) {
  std::string line = "[";
  for (std::size_t i = 0; i < count; ++i) line += columns[i] + ",";
  return line + "]";
}

class ProgramRecordTest : public CanvasTest {
 protected:
  void Fill(Program& p) {
    ApplicationInfo& a = p.AppInfo();
    a.custID = 12;
    a.appID = -3;
    a.mediaType = 2;
    std::snprintf(a.description, sizeof a.description, "%s", "Billing line");
    std::snprintf(a.name, sizeof a.name, "%s", "Billing");
    a.spokenAppNameRecorded = 1;
    std::snprintf(a.lockingUserID, sizeof a.lockingUserID, "%s", "admin7");
    const unsigned char password[8] = {0, 255, 1, 2, 3, 4, 5, 254};
    std::memcpy(a.telsetMaintPsswd, password, 8);
    a.modificationNum = 41;
    a.visible = 1;
    a.versionNum = 9;
    std::snprintf(a.edFilePath, sizeof a.edFilePath, "%s", "C:\\apps\\billing.ed");
    p.SetZoomLevel(150);
    p.SetID(7);
  }
  short mode = kKvLoadSaveLogAndStop;
};

TEST_F(ProgramRecordTest, TheLineCarriesEveryColumnAndComesBackWhole) {
  Fill(*program);
  TextStreamScope out;
  ASSERT_EQ(WriteProgramRecord(*program, mode), 1);
  const std::string text = out.Text();
  EXPECT_EQ(text,
            "[7,12,-3,2,Billing line,Billing,1,,,0,,0,0,255,1,2,3,4,5,254,0,,0,0,0,0,,admin7,41,1,9,0,0,,,,"
            "C:\\apps\\billing.ed,150,]\r\n");

  Program copy(host, model, nullptr, "copy.ed", 0);
  TextStreamScope in(text + "{EndofProgram}\r\n");
  ASSERT_EQ(ReadProgramRecord(copy, mode), 1);
  EXPECT_EQ(std::memcmp(copy.AppInfo().telsetMaintPsswd, program->AppInfo().telsetMaintPsswd, 8), 0);
  EXPECT_STREQ(copy.AppInfo().edFilePath, "C:\\apps\\billing.ed");
  EXPECT_EQ(copy.ZoomLevel(), 150);
  EXPECT_EQ(copy.PeekID(), 7);
  EXPECT_EQ(ReadProgramRecord(copy, mode), 2);
  // Written again, the copy gives the same line.
  TextStreamScope again;
  ASSERT_EQ(WriteProgramRecord(copy, mode), 1);
  EXPECT_EQ(again.Text(), text);
  // A line that cannot be written is reported; the command-line mode stops the save.
  SetTextStream(nullptr);
  EXPECT_EQ(WriteProgramRecord(copy, mode), 0);
}

TEST_F(ProgramRecordTest, LinesOfEveryColumnCountAreTakenWhateverTheVersion) {
  Fill(*program);
  TextStreamScope out;
  ASSERT_EQ(WriteProgramRecord(*program, mode), 1);
  const std::vector<std::string> columns = Columns(out.Text());
  ASSERT_EQ(columns.size(), 38u);
  struct Case {
    std::size_t count;
    std::int32_t modificationNum, versionNum, zoom;
  };
  for (const Case c : {Case{1, 0, 0, 100}, Case{29, 41, 0, 100}, Case{37, 41, 9, 100}, Case{38, 41, 9, 150}}) {
    Program fresh(host, model, nullptr, "fresh.ed", 0);
    TextStreamScope in(Line(columns, c.count) + "\r\n");
    ASSERT_EQ(ReadProgramRecord(fresh, mode), 1) << c.count;
    EXPECT_EQ(fresh.PeekID(), 7) << c.count;
    EXPECT_EQ(fresh.AppInfo().modificationNum, c.modificationNum) << c.count;
    EXPECT_EQ(fresh.AppInfo().versionNum, c.versionNum) << c.count;
    EXPECT_EQ(fresh.ZoomLevel(), c.zoom) << c.count;
  }
  // Any other count, or no line, is reported; with the command-line mode the load stops.
  for (const std::string& text : {Line(columns, 30) + "\r\n", std::string("garbage\r\n"), std::string()}) {
    Program fresh(host, model, nullptr, "fresh.ed", 0);
    TextStreamScope in(text);
    EXPECT_EQ(ReadProgramRecord(fresh, mode), 0) << text;
    EXPECT_EQ(fresh.ZoomLevel(), 100);
  }
}

}  // namespace
}  // namespace ed::test
