#pragma once
// The system wizard under Wine: scripted message boxes, look-ups and phone book, recorded
// help requests, and helpers that press the sheet's buttons and read its pages.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

#include "mfc/winapp.h"
#include "owl/msgbox.h"
#include "owl/testing/dialog_driver.h"
#include "system_wizard.h"

namespace setup::testing {

struct Box {
  std::string text;
  UINT type;
};

class ScriptedResolver final : public AddressResolver {
 public:
  bool starts = true;
  std::map<std::string, std::string> names;      // address -> host name
  std::map<std::string, std::string> addresses;  // name -> address
  int started = 0;
  int stopped = 0;

  bool Start() override {
    ++started;
    return starts;
  }
  void Stop() override { ++stopped; }
  std::optional<std::string> NameOf(const std::string& address) override { return Find(names, address); }
  std::optional<std::string> AddressOf(const std::string& name) override { return Find(addresses, name); }

 private:
  static std::optional<std::string> Find(const std::map<std::string, std::string>& map, const std::string& key) {
    const auto it = map.find(key);
    return it == map.end() ? std::nullopt : std::optional<std::string>(it->second);
  }
};

// A phone book whose New adds "Zed" and whose Properties succeed.
class ScriptedPhoneBook final : public DialUpNetwork {
 public:
  std::vector<std::string> entries;
  std::int32_t Entries(std::vector<std::string>& names, std::string&) override {
    names = entries;
    return 0;
  }
  std::int32_t Dial(const std::string&, const std::string&, const std::string&, std::string&) override { return 0; }
  std::int32_t CreateEntry(void*, std::string&) override {
    entries.push_back("Zed");
    return 0;
  }
  std::int32_t EditEntry(void*, const std::string&, std::string&) override { return 0; }
};

class WizardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = SetMessageBoxResponder([this](HWND, const char* text, const char*, UINT type) {
      boxes.push_back({text, type});
      return IDOK;
    });
    services.resolver = &resolver;
    services.dialUp = &phoneBook;
    services.help = [this](const std::string& path, std::int32_t context) {
      helps.push_back(path + "|" + std::to_string(context));
    };
    wizard.SetServices(services);
  }
  void TearDown() override { SetMessageBoxResponder(previous_); }

  // A stored system on the local network.
  static CSystemInfo Stored() {
    CSystemInfo s;
    s.Name = "Main";
    s.Address = "10.0.0.5";
    s.ContactName = "Pat";
    s.Location = "Hall";
    s.Comments = "first floor";
    s.SslLevel = 2;
    s.SslPort = 1636;
    return s;
  }

  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const Box& b : boxes) texts.push_back(b.text);
    return texts;
  }

  CWinApp app{"Flowsmith"};
  ScriptedResolver resolver;
  ScriptedPhoneBook phoneBook;
  WizardServices services;
  CSystemWizard wizard;
  std::vector<Box> boxes;
  std::vector<std::string> helps;

 private:
  TMessageBoxResponder previous_;
};

inline constexpr int kBack = 0x3023;
inline constexpr int kNext = 0x3024;
inline constexpr int kFinish = 0x3025;

inline HWND CurrentPage(HWND sheet) {
  return reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}
inline int PageIndex(HWND sheet) {
  return static_cast<int>(::SendMessageA(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(CurrentPage(sheet)), 0));
}
// A button of the sheet pressed as a click would (the command reaches the sheet).
inline void Press(HWND sheet, int id) {
  ::SendMessageA(sheet, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(sheet, id)));
}
// A button of the current page clicked.
inline void Click(HWND sheet, int id) {
  HWND page = CurrentPage(sheet);
  ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(page, id)));
}
// A radio button of the current page chosen.
inline void Choose(HWND sheet, int first, int last, int id) {
  ::CheckRadioButton(CurrentPage(sheet), first, last, id);
  Click(sheet, id);
}
inline void Type(HWND sheet, int id, const char* text) { ::SetDlgItemTextA(CurrentPage(sheet), id, text); }
inline std::string Text(HWND sheet, int id) { return ControlText(CurrentPage(sheet), id); }
inline bool Usable(HWND window, int id) {
  HWND control = ::GetDlgItem(window, id);
  return control && ::IsWindowVisible(control) && ::IsWindowEnabled(control);
}

}  // namespace setup::testing
