// Replays the kept fuzz corpora through the fuzz entry points, so that every test run
// checks what fuzzing once found.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "quay/fuzz_entries.h"
#include "quay/runfile.h"
#include "quay_fixture.h"

using namespace quaytest;

namespace {

std::vector<std::filesystem::path> Corpus(const char* name) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(DataPath(name))) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

TEST(QuayFuzzReplay, CompileCorpusGivesKnownCodesAndReadableOutput) {
  const auto files = Corpus("corpus_compile");
  ASSERT_FALSE(files.empty());
  for (const auto& file : files) {
    const std::string bytes = ReadText(file.string());
    const int code = quay::FuzzCompile(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    EXPECT_GE(code, 0) << file;
    EXPECT_LE(code, quay::kErrLast) << file;
  }
}

TEST(QuayFuzzReplay, RunFileCorpusIsReadOrRefusedNeverMisread) {
  const auto files = Corpus("corpus_runfile");
  ASSERT_FALSE(files.empty());
  int accepted = 0;
  for (const auto& file : files) {
    const std::string bytes = ReadText(file.string());
    const int result = quay::FuzzReadRunFile(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    EXPECT_GE(result, 0) << file;
    accepted += result;
  }
  EXPECT_GE(accepted, 1) << "the corpus keeps at least one good run file";
}
