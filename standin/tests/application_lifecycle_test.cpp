#include <filesystem>
#include <fstream>

#include "application_fixture.h"

namespace standin::testing {
namespace {

using ApplicationLifecycleTest = StandinTest;

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(ApplicationLifecycleTest, NewSaveCloseOpenSaveCompleteSaveAsDelete) {
  Client admin(*backend, "4711", "2468", "U0001");
  std::int32_t id = 0;
  ASSERT_EQ(admin.admin.unusedId(admin.context, "U0001", 1, id).code, 0);
  ASSERT_EQ(id, 1000);

  // New: the application is added locked, its first working version made from the template.
  Reply added = admin.add(id);
  ASSERT_EQ(added.code, kReply) << added.text;
  EXPECT_EQ(value(added, "currentedfilepath"), "d:\\tarvix\\templates\\default.ed");
  EXPECT_EQ(value(added, "newedfilepath"), "d:\\tarvix\\apps\\c1\\a1000\\v50100\\app.ed");
  EXPECT_EQ(value(added, "appvernum"), "50100");
  std::optional<std::string> cursor;
  admin.directory.next(cursor);
  EXPECT_EQ(cursor, "d:\\tarvix\\apps\\c1\\a1000\\v50100\\app.ed~{value}~d:\\tarvix\\templates\\default.ed");
  EXPECT_EQ(entries(admin.directory, "(&(objectclass=APPPROFILE)(appprofid=1000)(customerid=1))",
                    "appvernum,visible,lockinguser,apppreviousvernum,misafilepath"),
            std::vector<std::string>{"50100~{value}~0~{value}~4711~{value}~65535~{value}~d:\\tarvix\\mmfs\\c1\\a1000\\v50100"});
  const auto local = std::filesystem::temp_directory_path() / ("standin-lifecycle-" + std::to_string(getpid()) + ".ed");
  ASSERT_EQ(admin.admin.receive(admin.context, "U0001", value(added, "currentedfilepath"), local.string()).code, 0);

  // Save incomplete: the profile is made visible, the version committed, a new one opened.
  ASSERT_EQ(admin.directory.modify("appprofid=1000+customerid=1+appvernum=50100,o=vantora",
                                   "visible~{value}~1~{attrib}~appdescr~{value}~first", admin.context).code, 0);
  Reply saved = admin.save(id, added);
  ASSERT_EQ(saved.code, kReply) << saved.text;
  EXPECT_EQ(value(saved, "currentedfilepath"), "d:\\tarvix\\apps\\c1\\a1000\\v50100\\app.ed");
  EXPECT_EQ(value(saved, "newedfilepath"), "d:\\tarvix\\apps\\c1\\a1000\\v50101\\app.ed");
  EXPECT_EQ(entries(admin.directory, "(&(objectclass=APPPROFILE)(appprofid=1000)(customerid=1)(visible=0)(apppreviousvernum=50100))",
                    "appvernum,appdescr,modnum"),
            std::vector<std::string>{"50101~{value}~first~{value}~1"});

  // Close: the working version goes, the lock fields go from the application and every profile.
  ASSERT_EQ(admin.unlock(id).code, 0);
  EXPECT_EQ(entries(admin.directory, "(&(objectclass=APPPROFILE)(appprofid=1000)(customerid=1))", "appvernum,visible,lockinguser"),
            std::vector<std::string>{"50100~{value}~1~{value}~"});

  // Open: a new working version, numbered past every earlier one.
  Reply opened = admin.lock(id);
  ASSERT_EQ(opened.code, kReply) << opened.text;
  EXPECT_EQ(value(opened, "currentedfilepath"), "d:\\tarvix\\apps\\c1\\a1000\\v50100\\app.ed");
  EXPECT_EQ(value(opened, "appvernum"), "50102");
  ASSERT_EQ(admin.admin.receive(admin.context, "U0001", value(opened, "currentedfilepath"), local.string()).code, 0);
  EXPECT_EQ(readFile(local), "program");

  // Save complete: .ED and .RUN to the working version, the service entry, commit.
  ASSERT_EQ(admin.send("d:\\tarvix\\apps\\c1\\a1000\\v50102\\app.run", "run").code, 0);
  ASSERT_EQ(admin.directory.add(admin.context, "appid=1000+sysserviceid=3,o=vantora",
                                "customerid~{value}~1~{attrib}~appname~{value}~App~{attrib}~mediatype~{value}~1~{attrib}~appparam~{value}~d:\\tarvix\\apps\\c1\\a1000\\v50102\\app.run~{attrib}~appdescr~{value}~",
                                0).code,
            0);
  ASSERT_EQ(admin.directory.modify("appprofid=1000+customerid=1+appvernum=50102,o=vantora", "compiledok~{value}~1", admin.context).code, 0);
  Reply complete = admin.save(id, opened);
  ASSERT_EQ(complete.code, kReply);
  EXPECT_EQ(entries(admin.directory, "(&(objectclass=APPPROFILE)(appprofid=1000)(customerid=1)(visible=1))", "appvernum,compiledok"),
            std::vector<std::string>{"50102~{value}~1"});

  // Save as a new application: add the target, send, commit; the source is unlocked.
  Reply target = admin.add(1001);
  ASSERT_EQ(target.code, kReply);
  ASSERT_EQ(admin.save(1001, target).code, kReply);
  ASSERT_EQ(admin.unlock(1000).code, 0);

  // Delete: every entry of the application goes, its files to the trash until clean-up.
  ASSERT_EQ(admin.remove(1000).code, 0);
  EXPECT_TRUE(entries(admin.directory, "(|(&(objectclass=APPPROFILE)(appprofid=1000))(&(objectclass=APPLICATION)(appid=1000))(&(objectclass=MMFSFILE)(appprofid=1000)))", "appvernum").empty());
  EXPECT_FALSE(std::filesystem::exists(backend->store().map("d:\\tarvix\\apps\\c1\\a1000")));
  EXPECT_FALSE(std::filesystem::is_empty(backend->store().trash()));
  ASSERT_EQ(admin.admin.cleanUp(admin.context, "U0001").code, 0);
  EXPECT_TRUE(std::filesystem::is_empty(backend->store().trash()));
  ASSERT_EQ(admin.admin.unusedId(admin.context, "U0001", 1, id).code, 0);
  EXPECT_EQ(id, 1000);
  std::filesystem::remove(local);
}

TEST_F(ApplicationLifecycleTest, CommitWithoutTheWorkingFileLosesNothing) {
  Client admin(*backend, "4711", "2468", "U0001");
  const Reply added = admin.add(1200);
  ASSERT_EQ(admin.save(1200, added).code, kReply);
  const auto before = entries(admin.directory, "(&(objectclass=APPPROFILE)(appprofid=1200))", "appvernum,visible");
  const Reply refused = admin.commit(1200);
  EXPECT_EQ(refused.code, kUnwilling);
  EXPECT_EQ(entries(admin.directory, "(&(objectclass=APPPROFILE)(appprofid=1200))", "appvernum,visible"), before);
  EXPECT_EQ(entries(admin.directory, "(&(objectclass=APPLICATION)(appid=1200))", "appvernum,stworkvernum"),
            std::vector<std::string>{"50100~{value}~50101"});
}

TEST_F(ApplicationLifecycleTest, ApplicationLimitAnswers3) {
  setControl("stmaxapps", {"1"});
  Client admin(*backend, "4711", "2468", "U0001");
  ASSERT_EQ(admin.add(1300).code, kReply);
  EXPECT_EQ(admin.add(1301).code, kAdminLimit);
  // Taking over an abandoned id does not count twice.
  ASSERT_EQ(admin.unlock(1300).code, 0);
  EXPECT_EQ(admin.add(1300).code, kReply);
}

TEST_F(ApplicationLifecycleTest, LockHeldByAnotherNamesTheHolder) {
  Client admin(*backend, "4711", "2468", "U0001");
  Client other(*backend, "4712", "1357", "U0002");
  ASSERT_EQ(other.add(1400).code, kReply);
  const Reply refused = admin.lock(1400);
  EXPECT_EQ(refused.code, kUnwilling);
  EXPECT_EQ(refused.text, "locked by 4712 at 1.1.1.1");
  ASSERT_EQ(refused.records.size(), 1u);
  EXPECT_EQ(refused.records[0].code, kUnwilling);
}

TEST_F(ApplicationLifecycleTest, FixtureStatesOpenAsTheClientExpects) {
  ASSERT_EQ(std::system(("ldapadd -x -H ldap://" + std::string(std::getenv("VTSTANDIN_LDAP")) +
                         " -D cn=admin,o=vantora -w standin -f " STANDIN_SCHEMA_DIR "/fixture-states.ldif >/dev/null")
                            .c_str()),
            0);
  Client admin(*backend, "4711", "2468", "U0001");
  // A version of the previous designer opens with a working version from 50100 on.
  const Reply legacy = admin.lock(900);
  ASSERT_EQ(legacy.code, kReply) << legacy.text;
  EXPECT_EQ(value(legacy, "currentedfilepath"), "d:\\tarvix\\apps\\c1\\a900\\v50050\\app.ed");
  EXPECT_EQ(value(legacy, "appvernum"), "50100");
  // The previous designer's lock: refused to lock, but the client may give it up.
  EXPECT_EQ(admin.lock(901).text, "locked by sysadmin at 10.0.0.9");
  ASSERT_EQ(admin.unlock(901).code, 0);
  EXPECT_TRUE(entries(admin.directory, "(&(objectclass=APPPROFILE)(appprofid=901)(appvernum=50101))", "appvernum").empty());
  const Reply held = admin.lock(901);
  ASSERT_EQ(held.code, kReply);
  EXPECT_EQ(value(held, "appvernum"), "50102");
  // Imported and assigned: the in-use queries find both.
  EXPECT_EQ(entries(admin.directory, "(&(objectclass=APPIMP)(impedappid=901)(impedcustid=1))", "appimpid"),
            std::vector<std::string>{"903"});
  EXPECT_EQ(entries(admin.directory, "(&(objectclass=APPSERVICEPROFILE)(appid=901)(customerid=1))", "serviceacdn"),
            std::vector<std::string>{"5551000"});
}

}  // namespace
}  // namespace standin::testing
