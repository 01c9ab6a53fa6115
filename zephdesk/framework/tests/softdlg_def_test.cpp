// Soft dialog definitions: the template, the soft controls and their groups, the data links,
// and the section order a dialog definition must keep.
#include <memory>
#include <vector>

#include "foundation/kvx.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softdlg/kvsdlgdf.h"
#include "framework/softrec/kvmulstm.h"
#include "framework/softrec/kvsrecdef.h"
#include "framework/softrec/kvtokens.h"
#include "softrec_fixture.h"

namespace {

constexpr WORD kTestDef = 60100;

// Sections of a dialog definition as words.
const std::vector<WORD> kReferences = {0x1001, 0x0001, 0x3202, 12006, 0x320B, 77, 0x0002};
const std::vector<WORD> kSoftControls = {0x1007, 0x0001,
                                         0x3206, 101, 0x4004, 0x8001, 60,  // an edit of its own
                                         0x3207, 1000, 0x4072, 0x8000, 0x0001, 0x3208, 101, 0x3208, 102, 0x0002,
                                         0x0002};
const std::vector<WORD> kDataLinks = {0x1006, 0x0001, 0x3204, 1000, 31030, 0x8000, 0x0002};
const std::vector<WORD> kNotification = {0x1008, 0x2301, 101, 0x0405, 0x0001, 0x3102, 102, 0x0466, 0x8000, 0x0002};
const std::vector<WORD> kData = {0x1002, 0x0001, 0x0002};

std::vector<WORD> Join(std::initializer_list<std::vector<WORD>> parts)
{
    std::vector<WORD> words;
    for (const auto& part : parts)
        words.insert(words.end(), part.begin(), part.end());
    return words;
}

class SoftDlgDefTest : public SoftRecTest {
protected:
    // Loads words as the test definition; null when the reader refused them.
    KvSoftDlgDef* Load(const std::vector<WORD>& words)
    {
        m_store.Set(kTestDef, words);
        KvSetDefinitionStore(&m_store);
        try {
            return KvSoftDlgDef::Create(kTestDef);
        } catch (const KvException& e) {
            refusal = e.GetDescription();
            return nullptr;
        }
    }
    static void Drop(KvSoftDlgDef* def)
    {
        def->Release();
        delete def;
    }

    int refusal = 0;

private:
    KvMemoryDefinitionStore m_store;
};

}  // namespace

TEST_F(SoftDlgDefTest, TheConversionsDialogNamesItsTemplateGroupsAndLinks)
{
    KvSoftDlgDef* def = KvSoftDlgDef::Create(DLG_TEST_CONVERSIONS);
    EXPECT_EQ(def->GetID(), DLG_TEST_CONVERSIONS);
    EXPECT_EQ(def->GetDlgResID(), 12006);
    EXPECT_EQ(def->GetDlgHelpID(), 0);
    EXPECT_EQ(def->GetNotificationCount(), 0);
    EXPECT_EQ(def->GetSections(kKvSecNotification), nullptr);
    const WORD groups[][3] = {{1601, 502, 503}, {1602, 505, 506}, {1603, 509, 510}};
    for (const auto& g : groups) {
        ASSERT_NE(def->GetSoftCtrlStatement(g[0]), nullptr);
        EXPECT_EQ(def->GetSoftCtrlStatement(g[0])->GetOperand(1), 0x4078);
        EXPECT_EQ(def->GetGroupCtrlID(g[1]), g[0]);
        EXPECT_EQ(def->GetGroupCtrlID(g[2]), g[0]);
    }
    EXPECT_EQ(def->GetGroupCtrlID(4002), 0);
    EXPECT_EQ(def->GetSoftCtrlStatement(4002), nullptr);  // a plain control

    // Each link shows a field of the record that the dialog edits.
    KvSoftRecDef* record = KvSoftRecDef::Get(24003);
    EXPECT_EQ(record->GetDlgID(), DLG_TEST_CONVERSIONS);
    const KvSection* links = def->GetDataLinkSection();
    ASSERT_NE(links, nullptr);
    EXPECT_EQ(links->GetNbStatements(kKvKindBody), 8);
    for (int i = 0; i < links->GetNbStatements(kKvKindBody); ++i)
        EXPECT_TRUE(record->HasField(links->GetStatement(kKvKindBody, i)->GetOperand(1)));
    KvSoftRecDef::Put(record);
    def->Release();
    delete def;
    EXPECT_TRUE(Assertions().empty());
}

TEST_F(SoftDlgDefTest, GroupsAreFoundForTheirSubControlsOnly)
{
    KvSoftDlgDef* def = Load(Join({kReferences, kSoftControls, kDataLinks, kNotification, kNotification}));
    ASSERT_NE(def, nullptr);
    EXPECT_EQ(def->GetDlgHelpID(), 77);
    // 101 has a statement of its own and is listed in group 1000 too.
    EXPECT_EQ(def->GetSoftCtrlStatement(101)->GetType(), kKvStmPlainCtrl);
    EXPECT_EQ(def->GetGroupCtrlID(101), 1000);
    EXPECT_EQ(def->GetGroupCtrlID(102), 1000);
    EXPECT_EQ(def->GetGroupCtrlID(1000), 0);
    EXPECT_EQ(def->GetNotificationCount(), 2);
    EXPECT_EQ(def->GetDataLinkCount(), 1);
    Drop(def);

    // An empty SOFTCONTROL section and no data links load too.
    def = Load(Join({kReferences, {0x1007, 0x0001, 0x0002}}));
    ASSERT_NE(def, nullptr);
    EXPECT_EQ(def->GetSections(kKvSecDlgDataLink), nullptr);
    EXPECT_EQ(def->GetGroupCtrlID(101), 0);
    Drop(def);
    EXPECT_TRUE(Assertions().empty());
}

TEST_F(SoftDlgDefTest, SectionsOutOfOrderAreRefused)
{
    const std::vector<std::vector<WORD>> streams = {
        Join({kReferences, kReferences, kSoftControls}),   // a second REFERENCES
        Join({kReferences, kDataLinks, kSoftControls}),    // links before the controls
        Join({kReferences, kNotification}),                // notifications before the controls
        Join({kSoftControls, kReferences}),                // controls before the references
        Join({kReferences, kSoftControls, kData}),         // fields belong to records
        Join({kReferences}),                               // no SOFTCONTROL at all
    };
    for (std::size_t i = 0; i < streams.size(); ++i) {
        refusal = 0;
        ClearBoxes();
        EXPECT_EQ(Load(streams[i]), nullptr) << i;
        EXPECT_EQ(refusal, 1553) << i;
        EXPECT_EQ(Assertions().size(), 1u) << i;
    }
}
