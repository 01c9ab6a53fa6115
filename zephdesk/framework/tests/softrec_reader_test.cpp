// The definition reader: statement operands by token and flags, the keys of optional
// operands, sections, blocks and group controls, and malformed or missing streams.
#include <memory>
#include <vector>

#include "foundation/kvx.h"
#include "framework/softrec/kvcondst.h"
#include "framework/softrec/kvmulstm.h"
#include "framework/softrec/kvresnav.h"
#include "framework/softrec/kvsobjdf.h"
#include "framework/softrec/kvsrecdef.h"
#include "framework/softrec/kvtokens.h"
#include "softrec_fixture.h"

namespace {

constexpr WORD kFixtureId = 60001;

class ReaderTest : public SoftRecTest {
protected:
    ReaderTest() { KvSetDefinitionStore(&store); }

    // Reads one statement from words (the statement and whatever follows it).
    std::unique_ptr<KvStatement> ReadStatement(std::vector<WORD> words)
    {
        store.Set(kFixtureId, std::move(words));
        KvResNav nav(kFixtureId);
        std::unique_ptr<KvStatement> s(KvCreateStatement(nav.GetCurrentToken()));
        if (nav.GetCurrentToken() == kKvStmCondition)  // its branches obey a section's rules
            static_cast<KvCondStatement&>(*s).SetSection(&verification);
        s->Read(nav);
        lastCursorWord = nav.GetCurrentToken();
        return s;
    }

    KvMemoryDefinitionStore store;
    KvSection verification{0x1004};
    WORD lastCursorWord = 0;
};

}  // namespace

TEST_F(ReaderTest, StatementsReadTheOperandsTheirFlagsCallFor)
{
    struct Row {
        std::vector<WORD> words;  // the statement, then one word that must not be read
        int wordCount;
    };
    const Row rows[] = {
        {{0x3203, 28001, 1, 0x8001, 0xBEEF}, 4},
        {{0x3203, 25152, 7, 0x8005, 22001, 0xBEEF}, 5},
        {{0x3203, 31010, 7, 0x8015, 29001, 22002, 0xBEEF}, 6},
        {{0x3203, 1, 1, 0x801E, 1, 2, 3, 4, 0xBEEF}, 8},
        {{0x3001, 28003, 0x8011, 1, 5, 0x3103, 0x8000, 1, 0x8400, 0xBEEF}, 5},
        {{0x3001, 28003, 0x8040, 0x3103, 0x8000, 1, 0x8400, 0xBEEF}, 3},
        {{0x3001, 28003, 0x8B01, 0x3103, 0x8000, 1, 0x8400, 0xBEEF}, 3},
        {{0x3001, 28003, 0x8100, 7, 0x3103, 0x8000, 1, 0x8400, 0xBEEF}, 4},
        {{0x3103, 0x8000, 8056, 0x8101, 25301, 0xBEEF}, 5},
        {{0x3103, 0x8000, 8078, 0x8400, 0xBEEF}, 4},
        {{0x3102, 14509, 0x0467, 0x8000, 1007, 0xBEEF}, 5},
        {{0x3102, 14509, 0x0466, 0x8000, 0xBEEF}, 4},
        {{0x3206, 102, 0x4004, 0x8001, 60, 0xBEEF}, 5},
        {{0x3206, 102, 0x4004, 0x8000, 0xBEEF}, 4},
        {{0x3206, 301, 0x4006, 0x8004, 0x0907, 1, 2, 0xBEEF}, 7},
        {{0x3206, 301, 0x4006, 0x8000, 0x0907, 1, 0xBEEF}, 6},
        {{0x320A, 5, 0x8001, 1, 2, 0xBEEF}, 5},
        {{0x2001, 1, 1, 0xBEEF}, 3},
    };
    for (const Row& row : rows) {
        auto s = ReadStatement(row.words);
        EXPECT_EQ(s->GetWordCount(), row.wordCount) << "token " << std::hex << row.words[0];
        EXPECT_NE(lastCursorWord, 0xBEEF);
    }
    EXPECT_TRUE(Assertions().empty());
}

