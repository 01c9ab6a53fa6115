// Conditions: the tests of one field against a value, another field, a range, blankness
// or the customer profile's number, and the walk that descends into the branch a
// condition selects.
#include <memory>
#include <string>
#include <vector>

#include "framework/softrec/kvcondst.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvresnav.h"
#include "framework/softrec/kvsrecmem.h"
#include "framework/softrec/kvtokens.h"
#include "softrec_fixture.h"

namespace {

constexpr WORD kRecordId = 60010;
constexpr WORD kStatementId = 60011;
constexpr WORD kShort = 1, kLong = 2, kText = 3, kFlag = 4, kOther = 5;

class ConditionTest : public SoftRecTest {
protected:
    ConditionTest()
    {
        // A record of an INT16, an INT32, a TEXT, a BOOL and a second INT16 field.
        store.Set(kRecordId, {0x1001, 0x0001, 0x0002, 0x1002, 0x0001, 0x3203, kShort, 1, 0x8001, 0x3203, kLong, 2,
                              0x8001, 0x3203, kText, 3, 0x8001, 0x3203, kFlag, 4, 0x8001, 0x3203, kOther, 1, 0x8001,
                              0x0002});
        KvSetDefinitionStore(&store);
        record = std::make_unique<KvSoftRecMem>(kRecordId);
    }

    std::unique_ptr<KvStatement> Read(std::vector<WORD> words)
    {
        store.Set(kStatementId, std::move(words));
        KvResNav nav(kStatementId);
        std::unique_ptr<KvStatement> s(KvCreateStatement(nav.GetCurrentToken()));
        static_cast<KvCondStatement&>(*s).SetSection(&verification);
        s->Read(nav);
        return s;
    }

    int Evaluate(WORD field, WORD style, std::vector<WORD> values)
    {
        std::vector<WORD> words = {0x3001, field, style};
        words.insert(words.end(), values.begin(), values.end());
        words.push_back(0x3103);  // the governed statement
        words.insert(words.end(), {0x8000, 1, 0x8400});
        auto s = Read(words);
        return static_cast<KvCondStatement&>(*s).Evaluate(*record);
    }

    KvMemoryDefinitionStore store;
    KvSection verification{0x1004};
    std::unique_ptr<KvSoftRecMem> record;
};

}  // namespace

TEST_F(ConditionTest, NumericTestsCompareWithTheValueOperands)
{
    struct Row {
        WORD field;
        WORD style;
        std::vector<WORD> values;
        std::int32_t fieldValue;
        int expected;
    };
    const std::vector<Row> rows = {
        {kShort, 0x8301, {1}, 0, 1},    {kShort, 0x8301, {1}, 1, 0},    {kShort, 0x8301, {1}, 2, 0},
        {kLong, 0x8200, {3000}, 3000, 0}, {kLong, 0x8200, {3000}, 3001, 1},
        {kShort, 0x8011, {1, 5}, 1, 0}, {kShort, 0x8011, {1, 5}, 5, 0}, {kShort, 0x8011, {1, 5}, 0, 1},
        {kShort, 0x8011, {1, 5}, 6, 1}, {kLong, 0x8020, {1, 5}, 1, 0},  {kLong, 0x8020, {1, 5}, 2, 1},
        {kShort, 0x8100, {0xFFFF}, -1, 1}, {kShort, 0x8200, {0xFFFF}, 0, 1},
        {kShort, 0x8201, {0}, 0, 1},    {kShort, 0x8201, {0}, 1, 0},    {kShort, 0x8101, {7}, 7, 0},
        {kFlag, 0x8100, {1}, 1, 1},     {kFlag, 0x8100, {1}, 0, 0},     {kShort, 0x8080, {0}, 5, 0},
    };
    for (const Row& row : rows) {
        KvFieldValue(row.field, record.get()) = row.fieldValue;
        EXPECT_EQ(Evaluate(row.field, row.style, row.values), row.expected)
            << "style " << std::hex << row.style << std::dec << " value " << row.fieldValue;
    }
    EXPECT_TRUE(Assertions().empty());
}

