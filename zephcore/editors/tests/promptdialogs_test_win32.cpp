// The folder picker and the prompt database dialog under Wine: moves into a folder, to the
// parent and to a drive with the process's current folder left alone, Done's folder and
// Cancel; the database folders read from the variables (missing ones keep the buffer's
// defaults), the closing "\" at Done, a 47-character folder refused, browsing from an edit,
// and the sentence editor's Setup Databases button.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "../../model/tests/modeltest_util.h"
#include "editordialogs_test_util.h"
#include "editors/sentences/promptpaths.h"
#include "editors/sentences/sentlist.h"
#include "editors/win32/pathdialog.h"
#include "editors/win32/promptdialog.h"
#include "editors/win32/sentencedialogs.h"
#include "model/datatypes.h"
#include "pane/promptdbids.h"
#include "pane/sentenceids.h"
#include "sentencetest_util.h"

namespace zeph {
namespace {

std::string CurrentFolder() {
  char text[MAX_PATH] = {};
  ::GetCurrentDirectoryA(MAX_PATH, text);
  return text;
}

std::string FullPath(const std::string& path) {
  char text[MAX_PATH] = {};
  ::GetFullPathNameA(path.c_str(), MAX_PATH, text, nullptr);
  std::string out = text;
  if (out.size() > 3 && out.back() == '\\') out.pop_back();
  return out;
}

bool SameFolder(const std::string& a, const std::string& b) { return ::lstrcmpiA(FullPath(a).c_str(), FullPath(b).c_str()) == 0; }

constexpr int Edit(int database) { return IDC_PRDB_FIRSTEDIT + 2 * database; }
constexpr int Browse(int database) { return IDC_PRDB_FIRSTBROWSE + 2 * database; }

class PromptDialogsTest : public test::EditorDialogsTest {
 protected:
  PromptDialogsTest() {
    InitPromptPathDefaults();
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    root = FullPath(std::string(temp) + "pathpick");
    ::CreateDirectoryA(root.c_str(), nullptr);
    ::CreateDirectoryA((root + "\\sub").c_str(), nullptr);
  }
  ~PromptDialogsTest() override {
    ::RemoveDirectoryA((root + "\\sub").c_str());
    ::RemoveDirectoryA(root.c_str());
    InitPromptPathDefaults();
  }
  static void DoubleClick(HWND d, const char* entry) {
    Select(d, IDC_PATH_LIST, entry);
    ::SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDC_PATH_LIST, LBN_DBLCLK),
                   reinterpret_cast<LPARAM>(::GetDlgItem(d, IDC_PATH_LIST)));
  }
  static bool InList(HWND d, const char* entry) {
    return ::SendDlgItemMessageA(d, IDC_PATH_LIST, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(entry)) >= 0;
  }
  // A symbol table holding only _PR_SYSTEM and _PR_DATABASE9, each a 48-byte text.
  Symbol* Database(SymbolTable& t, const char* name, const char* text) {
    Symbol* s = test::AddVariable(t, name, kTypeString, 0, 48);
    s->Data = std::make_unique<ValueBlockData>(48);
    test::SetVariableText(s, text);
    return s;
  }
  std::string root;
};

TEST_F(PromptDialogsTest, PickerMovesThroughFoldersAndDrivesAndKeepsTheCurrentFolder) {
  const std::string before = CurrentFolder();
  std::string path = root + "\\*.*";
  TPathDialog picker(nullptr, kPathDialogResource, path);
  EXPECT_EQ(Run(picker, [&](HWND d) {
    EXPECT_EQ(Caption(d), "Location of Promtps");
    EXPECT_TRUE(SameFolder(Text(d, IDC_PATH_FOLDER), root)) << Text(d, IDC_PATH_FOLDER);
    EXPECT_TRUE(InList(d, "[sub]"));
    EXPECT_TRUE(InList(d, "[..]"));
    EXPECT_TRUE(InList(d, "[-c-]"));
    SaveWindowPicture(d, "dialog_path");
    DoubleClick(d, "[sub]");
    EXPECT_TRUE(SameFolder(picker.Folder(), root + "\\sub")) << picker.Folder();
    EXPECT_EQ(Text(d, IDC_PATH_FOLDER), picker.Folder());
    EXPECT_EQ(CurrentFolder(), before);
    DoubleClick(d, "[..]");
    EXPECT_TRUE(SameFolder(picker.Folder(), root)) << picker.Folder();
    // A drive entry moves to that drive's current folder: here the process's own.
    DoubleClick(d, "[-c-]");
    EXPECT_TRUE(SameFolder(picker.Folder(), FullPath("c:"))) << picker.Folder();
    EXPECT_EQ(CurrentFolder(), before);
    PostClick(d, IDOK);
  }), IDOK);
  EXPECT_EQ(path, picker.Folder());
  EXPECT_EQ(CurrentFolder(), before);

  std::string kept = root + "\\*.*";
  TPathDialog cancelled(nullptr, kPathDialogResource, kept);
  EXPECT_EQ(Run(cancelled, [&](HWND d) {
    DoubleClick(d, "[sub]");
    PostClick(d, IDCANCEL);
  }), IDCANCEL);
  EXPECT_EQ(kept, root + "\\*.*");
}

