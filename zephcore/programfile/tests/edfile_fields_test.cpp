// Record lines taken apart and made from their field tables: escapes, lenient numbers,
// malformed lines, and texts that come back exactly.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "programfile/edfile/edfile_fields.h"
#include "programfile/edfile/edfile_sections.h"

namespace zeph {
namespace {

// A number field, a text field and a second number field, in angle brackets.
const std::vector<EdField> kFields = {
    {"A", EdKind::Short}, {"T", EdKind::Text, 16}, {"B", EdKind::Long}};

TEST(EdFields, LinesAreTakenApartAsTheFieldReaderDoes) {
  const struct {
    const char* line;
    int result;
    std::int64_t a;
    const char* text;
    std::int64_t b;
  } cases[] = {
      {"<7,abc,-12,>", 1, 7, "abc", -12},
      {"<0,,0,>", 1, 0, "", 0},
      {"<,x,,>", 1, 0, "x", 0},                          // empty numbers read 0
      {"< 12,x,+5,>", 1, 12, "x", 5},                    // leading blank and sign
      {"<12x,x,3.9,>", 1, 12, "x", 3},                   // reading stops at what does not fit
      {"<-0,x,2147483648,>", 1, 0, "x", -2147483648LL},  // a long keeps its low 32 bits
      {"<65535,x,1,>", 1, -1, "x", 1},                   // a short keeps its 16 bits
      {"<65536,x,1,>", 1, 0, "x", 1},                    // out of the short's range: 0
      {"<99999999999999999999,x,1,>", 1, 0, "x", 1},     // saturated, then out of range
      {"<123456789012345678,x,4294967297,>", 1, 0, "x", 1},
      {"<1,a~,b,2,>", 1, 1, "a,b", 2},                   // escaped separator
      {"<1,~,b,2,>", 1, 1, ",b", 2},                     // escape at the start of a text
      {"<1,a~~,b,2,>", 1, 1, "a~,b", 2},                 // only the "~" before the separator goes
      {"<1,a~,,2,>", 1, 1, "a,", 2},
      {"<1~,5,t,3,>", 1, 1, "t", 3},                     // a number field holding a separator
      {"<1,a^Enter^b,2,>", 1, 1, "a\r\nb", 2},
      {"xx<4,t,5,>", 1, 4, "t", 5},                      // the open string may come later
      {"<4,t,5,", 0, 0, "", 0},                          // no close string
      {"<4,t,>", 0, 0, "", 0},                           // a field too few
      {"4,t,5,>", 0, 0, "", 0},                          // no open string
      {"<4,t,5,x>", 0, 0, "", 0},                        // more than the close behind the fields
  };
  for (const auto& c : cases) {
    EdValues v(kFields.size());
    ASSERT_EQ(EdParseLine(c.line, kSecSlot, kFields, v), c.result) << c.line;
    if (c.result != 1) continue;
    EXPECT_EQ(v.Num(0), c.a) << c.line;
    EXPECT_EQ(v.Text(1), c.text) << c.line;
    EXPECT_EQ(v.Num(2), c.b) << c.line;
  }
}

TEST(EdFields, WordLinesReadAsLinesOfShortFields) {
  const struct {
    std::size_t count;
    const char* line;
  } cases[] = {
      {3, "(1,2,3,)"}, {3, "(0,-1,65535,)"}, {3, "(65536,-32769,-32768,)"}, {3, "( 7,+8,9x,)"}, {3, "(,,,)"},
      {3, "(1~,5,2,3,)"}, {3, "(123456789012345678,99999999999999999999,4,)"}, {3, "x(1,2,3,)"},
      {3, "(1,2,3,)<1,tail,>"}, {3, "(1,2,)"}, {3, "(1,2,3,"}, {3, "(1,2,3,4)"}, {3, "1,2,3,)"},
      // Runs of zeros, which are read four at a time, broken at every place.
      {9, "(0,0,0,0,0,0,0,0,0,)"}, {9, "(0,0,0,0,0,0,0,0,)"}, {9, "(0,0,0,0,0,0,0,0,0,0,)"},
      {9, "(0,0,0,0,5,0,0,0,0,)"}, {9, "(0,0,0,0,0,0,0,0,07,)"}, {9, "(0,0,0,0~,0,0,0,0,0,)"},
      {9, "(0,0,0,0,0,0,0,0,0,"}, {9, "(0,0,0,00,0,0,0,0,0,)"}, {8, "(0,0,0,0,0,0,0,0,)"}, {4, "(0,0,0,0)"},
  };
  for (const auto& c : cases) {
    EdValues fields(c.count);
    const int expected = EdParseLine(c.line, kSecBlockTable, EdWordFields(c.count), c.count, fields);
    std::vector<std::int16_t> words(c.count, 99);
    ASSERT_EQ(EdParseWords(c.line, kSecBlockTable, c.count, words.data()), expected) << c.line;
    if (expected != 1) continue;
    for (std::size_t i = 0; i < c.count; ++i) EXPECT_EQ(words[i], fields.Short(i)) << c.line << " word " << i;
  }
}

TEST(EdFields, TextsComeBackExactly) {
  const std::vector<EdField> fields = {{"T", EdKind::Text, 8}, {"U", EdKind::Text, 8}};
  const char* texts[] = {"plain", "", "a,b", "ends~", "~", "~,", "line\r\nbreak", "bare\nfeed",
                         "lit^Enter^eral", "caret^", "many,,,commas~~"};
  for (const char* text : texts) {
    EdValues in(2);
    in.Text(0, text).Text(1, "after");
    std::string line;
    ASSERT_TRUE(EdFormatLine(kSecSlot, fields.data(), fields.size(), in, line)) << text;
    EdValues out(2);
    ASSERT_EQ(EdParseLine(line, kSecSlot, fields, out), 1) << line;
    EXPECT_EQ(out.Text(0), text) << line;
    EXPECT_EQ(out.Text(1), "after") << line;
  }
  // A plain text is its own field text.
  EdValues plain(2);
  plain.Text(0, "abc").Text(1, "d");
  std::string line;
  ASSERT_TRUE(EdFormatLine(kSecSlot, fields.data(), fields.size(), plain, line));
  EXPECT_EQ(line, "<abc,d,>");
}

TEST(EdFields, NumbersAreWrittenInTheirFieldsWidth) {
  const std::vector<EdField> fields = {{"U", EdKind::Uchar}, {"S", EdKind::Short}, {"L", EdKind::Long}};
  EdValues v(3);
  v.Num(0, 300).Num(1, 40000).Num(2, -5);
  std::string line;
  ASSERT_TRUE(EdFormatLine(kSecSlot, fields.data(), fields.size(), v, line));
  EXPECT_EQ(line, "<44,-25536,-5,>");
  EdValues w(3);
  w.Num(0, 0).Num(1, 7).Num(2, 1234567);
  ASSERT_TRUE(EdFormatLine(kSecSlot, fields.data(), fields.size(), w, line));
  EXPECT_EQ(line, "<0,7,1234567,>");
}

}  // namespace
}  // namespace zeph