TEST_F(ConditionTest, BlankTestsAndFieldAgainstField)
{
    KvFieldValue(kText, record.get()) = CString("");
    EXPECT_EQ(Evaluate(kText, 0x8040, {}), 1);
    EXPECT_EQ(Evaluate(kText, 0x8041, {}), 0);
    KvFieldValue(kText, record.get()) = CString("x");
    EXPECT_EQ(Evaluate(kText, 0x8040, {}), 0);
    EXPECT_EQ(Evaluate(kText, 0x8041, {}), 1);

    // 0x0400: the value operand names another field of the same record.
    KvFieldValue(kShort, record.get()) = static_cast<short>(4);
    KvFieldValue(kOther, record.get()) = static_cast<short>(4);
    EXPECT_EQ(Evaluate(kShort, 0x8501, {kOther}), 0);
    KvFieldValue(kOther, record.get()) = static_cast<short>(9);
    EXPECT_EQ(Evaluate(kShort, 0x8501, {kOther}), 1);
    EXPECT_EQ(Evaluate(kShort, 0x8700, {kOther}), 0);  // 4 >= 9
}

TEST_F(ConditionTest, TextLengthAgainstTheProfileNumber)
{
    KvFieldValue(kText, record.get()) = CString("abc");
    struct Row {
        bool withoutCommandLine;
        int profile;
        int expected;  // "shorter than the profile number" (0x8B01)
    };
    const Row rows[] = {{false, 5, 1}, {false, 3, 0}, {false, 2, 0}, {false, 0, 0}, {true, 5, 0}};
    for (const Row& row : rows) {
        shell.withoutCommandLine = row.withoutCommandLine;
        shell.profile = row.profile;
        EXPECT_EQ(Evaluate(kText, 0x8B01, {}), row.expected) << row.profile << " " << row.withoutCommandLine;
    }
    // Equal-to and greater-than without a number are true.
    shell.withoutCommandLine = true;
    EXPECT_EQ(Evaluate(kText, 0x8900, {}), 1);
    EXPECT_EQ(Evaluate(kText, 0x8A00, {}), 1);
}

TEST_F(ConditionTest, TheWalkYieldsTheStatementsOfTheSelectedBranches)
{
    // Messages are told apart by their message id (operand 1).
    store.Set(kStatementId + 1,
              {0x1004, 0x0001,
               0x3103, 0x8000, 1, 0x8400,                                  // always
               0x3001, kShort, 0x8100, 1, 0x3103, 0x8000, 2, 0x8400,         // if short = 1
               0x3001, kShort, 0x8100, 1, 0x0001,                          // if short = 1 {
               0x3103, 0x8000, 3, 0x8400, 0x0004,                          //   3 } else {
               0x3001, kLong, 0x8100, 2, 0x0001,                           //   if long = 2 {
               0x3103, 0x8000, 4, 0x8400, 0x0002,                          //     4 }
               0x3103, 0x8000, 5, 0x8400,                                  //   5
               0x0002,                                                     // }
               0x3103, 0x8000, 6, 0x8400, 0x0002});
    KvResNav nav(kStatementId + 1);
    KvSection section(0x1004);
    section.Read(nav);

    auto walk = [&]() {
        std::vector<int> ids;
        KvStatementPos* pos = nullptr;
        for (section.GetFirst(4, *record, pos, 1); pos != nullptr; section.GetNext(4, *record, pos))
            ids.push_back(section.GetStatementAtPos(4, pos)->GetOperand(1));
        return ids;
    };
    KvFieldValue(kShort, record.get()) = static_cast<short>(1);
    EXPECT_EQ(walk(), (std::vector<int>{1, 2, 3, 6}));
    KvFieldValue(kShort, record.get()) = static_cast<short>(0);
    KvFieldValue(kLong, record.get()) = static_cast<std::int32_t>(2);
    EXPECT_EQ(walk(), (std::vector<int>{1, 4, 5, 6}));
    KvFieldValue(kLong, record.get()) = static_cast<std::int32_t>(0);
    EXPECT_EQ(walk(), (std::vector<int>{1, 5, 6}));
    EXPECT_TRUE(Assertions().empty());
}

TEST_F(ConditionTest, AWalkOverOnlyFailingConditionsYieldsNothing)
{
    store.Set(kStatementId + 2, {0x1004, 0x0001, 0x3001, kShort, 0x8100, 1, 0x0001, 0x3001, kLong, 0x8100, 1,
                                 0x3103, 0x8000, 2, 0x8400, 0x0002, 0x0002});
    KvResNav nav(kStatementId + 2);
    KvSection section(0x1004);
    section.Read(nav);
    KvFieldValue(kShort, record.get()) = static_cast<short>(1);
    KvStatementPos* pos = nullptr;
    EXPECT_EQ(section.GetFirst(4, *record, pos, 1), nullptr);
    EXPECT_EQ(pos, nullptr);
}
