#include "gate_fixture.h"

namespace gate::testing {
namespace {

using LaunchTest = GateTest;

LaunchValues Values() {
  LaunchValues v;
  v.location = "Hall";
  v.serverName = "Main";
  v.serverAddress = "127.0.0.1";
  v.userId = "4711";
  v.customer = "1";
  v.contextId = "ctx-test-0001";
  v.locationId = "2";
  v.encodedPassword = "F59F060B21F1BA85";
  v.sslLevel = 2;
  v.sslPort = 636;
  return v;
}

TEST_F(LaunchTest, DesignerLineForATableOfInputs) {
  const std::string program = "\"" + (root / "bin folder").string() + "/zephdesk.exe\" ";
  struct Case {
    LaunchValues values;
    std::string line;
  };
  LaunchValues noLocation = Values();
  noLocation.location = "";
  LaunchValues plain = Values();
  plain.sslLevel = 0;
  plain.sslPort = 65535;
  plain.serverName = "Head office";
  const Case cases[] = {
      {Values(), "Flowsmith : Hall : Main : 0 : 127.0.0.1 : 0 : 0 : 0 : 4711 : 0 : 1 : 1 : F59F060B21F1BA85 : 2 : "
                 "ctx-test-0001 : 636 : 2 : 40718396"},
      {noLocation, "Flowsmith :  : Main : 0 : 127.0.0.1 : 0 : 0 : 0 : 4711 : 0 : 1 : 1 : F59F060B21F1BA85 : 2 : "
                   "ctx-test-0001 : 636 : 2 : 40718396"},
      {plain, "Flowsmith : Hall : Head office : 0 : 127.0.0.1 : 0 : 0 : 0 : 4711 : 0 : 1 : 1 : F59F060B21F1BA85 : 2 : "
              "ctx-test-0001 : 65535 : 0 : 40718396"},
  };
  for (const Case& c : cases) {
    system.started.clear();
    CLoginApp app(*services, nullptr);
    ASSERT_EQ(app.LaunchDesigner(c.values), 1);
    EXPECT_EQ(app.ExitCode(), 0);
    ASSERT_EQ(system.started.size(), 1u);
    EXPECT_EQ(system.started[0], program + c.line);
    EXPECT_EQ(CutDesignerLine(c.line).size(), 18u);
  }
  ExpectNoSecrets({"F59F060B21F1BA85"});
}

TEST_F(LaunchTest, LinesTheDesignerCouldNotReadStartNothing) {
  LaunchValues separator = Values();
  separator.location = "Hall : East";
  LaunchValues edge = Values();
  edge.location = "Hall :";
  LaunchValues longLine = Values();
  longLine.location = std::string(400, 'L');
  for (const LaunchValues& v : {separator, edge, longLine}) {
    CLoginApp app(*services, nullptr);
    EXPECT_EQ(app.LaunchDesigner(v), 0) << v.location;
    EXPECT_EQ(app.ExitCode(), 1);
  }
  EXPECT_TRUE(system.started.empty());
  EXPECT_NE(LogText().find("characters long (at most 511)"), std::string::npos);

  LaunchValues justFits = Values();
  const std::size_t base = DesignerArgumentLine(justFits).size() - justFits.location.size();
  justFits.location = std::string(kMaxDesignerLine - base, 'L');
  CLoginApp app(*services, nullptr);
  EXPECT_EQ(app.LaunchDesigner(justFits), 1);

  system.startFails = true;
  CLoginApp failing(*services, nullptr);
  EXPECT_EQ(failing.LaunchDesigner(Values()), 0);
  EXPECT_EQ(failing.ExitCode(), 1);
  EXPECT_NE(LogText().find("zephdesk.exe could not be started."), std::string::npos);
}

TEST_F(LaunchTest, MissingBinDirOrKeyStartsNothing) {
  system.RemoveValue("BinDir");
  CLoginApp app(*services, nullptr);
  EXPECT_EQ(app.LaunchDesigner(Values()), 0);
  EXPECT_NE(LogText().find("Flowsmith Launcher: BinDir registry entry not found!"), std::string::npos);
  system.strings.erase(kIdsDataKey);
  EXPECT_EQ(app.LaunchDesigner(Values()), 0);
  EXPECT_TRUE(system.started.empty());
  EXPECT_EQ(app.ExitCode(), 1);
}

TEST_F(LaunchTest, IntegratedModeNeedsAllNineValues) {
  const std::vector<std::string> values = {"4711", "1", "Main", "127.0.0.1", "ctx-test-0001", "2",
                                           "F59F060B21F1BA85", "636", "0"};
  const char* missing[] = {
      "User ID not specified in command line!",         "Customer number not specified in command line!",
      "Server name not specified in command line!",     "Server address not specified in command line!",
      "Context ID not specified in command line!",      "Location ID not specified in command line!",
      "Encoded password not specified in command line!", "SSL port not specified in command line!",
      "SSL level not specified in command line!",
  };
  for (std::size_t count = 0; count < values.size(); ++count) {
    std::string line = count == 0 ? " \t " : "";
    for (std::size_t i = 0; i < count; ++i) line += "  " + values[i];
    fs::remove(root / "user" / "zephgate.log");
    CLoginApp app(*services, nullptr);
    EXPECT_EQ(app.InitInstance(line), 0);
    EXPECT_EQ(app.ExitCode(), 1);
    if (count > 0) {
      EXPECT_EQ(LogText(), std::string("T Starting Flowsmith in integrated mode...\r\nT ") + missing[count] + "\r\n");
    }
  }
  EXPECT_TRUE(system.started.empty());
}

TEST_F(LaunchTest, LevelZeroContactsNoServer) {
  CLoginApp app(*services, nullptr);
  EXPECT_EQ(app.InitInstance("4711 1 Main 10.9.8.7 ctx-test-0001 2 F59F060B21F1BA85 636 0 extra values"), 0);
  EXPECT_EQ(app.ExitCode(), 0);
  ASSERT_EQ(system.started.size(), 1u);
  EXPECT_NE(system.started[0].find("\" Flowsmith :  : Main : 0 : 10.9.8.7 : 0 : 0 : 0 : 4711 : 0 : 1 : 1 : "
                                   "F59F060B21F1BA85 : 2 : ctx-test-0001 : 636 : 0 : 40718396"),
            std::string::npos);
  EXPECT_TRUE(Journal().empty());
}

TEST_F(LaunchTest, SslLevelInstallsTheCertificateOfTheServerAddressFirst) {
  CLoginApp app(*services, nullptr);
  EXPECT_EQ(app.InitInstance("4711 1 Main 127.0.0.1 ctx-test-0001 2 F59F060B21F1BA85 1636 2"), 0);
  ASSERT_EQ(system.started.size(), 1u) << LogText();
  EXPECT_EQ(ReadText(CertificateFile()), ReadText(ServerCertificate()));
  EXPECT_EQ(system.batches.size(), 1u);
  // The file-transfer client was pointed at the server address, not at the server's name.
  EXPECT_EQ(JournalLines("files.connect")[0], "files.connect  |  | vtfilexfer | _VTAOSFile_ | 127.0.0.1");
  EXPECT_NE(LogText().find("SSL certificate exists and is installed."), std::string::npos);
  ExpectNoSecrets({"F59F060B21F1BA85"});
}

TEST_F(LaunchTest, NoCertificateNoLaunch) {
  fs::remove(ServerCertificate());
  CLoginApp app(*services, nullptr);
  EXPECT_EQ(app.InitInstance("4711 1 Main 127.0.0.1 ctx 2 code 636 1"), 0);
  EXPECT_TRUE(system.started.empty());
  EXPECT_EQ(app.ExitCode(), 1);
  EXPECT_NE(LogText().find("SSL certificate could not be initialized."), std::string::npos);
}

TEST_F(LaunchTest, NumbersThatAreNotNumbersStartNothing) {
  const std::pair<const char*, const char*> cases[] = {
      {"x 0", "SSL port not valid in command line!"},     {"65536 0", "SSL port not valid in command line!"},
      {"-1 0", "SSL port not valid in command line!"},    {"636 one", "SSL level not valid in command line!"},
      {"636 3", "SSL level not valid in command line!"},  {"636 1x", "SSL level not valid in command line!"},
  };
  for (const auto& [tail, text] : cases) {
    CLoginApp app(*services, nullptr);
    app.InitInstance(std::string("4711 1 Main 127.0.0.1 ctx 2 code ") + tail);
    EXPECT_NE(LogText().find(text), std::string::npos) << tail;
  }
  EXPECT_TRUE(system.started.empty());
  EXPECT_TRUE(Journal().empty());
}

TEST_F(LaunchTest, EmptyCommandLineRunsTheLoginDialog) {
  struct Dialog final : LoginDialogRunner {
    int runs = 0;
    void Run(CLoginApp& app) override {
      ++runs;
      app.LaunchDesigner("Hall", "Main", "127.0.0.1", "4711", "1", "ctx-test-0001", "2", "F59F060B21F1BA85", 2, 636);
    }
  } dialog;
  CLoginApp app(*services, &dialog);
  EXPECT_EQ(app.InitInstance(""), 0);
  EXPECT_EQ(dialog.runs, 1);
  EXPECT_EQ(app.ExitCode(), 0);
  ASSERT_EQ(system.started.size(), 1u);
  EXPECT_NE(system.started[0].find("\" " + DesignerArgumentLine(Values())), std::string::npos);
}

}  // namespace
}  // namespace gate::testing
