#pragma once
// Size and last-write stamp of a prompt file, as the sentence lists show them, through a
// replaceable source (the platform's files, or a table in tests).

#include <cstdint>
#include <string>

namespace zeph {

struct FileStamp {
  std::uint32_t Size = 0;
  std::uint16_t DosDate = 0;   // day bits 0-4, month 5-8, years since 1980 9-15
  std::uint16_t DosTime = 0;   // seconds / 2 bits 0-4, minutes 5-10, hours 11-15
};

class FileStampSource {
 public:
  virtual ~FileStampSource() = default;
  // False when no ordinary file has that path.
  virtual bool Find(const std::string& path, FileStamp& out) = 0;
};

// The current source: the platform's until one is set (null restores it).
FileStampSource& CurrentFileStamps();
void SetFileStamps(FileStampSource* source);
// The platform's files: the local last-write time of a Windows-form path.
FileStampSource& PlatformFileStamps();

// "03/15/04": month, day, two-digit year.
std::string FormatDosDate(std::uint16_t date);
// "12:30 am": the hour on a 12-hour clock, minutes, am before noon and pm from noon on.
std::string FormatDosTime(std::uint16_t time);

}  // namespace zeph
