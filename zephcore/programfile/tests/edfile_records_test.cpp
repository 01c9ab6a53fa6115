// Single records of the model part: how symbol trees are shaped by the order of their
// records, value slots of every kind of constant and reference, and block types of older
// files.
#include <gtest/gtest.h>

#include "edfile_testutil.h"

#include <cstring>
#include <string>
#include <vector>

#include "foundation/kvlserr.h"
#include "model/custompb.h"
#include "model/pbentry_instance.h"
#include "model/symtable.h"
#include "programfile/edfile/edfile.h"
#include "programfile/edfile/edfile_blocks.h"

namespace zeph::test {
namespace {

using Records = EdFileTest;

std::string File(const std::string& symbols, const std::string& blocks = "", const char* version = "VLXV8.03") {
  return std::string("{VERSION}\r\n[") + version + ",]\r\n{EndofVersion}\r\n{Symbols}\r\n" + symbols +
         "{EndofSymbols}\r\n{VavurOrezos}\r\n" + blocks + "{EndofVavurOrezos}\r\n";
}

std::string Variable(const char* name) { return std::string("[0,") + name + ",1,3,0,0,1,0,0,0,0,0,0,0,]\r\n"; }

// The names of a tree's records in a saved file, in their order.
std::string Order(const std::string& text) {
  std::string out;
  for (std::size_t at = text.find("[0,"); at != std::string::npos; at = text.find("[0,", at + 1)) {
    out += text.substr(at + 3, text.find(',', at + 3) - at - 3) + " ";
  }
  return out;
}

TEST_F(Records, ATreeTakesTheShapeItsRecordsDescribe) {
  const struct {
    std::string records;
    std::string savedOrder;
  } cases[] = {
      // The post-order of a balanced tree is kept as it is, even where inserting the
      // names one by one would have made another tree.
      {Variable("a") + Variable("c") + Variable("b"), "a c b "},
      {Variable("a") + Variable("b") + Variable("d") + Variable("c"), "a b d c "},
      // An order that is no balanced tree (a chain) is filed by inserting.
      {Variable("a") + Variable("b") + Variable("c"), "a c b "},
      {Variable("c") + Variable("a") + Variable("b"), "a c b "},
  };
  for (const auto& c : cases) {
    auto p = NewProgram();
    ASSERT_EQ(Load(*p, File(c.records), kKvLoadSaveLogAndStop), 0) << c.records;
    EXPECT_EQ(Order(Save(*p)), c.savedOrder) << c.records;
  }
}

// Blocks are written in the order of their symbols' tree and matched with it while read;
// blocks in any other order still reach their own symbols.
TEST_F(Records, BlocksInAnotherOrderReachTheirSymbols) {
  auto source = NewProgram();
  FillRich(*source, false);
  const std::string text = Save(*source);
  const std::size_t begin = text.find("{VavurOrezos}\r\n") + std::strlen("{VavurOrezos}\r\n");
  const std::size_t end = text.find("{EndofVavurOrezos}");
  // Each block opens with its "[" line; the lines after it up to the next one are its own.
  std::vector<std::string> blocks;
  for (std::size_t at = begin; at < end;) {
    std::size_t next = text.find("\r\n[", at);
    next = next == std::string::npos || next + 2 >= end ? end : next + 2;
    blocks.push_back(text.substr(at, next - at));
    at = next;
  }
  ASSERT_GT(blocks.size(), 3u);
  std::string reversed = text.substr(0, begin);
  for (auto b = blocks.rbegin(); b != blocks.rend(); ++b) reversed += *b;
  reversed += text.substr(end);

  auto inOrder = NewProgram();
  ASSERT_EQ(Load(*inOrder, text), 0);
  auto outOfOrder = NewProgram();
  ASSERT_EQ(Load(*outOfOrder, reversed), 0);
  EXPECT_TRUE(SameLines(DumpProgram(*inOrder), DumpProgram(*outOfOrder)));
  EXPECT_TRUE(SameLines(text, Save(*outOfOrder)));
}

TEST_F(Records, ValueSlotsKeepEveryConstantAndReference) {
  auto p = NewProgram();
  p->Reset();
  Symbol* page = nullptr;
  ASSERT_EQ(p->AddNamedSymbol(&page, "Main", kTypeSuperBlock, 1, 1, 0, false), 0);
  Symbol* count = nullptr;
  ASSERT_EQ(p->AddNamedSymbol(&count, "Count", kTypeInteger, 1, 1, 0, false), 0);
  count->ArraySize = 4;
  p->SetCurrentPage(page);
  int userError = 0;
  ASSERT_EQ(CustomPBAdd(p->CustomVavurOrezos(), "Code", &p->Symbols()), 0);
  PBInstance* b = p->AddVavurOrezo(kPBTypeCustom, "Hook", "Code", &userError);
  ASSERT_NE(b, nullptr);
  const std::string longText(300, 'x');
  const double third = 1.0 / 3;
  const float tenth = 0.1f;
  const std::int16_t small = -5;
  const std::int32_t big = 2000000000;
  const unsigned char ch = 200;
  struct Slot {
    int type;
    const void* bytes;
    std::size_t size;
    const char* text;   // a text constant, or with type -1 a reference
  } slots[] = {
      {kTypeCharacter, &ch, 1, nullptr},   {kTypeSmallInteger, &small, 2, nullptr}, {kTypeInteger, &big, 4, nullptr},
      {kTypeSmallNumber, &tenth, 4, nullptr}, {kTypeNumber, &third, 8, nullptr},
      {kTypeString, nullptr, 0, ""},          {kTypeString, nullptr, 0, nullptr},
      {kTypeDateString, nullptr, 0, "12/31/99"}, {0, nullptr, 0, "Not, yet~"},
      {-1, nullptr, 0, "Count[2]"},           {-1, nullptr, 0, "Count"},
  };
  std::string text256(256, 'y');
  slots[5].text = text256.c_str();
  slots[6].text = longText.c_str();
  for (std::size_t i = 0; i < sizeof slots / sizeof slots[0]; ++i) {
    SymP* slot = b->Area.Slot(24 + 18 * static_cast<int>(i));
    ASSERT_NE(slot, nullptr);
    if (slots[i].type == -1) {
      ParseVariableReference(slots[i].text, *slot, AllTypesMask(), nullptr, &p->Symbols());
      ASSERT_NE(slot->S, nullptr);
      continue;
    }
    slot->ConstType = static_cast<std::int16_t>(slots[i].type);
    if (slots[i].text != nullptr) slot->SetConstText(slots[i].text);
    else slot->SetConstBytes(slots[i].bytes, slots[i].size);
  }
  RecomputeInstanceState(*b, p->Symbols());
  const std::string saved = Save(*p);
  auto copy = NewProgram();
  ASSERT_EQ(Load(*copy, saved, kKvLoadSaveLogAndStop), 0);
  EXPECT_TRUE(SameLines(DumpProgram(*p), DumpProgram(*copy)));
  PBInstance* read = InstanceOf(LookupSymbol("Hook", kTypeVavurOrezo, &copy->Symbols()));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(std::string(read->Area.FindSlot(24 + 18 * 6)->ConstText()), longText);   // no cut at 256
  ASSERT_TRUE(read->Area.FindSlot(24 + 18 * 9)->ArrayIndex);
}

// References of older files to members renamed or dropped since.
TEST_F(Records, OlderMemberNamesAreMended) {
  const std::string symbols = "[0,Call,1,62,1,0,1,0,0,0,0,0,0,0,]\r\n[0,Addr,1,55,1,0,1,0,0,0,0,0,0,0,]\r\n"
                              "[0,Wait,1,34,0,0,0,0,0,0,1,0,0,0,]\r\n[0,Main,1,41,0,0,1,0,0,0,1,0,0,0,]\r\n";
  auto blockWith = [](const std::string& reference, int type) {
    std::string b = "[Wait,134,0,0,0,0,0,0,0,,0,0,0,0,]\r\n(0,0,0,0,0,0,0,0,0,0,0,0,)\r\n";
    b += "<1,0,0,0,0," + std::to_string(type) + "," + reference + ",>\r\n";
    b += "<2,0,0,0,0,0,,>\r\n(0,0,0,0,0,0,)\r\n";
    return b;
  };
  const struct {
    const char* version;
    std::string reference;
    int type;
    bool named;   // the slot names the variable afterwards
  } cases[] = {
      {"VLXV4.02", "Addr.PrimaryDN", kTypeAddrParms, false},
      {"VLXV4.07", "Call.CallID", kTypeCallInfoStruct, false},
      {"VLXV4.08", "Call.DNType", kTypeCallInfoStruct, true},
      {"VLXV4.08", "Addr.UniqueID", kTypeAddrParms, true},
  };
  for (const auto& c : cases) {
    auto p = NewProgram();
    ASSERT_EQ(Load(*p, File(symbols, blockWith(c.reference, c.type), c.version), kKvLoadSaveLogAndStop), 0)
        << c.reference;
    PBInstance* wait = InstanceOf(LookupSymbol("Wait", kTypeVavurOrezo, &p->Symbols()));
    ASSERT_NE(wait, nullptr);
    const SymP* slot = wait->Area.FindSlot(24);
    EXPECT_EQ(slot != nullptr && slot->S != nullptr, c.named) << c.version << " " << c.reference;
    if (c.named) {
      EXPECT_NE(slot->StructMemNum, 0) << c.reference;
    }
  }
}

TEST_F(Records, BlockTypesOfOlderFilesAreRenumbered) {
  const struct {
    const char* version;
    int stored;
    int read;
  } cases[] = {{"VLXV4.01", 362, 373}, {"VLXV4.01", 361, 361}, {"VLXV4.08", 391, 393}, {"VLXV5.01", 392, 393},
               {"VLXV5.02", 392, 392}};
  for (const auto& c : cases) {
    const std::string symbols = "[0,B,1,34,0,0,0,0,0,0,1,0,0,0,]\r\n";
    // No parameter lines follow: the block reads only its header before the section ends.
    const std::string block = "[B," + std::to_string(c.stored) + ",0,0,0,0,0,0,0,,0,0,0,0,]\r\n";
    auto p = NewProgram();
    Load(*p, File(symbols, block, c.version), kKvLoadSaveLogAndContinue);
    PBInstance* b = InstanceOf(LookupSymbol("B", kTypeVavurOrezo, &p->Symbols()));
    ASSERT_NE(b, nullptr) << c.version << " " << c.stored;
    EXPECT_EQ(b->Type, c.read) << c.version << " " << c.stored;
  }
}

int g_copyBacks = 0;
void CountCopyBack(TProgram& program) {
  ++g_copyBacks;
  program.DllHeaderText = "from the open editor";
}

TEST_F(Records, OpenEditorsAreCopiedBackBeforeASave) {
  auto p = NewProgram();
  SetEditorCopyBack(&CountCopyBack);
  const std::string text = Save(*p);
  SetEditorCopyBack(nullptr);
  EXPECT_EQ(g_copyBacks, 1);
  EXPECT_NE(text.find("{DLLs}\r\n[from the open editor,]\r\n{EndOfDLLs}\r\n"), std::string::npos);
}

}  // namespace
}  // namespace zeph::test
