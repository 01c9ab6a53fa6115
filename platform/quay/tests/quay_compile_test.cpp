// The compiler on a script written the way the generator writes one: it compiles, the run
// file reads back, and the code of a small function is what the listing says.
#include <gtest/gtest.h>

#include "quay_fixture.h"

using namespace quaytest;

TEST(QuayCompile, FixtureCompilesAndReadsBack) {
  const Outcome o = CompileText(ReadText(DataPath("fixture.tsl")));
  ASSERT_EQ(o.code, 0) << quay::ErrorText(o.error.code, o.error.detail) << " at " << o.error.position;
  EXPECT_EQ(o.image.kind, 0);
  EXPECT_EQ(o.image.customerId, 12);
  EXPECT_EQ(o.image.applicationId, 34);
  EXPECT_EQ(o.image.name, "Demo");
  ASSERT_EQ(o.image.functions.size(), 2u);

  const auto bytes = quay::WriteRunImage(o.image);
  quay::RunImage back;
  std::string reason;
  ASSERT_TRUE(quay::ReadRunImage(bytes.data(), bytes.size(), back, reason)) << reason;
  EXPECT_EQ(quay::Disassemble(back), quay::Disassemble(o.image));
  EXPECT_EQ(quay::WriteRunImage(back), bytes);
}

TEST(QuayCompile, InitialDataLandsInTheSegment) {
  const Outcome o = CompileText(ReadText(DataPath("fixture.tsl")));
  ASSERT_EQ(o.code, 0);
  const quay::RunSegment* found = nullptr;
  for (const auto& segment : o.image.segments)
    if (o.image.strings[segment.name] == "LDemo1765000000") found = &segment;
  ASSERT_NE(found, nullptr);
  const auto& seg = found->data;
  // Counter (3), Greeting "hello" in 21 bytes, Who {7, "Ann"}, Table[4], Sub$Local.
  ASSERT_EQ(seg.size(), 4u + 21u + 24u + 16u + 4u);
  EXPECT_EQ(seg[0], 3);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&seg[4]), 5), "hello");
  EXPECT_EQ(seg[25], 7);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&seg[29]), 3), "Ann");
}

TEST(QuayCompile, SmallFunctionMatchesItsListing) {
  const std::string script =
      "funcdefs:\n"
      "\tinteger Helper(integer n)\n"
      "functions:\n"
      "Helper {\n"
      "Top:\n"
      "    if (n > 2) goto Out\n"
      "    else Error := n + 1\n"
      "    goto Top\n"
      "Out:\n"
      "    return n * 2\n"
      "}\n";
  const Outcome o = CompileText(script);
  ASSERT_EQ(o.code, 0) << quay::ErrorText(o.error.code, o.error.detail);
  const std::string listing = quay::Disassemble(o.image);
  const std::string expected =
      "function Helper (1)\n"
      "Top:\n"
      "  0000 pushp 0\n"
      "  0005 load 3\n"
      "  0007 pushi 2\n"
      "  000C gt\n"
      "  000D jz 001C\n"
      "  0012 jump 0039\n"
      "  0017 jump 0034\n"
      "  001C pushg Error\n"
      "  0021 pushp 0\n"
      "  0026 load 3\n"
      "  0028 pushi 1\n"
      "  002D add\n"
      "  002E store 3 4\n"
      "  0034 jump 0000\n"
      "Out:\n"
      "  0039 pushp 0\n"
      "  003E load 3\n"
      "  0040 pushi 2\n"
      "  0045 mul\n"
      "  0046 retv\n"
      "  0047 ret\n";
  EXPECT_EQ(listing, expected);
}

TEST(QuayCompile, LibraryWithoutMainIsALibraryImage) {
  const std::string script =
      "funcdefs:\n"
      "\timport $$_Sub integer $$_Sub.AppManager(structure MbxStruct CurMailbox, structure  MsgStruct CurMessage, "
      "structure AddrParm CurAddress, structure BodyStruct CurBody)\n"
      "functions:\n\n"
      "UserApp {\n"
      "Sub$EVENT$$:\n"
      "    return Done\n"
      "}\n";
  const Outcome o = CompileText(script);
  ASSERT_EQ(o.code, 0) << quay::ErrorText(o.error.code, o.error.detail);
  EXPECT_EQ(o.image.kind, 1);
  EXPECT_EQ(o.image.strings[o.image.functions.at(0).name], "$$_Sub.AppManager");
}

TEST(QuayCompile, ProviderDeclarationsAreSeenAndPageLocalNamesStayOnTheirPage) {
  const std::string declarations =
      "variables:\n"
      "\tinteger Shared\n"
      "\tinteger Main$Own\n";
  const std::string body =
      "funcdefs:\n"
      "\tinteger UserApp(structure MbxStruct CurMailbox, structure  MsgStruct CurMessage, "
      "structure AddrParm CurAddress, structure BodyStruct CurBody)\n"
      "functions:\n"
      "UserApp {\n"
      "    Shared := 1\n"
      "    USE := 2\n"
      "UserApp$EVENT$$:\n"
      "    return 0\n"
      "}\n";
  EXPECT_EQ(CompileText(Replace(body, "USE", "Shared"), declarations).code, 0);
  const Outcome other = CompileText(Replace(body, "USE", "Main$Own"), declarations);
  // "Main$Own" is named like a variable of a page Main; the Main page body may use it.
  EXPECT_EQ(other.code, 0);
  const Outcome missing = CompileText(Replace(body, "USE", "Shared"));
  EXPECT_EQ(missing.code, quay::kErrUndefinedName);
  EXPECT_EQ(missing.error.detail, "Shared");
}
