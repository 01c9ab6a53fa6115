// The layout version text and number, and saving through a temporary file and a backup.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>

#include "editor/file/layoutversion.h"
#include "editor/file/safesave.h"

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
