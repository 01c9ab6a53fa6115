// Prompt file stamps from the Windows file system: size and local last-write time.
#include <windows.h>

#include "editors/sentences/filestamp.h"

namespace zeph {
namespace {

class WindowsFileStamps : public FileStampSource {
 public:
  bool Find(const std::string& path, FileStamp& out) override {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return false;
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return false;
    FILETIME local{};
    WORD date = 0;
    WORD time = 0;
    if (!FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) || !FileTimeToDosDateTime(&local, &date, &time)) {
      return false;
    }
    out.Size = data.nFileSizeLow;
    out.DosDate = date;
    out.DosTime = time;
    return true;
  }
};

}  // namespace

FileStampSource& PlatformFileStamps() {
  static WindowsFileStamps stamps;
  return stamps;
}

}  // namespace zeph
