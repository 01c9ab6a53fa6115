// The code-editor window: shows the text, goes to a line, copies the text back, and clears
// the caller's open flag when it closes.
#include <gtest/gtest.h>

#include <string>

#include "scribe/codeeditor.h"

TEST(CodeEditorWindow, ShowsGoesToLineCopiesBackAndClearsTheFlag) {
  std::string text = "first\nsecond\nthird";
  int open = 0;
  void* buffer = nullptr;
  ASSERT_EQ(scribe::_MakeFileWindow(nullptr, "DLL Function Definitions", &text, &open, &buffer, 2), 0);
  ASSERT_NE(buffer, nullptr);
  EXPECT_EQ(open, 1);
  HWND frame = scribe::EditorWindow(buffer);
  char title[64] = {};
  GetWindowTextA(frame, title, sizeof title);
  EXPECT_STREQ(title, "DLL Function Definitions");
  HWND edit = GetWindow(frame, GW_CHILD);
  DWORD start = 0, end = 0;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 7u) << "the caret starts line 2 (after \"first\\r\\n\")";

  scribe::_CGotoLine(buffer, 3);
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 15u);
  EXPECT_EQ(GetFocus(), edit);

  SetWindowTextA(edit, "changed\r\ntext");
  scribe::_CUpdateBuffer(buffer);
  EXPECT_EQ(text, "changed\r\ntext");

  DestroyWindow(frame);
  EXPECT_EQ(open, 0);
  EXPECT_EQ(buffer, nullptr);
}
