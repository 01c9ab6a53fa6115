// The login dialog under Wine against the stand-in's components, over a seeded store:
// OK enabling, the system button and Delete, the security and version lines, a log-in
// that starts the recording designer, a refused one, deleting the last system and help.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <chrono>
#include <memory>

#include "com_components.h"
#include "login_dlg.h"
#include "mfc/winapp.h"
#include "owl/msgbox.h"
#include "owl/testing/dialog_driver.h"
#include "owl/testing/window_picture.h"
#include "systems_repository.h"
#include "user_folder.h"
#include "windows_fixture.h"
#include "windows_system.h"
#include "wizard_editor.h"

namespace gate::testing {
namespace {

struct AskedBox {
  std::string text;
  std::string caption;
  UINT type;
};

class LoginDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string unique = std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
    for (char& c : unique) c = static_cast<char>('a' + (c - '0'));
    root = fs::temp_directory_path() / ("zephlogin-" + unique);
    bin = root / "bin folder";
    fs::create_directories(bin);
    fs::create_directories(root / "data");
    fs::create_directories(root / "user");
    fs::copy_file(ProgramFolder() / "designer_recorder.exe", bin / "zephdesk.exe");
    fs::copy_file(ProgramFolder() / "install_cer.bat", bin / "install_cer.bat");
    binValue = std::make_unique<MachineValue>("BinDir", bin.string() + "\\");
    dataValue = std::make_unique<MachineValue>("DataDir", (root / "data").string() + "\\");
    helpValue = std::make_unique<MachineValue>("HelpDir", std::string("C:\\Help\\"));
    SetUserDataFolder((root / "user").string() + "\\");
    log = std::make_unique<CLog>("");
    system = std::make_unique<WindowsSystem>(GetModuleHandleA(nullptr));
    services = std::make_unique<GateServices>(
        GateServices{factory, *system, *log, PlatformDialUpNetwork(), nullptr, &encodedPassword});
    app = std::make_unique<CLoginApp>(*services, nullptr);
    previous = SetMessageBoxResponder([this](HWND, const char* text, const char* caption, UINT type) {
      boxes.push_back({text, caption, type});
      const int answer = answers.empty() ? IDOK : answers.front();
      if (!answers.empty()) answers.erase(answers.begin());
      return answer;
    });
  }
  void TearDown() override {
    SetMessageBoxResponder(previous);
    binValue.reset();
    dataValue.reset();
    helpValue.reset();
    SetUserDataFolder("");
    std::error_code error;
    fs::remove_all(root, error);
  }

  void Seed(const std::string& name, std::int32_t level) {
    CSystemsRepository store(CSystemInfo::AppsDesigner);
    CSystemInfo s;
    s.Name = name;
    s.Address = "127.0.0.1";
    s.Location = "Hall";
    s.SslLevel = level;
    s.SslPort = 1636;
    ASSERT_EQ(store.Set(s), 1);
    ASSERT_EQ(store.Write(), 1);
  }
  std::unique_ptr<CLoginDlg> Dialog() {
    return std::make_unique<CLoginDlg>(*app, [this](const std::string& path, std::int32_t context) {
      helps.push_back(path + "|" + std::to_string(context));
    });
  }

  fs::path root, bin;
  std::unique_ptr<MachineValue> binValue, dataValue, helpValue;
  std::unique_ptr<CLog> log;
  std::unique_ptr<WindowsSystem> system;
  ComComponentFactory factory;
  std::string encodedPassword;
  std::unique_ptr<GateServices> services;
  std::unique_ptr<CLoginApp> app;
  CWinApp winApp{"zephgate_tests"};
  TMessageBoxResponder previous;
  std::vector<AskedBox> boxes;
  std::vector<int> answers;
  std::vector<std::string> helps;
};

