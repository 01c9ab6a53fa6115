#include "gate_fixture.h"

namespace gate::testing {
namespace {

using CertificateTest = GateTest;

std::string Tampered(std::string der) {
  der.back() = static_cast<char>(der.back() ^ 0x5A);  // another signature, still a certificate
  return der;
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

TEST_F(CertificateTest, PresentCertificateIsUsedWithoutAskingTheServer) {
  WriteFile(CertificateFile(), ReadText(ServerCertificate()));
  CServerConnection c(System(2), CLoginData("4711", "", ""), *services);
  EXPECT_EQ(c.CheckCertificate("Main", 0), 1);
  EXPECT_TRUE(Journal().empty());
  EXPECT_TRUE(system.batches.empty());
}

TEST_F(CertificateTest, MissingCertificateIsFetchedCheckedAndInstalled) {
  CServerConnection c(System(2), CLoginData("4711", "", ""), *services);
  ASSERT_EQ(c.CheckCertificate("Main", 0), 1) << c.GetErrorText();
  const std::string server = ReadText(ServerCertificate());
  EXPECT_EQ(ReadText(CertificateFile()), server);
  EXPECT_FALSE(ReadText(root / "data" / "Main" / "Vantora.ts").empty());
  EXPECT_FALSE(fs::exists(root / "data" / "Main" / "Vantora.cer.new"));
  const std::string data = (root / "data").string() + "/";
  const std::string bin = (root / "bin folder").string() + "/";
  EXPECT_EQ(system.batches, std::vector<std::string>{bin + "install_cer.bat \"Main\" . \"" + data + "Main\""});
  EXPECT_EQ(ReadText(root / "bin folder" / "certdb" / "Main.cer"), server);
  EXPECT_EQ(JournalLines("files.receive"),
            std::vector<std::string>{"files.receive  |  | d:\\tarvix\\ssl\\Vantora.cer | " +
                                     (root / "data" / "Main" / "Vantora.cer.new").string()});
  const std::string logText = LogText();
  EXPECT_NE(logText.find("Certificate does not exist at " + data + "Main\\Vantora.cer."), std::string::npos);
  EXPECT_NE(logText.find("Adding server: \"Main\" to certificate dB (DB=" + bin + ", Cert = \"" + data + "Main\")."),
            std::string::npos);
}

TEST_F(CertificateTest, ReplacedCertificateIsFetchedAgainOnlyWhenNewer) {
  CServerConnection c(System(2), CLoginData("4711", "", ""), *services);
  ASSERT_EQ(c.CheckCertificate("Main", 1), 1);
  ASSERT_EQ(c.CheckCertificate("Main", 1), 1);  // same time stamp: kept
  EXPECT_EQ(JournalLines("files.receive").size(), 1u);
  EXPECT_EQ(JournalLines("files.comparestamp").size(), 1u);

  const std::string replaced = Tampered(ReadText(ServerCertificate()));
  WriteFile(ServerCertificate(), replaced);
  ASSERT_EQ(c.CheckCertificate("Main", 1), 1) << c.GetErrorText();
  EXPECT_EQ(JournalLines("files.receive").size(), 2u);
  EXPECT_EQ(ReadText(CertificateFile()), replaced);
  EXPECT_EQ(ReadText(root / "bin folder" / "certdb" / "Main.cer"), replaced);
  EXPECT_EQ(system.batches.size(), 2u);
}

TEST_F(CertificateTest, UnreachableServerKeepsTheOldCertificate) {
  CServerConnection c(System(2), CLoginData("4711", "", ""), *services);
  ASSERT_EQ(c.CheckCertificate("Main", 1), 1);
  const std::string stamp = ReadText(root / "data" / "Main" / "Vantora.ts");
  Fault({"files.connect 81"});
  EXPECT_EQ(c.CheckCertificate("Main", 1), 0);  // "newer" for want of an answer, then the fetch fails
  EXPECT_EQ(ReadText(CertificateFile()), ReadText(ServerCertificate()));
  EXPECT_EQ(ReadText(root / "data" / "Main" / "Vantora.ts"), stamp);
  const std::string logText = LogText();
  EXPECT_NE(logText.find("IsNewerCertificate, bSameTimeStamp = 0"), std::string::npos);
  EXPECT_NE(logText.find("RetrieveSSLCertificate - file transfer client failed to connect to 127.0.0.1, hr=80040051"),
            std::string::npos);
}

TEST_F(CertificateTest, WhatIsNoCertificateIsDropped) {
  CServerConnection c(System(2), CLoginData("4711", "", ""), *services);
  ASSERT_EQ(c.CheckCertificate("Main", 1), 1);
  const std::string good = ReadText(CertificateFile());
  const std::string stamp = ReadText(root / "data" / "Main" / "Vantora.ts");
  const std::string garbage[] = {"stand-in certificate\r\n", good.substr(0, good.size() - 1), good + "x", ""};
  for (const std::string& bad : garbage) {
    WriteFile(ServerCertificate(), bad);
    EXPECT_EQ(c.CheckCertificate("Main", 1), 0);
    EXPECT_EQ(c.GetErrorText(), "SSL connection could not be established.");
    EXPECT_EQ(ReadText(CertificateFile()), good);
    EXPECT_EQ(ReadText(root / "data" / "Main" / "Vantora.ts"), stamp);
    EXPECT_FALSE(fs::exists(root / "data" / "Main" / "Vantora.cer.new"));
  }
  EXPECT_EQ(system.batches.size(), 1u);
  // Nothing on the server at all: no certificate, no launch of anything.
  fs::remove(ServerCertificate());
  CServerConnection fresh(System(2), CLoginData("4711", "", ""), *services);
  EXPECT_EQ(fresh.CheckCertificate("Other", 0), 0);
  EXPECT_FALSE(fs::exists(CertificateFile("Other")));
}

TEST_F(CertificateTest, InstallationFailures) {
  CServerConnection c(System(2), CLoginData("4711", "", ""), *services);
  system.batchExitCode = 3;
  EXPECT_EQ(c.CheckCertificate("Main", 0), 0);
  EXPECT_EQ(c.GetErrorText(), "SSL connection could not be established.");
  EXPECT_NE(LogText().find("install_cer.bat ended with exit code 3"), std::string::npos);
  system.batchExitCode = 0;

  system.RemoveValue("BinDir");
  fs::remove(CertificateFile());
  EXPECT_EQ(c.CheckCertificate("Main", 0), 0);
  EXPECT_NE(LogText().find("CServerConnection::InitSSL BinDir registry entry not found!"), std::string::npos);

  system.RemoveValue("DataDir");
  EXPECT_EQ(c.CheckCertificate("Main", 0), 0);
  EXPECT_NE(LogText().find("CServerConnection::GenerateCertificatePath DataDir registry entry not found!"),
            std::string::npos);
  EXPECT_EQ(system.batches.size(), 1u);
}

TEST_F(CertificateTest, NamesThatCannotBeFoldersNeverReachTheDisk) {
  CServerConnection c(System(2), CLoginData("4711", "", ""), *services);
  for (const char* name : {"..", ".", "a\\..\\..\\x", "a/b", "x\" & del", "100%", "c:", ""}) {
    EXPECT_EQ(c.CheckCertificate(name, 0), 0) << name;
  }
  EXPECT_TRUE(system.batches.empty());
  EXPECT_TRUE(Journal().empty());
  EXPECT_TRUE(fs::is_empty(root / "data"));
}

TEST_F(CertificateTest, SslLogInBindsSecurelyWithTheCertificateFolder) {
  CSystemInfo s = System(2);
  s.SslPort = 1636;
  auto connection = Connect(s, CLoginData("4711", "2468", ""));
  ASSERT_EQ(connection->Login(), 1) << connection->GetErrorText();
  const std::string bin = (root / "bin folder").string() + "/";
  std::vector<std::string> order;
  std::istringstream in(Journal());
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("directory.secure", 0) == 0 || line.find("| 4711 |") != std::string::npos ||
        line.rfind("files.receive", 0) == 0)
      order.push_back(line.substr(0, line.find(' ')) + (line.find("| 1636 | " + bin) != std::string::npos ? " ssl" : ""));
  }
  EXPECT_EQ(order, (std::vector<std::string>{"files.receive", "directory.secure", "directory.connect ssl",
                                             "directory.secure"}));
  EXPECT_EQ(JournalLines("directory.secure"), (std::vector<std::string>{"directory.secure 1", "directory.secure 0"}));
  ExpectNoSecrets({"2468"});
}

TEST_F(CertificateTest, FailedSslBindComparesCertificatesAndRetriesOnce) {
  WriteFile(CertificateFile(), ReadText(ServerCertificate()));
  CServerConnection first(System(1), CLoginData("4711", "", ""), *services);
  ASSERT_EQ(first.CheckCertificate("Main", 1), 1);  // brings the time stamp
  const std::size_t receives = JournalLines("files.receive").size();

  Fault({"directory.connect 81 count=1 match=4711"});
  auto connection = Connect(System(1), CLoginData("4711", "2468", ""));
  ASSERT_EQ(connection->Login(), 1) << connection->GetErrorText();
  EXPECT_EQ(JournalLines("files.comparestamp").size(), 2u);
  EXPECT_EQ(JournalLines("files.receive").size(), receives);  // same certificate: not fetched again
  // Level 1 stays secure.
  EXPECT_EQ(JournalLines("directory.secure"), std::vector<std::string>{"directory.secure 1"});

  Fault({"directory.connect 81 match=4711"});
  auto twice = Connect(System(1), CLoginData("4711", "2468", ""));
  EXPECT_EQ(twice->Login(), 0);
  EXPECT_EQ(twice->GetErrorText(), "Login Failed.  Please check log file and try again.");
}

TEST_F(CertificateTest, SslLogInWithoutBindirFails) {
  WriteFile(CertificateFile(), ReadText(ServerCertificate()));
  system.RemoveValue("BinDir");
  auto connection = Connect(System(2), CLoginData("4711", "2468", ""));
  EXPECT_EQ(connection->Login(), 0);
  EXPECT_EQ(connection->GetErrorText(), "SSL connection could not be established.");
  EXPECT_NE(LogText().find("bindir registry entry not found!"), std::string::npos);
  EXPECT_TRUE(JournalLines("directory.secure").empty());
}

}  // namespace
}  // namespace gate::testing
