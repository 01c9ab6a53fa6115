#include "model/custompb.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/listsink.h"
#include "model/modelcodes.h"
#include "model/pbcat.h"
#include "modeltest_util.h"

namespace zeph {
namespace {

std::vector<std::string> Names(CustomPBList& list) {
  VectorListSink sink;
  EXPECT_EQ(CustomPBEnumerate(list, sink), 0);
  return sink.lines;
}

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
  EXPECT_EQ(list.Head.get(), CustomPBFind(list, "Total"));   // the newest at the head
  EXPECT_EQ(list.Head->Next.get(), e);
  EXPECT_EQ(CustomPBFind(list, "calc"), nullptr);            // names compare exactly

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
  const struct {
    const char* name;
    int code;
  } cases[] = {
      {"9Lives", kErrBadName}, {"", kErrBadName},           {"_", kErrBadName},
      {"a-b", kErrBadName},    {"Exactly16Letters", kErrNameTooLong}, {"while", kErrReservedName},
  };
  for (const auto& c : cases) EXPECT_EQ(CustomPBAdd(list, c.name, &ct.table), c.code) << c.name;
  EXPECT_EQ(list.Head, nullptr);
  EXPECT_EQ(CustomPBAdd(list, "Fifteen15Chars_", &ct.table), 0);
  ASSERT_NE(list.Head, nullptr);
  EXPECT_STREQ(list.Head->Name, "Fifteen15Chars_");
  EXPECT_EQ(CustomPBAdd(list, "Fifteen15Chars_", &ct.table), kErrCustomPBExists);
}

TEST(CustomPBList, RemoveEnumerateAndFreeAll) {
  test::CurrentTable ct;
  CustomPBList list;
  for (const char* name : {"Greet", "Hold", "Bye"}) ASSERT_EQ(CustomPBAdd(list, name, &ct.table), 0);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"Bye", "Hold", "Greet"}));

  EXPECT_EQ(CustomPBRemove(list, "Absent"), -1);
  ASSERT_EQ(CustomPBAddRef(list, "Hold"), 0);
  EXPECT_EQ(CustomPBRemove(list, "Hold"), kErrCustomPBInUse);
  EXPECT_EQ(Names(list).size(), 3u);
  ASSERT_EQ(CustomPBRelease(list, "Hold"), 0);
  CustomPBFind(list, "Hold")->Code = "x = 1";
  EXPECT_EQ(CustomPBRemove(list, "Hold"), 0);   // a middle entry
  EXPECT_EQ(Names(list), (std::vector<std::string>{"Bye", "Greet"}));
  EXPECT_EQ(CustomPBRemove(list, "Bye"), 0);    // the head
  EXPECT_EQ(CustomPBRemove(list, "Greet"), 0);  // the only one
  EXPECT_EQ(list.Head, nullptr);
  EXPECT_EQ(CustomPBRemove(list, "Greet"), -1);

  for (const char* name : {"One", "Two"}) ASSERT_EQ(CustomPBAdd(list, name, &ct.table), 0);
  CustomPBAddRef(list, "One");   // counted entries are freed too
  EXPECT_EQ(CustomPBFreeAll(list), 0);
  EXPECT_EQ(list.Head, nullptr);
  EXPECT_TRUE(Names(list).empty());
}

}  // namespace
}  // namespace zeph
