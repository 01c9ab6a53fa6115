// The run-file reader refuses every damaged file: a flipped byte anywhere, a cut anywhere,
// and images whose indexes or jump targets point outside what they hold.
#include <gtest/gtest.h>

#include "quay_fixture.h"

using namespace quaytest;

namespace {

std::vector<std::uint8_t> SmallRunFile() {
  const std::string script =
      "structdefs:\nPair  {\n\tinteger a\n\tstring(8) b\n}\n"
      "globalseg L1:\n\tstructure Pair P := {1,\"x\"}\n"
      "funcdefs:\n\tinteger F(integer n)\n"
      "functions:\nF {\nTop:\n    if (n > 1) goto Top\n    P.a := n\n    return OTrace(P.b)\n}\n";
  const Outcome o = CompileText(script, "", true);
  EXPECT_EQ(o.code, 0) << quay::ErrorText(o.error.code, o.error.detail);
  return quay::WriteRunImage(o.image);
}

bool Accepts(const std::vector<std::uint8_t>& bytes) {
  quay::RunImage image;
  std::string reason;
  return quay::ReadRunImage(bytes.data(), bytes.size(), image, reason);
}

}  // namespace

TEST(QuayRunFile, AnyFlippedByteIsRefused) {
  const auto good = SmallRunFile();
  ASSERT_TRUE(Accepts(good));
  for (std::size_t i = 0; i < good.size(); ++i) {
    auto bad = good;
    bad[i] ^= 0x5A;
    EXPECT_FALSE(Accepts(bad)) << "flipped byte " << i;
  }
}

TEST(QuayRunFile, AnyCutIsRefused) {
  const auto good = SmallRunFile();
  for (std::size_t n = 0; n < good.size(); ++n) {
    const std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_FALSE(Accepts(cut)) << "cut at " << n;
  }
}

// Damage with a correct checksum: the reader's own checks must catch it.
TEST(QuayRunFile, BadIndexesAndJumpsAreRefusedEvenWithAValidChecksum) {
  const Outcome o = CompileText(
      "funcdefs:\n\tinteger F(integer n)\nfunctions:\nF {\nTop:\n    goto Top\n}\n");
  ASSERT_EQ(o.code, 0);
  struct Case {
    const char* what;
    void (*damage)(quay::RunImage&);
  };
  const Case cases[] = {
      {"jump into an operand", [](quay::RunImage& i) { i.code[1] = 2; }},
      {"jump past the code", [](quay::RunImage& i) { i.code[1] = 0x7F; }},
      {"unknown opcode", [](quay::RunImage& i) { i.code[0] = 0xEE; }},
      {"function name index", [](quay::RunImage& i) { i.functions[0].name = 999; }},
      {"code outside functions", [](quay::RunImage& i) { i.code.push_back(0); }},
      {"label offset", [](quay::RunImage& i) { i.labels.push_back({0, 0, 3}); }},
      {"variable past its segment", [](quay::RunImage& i) { i.variables.at(0).offset = 70000; }},
  };
  for (const Case& c : cases) {
    quay::RunImage image = o.image;
    c.damage(image);
    EXPECT_FALSE(Accepts(quay::WriteRunImage(image))) << c.what;
  }
}

TEST(QuayRunFile, EmptyLibraryTemplateReadsBack) {
  const auto bytes = quay::EmptyLibraryImage();
  quay::RunImage image;
  std::string reason;
  ASSERT_TRUE(quay::ReadRunImage(bytes.data(), bytes.size(), image, reason)) << reason;
  EXPECT_EQ(image.kind, 1);
  EXPECT_TRUE(image.functions.empty());
}
