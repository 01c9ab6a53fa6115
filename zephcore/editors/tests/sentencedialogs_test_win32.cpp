// The voice sentence dialogs under Wine: the list (page filter, parameter mark, add with
// the name entry and the editor, edit of a parameter, delete, rename, copy, paste of the
// wrong kind, search, comments) and the editor (captions, type box with user types,
// enabling by kind, insert and replace at the end line, delete, next number, generated
// comments, Record/Listen's message, Done's questions and Cancel).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "editordialogs_test_util.h"
#include "editors/sentences/kinds.h"
#include "editors/sentences/sentlist.h"
#include "editors/sentences/usertypes.h"
#include "editors/variables/clipcommands.h"
#include "editors/variables/scopes.h"
#include "editors/win32/sentencedialogs.h"
#include "model/promptnumbers.h"
#include "model/superblk.h"
#include "pane/sentenceids.h"
#include "sentencetest_util.h"

namespace zeph {
namespace {

class SentenceDialogsTest : public test::EditorDialogsTest {
 protected:
  SentenceDialogsTest() { VS2ResetKindNumbers(); }
  ~SentenceDialogsTest() override {
    FreeUserDefIni();
    VS2ResetKindNumbers();
  }
  Symbol* Sentence(const char* name, int scope = kScopeGlobal, std::vector<SentenceComponent*> phrases = {}) {
    Symbol* s = AddSentence(program, name, scope);
    SentenceComponent* head = nullptr;
    int n = 0;
    for (SentenceComponent* c : phrases) InsertComponentAt(n++, &head, c);
    *SentenceComponents(s) = head;
    return s;
  }
  Symbol* Page(const char* name) {
    Symbol* page = nullptr;
    EXPECT_EQ(program.AddNamedSymbol(&page, name, kTypeSuperBlock, 1, 1, 1, false, 1), 0);
    return page;
  }
  static std::vector<std::string> Lines(HWND dialog, int id) {
    std::vector<std::string> out;
    HWND list = ::GetDlgItem(dialog, id);
    const int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      std::vector<char> text(static_cast<std::size_t>(::SendMessageA(list, LB_GETTEXTLEN, i, 0)) + 1);
      ::SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
      out.push_back(text.data());
    }
    return out;
  }
  static std::vector<std::string> ComboItems(HWND dialog, int id) {
    std::vector<std::string> out;
    HWND box = ::GetDlgItem(dialog, id);
    const int count = static_cast<int>(::SendMessageA(box, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char text[256] = {};
      ::SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
      out.push_back(text);
    }
    return out;
  }
  static void Choose(HWND dialog, int id, const char* text) {
    HWND box = ::GetDlgItem(dialog, id);
    const LRESULT at = ::SendMessageA(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
    ASSERT_GE(at, 0) << text;
    ::SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
  }
  static void SelectLine(HWND dialog, int id, int index) {
    HWND box = ::GetDlgItem(dialog, id);
    ::SendMessageA(box, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
  }
  static std::string SelectedLine(HWND dialog, int id) {
    HWND list = ::GetDlgItem(dialog, id);
    const LRESULT at = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (at < 0) return std::string();
    char text[256] = {};
    ::SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(text));
    return text;
  }
  // An editor that records the names it was opened on and answers the flag.
  SentenceEditorOpener Editor(int flag) {
    return [this, flag](TWindow*, const std::string& name, TProgram&) {
      edited.push_back(name);
      return flag;
    };
  }
  std::vector<std::string> edited;
};

TEST_F(SentenceDialogsTest, ListFollowsThePageAndMarksParameters) {
  Symbol* sub = Page("Sub");
  Sentence("Welcome");
  Sentence("Sub$Prm", kScopeParameter);
  Sentence("Other$Greeting", kScopeLocal);
  program.SetCurrentPage(sub);
  PickRequest form;
  form.Chosen = LookupSymbol("Welcome", kTypeVoiceSentence, &program.Symbols());
  TSent list(nullptr, kSentListResource, form, program, Editor(1));
  EXPECT_EQ(Run(list, [&](HWND d) {
    EXPECT_EQ(Caption(d), "Voice Sentence / ( Welcome )");
    EXPECT_EQ(Lines(d, IDC_SENT_LIST), (std::vector<std::string>{"Sub$Prm\t[Parameter]", "Welcome"}));
    EXPECT_EQ(SelectedLine(d, IDC_SENT_LIST), "Welcome");   // the current sentence is selected
    Select(d, IDC_SENT_LIST, "Sub$Prm");
    Command(d, IDC_SENT_EDIT);   // a parameter is not edited
    SaveWindowPicture(d, "dialog_vs_vs1");
    PostClick(d, IDOK);
  }), IDOK);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"You can not set up this structure or symbol type"});
  EXPECT_TRUE(edited.empty());
  ASSERT_NE(form.Chosen, nullptr);
  EXPECT_STREQ(form.Chosen->Name, "Sub$Prm");
}

TEST_F(SentenceDialogsTest, AddThroughTheNameEntryAndAnEmptyEditorRemovesIt) {
  PickRequest form;
  TSent list(nullptr, kSentListResource, form, program, Editor(0));
  EXPECT_EQ(Run(list, [&](HWND d) {
    EXPECT_EQ(Caption(d), "Voice Sentence Select");
    EXPECT_FALSE(Enabled(d, IDC_SENT_EDIT));
    Command(d, IDC_SENT_ADD, [&](HWND entry) {
      EXPECT_EQ(Caption(entry), "Create Voice Sentence");
      EXPECT_FALSE(Enabled(entry, IDC_SENTNAME_LOCAL));   // the main page has no locals
      EXPECT_FALSE(Enabled(entry, IDC_SENTNAME_PARAMETER));
      SaveWindowPicture(entry, "dialog_sentname");
      SetText(entry, IDC_SENTNAME_NAME, "Hello");
      PostClick(entry, IDOK);
    });
    EXPECT_TRUE(Lines(d, IDC_SENT_LIST).empty());   // the editor left it empty
    PostClick(d, IDCANCEL);
  }), IDCANCEL);
  EXPECT_EQ(edited, std::vector<std::string>{"Hello"});
  EXPECT_EQ(FindSentence(program, "Hello"), nullptr);
}

TEST_F(SentenceDialogsTest, CommandsAndTheirMessages) {
  SymbolTable& t = program.Symbols();
  Sentence("Alpha", kScopeGlobal, {test::Phrase(t, 0, "_PR_USER", "1", false, "first comment")});
  Sentence("Beta")->RefCnt = 1;
  PickRequest form;
  TSent list(nullptr, kSentListResource, form, program, Editor(1));
  faults.presenter.Answer(IDOK);   // Delete Alpha ?
  EXPECT_EQ(Run(list, [&](HWND d) {
    EXPECT_EQ(Text(d, IDC_SENT_COMMENTS), "first comment\r\n");
    Select(d, IDC_SENT_LIST, "Beta");
    EXPECT_EQ(Text(d, IDC_SENT_COMMENTS), "");
    Command(d, IDC_SENT_DELETE);   // in use
    Command(d, IDC_SENT_EDIT);
    EXPECT_EQ(edited, std::vector<std::string>{"Beta"});
    // Rename through the name entry in renaming mode.
    Command(d, IDC_SENT_RENAME, [&](HWND entry) {
      EXPECT_EQ(Caption(entry), "Renaming Beta.");
      EXPECT_FALSE(Enabled(entry, IDC_SENTNAME_GLOBAL));
      SetText(entry, IDC_SENTNAME_NAME, "Gamma");
      PostClick(entry, IDOK);
    });
    EXPECT_EQ(Lines(d, IDC_SENT_LIST), (std::vector<std::string>{"Alpha", "Gamma"}));
    EXPECT_EQ(SelectedLine(d, IDC_SENT_LIST), "Gamma");
    Select(d, IDC_SENT_LIST, "Alpha");
    Command(d, IDC_SENT_COPY);
    SetText(d, IDC_SENT_SEARCHTEXT, "COMMENT");
    Command(d, IDC_SENT_SEARCH);
    EXPECT_EQ(Lines(d, IDC_SENT_LIST), std::vector<std::string>{"Alpha"});
    Command(d, IDC_SENT_DELETE);
    EXPECT_TRUE(Lines(d, IDC_SENT_LIST) == std::vector<std::string>{"Gamma"});
    PostClick(d, IDCANCEL);
  }), IDCANCEL);
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Can not delete this Voice Sentence because it is in use",
                                                  "Delete Alpha ?"}));
  EXPECT_EQ(TheClipboard().Mode, 3);
  EXPECT_NE(FindSentence(program, "Gamma"), nullptr);
}

