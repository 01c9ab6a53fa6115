// Prompt file stamps and their date and time texts.
#include "editors/sentences/filestamp.h"

#include <cstdio>

namespace zeph {
namespace {

FileStampSource*& Override() {
  static FileStampSource* source = nullptr;
  return source;
}

}  // namespace

FileStampSource& CurrentFileStamps() { return Override() != nullptr ? *Override() : PlatformFileStamps(); }
void SetFileStamps(FileStampSource* source) { Override() = source; }

std::string FormatDosDate(std::uint16_t date) {
  const int day = date & 0x1F;
  const int month = (date >> 5) & 0x0F;
  const int year = ((date >> 9) + 80) % 100;
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%02d/%02d", month, day, year);
  return text;
}

std::string FormatDosTime(std::uint16_t time) {
  const int minutes = (time >> 5) & 0x3F;
  const int hours = (time >> 11) & 0x1F;
  const int clock = hours % 12 == 0 ? 12 : hours % 12;
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d %cm", clock, minutes, hours < 12 ? 'a' : 'p');
  return text;
}

}  // namespace zeph
