// The voice sentence list and its name entry.
#include "editors/win32/sentencedialogs.h"

#include <vector>

#include "editors/sentences/sentlist.h"
#include "editors/variables/clipcommands.h"
#include "editors/variables/scopes.h"
#include "editors/win32/stopbox.h"
#include "model/datatypes.h"
#include "model/program/program.h"
#include "programfile/clipboard/clipboard.h"
#include "pane/sentenceids.h"

namespace zeph {
namespace {

constexpr int kSentenceTabStop = 146;
constexpr int kSearchLimit = 128;
constexpr int kEnteredNameLimit = 31;

std::string ItemText(HWND dialog, int id) {
  char text[512] = {};
  ::GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

std::string AfterDollar(const std::string& name) {
  const std::size_t dollar = name.find('$');
  return dollar != std::string::npos ? name.substr(dollar + 1) : name;
}

}  // namespace

// ---- TSentName ----------------------------------------------------------------------

TSentName::TSentName(TWindow* parent, const char* resource, int& scope, bool renaming, std::string& name,
                     const std::string& caption, const std::string& oldName, TProgram& program)
    : TBaseDialog(parent, resource),
      scope_(scope),
      renaming_(renaming),
      name_(name),
      caption_(caption),
      oldName_(oldName),
      program_(program) {}

void TSentName::SetupWindow() {
  TBaseDialog::SetupWindow();
  ::SendDlgItemMessageA(HWindow, IDC_SENTNAME_NAME, EM_LIMITTEXT, kEnteredNameLimit, 0);
  const int radio = scope_ == kScopeLocal       ? IDC_SENTNAME_LOCAL
                    : scope_ == kScopeParameter ? IDC_SENTNAME_PARAMETER
                                                : IDC_SENTNAME_GLOBAL;
  ::CheckDlgButton(HWindow, radio, BST_CHECKED);
  const bool mainPage = program_.Symbols().NamesUnqualified != 0;
  if (mainPage || renaming_) {
    ::EnableWindow(::GetDlgItem(HWindow, IDC_SENTNAME_LOCAL), FALSE);
    ::EnableWindow(::GetDlgItem(HWindow, IDC_SENTNAME_PARAMETER), FALSE);
  }
  if (renaming_) ::EnableWindow(::GetDlgItem(HWindow, IDC_SENTNAME_GLOBAL), FALSE);
  if (!caption_.empty()) ::SetWindowTextA(HWindow, caption_.c_str());
}

bool TSentName::CanClose() {
  const std::string entered = ItemText(HWindow, IDC_SENTNAME_NAME).substr(0, kEnteredNameLimit);
  int scope = kScopeGlobal;
  if (::IsDlgButtonChecked(HWindow, IDC_SENTNAME_LOCAL) == BST_CHECKED) scope = kScopeLocal;
  if (::IsDlgButtonChecked(HWindow, IDC_SENTNAME_PARAMETER) == BST_CHECKED) scope = kScopeParameter;
  std::string full;
  const std::string refusal = AcceptSentenceName(program_, entered, scope, renaming_, oldName_, full);
  if (!refusal.empty()) {
    ShowStopBox(HWindow, refusal);
    return false;
  }
  scope_ = scope;
  name_ = full;
  return true;
}

// ---- TSent --------------------------------------------------------------------------

DEFINE_RESPONSE_TABLE(TSent, TBaseDialog)
  EV_LBN_SELCHANGE(IDC_SENT_LIST, ShowComments),
  EV_LBN_DBLCLK(IDC_SENT_LIST, EvDoubleClick),
  EV_BN_CLICKED(IDC_SENT_ADD, EvAdd),
  EV_BN_CLICKED(IDC_SENT_EDIT, EvEdit),
  EV_BN_CLICKED(IDC_SENT_DELETE, EvDelete),
  EV_BN_CLICKED(IDC_SENT_RENAME, EvRename),
  EV_BN_CLICKED(IDC_SENT_COPY, EvCopy),
  EV_BN_CLICKED(IDC_SENT_PASTE, EvPaste),
  EV_BN_CLICKED(IDC_SENT_SEARCH, EvSearch),
END_RESPONSE_TABLE;

TSent::TSent(TWindow* parent, const char* resource, PickRequest& form, TProgram& program,
             SentenceEditorOpener editor)
    : TBaseDialog(parent, resource), form_(form), program_(program), editor_(std::move(editor)) {
  SetHelpName("Voice Sentence Select");
}

void TSent::SetupWindow() {
  TBaseDialog::SetupWindow();
  const std::string current = form_.Chosen != nullptr ? form_.Chosen->Name : "";
  const std::string caption = current.empty() ? "Voice Sentence Select" : "Voice Sentence / ( " + current + " )";
  ::SetWindowTextA(HWindow, caption.c_str());
  const int tab = kSentenceTabStop;
  ::SendDlgItemMessageA(HWindow, IDC_SENT_LIST, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tab));
  ::SendDlgItemMessageA(HWindow, IDC_SENT_SEARCHTEXT, EM_LIMITTEXT, kSearchLimit, 0);
  FillList(current);
  ::SetFocus(::GetDlgItem(HWindow, IDC_SENT_LIST));
}

void TSent::FillList(const std::string& select) {
  HWND list = ::GetDlgItem(HWindow, IDC_SENT_LIST);
  ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& line : SentenceListLines(program_)) {
    ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  }
  if (!select.empty()) {
    std::vector<std::string> lines;
    const int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char text[256] = {};
      ::SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
      lines.push_back(text);
    }
    const int at = FindSentenceLine(lines, select);
    if (at >= 0) ::SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
  }
  SelectFirstOrDisable();
  ShowComments();
}

