// The line source of the model part: lines split from the stream's buffer come out as
// std::getline gives them, and the stream is left right after the last line taken, so
// the designer's sections behind the model part stay readable, whatever the size of the
// stream's buffer.
#include <gtest/gtest.h>

#include "edfile_testutil.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "programfile/edfile/edfile.h"
#include "programfile/edfile/edfile_context.h"
#include "programfile/edfile/edfile_sections.h"

namespace zeph::test {
namespace {

// A file stream over the text with a get area of the given size (0: the library's own).
class FileOf {
 public:
  FileOf(const std::string& text, std::size_t bufferSize)
      : path_("edfile_linesource_" + std::to_string(++made_) + ".tmp") {
    std::ofstream(path_, std::ios::binary) << text;
    if (bufferSize != 0) {
      buffer_.resize(bufferSize);
      stream.rdbuf()->pubsetbuf(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    }
    stream.open(path_, std::ios::in | std::ios::out | std::ios::binary);
  }
  ~FileOf() { std::remove(path_.c_str()); }
  std::fstream stream;

 private:
  static inline int made_ = 0;
  std::string path_;
  std::vector<char> buffer_;
};

std::string Rest(std::istream& in) {
  std::ostringstream rest;
  rest << in.rdbuf();
  return rest.str();
}

TEST(EdLineSource, LinesComeOutAsGetlineGivesThemAndTheRestStaysInTheStream) {
  const std::string text = "first\r\nsecond\n\r\n" + std::string(40, 'x') + "\r\nfifth\r\nbehind\r\nlast";
  for (const std::size_t bufferSize : {std::size_t{3}, std::size_t{16}, std::size_t{0}}) {
    for (int taken = 0; taken <= 5; ++taken) {
      FileOf file(text, bufferSize);
      std::istringstream expected(text);
      std::string line;
      std::string want;
      {
        EdLineSource source(file.stream);
        for (int i = 0; i < taken; ++i) {
          ASSERT_TRUE(source.Next(line)) << bufferSize << " " << i;
          ASSERT_TRUE(std::getline(expected, want));
          if (!want.empty() && want.back() == '\r') want.pop_back();
          EXPECT_EQ(line, want) << bufferSize << " " << i;
        }
      }
      ASSERT_TRUE(file.stream.good()) << bufferSize << " " << taken;
      EXPECT_EQ(Rest(file.stream), Rest(expected)) << "buffer " << bufferSize << ", lines taken " << taken;
    }
  }
}

TEST(EdLineSource, TheEndOfTheStreamIsReportedAsGetlineReportsIt) {
  const struct {
    const char* text;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {}},
      {"a\r\n", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\n\r", {"a", ""}},
  };
  for (const auto& c : cases) {
    std::istringstream in(c.text);
    EdLineSource source(in);
    std::string line;
    for (const std::string& want : c.lines) {
      ASSERT_TRUE(source.Next(line)) << c.text;
      EXPECT_EQ(line, want) << c.text;
    }
    EXPECT_FALSE(source.Next(line)) << c.text;
    EXPECT_EQ(source.Peek(), nullptr) << c.text;
    EXPECT_TRUE(in.eof()) << c.text;
    EXPECT_TRUE(in.fail()) << c.text;
  }
}

// A line of another kind is kept back for the next look, whether it was already looked
// at or not, and the stream still stands right after the last line taken or looked at.
TEST(EdLineSource, ALineOfAnotherKindStaysForTheNextRead) {
  const std::string text = "<a,>\r\n<b,>\r\n[c,]\r\n<d,>\r\nbehind";
  for (const std::size_t bufferSize : {std::size_t{3}, std::size_t{0}}) {
    FileOf file(text, bufferSize);
    std::string line;
    {
      EdLineSource source(file.stream);
      ASSERT_EQ(source.NextOfKind(kSecSlot, line), 1) << bufferSize;
      EXPECT_EQ(line, "<a,>");
      ASSERT_NE(source.Peek(), nullptr);
      ASSERT_EQ(source.NextOfKind(kSecSlot, line), 1) << bufferSize;
      EXPECT_EQ(line, "<b,>");
      EXPECT_EQ(source.NextOfKind(kSecSlot, line), 0) << bufferSize;
      EXPECT_EQ(source.NextOfKind(kSecSlot, line), 0) << bufferSize;
      ASSERT_EQ(source.NextOfKind(kSecBlockHeader, line), 1) << bufferSize;
      EXPECT_EQ(line, "[c,]");
      EXPECT_EQ(source.NextOfKind(kSecBlockHeader, line), 0) << bufferSize;
    }
    // "<d,>" was looked at: the stream goes on behind it.
    EXPECT_EQ(Rest(file.stream), "behind") << bufferSize;
  }
}

class LineSourceLoad : public EdFileTest {};

TEST_F(LineSourceLoad, TheSectionsBehindTheModelPartStayReadable) {
  auto saved = NewProgram();
  FillRich(*saved, false);
  const std::string model = Save(*saved);
  const std::string behind = "{LayoutSection}\r\n[1,2,3,]\r\n";
  for (const std::size_t bufferSize : {std::size_t{5}, std::size_t{512}, std::size_t{0}}) {
    FileOf source(model + behind, bufferSize);
    auto loaded = NewProgram();
    loaded->Reset();
    loaded->Symbols().SymbolPageCheck = 0;
    ASSERT_EQ(DiskReadProgram(*loaded, file, &source.stream, 1), 0) << bufferSize;
    EXPECT_EQ(Rest(source.stream), behind) << "buffer " << bufferSize;
    EXPECT_EQ(Save(*loaded), model) << "buffer " << bufferSize;
  }
}

}  // namespace
}  // namespace zeph::test
