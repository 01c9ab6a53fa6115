#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "log.h"
#include "user_folder.h"

namespace {
namespace fs = std::filesystem;

class LogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             ("bench-log-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    SetUserDataFolder(folder.string() + "/nested/");
  }
  void TearDown() override {
    SetUserDataFolder("");
    fs::remove_all(folder);
  }
  fs::path folder;
};

TEST_F(LogTest, EntriesAreAppendedAsTimedLinesInTheUsersFolder) {
  {
    CLog log("");
    log.SetClock([] { return std::string("2026-01-02 03:04:05"); });
    log << CLogEntry("Start actual login.") << CLogEntry("two\nlines\n");
  }
  CLog again("");
  again.SetClock([] { return std::string("T"); });
  again << CLogEntry(std::string(300, 'x'));
  ASSERT_EQ(again.Path(), folder.string() + "/nested/zephgate.log");
  std::ifstream in(folder / "nested" / "zephgate.log", std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), "2026-01-02 03:04:05 Start actual login.\r\n"
                        "2026-01-02 03:04:05 two\r\nlines\r\n"
                        "T " + std::string(255, 'x') + "\r\n");
}

TEST_F(LogTest, NamedLogAndDefaultClockShape) {
  CLog log("wizard");
  EXPECT_EQ(fs::path(log.Path()).filename(), "wizard.log");
  const std::string now = LocalTimeText();
  ASSERT_EQ(now.size(), 19u);
  EXPECT_EQ(now[4], '-');
  EXPECT_EQ(now[10], ' ');
  EXPECT_EQ(now[13], ':');
}

}  // namespace
