// The file descriptions dialog under Wine: both listing passes, the description written
// or deleted when the edit loses the focus, Done without a selection, Done's result, and a
// folder that does not exist.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "editordialogs_test_util.h"
#include "editors/sentences/descriptions.h"
#include "editors/win32/viewdesc.h"
#include "pane/sentenceids.h"

namespace zeph {
namespace {

class ViewDescTest : public test::EditorDialogsTest {
 protected:
  ViewDescTest() {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    folder = std::string(temp) + "viewdesc";
    ::CreateDirectoryA(folder.c_str(), nullptr);
  }
  ~ViewDescTest() override {
    for (const char* name : {"100", "100.DSC", "200.DSC", "300"}) ::DeleteFileA((folder + "\\" + name).c_str());
    ::RemoveDirectoryA(folder.c_str());
  }
  void Write(const char* name, const std::string& text) {
    HANDLE f = ::CreateFileA((folder + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    ::CloseHandle(f);
  }
  bool Exists(const char* name) { return ::GetFileAttributesA((folder + "\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES; }
  static std::vector<std::string> Lines(HWND d) {
    std::vector<std::string> out;
    HWND list = ::GetDlgItem(d, IDC_VIEWDESC_LIST);
    const int n = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
      char text[256] = {};
      ::SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
      out.push_back(text);
    }
    return out;
  }
  static void LeaveEdit(HWND d) {
    ::SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDC_VIEWDESC_TEXT, EN_KILLFOCUS),
                   reinterpret_cast<LPARAM>(::GetDlgItem(d, IDC_VIEWDESC_TEXT)));
  }
  std::string folder;
};

TEST_F(ViewDescTest, ListsWritesDeletesAndReturnsTheChoice) {
  Write("100", "voice");
  Write("100.DSC", "Welcome\r\nmore");
  Write("200.DSC", "Described only");
  Write("300", "voice");
  std::string result = "stale";
  ViewDesc dialog(nullptr, kViewDescResource, folder, kDescriptionExtension, result, 502);
  EXPECT_EQ(result, "");
  EXPECT_EQ(Run(dialog, [&](HWND d) {
    char caption[MAX_PATH + 32] = {};
    ::GetWindowTextA(d, caption, sizeof caption);
    EXPECT_EQ(std::string(caption), "File Descriptions / " + folder);
    EXPECT_EQ(Lines(d), (std::vector<std::string>{"100\tWelcome", "200\tDescribed only", "300\t"}));
    EXPECT_EQ(Text(d, IDC_VIEWDESC_TEXT), "Welcome\r\nmore");   // the first line is selected
    SaveWindowPicture(d, "dialog_viewdesc");
    // A new description for 300 is written when the edit loses the focus.
    Select(d, IDC_VIEWDESC_LIST, "300");
    SetText(d, IDC_VIEWDESC_TEXT, "Goodbye");
    LeaveEdit(d);
    EXPECT_EQ(ReadDescriptionText(folder + "\\300.DSC", 501), "Goodbye");
    EXPECT_EQ(Lines(d)[2], "300\tGoodbye");
    // Clearing 100's description deletes its file.
    Select(d, IDC_VIEWDESC_LIST, "100");
    SetText(d, IDC_VIEWDESC_TEXT, "");
    LeaveEdit(d);
    EXPECT_FALSE(Exists("100.DSC"));
    Select(d, IDC_VIEWDESC_LIST, "300");
    PostClick(d, IDOK);
  }), IDOK);
  EXPECT_EQ(result, "300\tGoodbye");
  ::DeleteFileA((folder + "\\300.DSC").c_str());
}

TEST_F(ViewDescTest, DoneWithoutSelectionAndAMissingFolder) {
  std::string result;
  ViewDesc dialog(nullptr, kViewDescResource, folder + "\\missing", kDescriptionExtension, result, 502);
  EXPECT_EQ(Run(dialog, [&](HWND d) {
    EXPECT_TRUE(Lines(d).empty());
    PostClick(d, IDOK);      // nothing selected: stays
    PostClick(d, IDCANCEL);
  }), IDCANCEL);
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"The specified directory or file is invalid", "No File Selected"}));
  EXPECT_EQ(result, "");
}

}  // namespace
}  // namespace zeph
