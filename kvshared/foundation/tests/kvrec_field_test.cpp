#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>

#include "fault_capture.h"
#include "foundation/kvrecknd.h"

namespace {

std::int16_t ShortOf(const AbstrField& f)
{
    std::int16_t v = 0;
    f.GetValue(&v);
    return v;
}

std::int32_t LongOf(const AbstrField& f)
{
    std::int32_t v = 0;
    f.GetValue(&v);
    return v;
}

TEST(RecordField, KindsHaveTheirLengthsAndTypeCodes)
{
    struct Case {
        std::unique_ptr<AbstrField> field;
        std::uint16_t length;
        std::int32_t code;
    };
    Case cases[] = {
        {std::make_unique<UCHAR_Field>("u"), 1, 1},  {std::make_unique<SHORT_Field>("s"), 2, 2},
        {std::make_unique<LONG_Field>("l"), 4, 3},   {std::make_unique<STRING_Field>("t", 9), 9, 4},
        {std::make_unique<BOOL_Field>("b"), 4, 3},   {std::make_unique<FLOAT_Field>("f"), 4, 6},
        {std::make_unique<DOUBLE_Field>("d"), 8, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field->GetName());
        EXPECT_EQ(c.field->GetLength(), c.length);
        EXPECT_EQ(c.field->GetTypeCode(), c.code);
        ASSERT_NE(c.field->GetValuePtr(), nullptr);
        for (std::uint16_t i = 0; i < c.length; ++i)
            EXPECT_EQ(c.field->GetValuePtr()[i], 0);
        EXPECT_TRUE(c.field->IsEditable());
        EXPECT_EQ(c.field->GetFlags(), 0);
    }
}

TEST(RecordField, NameIsCutToThirtyTwoCharacters)
{
    const std::string name(40, 'n');
    SHORT_Field f(name.c_str());
    EXPECT_EQ(std::string(f.GetName()), std::string(32, 'n'));
}

TEST(RecordField, InitialValueBytesAreCopied)
{
    const std::int32_t v = -123456;
    LONG_Field f("l", &v);
    EXPECT_EQ(LongOf(f), -123456);
    const unsigned char le[4] = {0xC0, 0x1D, 0xFE, 0xFF};  // -123456 little-endian
    EXPECT_EQ(std::memcmp(f.GetValuePtr(), le, 4), 0);
}

TEST(RecordField, StringKeepsAtMostLengthLessOneCharacters)
{
    STRING_Field f("s", 5);
    f.SetValue("abcdefg");
    EXPECT_EQ(f.GetText(), "abcd");
    const unsigned char expected[5] = {'a', 'b', 'c', 'd', 0};
    EXPECT_EQ(std::memcmp(f.GetValuePtr(), expected, 5), 0);

    // A block without a zero byte gives its first length-1 characters.
    const char block[16] = {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    STRING_Field g("g", 16);
    g.LoadFrom(block);
    EXPECT_EQ(g.GetText(), "0123456789abcde");

    // GetValue clears the whole destination before copying the text.
    char out[5];
    std::memset(out, 'x', sizeof out);
    f.SetValue("ab");
    f.GetValue(out);
    EXPECT_EQ(std::memcmp(out, "ab\0\0\0", 5), 0);
}

TEST(RecordField, ZeroLengthDescriptorIsReportedAndGetsNoValue)
{
    FaultCapture capture;
    STRING_Field f("empty", 0);
    EXPECT_EQ(f.GetValuePtr(), nullptr);
    f.SetValue("abc");  // no value block: nothing to write
    EXPECT_EQ(f.GetText(), "");
    ASSERT_EQ(capture.Assertions().size(), 1u);
    EXPECT_EQ(capture.Assertions()[0], "(ElementDescr.wLength > 0)");
}

TEST(RecordField, NumbersFormatInTheirTextForms)
{
    const std::int16_t s = -2;
    const std::int32_t l = -70000;
    const unsigned char u = 255;
    const std::int32_t flag = 0x10001;  // only the low 16 bits are shown
    const float f = 2.5f;
    const double d = -0.25;
    EXPECT_EQ(SHORT_Field("s", &s).FormatText(), "-2");
    EXPECT_EQ(LONG_Field("l", &l).FormatText(), "-70000");
    EXPECT_EQ(UCHAR_Field("u", &u).FormatText(), "255");
    EXPECT_EQ(BOOL_Field("b", &flag).FormatText(), "1");
    EXPECT_EQ(FLOAT_Field("f", &f).FormatText(), "2.500000d");
    EXPECT_EQ(DOUBLE_Field("d", &d).FormatText(), "-0.250000d");
    EXPECT_EQ(DOUBLE_Field("z").FormatText(), "0.000000d");
}

// Values that six decimals would change are written in an exact form and read back
// bit for bit; values six decimals carry keep the "%f" form.
TEST(RecordField, RealsReadBackExactly)
{
    const struct {
        double value;
        const char* doubleText;
    } cases[] = {
        {0.1, "0.100000d"},
        {1.0 / 3, "0.33333333333333331d"},
        {1e-20, "9.9999999999999995e-21d"},
        {123456.5, "123456.500000d"},
        {1e300, nullptr},
    };
    for (const auto& c : cases) {
        DOUBLE_Field d("d", &c.value);
        const std::string text = d.FormatText();
        if (c.doubleText != nullptr) {
            EXPECT_EQ(text, c.doubleText);
        }
        DOUBLE_Field back("d");
        back.ParseText(text);
        EXPECT_TRUE(back.IsEqual(d)) << text;

        const float single = static_cast<float>(c.value);
        FLOAT_Field f("f", &single);
        FLOAT_Field fback("f");
        fback.ParseText(f.FormatText());
        EXPECT_TRUE(fback.IsEqual(f)) << f.GetTextCache();
    }
    const float tenth = 0.1f;
    EXPECT_EQ(FLOAT_Field("f", &tenth).FormatText(), "0.100000d");   // reads back as the same single
}

TEST(RecordField, FormatTextIsKeptInTheTextCache)
{
    const std::int16_t s = 42;
    SHORT_Field f("s", &s);
    EXPECT_EQ(f.FormatText(), "42");
    EXPECT_EQ(f.GetTextCache(), "42");
}

TEST(RecordField, ShortParsingKeepsLowBitsOfTheAcceptedRange)
{
    struct Case {
        const char* text;
        std::int16_t value;
    };
    const Case cases[] = {
        {"40000", -25536}, {"65535", -1},   {"-32768", -32768}, {"65536", 0}, {"-32769", 0},
        {"  17x", 17},     {"abc", 0},      {"", 0},            {"+5", 5},    {"99999999999999999999", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        SHORT_Field f("s");
        const std::int16_t junk = 77;
        f.SetValue(&junk);
        f.ParseText(c.text);
        EXPECT_EQ(ShortOf(f), c.value);
    }
}

TEST(RecordField, OtherNumbersParseLikeTheRuntime)
{
    UCHAR_Field u("u");
    u.ParseText("300");
    EXPECT_EQ(u.GetValuePtr()[0], 300 & 0xFF);

    LONG_Field l("l");
    l.ParseText(" -2147483648");
    EXPECT_EQ(LongOf(l), INT32_MIN);
    l.ParseText("4294967295");  // stored as 32 bits
    EXPECT_EQ(LongOf(l), -1);

    BOOL_Field b("b");
    b.ParseText("2");
    EXPECT_EQ(LongOf(b), 1);
    b.ParseText("65536");  // low 16 bits are zero
    EXPECT_EQ(LongOf(b), 0);

    FLOAT_Field f("f");
    f.ParseText("1.500000d");
    float fv = 0;
    f.GetValue(&fv);
    EXPECT_EQ(fv, 1.5f);

    DOUBLE_Field d("d");
    d.ParseText("-3.25d");
    double dv = 0;
    d.GetValue(&dv);
    EXPECT_EQ(dv, -3.25);
    d.ParseText("junk");
    d.GetValue(&dv);
    EXPECT_EQ(dv, 0.0);
}

TEST(RecordField, StringTextEscapesCommasAndLineEnds)
{
    STRING_Field f("s", 32);
    f.SetText("a,b");
    EXPECT_EQ(f.FormatText(), "a~,b");
    f.SetText("x\r\ny");
    EXPECT_EQ(f.FormatText(), "x^Enter^y");
    f.SetText("end~");
    EXPECT_EQ(f.FormatText(), "end~~,");
    f.ParseText("p^Enter^q");
    EXPECT_EQ(f.GetText(), "p\r\nq");
}

TEST(RecordField, CloneAndCopyAreIndependent)
{
    const std::int16_t one = 1;
    SHORT_Field original("s", &one);
    std::unique_ptr<AbstrField> clone(original.Clone());
    ASSERT_NE(clone, nullptr);
    EXPECT_NE(dynamic_cast<SHORT_Field*>(clone.get()), nullptr);
    EXPECT_STREQ(clone->GetName(), "s");
    EXPECT_TRUE(clone->IsEqual(original));
    const std::int16_t two = 2;
    clone->SetValue(&two);
    EXPECT_EQ(ShortOf(original), 1);
    EXPECT_FALSE(clone->IsEqual(original));

    STRING_Field text("t", 8);
    text.SetText("abc");
    std::unique_ptr<AbstrField> textClone(text.Clone());
    EXPECT_EQ(static_cast<STRING_Field*>(textClone.get())->GetText(), "abc");
}

TEST(RecordField, AssignmentFollowsTheSourceLengthAndName)
{
    STRING_Field target("short", 4);
    STRING_Field source("long", 12);
    source.SetText("0123456789");
    target = source;
    EXPECT_EQ(target.GetLength(), 12);
    EXPECT_STREQ(target.GetName(), "long");
    EXPECT_EQ(target.GetText(), "0123456789");
    EXPECT_TRUE(target.IsEqual(source));
}

TEST(RecordField, DumpWritesNameTextAndSemicolon)
{
    STRING_Field f("Name", 16);
    f.SetText("a,b");
    std::ostringstream out;
    f.Dump(out);
    EXPECT_EQ(out.str(), "Name = a~,b ;\n");
}

}  // namespace
