// Files without the keyed layout: the older binary form, read record by record with its
// version rules, and a bare model part, whose blocks are laid out on a new main page.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bank/buffer.h"
#include "canvas_fixture.h"
#include "editor/file/binaryrecords.h"
#include "editor/file/layoutfuzz.h"
#include "editor/file/loadstate.h"
#include "editor/file/programfile.h"
#include "model/datatypes.h"
#include "model/pbfielddef.h"
#include "model/pbtype.h"
#include "programfile/edfile/edfile_blocks.h"

namespace ed {
namespace {

constexpr int kPlayType = 404;   // a block with one "Done" output

// The raw model part of an older file: one VavurOrezo symbol and block per name, with
// empty parameters, at the column and row given.
struct RawBlock {
  const char* name;
  int column, row;
};

std::vector<unsigned char> RawModel(const std::vector<RawBlock>& blocks) {
  MemoryBuffer out;
  auto zeros = [&out](std::size_t n) { out.write(std::string(n, '\0').data(), n); };
  auto fixed = [&out](const std::string& text, std::size_t width) {
    std::string field = text;
    field.resize(width, '\0');
    out.write(field.data(), width);
  };
  out.write("VLXV8.03", 8);
  out.write_word(100);
  // Symbol image: 10 bytes, name, size, type, flags..., scope, array size, constant;
  // then no value bytes.
  auto symbol = [&](const char* name, int type) {
    zeros(10);
    fixed(name, 32);
    for (int v : {1, type, 0, 0, 1, 0}) out.write_word(v);
    out.write_long(0);
    out.write_word(0);
    out.write_long(0);
    for (int v : {0, 1, 0}) out.write_word(v);
    out.write_word(0);
  };
  symbol("Main", zeph::kTypeSuperBlock);
  for (const RawBlock& b : blocks) symbol(b.name, zeph::kTypeVavurOrezo);
  zeros(70);
  for (const RawBlock& b : blocks) {
    fixed(b.name, 32);
    for (int v : {kPlayType, 0, b.column, b.row}) out.write_word(v);
    zeros(134 - 40);
    for (const zeph::PBParmLayout* part = zeph::LayoutOf(kPlayType); part != nullptr && part->Kind != 0; ++part) {
      if (part->Kind == zeph::kLayoutPartRaw) {
        zeros(static_cast<std::size_t>(part->Length));
      } else if (part->Kind == zeph::kLayoutPartSlots) {
        for (int i = 0; i < zeph::CountFields(zeph::DescriptionOf(kPlayType)); ++i) {
          out.write_word(2);
          zeros(18);
          out.write_word(0);
        }
      }
    }
    out.write_word(0);   // nothing to skip
  }
  zeros(134);
  return out.Bytes();
}

std::string Bytes(const std::vector<unsigned char>& bytes) { return std::string(bytes.begin(), bytes.end()); }

class BinaryFileTest : public test::CanvasTest {
 protected:
  ~BinaryFileTest() override { std::remove(path.c_str()); }

  std::unique_ptr<Program> LoadBytes(const std::string& bytes, std::ostream* log) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    return ProgramFile::Load(path, log, host, model, &imports);
  }

  // Header, model part and layout records (version text as given).
  std::string BinaryFile(const std::string& version, const std::vector<RawBlock>& blocks, const MemoryBuffer& layout) {
    MemoryBuffer header;
    WriteBinaryHeader(header, version);
    return Bytes(header.Bytes()) + Bytes(RawModel(blocks)) + Bytes(layout.Bytes());
  }

