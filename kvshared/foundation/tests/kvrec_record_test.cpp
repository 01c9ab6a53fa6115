#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "fault_capture.h"
#include "foundation/kvrecord.h"

namespace {

// SHORT a, STRING b of 5 bytes, LONG c: 11 bytes, offsets 0, 2 and 7.
struct SampleRecord : AbstrRecord {
    SampleRecord()
    {
        AddField(new SHORT_Field("a"));
        AddField(new STRING_Field("b", 5));
        AddField(new LONG_Field("c"));
    }
};

void SetShort(AbstrRecord& r, const char* name, std::int16_t v) { r.FindField(name)->SetValue(&v); }
void SetLong(AbstrRecord& r, const char* name, std::int32_t v) { r.FindField(name)->SetValue(&v); }
std::string TextOf(const AbstrRecord& r, const char* name)
{
    return static_cast<STRING_Field*>(r.FindField(name))->GetText();
}

TEST(Record, PacksFieldsBackToBackLittleEndian)
{
    SampleRecord r;
    EXPECT_EQ(r.GetSize(), 11);
    EXPECT_EQ(r.GetFieldOffset(0), 0u);
    EXPECT_EQ(r.GetFieldOffset(1), 2u);
    EXPECT_EQ(r.GetFieldOffset(2), 7u);

    SetShort(r, "a", 0x0102);
    r.FindField("b")->SetValue("xy");
    SetLong(r, "c", 0x0A0B0C0D);
    unsigned char buffer[11];
    std::memset(buffer, 0xEE, sizeof buffer);
    r.StoreTo(buffer);
    const unsigned char expected[11] = {0x02, 0x01, 'x', 'y', 0, 0, 0, 0x0D, 0x0C, 0x0B, 0x0A};
    EXPECT_EQ(std::memcmp(buffer, expected, sizeof buffer), 0);

    SampleRecord back;
    back.LoadFrom(buffer);
    EXPECT_TRUE(back == r);
    EXPECT_EQ(TextOf(back, "b"), "xy");
}

TEST(Record, EmptyRecordHasSizeZeroAndTouchesNoByte)
{
    AbstrRecord r;
    EXPECT_EQ(r.GetSize(), 0);
    unsigned char byte = 0x5A;
    r.StoreTo(&byte);
    r.LoadFrom(&byte);
    EXPECT_EQ(byte, 0x5A);
}

TEST(Record, BoundedPackingStaysInsideTheBlock)
{
    SampleRecord r;
    SetShort(r, "a", 7);
    r.FindField("b")->SetValue("abcd");
    SetLong(r, "c", -1);

    // A larger block keeps the bytes after the record.
    std::vector<unsigned char> large(16, 0xEE);
    r.StoreToBlock(large.data(), large.size());
    for (std::size_t i = 11; i < large.size(); ++i)
        EXPECT_EQ(large[i], 0xEE);

    // A smaller block gets only its own bytes; loading from it zero-fills what it lacks.
    std::vector<unsigned char> small(5, 0xEE);
    r.StoreToBlock(small.data(), small.size());
    const unsigned char expectedSmall[5] = {7, 0, 'a', 'b', 'c'};
    EXPECT_EQ(std::memcmp(small.data(), expectedSmall, 5), 0);

    SampleRecord loaded;
    SetLong(loaded, "c", 99);
    loaded.LoadFromBlock(small.data(), small.size());
    EXPECT_EQ(TextOf(loaded, "b"), "abc");
    std::int32_t c = 1;
    loaded.FindField("c")->GetValue(&c);
    EXPECT_EQ(c, 0);
}

TEST(Record, FindFieldIsExactAndCaseSensitive)
{
    SampleRecord r;
    EXPECT_EQ(r.FindField("a"), r.GetField(0));
    EXPECT_EQ(r.FindField("c"), r.GetField(2));
    EXPECT_EQ(r.FindField("A"), nullptr);
    EXPECT_EQ(r.FindField("missing"), nullptr);
    EXPECT_EQ(r.GetField(3), nullptr);
}

TEST(Record, CopyIsIndependentOfTheSource)
{
    SampleRecord source;
    SetShort(source, "a", 5);
    AbstrRecord copy(source);
    ASSERT_EQ(copy.GetFieldCount(), 3);
    EXPECT_TRUE(copy == source);
    SetShort(copy, "a", 6);
    std::int16_t a = 0;
    source.FindField("a")->GetValue(&a);
    EXPECT_EQ(a, 5);
    EXPECT_FALSE(copy == source);
}

TEST(Record, AssignmentCopiesFieldsWhenCountsAgree)
{
    FaultCapture capture;
    SampleRecord source;
    SetShort(source, "a", 12);
    source.FindField("b")->SetValue("q");
    SampleRecord target;
    target = source;
    EXPECT_TRUE(target == source);
    EXPECT_TRUE(capture.presenter.Boxes().empty());
}

TEST(Record, AssignmentBetweenDifferentFieldCountsIsRefused)
{
    FaultCapture capture;
    AbstrRecord three;
    three.AddField(new SHORT_Field("a"));
    three.AddField(new SHORT_Field("b"));
    three.AddField(new SHORT_Field("c"));
    AbstrRecord four;
    for (const char* name : {"w", "x", "y", "z"}) {
        const std::int16_t v = 9;
        four.AddField(new SHORT_Field(name, &v));
    }
    const AbstrRecord before(four);

    four = three;

    EXPECT_TRUE(four == before);
    EXPECT_STREQ(four.GetField(0)->GetName(), "w");
    ASSERT_EQ(capture.presenter.Boxes().size(), 1u);
    const auto& box = capture.presenter.Boxes()[0];
    EXPECT_EQ(box.text, "Cannot copy record. Size is not the same!");
    EXPECT_EQ(box.caption, "ERROR");
    EXPECT_EQ(box.style, static_cast<std::uint32_t>(kKvMbOk));
    EXPECT_EQ(box.owner, KvBoxOwner::None);
}

TEST(Record, DeleteFieldsEmptiesTheRecord)
{
    SampleRecord r;
    r.DeleteFields();
    EXPECT_EQ(r.GetFieldCount(), 0);
    EXPECT_EQ(r.GetSize(), 0);
}

TEST(Record, DumpListsEveryFieldOnTheConsole)
{
    SampleRecord r;
    SetShort(r, "a", -3);
    r.FindField("b")->SetValue("x,y");
    std::ostringstream captured;
    std::streambuf* old = std::cout.rdbuf(captured.rdbuf());
    r.Dump();
    std::cout.rdbuf(old);
    EXPECT_EQ(captured.str(), "a = -3 ;\nb = x~,y ;\nc = 0 ;\n");
}

}  // namespace
