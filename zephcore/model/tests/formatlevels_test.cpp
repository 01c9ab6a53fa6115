#include "model/formatlevels.h"

#include <gtest/gtest.h>

namespace zeph {
namespace {

TEST(FormatLevels, RowsByVersion) {
  struct { double v; int sym, ref, entry, sent, strct, parm, field; unsigned flags; } cases[] = {
      {1.0, 1, 1, 1, 1, 1, 1, 1, 0},
      {1.5, 1, 1, 1, 1, 1, 1, 1, 1},
      {2.0, 2, 1, 1, 2, 1, 1, 1, 3},
      {2.001, 2, 1, 1, 2, 1, 1, 1, 3},
      {2.005, 2, 2, 2, 2, 1, 1, 1, 3},
      {2.02, 3, 3, 3, 2, 2, 1, 1, 3},
      {2.5, 3, 3, 3, 3, 2, 1, 1, 3},
      {3.0, 3, 3, 3, 4, 2, 1, 1, 3},
      {3.08, 4, 3, 3, 4, 3, 1, 1, 3},
      {3.1, 4, 3, 3, 4, 3, 3, 1, 3},
      {3.11, 4, 3, 3, 4, 3, 4, 1, 3},
      {3.12, 4, 3, 3, 4, 3, 4, 2, 3},
      {4.02, 4, 3, 3, 4, 3, 5, 2, 3},
      {4.03, 4, 3, 3, 4, 3, 6, 2, 3},
      {4.035, 4, 3, 3, 4, 3, 15, 3, 3},   // between listed versions: the last row
      {4.04, 4, 3, 3, 4, 3, 7, 2, 3},
      {4.05, 4, 3, 3, 4, 3, 8, 2, 3},
      {4.06, 4, 3, 3, 4, 3, 9, 2, 3},
      {4.08, 4, 3, 3, 4, 3, 9, 3, 3},
      {4.1, 4, 3, 3, 4, 3, 10, 3, 3},
      {4.1907, 4, 3, 3, 4, 3, 11, 3, 3},
      {6.07, 4, 3, 3, 4, 3, 12, 3, 3},
      {7.0, 4, 3, 3, 4, 3, 15, 3, 3},
      {8.01, 4, 3, 3, 4, 3, 13, 3, 3},
      {8.02, 4, 3, 3, 4, 3, 14, 3, 3},
      {8.03, 4, 3, 3, 4, 3, 15, 3, 3},
  };
  for (auto c : cases) {
    SetFileFormatLevels(c.v);
    const FileFormatLevels& l = CurrentFileFormatLevels();
    EXPECT_EQ(l.SymbolRecordLevel, c.sym) << c.v;
    EXPECT_EQ(l.RefRecordLevel, c.ref) << c.v;
    EXPECT_EQ(l.EntryRecordLevel, c.entry) << c.v;
    EXPECT_EQ(l.SentenceRecordLevel, c.sent) << c.v;
    EXPECT_EQ(l.StructRecordLevel, c.strct) << c.v;
    EXPECT_EQ(l.ParmRecordLevel, c.parm) << c.v;
    EXPECT_EQ(l.FieldRecordLevel, c.field) << c.v;
    EXPECT_EQ(l.FormatFlags, c.flags) << c.v;
  }
}

}  // namespace
}  // namespace zeph