  std::string path = ::testing::TempDir() + "binary_" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ed";
};

TEST_F(BinaryFileTest, AModelOnlyFileGetsAMainPageWithItsBlocksOnTheGrid) {
  std::ostringstream log;
  std::unique_ptr<Program> loaded = LoadBytes(Bytes(RawModel({{"Greet", 2, 3}, {"Bye", 0, 0}})), &log);
  ASSERT_NE(loaded, nullptr) << log.str();
  EXPECT_EQ(log.str(), "");
  ASSERT_EQ(loaded->Pages().size(), 1u);
  Page* main = loaded->GetMainPage();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->Name(), "Main");
  ASSERT_EQ(main->Blocks().size(), 2u);
  VavurOrezo* greet = main->FindVavurOrezo("Greet");
  ASSERT_NE(greet, nullptr);
  EXPECT_EQ(greet->X(), 562);
  EXPECT_EQ(greet->Y(), 386);
  EXPECT_EQ(greet->TypeCode(), kPlayType);
  ASSERT_NE(greet->Record(), nullptr);
  EXPECT_NE(greet->FindOutput("Done"), nullptr);
  EXPECT_NE(greet->Handle(), nullptr);
  VavurOrezo* bye = main->FindVavurOrezo("Bye");
  ASSERT_NE(bye, nullptr);
  EXPECT_EQ(bye->X(), 50);
  EXPECT_EQ(bye->Y(), 50);
  EXPECT_FALSE(loaded->IsModified());
}

// A program laid out from a model-only file, given lines and segments, written in the
// binary form and read back.
TEST_F(BinaryFileTest, TheCurrentBinaryFormReadsBackWhatWasWritten) {
  const std::vector<RawBlock> blocks = {{"Greet", 0, 0}, {"Menu", 1, 0}, {"Bye", 2, 1}};
  std::unique_ptr<Program> source = LoadBytes(Bytes(RawModel(blocks)), nullptr);
  ASSERT_NE(source, nullptr);
  Page* page = source->GetMainPage();
  VavurOrezo* greet = page->FindVavurOrezo("Greet");
  VavurOrezo* menu = page->FindVavurOrezo("Menu");
  VavurOrezo* bye = page->FindVavurOrezo("Bye");
  source->Activate();
  Goto* first = greet->CreateGoto(menu, "Done", 0);
  ASSERT_NE(first, nullptr);
  first->AddSegment(400, 60, 400, 70, 0);
  first->SetFlags(kGotoHandEdited);
  ASSERT_NE(menu->CreateGoto(bye, "Done", 0), nullptr);
  bye->SetPosition(5, 700);
  bye->SetDescription("Says goodbye");
  greet->Shown().SetByte(4, 0x81);

  LayoutState state;
  state.program = source.get();
  // The program's counter leads the records: the first write hands the ids out.
  MemoryBuffer handingOut, layout;
  ASSERT_EQ(WriteBinaryLayout(handingOut, state), 1);
  ASSERT_EQ(WriteBinaryLayout(layout, state), 1);
  std::ostringstream log;
  std::unique_ptr<Program> loaded = LoadBytes(BinaryFile("V9.01", blocks, layout), &log);
  ASSERT_NE(loaded, nullptr) << log.str();
  EXPECT_EQ(log.str(), "");

  Page* back = loaded->GetMainPage();
  ASSERT_NE(back, nullptr);
  ASSERT_EQ(back->Blocks().size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    const VavurOrezo& a = *page->Blocks()[i];
    const VavurOrezo& b = *back->Blocks()[i];
    EXPECT_EQ(b.Name(), a.Name());
    EXPECT_EQ(b.X(), a.X()) << a.Name();
    EXPECT_EQ(b.Y(), a.Y());
    EXPECT_EQ(b.TypeCode(), a.TypeCode());
    EXPECT_EQ(b.GotoBlocks().size(), a.GotoBlocks().size());
    EXPECT_EQ(b.Gotos().size(), a.Gotos().size());
    for (int k = 0; k < OutputBitSet::kBytes; ++k) EXPECT_EQ(b.Shown().Byte(k), a.Shown().Byte(k)) << a.Name();
  }
  EXPECT_STREQ(back->FindVavurOrezo("Bye")->GetDescription(), "Says goodbye");
  const Goto& line = *back->FindVavurOrezo("Greet")->Gotos()[0];
  EXPECT_EQ(line.OutputName(), "Done");
  EXPECT_EQ(line.EndBlock(), back->FindVavurOrezo("Menu"));
  EXPECT_TRUE(line.TestFlags(kGotoHandEdited));
  ASSERT_EQ(line.GetSegments().size(), first->GetSegments().size());
  EXPECT_EQ(line.GetSegments()[0]->fromX, first->GetSegments()[0]->fromX);
  EXPECT_GE(loaded->IdCounter(), source->IdCounter());

  // Written again, the layout is the same bytes.
  LayoutState again;
  again.program = loaded.get();
  MemoryBuffer rewritten;
  ASSERT_EQ(WriteBinaryLayout(rewritten, again), 1);
  EXPECT_EQ(Bytes(rewritten.Bytes()), Bytes(layout.Bytes()));
}