TEST_F(SentenceDialogsTest, PasteOfAnotherKindAndDoneWithoutSelection) {
  Symbol* v = Var("Count", kTypeInteger);
  ASSERT_TRUE(CopyVariable(TheClipboard(), *v, program));
  PickRequest form;
  TSent list(nullptr, kSentListResource, form, program, Editor(1));
  EXPECT_EQ(Run(list, [&](HWND d) {
    Command(d, IDC_SENT_PASTE);
    PostClick(d, IDOK);     // nothing listed: -119 and the list stays
    PostClick(d, IDCANCEL);
  }), IDCANCEL);
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"The Last Cut/Copy Operation Was Not A Voice Sentence!",
                                                  "No Voice Sentence selected"}));
}

TEST_F(SentenceDialogsTest, EditorBuildsTheSentence) {
  test::MapIni ini;
  ini.Type(1, "Spanish Number", 7);
  ini.Set("User Defined Media 2", "Fax");
  ini.Type(2, "Fax Page", 8);
  LoadUserDefIni(ini);
  Var("Amount", kTypeInteger);
  // USER's folder is a fresh temporary folder that already holds a prompt 1006.
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "vs2prompts\\";
  ::CreateDirectoryA(folder.c_str(), nullptr);
  ::DeleteFileA((folder + "1005.dsc").c_str());
  ::CloseHandle(::CreateFileA((folder + "1006").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  test::SetVariableText(LookupSymbol("_PR_USER", kTypeString, &program.Symbols()), folder.c_str());
  Symbol* s = Sentence("Greeting");
  int flag = -1;
  VS2 editor(nullptr, kSentEditResource, flag, "Greeting", program);
  EXPECT_EQ(Run(editor, [&](HWND d) {
    EXPECT_EQ(Caption(d), "Voice Sentence / Greeting");
    const std::vector<std::string> types = ComboItems(d, IDC_VS2_TYPE);
    ASSERT_EQ(types.size(), 21u);   // 20 built-in kinds and the one voice user type
    EXPECT_EQ(types.back(), "Spanish Number");
    EXPECT_EQ(Text(d, IDC_VS2_TYPE), "Recording");
    EXPECT_EQ(Text(d, IDC_VS2_DATABASE), "USER");
    EXPECT_TRUE(Enabled(d, IDC_VS2_NEXT));
    EXPECT_FALSE(Enabled(d, IDC_VS2_DELETE));
    // Enabling by kind.
    Choose(d, IDC_VS2_TYPE, "Text to Speech Comment");
    EXPECT_FALSE(Enabled(d, IDC_VS2_DATABASE));
    EXPECT_FALSE(Enabled(d, IDC_VS2_PROMPT));
    EXPECT_EQ(Text(d, IDC_VS2_PROMPT), "'Use Comment");
    Choose(d, IDC_VS2_TYPE, "Integer");
    EXPECT_TRUE(Enabled(d, IDC_VS2_DATABASE));
    EXPECT_FALSE(Enabled(d, IDC_VS2_FILES));
    EXPECT_EQ(Text(d, IDC_VS2_DATABASE), "SYSTEM");   // the number kinds' default
    // Insert a recording 1005 at the end line; Next Number proposes 1006.
    Choose(d, IDC_VS2_TYPE, "Recording");
    EXPECT_EQ(Text(d, IDC_VS2_DATABASE), "USER");
    SetText(d, IDC_VS2_PROMPT, "1005");
    Command(d, IDC_VS2_GENERATE);
    EXPECT_EQ(Text(d, IDC_VS2_COMMENT), "<Play speech from Database \"USER\" in File \"1005\">");
    Command(d, IDC_VS2_INSERT);
    EXPECT_EQ(Lines(d, IDC_VS2_LIST).size(), 2u);
    EXPECT_EQ(Text(d, IDC_VS2_PROMPT), "");
    EXPECT_EQ(Text(d, IDC_VS2_COMMENT), "");
    Command(d, IDC_VS2_NEXT);
    EXPECT_EQ(Text(d, IDC_VS2_PROMPT), "1007");   // 1006 exists
    // An invalid prompt is refused and changes nothing.
    SetText(d, IDC_VS2_PROMPT, "abc");
    Command(d, IDC_VS2_INSERT);
    EXPECT_EQ(Lines(d, IDC_VS2_LIST).size(), 2u);
    // Replace with the end line selected inserts at the end.
    Choose(d, IDC_VS2_TYPE, "Integer");
    SetText(d, IDC_VS2_PROMPT, "Amount");
    Command(d, IDC_VS2_REPLACE);
    const std::vector<std::string> lines = Lines(d, IDC_VS2_LIST);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].rfind("Integer\tSYSTEM\tAmount", 0), 0u) << lines[1];
    SelectLine(d, IDC_VS2_LIST, 0);
    EXPECT_TRUE(Enabled(d, IDC_VS2_DELETE));
    EXPECT_EQ(Text(d, IDC_VS2_TYPE), "Recording");
    EXPECT_EQ(Text(d, IDC_VS2_PROMPT), "1005");
    SaveWindowPicture(d, "dialog_vs_vs2");
    SelectLine(d, IDC_VS2_LIST, 1);
    Command(d, IDC_VS2_DELETE);
    EXPECT_EQ(Lines(d, IDC_VS2_LIST).size(), 2u);
    SetText(d, IDC_VS2_PROMPT, "'abc");
    Command(d, IDC_VS2_RECORD);
    EXPECT_EQ(SentenceComponents(s) != nullptr ? *SentenceComponents(s) : nullptr, nullptr);   // not yet
    PostClick(d, IDOK);
  }), IDOK);
  EXPECT_EQ(flag, 1);
  EXPECT_EQ(RememberedPromptNumber(1), 1005u);
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Prompt specification is invalid or does not exist",
                                                  "Please choose a valid number for this prompt."}));
  ASSERT_NE(*SentenceComponents(s), nullptr);
  EXPECT_EQ((*SentenceComponents(s))->Kind, 0);
  EXPECT_EQ((*SentenceComponents(s))->Next, nullptr);
  // Insert wrote the comment beside the prompt.
  char description[128] = {};
  HANDLE file = ::CreateFileA((folder + "1005.dsc").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD read = 0;
  ::ReadFile(file, description, sizeof description - 1, &read, nullptr);
  ::CloseHandle(file);
  EXPECT_STREQ(description, "<Play speech from Database \"USER\" in File \"1005\">");
  ::DeleteFileA((folder + "1005.dsc").c_str());
  ::DeleteFileA((folder + "1006").c_str());
  ::RemoveDirectoryA(folder.c_str());
}

