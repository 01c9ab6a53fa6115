#include <csignal>
#include <thread>

#include "gate_fixture.h"

namespace gate::testing {
namespace {

using LoginTest = GateTest;

TEST_F(LoginTest, LogInsOfTheSeededUsers) {
  struct Case {
    const char* user;
    const char* password;
    const char* location;
    int result;
    const char* error;
    const char* locationId;
  };
  const Case cases[] = {
      {"4711", "2468", "", 1, "", "2"},
      {"4711", "2468", "Headquarters", 1, "", "2"},
      {"4712", "1357", "", 1, "", "2"},  // not an administrator, but a special user of application 32
      {"4714", "9753", "Branch", 0, "Access Denied for User: 4714", "5"},
      {"4711", "2469", "", 0, "Login Failed.  Please check log file and try again.", "2"},
      {"4711", "2468", "Nowhere", 0, "Could not determine a location ID from Location: Nowhere.", ""},
      {"4715", "7531", "", 1, "", "2"},  // the expiry warning is ignored once
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.user) + " at '" + c.location + "'");
    auto connection = Connect(System(), CLoginData(c.user, c.password, c.location));
    EXPECT_EQ(connection->Login(), c.result);
    EXPECT_EQ(connection->GetErrorText(), c.error);
    EXPECT_EQ(connection->GetLocationId(), c.locationId);
    EXPECT_EQ(connection->GetContextId().has_value(), c.result == 1);
    if (c.result == 1) {
      EXPECT_FALSE(connection->GetContextId()->empty());
    }
  }
  const std::string logText = LogText();
  EXPECT_NE(logText.find("Ignoring user pwd expiring warning from LDAP (code #36110)."), std::string::npos);
  EXPECT_NE(logText.find("The mailbox: 4714 does not have special admin priviledges"), std::string::npos);
  ExpectNoSecrets({"2468", "1357", "9753", "2469", "7531"});
}

TEST_F(LoginTest, JournalShowsTheRequestsInOrder) {
  auto connection = Connect(System(), CLoginData("4712", "1357", "Headquarters"));
  ASSERT_EQ(connection->Login(), 1) << connection->GetErrorText();
  EXPECT_EQ(JournalLines("config.connect"), std::vector<std::string>{"config.connect  | 32 | 127.0.0.1"});
  EXPECT_EQ(JournalLines("directory.search"),
            (std::vector<std::string>{
                "directory.search o=vantora | 2 | (&(locationname=Headquarters)(objectclass=NETWLOCATION)) | "
                "locationid |  | 0 | ",
                "directory.search o=vantora | 2 | (&(usermailboxnum=4712)(locationid=2)(objectclass=VANTORAUSER)) | "
                "isadministrator,mailboxid |  | 0 | ",
                "directory.search o=vantora | 2 | (&(objectclass=VTMSPECIALUSER)(specialuserid=MB4712)) | "
                "vtmappid |  | 0 | ",
            }));
  EXPECT_EQ(JournalLines("directory.connect"),
            (std::vector<std::string>{
                "directory.connect 1 | 127.0.0.1 | 389 | 636 |  | o=vantora |  | 2 | **** | ",
                "directory.connect 1 | 127.0.0.1 | 389 | 636 |  | o=vantora | 4712 | 2 | **** | ",
            }));
  // Without SSL secure mode is only ever switched off.
  EXPECT_EQ(JournalLines("directory.secure"), std::vector<std::string>{"directory.secure 0"});
}

TEST_F(LoginTest, SpecialUserNeedsTheApplicationNumberItself) {
  struct Case {
    std::vector<std::string> values;
    int result;
  };
  const Case cases[] = {
      {{"32"}, 1},
      {{"7", "32"}, 1},
      {{"132", "7"}, 0},   // holds "32" followed by the separator, but is not 32
      {{"17", "320"}, 0},  // holds the separator followed by "32"
      {{"3", "2"}, 0},
  };
  for (const Case& c : cases) {
    backend->modify("specialuserid=MB4712,o=vantora", {{standin::LdapChange::Replace, "vtmappid", c.values}});
    auto connection = Connect(System(), CLoginData("4712", "1357", ""));
    EXPECT_EQ(connection->Login(), c.result) << c.values[0];
    if (c.result == 0) {
      EXPECT_EQ(connection->GetErrorText(), "Access Denied for User: 4712");
    }
  }
}

