#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>

#include "foundation/kvrecord.h"
#include "foundation/kvtextstm.h"
#include "foundation/tests/text_stream_fixture.h"

namespace {

class RecordLineTest : public TextStreamFixture {};

AbstrRecord Shorts(std::initializer_list<std::int16_t> values)
{
    AbstrRecord r;
    int i = 0;
    for (std::int16_t v : values) {
        const std::string name = "f" + std::to_string(i++);
        r.AddField(new SHORT_Field(name.c_str(), &v));
    }
    return r;
}

std::int16_t ShortAt(const AbstrRecord& r, int i)
{
    std::int16_t v = 0;
    r.GetField(i)->GetValue(&v);
    return v;
}

// One string field of 64 bytes.
struct TextRecord : AbstrRecord {
    TextRecord() { AddField(new STRING_Field("s", 64)); }
    std::string Text() const { return static_cast<STRING_Field*>(GetField(0))->GetText(); }
    void SetText(const std::string& t) { static_cast<STRING_Field*>(GetField(0))->SetText(t); }
};

TEST_F(RecordLineTest, WritesOpenFieldsWithSeparatorsAndClose)
{
    AbstrRecord r = Shorts({1, -2, 3});
    EXPECT_EQ(r.WriteText(0), 1);
    EXPECT_EQ(Written(), "[1,-2,3,]\r\n");
}

TEST_F(RecordLineTest, KindWithoutDelimitersWritesNothing)
{
    AbstrRecord r = Shorts({1});
    EXPECT_EQ(r.WriteText(20), 0);
    EXPECT_EQ(r.WriteText(40), 0);
    EXPECT_EQ(Written(), "");

    // Nor is a line read for such a kind.
    Load("[5,]\r\n");
    EXPECT_EQ(r.ReadText(20), kKvTextMalformed);
    EXPECT_EQ(r.ReadText(-1), kKvTextMalformed);
    EXPECT_EQ(ShortAt(r, 0), 1);
    EXPECT_EQ(r.ReadText(0), kKvTextRecord);
    EXPECT_EQ(ShortAt(r, 0), 5);
}

TEST_F(RecordLineTest, EachKindUsesItsDelimiters)
{
    AbstrRecord r = Shorts({4});
    r.WriteText(3);
    r.WriteText(7);
    r.WriteText(12);
    r.WriteTextDelimited("{", ";", "}");
    EXPECT_EQ(Written(), "[4,]\r\n<4,>\r\n(4,)\r\n{4;}\r\n");
}

TEST_F(RecordLineTest, FieldTextsOfEveryKind)
{
    AbstrRecord r;
    const unsigned char u = 7;
    const std::int32_t l = -9;
    const std::int32_t flag = 1;
    const float f = 2.5f;
    const double d = 0.125;
    r.AddField(new UCHAR_Field("u", &u));
    r.AddField(new LONG_Field("l", &l));
    r.AddField(new BOOL_Field("b", &flag));
    r.AddField(new FLOAT_Field("f", &f));
    r.AddField(new DOUBLE_Field("d", &d));
    r.AddField(new STRING_Field("s", 8, "a,b"));
    r.AddField(new STRING_Field("e", 8));
    r.WriteText(0);
    EXPECT_EQ(Written(), "[7,-9,1,2.500000d,0.125000d,a~,b,,]\r\n");

    AbstrRecord back(r);
    for (int i = 0; i < back.GetFieldCount(); ++i)
        back.GetField(i)->ParseText("0");
    stream.seekg(0);
    EXPECT_EQ(back.ReadText(0), kKvTextRecord);
    EXPECT_TRUE(back == r);
}

TEST_F(RecordLineTest, EmptyStringIsAnEmptyFieldText)
{
    TextRecord r;
    r.WriteText(0);
    EXPECT_EQ(Written(), "[,]\r\n");
}

TEST_F(RecordLineTest, EndTagOfTheSectionChangesNothing)
{
    AbstrRecord r = Shorts({5, 6});
    Load("{EndofSymbols}\r\n");
    EXPECT_EQ(r.ReadText(6), kKvTextEndTag);
    EXPECT_EQ(ShortAt(r, 0), 5);
    EXPECT_EQ(ShortAt(r, 1), 6);
}

TEST_F(RecordLineTest, MalformedLines)
{
    struct Case {
        const char* line;
        int result;
        std::int16_t first;  // value of the first field afterwards
    };
    const Case cases[] = {
        {"[1,2]", kKvTextMalformed, 1},       // too few separators: fields before keep theirs
        {"1,2,3,]", kKvTextMalformed, 9},     // no open string
        {"[1,2,3,", kKvTextMalformed, 1},     // no close string
        {"[1,2,3,4,]", kKvTextMalformed, 1},  // more values than fields
        {"[1,2,3,]trailing", kKvTextRecord, 1},
        {"junk[1,2,3,]", kKvTextRecord, 1},
        {"[x,2,3,]", kKvTextRecord, 0},       // unparsable numbers read as 0
        {"", kKvTextMalformed, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        AbstrRecord r = Shorts({9, 9, 9});
        Load(std::string(c.line) + "\r\n");
        EXPECT_EQ(r.ReadText(0), c.result);
        EXPECT_EQ(ShortAt(r, 0), c.first);
    }
}

TEST_F(RecordLineTest, DelimitedReadDoesNotNeedTheOpenString)
{
    AbstrRecord r = Shorts({0, 0});
    Load("3,4,>\r\nNoMatch\r\n");
    EXPECT_EQ(r.ReadTextDelimited("<", ",", ">", "NoMatch"), kKvTextRecord);
    EXPECT_EQ(ShortAt(r, 0), 3);
    EXPECT_EQ(ShortAt(r, 1), 4);
    EXPECT_EQ(r.ReadTextDelimited("<", ",", ">", "NoMatch"), kKvTextEndTag);
}

TEST_F(RecordLineTest, ReadingPastTheEndIsAFailure)
{
    AbstrRecord r = Shorts({1});
    Load("[2,]\r\n");
    EXPECT_EQ(r.ReadText(6), kKvTextRecord);
    EXPECT_EQ(r.ReadText(6), kKvTextMalformed);
    EXPECT_EQ(r.ReadText(6), kKvTextMalformed);
    EXPECT_TRUE(IsTextStreamAtEnd());
    EXPECT_EQ(ShortAt(r, 0), 2);

    // A section read that waits for its end tag ends at the end of the stream.
    Load("{Symbols}\r\n[1,]\r\n[2,]\r\n");
    std::string tag;
    ReadTextLine(tag);
    int records = 0;
    int result;
    while ((result = r.ReadText(6)) == kKvTextRecord)
        ++records;
    EXPECT_EQ(records, 2);
    EXPECT_EQ(result, kKvTextMalformed);
}

TEST_F(RecordLineTest, CommaAndLineEndEscapesReadBack)
{
    TextRecord r;
    r.SetText("a,b");
    r.WriteText(0);
    r.SetText("x\r\ny");
    r.WriteText(0);
    EXPECT_EQ(Written(), "[a~,b,]\r\n[x^Enter^y,]\r\n");

    TextRecord back;
    stream.seekg(0);
    ASSERT_EQ(back.ReadText(0), kKvTextRecord);
    EXPECT_EQ(back.Text(), "a,b");
    ASSERT_EQ(back.ReadText(0), kKvTextRecord);
    EXPECT_EQ(back.Text(), "x\r\ny");
}

// Values that the escaped field text alone cannot carry come back exactly; values it can
// carry are written exactly as before, with nothing behind the close string.
TEST_F(RecordLineTest, EveryStringValueRoundTrips)
{
    struct Case {
        const char* value;
        const char* line;
    };
    const Case cases[] = {
        {"plain", "[plain,]"},
        {"a,b,,c", "[a~,b~,~,c,]"},
        {"end~,", "[end~~,,]"},
        {"~x~", nullptr},
        {"end~", nullptr},
        {"~", nullptr},
        {"has ^Enter^ literally", nullptr},
        {"bare\nLF", nullptr},
        {"\n", nullptr},
        {"cr\rlf\r\nmix\n\r", nullptr},
        {"^Enter", "[^Enter,]"},
        {"x\r\n", "[x^Enter^,]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        Load("");
        TextRecord r;
        r.SetText(c.value);
        ASSERT_EQ(r.WriteText(0), 1);
        const std::string line = Written();
        if (c.line != nullptr) {
            EXPECT_EQ(line, std::string(c.line) + "\r\n");
        }
        EXPECT_EQ(line.find('\n'), line.size() - 1);  // one line, whatever the value

        TextRecord back;
        stream.seekg(0);
        ASSERT_EQ(back.ReadText(0), kKvTextRecord);
        EXPECT_EQ(back.Text(), c.value);
    }
}

TEST_F(RecordLineTest, ExactValuesFollowTheCloseString)
{
    AbstrRecord r;
    r.AddField(new SHORT_Field("n"));
    r.AddField(new STRING_Field("a", 16, "ok"));
    r.AddField(new STRING_Field("b", 16, "abc~"));
    r.WriteTextDelimited("<", ",", ">");
    EXPECT_EQ(Written(), "<0,ok,abc~~,,>^Exact2=6162637E^\r\n");
}

// Lines written by the plain rules read as they always did.
TEST_F(RecordLineTest, LinesWithoutExactValuesReadAsBefore)
{
    struct Case {
        const char* line;
        const char* value;
    };
    const Case cases[] = {
        {"[abc~~,,]", "abc~,"},
        {"[x^Enter^y,]", "x\r\ny"},
        {"[a~,b,]", "a,b"},
        {"[~~~,,]", "~~,"},
        {"[a~b,]", "a~b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        Load(std::string(c.line) + "\r\n");
        TextRecord r;
        ASSERT_EQ(r.ReadText(0), kKvTextRecord);
        EXPECT_EQ(r.Text(), c.value);
    }
}

// Characters behind the close string that are not exact values of this very line are
// ignored.
TEST_F(RecordLineTest, ForeignTailsAreIgnored)
{
    struct Case {
        const char* line;
        const char* value;
    };
    const Case cases[] = {
        {"[abc~~,,]^Exact0=6162637E^", "abc~"},
        {"[abc~~,,]^Exact0=6162637E^ more", "abc~,"},  // not all of the tail is items
        {"[abc~~,,]^Exact0=6162637^", "abc~,"},        // odd hex digits
        {"[abc~~,,]^Exact0=6162637e^", "abc~,"},       // lower-case hex is not written
        {"[zzz,]^Exact0=6162637E^", "zzz"},            // the value does not match the field text
        {"[abc~~,,]^Exact1=6162637E^", "abc~,"},       // no such field
        {"[abc~~,,]^Exact0=", "abc~,"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        Load(std::string(c.line) + "\r\n");
        TextRecord r;
        ASSERT_EQ(r.ReadText(0), kKvTextRecord);
        EXPECT_EQ(r.Text(), c.value);
    }

    AbstrRecord numbers = Shorts({0});
    Load("[5,]^Exact0=35^\r\n");  // an item naming a number field is ignored
    EXPECT_EQ(numbers.ReadText(0), kKvTextRecord);
    EXPECT_EQ(ShortAt(numbers, 0), 5);
}

TEST_F(RecordLineTest, ParameterRecordLinesUseAngleBracketsAndNoMatch)
{
    Kvvls_Variable r;
    const std::int16_t v = 12;
    r.AddField(new SHORT_Field("a", &v));
    r.AddField(new STRING_Field("b", 8, "x,y"));
    EXPECT_EQ(r.WriteText(), 1);
    EXPECT_EQ(Written(), "<12,x~,y,>\r\n");

    Kvvls_Variable back(r);
    back.DeleteFields();
    back.AddField(new SHORT_Field("a"));
    back.AddField(new STRING_Field("b", 8));
    stream.seekg(0);
    EXPECT_EQ(back.ReadText(), kKvTextRecord);
    EXPECT_TRUE(back == r);

    // "NoMatch" is the only end tag; section end tags are ordinary malformed lines.
    Load("NoMatch\r\n{EndOfVoiceSegItem}\r\n");
    EXPECT_EQ(back.ReadText(), kKvTextEndTag);
    EXPECT_EQ(back.ReadText(), kKvTextMalformed);
    EXPECT_TRUE(back == r);
}

}  // namespace
