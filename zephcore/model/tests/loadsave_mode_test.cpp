// Problems met while a file is read join the load's report instead of a box each.
#include "model/loadsave_mode.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "foundation/kvlserr.h"
#include "model/pbconv.h"

namespace zeph {
namespace {

namespace fs = std::filesystem;

struct Boxes : KvMessagePresenter {
  int Show(const KvMessageBoxRequest& r) override {
    texts.emplace_back(r.text);
    return kKvIdOk;
  }
  std::vector<std::string> texts;
};

struct Prompt : KvLoadSaveErrorPrompt {
  bool AskContinue(const std::string& text, bool& doNotAskAgain) override {
    asked.push_back(text);
    doNotAskAgain = false;
    return answer;
  }
  bool answer = true;
  std::vector<std::string> asked;
};

// The load/save log is written to the current folder: the tests keep it in a folder of
// their own.
class LoadSaveRouting : public ::testing::Test {
 protected:
  LoadSaveRouting() : saved(fs::current_path()) {
    dir = fs::temp_directory_path() / ("zeph-lsroute-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
    fs::current_path(dir);
    KvSetLoadSaveErrorPrompt(&prompt);
  }
  ~LoadSaveRouting() override {
    KvSetLoadSaveErrorPrompt(nullptr);
    fs::current_path(saved);
    std::error_code ignored;
    fs::remove_all(dir, ignored);
  }
  fs::path saved, dir;
  Boxes boxes;
  KvScopedMessagePresenter scoped{boxes};
  Prompt prompt;
};

TEST_F(LoadSaveRouting, OutsideALoadAProblemIsABox) {
  EXPECT_FALSE(LoadSaveRunning());
  ReportConversionProblem("Block: dropped");
  EXPECT_EQ(boxes.texts, std::vector<std::string>{"Block: dropped"});
  EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(LoadSaveRouting, DuringALoadLoggedOnlyAsTheModeSays) {
  {
    LoadSaveRun run(kKvLoadSaveLogAndContinue);
    EXPECT_TRUE(LoadSaveRunning());
    for (int i = 0; i < 5; ++i) ReportConversionProblem("Block: dropped");
    EXPECT_EQ(LoadSaveErrorMode(), kKvLoadSaveLogAndContinue);
  }
  EXPECT_TRUE(boxes.texts.empty());   // no box stacked per problem
  EXPECT_TRUE(prompt.asked.empty());
  EXPECT_FALSE(LoadSaveRunning());
}

TEST_F(LoadSaveRouting, AnAnswerToStopStopsTheLoadQuietly) {
  const short before = LoadSaveErrorMode();
  {
    LoadSaveRun run(kKvLoadSaveAsk);
    prompt.answer = false;
    ReportConversionProblem("Block: dropped");
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_NE(prompt.asked[0].find("Block: dropped"), std::string::npos);
    EXPECT_EQ(LoadSaveErrorMode(), kKvLoadSaveLogAndStop);
    ReportConversionProblem("Other: dropped");
    EXPECT_EQ(prompt.asked.size(), 1u);   // asked once; the load stops at its next report
  }
  EXPECT_EQ(LoadSaveErrorMode(), before);
  EXPECT_TRUE(boxes.texts.empty());
}

}  // namespace
}  // namespace zeph
