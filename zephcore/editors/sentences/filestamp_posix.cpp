// Prompt file stamps from the host's files (portable builds), paths in Windows form
// translated by the portable file system.
#if !defined(_WIN32)

#include <chrono>
#include <ctime>
#include <filesystem>

#include "editors/sentences/filestamp.h"
#include "foundation/kvfsys.h"

namespace zeph {
namespace {

class HostFileStamps : public FileStampSource {
 public:
  bool Find(const std::string& path, FileStamp& out) override {
    KvPortableFileSystem translator;
    std::filesystem::path host;
    if (!translator.Translate(path.c_str(), host)) return false;
    std::error_code error;
    if (!std::filesystem::is_regular_file(host, error)) return false;
    const auto size = std::filesystem::file_size(host, error);
    if (error) return false;
    const auto written = std::filesystem::last_write_time(host, error);
    if (error) return false;
    const auto system = std::chrono::time_point_cast<std::chrono::seconds>(
        written - std::filesystem::file_time_type::clock::now() + std::chrono::system_clock::now());
    const std::time_t seconds = std::chrono::system_clock::to_time_t(system);
    std::tm local{};
    localtime_r(&seconds, &local);
    out.Size = static_cast<std::uint32_t>(size);
    const int years = local.tm_year - 80 < 0 ? 0 : local.tm_year - 80;
    out.DosDate = static_cast<std::uint16_t>((years << 9) | ((local.tm_mon + 1) << 5) | local.tm_mday);
    out.DosTime = static_cast<std::uint16_t>((local.tm_hour << 11) | (local.tm_min << 5) | (local.tm_sec / 2));
    return true;
  }
};

}  // namespace

FileStampSource& PlatformFileStamps() {
  static HostFileStamps stamps;
  return stamps;
}

}  // namespace zeph

#endif