void TSent::SelectFirstOrDisable() {
  HWND list = ::GetDlgItem(HWindow, IDC_SENT_LIST);
  const int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
  if (::SendMessageA(list, LB_GETCURSEL, 0, 0) < 0 && count > 0) ::SendMessageA(list, LB_SETCURSEL, 0, 0);
  EnableCommands(count > 0);
}

void TSent::EnableCommands(bool on) {
  for (int id : {IDC_SENT_RENAME, IDC_SENT_DELETE, IDC_SENT_EDIT}) ::EnableWindow(::GetDlgItem(HWindow, id), on);
}

std::string TSent::SelectedLine() const {
  HWND list = ::GetDlgItem(HWindow, IDC_SENT_LIST);
  const LRESULT at = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (at < 0) return std::string();
  std::vector<char> text(static_cast<std::size_t>(::SendMessageA(list, LB_GETTEXTLEN, at, 0)) + 1);
  ::SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(text.data()));
  return text.data();
}

void TSent::ShowComments() {
  const std::string line = SelectedLine();
  Symbol* s = line.empty() ? nullptr : FindSentence(program_, LineFirstWord(line));
  const std::string text = s != nullptr ? SentenceComments(*s) : std::string();
  ::SetDlgItemTextA(HWindow, IDC_SENT_COMMENTS, text.c_str());
}

void TSent::EvAdd() {
  int scope = kScopeGlobal;
  std::string name;
  TSentName entry(this, kSentNameResource, scope, false, name, "", "", program_);
  if (entry.Execute() != IDOK) return;
  Symbol* s = AddSentence(program_, name, scope);
  if (s == nullptr) return;
  FillList(name);
  if (scope != kScopeParameter && editor_ && editor_(this, name, program_) == 0) {
    RemoveEmptySentence(program_, name);
    FillList("");
  }
  EnableCommands(true);
  SelectFirstOrDisable();
  ShowComments();
}

void TSent::EvEdit() {
  const std::string line = SelectedLine();
  if (line.empty()) {
    ShowSentenceCode(-119);
    return;
  }
  const std::string name = LineFirstWord(line);
  Symbol* s = FindSentence(program_, name);
  if (s != nullptr && s->Scope == kScopeParameter) {
    ShowSentenceCode(-138);
    return;
  }
  if (editor_ && editor_(this, name, program_) == 0) {
    RemoveEmptySentence(program_, name);
    FillList("");
    return;
  }
  ShowComments();
}

void TSent::EvDelete() {
  const std::string line = SelectedLine();
  if (line.empty()) {
    ShowSentenceCode(-119);
    return;
  }
  if (DeleteSentence(program_, LineNameToTab(line))) FillList("");
  ShowComments();
}

void TSent::EvRename() {
  const std::string line = SelectedLine();
  if (line.empty()) {
    ShowSentenceCode(-119);
    return;
  }
  const std::string oldName = LineNameToTab(line);
  Symbol* s = FindSentence(program_, oldName);
  int scope = s != nullptr ? static_cast<int>(s->Scope) : static_cast<int>(kScopeGlobal);
  std::string newName;
  TSentName entry(this, kSentNameResource, scope, true, newName, "Renaming " + oldName + ".", AfterDollar(oldName),
                  program_);
  if (entry.Execute() != IDOK) return;
  if (RenameSentence(program_, oldName, newName)) FillList(newName);
}

void TSent::EvCopy() {
  const std::string line = SelectedLine();
  if (line.empty()) {
    ShowSentenceMessage("Select the voice sentences you wish to copy.");
    return;
  }
  if (Symbol* s = FindSentence(program_, LineFirstWord(line))) CopySentence(TheClipboard(), *s, program_);
}

void TSent::EvPaste() {
  if (PasteSentences(TheClipboard(), program_, StandardConflictsDialog())) FillList("");
}

void TSent::EvSearch() {
  const std::string text = ItemText(HWindow, IDC_SENT_SEARCHTEXT);
  HWND list = ::GetDlgItem(HWindow, IDC_SENT_LIST);
  ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& name : SearchSentences(program_, text)) {
    ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  SelectFirstOrDisable();
  ShowComments();
  ::SetFocus(list);
}

void TSent::EvDoubleClick() {
  HWND programWindow = program_.OwnerWindow();
  if (Parent != nullptr && Parent->HWindow != nullptr && Parent->HWindow == programWindow) {
    EvEdit();
    return;
  }
  if (CanClose()) CloseWindow(IDOK);
}

bool TSent::CanClose() {
  if (form_.NoSelectionNeeded != 0) return true;
  const std::string line = SelectedLine();
  if (line.empty()) {
    ShowSentenceCode(-119);
    return false;
  }
  Symbol* s = FindSentence(program_, LineFirstWord(line));
  if (s == nullptr) {
    ShowSentenceCode(-119);
    return false;
  }
  form_.Chosen = s;
  return true;
}

}  // namespace zeph
