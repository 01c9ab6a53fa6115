// Typed values: construction from storage, the conversion matrix and the typed
// assignments, with the range and overflow handling of 16- and 32-bit numbers.
#include <memory>

#include "framework/softrec/kvdatetime.h"
#include "framework/softrec/kvvalue.h"
#include "softrec_fixture.h"

namespace {

std::unique_ptr<KvValue> Make(WORD type)
{
    return std::unique_ptr<KvValue>(KvNewValue(type));
}

// A value of a type holding a given text (converted by the type's own rules).
std::unique_ptr<KvValue> FromText(WORD type, const char* text)
{
    KvText source;
    source = CString(text);
    auto value = Make(type);
    *value = source;
    return value;
}

std::string TextOf(const KvValue& value)
{
    KvText text;
    text = value;
    return static_cast<const char*>(text.AsText());
}

}  // namespace

using TypedValueTest = SoftRecTest;

TEST_F(TypedValueTest, ConversionMatrixFollowsTheSourceType)
{
    KvInt16 minusSeven;
    minusSeven = static_cast<short>(-7);
    KvInt32 big;
    big = static_cast<std::int32_t>(70000);
    KvBool yes;
    yes = static_cast<std::int32_t>(5);
    KvMonthAndDay christmas;
    christmas.SetMonth(12);
    christmas.SetDay(25);
    KvTime morning;
    morning.SetHour(9);
    morning.SetMinute(5);
    const KvTime empty;
    KvText zero;
    zero = CString("0");

    struct Row {
        const KvValue* source;
        WORD target;
        const char* expected;  // the target read back as text
    };
    const Row rows[] = {
        {&minusSeven, kKvValueInt32, "-7"},     {&minusSeven, kKvValueBool, "Yes"},
        {&minusSeven, kKvValueText, "-7"},      {&big, kKvValueInt16, "32767"},
        {&big, kKvValueText, "70000"},          {&big, kKvValueBool, "Yes"},
        {&yes, kKvValueInt32, "5"},             {&yes, kKvValueText, "Yes"},
        {&christmas, kKvValueText, "12/25"},    {&morning, kKvValueText, "9:5"},
        {&empty, kKvValueText, "25:60"},        {&zero, kKvValueBool, "Yes"},
        {&zero, kKvValueInt16, "0"},
    };
    for (const Row& row : rows) {
        auto target = Make(row.target);
        *target = *row.source;
        EXPECT_EQ(TextOf(*target), row.expected) << "target type " << row.target;
    }
    KvText no;
    no = CString("No");
    KvBool flag;
    flag = no;
    EXPECT_EQ(flag.AsInt32(), 0);
    EXPECT_TRUE(Assertions().empty());
}

TEST_F(TypedValueTest, TextConvertsToNumbersByLeadingDigitsAndSaturates)
{
    struct Row {
        const char* text;
        std::int32_t int32;
        short int16;
    };
    const Row rows[] = {
        {"12abc", 12, 12},
        {"abc", 0, 0},
        {" -7", -7, -7},
        {"40000", 40000, 32767},
        {"-40000", -40000, -32768},
        {"99999999999", 2147483647, 32767},
        {"-99999999999", -2147483647 - 1, -32768},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FromText(kKvValueInt32, row.text)->AsInt32(), row.int32) << row.text;
        EXPECT_EQ(FromText(kKvValueInt16, row.text)->AsInt16(), row.int16) << row.text;
        KvInt16 assigned;
        assigned = CString(row.text);
        EXPECT_EQ(assigned.AsInt16(), row.int16) << row.text;
    }
    KvInt16 fromLong;
    fromLong = static_cast<std::int32_t>(-100000);
    EXPECT_EQ(fromLong.AsInt16(), -32768);
}

TEST_F(TypedValueTest, BoolFromTextDependsOnHowTheTextArrives)
{
    struct Row {
        const char* text;
        std::int32_t assigned;   // through operator=(CString)
        std::int32_t converted;  // from a TEXT value
    };
    const Row rows[] = {
        {"Yes", 1, 1}, {"No", 0, 0}, {"0", 0, 1}, {"", 1, 1}, {"no", 1, 1}, {"1", 1, 1},
    };
    for (const Row& row : rows) {
        KvBool assigned;
        assigned = CString(row.text);
        EXPECT_EQ(assigned.AsInt32(), row.assigned) << '"' << row.text << '"';
        EXPECT_EQ(FromText(kKvValueBool, row.text)->AsInt32(), row.converted) << '"' << row.text << '"';
    }
}

TEST_F(TypedValueTest, StorageConstructorsReadEachStorageType)
{
    const short s = -3;
    const std::int32_t i = 123456;
    const std::int32_t flag = 0;
    const CString text("42 apples");
    const char buffer[] = "17";
    const std::int32_t labelId = 25300;  // "Name"

    EXPECT_EQ(KvInt16(&s, kKvStoreInt16).AsInt16(), -3);
    EXPECT_EQ(KvInt16(buffer, kKvStoreChar).AsInt16(), 17);
    EXPECT_EQ(KvInt16(&text, kKvStoreString).AsInt16(), 42);
    EXPECT_EQ(KvInt32(&s, kKvStoreInt16).AsInt32(), -3);
    EXPECT_EQ(KvInt32(&i, kKvStoreInt32).AsInt32(), 123456);
    EXPECT_EQ(KvText(&i, kKvStoreInt32).AsText(), "123456");
    EXPECT_EQ(KvText(&flag, kKvStoreBool).AsText(), "No");
    EXPECT_EQ(KvText(&labelId, kKvStoreStringId).AsText(), "Name");
    EXPECT_EQ(KvBool(&s, kKvStoreInt16).AsInt32(), -3);
    EXPECT_EQ(KvBool(&text, kKvStoreString).AsInt32(), 1);
    const CString none;
    EXPECT_EQ(KvBool(&none, kKvStoreString).AsInt32(), 0);
    const CString number(" -70000x");
    EXPECT_EQ(KvInt32(&number, kKvStoreString).AsInt32(), -70000);
    EXPECT_TRUE(Assertions().empty());
}

TEST_F(TypedValueTest, DefaultsAndMisuse)
{
    EXPECT_EQ(KvInt32().AsInt32(), 0);
    EXPECT_EQ(KvBool().AsInt32(), 0);
    EXPECT_EQ(KvInt16().AsInt16(), 0);
    EXPECT_EQ(KvTime().GetHour(), 25);
    EXPECT_EQ(KvTime().GetMinute(), 60);
    EXPECT_EQ(KvInt32().IsFlagged(), 0);
    EXPECT_EQ(KvMonthAndDay().IsFlagged(), 0);

    // Asking a value for what it does not hold is reported, and answers a harmless value.
    KvInt16 value;
    EXPECT_EQ(value.AsText(), "");
    const short s = 1;
    KvInt32 wrongStorage(&s, kKvStoreString + 1);
    KvMonthAndDay date;
    date = value;
    EXPECT_EQ(Assertions().size(), 3u);
}
