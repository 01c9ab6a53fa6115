// The checks and normal forms of date and time text, with the message of each failure.
#include "framework/softrec/kvdatetime.h"
#include "softrec_fixture.h"

using DateTimeTextTest = SoftRecTest;

TEST_F(DateTimeTextTest, DatesPassOrFailWithTheirMessage)
{
    struct Row {
        const char* text;
        const char* message;  // null: valid
    };
    const Row rows[] = {
        {"12/25", nullptr},
        {"12 - 25", nullptr},
        {"1.5", nullptr},
        {" 3/7", nullptr},
        {"2/29", nullptr},
        {"Dec 25", "Alphabetical characters are not allowed in dates."},
        {"123/4", "Months must only have one or two digits."},
        {"/4", "Months must only have one or two digits."},
        {"12/\x01" "4", "'\x01' is not a valid month/day separator."},
        {"1/123", "Days must only have one or two digits."},
        {"13/1", "Months must be between 1 and 12."},
        {"2/30", "Days must be between 1 and 29 for month number 2."},
        {"4/31", "Days must be between 1 and 30 for month number 4."},
        {"12", "Incomplete date."},
        {"12/", "Incomplete date."},
    };
    for (const Row& row : rows) {
        ClearBoxes();
        EXPECT_EQ(KvMonthAndDay::Validate(row.text, 0), row.message == nullptr ? 1 : 0) << row.text;
        if (row.message == nullptr) {
            EXPECT_TRUE(Messages().empty()) << row.text;
        } else {
            ASSERT_EQ(Messages().size(), 1u) << row.text;
            EXPECT_EQ(Messages()[0], row.message);
        }
    }
    ClearBoxes();
    EXPECT_EQ(KvMonthAndDay::Validate("13/1", 1), 0);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DateTimeTextTest, TimesPassOrFailWithTheirMessage)
{
    const char* format = "Times must be entered in the format HH:MM\n(hours 0-23, minutes 0-59).";
    struct Row {
        const char* text;
        const char* message;
    };
    const Row rows[] = {
        {"12:30", nullptr}, {"1230", nullptr}, {"9 30", nullptr}, {"930", nullptr}, {"1 5", nullptr},
        {"123", nullptr},   {"0:00", nullptr}, {"23:59", nullptr},
        {"1:5", format},    {"24:00", format}, {"12:60", format}, {"12:", format},
        {"12", format},     {"960", format},   {"", format},      {"12:345", format},
        {"9am", "Alphabetical characters are not allowed in times."},
    };
    for (const Row& row : rows) {
        ClearBoxes();
        EXPECT_EQ(KvTime::Validate(row.text, 0), row.message == nullptr ? 1 : 0) << row.text;
        if (row.message == nullptr) {
            EXPECT_TRUE(Messages().empty()) << row.text;
        } else {
            ASSERT_EQ(Messages().size(), 1u) << row.text;
            EXPECT_EQ(Messages()[0], row.message);
        }
    }
}

TEST_F(DateTimeTextTest, AcceptedTextTakesItsNormalForm)
{
    struct Row {
        const char* text;
        const char* normal;
    };
    const Row times[] = {{"12:30", "12:30"}, {"1230", "12:30"}, {"9 30", "9:30"}, {"930", "9:30"},
                         {"1 5", "1:5"},     {" 7.45 ", "7:45"}};
    for (const Row& row : times) {
        CString text = row.text;
        KvTime::Normalize(text);
        EXPECT_EQ(text, row.normal) << row.text;
    }
    const Row dates[] = {{"  3 - 7 ", "3/7"}, {"01/5", "01/5"}, {"12.25", "12/25"}};
    for (const Row& row : dates) {
        CString text = row.text;
        KvMonthAndDay::Normalize(text);
        EXPECT_EQ(text, row.normal) << row.text;
    }
}

TEST_F(DateTimeTextTest, ValuesParseTheirNumbersFromText)
{
    struct Row {
        const char* text;
        int first;
        int second;
    };
    const Row times[] = {{"9:30", 9, 30}, {"", 25, 60}, {"12", 12, 60}, {"7 x", 7, 60}};
    for (const Row& row : times) {
        KvText text;
        text = CString(row.text);
        KvTime time;
        time = text;
        EXPECT_EQ(time.GetHour(), row.first) << row.text;
        EXPECT_EQ(time.GetMinute(), row.second) << row.text;
    }
    const Row dates[] = {{"12/25", 12, 25}, {"x", 0, 0}, {"3", 3, 0}};
    for (const Row& row : dates) {
        KvText text;
        text = CString(row.text);
        KvMonthAndDay date;
        date = text;
        EXPECT_EQ(date.GetMonth(), row.first) << row.text;
        EXPECT_EQ(date.GetDay(), row.second) << row.text;
    }
}
