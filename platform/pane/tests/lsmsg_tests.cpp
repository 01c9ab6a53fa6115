// The load and save error dialog template: its caption, and each control with the id the
// code binds, its kind and its text.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "lsmsgids.h"

namespace {

INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

std::string TextOf(HWND window) {
  char text[256] = "";
  ::GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string ClassOf(HWND window) {
  char name[64] = "";
  ::GetClassNameA(window, name, sizeof name);
  return name;
}

TEST(PaneLoadSaveMessage, TemplateHasTheCaptionAndControlsTheCodeBinds) {
  HMODULE pane = ::LoadLibraryA("zephpane.dll");
  ASSERT_NE(pane, nullptr);
  HWND dialog = ::CreateDialogParamA(pane, "ULVO_LS_MSG", nullptr, &NoDialogProc, 0);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(TextOf(dialog), "LOAD AND SAVE ERROR");

  struct Control {
    int id;
    const char* text;
    LONG buttonType;  // -1: a static text
  };
  const Control controls[] = {
      {IDOK, "Continue", BS_DEFPUSHBUTTON},
      {IDCANCEL, "Abort", BS_PUSHBUTTON},
      {IDC_LSMSG_HELP, "Help", BS_PUSHBUTTON},
      {IDC_LSMSG_LOGONLY, "Do not display further warnings", BS_AUTOCHECKBOX},
      {IDC_LSMSG_TEXT, "", -1},
  };
  for (const Control& c : controls) {
    HWND control = ::GetDlgItem(dialog, c.id);
    ASSERT_NE(control, nullptr) << c.id;
    EXPECT_EQ(TextOf(control), c.text) << c.id;
    const LONG style = ::GetWindowLongA(control, GWL_STYLE);
    if (c.buttonType < 0) {
      EXPECT_STRCASEEQ(ClassOf(control).c_str(), "Static") << c.id;
    } else {
      EXPECT_STRCASEEQ(ClassOf(control).c_str(), "Button") << c.id;
      EXPECT_EQ(style & BS_TYPEMASK, c.buttonType) << c.id;
    }
  }
  EXPECT_EQ(IDC_LSMSG_HELP, 9);
  ::DestroyWindow(dialog);
  ::FreeLibrary(pane);
}

}  // namespace
