#include <signal.h>

#include <filesystem>
#include <fstream>

#include "application_fixture.h"
#include "fault_rules.h"
#include "file_store.h"

namespace standin::testing {
namespace {

TEST(FileStoreTest, ServerPathsMapBelowTheRootOrAreRefused) {
  const FileStore store("/root");
  struct Case {
    const char* server;
    const char* host;  // nullptr: refused with 53
  };
  const Case cases[] = {
      {"d:\\tarvix\\apps\\c1\\a5\\v50100\\app.ed", "/root/d/tarvix/apps/c1/a5/v50100/app.ed"},
      {"D:\\\\tarvix\\\\\\ssl\\Vantora.cer", "/root/d/tarvix/ssl/Vantora.cer"},
      {"d:/tarvix/./templates/default.ed", "/root/d/tarvix/templates/default.ed"},
      {"d:\\tarvix\\..\\..\\etc\\passwd", nullptr},
      {"c:\\windows\\win.ini", nullptr},
      {"\\\\server\\share\\x", nullptr},
      {"tarvix\\apps", nullptr},
      {"d:\\tarvix\\x:stream", nullptr},
      {"", nullptr},
  };
  for (const Case& c : cases) {
    if (c.host) {
      EXPECT_EQ(store.map(c.server), std::filesystem::path(c.host)) << c.server;
      continue;
    }
    try {
      store.map(c.server);
      ADD_FAILURE() << "mapped " << c.server;
    } catch (const Refusal& r) {
      EXPECT_EQ(r.code(), kUnwilling) << c.server;
    }
  }
}

TEST(FaultRuleTest, SkipCountAndMatchDecideWhichCallsFail) {
  struct Step {
    const char* arguments;
    std::optional<std::int32_t> code;
  };
  std::vector<std::string> rules = {"files.send 60657 skip=1 count=2 match=app.ed", "directory.search 81"};
  const Step steps[] = {{"x\\app.run", std::nullopt}, {"x\\app.ed", std::nullopt}, {"x\\app.ed", 60657},
                        {"x\\app.ed", 60657}, {"x\\app.ed", std::nullopt}};
  for (const Step& step : steps) {
    const FaultDecision d = decideFault(rules, "files.send", step.arguments);
    EXPECT_EQ(d.code, step.code) << step.arguments;
    for (const auto& [before, after] : d.rewrites) {
      std::replace(rules.begin(), rules.end(), before, after);
    }
    std::erase(rules, "");
  }
  EXPECT_EQ(rules, std::vector<std::string>{"directory.search 81"});
  EXPECT_EQ(decideFault(rules, "Directory.Search", "").code, 81);
  EXPECT_FALSE(parseFaultRule("directory.search"));
  EXPECT_FALSE(parseFaultRule("nodot 81"));
  EXPECT_FALSE(parseFaultRule("directory.add 81 often=2"));
  EXPECT_EQ(parseFaultRule("directory.add 81 match=a b")->match, "a b");
}

using FaultInjectionTest = StandinTest;

TEST_F(FaultInjectionTest, RulesOnTheControlEntryFailTheNamedCalls) {
  Client admin(*backend, "4711", "2468", "U0001");
  const Reply added = admin.add(4000);
  setControl("stfaultrule", {"directory.search 60657 count=1", "files.send 60658 match=a4000", "directory.lock 53 match=4001"});
  Reply reply;
  entries(admin.directory, "(objectclass=NETWLOCATION)", "locationid", "", &reply);
  EXPECT_EQ(reply.code, 60657);
  ASSERT_EQ(reply.records.size(), 1u);
  EXPECT_EQ(reply.records[0].code, 60657);
  EXPECT_EQ(entries(admin.directory, "(objectclass=NETWLOCATION)", "locationid", "locationid", &reply),
            (std::vector<std::string>{"2", "5"}));
  EXPECT_EQ(admin.send(value(added, "newedfilepath")).code, 60658);
  // The failed transfer left the working version untouched: its commit is refused.
  EXPECT_EQ(admin.commit(4000).code, kUnwilling);
  // The rule decides before the server looks at the application.
  EXPECT_EQ(admin.lock(4001).code, kUnwilling);
  EXPECT_EQ(admin.lock(4002).code, kNoSuchObject);
  EXPECT_EQ(admin.lock(4000).code, kReply);
}

TEST_F(FaultInjectionTest, RecordsGoOnlyToTheCallersWorkingVersion) {
  Client admin(*backend, "4711", "2468", "U0001");
  Client other(*backend, "4712", "1357", "U0002");
  const Reply added = admin.add(4100);
  const auto local = std::filesystem::temp_directory_path() / ("standin-record-" + std::to_string(getpid()) + ".blk");
  std::ofstream(local, std::ios::binary) << "voice";
  EXPECT_EQ(admin.admin.sendRecord(admin.context, "U0001", local.string(), "d:\\tarvix\\mmfs\\c1\\a4100\\v50100", 20005, 1, 2).code, 0);
  EXPECT_EQ(other.admin.sendRecord(other.context, "U0002", local.string(), "d:\\tarvix\\mmfs\\c1\\a4100\\v50100", 5, 1, 2).code,
            kInsufficientAccess);
  EXPECT_EQ(admin.admin.sendRecord(admin.context, "U0002", local.string(), "d:\\tarvix\\mmfs\\c1\\a4100\\v50100", 5, 1, 2).code,
            kInsufficientAccess);  // the user does not own the context
  EXPECT_EQ(admin.admin.sendRecord(admin.context, "U0001", local.string(), "d:\\tarvix\\mmfs\\c1\\a4100\\v50101", 5, 2, 2).code,
            kInsufficientAccess);
  EXPECT_EQ(admin.send("d:\\tarvix\\templates\\default.ed").code, kInsufficientAccess);
  EXPECT_EQ(admin.send("d:\\tarvix\\apps\\c1\\a4100\\..\\a4100\\v50100\\app.ed").code, kUnwilling);
  // Committed records come along into the next working version.
  const Reply saved = admin.save(4100, added);
  ASSERT_EQ(saved.code, kReply);
  EXPECT_EQ(entries(admin.directory, "(&(objectclass=MMFSRECORD)(mmfsrecid=20005))", "mmfsfileid,mmfsrectype,stmmfsrecsize", "mmfsfileid"),
            (std::vector<std::string>{"d:\\tarvix\\mmfs\\c1\\a4100\\v50100~{value}~14~{value}~5",
                                      "d:\\tarvix\\mmfs\\c1\\a4100\\v50101~{value}~14~{value}~5"}));
  EXPECT_TRUE(backend->store().exists("d:\\tarvix\\mmfs\\c1\\a4100\\v50101\\R20005"));
  // A record is deleted only in the working version.
  EXPECT_EQ(admin.directory.remove("mmfsfileid=d:\\tarvix\\mmfs\\c1\\a4100\\v50100+mmfsrecid=20005+mmfsrectype=14,o=vantora", admin.context).code,
            kInsufficientAccess);
  EXPECT_EQ(admin.directory.remove("mmfsfileid=d:\\tarvix\\mmfs\\c1\\a4100\\v50101+mmfsrecid=20005+mmfsrectype=14,o=vantora", admin.context).code,
            kOk);
  EXPECT_FALSE(backend->store().exists("d:\\tarvix\\mmfs\\c1\\a4100\\v50101\\R20005"));
  std::filesystem::remove(local);
}

TEST_F(FaultInjectionTest, CertificateIsReadableWithoutContextAndStampsCompare) {
  AdminService files(*backend);
  ASSERT_EQ(files.filesConnect("", "", "vtfilexfer", "_VTAOSFile_", "127.0.0.1").code, 0);
  const auto folder = std::filesystem::temp_directory_path() / ("standin-cert-" + std::to_string(getpid()));
  const std::string cer = (folder / "Vantora.cer").string(), ts = (folder / "Vantora.ts").string();
  ASSERT_EQ(files.receive("", "", "d:\\tarvix\\ssl\\Vantora.cer", cer).code, 0);
  EXPECT_EQ(files.receive("", "", "d:\\tarvix\\templates\\default.ed", cer).code, kInsufficientAccess);
  bool same = true;
  EXPECT_EQ(files.compareTimeStamp("", "", ts, "d:\\tarvix\\ssl\\Vantora.cer", same).code, 0);
  EXPECT_FALSE(same);  // no local stamp yet
  ASSERT_EQ(files.fetchTimeStamp("", "", ts, "d:\\tarvix\\ssl\\Vantora.cer").code, 0);
  ASSERT_EQ(files.compareTimeStamp("", "", ts, "d:\\tarvix\\ssl\\Vantora.cer", same).code, 0);
  EXPECT_TRUE(same);
  std::ofstream(backend->store().map("d:\\tarvix\\ssl\\Vantora.cer"), std::ios::app) << "renewed";
  ASSERT_EQ(files.compareTimeStamp("", "", ts, "d:\\tarvix\\ssl\\Vantora.cer", same).code, 0);
  EXPECT_FALSE(same);
  std::filesystem::remove_all(folder);
}

TEST_F(FaultInjectionTest, BrokenOffSessionAnswersServerDown) {
  Client admin(*backend, "4711", "2468", "U0001");
  ASSERT_EQ(admin.add(4200).code, kReply);
  const char* pid = std::getenv("VTSTANDIN_SLAPD_PID");
  ASSERT_NE(pid, nullptr);
  ASSERT_EQ(kill(std::atoi(pid), SIGKILL), 0);
  for (int i = 0; i < 100 && entries(admin.directory, "(objectclass=NETWLOCATION)", "locationid").size() > 0; ++i) usleep(20000);
  Reply reply;
  entries(admin.directory, "(objectclass=NETWLOCATION)", "locationid", "", &reply);
  EXPECT_EQ(reply.code, kServerDown);
  EXPECT_EQ(admin.commit(4200).code, kServerDown);
  EXPECT_EQ(admin.admin.cleanUp(admin.context, "U0001").code, kServerDown);
  DirectorySession fresh(*backend);
  EXPECT_EQ(fresh.connect(login()).code, kServerDown);
}

}  // namespace
}  // namespace standin::testing
