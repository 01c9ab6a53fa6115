// The user-defined sentence type exports under Windows: the types are read from
// VOXTRELL.INI in the Windows folder.
#include <windows.h>

#include <gtest/gtest.h>

#include "editors/sentences/kinds.h"
#include "editors/sentences/usertypes.h"
#include "model/interface/vlx.h"

namespace zeph {
namespace {

constexpr const char* kIni = "VOXTRELL.INI";

class UserTypeExports : public ::testing::Test {
 protected:
  ~UserTypeExports() override {
    vlxFreeUserDefINI();
    WritePrivateProfileStringA(kUserTypesSection, nullptr, nullptr, kIni);
  }
  static void Write(const char* key, const char* value) {
    ASSERT_TRUE(WritePrivateProfileStringA(kUserTypesSection, key, value, kIni));
  }
};

TEST_F(UserTypeExports, LoadReadsTheSettingsFileOfTheWindowsFolder) {
  Write("Number of User Defined Types", "3");
  Write("User Defined Name 1", "Spanish Number");
  Write("User Defined Language Table 1", "7");
  Write("User Defined Media 2", "Fax");
  Write("User Defined Name 2", "Fax Page");
  Write("User Defined Language Table 2", "8");
  // Type 3 has only its defaults.
  EXPECT_EQ(vlxLoadUserDefINI(), 3);
  EXPECT_EQ(FindKind("Spanish Number"), 107);
  EXPECT_EQ(FindKind("Fax Page"), 108);
  EXPECT_EQ(FindKind("User Defined"), 101);
  ASSERT_NE(UserTypeAt(1), nullptr);
  EXPECT_EQ(UserTypeAt(1)->Media, 1);
  EXPECT_EQ(UserTypeAt(2)->Media, 0);

  // The file lies in the Windows folder.
  char folder[MAX_PATH] = {};
  GetWindowsDirectoryA(folder, MAX_PATH);
  const std::string path = std::string(folder) + "\\" + kIni;
  EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << path;

  EXPECT_EQ(vlxFreeUserDefINI(), 0);
  EXPECT_EQ(UserTypeCount(), 0);
  EXPECT_EQ(FindKind("Spanish Number"), -1);
}

TEST_F(UserTypeExports, NoSectionMeansNoTypes) {
  EXPECT_EQ(vlxLoadUserDefINI(), 0);
  EXPECT_EQ(UserTypeCount(), 0);
}

}  // namespace
}  // namespace zeph