TEST_F(ReaderTest, OptionalOperandsAreFoundByKey)
{
    auto both = ReadStatement({0x3203, 31010, 7, 0x8015, 29001, 22002});
    EXPECT_EQ(both->GetOptionalByKey(0x8010), 29001);
    EXPECT_EQ(both->GetOptionalByKey(0x8004), 22002);
    auto setOnly = ReadStatement({0x3203, 25152, 7, 0x8005, 22001});
    EXPECT_EQ(setOnly->GetOptionalByKey(0x8004), 22001);
    auto all = ReadStatement({0x3203, 1, 1, 0x801E, 11, 12, 13, 14});
    EXPECT_EQ(all->GetOptionalByKey(0x8002), 11);
    EXPECT_EQ(all->GetOptionalByKey(0x8010), 12);
    EXPECT_EQ(all->GetOptionalByKey(0x8004), 13);
    EXPECT_EQ(all->GetOptionalByKey(0x8008), 14);
    auto message = ReadStatement({0x3103, 0x8000, 8056, 0x8101, 25301});
    EXPECT_EQ(message->GetOptionalByKey(0x8100), 25301);
    auto reaction = ReadStatement({0x3102, 14509, 0x0467, 0x8000, 1007});
    EXPECT_EQ(reaction->GetOptionalByKey(0x0468), 1007);
    EXPECT_TRUE(Assertions().empty());

    // A key the statement does not know is a report.
    EXPECT_EQ(setOnly->GetOptionalIndex(0x8100), 0);
    EXPECT_EQ(Assertions().size(), 1u);
}

TEST_F(ReaderTest, FlagTestsIgnoreTheMarkerAndEqualityNeedsEqualLength)
{
    auto s = ReadStatement({0x3203, 28001, 1, 0x8011, 29001});
    EXPECT_TRUE(s->HasStyle(0x8001));
    EXPECT_TRUE(s->HasStyle(0x8010));
    EXPECT_FALSE(s->HasStyle(0x8000));
    EXPECT_FALSE(s->HasStyle(0x8004));
    EXPECT_EQ(s->GetStyleBits(0x8010), 0x8010);
    EXPECT_TRUE(KvSoftObj::TestFlags(0x8001, 0x8003));
    EXPECT_FALSE(KvSoftObj::TestFlags(0x8000, 0x8000));
    EXPECT_FALSE(KvSoftObj::TestFlags(0x1000, 0xF000));

    KvStatement header;
    header.InsertType(0x2301);
    header.InsertOperand(0, 14509);
    header.InsertOperand(1, 0x0401);
    auto same = ReadStatement({0x2301, 14509, 0x0401});
    EXPECT_EQ(header.IsEqual(*same), 1);
    KvStatement shorter;
    shorter.InsertType(0x2301);
    shorter.InsertOperand(0, 14509);
    EXPECT_EQ(shorter.IsEqual(*same), 0);
    EXPECT_EQ(same->IsEqual(shorter), 0);
}