TEST_F(PromptDialogsTest, PickerOnAMissingFolderStartsInTheCurrentOne) {
  std::string path = root + "\\missing\\*.*";
  TPathDialog picker(nullptr, kPathDialogResource, path);
  EXPECT_EQ(Run(picker, [&](HWND d) {
    EXPECT_TRUE(SameFolder(Text(d, IDC_PATH_FOLDER), CurrentFolder())) << Text(d, IDC_PATH_FOLDER);
    PostClick(d, IDOK);
  }), IDOK);
  EXPECT_TRUE(SameFolder(path, CurrentFolder()));
}

TEST_F(PromptDialogsTest, DatabaseFoldersFromAndIntoTheVariables) {
  SymbolTable t;
  Symbol* system = Database(t, "_PR_SYSTEM", "C:\\SYS\\");
  Symbol* last = Database(t, "_PR_DATABASE9", "C:\\NINE\\");
  TPromptDialog dialog(nullptr, kPromptDialogResource);
  dialog.SetProgram(&t);
  EXPECT_EQ(Run(dialog, [&](HWND d) {
    EXPECT_EQ(Caption(d), "Setup Prompt Databases");
    // Missing variables keep the defaults.
    EXPECT_EQ(Text(d, Edit(0)), "C:\\SYS\\");
    EXPECT_EQ(Text(d, Edit(1)), "\\VLX\\UVOICE\\");
    for (int i = 2; i < 10; ++i) EXPECT_EQ(Text(d, Edit(i)), "\\VLX\\PRMT\\") << i;
    EXPECT_EQ(Text(d, Edit(10)), "C:\\NINE\\");
    SaveWindowPicture(d, "dialog_prdbs");
    SetText(d, Edit(0), "C:\\PROMPTS");
    SetText(d, Edit(1), "D:\\USER");
    SetText(d, Edit(10), "");
    PostClick(d, IDOK);
  }), IDOK);
  EXPECT_EQ(VariableText(system).value_or("?"), "C:\\PROMPTS\\");
  EXPECT_EQ(VariableText(last).value_or("?"), "");   // an empty folder stays empty
  EXPECT_EQ(PromptPathBuffer()[1], "D:\\USER\\");     // no variable: only the buffer has it
  EXPECT_TRUE(BoxTexts().empty());

  // The buffer keeps the last entries; Cancel writes nothing.
  TPromptDialog again(nullptr, kPromptDialogResource);
  again.SetProgram(&t);
  EXPECT_EQ(Run(again, [&](HWND d) {
    EXPECT_EQ(Text(d, Edit(1)), "D:\\USER\\");
    SetText(d, Edit(0), "E:\\OTHER\\");
    PostClick(d, IDCANCEL);
  }), IDCANCEL);
  EXPECT_EQ(VariableText(system).value_or("?"), "C:\\PROMPTS\\");
}

TEST_F(PromptDialogsTest, AFolderWithNoRoomForItsBackslashIsRefused) {
  SymbolTable t;
  Symbol* system = Database(t, "_PR_SYSTEM", "C:\\SYS\\");
  TPromptDialog dialog(nullptr, kPromptDialogResource);
  dialog.SetProgram(&t);
  const std::string full(47, 'a');
  EXPECT_EQ(Run(dialog, [&](HWND d) {
    SetText(d, Edit(3), full.c_str());
    Command(d, IDOK);
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(d, Edit(3)));
    EXPECT_EQ(Text(d, Edit(3)), full);
    PostClick(d, IDCANCEL);
  }), IDCANCEL);
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                            "The specified directory or file is too long; directories <= 47, files <= 12"}));
  EXPECT_EQ(VariableText(system).value_or("?"), "C:\\SYS\\");
}

TEST_F(PromptDialogsTest, BrowseStartsOnTheEditsFolderAndTakesTheChoice) {
  SymbolTable t;
  Database(t, "_PR_SYSTEM", (root + "\\").c_str());
  TPromptDialog dialog(nullptr, kPromptDialogResource);
  dialog.SetProgram(&t);
  EXPECT_EQ(Run(dialog, [&](HWND d) {
    Command(d, Browse(0), [&](HWND picker) {
      // Started on "<root>\*.*": no doubled backslash, so the root's sub-folders show.
      EXPECT_TRUE(SameFolder(Text(picker, IDC_PATH_FOLDER), root)) << Text(picker, IDC_PATH_FOLDER);
      DoubleClick(picker, "[sub]");
      PostClick(picker, IDOK);
    });
    EXPECT_TRUE(SameFolder(Text(d, Edit(0)), root + "\\sub")) << Text(d, Edit(0));
    Command(d, Browse(1), [&](HWND picker) { PostClick(picker, IDCANCEL); });
    EXPECT_EQ(Text(d, Edit(1)), "\\VLX\\UVOICE\\");
    PostClick(d, IDCANCEL);
  }), IDCANCEL);
}

TEST_F(PromptDialogsTest, SentenceEditorOpensTheDatabaseSetup) {
  Symbol* user = LookupSymbol("_PR_USER", kTypeString, &program.Symbols());
  ASSERT_NE(user, nullptr);
  AddSentence(program, "Greeting", 0);
  int flag = -1;
  VS2 editor(nullptr, kSentEditResource, flag, "Greeting", program);
  EXPECT_EQ(Run(editor, [&](HWND d) {
    Command(d, IDC_VS2_SETUP, [&](HWND setup) {
      EXPECT_EQ(Caption(setup), "Setup Prompt Databases");
      SetText(setup, Edit(1), "C:\\MINE");
      PostClick(setup, IDOK);
    });
    PostClick(d, IDCANCEL);
  }), IDCANCEL);
  EXPECT_EQ(VariableText(user).value_or("?"), "C:\\MINE\\");
}

}  // namespace
}  // namespace zeph
