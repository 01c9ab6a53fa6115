#include <gtest/gtest.h>

#include "client_dn.h"
#include "server_reply.h"
#include "standin_fixture.h"

namespace standin {
namespace {

TEST(ClientDnTest, EveryTemplateIsRebuiltAsAnEscapedDirectoryName) {
  struct Case {
    const char* client;
    DnKind kind;
    const char* directory;
  };
  const Case cases[] = {
      {"appid=5+customerid=1,o=vantora", DnKind::Application, "appid=5+customerid=1,o=vantora"},
      {"customerid=1+appid=5,O=Vantora", DnKind::Application, "appid=5+customerid=1,o=vantora"},
      {"appprofid=5+customerid=1+appvernum=50100,o=vantora", DnKind::Profile, "appprofid=5+customerid=1+appvernum=50100,o=vantora"},
      {"appimpid=5+customerid=1+appvernum=50100+impedappid=7+impedcustid=1,o=vantora", DnKind::Import,
       "appimpid=5+customerid=1+appvernum=50100+impedappid=7+impedcustid=1,o=vantora"},
      {"rplid=6+apprplid=5+customerid=1+appvernum=50100,o=vantora", DnKind::ListUse, "rplid=6+apprplid=5+customerid=1+appvernum=50100,o=vantora"},
      {"appid=5+sysserviceid=3,o=vantora", DnKind::Service, "appid=5+sysserviceid=3,o=vantora"},
      {"mmfsfileid=d:\\tarvix\\mmfs\\c1\\a5\\v50100+mmfsrecid=20003+mmfsrectype=14,o=vantora", DnKind::MediaRecord,
       "mmfsfileid=d:\\\\tarvix\\\\mmfs\\\\c1\\\\a5\\\\v50100+mmfsrecid=20003+mmfsrectype=14,o=vantora"},
      {"mmfsfileid=d:\\tarvix\\mmfs\\c1\\a5\\v50100,appprofid=5,appvernum=50100,o=vantora", DnKind::MediaFile,
       "mmfsfileid=d:\\\\tarvix\\\\mmfs\\\\c1\\\\a5\\\\v50100,o=vantora"},
      {"userid=U0002,o=vantora", DnKind::User, "uid=U0002,o=vantora"},
  };
  for (const Case& c : cases) {
    const ClientDn dn = parseClientDn(c.client, "o=vantora");
    EXPECT_EQ(dn.kind, c.kind) << c.client;
    EXPECT_EQ(dn.directoryDn, c.directory) << c.client;
  }
  EXPECT_EQ(parseClientDn(cases[7].client, "o=vantora").value("appvernum"), "50100");
}

TEST(ClientDnTest, NamesOutsideTheTemplatesAreRefusedWith34) {
  const char* bad[] = {
      "",
      "appid=5,o=vantora",                                // part of a template
      "appid=5+customerid=1+appvernum=3,o=vantora",       // no such template
      "appid=x+customerid=1,o=vantora",                   // not a number
      "appid=5+customerid=1,o=other",                     // another suffix
      "appid=5+customerid=1,ou=x,o=vantora",              // not flat
      "appid=5+customerid=1",                             // no suffix
      "cn=control,ou=standin,o=vantora",                  // the server's own entries
      "stcontextid=ctx-test-0001,ou=contexts,ou=standin,o=vantora",
      "appid=+customerid=1,o=vantora",
      "o=vantora",
  };
  for (const char* dn : bad) {
    try {
      parseClientDn(dn, "o=vantora");
      ADD_FAILURE() << "accepted " << dn;
    } catch (const Refusal& r) {
      EXPECT_EQ(r.code(), kInvalidDn) << dn;
    }
  }
}

using DnRoundTripTest = testing::StandinTest;

TEST_F(DnRoundTripTest, SpecialCharactersSurviveTheDirectory) {
  const std::string values[] = {"d:\\tarvix\\mmfs\\c1", " lead,and+plus", "#hash;<>\"q\"=", "trail ", "back\\\\slash\\"};
  for (const std::string& v : values) {
    const std::string dn = buildDn(DnKind::MediaFile, {v}, "o=vantora");
    backend->add(dn, {{LdapChange::Add, "objectClass", {"MMFSFILE"}}, {LdapChange::Add, "mmfsfileid", {v}}});
    const auto found = backend->find(equalityFilter("MMFSFILE", {{"mmfsfileid", v}}), {"mmfsfileid"});
    ASSERT_EQ(found.size(), 1u) << v;
    EXPECT_EQ(found[0].first("mmfsfileid"), v);
    backend->remove(dn);
  }
}

}  // namespace
}  // namespace standin
