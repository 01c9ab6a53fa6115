// The wizard's window-free checks: system names, SSL ports, dotted addresses.
#include "system_rules.h"

#include <gtest/gtest.h>

namespace setup {
namespace {

TEST(SystemRulesTest, NamesAreRefusedWhenEmptyOrHoldingAForbiddenCharacter) {
  EXPECT_EQ(SystemNameRefusal(""), 20005);
  EXPECT_EQ(SystemNameRefusal("Main system 2"), 0);
  for (char c : std::string("\\/:*?\"<>|")) {
    EXPECT_EQ(SystemNameRefusal(std::string("a") + c + "b"), 20006) << c;
    EXPECT_EQ(SystemNameRefusal(std::string(1, c)), 20006) << c;
  }
}

TEST(SystemRulesTest, PortsReadAsTheCLibraryReadsThem) {
  struct Case {
    const char* text;
    std::int32_t refusal;
    std::int64_t value;
  };
  const Case cases[] = {
      {"", 20016, 0},          {"0", 0, 0},           {"65535", 0, 65535},     {"65536", 20017, 65536},
      {"-1", 20017, -1},       {"abc", 0, 0},         {" 443", 0, 443},        {"443x", 0, 443},
      {"+636", 0, 636},        {"99999999999999999999", 20017, 2147483647},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PortRefusal(c.text), c.refusal) << c.text;
    EXPECT_EQ(ReadPort(c.text), c.value) << c.text;
  }
}

TEST(SystemRulesTest, DottedAddressesAreFourNumbersUpTo255) {
  const std::pair<const char*, bool> cases[] = {
      {"127.0.0.1", true},  {"255.255.255.255", true}, {"0.0.0.0", true},      {"256.0.0.1", false},
      {"1.2.3", false},     {"1.2.3.4.5", false},      {"1.2.3.4 ", false},    {"a.b.c.d", false},
      {"localhost", false}, {"", false},               {"1..2.3", false},      {"0001.2.3.4", false},
  };
  for (const auto& [text, dotted] : cases) EXPECT_EQ(IsDottedAddress(text), dotted) << text;
}

}  // namespace
}  // namespace setup
