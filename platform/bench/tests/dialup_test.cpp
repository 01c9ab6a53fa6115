#include <gtest/gtest.h>

#include <cstring>

#include "dialup.h"

namespace {

class ScriptedPhoneBook final : public DialUpNetwork {
 public:
  std::vector<std::string> names;
  std::int32_t dialCode = 0;
  std::string dialled;

  std::int32_t Entries(std::vector<std::string>& out, std::string&) override {
    out = names;
    return 0;
  }
  std::int32_t Dial(const std::string& entry, const std::string& user, const std::string&,
                    std::string& error) override {
    dialled = entry + "/" + user;
    if (dialCode) error = "The line is busy.";
    return dialCode;
  }
  std::int32_t CreateEntry(void*, std::string&) override {
    names.push_back("New entry");
    return 0;
  }
  std::int32_t EditEntry(void*, const std::string&, std::string&) override { return 0; }
};

TEST(DialUpTest, ThisComputerHasNoDialUpNetworking) {
  CRAS ras;
  EXPECT_EQ(ras.Initialize(), 1);
  unsigned char* buffer = nullptr;
  std::int32_t count = -1;
  ASSERT_EQ(ras.EnumEntries(&buffer, &count), 1);
  EXPECT_EQ(count, 0);
  CRAS::FreeEntries(buffer);
  EXPECT_EQ(ras.Dial("Office", "u", "p"), 0);
  EXPECT_EQ(ras.GetLatestErrorText(), "Dial-up networking is not available on this computer.");
  EXPECT_EQ(ras.GetRetCode(), kDialUpUnavailable);
  EXPECT_EQ(ras.CreatePhonebookEntry(nullptr), 0);
  EXPECT_EQ(ras.EditPhonebookEntry(nullptr, "Office"), 0);
  EXPECT_EQ(ras.GetEntryProperties("Office"), 0);
}

TEST(DialUpTest, PhoneBookRecordsCarryTheirSizeAndNameAtByteFour) {
  ScriptedPhoneBook book;
  book.names = {"Office", std::string(300, 'n')};
  CRAS ras(book);
  unsigned char* buffer = nullptr;
  std::int32_t count = 0;
  ASSERT_EQ(ras.EnumEntries(&buffer, &count), 1);
  ASSERT_EQ(count, 2);
  EXPECT_EQ(buffer[0] | buffer[1] << 8 | buffer[2] << 16 | buffer[3] << 24, 264);
  EXPECT_STREQ(reinterpret_cast<const char*>(buffer + 4), "Office");
  const char* second = reinterpret_cast<const char*>(buffer + 264 + 4);
  EXPECT_EQ(std::strlen(second), 259u);  // cut, terminated inside the record
  CRAS::FreeEntries(buffer);
  EXPECT_EQ(ras.GetEntryProperties("Office"), 1);
  EXPECT_EQ(ras.GetEntryProperties("Home"), 0);
  EXPECT_EQ(ras.CreatePhonebookEntry(nullptr), 1);
  EXPECT_EQ(ras.GetEntryProperties("New entry"), 1);
}

TEST(DialUpTest, FailedDialKeepsTheCodeAndText) {
  ScriptedPhoneBook book;
  book.dialCode = 676;
  CRAS ras(book);
  EXPECT_EQ(ras.Dial("Office", "dialer", "secret"), 0);
  EXPECT_EQ(book.dialled, "Office/dialer");
  EXPECT_EQ(ras.GetRetCode(), 676);
  EXPECT_EQ(ras.GetLatestErrorText(), "The line is busy.");
  book.dialCode = 0;
  EXPECT_EQ(ras.Dial("Office", "dialer", "secret"), 1);
  EXPECT_EQ(ras.GetRetCode(), 0);
}

}  // namespace
