#include <fstream>

#include "contexts.h"
#include "password_rules.h"
#include "standin_fixture.h"

namespace standin::testing {
namespace {

using BindTest = StandinTest;

TEST_F(BindTest, PasswordBindsAnswerBySeededUser) {
  struct Case {
    const char* mailbox;
    const char* password;
    const char* location;
    std::int32_t code;
  };
  const Case cases[] = {
      {"4711", "2468", "2", kOk},                     // administrator
      {"4712", "1357", "2", kOk},                     // special user
      {"4711", "2469", "2", kInvalidCredentials},     // wrong password
      {"4711", "", "2", kInvalidCredentials},
      {"4799", "2468", "2", kInvalidCredentials},     // no such mailbox
      {"4714", "9753", "5", kOk},                     // other location
      {"4714", "9753", "2", kInvalidCredentials},     // ... asked at the wrong one
      {"4713", "8642", "2", kPwdExpired},
      {"4715", "7531", "2", kPwdExpiryWarning},
  };
  for (const Case& c : cases) {
    DirectorySession s(*backend);
    const Reply r = s.connect(login(c.mailbox, c.password, c.location));
    EXPECT_EQ(r.code, c.code) << c.mailbox << "/" << c.password;
    if (!r.ok()) {
      ASSERT_EQ(s.errors().size(), 1u);
      EXPECT_EQ(s.errors()[0].code, c.code);
    }
  }
}

TEST_F(BindTest, ExpiryWarningComesOncePerObject) {
  DirectorySession s(*backend);
  EXPECT_EQ(s.connect(login("4715", "7531")).code, kPwdExpiryWarning);
  EXPECT_EQ(s.connect(login("4715", "7531")).code, kOk);
  DirectorySession other(*backend);
  EXPECT_EQ(other.connect(login("4715", "7531")).code, kPwdExpiryWarning);
}

TEST_F(BindTest, RefusedAccountIsRefusedEvenWithTheRightPassword) {
  backend->modify("uid=U0002,o=vantora", {{LdapChange::Replace, "stpwdstate", {"3"}}});
  DirectorySession s(*backend);
  EXPECT_EQ(s.connect(login("4712", "1357")).code, kPwdRefused);
}

TEST_F(BindTest, ExpiredPasswordGivesARestrictedContext) {
  DirectorySession s(*backend);
  ASSERT_EQ(s.connect(login("4713", "8642")).code, kPwdExpired);
  std::string context;
  ASSERT_EQ(s.contextId(context).code, kOk);
  ASSERT_FALSE(context.empty());
  EXPECT_EQ(s.add(context, "appid=77+sysserviceid=3,o=vantora", "customerid~{value}~1", 0).code, kInsufficientAccess);
  // Searching and the own password change are allowed.
  EXPECT_EQ(entries(s, "(&(objectclass=VANTORAUSER)(usermailboxnum=4713)(locationid=2))", "userid", "", nullptr, context),
            std::vector<std::string>{"U0003"});
  const Reply changed = s.modify("userid=U0003,o=vantora", "usermailboxpsswd~{value}~5820~{mv}~8642", context);
  ASSERT_EQ(changed.code, kOk) << changed.text;
  EXPECT_EQ(s.add(context, "appid=77+sysserviceid=3,o=vantora", "customerid~{value}~1", 0).code, kOk);
  DirectorySession again(*backend);
  EXPECT_EQ(again.connect(login("4713", "5820")).code, kOk);
}

TEST_F(BindTest, ResumedContextMustBelongToTheUser) {
  std::string context;
  auto s = session(context);
  struct Case {
    std::string user;
    std::string context;
    std::int32_t code;
  };
  const Case cases[] = {{"4711", context, kOk}, {"", context, kOk}, {"4712", context, kInsufficientAccess},
                        {"4711", "ctx-unknown", kInvalidCredentials}};
  for (const Case& c : cases) {
    DirectorySession resumed(*backend);
    ConnectRequest r = login(c.user, " ");
    r.contextId = c.context;
    EXPECT_EQ(resumed.connect(r).code, c.code) << c.user << " " << c.context;
  }
  ASSERT_EQ(s->disconnect(context).code, kOk);
  EXPECT_FALSE(findContext(*backend, context));
}

using PasswordChangeTest = StandinTest;

TEST_F(PasswordChangeTest, RulesAnswerInOrder) {
  // U0002 (mailbox 4712, password 1357); the security profile asks for 4 characters.
  std::string context;
  auto s = session(context, "4712", "1357");
  std::string adminContext;
  auto admin = session(adminContext);
  struct Case {
    const char* dn;
    const char* values;
    std::string context;
    std::int32_t code;
  };
  const Case cases[] = {
      {"userid=U0099,o=vantora", "9999~{mv}~1357", context, kNoSuchObject},
      {"userid=U0002,o=vantora", "9713~{mv}~1357", adminContext, kInsufficientAccess},
      {"userid=U0002,o=vantora", "9713~{mv}~1358", context, kInvalidCredentials},
      {"userid=U0002,o=vantora", "971~{mv}~1357", context, kPwdTooShort},
      {"userid=U0002,o=vantora", "1357~{mv}~1357", context, kPwdReused},
      {"userid=U0002,o=vantora", "7777~{mv}~1357", context, kPwdEqualDigits},
      {"userid=U0002,o=vantora", "3456~{mv}~1357", context, kPwdDigitRun},
      {"userid=U0002,o=vantora", "6543~{mv}~1357", context, kPwdDigitRun},
      {"userid=U0002,o=vantora", "4712~{mv}~1357", context, kPwdMailbox},
      {"userid=U0002,o=vantora", "9713~{mv}~1357", context, kOk},
      {"userid=U0002,o=vantora", "1357~{mv}~9713", context, kPwdReused},  // an earlier one
  };
  for (const Case& c : cases) {
    const std::string text = std::string("usermailboxpsswd~{value}~") + c.values;
    EXPECT_EQ(s->modify(c.dn, text, c.context).code, c.code) << c.dn << " " << c.values;
  }
  DirectorySession fresh(*backend);
  EXPECT_EQ(fresh.connect(login("4712", "9713")).code, kOk);
}

}  // namespace
}  // namespace standin::testing

