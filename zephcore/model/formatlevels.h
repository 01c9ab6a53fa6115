#pragma once
// File format levels: chosen from the version number of an application file before it is
// read, they tell the reader which record layouts the file uses.

#include <cstdint>

namespace zeph {

struct FileFormatLevels {
  std::int32_t SymbolRecordLevel = 0;
  std::int32_t RefRecordLevel = 0;
  std::int32_t EntryRecordLevel = 0;
  std::int32_t SentenceRecordLevel = 0;
  std::int32_t StructRecordLevel = 0;
  std::int32_t ParmRecordLevel = 0;
  std::int32_t FieldRecordLevel = 0;
  std::uint32_t FormatFlags = 0;  // bit 0: version 1.5 and later; bit 1: 2.0 and later
};

// The levels of a file version.
FileFormatLevels FormatLevelsForVersion(double version);
// Sets the library-wide levels from the version of the file about to be read.
void SetFileFormatLevels(double version);
// The levels of the last file read.
const FileFormatLevels& CurrentFileFormatLevels();

}  // namespace zeph
