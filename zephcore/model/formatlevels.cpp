// File format levels by application-file version.

#include "model/formatlevels.h"

namespace zeph {
namespace {

FileFormatLevels g_levels;

FileFormatLevels Levels(int symbol, int ref, int entry, int sentence, int strct, int parm, int field,
                        unsigned flags) {
  FileFormatLevels l;
  l.SymbolRecordLevel = symbol;
  l.RefRecordLevel = ref;
  l.EntryRecordLevel = entry;
  l.SentenceRecordLevel = sentence;
  l.StructRecordLevel = strct;
  l.ParmRecordLevel = parm;
  l.FieldRecordLevel = field;
  l.FormatFlags = flags;
  return l;
}

// Versions from 4.01 on differ only in the parameter and field levels.
FileFormatLevels Modern(int parm, int field) { return Levels(4, 3, 3, 4, 3, parm, field, 3); }

}  // namespace

FileFormatLevels FormatLevelsForVersion(double v) {
  // Comparisons are made on the stored double against the decimal constants; a row that
  // names one exact version matches only that double.
  if (v < 1.5) return Levels(1, 1, 1, 1, 1, 1, 1, 0);
  if (v < 2.0) return Levels(1, 1, 1, 1, 1, 1, 1, 1);
  if (v <= 2.001) return Levels(2, 1, 1, 2, 1, 1, 1, 3);
  if (v <= 2.01) return Levels(2, 2, 2, 2, 1, 1, 1, 3);
  if (v <= 2.02) return Levels(3, 3, 3, 2, 2, 1, 1, 3);
  if (v <= 2.5) return Levels(3, 3, 3, 3, 2, 1, 1, 3);
  if (v < 3.08) return Levels(3, 3, 3, 4, 2, 1, 1, 3);
  if (v == 3.08) return Levels(4, 3, 3, 4, 3, 1, 1, 3);
  if (v < 3.12) return Levels(4, 3, 3, 4, 3, v == 3.1 ? 3 : 4, 1, 3);
  if (v < 4.01) return Modern(4, 2);
  if (v < 4.03) return Modern(5, 2);
  if (v == 4.03) return Modern(6, 2);
  if (v == 4.04) return Modern(7, 2);
  if (v == 4.05) return Modern(8, 2);
  if (v == 4.06) return Modern(9, 2);
  if (v >= 4.07 && v < 4.09) return Modern(9, 3);
  if (v >= 4.09 && v < 4.1907) return Modern(10, 3);
  if (v >= 4.1907 && v < 5.02) return Modern(11, 3);
  if (v >= 5.02 && v <= 6.07) return Modern(12, 3);
  if (v >= 8.01 && v < 8.02) return Modern(13, 3);
  if (v >= 8.02 && v < 8.03) return Modern(14, 3);
  return Modern(15, 3);
}

void SetFileFormatLevels(double version) { g_levels = FormatLevelsForVersion(version); }

const FileFormatLevels& CurrentFileFormatLevels() { return g_levels; }

}  // namespace zeph
