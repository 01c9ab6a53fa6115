// The dialog resource library loads by name, and every dialog template in it makes a
// dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

HMODULE Pane() {
  static HMODULE module = ::LoadLibraryA("zephpane.dll");
  return module;
}

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names) {
  auto* list = reinterpret_cast<std::vector<std::string>*>(names);
  list->push_back(IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name))
                                       : std::string(name));
  return TRUE;
}

LPCSTR ResourceId(const std::string& name) {
  return name[0] == '#' ? MAKEINTRESOURCEA(std::stoi(name.substr(1))) : name.c_str();
}

INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

TEST(Pane, LoadsByNameAndCarriesItsVersion) {
  ASSERT_NE(Pane(), nullptr);
  EXPECT_NE(::FindResourceA(Pane(), MAKEINTRESOURCEA(VS_VERSION_INFO), MAKEINTRESOURCEA(16)),
            nullptr);
}

TEST(Pane, EveryDialogTemplateMakesADialog) {
  ASSERT_NE(Pane(), nullptr);
  std::vector<std::string> names;
  ::EnumResourceNamesA(Pane(), MAKEINTRESOURCEA(5), &CollectName,
                       reinterpret_cast<LONG_PTR>(&names));
  for (const std::string& name : names) {
    HWND dialog = ::CreateDialogParamA(Pane(), ResourceId(name), nullptr, &NoDialogProc, 0);
    EXPECT_NE(dialog, nullptr) << name;
    if (dialog) ::DestroyWindow(dialog);
  }
}

}  // namespace
