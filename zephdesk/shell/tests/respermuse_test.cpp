// Restriction/permission lists used by an open document: use counts, the request sent to
// the server, uses of lists the server dropped, a list the server could not give, and the
// report of blocks naming missing lists or languages.
#include <cstring>
#include <string>
#include <vector>

#include "framework/softrec/kvfldvlu.h"
#include "shell/references/respermuse.h"
#include "opendocument_fixture.h"

namespace {

class ResPermUseTest : public OpenDocumentTest {
protected:
    ResPermUseTest()
    {
        KvResPermListEntry rp{};
        rp.listId = 17;
        std::strcpy(rp.name, "Local");
        link.resPerms.push_back(rp);
    }

    struct Use {
        std::string name;
        std::int32_t id, count;
        bool operator==(const Use&) const = default;
    };
    std::vector<Use> Uses()
    {
        std::vector<Use> uses;
        KvObArray* list = app.GetList(F_UA_RESPERM_USED);
        for (int i = 0; i < list->GetSize(); ++i) {
            auto* record = static_cast<KvSoftRec*>(list->GetAt(i));
            uses.push_back({static_cast<const char*>(KvFieldValue(F_RPU_NAME, record).AsText()),
                            KvFieldValue(F_RPU_LIST_ID, record).AsInt32(),
                            KvFieldValue(F_RPU_COUNT, record).AsInt32()});
        }
        return uses;
    }
};

bool MissingOdd(std::int32_t value, void*)
{
    return value % 2 == 1;
}

}  // namespace

TEST_F(ResPermUseTest, UsesAreCountedPerList)
{
    app.AddResPermUse(17);
    app.AddResPermUse(17);
    app.AddResPermUse(0);
    app.AddResPermUse(-4);
    EXPECT_EQ(Uses(), (std::vector<Use>{{"RP17", 17, 2}}));
    EXPECT_TRUE(program->IsModified());
    app.RemoveResPermUse(17, 0);
    EXPECT_EQ(Uses(), (std::vector<Use>{{"RP17", 17, 1}}));
    app.RemoveResPermUse(99, 0);
    app.RemoveResPermUse(17, 0);
    EXPECT_TRUE(Uses().empty());
    app.AddResPermUse(18);
    app.AddResPermUse(18);
    app.RemoveResPermUse(18, 1);
    EXPECT_TRUE(Uses().empty());
}

TEST_F(ResPermUseTest, TheRequestCarriesTheUsesOfListsTheServerStillHas)
{
    app.AddResPermUse(17);
    app.AddResPermUse(17);
    app.AddResPermUse(21);  // not on the server: dropped before sending
    EXPECT_EQ(app.SendResPerms(0), 0);
    EXPECT_EQ(Uses(), (std::vector<Use>{{"RP17", 17, 2}}));
    ASSERT_EQ(link.resPermsSent.size(), 1u);
    ASSERT_EQ(link.resPermsSent[0].size(), 1u);
    EXPECT_EQ(link.resPermsSent[0][0].applicationId, 1500);
    EXPECT_EQ(link.resPermsSent[0][0].listId, 17);
    EXPECT_EQ(link.resPermsSent[0][0].count, 2);
    EXPECT_TRUE(Messages().empty());  // no block names a list
}

TEST_F(ResPermUseTest, AListTheServerCouldNotGiveChangesNothing)
{
    app.AddResPermUse(17);
    app.AddResPermUse(21);
    link.results["ResPermToDisplay"] = 60;
    link.results["ResPermUsed"] = 60;
    EXPECT_EQ(app.SendResPerms(0), 60);
    EXPECT_EQ(Uses(), (std::vector<Use>{{"RP17", 17, 1}, {"RP21", 21, 1}}));
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"Selected Restriction/Permission could not be updated. Please try to select again"});
    link.results["ResPermUsed"] = 63;
    EXPECT_EQ(app.SendResPerms(0), 63);
    EXPECT_EQ(Messages().back(), "Database space is full.Server will not perform any operation");
}

TEST(MissingReferencesTest, AtMostTenBlocksAreNamedThenMoreBlocks)
{
    ReferencePage twelve;
    for (int i = 1; i <= 12; ++i)
        twelve.push_back({"TD" + std::to_string(i), kThruDialType, 1});
    twelve.push_back({"Unset", kThruDialType, 0});
    std::string ten;
    for (int i = 1; i <= 10; ++i)
        ten += "TD" + std::to_string(i) + "\n";
    EXPECT_EQ(KvCollectMissing({twelve}, kThruDialType, 0, MissingOdd, nullptr), ten + "<more blocks>\n");

    // Ten on one page: the scan ends at the page boundary without "<more blocks>".
    const ReferencePage first(twelve.begin(), twelve.begin() + 10);
    const ReferencePage second = {{"Later", kThruDialType, 3}};
    EXPECT_EQ(KvCollectMissing({first, second}, kThruDialType, 0, MissingOdd, nullptr), ten);

    // None values, present values and other types are never named.
    const ReferencePage mixed = {{"NoList", kThruDialType, 0},    {"Present", kThruDialType, 2},
                                 {"Lang", kSetLanguageType, 5},   {"NoLang", kSetLanguageType, -1},
                                 {"Missing", kThruDialType, 7}};
    EXPECT_EQ(KvCollectMissing({mixed}, kThruDialType, 0, MissingOdd, nullptr), "Missing\n");
    EXPECT_EQ(KvCollectMissing({mixed}, kSetLanguageType, -1, MissingOdd, nullptr), "Lang\n");
}
