#include <cstring>

#include "dir_text.h"
#include "directory_client.h"
#include "flowsmith_app.h"
#include "password_rules.h"
#include "standin_link.h"

namespace zlink::testing {
namespace {

class SecurityTest : public LinkTest {
protected:
    void SetUp() override {
        LinkTest::SetUp();
        ASSERT_EQ(Start(), 0);
    }
};

TEST_F(SecurityTest, TypedNamesNeitherWidenSearchesNorSplitAttributeStrings) {
    KvAppRecord main = AppRecord(80, "Main");
    KvAppInfo info{};
    ASSERT_EQ(KvFileNew(&main, &info), 0);
    // "*" matches no other name: the id is free and the name is new.
    KvAppRecord star = AppRecord(81, "*");
    EXPECT_EQ(KvFileNew(&star, &info), 0) << LogText();
    ASSERT_EQ(KvFileClose(1, 81), 0);
    // A name holding a separator is refused before anything is written.
    for (const char* bad : {"a~{attrib}~visible~{value}~1", "b~{value}~c", "d~{mv}~e"}) {
        KvAppRecord record = AppRecord(82, bad);
        const std::size_t mark = Journal().size();
        EXPECT_NE(KvFileNew(&record, &info), 0) << bad;
        EXPECT_EQ(JournalSince(mark).find("directory.add"), std::string::npos) << bad;
    }
    EXPECT_NE(LogText().find("refused a value of appname holding a separator"), std::string::npos);
}

TEST_F(SecurityTest, EncryptionGivesTheServersCodeAndTheVersionFitsTheDesignersBuffer) {
    char code[9];
    std::memset(code, '#', sizeof code);
    ASSERT_EQ(KvEncryptString("2468", code), 0);
    EXPECT_EQ(code[8], '#');
    EXPECT_EQ(HexEncode(reinterpret_cast<unsigned char*>(code), 8), standin::encodePassword("2468"));
    // A long version text is cut at 33 characters.
    const auto entry = backend->findOne("(&(objectClass=SYSTEMSERVICEPROF)(sysserviceid=3))");
    ASSERT_TRUE(entry.has_value());
    backend->modify(entry->dn, {{standin::LdapChange::Replace, "vernum", {std::string(60, '9')}}});
    char version[40];
    std::memset(version, '#', sizeof version);
    EXPECT_EQ(KvGetServerVersion(0, 0, version), 0);
    EXPECT_EQ(std::strlen(version), 33u);
    EXPECT_EQ(version[34], '#');
}

TEST_F(SecurityTest, ImportEntriesAreDeletedByTheirFullNames) {
    KvAppRecord record = AppRecord(83, "Imp");
    KvAppInfo info{};
    ASSERT_EQ(KvFileNew(&record, &info), 0);
    KvImportEntry imports[] = {{1, 84, 1}, {1, 85, 1}, {0, 0, 0}};
    KvImportRequest request{1, 83, imports};
    ASSERT_EQ(KvFileImport(&request), 0);
    const std::size_t mark = Journal().size();
    KvImportEntry fewer[] = {{1, 85, 1}, {0, 0, 0}};
    request.imports = fewer;
    ASSERT_EQ(KvFileImport(&request), 0) << LogText();
    const std::string calls = JournalSince(mark);
    EXPECT_NE(calls.find("| impedappid,impedcustid |"), std::string::npos) << calls;
    int usage = -1;
    ASSERT_EQ(Directory().RetrieveInUseState(1, 84, usage), 0);
    EXPECT_EQ(usage, 0);
    ASSERT_EQ(Directory().RetrieveInUseState(1, 85, usage), 0);
    EXPECT_EQ(usage, 2);
}

}  // namespace
}  // namespace zlink::testing