void Select(HWND dialog, const char* name) {
  HWND list = ::GetDlgItem(dialog, 1000);
  const LRESULT index = ::SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
  ::SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(1000, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }

TEST_F(LoginDialogTest, ButtonsAndLinesFollowTheFieldsAndTheSelection) {
  Seed("Main", 0);
  Seed("All", 1);
  Seed("Login only", 2);
  Seed("Odd", 7);
  auto dialog = Dialog();
  DialogDriver driver([&](HWND d) {
    // The list is sorted: "<new system>" sorts before the names and is the first item.
    EXPECT_EQ(ControlText(d, 1000), "<new system>");
    EXPECT_EQ(::SendDlgItemMessageA(d, 1000, CB_GETCOUNT, 0, 0), 5);
    SaveWindowPicture(d, "login_dialog_systems");
    struct Case {
      const char* user;
      const char* password;
      const char* system;
      bool ok;
    };
    const Case cases[] = {
        {"", "", "Main", false},          {"4711", "", "Main", false}, {"", "2468", "Main", false},
        {"4711", "2468", "Main", true},   {"4711", "2468", "<new system>", false},
        {"", "", "<new system>", false},
    };
    for (const Case& c : cases) {
      Select(d, c.system);
      ::SetDlgItemTextA(d, 21000, c.user);
      ::SetDlgItemTextA(d, 21001, c.password);
      EXPECT_EQ(Enabled(d, 51001), c.ok) << c.user << "/" << c.password << "/" << c.system;
    }
    struct Line {
      const char* system;
      const char* button;
      bool canDelete;
      const char* security;
    };
    const Line lines[] = {
        {"Main", "&Edit System", true, "Security: SSL disabled"},
        {"All", "&Edit System", true, "Security: SSL enabled for all operations."},
        {"Login only", "&Edit System", true, "Security: SSL enabled for login and password change only."},
        {"Odd", "&Edit System", true, ""},
        {"<new system>", "&Add System", false, ""},
    };
    for (const Line& l : lines) {
      Select(d, "Main");
      Select(d, l.system);
      EXPECT_EQ(ControlText(d, 21011), l.button) << l.system;
      EXPECT_EQ(Enabled(d, 1001), l.canDelete) << l.system;
      EXPECT_EQ(ControlText(d, 1005), l.security) << l.system;
    }
    SaveWindowPicture(d, "login_dialog_new_system");
    PostClick(d, 51002);
  });
  EXPECT_EQ(dialog->DoModal(), IDCANCEL);
  EXPECT_FALSE(driver.TimedOut());
}

TEST_F(LoginDialogTest, TipsOfTheFieldsAndTheBanner) {
  auto dialog = Dialog();
  std::vector<std::string> tips;
  LRESULT toolCount = 0;
  BITMAP banner{};
  DialogDriver driver([&](HWND d) {
    HWND tipWindow = dialog->ToolTips();
    toolCount = ::SendMessageA(tipWindow, TTM_GETTOOLCOUNT, 0, 0);
    for (int id : {1000, 21000, 21001, 21002, 51001}) {
      char text[1024] = "";
      TOOLINFOA tool{};
      tool.cbSize = sizeof tool;
      tool.hwnd = d;
      tool.uId = reinterpret_cast<UINT_PTR>(::GetDlgItem(d, id));
      tool.lpszText = text;
      ::SendMessageA(tipWindow, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
      tips.push_back(text);
    }
    const auto image = reinterpret_cast<HBITMAP>(::SendDlgItemMessageA(d, 1010, STM_GETIMAGE, IMAGE_BITMAP, 0));
    if (image) ::GetObjectA(image, sizeof banner, &banner);
    PostClick(d, 51002);
  });
  dialog->DoModal();
  EXPECT_EQ(toolCount, 4);
  EXPECT_EQ(tips, (std::vector<std::string>{"The Vantora server to which the administrator wishes to connect",
                                            "The mailbox number of the administrator",
                                            "The administrator's mailbox password",
                                            "The Ostrel (Ostrel) location name for the Vantora server", ""}));
  // The banner across the top is bitmap 130.
  EXPECT_EQ(banner.bmWidth, 390);
  EXPECT_EQ(banner.bmHeight, 56);
}

TEST_F(LoginDialogTest, VersionLineWithAndWithoutTheValue) {
  {
    MachineValue version("Flowsmith Version", std::string("5.2.17"));
    EXPECT_EQ(Dialog()->VersionLine(), "Build Version: 5.2.17");
  }
  MachineValue none("Flowsmith Version", std::nullopt);
  EXPECT_EQ(Dialog()->VersionLine(), "Build Version: unknown");
}

TEST_F(LoginDialogTest, OkLogsInAndStartsTheDesigner) {
  // Without SSL, and with SSL for the log-in only (the server's certificate is fetched).
  for (const std::int32_t level : {0, 2}) {
    SCOPED_TRACE(level);
    const std::string name = "Main" + std::to_string(level);
    Seed(name, level);
    std::error_code ignored;
    fs::remove(bin / "launched.txt", ignored);
    auto dialog = Dialog();
    DialogDriver driver([&](HWND d) {
      Select(d, name.c_str());
      ::SetDlgItemTextA(d, 21000, "4711");
      ::SetDlgItemTextA(d, 21001, "2468");
      PostClick(d, 51001);
    });
    EXPECT_EQ(dialog->DoModal(), IDOK);
    EXPECT_TRUE(boxes.empty()) << boxes.front().text;
    for (int i = 0; i < 200 && !fs::exists(bin / "launched.txt"); ++i) Sleep(50);
    Sleep(100);
    const std::string line = ReadText(bin / "launched.txt");
    EXPECT_NE(line.find("Flowsmith : Hall : " + name + " : 0 : 127.0.0.1 : 0 : 0 : 0 : 4711 : 0 : 1 : 1 : " +
                        encodedPassword + " : 2 : ctx-"),
              std::string::npos)
        << line;
    EXPECT_NE(line.find(" : 1636 : " + std::to_string(level) + " : "), std::string::npos) << line;
  }
}

TEST_F(LoginDialogTest, WrongPasswordShowsTheTextAndClearsTheFields) {
  Seed("Main", 0);
  auto dialog = Dialog();
  std::string user, password;
  bool open = false;
  DialogDriver driver([&](HWND d) {
    Select(d, "Main");
    ::SetDlgItemTextA(d, 21000, "4711");
    ::SetDlgItemTextA(d, 21001, "2469");
    ::SetDlgItemTextA(d, 21002, "");
    ::SendMessageA(d, WM_COMMAND, 51001, 0);
    user = ControlText(d, 21000);
    password = ControlText(d, 21001);
    open = ::IsWindow(d) && !Enabled(d, 51001);
    PostClick(d, 51002);
  });
  EXPECT_EQ(dialog->DoModal(), IDCANCEL);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Login Failed.  Please check log file and try again.");
  EXPECT_EQ(boxes[0].caption, "Error");
  EXPECT_EQ(boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_EQ(user, "");
  EXPECT_EQ(password, "");
  EXPECT_TRUE(open);
  EXPECT_FALSE(fs::exists(bin / "launched.txt"));
}

TEST_F(LoginDialogTest, DeletingTheLastSystemLeavesNewSystemSelected) {
  Seed("Main", 0);
  answers = {IDNO, IDYES};
  auto dialog = Dialog();
  std::string afterNo, afterYes;
  int count = 0;
  DialogDriver driver([&](HWND d) {
    Select(d, "Main");
    ::SendMessageA(d, WM_COMMAND, 1001, 0);
    afterNo = ControlText(d, 1000);
    ::SendMessageA(d, WM_COMMAND, 1001, 0);
    afterYes = ControlText(d, 1000);
    count = static_cast<int>(::SendDlgItemMessageA(d, 1000, CB_GETCOUNT, 0, 0));
    PostClick(d, 51002);
  });
  dialog->DoModal();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, "Are you sure you want to delete 'Main'?");
  EXPECT_EQ(boxes[0].caption, "Confirm System Delete");
  EXPECT_EQ(boxes[0].type & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
  EXPECT_EQ(afterNo, "Main");
  EXPECT_EQ(afterYes, "<new system>");
  EXPECT_EQ(count, 1);
  CSystemsRepository store(CSystemInfo::AppsDesigner);
  CSystemInfo gone;
  EXPECT_EQ(store.GetByName("Main", gone), 0);
}

// Renames the system, or refuses a name as the wizard does.
class RenamingEditor final : public SystemEditor {
 public:
  std::string name;
  bool Edit(CSystemInfo& system, const SystemNameCheck& nameFree) override {
    CSystemInfo edited = system;
    edited.Name = name;
    if (!nameFree(edited)) return false;
    system = edited;
    return true;
  }
};

TEST_F(LoginDialogTest, AddAndEditSelectTheEditedSystem) {
  Seed("Main", 0);
  RenamingEditor editor;
  CLoginDlg dialog(*app, nullptr, &editor);
  std::vector<std::string> selected;
  DialogDriver driver([&](HWND d) {
    Select(d, "<new system>");
    editor.name = "Added";
    ::SendMessageA(d, WM_COMMAND, 21011, 0);
    selected.push_back(ControlText(d, 1000));
    editor.name = "Renamed";
    ::SendMessageA(d, WM_COMMAND, 21011, 0);
    selected.push_back(ControlText(d, 1000));
    selected.push_back(std::to_string(::SendDlgItemMessageA(d, 1000, CB_GETCOUNT, 0, 0)));
    PostClick(d, 51002);
  });
  dialog.DoModal();
  EXPECT_EQ(selected, (std::vector<std::string>{"Added", "Renamed", "3"}));
}

// Look-ups that find every address and no name, so that no test waits on the network.
class EchoResolver final : public setup::AddressResolver {
 public:
  bool Start() override { return true; }
  void Stop() override {}
  std::optional<std::string> NameOf(const std::string& address) override { return "host-" + address; }
  std::optional<std::string> AddressOf(const std::string&) override { return std::nullopt; }
};

TEST_F(LoginDialogTest, AddAndCaseOnlyRenameThroughTheWizardWithANameClash) {
  Seed("Main", 0);
  Seed("Other", 0);
  EchoResolver resolver;
  CSystemWizard wizard;
  setup::WizardServices services;
  services.resolver = &resolver;
  wizard.SetServices(services);
  WizardSystemEditor editor(wizard);
  CLoginDlg dialog(*app, nullptr, &editor);
  const auto press = [](HWND sheet, int id) {
    ::SendMessageA(sheet, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(sheet, id)));
  };
  const auto page = [](HWND sheet) { return reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); };
  std::vector<std::string> selected;
  bool openAfterClash = false;
  std::string editTitle;
  DialogDriver driver([&](HWND d) {
    Select(d, "<new system>");
    {
      // The wizard opens over the login dialog.
      DialogDriver wizardDriver([&](HWND) {
        HWND sheet = ::GetLastActivePopup(d);
        press(sheet, 0x3024);
        ::SetDlgItemTextA(page(sheet), 20209, "10.0.0.7");
        press(sheet, 0x3024);
        ::SetDlgItemTextA(page(sheet), 20203, "other");
        press(sheet, 0x3024);
        press(sheet, 0x3025);
        openAfterClash = ::IsWindowEnabled(sheet) != FALSE;
        press(sheet, 0x3023);
        ::SetDlgItemTextA(page(sheet), 20203, "Third");
        press(sheet, 0x3025);
      });
      ::SendMessageA(d, WM_COMMAND, 21011, 0);
    }
    selected.push_back(ControlText(d, 1000));
    {
      DialogDriver wizardDriver([&](HWND) {
        HWND sheet = ::GetLastActivePopup(d);
        char title[64] = "";
        ::GetWindowTextA(sheet, title, sizeof title);
        editTitle = title;
        ::SendMessageA(sheet, PSM_SETCURSEL, 2, 0);
        ::SetDlgItemTextA(page(sheet), 20203, "THIRD");
        press(sheet, IDOK);
      });
      ::SendMessageA(d, WM_COMMAND, 21011, 0);
    }
    selected.push_back(ControlText(d, 1000));
    selected.push_back(std::to_string(::SendDlgItemMessageA(d, 1000, CB_GETCOUNT, 0, 0)));
    PostClick(d, 51002);
  });
  dialog.DoModal();
  EXPECT_FALSE(driver.TimedOut());
  EXPECT_TRUE(openAfterClash);
  EXPECT_NE(editTitle.find("Third"), std::string::npos) << editTitle;
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "A system named 'other' already exists.");
  EXPECT_EQ(selected, (std::vector<std::string>{"Third", "THIRD", "4"}));
  CSystemsRepository store(CSystemInfo::AppsDesigner);
  CSystemInfo third;
  ASSERT_EQ(store.GetByName("THIRD", third), 1);
  EXPECT_EQ(third.Name, "THIRD");
  EXPECT_EQ(third.Address, "10.0.0.7");
}

TEST_F(LoginDialogTest, HelpAndF1ReachTheHelpRequest) {
  auto dialog = Dialog();
  DialogDriver driver([](HWND d) {
    ::SendMessageA(d, WM_COMMAND, 51000, 0);
    ::SendMessageA(d, WM_HELP, 0, 0);
    PostClick(d, 51002);
  });
  dialog->DoModal();
  EXPECT_EQ(helps, (std::vector<std::string>{"C:\\Help\\zephdesk.hlp>proc4|20000",
                                             "C:\\Help\\zephdesk.hlp>proc4|20000"}));
}

}  // namespace
}  // namespace gate::testing
