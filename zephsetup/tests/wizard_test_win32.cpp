// The system wizard driven under Wine: the wizard's buttons and the checks of Next, the
// checks made on Finish and OK, Cancel, the tabbed sheet, the validator, the dial-up
// page on a scripted phone book, and help.
#include "wizard_fixture.h"

#include "owl/testing/window_picture.h"
#include "testing/machine_value.h"

namespace setup::testing {
namespace {

constexpr const char* kEnterAddress = "Please enter a valid name or IP address of the server.";
constexpr const char* kInvalidDialUp = "Invalid Dial-Up connection. Please select a valid Dial-Up connection.";
constexpr const char* kDialUpNeedsAddress =
    "Invalid IP address. Please enter IP address of the server when using Dial-Up connection. ";
constexpr const char* kEnterName = "Please enter a valid system name.";
constexpr const char* kInvalidName =
    "The system name contains invalid characters. Please enter a valid system name. The following characters are not "
    "allowed in the system name: \\ / : * ? \" < > |";

TEST_F(WizardTest, EachPageSetsItsButtonsAndNextChecksTheFirstTwoPages) {
  phoneBook.entries = {"Office"};
  resolver.addresses["server"] = "10.1.2.3";
  CSystemInfo system;
  struct Buttons {
    bool back, next, finish;
  };
  std::vector<std::string> steps;
  const auto note = [&](HWND sheet, const char* what) {
    const Buttons expected[] = {{false, true, false}, {true, true, false}, {true, true, false}, {true, false, true}};
    const int index = PageIndex(sheet);
    steps.push_back(std::string(what) + "@" + std::to_string(index));
    if (index < 0 || index > 3) return;
    EXPECT_EQ(Usable(sheet, kBack), expected[index].back) << what;
    EXPECT_EQ(Usable(sheet, kNext), expected[index].next) << what;
    EXPECT_EQ(Usable(sheet, kFinish), expected[index].finish) << what;
  };
  DialogDriver driver([&](HWND sheet) {
    note(sheet, "start");
    SaveWindowPicture(sheet, "wizard_connection");
    // Dial-up without an entry chosen, then with one.
    Choose(sheet, 20200, 20202, 20202);
    ::SendDlgItemMessageA(CurrentPage(sheet), 20215, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    Press(sheet, kNext);
    note(sheet, "no entry");
    ::SendDlgItemMessageA(CurrentPage(sheet), 20215, CB_SETCURSEL, 0, 0);
    Press(sheet, kNext);
    note(sheet, "entry");
    SaveWindowPicture(sheet, "wizard_address");
    // Page 2: an empty address, a name on dial-up, then the local network with a name.
    Press(sheet, kNext);
    note(sheet, "empty address");
    Type(sheet, 20209, "server");
    Press(sheet, kNext);
    note(sheet, "name on dial-up");
    Press(sheet, kBack);
    Choose(sheet, 20200, 20202, 20200);
    Press(sheet, kNext);
    Press(sheet, kNext);
    note(sheet, "name on the network");
    // Page 3 takes the address as the name.
    EXPECT_EQ(Text(sheet, 20203), "server");
    SaveWindowPicture(sheet, "wizard_name");
    Press(sheet, kNext);
    note(sheet, "name");
    SaveWindowPicture(sheet, "wizard_security");
    Press(sheet, kFinish);
  });
  EXPECT_EQ(wizard.Edit(system, nullptr, nullptr), 1);
  EXPECT_FALSE(driver.TimedOut());
  EXPECT_EQ(steps, (std::vector<std::string>{"start@0", "no entry@0", "entry@1", "empty address@1",
                                             "name on dial-up@1", "name on the network@2", "name@3"}));
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{kInvalidDialUp, kEnterAddress, kDialUpNeedsAddress}));
  EXPECT_EQ(boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
  // The name was looked up on Next and is stored as its address.
  EXPECT_EQ(system.Name, "server");
  EXPECT_EQ(system.Address, "10.1.2.3");
  EXPECT_EQ(system.ConnectionType, CSystemInfo::LocalNetwork);
  EXPECT_EQ(resolver.started, resolver.stopped);
}

// Runs the wizard on a new system to the last page with the name and port given, then
// presses Finish; answers the page Finish left the sheet on (-1 when it closed) and what
// Edit answered.
struct FinishOutcome {
  int page = -1;
  int result = 0;
};

struct FinishCase {
  std::string name;
  int level;
  std::string port;
  int page;         // where the sheet stays; -1 closed
  const char* box;  // "" none
};

class WizardFinishTest : public WizardTest {
 protected:
  void Check(const std::vector<FinishCase>& cases) {
    for (const FinishCase& c : cases) {
      SCOPED_TRACE(c.name + "/" + c.port);
      boxes.clear();
      CSystemInfo system;
      const FinishOutcome outcome = FinishWith(c.name, c.level, c.port, system);
      EXPECT_EQ(outcome.page, c.page);
      EXPECT_EQ(BoxTexts(), std::string(c.box).empty() ? std::vector<std::string>{} : std::vector<std::string>{c.box});
      if (c.page < 0) {
        EXPECT_EQ(outcome.result, 1);
        EXPECT_EQ(system.Name, c.name);
        EXPECT_EQ(system.SslLevel, c.level - 20222);
        // With SSL never used the blank port is not read: the record keeps its port.
        EXPECT_EQ(system.SslPort, c.level == 20222 ? CSystemInfo().SslPort : std::stoi(c.port));
      } else {
        EXPECT_EQ(outcome.result, 0);
        EXPECT_TRUE(system.IsEmpty());
      }
    }
  }

