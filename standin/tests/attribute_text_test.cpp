#include <gtest/gtest.h>

#include "attribute_text.h"
#include "server_reply.h"

namespace standin {
namespace {

TEST(AttributeTextTest, ParsesNamesValuesAndMultiValues) {
  const auto attributes = parseAttributeString("appname~{value}~Main~{attrib}~volumenum~{value}~VOL1_F1~{mv}~VOL2_F3~{attrib}~appdescr~{value}~");
  ASSERT_EQ(attributes.size(), 3u);
  EXPECT_EQ(attributes[0].name, "appname");
  EXPECT_EQ(attributes[0].values, std::vector<std::string>{"Main"});
  EXPECT_EQ(attributes[1].values, (std::vector<std::string>{"VOL1_F1", "VOL2_F3"}));
  EXPECT_EQ(attributes[2].values, std::vector<std::string>{""});
  EXPECT_TRUE(parseAttributeString("").empty());
}

TEST(AttributeTextTest, PieceWithoutNameIsRefused) {
  try {
    parseAttributeString("appname~{value}~x~{attrib}~~{value}~y");
    FAIL() << "accepted";
  } catch (const Refusal& r) {
    EXPECT_EQ(r.code(), kInvalidSyntax);
  }
}

}  // namespace
}  // namespace standin