TEST_F(ReaderTest, ConditionsGovernOneStatementOrABlockWithBranches)
{
    // if 28081 is not blank: if 28082 is blank: message 8076.
    auto nested = ReadStatement({0x3001, 28081, 0x8041, 0x3001, 28082, 0x8040, 0x3103, 0x8000, 8076, 0x8101, 28081,
                                 0x3103});
    auto* outer = static_cast<KvCondStatement*>(nested.get());
    ASSERT_NE(outer->FindBranch(1), nullptr);
    EXPECT_EQ(outer->FindBranch(0), nullptr);
    ASSERT_EQ(outer->FindBranch(1)->GetNbStatements(4), 1);
    auto* inner = static_cast<KvCondStatement*>(outer->FindBranch(1)->GetStatement(4, 0));
    EXPECT_EQ(inner->GetType(), 0x3001);
    ASSERT_NE(inner->FindBranch(1), nullptr);
    EXPECT_EQ(inner->FindBranch(1)->GetStatement(4, 0)->GetOperand(1), 8076);

    // A block: two statements before the else marker, one after.
    auto block = ReadStatement({0x3001, 1, 0x8100, 1, 0x0001, 0x3103, 0x8000, 10, 0x8400, 0x3103, 0x8000, 11,
                                0x8400, 0x0004, 0x3103, 0x8000, 12, 0x8400, 0x0002, 0xBEEF});
    auto* withElse = static_cast<KvCondStatement*>(block.get());
    EXPECT_EQ(withElse->FindBranch(1)->GetNbStatements(4), 2);
    EXPECT_EQ(withElse->FindBranch(0)->GetNbStatements(4), 1);
    EXPECT_EQ(withElse->FindBranch(0)->GetStatement(4, 0)->GetOperand(1), 12);
    EXPECT_EQ(lastCursorWord, 0x0002);
    EXPECT_TRUE(Assertions().empty());
}

TEST_F(ReaderTest, DataLinksOwnABlockOnlyWhenOneFollows)
{
    auto withBlock = ReadStatement({0x3204, 5000, 28051, 0x8002, 0x0001, 0x320A, 7, 0x8000, 0x0002, 0xBEEF});
    auto* link = static_cast<KvMultiLineStatement*>(withBlock.get());
    EXPECT_EQ(link->GetNbStatements(4), 1);
    EXPECT_EQ(link->GetOperand(1), 28051);
    auto without = ReadStatement({0x3204, 5000, 28051, 0x8000, 0x3204});
    EXPECT_EQ(static_cast<KvMultiLineStatement*>(without.get())->GetNbStatements(4), 0);
    EXPECT_EQ(lastCursorWord, 0x8000);

    auto group = ReadStatement({0x3207, 5000, 0x4079, 0x8005, 0x0903, 28603, 0x0001, 0x3208, 2008, 0x3208, 102,
                                0x0002});
    auto* groupCtrl = static_cast<KvMultiLineStatement*>(group.get());
    EXPECT_EQ(groupCtrl->GetOptionalByKey(0x8004), 28603);
    EXPECT_EQ(groupCtrl->GetNbStatements(4), 2);
    EXPECT_EQ(groupCtrl->GetNbStatements(5), 0);
    EXPECT_TRUE(Assertions().empty());
}

