// The fuzzing corpus of the application-file readers, replayed through the same entry the
// fuzzer calls: every input ends with one of the readers' results.
#include <gtest/gtest.h>

#include "edfile_testutil.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

#include "programfile/edfile/edfile_fuzz.h"

namespace zeph::test {
namespace {

using Corpus = EdFileTest;

TEST_F(Corpus, EveryInputEndsWithAResult) {
  const std::filesystem::path folder = std::filesystem::path(ZEPH_TEST_DATA_DIR) / "edfile_corpus";
  const std::set<int> results = {0, -102, -158, -169, 9754};
  int inputs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const int rc = ReadFileForFuzzing(bytes.data(), bytes.size());
    EXPECT_TRUE(results.count(rc) == 1) << entry.path() << ": " << rc;
    ++inputs;
  }
  EXPECT_GT(inputs, 0) << folder;
}

}  // namespace
}  // namespace zeph::test
