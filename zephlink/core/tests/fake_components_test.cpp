// Behaviours that need a component answering what the stand-in never answers.
#include <gtest/gtest.h>

#include "admin_client.h"
#include "directory_client.h"
#include "session.h"

namespace zlink {
namespace {

// A directory whose every search stops at the size limit and always brings the same
// entry: a pager that trusted it would never end.
class StuckDirectory : public DirectoryComponent {
public:
    explicit StuckDirectory(int& searches) : m_searches(searches) {}
    HResult Connect(int, const std::string&, int, int, const std::string&, const std::string&, const std::string&,
                    const std::string&, const std::string&, const std::string&) override { return kOk; }
    HResult Add(const std::string&, const std::string&, const std::string&, int) override { return kOk; }
    HResult Search(const std::string&, int, const std::string&, const std::string&, std::int16_t, const std::string&,
                   int, const std::string&) override {
        ++m_searches;
        m_pending = true;
        return serverCodeResult(4);
    }
    HResult GetNext(std::optional<std::string>& entry) override {
        entry.reset();
        if (m_pending) entry = "5~{value}~1~{value}~Five~{value}~~{value}~~{value}~~{value}~-1~{value}~1~{value}~1~{value}~0~{value}~50100";
        m_pending = false;
        return entry ? kOk : kFalse;
    }
    HResult Modify(const std::string&, const std::string&, const std::string&) override { return kOk; }
    HResult Delete(const std::string&, const std::string&) override { return kOk; }
    HResult GetContextId(std::string& c) override {
        c = "ctx";
        return kOk;
    }
    HResult GetErrors(std::vector<ComponentError>& errors) override {
        errors = {{4, 1, "", "size limit", ""}};
        return kOk;
    }
    HResult LockApplication(const std::string&, int, int, int, const std::string&, int, const std::string&) override {
        return kOk;
    }
    HResult SetSecure(int) override { return kOk; }

private:
    int& m_searches;
    bool m_pending = false;
};

class CountingPlatform : public LinkPlatform {
public:
    std::unique_ptr<DirectoryComponent> NewDirectory(HResult& hr) override {
        hr = kOk;
        return std::make_unique<StuckDirectory>(searches);
    }
    std::unique_ptr<AdminConfigComponent> NewAdminConfig(HResult& hr) override {
        ++created;
        hr = kFail;
        return nullptr;
    }
    std::unique_ptr<FileTransferComponent> NewFileTransfer(HResult& hr) override {
        ++created;
        hr = kFail;
        return nullptr;
    }
    int searches = 0;
    int created = 0;
};

class FakeComponentsTest : public ::testing::Test {
protected:
    void SetUp() override { SetPlatform(&platform); }
    void TearDown() override {
        ResetLibraryState();
        SetPlatform(nullptr);
    }
    CountingPlatform platform;
};

TEST_F(FakeComponentsTest, PagingEndsWhenAPassBringsNothingNew) {
    KvAppListEntry* list = nullptr;
    ASSERT_EQ(Directory().RetrieveApplicationList(&list, 1, 1, 0), 0);
    EXPECT_EQ(platform.searches, 2);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list[0].applicationId, 5);
    EXPECT_EQ(list[1].applicationId, 0);  // the repeat is not listed twice
    DirectoryClient::FreeList(list);
}

TEST_F(FakeComponentsTest, RecordTransferWithoutPathsAsksNoComponent) {
    AdminClient admin;
    admin.Init("127.0.0.1", "ctx", "U0001");
    EXPECT_EQ(admin.SendMMFSRecord(nullptr, "d:\\tarvix\\mmfs", 14, 5), 60);
    EXPECT_EQ(admin.SendMMFSRecord("x.blk", nullptr, 14, 5), 60);
    EXPECT_EQ(platform.created, 0);
    EXPECT_EQ(admin.SendMMFSRecord("x.blk", "d:\\tarvix\\mmfs", 14, 5), 60);
    EXPECT_EQ(platform.created, 1);
    std::int32_t id = 77;
    EXPECT_EQ(admin.GetUnusedAppID(1, &id), 60);
    EXPECT_EQ(id, -1);
    EXPECT_EQ(SingleBackslashes("d:\\\\tarvix\\\\apps\\x"), "d:\\tarvix\\apps\\x");
}

}  // namespace
}  // namespace zlink
