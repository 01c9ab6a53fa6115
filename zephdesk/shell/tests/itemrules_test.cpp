#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "shell/items/itemids.h"
#include "shell/items/itemtransfer.h"
#include "shell/workspace/customerprofile.h"
#include "shell/workspace/versions.h"

namespace {

TEST(ItemIdsTest, NextFreeIdIsTheLowestGap)
{
    struct Row {
        std::vector<int> ids;
        int next;
    };
    const Row rows[] = {
        {{1, 2, 4}, 3}, {{2, 3}, 1}, {{}, 1}, {{1, 2, 3, 5}, 4}, {{5, 3, 1, 2}, 4}, {{1, 1, 2}, 3}, {{1, 2, 3}, 4},
    };
    for (const Row& row : rows)
        EXPECT_EQ(KvNextFreeItemId(row.ids), row.next) << ::testing::PrintToString(row.ids);
}

TEST(ItemIdsTest, RangeIsOneToThreeThousand)
{
    EXPECT_FALSE(KvIsItemIdInRange(0));
    EXPECT_TRUE(KvIsItemIdInRange(1));
    EXPECT_TRUE(KvIsItemIdInRange(3000));
    EXPECT_FALSE(KvIsItemIdInRange(3001));
}

TEST(ItemTransferTest, FieldsSitAtTheirOffsets)
{
    const KvItemTransfer t = KvMakeItemTransfer(5, kKvMediaFax, "Welcome", "Morning greeting");
    const auto* bytes = reinterpret_cast<const unsigned char*>(&t);
    std::int16_t id = 0;
    std::int16_t media = 0;
    std::memcpy(&id, bytes, 2);
    std::memcpy(&media, bytes + 2, 2);
    EXPECT_EQ(id, 5);
    EXPECT_EQ(media, 15);
    EXPECT_STREQ(reinterpret_cast<const char*>(bytes + 4), "Welcome");
    EXPECT_STREQ(reinterpret_cast<const char*>(bytes + 35), "Morning greeting");
    // Everything after the texts stays zero.
    EXPECT_EQ(bytes[4 + 7], 0);
    EXPECT_EQ(bytes[2083], 0);
}

TEST(ItemTransferTest, LongTextsAreCutToTheirRoom)
{
    const std::string name(40, 'n');
    const std::string description(3000, 'd');
    const KvItemTransfer t = KvMakeItemTransfer(1, kKvMediaVoice, name.c_str(), description.c_str());
    EXPECT_EQ(std::string(t.name), std::string(30, 'n'));
    EXPECT_EQ(std::string(t.text), std::string(2048, 'd'));
    const KvItemTransfer empty = KvMakeItemTransfer(9999, kKvMediaVoice, nullptr, nullptr);
    EXPECT_STREQ(empty.name, "");
    EXPECT_STREQ(empty.text, "");
}

TEST(VersionsTest, ParsesTheFourNumbers)
{
    struct Row {
        const char* text;
        KvVersion v;
    };
    const Row rows[] = {
        {"1.06.04", {1, 6, 4, 0}},  {"02.01.27.06", {2, 1, 27, 0}}, {"2.1a", {2, 1, 1, 1}},
        {"2.1 B", {2, 1, 28, 1}},   {"", {0, 0, 0, 0}},             {"7", {7, 0, 0, 0}},
        {"3.2-beta", {3, 2, 0, 0}}, {"2.1z", {2, 1, 26, 1}},        {"2.1Z", {2, 1, 52, 1}},
        {"4 .5", {4, 5, 0, 0}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(KvParseVersion(row.text), row.v) << row.text;
}

TEST(VersionsTest, FirstDifferingNumberDecides)
{
    struct Row {
        const char* a;
        const char* b;
        int result;
    };
    const Row rows[] = {
        {"1.06.04", "02.01.27.06", 2}, {"02.01.27.06", "1.06.04", 1}, {"2.1.1", "2.1a", 2},
        {"2.1a", "2.1.1", 1},          {"", "0", 0},                  {"1.6.4", "1.06.04", 0},
        {"2.1 B", "2.1a", 1},          {"2.2", "2.10", 2},
    };
    for (const Row& row : rows)
        EXPECT_EQ(KvCompareVersions(row.a, row.b), row.result) << row.a << " vs " << row.b;
}

int g_profileCalls = 0;
int ProfileOf12(int customer, short* buffer)
{
    ++g_profileCalls;
    EXPECT_EQ(customer, 1);
    buffer[0] = 12;
    return 0;
}
int FailingProfile(int, short* buffer)
{
    ++g_profileCalls;
    buffer[0] = 12;
    return 5;
}

TEST(CustomerProfileTest, ServerValueOnlyWhenTheQuerySucceeds)
{
    g_profileCalls = 0;
    EXPECT_EQ(KvGetCustomerProfile(false, ProfileOf12), 12);
    EXPECT_EQ(KvGetCustomerProfile(false, FailingProfile), 0);
    EXPECT_EQ(g_profileCalls, 2);
    // Stand-alone work has no server to ask.
    EXPECT_EQ(KvGetCustomerProfile(true, ProfileOf12), 0);
    EXPECT_EQ(g_profileCalls, 2);
}

}  // namespace
