#pragma once
// A folder of its own for one test, removed with it. Several test programs, build trees and
// checkouts run at once, so the name carries a random part. Kept short: some tests compare
// messages that quote the path and are cut at a fixed length.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace zeph::test {

class ScratchFolder : public std::filesystem::path {
 public:
  explicit ScratchFolder(const char* prefix) : std::filesystem::path(Unique(prefix)) {
    std::filesystem::create_directories(*this);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(*this, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

 private:
  static std::filesystem::path Unique(const char* prefix) {
    std::random_device random;
    const std::uint64_t bits = (static_cast<std::uint64_t>(random()) << 32) | random();
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(bits));
    return std::filesystem::temp_directory_path() / (std::string(prefix) + hex);
  }
};

}  // namespace zeph::test
