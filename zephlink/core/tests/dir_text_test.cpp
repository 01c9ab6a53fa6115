#include <gtest/gtest.h>

#include <cstring>

#include "dir_text.h"

namespace zlink {
namespace {

TEST(DirTextTest, FilterStaysClosedAndEscapesTextValues) {
    Filter f("X");
    f.Add(kEqual, "a", 1);
    f.Add(kAtLeast, "b", 2);
    EXPECT_EQ(f.str(), "(&(objectclass=X)(a=1)(b>=2))");
    struct Case { FilterOp op; const char* expected; };
    const Case cases[] = {{kAtMost, "(&(objectclass=Y)(n<=5))"},
                          {kLessThan, "(&(objectclass=Y)(!(n>=5)))"},
                          {kGreaterThan, "(&(objectclass=Y)(!(n<=5)))"}};
    for (const Case& c : cases) {
        Filter g("Y");
        g.Add(c.op, "n", 5);
        EXPECT_EQ(g.str(), c.expected);
    }
    // A typed name cannot widen the search.
    Filter name("APPPROFILE");
    name.Add(kEqual, "appname", std::string("*)(appname=x"));
    EXPECT_EQ(name.str(), "(&(objectclass=APPPROFILE)(appname=\\2a\\29\\28appname=x))");
    EXPECT_FALSE(name.Refused());
    Filter sep("APPPROFILE");
    sep.Add(kEqual, "appname", std::string("a~{attrib}~b"));
    EXPECT_TRUE(sep.Refused());
    Filter reset("A");
    reset.Reset(nullptr);
    EXPECT_EQ(reset.str(), "");
}

TEST(DirTextTest, AttributeStringJoinsAndRefusesSeparatorsInValues) {
    AttrString a;
    a.Int("volumeid", 3);
    a.Short("flag", -2);
    a.Time("lockingdatetime", 1700000000);
    a.Text("appname", "Main", true);
    EXPECT_EQ(a.str(), "volumeid~{value}~3~{attrib}~flag~{value}~-2~{attrib}~lockingdatetime~{value}~1700000000"
                       "~{attrib}~appname~{value}~Main");
    EXPECT_FALSE(a.Refused());
    for (const char* bad : {"x~{value}~y", "x~{attrib}~y", "x~{mv}~y"}) {
        AttrString b;
        b.Text("appname", bad, true);
        EXPECT_TRUE(b.Refused()) << bad;
    }
}

TEST(DirTextTest, TakeFieldCutsFieldsOffTheFront) {
    std::string s = "12~{value}~abc";
    std::int32_t n = 0;
    ASSERT_TRUE(TakeField(s, n));
    EXPECT_EQ(n, 12);
    EXPECT_EQ(s, "abc");
    std::string text;
    ASSERT_TRUE(TakeField(s, text));
    EXPECT_EQ(text, "abc");
    EXPECT_EQ(s, "");
    EXPECT_FALSE(TakeField(s, text));
    // A bounded copy is cut and terminated.
    std::string long_ = "abcdefgh~{value}~z";
    char buffer[5];
    std::memset(buffer, 'X', sizeof buffer);
    ASSERT_TRUE(TakeField(long_, buffer, 4));
    EXPECT_STREQ(buffer, "abcd");
    EXPECT_EQ(long_, "z");
    EXPECT_FALSE(TakeField(long_, nullptr, 4));
    std::string mv = "VOL1_F1~{mv}~VOL1_F12";
    ASSERT_TRUE(TakeMultiField(mv, text));
    EXPECT_EQ(text, "VOL1_F1");
    EXPECT_EQ(mv, "VOL1_F12");
}

TEST(DirTextTest, HexCodecRoundTripsAndStopsAtBadInput) {
    unsigned char out[8] = {};
    std::size_t n = 0;
    EXPECT_TRUE(HexDecode("0aFF", out, sizeof out, &n));
    ASSERT_EQ(n, 2u);
    EXPECT_EQ(out[0], 0x0A);
    EXPECT_EQ(out[1], 0xFF);
    EXPECT_FALSE(HexDecode("0G", out, sizeof out));
    EXPECT_FALSE(HexDecode("0a1", out, sizeof out, &n));  // odd tail: stops, never reads past
    EXPECT_EQ(n, 1u);
    EXPECT_FALSE(HexDecode("00112233445566778899", out, sizeof out, &n));  // never past the buffer
    EXPECT_EQ(n, 8u);
    const unsigned char bytes[] = {0x00, 0x7F, 0xA5};
    EXPECT_EQ(HexEncode(bytes, 3), "007FA5");
}

TEST(DirTextTest, AttrListKeepsWhatFitsIn1024) {
    const std::string name(510, 'a');
    AttrList list{name.c_str(), name.c_str(), "tail"};
    EXPECT_EQ(list.str(), name + "," + name + ",");
    AttrList one;
    EXPECT_TRUE(one.Add("x", false));
    EXPECT_FALSE(one.Add(std::string(1100, 'b').c_str(), false));
    EXPECT_TRUE(one.Add("y", true));
    EXPECT_EQ(one.str(), "x,y");
}

TEST(DirTextTest, LockingTimesThatCannotConvertGiveZero) {
    std::int32_t fields[9];
    LocalTimeFields(-1, fields);
    EXPECT_EQ(fields[5], 70);  // -1 reads as 0: 1970
    LocalTimeFields(-5, fields);
    for (int f : fields) EXPECT_EQ(f, 0);
}

}  // namespace
}  // namespace zlink