TEST_F(ReaderTest, MalformedStreamsAreReportedOnceAndRefusedAsMissing)
{
    struct Row {
        const char* what;
        std::vector<WORD> words;
    };
    const std::vector<WORD> refs = {0x1001, 0x0001, 0x0002};
    auto record = [&](std::vector<WORD> tail) {
        std::vector<WORD> words = refs;
        words.insert(words.end(), tail.begin(), tail.end());
        return words;
    };
    const Row rows[] = {
        {"unknown section", record({0x1003, 0x0001, 0x0002})},
        {"statement not allowed in DATA", record({0x1002, 0x0001, 0x3103, 0x8000, 1, 0x8400, 0x0002})},
        {"header not allowed", record({0x1002, 0x2002, 0x2201, 0x0001, 0x0002})},
        {"unterminated section", record({0x1002, 0x2001, 1, 1, 0x0001, 0x3203, 1, 3, 0x8001})},
        {"zero field id", record({0x1002, 0x0001, 0x3203, 0, 3, 0x8001, 0x0002})},
        {"zero value type", record({0x1002, 0x0001, 0x3203, 5, 0, 0x8001, 0x0002})},
        {"duplicate field", record({0x1002, 0x0001, 0x3203, 5, 3, 0x8001, 0x3203, 5, 1, 0x8001, 0x0002})},
        {"reserved token", record({0x1002, 0x0001, 0x3205, 0x0002})},
        {"beep", record({0x1002, 0x2001, 1, 1, 0x0001, 0x3203, 1, 3, 0x8001, 0x0002, 0x1004, 0x0001, 0x3104, 0x0002})},
        {"condition closing a section",
         record({0x1002, 0x0001, 0x3203, 1, 1, 0x8001, 0x0002, 0x1004, 0x0001, 0x3001, 1, 0x8100, 1, 0x0002})},
        {"DATA before REFERENCES", {0x1002, 0x0001, 0x0002, 0x1001, 0x0001, 0x0002}},
        {"no DATA", refs},
    };
    for (const Row& row : rows) {
        store.Set(kFixtureId, row.words);  // forgets refusals only when the store changes
        KvSetDefinitionStore(&store);
        ClearBoxes();
        EXPECT_THROW(
            {
                try {
                    KvSoftRecDef::Get(kFixtureId);
                } catch (const KvException& x) {
                    EXPECT_EQ(x.GetDescription(), 1553) << row.what;
                    throw;
                }
            },
            KvException)
            << row.what;
        EXPECT_EQ(Assertions().size(), 1u) << row.what;
        // A second use is refused at once, without another report.
        EXPECT_THROW(KvSoftRecDef::Get(kFixtureId), KvException) << row.what;
        EXPECT_EQ(Assertions().size(), 1u) << row.what;
        EXPECT_EQ(KvSoftRecDef::Loaded(kFixtureId), nullptr) << row.what;
    }
}

TEST_F(ReaderTest, AMissingDefinitionIsRefusedWithoutAReport)
{
    try {
        KvResNav nav(59999);
        FAIL() << "a cursor on a missing definition";
    } catch (const KvException& x) {
        EXPECT_EQ(x.GetDescription(), 1553);
    }
    EXPECT_TRUE(Assertions().empty());
}

TEST_F(ReaderTest, TheCursorAnswersZeroAtTheEnd)
{
    store.Set(kFixtureId, {0x1001, 0x0001});
    KvResNav nav(kFixtureId);
    EXPECT_EQ(nav.GetCurrentToken(), 0x1001);
    EXPECT_EQ(nav.PeekNextToken(), 0x0001);
    EXPECT_EQ(nav.GetNextToken(), 0x0001);
    EXPECT_EQ(nav.PeekNextToken(), 0);
    EXPECT_EQ(nav.GetNextToken(), 0);
    EXPECT_EQ(nav.GetCurrentToken(), 0x0001);
}

TEST_F(ReaderTest, PropertySheetPagesAndSectionQueries)
{
    store.Set(kFixtureId, {0x1001, 0x0001, 0x3201, 15101, 10140, 0x3202, 11003, 0x3201, 15003, 10141, 0x320B, 7,
                           0x0002});
    std::unique_ptr<KvSoftPropSheetDef> sheet(KvSoftPropSheetDef::Create(kFixtureId));
    KvWordArray pages;
    pages.Add(99);
    EXPECT_EQ(sheet->GetPages(pages), 2);
    ASSERT_EQ(pages.GetSize(), 3);
    EXPECT_EQ(pages.GetAt(0), 15101);
    EXPECT_EQ(pages.GetAt(1), 15003);
    EXPECT_EQ(pages.GetAt(2), 99);
    EXPECT_EQ(sheet->GetPageCount(), 1);
    EXPECT_EQ(sheet->GetSection(0)->CountStatementsWithType(4, 0x3201), 2);
    EXPECT_EQ(sheet->GetSection(0)->FindStatementByOperand(4, 0, 4242, 0), nullptr);
    EXPECT_EQ(sheet->GetSection(0)->GetNbStatements(5), 0);
    EXPECT_TRUE(Assertions().empty());
    EXPECT_EQ(sheet->AddRef(), 2);
    EXPECT_EQ(sheet->Release(), 1);
    EXPECT_EQ(sheet->Release(), 0);
}
