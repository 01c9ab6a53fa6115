// Damaged text files: cut short, or with lines that do not read. Every damage gives a
// clear result, and nothing is left pointing at what was dropped.
#include <gtest/gtest.h>

#include "edfile_testutil.h"

#include <string>
#include <vector>

#include "foundation/kvlserr.h"
#include "model/symtable.h"
#include "model/vsentence.h"

namespace zeph::test {
namespace {

using Damage = EdFileTest;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find("\r\n", at);
    lines.push_back(text.substr(at, end - at + 2));
    at = end + 2;
  }
  return lines;
}

// Cut before any line up to the end of the blocks, the file is reported as corrupt, both
// when every problem on the way is passed over and when the first one stops the read.
TEST_F(Damage, AFileCutBeforeItsLastLineIsCorrupt) {
  auto original = NewProgram();
  FillRich(*original, false);
  const std::vector<std::string> lines = Lines(Save(*original));
  ASSERT_EQ(lines.back(), "{EndofVavurOrezos}\r\n");
  std::string cut;
  for (std::size_t n = 0; n + 1 < lines.size(); ++n) {
    auto p = NewProgram();
    const int rc = Load(*p, cut, kKvLoadSaveLogAndContinue);
    EXPECT_EQ(rc, -158) << "cut before line " << n + 1 << ": " << lines[n];
    auto q = NewProgram();
    const int stopped = Load(*q, cut, kKvLoadSaveLogAndStop);
    EXPECT_TRUE(stopped == -158 || stopped == kKvLoadSaveUserStopped) << "cut before line " << n + 1;
    cut += lines[n];
  }
}

// Lines that do not read are reported; going on reads the rest.
TEST_F(Damage, MalformedLinesArePassedOverWhenTheUserGoesOn) {
  const struct {
    const char* symbols;
    const char* blocks;
    const char* survivor;   // the symbol that must still be read
  } cases[] = {
      {"[0,Bad\r\n[0,Count,1,3,0,0,1,0,0,0,0,0,0,0,]\r\n", "", "Count"},
      {"[0,ANameOfThirtyTwoCharactersXXXXXX,1,3,0,0,1,0,0,0,1,0,0,0,]\r\n<5,>\r\n"
       "[0,Count,1,3,0,0,1,0,0,0,0,0,0,0,]\r\n", "", "Count"},
      {"[0,Rec,1,150,1,0,1,0,0,0,1,0,0,0,]\r\n<1,>\r\n<2,>\r\n[0,Count,1,3,0,0,1,0,0,0,0,0,0,0,]\r\n", "", "Count"},
      {"[0,Count,1,3,0,0,1,0,0,0,1,0,0,0,]\r\n<5>\r\n", "", "Count"},
      {"[0,Count,1,3,0,0,1,0,0,0,0,0,0,0,]\r\n", "[Ghost,134,0,0,0,0,0,0,0,,0,0,0,0,]\r\n(1,2)\r\n", "Count"},
  };
  for (const auto& c : cases) {
    const std::string text = std::string("{VERSION}\r\n[VLXV8.03,]\r\n{EndofVersion}\r\n{Symbols}\r\n") + c.symbols +
                             "{EndofSymbols}\r\n{VavurOrezos}\r\n" + c.blocks + "{EndofVavurOrezos}\r\n";
    auto p = NewProgram();
    const int before = KvLoadSaveErrorReportCount();
    EXPECT_EQ(Load(*p, text, kKvLoadSaveLogAndContinue), 0) << c.symbols << c.blocks;
    EXPECT_NE(KvLoadSaveErrorReportCount(), before) << c.symbols << c.blocks;
    EXPECT_NE(LookupSymbol(c.survivor, kTypeInteger, &p->Symbols()), nullptr) << c.symbols << c.blocks;
    auto q = NewProgram();
    EXPECT_EQ(Load(*q, text, kKvLoadSaveLogAndStop), kKvLoadSaveUserStopped) << c.symbols << c.blocks;
  }
}

// A sentence whose reference names nothing reads as the folder text the old editor
// showed for it; its items keep going.
TEST_F(Damage, ASentencePathVariableThatIsGoneReadsAsBadSymbol) {
  const std::string text =
      "{VERSION}\r\n[VLXV8.03,]\r\n{EndofVersion}\r\n{Symbols}\r\n"
      "[0,Hi,1,35,0,0,1,0,0,0,1,0,0,0,]\r\n"
      "(1,1,0,0,0,_PR_GONE,,)\r\n"
      "{EndofSymbols}\r\n{VavurOrezos}\r\n{EndofVavurOrezos}\r\n";
  auto p = NewProgram();
  ASSERT_EQ(Load(*p, text, kKvLoadSaveLogAndStop), 0);
  SentenceComponent** first = SentenceComponents(LookupSymbol("Hi", kTypeVoiceSentence, &p->Symbols()));
  ASSERT_NE(first, nullptr);
  ASSERT_NE(*first, nullptr);
  EXPECT_EQ((*first)->RefFlag, 0);
  EXPECT_STREQ((*first)->Area.Path, "'Bad_Symbol");
}

}  // namespace
}  // namespace zeph::test
