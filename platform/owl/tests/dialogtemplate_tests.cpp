// Rewriting the window class of a dialog template, plain and extended.
#include <gtest/gtest.h>

#include <vector>

#include "owl/dialogtemplate.h"
#include "owl/module.h"
#include "test_support.h"

namespace {

std::vector<unsigned char> TemplateBytes(const char* name) {
  HINSTANCE pane = TestPane().GetHandle();
  HRSRC resource = ::FindResourceA(pane, name, MAKEINTRESOURCEA(5));
  if (!resource) return {};
  auto* data = static_cast<const unsigned char*>(::LockResource(::LoadResource(pane, resource)));
  return {data, data + ::SizeofResource(pane, resource)};
}

class DialogTemplate : public ::testing::TestWithParam<const char*> {};

TEST_P(DialogTemplate, NamesTheGivenClassAndKeepsTheItems) {
  std::vector<unsigned char> original = TemplateBytes(GetParam());
  ASSERT_FALSE(original.empty());
  EXPECT_EQ(DialogTemplateClass(original.data(), original.size()), "");

  std::vector<unsigned char> named =
      DialogTemplateWithClass(original.data(), original.size(), "SomeClass");
  ASSERT_FALSE(named.empty());
  EXPECT_EQ(DialogTemplateClass(named.data(), named.size()), "SomeClass");

  // Renaming again gives the same bytes as renaming the original: nothing else moved.
  std::vector<unsigned char> renamed = DialogTemplateWithClass(named.data(), named.size(), "X");
  std::vector<unsigned char> direct = DialogTemplateWithClass(original.data(), original.size(), "X");
  EXPECT_EQ(renamed, direct);
  // The items keep their place relative to the end of the template.
  size_t tail = original.size() - ((original.size() - 1) & ~size_t(3));
  ASSERT_GE(direct.size(), tail);
  EXPECT_TRUE(std::equal(original.end() - long(tail), original.end(), direct.end() - long(tail)));
}

INSTANTIATE_TEST_SUITE_P(PlainAndExtended, DialogTemplate,
                         ::testing::Values("PATHDIALOG", "TESTDIALOG"));

TEST(DialogTemplateErrors, ACutTemplateIsRefused) {
  std::vector<unsigned char> original = TemplateBytes("TESTDIALOG");
  ASSERT_GT(original.size(), 30u);
  EXPECT_TRUE(DialogTemplateWithClass(original.data(), 20, "X").empty());
  EXPECT_TRUE(DialogTemplateWithClass(nullptr, 0, "X").empty());
}

}  // namespace