// Records of older versions, written by hand: one page, block A with a goto block and a
// line to B, and one segment.
struct OldForm {
  const char* version;
  int storedType;      // the type word of the blocks
  int storedBit;       // the goto's output bit as stored
  int expectedType;    // after the load
  bool gotoBlockKept;  // attached as read (else rebuilt from the outputs)
  bool rerouted;       // the line is marked for routing
};

MemoryBuffer OldLayout(const OldForm& form) {
  const int version = static_cast<int>(std::stod(form.version + 1) * 100 + 0.5);
  MemoryBuffer out;
  out.write_word(kClassProgram);
  out.write_long(50);
  out.write_word(kClassPage);
  out.write_long(1);
  out.write_string("Main");
  out.write_word(0);
  for (std::int32_t id : {2, 3}) {
    out.write_word(kClassVavurOrezo);
    out.write_long(id);
    out.write_string(id == 2 ? "A" : "B");
    out.write_string("");
    out.write_word(id == 2 ? -30 : 300);
    out.write_word(100);
    out.write_word(0x6);   // marked and located: cleared by the load
    if (version > 202) {
      for (int set = 0; set < 2; ++set) {
        out.write_byte(5);
        out.write("\x20\0\0\0\0", 5);
      }
    } else {
      out.write("\x20\0\0\0", 4);
      if (version >= 202) out.write("\x20\0\0\0", 4);
    }
    out.write_long(1);
    out.write_word(form.storedType);
  }
  out.write_word(kClassGotoBlock);
  if (version > 200) {
    out.write_word(form.storedBit);
    out.write_word(7);
  } else {
    out.write_string("Done");
    out.write_word(7);
  }
  out.write_long(2);
  out.write_word(kClassGoto);
  out.write_long(4);
  out.write_word(form.storedBit);
  out.write_word(3);
  out.write_word(0);
  out.write_long(2);
  out.write_long(3);
  out.write_word(kClassSegment);
  for (int v : {10, 20, 10, 40}) out.write_word(v);
  out.write_long(4);
  out.write_word(kBinaryEnd);
  out.write_long(60);
  return out;
}

