#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "user_folder.h"
#include "systems_repository.h"

namespace {
namespace fs = std::filesystem;

// Seals by reversing and marking, so a test can see that the clear text never reaches the file.
class MarkingProtector final : public SecretProtector {
 public:
  std::optional<std::string> Protect(const std::string& clear) override {
    return "S:" + std::string(clear.rbegin(), clear.rend());
  }
  std::optional<std::string> Unprotect(const std::string& sealed) override {
    if (sealed.rfind("S:", 0) != 0) return std::nullopt;
    return std::string(sealed.rbegin(), sealed.rend() - 2);
  }
};

class SystemsRepositoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             ("schema-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
              std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    SetUserDataFolder(folder.string() + "/");
  }
  void TearDown() override {
    SetUserDataFolder("");
    fs::remove_all(folder);
  }
  static std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  static CSystemInfo Dialled(const std::string& name) {
    CSystemInfo s;
    s.Name = name;
    s.Address = "10.1.2.3";
    s.ConnectionType = CSystemInfo::DialUp;
    s.ContactName = "Ann\\Lee";
    s.Comments = "two\r\nlines";
    s.DialEntry = "Office line";
    s.DialUserName = "dialer";
    s.DialPassword = "pa55=word";
    s.SslLevel = 2;
    s.SslPort = 1636;
    return s;
  }
  fs::path folder;
  MarkingProtector protector;
};

TEST_F(SystemsRepositoryTest, DefaultRecordIsEmptyLocalNetworkWithoutSsl) {
  CSystemInfo s;
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_EQ(s.ConnectionType, CSystemInfo::LocalNetwork);
  EXPECT_EQ(s.SslLevel, 0);
  EXPECT_EQ(s.SslPort, 636);
  CSystemInfo t = s;
  t.Comments = "x";
  EXPECT_FALSE(t.IsEmpty());
  EXPECT_TRUE(t != s);
  EXPECT_FALSE(CSystemInfo(t) != t);
}

TEST_F(SystemsRepositoryTest, RoundTripKeepsEveryFieldAndNeverStoresTheDialPasswordInClear) {
  {
    CSystemsRepository store(CSystemInfo::AppsDesigner, protector);
    ASSERT_TRUE(store.Set(Dialled("Main")));
    CSystemInfo second;
    second.Name = "Backup";
    second.Address = "backup.example";
    ASSERT_TRUE(store.Set(second));
    ASSERT_TRUE(store.Write()) << store.GetLastErrorText();
  }
  const std::string text = Read(folder / "systems1.txt");
  EXPECT_EQ(text.find("pa55=word"), std::string::npos);
  EXPECT_EQ(text.find("drow=55ap"), std::string::npos);  // hex, not readable text

  CSystemsRepository again(CSystemInfo::AppsDesigner, protector);
  CSystemInfo read;
  ASSERT_TRUE(again.GetByName("MAIN", read));  // names compare without case
  ASSERT_TRUE(again.Write()) << again.GetLastErrorText();  // replaces the file it read
  EXPECT_FALSE(read != Dialled("Main"));
  std::vector<std::string> names;
  again.ForEach(&names, [](void* caller, const CSystemInfo& s, void*) {
    static_cast<std::vector<std::string>*>(caller)->push_back(s.Name);
  }, nullptr);
  EXPECT_EQ(names, (std::vector<std::string>{"Main", "Backup"}));
}

TEST_F(SystemsRepositoryTest, SetReplacesByNameAndDeleteRemoves) {
  CSystemsRepository store(CSystemInfo::AppsDesigner, protector);
  CSystemInfo s;
  s.Name = "Main";
  s.Address = "a";
  ASSERT_TRUE(store.Set(s));
  s.Name = "main";
  s.Address = "b";
  ASSERT_TRUE(store.Set(s));
  CSystemInfo read;
  ASSERT_TRUE(store.GetByName("Main", read));
  EXPECT_EQ(read.Address, "b");
  EXPECT_EQ(CSystemsRepository::IsNotExist(&store, &s), 0);
  EXPECT_TRUE(store.DeleteByName("MAIN"));
  EXPECT_FALSE(store.DeleteByName("Main"));
  EXPECT_FALSE(store.GetByName("Main", read));
  EXPECT_EQ(CSystemsRepository::IsNotExist(&store, &s), 1);
}

TEST_F(SystemsRepositoryTest, NamesThatCannotNameAFolderAreRefused) {
  CSystemsRepository store(CSystemInfo::AppsDesigner, protector);
  for (const char* name : {"", ".", "..", "a\\b", "a/b", "c:", "a*", "a?", "a\"", "a<", "a>", "a|", "50%"}) {
    CSystemInfo s;
    s.Name = name;
    EXPECT_EQ(store.Set(s), 0) << name;
    EXPECT_EQ(CSystemsRepository::IsNotExist(&store, &s), 0) << name;
  }
  CSystemInfo fine;
  fine.Name = "Head office.2";
  EXPECT_EQ(store.Set(fine), 1);
}