namespace standin::testing {
namespace {

TEST(PasswordCodeTest, CodeIsFixedHexOfTheTextAndTheScriptsAgree) {
  // standin-up prints the administrator's code from the scripts' own copy of it.
  std::ifstream script(STANDIN_SCHEMA_DIR "/../scripts/standin-common.sh");
  std::string line, code;
  while (std::getline(script, line)) {
    if (line.rfind("STANDIN_ADMIN_CODE=", 0) == 0) code = line.substr(19);
  }
  EXPECT_EQ(encodePassword("2468"), code);
  EXPECT_EQ(encodePassword("2468"), "F59F060B21F1BA85");
  EXPECT_NE(encodePassword("2468"), encodePassword("2469"));
  EXPECT_NE(encodePassword(""), encodePassword("0"));
}

}  // namespace
}  // namespace standin::testing

namespace standin::testing {
namespace {

using JournalTest = StandinTest;

TEST_F(JournalTest, OneLinePerCallWithPasswordsMasked) {
  ASSERT_FALSE(backend->config().journal.empty());
  std::string context;
  auto s = session(context, "4712", "1357");
  s->modify("userid=U0002,o=vantora", "usermailboxpsswd~{value}~9713~{mv}~1357", context);
  std::ifstream in(pathFromText(backend->config().journal), std::ios::binary);
  std::string journal((std::istreambuf_iterator<char>(in)), {});
  EXPECT_NE(journal.find("directory.connect 1 | 127.0.0.1 | 389 | 0 |  | o=vantora | 4712 | 2 | **** | \r\n"), std::string::npos)
      << journal;
  EXPECT_NE(journal.find("directory.modify userid=U0002,o=vantora | usermailboxpsswd~{value}~**** | " + context + "\r\n"),
            std::string::npos)
      << journal;
  EXPECT_EQ(journal.find("1357"), std::string::npos);
  EXPECT_EQ(journal.find("9713"), std::string::npos);
}

}  // namespace
}  // namespace standin::testing
