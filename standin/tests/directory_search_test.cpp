#include "standin_fixture.h"

namespace standin::testing {
namespace {

using SearchTest = StandinTest;

TEST_F(SearchTest, EntryStringsGiveRequestedValuesInOrderWithEmptyForAbsent) {
  std::string context;
  auto s = session(context);
  EXPECT_EQ(entries(*s, "(&(objectclass=VANTORAUSER)(usermailboxnum=4712)(locationid=2))", "userid,usersmtpmailadr,mailboxid"),
            std::vector<std::string>{"U0002~{value}~~{value}~MB4712"});
  EXPECT_EQ(entries(*s, "(&(objectclass=MMFSVOLUME))", "volumenum"),
            std::vector<std::string>{"VOL1_F1~{mv}~VOL1_F12~{mv}~VOL2_F3"});
}

TEST_F(SearchTest, IntegersSortAndCompareAsNumbers) {
  std::string context;
  auto s = session(context);
  // As text 4 < 6 < 8 happens to agree; 3, 5, 9 against ">= 4" only works numerically.
  EXPECT_EQ(entries(*s, "(&(objectclass=RESTRICTIONPERMISSION))", "rplname,rplid", "rplid"),
            (std::vector<std::string>{"RPL 2~{value}~4", "RPL 1~{value}~6", "Night line~{value}~8"}));
  EXPECT_EQ(entries(*s, "(&(objectclass=LOCALLANGUAGE)(customerid=1)(vpromptlangid>=4))", "vpromptlangid,locallangname"),
            (std::vector<std::string>{"5~{value}~French", "9~{value}~German"}));
  setControl("stpagesize", {"0"});
  backend->add("rplid=10,o=vantora", {{LdapChange::Add, "objectClass", {"RESTRICTIONPERMISSION"}},
                                     {LdapChange::Add, "rplid", {"10"}}});
  EXPECT_EQ(entries(*s, "(&(objectclass=RESTRICTIONPERMISSION)(rplid>=5))", "rplid", "rplid"),
            (std::vector<std::string>{"6", "8", "10"}));
}

TEST_F(SearchTest, PageSizeIsTheSizeLimitAndTheCutPassStaysReadable) {
  std::string context;
  auto s = session(context);
  struct Case {
    int pageSize;
    std::int32_t code;
    std::size_t read;
  };
  for (const Case c : {Case{2, kSizeLimit, 2}, Case{3, kOk, 3}, Case{4, kOk, 3}, Case{0, kOk, 3}}) {
    setControl("stpagesize", {std::to_string(c.pageSize)});
    Reply reply;
    const auto found = entries(*s, "(&(objectclass=LOCALLANGUAGE)(customerid=1))", "vpromptlangid", "vpromptlangid", &reply);
    EXPECT_EQ(reply.code, c.code) << "page size " << c.pageSize;
    ASSERT_EQ(found.size(), c.read) << "page size " << c.pageSize;
    EXPECT_EQ(found.front(), "3");
    if (c.code == kSizeLimit) {
      ASSERT_FALSE(reply.records.empty());
      EXPECT_EQ(reply.records.front().code, kSizeLimit);
    }
  }
}

TEST_F(SearchTest, ProfilesWithoutSortAttributeComeVisibleFirstThenNewest) {
  ASSERT_EQ(std::system(("ldapadd -x -H ldap://" + std::string(std::getenv("VTSTANDIN_LDAP")) +
                         " -D cn=admin,o=vantora -w standin -f " STANDIN_SCHEMA_DIR "/fixture-states.ldif >/dev/null")
                            .c_str()),
            0);
  std::string context;
  auto s = session(context);
  EXPECT_EQ(entries(*s, "(&(objectclass=APPPROFILE)(appprofid=901)(customerid=1))", "appvernum,visible"),
            (std::vector<std::string>{"50100~{value}~1", "50101~{value}~0"}));
}

TEST_F(SearchTest, AnonymousBindMaySearchButNotWrite) {
  DirectorySession s(*backend);
  ConnectRequest anonymous;
  ASSERT_EQ(s.connect(anonymous).code, 0);
  EXPECT_EQ(entries(s, "(&(objectclass=NETWLOCATION)(locationname=Branch))", "locationid"), std::vector<std::string>{"5"});
  EXPECT_EQ(s.add("", "appid=77+sysserviceid=3,o=vantora", "customerid~{value}~1", 0).code, kInsufficientAccess);
  DirectorySession unbound(*backend);
  SearchRequest request;
  request.filter = "(objectclass=NETWLOCATION)";
  request.attributes = "locationid";
  EXPECT_EQ(unbound.search(request).code, kInsufficientAccess);
}

}  // namespace
}  // namespace standin::testing
