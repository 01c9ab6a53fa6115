// Voice and fax items of an application on a running stand-in server, through the client
// library's and the model library's real exports: the records' commits, the content
// call-outs and the fax content reset, with the file choice scripted.
#include "items_standin_fixture.h"

#include "model/interface/vlx.h"
#include "shell/items/itemcontent.h"
#include "shell/items/itemworkers.h"

namespace {

TEST_F(ItemsOnStandinTest, VoiceItemLivesInModelListAndServerTogether)
{
    KvSoftItem* item = Add(0, "Welcome", 5);
    ASSERT_NE(item, nullptr) << ::testing::PrintToString(Messages());
    EXPECT_NE(vlxFindSymbol("Welcome"), nullptr);
    EXPECT_TRUE(ServerHas(14, 5));
    EXPECT_EQ(KvNextItemId(0), 1);

    m_items.file = m_wav;
    EXPECT_EQ(KvRunContentMember(*KvFindContentMember(32001), *item, m_items), 0);
    EXPECT_EQ(m_items.items->modified, 1);
    m_items.file = m_notWav;
    EXPECT_EQ(KvRunContentMember(*KvFindContentMember(32001), *item, m_items), 1);
    // No telephone reaches the stand-in: recording fails as the server link documents.
    EXPECT_EQ(KvRunContentMember(*KvFindContentMember(32000), *item, m_items), 1);
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "The format of the selected .wav file is not supported.",
                              "The system could not record the voice item on the server.\n"
                              "Please check the connection to the server and try again.",
                          }));

    // In use: refused before the server is asked.
    item->ChangeUseCount(true);
    EXPECT_EQ(item->DeleteFromServer(), 0);
    EXPECT_TRUE(ServerHas(14, 5));
    item->ChangeUseCount(false);
    EXPECT_EQ(item->DeleteFromServer(), 1);
    EXPECT_EQ(vlxFindSymbol("Welcome"), nullptr);
    EXPECT_FALSE(ServerHas(14, 5));
}

TEST_F(ItemsOnStandinTest, FaxItemSharesAnIdNotANameAndResets)
{
    ASSERT_NE(Add(0, "Welcome", 2), nullptr);
    KvSoftItem* fax = Add(3, "Invoice", 2);
    ASSERT_NE(fax, nullptr) << ::testing::PrintToString(Messages());
    EXPECT_TRUE(ServerHas(15, 2));
    EXPECT_EQ(Add(3, "Welcome", 3), nullptr);
    EXPECT_FALSE(ServerHas(15, 3));

    m_items.file = m_wav;  // the confirmation prompt
    EXPECT_EQ(KvRunContentMember(*KvFindContentMember(32004), *fax, m_items), 0);
    EXPECT_EQ(m_items.items->modified, 1);
    EXPECT_EQ(KvDeleteFaxItem(*fax), 0);  // Confirm Paste/Delete is off here
    EXPECT_TRUE(ServerHas(15, 2));        // the item stays, its content went
    EXPECT_EQ(fax->DeleteFromServer(), 1);
    EXPECT_FALSE(ServerHas(15, 2));
}

}  // namespace
