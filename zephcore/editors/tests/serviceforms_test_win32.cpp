// The service blocks' own forms under Wine, opened through the catalogue's opener: a voice
// field shows the item's name with its description and stores the kind letter again, an
// empty field stays empty, a refused save shows the name without the letter, the "..."
// button picks an item from the list, and the thru-dial radios drive "Use Fixed Length
// Numbers".
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "editordialogs_test_util.h"
#include "editors/win32/mediadialogs.h"
#include "editors/win32/serviceforms.h"
#include "foundation/kvreg.h"
#include "foundation/kvvif.h"

namespace fs = std::filesystem;

namespace zeph {
namespace {

constexpr int kAnnounce = 393;
constexpr int kFax = 398;
constexpr int kMenu = 402;
constexpr int kThruDial = 405;

class ServiceFormsTest : public test::EditorDialogsTest {
 protected:
  ServiceFormsTest() {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    root = fs::path(temp) / ("service-forms-" + std::to_string(::GetCurrentProcessId()) + "-" +
                             std::to_string(::GetTickCount()));
    for (const char* sub : {"Voice", "Fax"}) fs::create_directories(root / sub);
    registry.Set(kKvProductKey, "ProgDir", root.string() + "\\");
    KvSetRegistry(&registry);
    RegisterServiceForms();
  }
  ~ServiceFormsTest() override {
    KvSetRegistry(nullptr);
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  void Item(const char* name, int type, const char* folder, const char* description) {
    Var(name, type);
    std::ofstream(root / folder / (std::string(name) + ".dsc"), std::ios::binary) << description << "\r\nmore\r\n";
  }
  // Opens the block's form through the catalogue and runs the step on it; the result of
  // the opener.
  int Open(PBInstance* block, const DialogDriver::Step& step) {
    DialogDriver driver(step);
    const int result = program.EditVavurOrezo(block);
    EXPECT_TRUE(driver.Ran());
    EXPECT_FALSE(driver.TimedOut());
    return result;
  }
  static void Click(HWND dialog, int id) { ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
  static bool Checked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

  fs::path root;
  KvMemoryRegistry registry;
};

TEST_F(ServiceFormsTest, EachBlockOpensItsOwnTemplateWithDisabledDescriptions) {
  struct Case {
    int type;
    const char* caption;
    std::vector<int> descriptions;
  };
  const Case cases[] = {{kAnnounce, "Announcement / A", {545}},
                        {kFax, "Fax Send / F", {545}},
                        {kMenu, "Menu / M", {545, 546, 547}},
                        {kThruDial, "Thru-Dial / T", {545}}};
  for (const Case& c : cases) {
    const std::string name(c.caption + std::string(c.caption).rfind('/') + 2);
    PBInstance* block = program.AddVavurOrezo(c.type, name.c_str(), "", nullptr);
    ASSERT_NE(block, nullptr) << c.type;
    EXPECT_EQ(Open(block, [&](HWND d) {
      char caption[128] = {};
      ::GetWindowTextA(d, caption, sizeof caption);
      EXPECT_EQ(std::string(caption), c.caption);
      for (int id : c.descriptions) {
        ASSERT_NE(::GetDlgItem(d, id), nullptr) << c.type << " " << id;
        EXPECT_FALSE(Enabled(d, id)) << c.type << " " << id;
        EXPECT_EQ(::SendDlgItemMessageA(d, id, EM_GETLIMITTEXT, 0, 0), 65) << c.type;
      }
      PostClick(d, IDCANCEL);
    }), 0) << c.type;
  }
}

TEST_F(ServiceFormsTest, VoiceFieldShowsTheNameAndDescriptionAndStoresTheLetter) {
  Item("v0042", kTypeVoiceSentence, "Voice", "Welcome to the line");
  PBInstance* block = program.AddVavurOrezo(kAnnounce, "Greet", "", nullptr);
  ASSERT_NE(block, nullptr);
  // Typed without the letter, stored with it.
  EXPECT_EQ(Open(block, [&](HWND d) {
    EXPECT_EQ(Text(d, 601), "");
    EXPECT_EQ(Text(d, 545), "");
    SetText(d, 601, "0042");
    PostClick(d, IDOK);
  }), 1);
  EXPECT_EQ(Open(block, [&](HWND d) {
    EXPECT_EQ(Text(d, 601), "0042");
    EXPECT_EQ(Text(d, 545), "Welcome to the line");
    // Emptied: stored empty, no letter added, no description on the next opening.
    SetText(d, 601, "");
    PostClick(d, IDOK);
  }), 1);
  EXPECT_EQ(Open(block, [&](HWND d) {
    EXPECT_EQ(Text(d, 601), "");
    EXPECT_EQ(Text(d, 545), "");
    PostClick(d, IDCANCEL);
  }), 0);
}

TEST_F(ServiceFormsTest, RefusedSaveShowsTheNameWithoutTheLetter) {
  Item("v0042", kTypeVoiceSentence, "Voice", "Welcome");
  PBInstance* block = program.AddVavurOrezo(kAnnounce, "Greet", "", nullptr);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(Open(block, [&](HWND d) {
    SetText(d, 601, "0042");
    SetText(d, 602, "99");   // outside 1..10
    ::SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_NE(::IsWindow(d), FALSE);
    EXPECT_EQ(Text(d, 601), "0042");
    EXPECT_EQ(Text(d, 545), "Welcome");
    PostClick(d, IDCANCEL);
  }), 0);
}

TEST_F(ServiceFormsTest, PickButtonChoosesAFaxItemFromTheList) {
  Item("f7", kTypeVoiceSentence, "Fax", "Price list");
  Item("f9", kTypeVoiceSentence, "Fax", "Order form");
  PBInstance* block = program.AddVavurOrezo(kFax, "Send", "", nullptr);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(Open(block, [&](HWND d) {
    Command(d, 401, [&](HWND list) {
      Select(list, kMediaList, "9");
      PostClick(list, IDOK);
    });
    EXPECT_EQ(Text(d, 601), "9");
    EXPECT_EQ(Text(d, 545), "Order form");
    PostClick(d, IDOK);
  }), 1);
  EXPECT_EQ(Open(block, [&](HWND d) {
    EXPECT_EQ(Text(d, 601), "9");
    EXPECT_EQ(Text(d, 545), "Order form");
    PostClick(d, IDCANCEL);
  }), 0);
}

TEST_F(ServiceFormsTest, MenuButtonsPickIntoTheirOwnVoiceFields) {
  Item("v5", kTypeVoiceSentence, "Voice", "Choices");
  Item("v6", kTypeVoiceSentence, "Voice", "Nothing heard");
  PBInstance* block = program.AddVavurOrezo(kMenu, "MainMenu", "", nullptr);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(Open(block, [&](HWND d) {
    Command(d, 411, [&](HWND list) {
      Select(list, kMediaList, "6");
      PostClick(list, IDOK);
    });
    Command(d, 410, [&](HWND list) { PostClick(list, IDCANCEL); });
    EXPECT_EQ(Text(d, 610), "");
    EXPECT_EQ(Text(d, 545), "");
    EXPECT_EQ(Text(d, 611), "6");
    EXPECT_EQ(Text(d, 546), "Nothing heard");
    EXPECT_EQ(Text(d, 612), "");
    EXPECT_EQ(Text(d, 547), "");
    PostClick(d, IDCANCEL);
  }), 0);
}

TEST_F(ServiceFormsTest, ThruDialModesDriveFixedLengthNumbers) {
  PBInstance* block = program.AddVavurOrezo(kThruDial, "Dial", "", nullptr);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(Open(block, [&](HWND d) {
    EXPECT_TRUE(Checked(d, kDialByNumber));
    EXPECT_TRUE(Enabled(d, kFixedLengthCheck));
    Click(d, kFixedLengthCheck);
    EXPECT_TRUE(Checked(d, kFixedLengthCheck));
    Click(d, kDialByName);
    EXPECT_FALSE(Checked(d, kFixedLengthCheck));
    EXPECT_FALSE(Enabled(d, kFixedLengthCheck));
    Click(d, kDialByNumberOrName);
    EXPECT_FALSE(Enabled(d, kFixedLengthCheck));
    Click(d, kDialByNumber);
    EXPECT_TRUE(Enabled(d, kFixedLengthCheck));
    EXPECT_FALSE(Checked(d, kFixedLengthCheck));
    Click(d, kDialByName);
    PostClick(d, IDOK);
  }), 1);
  // Opened on dialling by name: the check box starts disabled.
  EXPECT_EQ(Open(block, [&](HWND d) {
    EXPECT_TRUE(Checked(d, kDialByName));
    EXPECT_FALSE(Enabled(d, kFixedLengthCheck));
    PostClick(d, IDCANCEL);
  }), 0);
}

}  // namespace
}  // namespace zeph