TEST_F(SentenceDialogsTest, EditorDoneQuestionsAndCancel) {
  SymbolTable& t = program.Symbols();
  Symbol* s = Sentence("Used", kScopeGlobal, {test::Phrase(t, 0, "_PR_USER", "1")});
  s->RefCnt = 1;
  int flag = -1;
  VS2 editor(nullptr, kSentEditResource, flag, "Used", program);
  EXPECT_EQ(Run(editor, [&](HWND d) {
    SelectLine(d, IDC_VS2_LIST, 0);
    Command(d, IDC_VS2_DELETE);
    PostClick(d, IDOK);       // -133: stays open
    PostClick(d, IDCANCEL);
  }), IDCANCEL);
  EXPECT_EQ(flag, 1);         // the sentence kept its phrase
  ASSERT_NE(*SentenceComponents(s), nullptr);
  ASSERT_EQ(BoxTexts().size(), 1u);
  EXPECT_EQ(BoxTexts()[0].rfind("Can not exit from an empty Voice Sentence", 0), 0u);

  Symbol* empty = Sentence("Empty");
  int emptyFlag = -1;
  VS2 second(nullptr, kSentEditResource, emptyFlag, "Empty", program);
  faults.presenter.Answer(IDNO);
  faults.presenter.Answer(IDYES);
  EXPECT_EQ(Run(second, [&](HWND d) {
    EXPECT_EQ(Caption(d), "Voice Sentence / Empty");
    PostClick(d, IDOK);   // No: stays
    PostClick(d, IDOK);   // Yes: closes empty
  }), IDOK);
  EXPECT_EQ(emptyFlag, 0);
  EXPECT_EQ(*SentenceComponents(empty), nullptr);
}

}  // namespace
}  // namespace zeph