TEST_F(SystemsRepositoryTest, DamagedFileReadsEmptyAndIsKeptAsBadAtTheNextWrite) {
  const std::string damaged = "Flowsmith systems 1\r\n[system]\r\nName=Main\r\nSslPort=abc\r\n";
  std::ofstream(folder / "systems1.txt", std::ios::binary) << damaged;
  CSystemsRepository store(CSystemInfo::AppsDesigner, protector);
  CSystemInfo read;
  EXPECT_FALSE(store.GetByName("Main", read));
  EXPECT_NE(store.GetLastErrorText().find("damaged"), std::string::npos) << store.GetLastErrorText();
  CSystemInfo s;
  s.Name = "Fresh";
  ASSERT_TRUE(store.Set(s));
  ASSERT_TRUE(store.Write()) << store.GetLastErrorText();
  EXPECT_EQ(Read(folder / "systems1.txt.bad"), damaged);
  CSystemsRepository again(CSystemInfo::AppsDesigner, protector);
  EXPECT_TRUE(again.GetByName("Fresh", read));
  EXPECT_TRUE(again.GetLastErrorText().empty());
}

TEST_F(SystemsRepositoryTest, DamagedTexts) {
  const char* texts[] = {
      "",                                                              // no header
      "Flowsmith systems 2\r\n",                                       // unknown version
      "Flowsmith systems 1\r\nName=Main\r\n",                          // field outside a system
      "Flowsmith systems 1\r\n[system]\r\nName=Main\r\nColour=red\r\n",  // unknown field
      "Flowsmith systems 1\r\n[system]\r\nName=M\\x\r\n",              // bad escape
      "Flowsmith systems 1\r\n[system]\r\nName=M\r\nDialPasswordSealed=zz\r\n",
      "Flowsmith systems 1\r\n[system]\r\nName=M\r\nDialPasswordSealed=4142\r\n",  // does not unseal
      "Flowsmith systems 1\r\n[system]\r\nName=M\r\n[system]\r\nName=m\r\n",       // twice
      "Flowsmith systems 1\r\n[system]\r\nAddress=x\r\n",              // no name
      "Flowsmith systems 1\r\n[system]\r\nName=M\r\nSslLevel=99999999999\r\n",
  };
  for (const char* text : texts) {
    std::ofstream(folder / "systems1.txt", std::ios::binary | std::ios::trunc) << text;
    CSystemsRepository store(CSystemInfo::AppsDesigner, protector);
    int count = 0;
    store.ForEach(&count, [](void* c, const CSystemInfo&, void*) { ++*static_cast<int*>(c); }, nullptr);
    EXPECT_EQ(count, 0) << text;
    EXPECT_FALSE(store.GetLastErrorText().empty()) << text;
  }
}

TEST_F(SystemsRepositoryTest, UnwritableStoreFailsWithAReasonAndKeepsTheList) {
  fs::create_directories(folder / "systems1.txt.new");  // the temporary name is taken by a folder
  CSystemsRepository store(CSystemInfo::AppsDesigner, protector);
  CSystemInfo s;
  s.Name = "Main";
  ASSERT_TRUE(store.Set(s));
  EXPECT_EQ(store.Write(), 0);
  EXPECT_NE(store.GetLastErrorText().find("cannot be written"), std::string::npos);
  CSystemInfo read;
  EXPECT_TRUE(store.GetByName("Main", read));
  EXPECT_FALSE(fs::exists(folder / "systems1.txt"));
}

TEST_F(SystemsRepositoryTest, DialPasswordIsNotWrittenWhenItCannotBeProtected) {
  CSystemsRepository store(CSystemInfo::AppsDesigner, PlatformSecretProtector());
  ASSERT_TRUE(store.Set(Dialled("Main")));
#ifdef _WIN32
  ASSERT_TRUE(store.Write()) << store.GetLastErrorText();
  EXPECT_EQ(Read(folder / "systems1.txt").find("pa55=word"), std::string::npos);
  CSystemsRepository again(CSystemInfo::AppsDesigner);
  CSystemInfo read;
  ASSERT_TRUE(again.GetByName("Main", read)) << again.GetLastErrorText();
  EXPECT_EQ(read.DialPassword, "pa55=word");
#else
  EXPECT_EQ(store.Write(), 0);
  EXPECT_NE(store.GetLastErrorText().find("cannot be protected"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder / "systems1.txt"));
#endif
}

}  // namespace
