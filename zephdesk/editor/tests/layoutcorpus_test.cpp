// The fuzzing corpus of the application-file loader, replayed through the same entry the
// fuzzer calls: a whole file loads, and every damaged one fails without hanging.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "canvas_fixture.h"
#include "editor/file/layoutfuzz.h"

namespace ed {
namespace {

using LayoutCorpus = test::CanvasTest;

TEST_F(LayoutCorpus, WholeFilesLoadAndDamagedOnesFail) {
  const std::filesystem::path folder = std::filesystem::path(ZEPH_TEST_DATA_DIR) / "layout_corpus";
  int inputs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Files named whole_* are complete; every other one is damaged.
    const int expected = entry.path().filename().string().rfind("whole_", 0) == 0 ? 1 : 0;
    EXPECT_EQ(LoadFileForFuzzing(bytes.data(), bytes.size()), expected) << entry.path();
    ++inputs;
  }
  EXPECT_GT(inputs, 0) << folder;
}

}  // namespace
}  // namespace ed
