// The voice file and fax item lists under Wine: browsing (create, edit, delete with their
// description files, the ID refusals) and picking (the current item preselected, a
// double-click choosing, Done without a line), the fax columns and the item buttons of an
// empty list.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "editordialogs_test_util.h"
#include "editors/win32/mediadialogs.h"
#include "foundation/kvreg.h"
#include "foundation/kvvif.h"
#include "model/symtable.h"

namespace fs = std::filesystem;

namespace zeph {
namespace {

class MediaDialogsTest : public test::EditorDialogsTest {
 protected:
  MediaDialogsTest() {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    root = fs::path(temp) / ("media-dialogs-" + std::to_string(::GetCurrentProcessId()) + "-" +
                             std::to_string(::GetTickCount()));
    for (const char* sub : {"Voice", "Fax"}) fs::create_directories(root / sub);
    saved = fs::current_path();
    registry.Set(kKvProductKey, "ProgDir", root.string() + "\\");
    KvSetRegistry(&registry);
  }
  ~MediaDialogsTest() override {
    fs::current_path(saved);
    KvSetRegistry(nullptr);
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  std::string Description(const char* folder, const char* file) const {
    std::ifstream in(root / folder / file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  bool Exists(const char* folder, const char* file) const { return fs::exists(root / folder / file); }
  static std::vector<std::string> Lines(HWND dialog) {
    HWND box = ::GetDlgItem(dialog, kMediaList);
    std::vector<std::string> out;
    const int count = static_cast<int>(::SendMessageA(box, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      std::string text(static_cast<std::size_t>(::SendMessageA(box, LB_GETTEXTLEN, i, 0)) + 1, '\0');
      ::SendMessageA(box, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
      text.resize(text.size() - 1);
      out.push_back(text);
    }
    return out;
  }
  static int Selected(HWND dialog) {
    return static_cast<int>(::SendMessageA(::GetDlgItem(dialog, kMediaList), LB_GETCURSEL, 0, 0));
  }
  static void DoubleClick(HWND dialog) {
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kMediaList, LBN_DBLCLK),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, kMediaList)));
  }
  static void SelectLine(HWND dialog, int at) {
    ::SendMessageA(::GetDlgItem(dialog, kMediaList), LB_SETCURSEL, static_cast<WPARAM>(at), 0);
  }
  // Fills the item dialog and saves it.
  static DialogDriver::Step Fill(const char* id, const char* description) {
    return [=](HWND edit) {
      if (id != nullptr) SetText(edit, kMediaIdEdit, id);
      SetText(edit, kMediaDescriptionEdit, description);
      PostClick(edit, IDOK);
    };
  }
  Symbol* Item(const char* name) { return LookupSymbol(name, kTypeVoiceSentence, &program.Symbols()); }

  fs::path root;
  fs::path saved;
  KvMemoryRegistry registry;
  TGenericForm selection{nullptr, "FAKE"};
};

// Browsing: the list's parent is the program's window.
TEST_F(MediaDialogsTest, BrowsingCreatesEditsAndDeletesItemsWithTheirDescriptions) {
  TWindow owner(::CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
  TProgram browsing(owner.HWindow, nullptr);
  selection.Request().NoSelectionNeeded = 1;
  TVFList list(&owner, kVoiceFileListResource, selection);
  EXPECT_EQ(Run(list, [&](HWND d) {
    EXPECT_EQ(Caption(d), "Voice File List");
    EXPECT_EQ(Text(d, IDOK), "Select");
    EXPECT_FALSE(Enabled(d, kMediaEdit));
    EXPECT_FALSE(Enabled(d, kMediaDelete));
    Command(d, kMediaCreate, [&](HWND edit) {
      EXPECT_EQ(Caption(edit), "Create Voice File");
      EXPECT_EQ(Text(edit, kMediaRecordedEdit), "No");
      SetText(edit, kMediaIdEdit, "");
      ::SendMessageA(edit, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
      SetText(edit, kMediaIdEdit, "12a");
      ::SendMessageA(edit, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
      EXPECT_NE(::IsWindow(edit), FALSE);
      Fill("0042", "Welcome to the line")(edit);
    });
    Command(d, kMediaCreate, Fill("7", "Goodbye"));
    Command(d, kMediaCreate, Fill("'9", "Hold music"));
    EXPECT_EQ(Lines(d), (std::vector<std::string>{"0042\tWelcome to the line\tNo", "7\tGoodbye\tNo",
                                                   "9\tHold music\tNo"}));
    EXPECT_EQ(Selected(d), 2);
    EXPECT_TRUE(Enabled(d, kMediaEdit));
    SaveWindowPicture(d, "ulvo_voice_file");

    // A double-click while browsing edits the line: the ID is shown and cannot change.
    SelectLine(d, 1);
    bool edited = false;
    DialogDriver editing([&](HWND shown) {
      HWND edit = shown;
      if (edit == d) PumpUntil([&] { edit = ::GetActiveWindow(); return edit != d && edit != nullptr; });
      edited = edit != d;
      EXPECT_EQ(Caption(edit), "Edit Voice File");
      EXPECT_EQ(Text(edit, kMediaIdEdit), "7");
      EXPECT_FALSE(Enabled(edit, kMediaIdEdit));
      EXPECT_EQ(Text(edit, kMediaDescriptionEdit), "Goodbye");
      Fill(nullptr, "Goodbye and thanks")(edit);
    });
    DoubleClick(d);
    EXPECT_TRUE(edited);
    EXPECT_EQ(Lines(d)[1], "7\tGoodbye and thanks\tNo");

    // Deleting the middle line removes exactly that item and its description.
    SelectLine(d, 1);
    faults.presenter.Answer(IDCANCEL);
    Command(d, kMediaDelete);
    EXPECT_EQ(Lines(d).size(), 3u);
    faults.presenter.Answer(IDOK);
    Command(d, kMediaDelete);
    EXPECT_EQ(Lines(d), (std::vector<std::string>{"0042\tWelcome to the line\tNo", "9\tHold music\tNo"}));
    EXPECT_EQ(Selected(d), 0);
    PostClick(d, IDOK);
  }), IDOK);
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"ID must not be blank.", "ID must be numeric.",
                                                   "Are you sure you want to delete 7?",
                                                   "Are you sure you want to delete 7?"}));
  EXPECT_EQ(selection.Request().Chosen, nullptr);
  ASSERT_NE(LookupSymbol("v0042", kTypeVoiceSentence, &browsing.Symbols()), nullptr);
  EXPECT_EQ(LookupSymbol("v7", kTypeVoiceSentence, &browsing.Symbols()), nullptr);
  EXPECT_NE(Description("Voice", "v0042.dsc").find("Welcome to the line"), std::string::npos);
  EXPECT_FALSE(Exists("Voice", "v7.dsc"));
  EXPECT_TRUE(Exists("Voice", "v9.dsc"));
  ::DestroyWindow(owner.HWindow);
}

TEST_F(MediaDialogsTest, FaxListShowsItsColumnsAndEnablesItsButtonsOnceAnItemExists) {
  selection.Request().NoSelectionNeeded = 1;
  TVFList list(nullptr, kFaxItemListResource, selection);
  Run(list, [&](HWND d) {
    EXPECT_EQ(Caption(d), "Fax Item List");
    EXPECT_FALSE(Enabled(d, kMediaEdit));
    EXPECT_FALSE(Enabled(d, kMediaDelete));
    Command(d, kMediaCreate, [&](HWND edit) {
      EXPECT_EQ(Caption(edit), "Create Fax Item");
      EXPECT_EQ(Text(edit, kMediaImportedEdit), "No");
      SaveWindowPicture(edit, "ulvo_fi_edit");
      Fill("310", "Price list")(edit);
    });
    EXPECT_EQ(Lines(d), std::vector<std::string>{"310\tPrice list\tNo\tNo"});
    EXPECT_TRUE(Enabled(d, kMediaEdit));
    EXPECT_TRUE(Enabled(d, kMediaDelete));
    PostClick(d, IDOK);
  });
  EXPECT_NE(Item("f310"), nullptr);
  EXPECT_NE(Description("Fax", "f310.dsc").find("Price list"), std::string::npos);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
}

// Picking: the current item is selected, Done needs a line, a double-click chooses.
TEST_F(MediaDialogsTest, PickingPreselectsTheCurrentItemAndChoosesByDoubleClick) {
  Symbol* first = nullptr;
  Symbol* second = nullptr;
  ASSERT_EQ(program.AddNamedSymbol(&first, "v12", kTypeVoiceSentence, 1, 1, 0, false), 0);
  ASSERT_EQ(program.AddNamedSymbol(&second, "v120", kTypeVoiceSentence, 1, 1, 0, false), 0);
  Symbol* fax = nullptr;
  ASSERT_EQ(program.AddNamedSymbol(&fax, "f12", kTypeVoiceSentence, 1, 1, 0, false), 0);
  selection.Request().Chosen = second;
  TVFList list(nullptr, kVoiceFileListResource, selection);
  EXPECT_EQ(Run(list, [&](HWND d) {
    EXPECT_EQ(Text(d, IDOK), "Done");
    ASSERT_EQ(Lines(d).size(), 2u);   // the fax item is not listed
    EXPECT_EQ(Lines(d)[static_cast<std::size_t>(Selected(d))], "120\t\tNo");
    SelectLine(d, -1);
    ::SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_NE(::IsWindow(d), FALSE);
    SelectLine(d, Lines(d)[0] == "12\t\tNo" ? 0 : 1);
    DoubleClick(d);
  }), IDOK);
  EXPECT_EQ(selection.Request().Chosen, first);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{kNoItemSelectedText});
}

TEST_F(MediaDialogsTest, AUsedItemIsNotDeleted) {
  Symbol* used = nullptr;
  ASSERT_EQ(program.AddNamedSymbol(&used, "v5", kTypeVoiceSentence, 1, 1, 0, false), 0);
  used->RefCnt = 1;
  selection.Request().NoSelectionNeeded = 1;
  TVFList list(nullptr, kVoiceFileListResource, selection);
  Run(list, [&](HWND d) {
    Command(d, kMediaDelete);
    EXPECT_EQ(Lines(d).size(), 1u);
    PostClick(d, IDCANCEL);
  });
  EXPECT_EQ(Item("v5"), used);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Can not delete this Voice Sentence because it is in use"});
}

}  // namespace
}  // namespace zeph