TEST_F(LoginTest, EmptyLocationSearchesNoLocation) {
  auto connection = Connect(System(), CLoginData("4711", "2468", ""));
  ASSERT_EQ(connection->Login(), 1);
  const std::string journal = Journal();
  EXPECT_EQ(journal.find("locationname"), std::string::npos);
  EXPECT_NE(journal.find("(&(usermailboxnum=4711)(locationid=2)(objectclass=VANTORAUSER))"), std::string::npos);
  // An administrator is not looked up among the special users.
  EXPECT_EQ(journal.find("VTMSPECIALUSER"), std::string::npos);
}

TEST_F(LoginTest, FilterValuesAreEscapedAndSeparatorsRefused) {
  auto connection = Connect(System(), CLoginData("47*1)(x", "2468", "Head(quarters)\\"));
  EXPECT_EQ(connection->Login(), 0);
  EXPECT_NE(Journal().find("(&(locationname=Head\\28quarters\\29\\5c)(objectclass=NETWLOCATION))"), std::string::npos);

  for (const CLoginData& login : {CLoginData("4711~{value}~1", "2468", ""), CLoginData("4711", "24~{mv}~68", ""),
                                  CLoginData("4711", "2468", "Head~{x")}) {
    const std::size_t before = Journal().size();
    auto refused = Connect(System(), login);
    EXPECT_EQ(refused->Login(), 0);
    EXPECT_EQ(refused->GetErrorText(), "Login Failed.  Please check log file and try again.");
    EXPECT_EQ(Journal().size(), before) << "a request was sent for " << login.UserId;
  }
}

TEST_F(LoginTest, FaultRulesOfTheServer) {
  struct Case {
    std::vector<std::string> rules;
    CSystemInfo system;
    int result;
    const char* error;
    std::size_t passwordBinds;
  };
  const Case cases[] = {
      {{"directory.connect 54732 match=4711"}, System(), 0, "Login Failed.  Please contact your administrator.", 1},
      // A warning on every bind: one more bind, then the log-in fails.
      {{"directory.connect 36110 match=4711"}, System(), 0, "Login Failed.  Please check log file and try again.", 2},
      {{"config.connect 81"}, System(), 0, "Could not connect to AOS server.", 0},
      {{"config.suffix 81"}, System(), 0, "Failed to retrieve LDAP suffix.  Check log file.", 0},
      {{"directory.connect 81 count=1"}, System(), 0, "Could not connect to  LDAP server Main at 127.0.0.1", 0},
      {{"directory.search 81 match=usermailboxnum"}, System(), 0, "Could not check user's administration priviledges.", 0},
      // Without SSL a server that goes away during the bind is no reason to look at certificates.
      {{"directory.connect 81 count=1 match=4711"}, System(), 0, "Login Failed.  Please check log file and try again.", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rules[0]);
    Fault(c.rules);
    const std::size_t before = JournalLines("directory.connect").size();
    auto connection = Connect(c.system, CLoginData("4711", "2468", ""));
    EXPECT_EQ(connection->Login(), c.result);
    EXPECT_EQ(connection->GetErrorText(), c.error);
    std::size_t binds = 0;
    const std::vector<std::string> lines = JournalLines("directory.connect");
    for (std::size_t i = before; i < lines.size(); ++i) binds += lines[i].find("| 4711 |") != std::string::npos;
    EXPECT_EQ(binds, c.passwordBinds);
    Fault({});
  }
  EXPECT_NE(LogText().find("Module: CAOS::GetLdapSuffix Code: 81, Text:"), std::string::npos);
  EXPECT_NE(LogText().find("LDAP COM Error: Code: 54732, Level:"), std::string::npos);
}

TEST_F(LoginTest, ServerGoneAltogether) {
  const char* pid = std::getenv("VTSTANDIN_SLAPD_PID");
  ASSERT_TRUE(pid);
  auto connection = Connect(System(), CLoginData("4711", "2468", ""));
  ::kill(std::atoi(pid), SIGKILL);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_EQ(connection->Login(), 0);
  EXPECT_EQ(connection->GetErrorText(), "Could not connect to AOS server.");
  EXPECT_TRUE(Failed(connection->GetErrorCode()));
}

