// The designer's display-text tables are kept as handed over, mode included.
#include "model/pbentry_combo.h"

#include <gtest/gtest.h>

namespace zeph {
namespace {

TEST(ComboStrings, KeepsTheFiveTablesAndTheModeUntilTheNextCall) {
  ComboStruct* t[5];
  for (int i = 0; i < 5; ++i) t[i] = reinterpret_cast<ComboStruct*>(0x1000 * (i + 1));
  SetupComboStrings(2, t[0], t[1], t[2], t[3], t[4]);
  EXPECT_EQ(ComboStrings().Mode, 2);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(ComboStrings().Tables[i], t[i]) << i;

  SetupComboStrings(0, nullptr, t[4], nullptr, nullptr, nullptr);
  EXPECT_EQ(ComboStrings().Mode, 0);
  EXPECT_EQ(ComboStrings().Tables[0], nullptr);
  EXPECT_EQ(ComboStrings().Tables[1], t[4]);
  EXPECT_EQ(ComboStrings().Tables[4], nullptr);
}

}  // namespace
}  // namespace zeph