TEST_F(BinaryFileTest, OlderVersionsFollowTheirOwnRules) {
  // The "Done" output of the type has bit 5; files up to 2.01 stored it 4 lower.
  const OldForm forms[] = {
      {"V9.01", kPlayType, 5, kPlayType, true, false},
      {"V2.03", kPlayType - 1, 5, kPlayType, true, false},
      {"V2.02", kPlayType - 1, 5, kPlayType, true, false},
      {"V2.01", kPlayType - 1, 1, kPlayType, false, true},
      {"V2.00", kPlayType - 1, 1, kPlayType, false, true},
  };
  for (const OldForm& form : forms) {
    SCOPED_TRACE(form.version);
    std::ostringstream log;
    std::unique_ptr<Program> loaded = LoadBytes(BinaryFile(form.version, {{"A", 0, 0}, {"B", 1, 0}}, OldLayout(form)), &log);
    ASSERT_NE(loaded, nullptr) << log.str();
    EXPECT_EQ(log.str(), "");
    VavurOrezo* a = loaded->GetMainPage()->FindVavurOrezo("A");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->X(), 0);
    EXPECT_EQ(a->TypeCode(), form.expectedType);
    EXPECT_EQ(a->Flags() & (kBlockMarked | kBlockLocated), 0u);
    // The second set is in files from 2.02 on.
    EXPECT_EQ(a->Expanded().Byte(0), std::string(form.version) >= "V2.02" ? 0x20 : 0);
    ASSERT_EQ(a->Gotos().size(), 1u);
    const Goto& line = *a->Gotos()[0];
    EXPECT_EQ(line.OutputName(), "Done");
    EXPECT_EQ(line.Colour(), 3);
    EXPECT_EQ(line.TestFlags(kGotoReroute), form.rerouted);
    ASSERT_EQ(line.GetSegments().size(), 1u);
    EXPECT_EQ(line.GetSegments()[0]->toY, 40);
    // The goto block read from the file keeps its offset; a rebuilt one starts at 0.
    ASSERT_EQ(a->GotoBlocks().size(), 1u);
    EXPECT_EQ(a->GotoBlocks()[0]->GetOffset(), form.gotoBlockKept ? 7 : 0);
    EXPECT_EQ(loaded->IdCounter(), 60);
  }
}

// The layout of a current file with one byte changed at the offset.
std::string Patched(std::string bytes, std::size_t offset, char value) {
  bytes[offset] = value;
  return bytes;
}

TEST_F(BinaryFileTest, BadRecordsEndTheLoadWithTheirMessages) {
  const OldForm form = {"V9.01", kPlayType, 5, kPlayType, true, false};
  const std::string good = BinaryFile(form.version, {{"A", 0, 0}, {"B", 1, 0}}, OldLayout(form));
  const std::size_t layout = good.size() - OldLayout(form).Bytes().size();
  // Offsets into the layout: the first record's type word, block A's owner page id, the
  // first bit-set count, the goto's start id.
  const std::size_t pageWord = layout + 6;
  const std::size_t firstCount = pageWord + (2 + 4 + 5 + 2) + (2 + 4 + 2 + 1 + 2 + 2 + 2);
  const std::size_t ownerOfA = firstCount + 12;
  const std::string readError = "ERROR: Error reading file or unexpected end of file\n";
  const std::string inconsistent = "ERROR: Input file is inconsistant and can not be read. ";
  const struct {
    std::string bytes;
    std::string log;
  } cases[] = {
      {Patched(good, pageWord, 99), "ERROR: Unknown record type in file.  Can not load program.\n"},
      {Patched(good, firstCount, 6), readError},
      {Patched(good, ownerOfA, 9), inconsistent + "Error -- [vavurorezo]\n" + readError},
      {Patched(good, layout, 0), readError},
      {good.substr(0, good.size() - 2), readError},
  };
  for (const auto& c : cases) {
    std::ostringstream log;
    EXPECT_EQ(LoadBytes(c.bytes, &log), nullptr);
    EXPECT_EQ(log.str(), c.log);
  }
  std::ostringstream log;
  ASSERT_NE(LoadBytes(good, &log), nullptr) << log.str();
}

TEST_F(BinaryFileTest, AFileCutAtAnyByteFailsCleanly) {
  const OldForm form = {"V9.01", kPlayType, 5, kPlayType, true, false};
  const std::string whole = BinaryFile(form.version, {{"A", 0, 0}, {"B", 1, 0}}, OldLayout(form));
  ASSERT_EQ(LoadFileForFuzzing(reinterpret_cast<const unsigned char*>(whole.data()), whole.size()), 1);
  for (std::size_t cut = 0; cut < whole.size(); ++cut) {
    EXPECT_EQ(LoadFileForFuzzing(reinterpret_cast<const unsigned char*>(whole.data()), cut), 0) << "cut at " << cut;
  }
}

}  // namespace
}  // namespace ed