TEST_F(LoginTest, StepsBeforeTheServer) {
  {
    CServerConnection idle(System(), CLoginData("4711", "2468", ""), *services);
    EXPECT_EQ(idle.Login(), 0);
    EXPECT_EQ(idle.GetErrorText(), "Initialization is incomplete.");
    EXPECT_EQ(idle.Logout(), 1);
  }
  {
    CServerConnection unconnected(System(), CLoginData("4711", "2468", ""), *services);
    ASSERT_EQ(unconnected.Initialize(), 1);
    EXPECT_EQ(unconnected.Login(), 0);
    EXPECT_EQ(unconnected.GetErrorText(), "Not Connected");
    EXPECT_EQ(unconnected.GetErrorCode(), kFail);
  }
  // Security already set by an earlier connection of the process is no failure.
  system.securityResult = static_cast<HResult>(0x80010119u);
  CServerConnection second(System(), CLoginData("4711", "2468", ""), *services);
  EXPECT_EQ(second.Initialize(), 1) << second.GetErrorText();
  system.securityResult = static_cast<HResult>(0x80070005u);
  CServerConnection refused(System(), CLoginData("4711", "2468", ""), *services);
  EXPECT_EQ(refused.Initialize(), 0);
  EXPECT_EQ(refused.GetErrorText(), "Could not set COM security level, hr= 80070005");
  system.securityResult = kOk;
  system.comResult = static_cast<HResult>(0x8001010Eu);
  CServerConnection noCom(System(), CLoginData("4711", "2468", ""), *services);
  EXPECT_EQ(noCom.Initialize(), 0);
  EXPECT_EQ(noCom.GetErrorText(), "Could not initialize COM libraries, hr= 8001010e");
}

TEST_F(LoginTest, DirectoryComponentThatCannotBeMade) {
  const std::pair<Creation, const char*> cases[] = {
      {Creation::NoClassId, "Could not retrieve LDAP COM class ID"},
      {Creation::NotCreated, "Could not create LDAP COM object. Please re-install Flowsmith."},
      {Creation::Threw, "Exception occurred while creating LDAP Bean object"},
  };
  for (const auto& [how, text] : cases) {
    factory->directoryCreation = how;
    CServerConnection c(System(), CLoginData("4711", "2468", ""), *services);
    EXPECT_EQ(c.Initialize(), 0);
    EXPECT_EQ(c.GetErrorText(), text);
  }
}

TEST_F(LoginTest, DialUpFailsWithTheNetworksText) {
  CSystemInfo dialled = System();
  dialled.ConnectionType = CSystemInfo::DialUp;
  dialled.DialEntry = "Office";
  dialled.DialPassword = "dial-secret";
  CServerConnection c(dialled, CLoginData("4711", "2468", ""), *services);
  ASSERT_EQ(c.Initialize(), 1);
  EXPECT_EQ(c.ConnectNetwork(), 0);
  EXPECT_EQ(c.GetErrorText(), "Error: Dial-up networking is not available on this computer.");
  EXPECT_EQ(static_cast<std::uint32_t>(c.GetErrorCode()), 0x800702C7u);  // 711 in the Win32 facility
  EXPECT_NE(LogText().find("Starting PPP connection..."), std::string::npos);
  ExpectNoSecrets({"dial-secret"});
}

TEST_F(LoginTest, EncodePasswordAsksTheEncoder) {
  CServerConnection c(System(), CLoginData("4711", "2468", ""), *services);
  std::string password = "2468";
  ASSERT_EQ(c.EncodePassword(password), 1);
  EXPECT_EQ(password, "F59F060B21F1BA85");  // the stand-in's code of 2468
  EXPECT_NE(LogText().find("Password successfully encoded!"), std::string::npos);
  Fault({"encoder.encode 80"});
  std::string other = "1357";
  EXPECT_EQ(c.EncodePassword(other), 0);
  EXPECT_EQ(other, "1357");
  EXPECT_EQ(c.GetErrorText(), "Password encoding failed, hr = 80040050.");
  ExpectNoSecrets({"2468", "1357", "F59F060B21F1BA85"});
}

}  // namespace
}  // namespace gate::testing
