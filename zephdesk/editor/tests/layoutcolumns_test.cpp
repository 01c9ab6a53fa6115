// The layout record lines made column by column, against the foundation's record lines of
// the same fields, and the id index of a load.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <sstream>
#include <string>

#include "editor/canvas/page.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/file/columns.h"
#include "editor/file/idindex.h"
#include "foundation/kvrecknd.h"
#include "foundation/kvrecord.h"
#include "foundation/kvtextstm.h"

namespace ed {
namespace {

constexpr int kBlockSection = 3;

class CurrentStream {
 public:
  explicit CurrentStream(const std::string& text = "") : stream_(text) { SetTextStream(&stream_); }
  ~CurrentStream() { SetTextStream(nullptr); }
  std::string Text() const { return stream_.str(); }

 private:
  std::stringstream stream_;
};

struct Row {
  std::int32_t id;
  std::string name;
  std::uint8_t flags;
  std::string note;
};

// The line the foundation's record of the same fields writes.
std::string RecordLine(const Row& row) {
  AbstrRecord record;
  auto* id = new LONG_Field("ID");
  id->SetValue(&row.id);
  auto* name = new STRING_Field("Name", TextWidthFor(row.name, 31));
  name->SetText(row.name);
  auto* flags = new UCHAR_Field("Flags");
  flags->SetValue(&row.flags);
  auto* note = new STRING_Field("Note", TextWidthFor(row.note, 512));
  note->SetText(row.note);
  record.AddField(id);
  record.AddField(name);
  record.AddField(flags);
  record.AddField(note);
  CurrentStream out;
  EXPECT_NE(record.WriteText(kBlockSection), 0);
  return out.Text();
}

std::string ColumnsLine(const Row& row) {
  CurrentStream out;
  Columns c;
  c.Long("ID", row.id).Text("Name", 31, row.name).Byte("Flags", row.flags).Text("Note", 512, row.note);
  EXPECT_EQ(c.Write(kBlockSection), 1);
  return out.Text();
}

TEST(LayoutColumnsTest, LinesAreTheRecordLinesAndReadBackWhole) {
  const Row rows[] = {
      {0, "B0", 0, ""},
      {-7, "Name, with comma", 255, "two\r\nlines"},
      {std::numeric_limits<std::int32_t>::min(), "ends~", 9, "caret ^ and ~, tilde"},
      {std::numeric_limits<std::int32_t>::max(), std::string(40, 'x'), 128, std::string(700, 'n')},
      {12345, "tail\n", 1, ",,,"},
  };
  for (const Row& row : rows) {
    const std::string line = ColumnsLine(row);
    EXPECT_EQ(line, RecordLine(row)) << row.name;
    const std::string text = line.substr(0, line.size() - 2);
    Columns in(text);
    in.Long("ID").Text("Name").Byte("Flags").Text("Note");
    ASSERT_EQ(in.Parse(kBlockSection), 1) << text;
    EXPECT_EQ(in.LongAt(0), row.id);
    EXPECT_EQ(in.TextAt(1), row.name);
    EXPECT_EQ(in.ByteAt(2), row.flags);
    EXPECT_EQ(in.TextAt(3), row.note);
  }
}

TEST(LayoutColumnsTest, TextsStopAtTheirFirstZeroAndTheWidestField) {
  const std::string zero = std::string("ab") + '\0' + "cd";
  EXPECT_EQ(ColumnsLine({1, zero, 0, ""}), "[1,ab,0,,]\r\n");
  const std::string widest(70000, 'w');
  const std::string line = ColumnsLine({1, "n", 0, widest});
  EXPECT_EQ(line, "[1,n,0," + std::string(65534, 'w') + ",]\r\n");
}

TEST(LayoutColumnsTest, ALineMustHaveEveryColumn) {
  const char* bad[] = {"[1,B0,]", "(1,B0,0,x,)", "[1,B0,0,x", ""};
  for (const char* text : bad) {
    const std::string line = text;
    Columns in(line);
    in.Long("ID").Text("Name").Byte("Flags").Text("Note");
    EXPECT_EQ(in.Parse(kBlockSection), 0) << text;
  }
  // A line past the most columns a record has is neither written nor read.
  Columns wide;
  for (std::size_t i = 0; i <= Columns::kMostColumns; ++i) wide.Long("N", 1);
  CurrentStream out;
  EXPECT_EQ(wide.Write(kBlockSection), 0);
  EXPECT_EQ(out.Text(), "");
  const std::string ones = "[" + std::string(2 * (Columns::kMostColumns + 1), ',') + "]";
  Columns read(ones);
  for (std::size_t i = 0; i <= Columns::kMostColumns; ++i) read.Long("N");
  EXPECT_EQ(read.Parse(kBlockSection), 0);
}

// Lines read in one pass and lines left to the record reading give the same values and
// the same answer as the model part's line reader.
TEST(LayoutColumnsTest, EveryLineReadsAsTheRecordReaderReadsIt) {
  const char* lines[] = {
      "[52,B0,,50,]",
      "[-2147483648,Name,255,x,]",
      "[4294967297,a,256,,]",             // numbers keep their low bits
      "[1234567890123456789,a,1,,]",      // past 18 digits: read the lenient way
      "[+5,a,1,,]",
      "[ 5,a,1,,]",
      "[-,a,1,,]",
      "[5,with~,comma,1,,]",
      "[5,line^end,1,,]",
      "[5,end~~,1,t,]",
      "junk[5,a,1,t,]",
      "[5,a,1,t,]tail",
      "[5,a,1,t,]\x01\x02",
      "[5,a,1,t,",
      "[5,a,1,t]",
      "[5,a,1",
      "[5,,,,]",
      "[,a,1,t,]",
  };
  const zeph::EdField fields[] = {
      {"ID", zeph::EdKind::Long}, {"Name", zeph::EdKind::Text}, {"Flags", zeph::EdKind::Uchar}, {"Note", zeph::EdKind::Text}};
  for (const char* text : lines) {
    const std::string line = text;
    zeph::EdValues expected(4);
    const int answer = zeph::EdParseLine(line, kBlockSection, fields, 4, expected);
    Columns in(line);
    in.Long("ID").Text("Name").Byte("Flags").Text("Note");
    ASSERT_EQ(in.Parse(kBlockSection), answer) << text;
    if (answer != 1) continue;
    EXPECT_EQ(in.LongAt(0), static_cast<std::int32_t>(expected.Num(0))) << text;
    EXPECT_EQ(in.TextAt(1), expected.Text(1)) << text;
    EXPECT_EQ(in.ByteAt(2), static_cast<std::uint8_t>(expected.Num(2))) << text;
    EXPECT_EQ(in.TextAt(3), expected.Text(3)) << text;
  }
}

TEST(IDIndexTest, IdsNearAndFarAreFoundByClass) {
  Page page;
  VavurOrezo block;
  IDIndex ids;
  EXPECT_EQ(ids.HighestID(), 0);
  struct Case {
    std::int32_t id;
    ProgramObject* object;
    int added;
  };
  const Case cases[] = {
      {5, &page, 1},       {5, &block, 0},  // the first object of an id stays
      {0, &block, 1},      {-3, &block, 1}, {2000000000, &page, 1}, {70000, &block, 1},
      {4096, &page, 1},    {7, nullptr, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ids.Add(c.id, c.object), c.added) << c.id;
  EXPECT_EQ(ids.Size(), 6u);
  EXPECT_EQ(ids.HighestID(), 2000000000);
  EXPECT_EQ(ids.Find(5), &page);
  EXPECT_EQ(ids.Find(5, kClassPage), &page);
  EXPECT_EQ(ids.Find(5, kClassVavurOrezo), nullptr);
  EXPECT_EQ(ids.Find(-3, kClassVavurOrezo), &block);
  EXPECT_EQ(ids.Find(2000000000), &page);
  EXPECT_EQ(ids.Find(70000), &block);
  EXPECT_EQ(ids.Find(4096), &page);
  for (std::int32_t missing : {1, 7, 4095, 69999, -1, std::numeric_limits<std::int32_t>::max()}) {
    EXPECT_EQ(ids.Find(missing), nullptr) << missing;
  }
  ids.Flush();
  EXPECT_EQ(ids.Size(), 0u);
  EXPECT_EQ(ids.Find(5), nullptr);
  EXPECT_EQ(ids.HighestID(), 0);
}

}  // namespace
}  // namespace ed
