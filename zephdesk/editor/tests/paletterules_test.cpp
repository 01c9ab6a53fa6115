// The tabbed palette's images by type code and the groups a name selects.
#include <gtest/gtest.h>

#include "editor/palette/paletterules.h"

namespace ed::test {
namespace {

TEST(PaletteRulesTest, ImagesByTypeCodeAndTheLastForUnknownCodes) {
  struct Case {
    int code, image;
  } cases[] = {{393, 0}, {401, 2}, {142, 19}, {412, 7}, {415, 23}, {289, 24}, {181, 24}, {-101, 24}, {0, 24}};
  for (const auto& c : cases) EXPECT_EQ(PaletteImageIndex(c.code), c.image) << c.code;
}

TEST(PaletteRulesTest, GroupNamesAreComparedExactlyAndLibrariesByCapitalExtension) {
  struct Case {
    const char* name;
    PaletteGroupKind kind;
  } cases[] = {
      {"Custom", PaletteGroupKind::kCustom},
      {"custom", PaletteGroupKind::kOther},
      {"SuperBlocks", PaletteGroupKind::kSuperBlocks},
      {"Verification Blocks", PaletteGroupKind::kVerificationBlocks},
      {"BILLING.RLL", PaletteGroupKind::kLibrary},
      {"Billing.RLL (2)", PaletteGroupKind::kLibrary},
      {"billing.rll", PaletteGroupKind::kOther},
      {"Telephony", PaletteGroupKind::kOther},
  };
  for (const auto& c : cases) EXPECT_EQ(ClassifyPaletteGroup(c.name), c.kind) << c.name;
}

}  // namespace
}  // namespace ed::test