  FinishOutcome FinishWith(const std::string& name, int level, const std::string& port, CSystemInfo& system) {
    FinishOutcome outcome;
    bool accepted = false;
    resolver.names["10.0.0.7"] = "seven.example";
    DialogDriver driver([&](HWND sheet) {
      Press(sheet, kNext);
      Type(sheet, 20209, "10.0.0.7");
      Press(sheet, kNext);
      Type(sheet, 20203, name.c_str());
      Press(sheet, kNext);
      Choose(sheet, 20222, 20224, level);
      Type(sheet, 20225, port.c_str());
      Press(sheet, kFinish);
      // The validator is asked last: once it accepted, the sheet is closing.
      if (!accepted) {
        outcome.page = PageIndex(sheet);
        Press(sheet, IDCANCEL);
      }
    });
    const SystemValidator accept = [](void* context, const CSystemInfo*) {
      *static_cast<bool*>(context) = true;
      return 1;
    };
    outcome.result = wizard.Edit(system, accept, &accepted);
    EXPECT_FALSE(driver.TimedOut());
    return outcome;
  }
};

class WizardNameTest : public WizardFinishTest {};
class WizardPortTest : public WizardFinishTest {};

TEST_F(WizardNameTest, FinishShowsTheNamePageForAMissingOrInvalidName) {
  std::vector<FinishCase> cases = {{"", 20223, "636", 2, kEnterName}, {"Main", 20223, "636", -1, ""}};
  for (char c : std::string("\\/:*?\"<>|")) cases.push_back({std::string("A") + c + "B", 20223, "636", 2, kInvalidName});
  Check(cases);
}

TEST_F(WizardPortTest, FinishChecksThePortUnlessSslIsNeverUsed) {
  Check({
      {"Main", 20223, "", 3, "The SSL port cannot be left blank."},
      {"Main", 20224, "65536", 3, "The SSL port must be between 0 and 65535"},
      {"Main", 20223, "0", -1, ""},
      {"Main", 20223, "65535", -1, ""},
      {"Main", 20222, "", -1, ""},
  });
}

TEST_F(WizardTest, TabbedOkWithoutVisitingKeepsTheRecordAndCancelLeavesIt) {
  const CSystemInfo input = Stored();
  // The address page is never opened: its address is not looked up again.
  resolver.starts = false;
  CSystemInfo system = input;
  std::string title;
  bool wizardButtons = true;
  DialogDriver ok([&](HWND sheet) {
    char text[64] = "";
    ::GetWindowTextA(sheet, text, sizeof text);
    title = text;
    wizardButtons = Usable(sheet, kNext) || Usable(sheet, kFinish);
    SaveWindowPicture(sheet, "wizard_tabbed");
    Press(sheet, IDOK);
  });
  EXPECT_EQ(wizard.Edit(system, nullptr, nullptr), 1);
  EXPECT_FALSE(system != input);
  EXPECT_NE(title.find("Main"), std::string::npos) << title;
  EXPECT_FALSE(wizardButtons);
  EXPECT_TRUE(boxes.empty());

  DialogDriver cancel([&](HWND sheet) {
    ::SendMessageA(sheet, PSM_SETCURSEL, 2, 0);
    Type(sheet, 20203, "Renamed");
    Press(sheet, IDCANCEL);
  });
  EXPECT_EQ(wizard.Edit(system, nullptr, nullptr), 0);
  EXPECT_FALSE(system != input);
}

TEST_F(WizardTest, TheValidatorSeesTheEditAndCanKeepTheSheetOpen) {
  struct Seen {
    std::vector<std::string> names;
    int answer = 0;
  } seen;
  const SystemValidator validator = [](void* context, const CSystemInfo* s) {
    auto* seen = static_cast<Seen*>(context);
    seen->names.push_back(s->Name);
    return seen->answer;
  };
  CSystemInfo system = Stored();
  bool openAfterRefusal = false;
  DialogDriver driver([&](HWND sheet) {
    ::SendMessageA(sheet, PSM_SETCURSEL, 2, 0);
    Type(sheet, 20203, "Other");
    Press(sheet, IDOK);
    openAfterRefusal = ::IsWindowEnabled(sheet) && PageIndex(sheet) == 2;
    seen.answer = 1;
    Type(sheet, 20203, "Third");
    Press(sheet, IDOK);
  });
  EXPECT_EQ(wizard.Edit(system, validator, &seen), 1);
  EXPECT_TRUE(openAfterRefusal);
  EXPECT_EQ(seen.names, (std::vector<std::string>{"Other", "Third"}));
  EXPECT_EQ(system.Name, "Third");
  EXPECT_EQ(system.Address, "10.0.0.5");
}

TEST_F(WizardTest, VerifyShowsWhatTheLookUpFound) {
  resolver.names["10.9.9.9"] = "voice.example";
  resolver.addresses["voice"] = "10.9.9.8";
  CSystemInfo system = Stored();
  struct Case {
    const char* typed;
    bool starts;
    const char* result;
    const char* box;
  };
  const Case cases[] = {
      {"10.9.9.9", true, "voice.example", ""},
      {"voice", true, "10.9.9.8", ""},
      {"10.9.9.1", true, "", "Unable to resolve the name of this server from DNS."},
      {"nowhere", true, "",
       "Unable to resolve IP address of this server from DNS. Please check the name or enter a valid IP address."},
      {"voice", false, "", "Cannot initialize socket services. Please contact support."},
  };
  std::vector<std::string> results, texts;
  DialogDriver driver([&](HWND sheet) {
    ::SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
    for (const Case& c : cases) {
      boxes.clear();
      resolver.starts = c.starts;
      Type(sheet, 20209, c.typed);
      Click(sheet, 20217);
      results.push_back(Text(sheet, 20204));
      texts.push_back(boxes.empty() ? "" : boxes.back().text);
    }
    Press(sheet, IDCANCEL);
  });
  wizard.Edit(system, nullptr, nullptr);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(results[i], cases[i].result) << cases[i].typed;
    EXPECT_EQ(texts[i], cases[i].box) << cases[i].typed;
  }
  EXPECT_EQ(resolver.started - resolver.stopped, 1) << "a failed start is not cleaned up";
}

TEST_F(WizardTest, RealLookUpsOfTheLoopback) {
  services.resolver = nullptr;
  wizard.SetServices(services);
  CSystemInfo system = Stored();
  std::string name, address;
  DialogDriver driver([&](HWND sheet) {
    ::SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
    Type(sheet, 20209, "127.0.0.1");
    Click(sheet, 20217);
    name = Text(sheet, 20204);
    Type(sheet, 20209, "localhost");
    Click(sheet, 20217);
    address = Text(sheet, 20204);
    Press(sheet, IDOK);
  });
  EXPECT_EQ(wizard.Edit(system, nullptr, nullptr), 1);
  EXPECT_FALSE(name.empty());
  EXPECT_NE(name, "127.0.0.1");
  EXPECT_EQ(address, "127.0.0.1");
  EXPECT_TRUE(boxes.empty()) << boxes.front().text;
  // A name that resolved is kept as its address.
  EXPECT_EQ(system.Address, "127.0.0.1");
}

TEST_F(WizardTest, DialUpOnTheScriptedPhoneBook) {
  phoneBook.entries = {"Office", "Home"};
  CSystemInfo system = Stored();
  system.ConnectionType = CSystemInfo::DialUp;
  system.Address = "10.0.0.5";
  system.DialEntry = "Office";
  system.DialUserName = "dialer";
  system.DialPassword = "secret";
  std::string selected, afterNew;
  LRESULT count = 0;
  bool propertiesEnabled = false, listEnabledOnLan = true;
  DialogDriver driver([&](HWND sheet) {
    HWND page = CurrentPage(sheet);
    selected = Text(sheet, 20215);
    propertiesEnabled = Usable(page, 20207);
    Click(sheet, 20206);
    count = ::SendDlgItemMessageA(page, 20215, CB_GETCOUNT, 0, 0);
    afterNew = Text(sheet, 20215);
    Click(sheet, 20207);
    Choose(sheet, 20200, 20202, 20200);
    listEnabledOnLan = Usable(page, 20215) || Usable(page, 20206) || Usable(page, 20220) || Usable(page, 20207);
    Choose(sheet, 20200, 20202, 20202);
    ::SendDlgItemMessageA(page, 20215, CB_SETCURSEL, 1, 0);
    Type(sheet, 20220, "other");
    Press(sheet, IDOK);
  });
  EXPECT_EQ(wizard.Edit(system, nullptr, nullptr), 1);
  EXPECT_EQ(selected, "Office");
  EXPECT_TRUE(propertiesEnabled);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(afterNew, "Office");
  EXPECT_FALSE(listEnabledOnLan);
  EXPECT_TRUE(boxes.empty()) << boxes.front().text;
  // The sorted list: Home, Office, Zed.
  EXPECT_EQ(system.DialEntry, "Office");
  EXPECT_EQ(system.DialUserName, "other");
  EXPECT_EQ(system.DialPassword, "secret");
  EXPECT_EQ(system.ConnectionType, CSystemInfo::DialUp);
}

TEST_F(WizardTest, WithoutDialUpNetworkingNewAndPropertiesSayWhy) {
  services.dialUp = nullptr;
  wizard.SetServices(services);
  CSystemInfo system = Stored();
  system.ConnectionType = CSystemInfo::DialUp;
  system.DialEntry = "Office";
  LRESULT count = -1;
  DialogDriver driver([&](HWND sheet) {
    count = ::SendDlgItemMessageA(CurrentPage(sheet), 20215, CB_GETCOUNT, 0, 0);
    Click(sheet, 20206);
    Click(sheet, 20207);
    Press(sheet, IDCANCEL);
  });
  EXPECT_EQ(wizard.Edit(system, nullptr, nullptr), 0);
  EXPECT_EQ(count, 0);
  // Properties with no entry in the list asks for one.
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Dial-up networking is not available on this computer.", kInvalidDialUp}));
  for (const Box& b : boxes) EXPECT_EQ(b.type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
}

TEST_F(WizardTest, F1OpensEachPagesHelp) {
  MachineValue helpDir("HelpDir", std::string("C:\\Flowsmith\\Help\\"));
  CSystemInfo system = Stored();
  DialogDriver driver([&](HWND sheet) {
    for (int page = 0; page < 4; ++page) {
      ::SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(page), 0);
      HELPINFO info{};
      info.cbSize = sizeof info;
      ::SendMessageA(CurrentPage(sheet), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    }
    Press(sheet, IDCANCEL);
  });
  wizard.Edit(system, nullptr, nullptr);
  const std::string path = "C:\\Flowsmith\\Help\\zephdesk.hlp>proc4|";
  EXPECT_EQ(helps, (std::vector<std::string>{path + "20001", path + "20002", path + "20003", path + "20001"}));
  std::string helpPath;
  wizard.GetHelpPath(helpPath);
  EXPECT_EQ(helpPath, "C:\\Flowsmith\\Help\\zephdesk.hlp");
  // Without the value the help file is looked for in the current folder.
  MachineValue none("HelpDir", std::nullopt);
  DialogDriver cancel([](HWND sheet) { Press(sheet, IDCANCEL); });
  wizard.Edit(system, nullptr, nullptr);
  wizard.GetHelpPath(helpPath);
  EXPECT_EQ(helpPath, "zephdesk.hlp");
}

TEST_F(WizardTest, EachPageShowsThePictureInItsFrame) {
  CSystemInfo system = Stored();
  HBITMAP bitmap = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(20130));
  ASSERT_NE(bitmap, nullptr);
  HDC memory = ::CreateCompatibleDC(nullptr);
  ::SelectObject(memory, bitmap);
  std::vector<std::string> mismatches;
  DialogDriver driver([&](HWND sheet) {
    for (int index = 0; index < 4; ++index) {
      ::SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
      HWND page = CurrentPage(sheet);
      ::UpdateWindow(page);
      RECT frame{};
      HWND control = ::GetDlgItem(page, 20240);
      ::GetWindowRect(control, &frame);
      ::MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&frame), 2);
      HDC dc = ::GetDC(page);
      // Inside the frame's border, at points where the picture's colours differ.
      for (POINT p : {POINT{3, 3}, POINT{40, 20}, POINT{20, 90}, POINT{(frame.right - frame.left) - 4, (frame.bottom - frame.top) - 4}}) {
        const COLORREF shown = ::GetPixel(dc, frame.left + p.x, frame.top + p.y);
        const COLORREF expected = ::GetPixel(memory, p.x, p.y);
        if (shown != expected)
          mismatches.push_back(std::to_string(index) + ":" + std::to_string(p.x) + "," + std::to_string(p.y));
      }
      ::ReleaseDC(page, dc);
    }
    Press(sheet, IDCANCEL);
  });
  wizard.Edit(system, nullptr, nullptr);
  ::DeleteDC(memory);
  ::DeleteObject(bitmap);
  EXPECT_TRUE(mismatches.empty()) << mismatches.front();
}

TEST(SystemWizardClassTest, MadeByNameThroughItsRunTimeClass) {
  const CRuntimeClass* runtimeClass = CRuntimeClass::FromName("CSystemWizard");
  ASSERT_EQ(runtimeClass, &CSystemWizard::classCSystemWizard);
  std::unique_ptr<CObject> object(runtimeClass->CreateObject());
  ASSERT_NE(dynamic_cast<CSystemWizard*>(object.get()), nullptr);
  EXPECT_STREQ(object->GetRuntimeClass()->m_lpszClassName, "CSystemWizard");
  EXPECT_EQ(CRuntimeClass::FromName("CNothing"), nullptr);
}

}  // namespace
}  // namespace setup::testing
