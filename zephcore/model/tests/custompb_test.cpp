#include "model/custompb.h"

#include <gtest/gtest.h>

#include "model/modelcodes.h"
#include "model/pbcat.h"
#include "modeltest_util.h"

namespace zeph {
namespace {

TEST(CustomPBList, AddFindAndCount) {
  test::CurrentTable ct;
  CustomPBList list;
  EXPECT_EQ(CustomPBAdd(list, "Calc", &ct.table), 0);
  EXPECT_EQ(CustomPBAdd(list, "Total", &ct.table), 0);
  EXPECT_EQ(CustomPBAdd(list, "Calc", &ct.table), kErrCustomPBExists);
  CustomPBEntry* e = CustomPBFind(list, "Calc");
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->RefCount, 0);
  EXPECT_TRUE(e->Code.empty());
  EXPECT_EQ(e->Next.get(), CustomPBFind(list, "Total"));   // added at the end
  EXPECT_EQ(CustomPBFind(list, "calc"), nullptr);          // names compare exactly

  EXPECT_EQ(CustomPBAddRef(list, "Calc"), 0);
  EXPECT_EQ(CustomPBAddRef(list, "Calc"), 0);
  EXPECT_EQ(e->RefCount, 2);
  EXPECT_EQ(CustomPBRelease(list, "Calc"), 0);
  EXPECT_EQ(e->RefCount, 1);
  EXPECT_EQ(CustomPBRelease(list, "Calc"), 0);
  EXPECT_EQ(CustomPBRelease(list, "Calc"), 0);
  EXPECT_EQ(e->RefCount, 0);   // never below 0
  EXPECT_EQ(CustomPBAddRef(list, "None"), -1);
  EXPECT_EQ(CustomPBRelease(list, "None"), -1);

  CustomPBListInit(list);
  EXPECT_EQ(list.Head, nullptr);
}

TEST(CustomPBList, NamesFollowTheSymbolNameRules) {
  TheCatalogue();   // the library entry hands the reserved words to the name checks
  test::CurrentTable ct;
  CustomPBList list;
  EXPECT_NE(CustomPBAdd(list, "9Lives", &ct.table), 0);
  EXPECT_NE(CustomPBAdd(list, "", &ct.table), 0);
  EXPECT_NE(CustomPBAdd(list, "AVeryLongCustomName", &ct.table), 0);   // over 16 characters
  EXPECT_NE(CustomPBAdd(list, "while", &ct.table), 0);                 // reserved
  EXPECT_EQ(CustomPBAdd(list, "Exactly16Letters", &ct.table), 0);
  EXPECT_EQ(list.Head->Next, nullptr);
}

}  // namespace
}  // namespace zeph
