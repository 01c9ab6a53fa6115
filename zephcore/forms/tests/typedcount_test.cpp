// Counts and times typed into the delay-sequence forms.
#include <gtest/gtest.h>

#include "forms/engine/typedcount.h"

namespace zeph {
namespace {

TEST(TypedCount, ReadsLeadingDigitsOfTheWholeText) {
  const struct {
    const char* text;
    std::int32_t max;
    bool read;
    std::int32_t value;
  } cases[] = {
      {"007", 2147483647, true, 7},
      {"0", 2147483647, true, 0},
      {"000", 2147483647, true, 0},
      {"12x", 2147483647, true, 12},
      {"1000", 2147483647, true, 1000},           // never cut to its first characters
      {"123456789", 2147483647, true, 123456789},
      {"2147483647", 2147483647, true, 2147483647},
      {"2147483648", 2147483647, false, 0},
      {"99999999999999999999", 2147483647, false, 0},
      {"32767", 32767, true, 32767},
      {"32768", 32767, false, 0},
      {"", 2147483647, false, 0},
      {"abc", 2147483647, false, 0},
      {"0x", 2147483647, false, 0},                // the zero is dropped, "x" reads nothing
      {"-5", 2147483647, false, 0},
      {" 12", 2147483647, false, 0},
  };
  for (const auto& c : cases) {
    std::int32_t value = -77;
    EXPECT_EQ(ReadTypedCount(c.text, c.max, &value), c.read) << c.text;
    EXPECT_EQ(value, c.read ? c.value : -77) << c.text;
  }
}

}  // namespace
}  // namespace zeph
