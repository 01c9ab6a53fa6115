#include <cstring>

#include "flowsmith_app.h"
#include "standin_link.h"

namespace zlink::testing {
namespace {

class DesignerDataTest : public LinkTest {
protected:
    void SetUp() override {
        LinkTest::SetUp();
        ASSERT_EQ(Start(), 0);
        KvAppRecord record = AppRecord(90, "Data");
        KvAppInfo info{};
        ASSERT_EQ(KvFileNew(&record, &info), 0) << LogText();
        WriteLocal("Data.ED", "data");
    }
};

TEST_F(DesignerDataTest, ListsHandedOverAfterOpenBecomeTheSavedOnes) {
    KvImportEntry imports[] = {{1, 91, 1}, {0, 0, 0}};
    KvImportRequest request{1, 90, imports};
    EXPECT_EQ(KvGetDataFromFS(&request), 0);
    KvFlowsmithApp* app = KvFlowsmithApp::find(1, 90);
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->importsSaved.size(), 1u);
    KvResPermEntry lists[] = {{1, 90, 1, 2, 6}, {0, 0, 0, 0, 0}};
    const std::size_t mark = Journal().size();
    EXPECT_EQ(KvGetResPermDataFromFS(1, 90, lists), 0);
    EXPECT_NE(JournalSince(mark).find("| rplid=6+apprplid=90+customerid=1+appvernum="), std::string::npos)
        << JournalSince(mark);
    EXPECT_EQ(app->resPermsSaved.size(), 1u);
    // Not open here: nothing to do.
    KvImportRequest other{1, 99, imports};
    EXPECT_EQ(KvGetDataFromFS(&other), 0);
    EXPECT_EQ(KvGetResPermDataFromFS(1, 99, lists), 0);
    // Nothing unsaved: the close only unlocks.
    const std::size_t closing = Journal().size();
    ASSERT_EQ(KvFileClose(1, 90), 0);
    EXPECT_EQ(JournalSince(closing).find("directory.add"), std::string::npos);
    EXPECT_EQ(JournalSince(closing).find("directory.delete"), std::string::npos);
}

TEST_F(DesignerDataTest, ListEditsAreWrittenAtOnceAndPropertiesWithTheNextSave) {
    KvResPermEntry lists[] = {{1, 90, 1, 3, 4}, {1, 90, 1, 1, 8}, {0, 0, 0, 0, 0}};
    KvResPermRequest request{1, 90, nullptr, lists};
    const std::size_t mark = Journal().size();
    EXPECT_EQ(KvResPermUsed(1, 90, &request), 0);
    EXPECT_NE(JournalSince(mark).find("rplid=8+apprplid=90"), std::string::npos);
    EXPECT_EQ(KvResPermUsed(1, 99, &request), 48);
    KvFlowsmithApp* app = KvFlowsmithApp::find(1, 90);
    EXPECT_TRUE(app->resPermsSaved.empty());

    KvAppInfo info{};
    app->fillInfo(info);
    std::strcpy(info.description, "A description");
    std::memset(info.lockingTime, 0, sizeof info.lockingTime);
    EXPECT_EQ(KvFileProperties(&info), 0);
    EXPECT_EQ(app->workingProfile.lockingTime, 1700000000);  // the clock's now
    info.applicationId = 99;
    EXPECT_EQ(KvFileProperties(&info), 48);
    KvAppInfo saved{};
    ASSERT_EQ(KvFileSave(1, 90, 0, 11, &saved), 0) << LogText();
    EXPECT_STREQ(saved.description, "A description");
    EXPECT_EQ(app->resPermsSaved.size(), 2u);
}

}  // namespace
}  // namespace zlink::testing
