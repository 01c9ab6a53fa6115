// The voice sentence editor dialog over its working list.
#include <vector>

#include "editors/sentences/kinds.h"
#include "editors/sentences/sentlist.h"
#include "editors/sentences/usertypes.h"
#include "editors/variables/scopes.h"
#include "editors/win32/controltext.h"
#include "editors/win32/promptdialog.h"
#include "editors/win32/sentencedialogs.h"
#include "editors/win32/stopbox.h"
#include "editors/win32/viewdesc.h"
#include "editors/sentences/descriptions.h"
#include "model/constvalue.h"
#include "forms/win32/varpick.h"
#include "model/datatypes.h"
#include "model/program/program.h"
#include "model/promptnumbers.h"
#include "pane/sentenceids.h"

namespace zeph {
namespace {

constexpr int kPromptLimit = 128;
constexpr int kCommentLimit = 501;
constexpr int kListExtent = 1100;
constexpr std::size_t kDescriptionBufferSize = 502;
const int kListTabs[] = {66, 138, 206, 282};

std::string ComboText(HWND dialog, int id) {
  HWND box = ::GetDlgItem(dialog, id);
  const LRESULT at = ::SendMessageA(box, CB_GETCURSEL, 0, 0);
  if (at < 0) return std::string();
  char text[256] = {};
  ::SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(text));
  return text;
}

void SelectCombo(HWND dialog, int id, const std::string& text) {
  HWND box = ::GetDlgItem(dialog, id);
  const LRESULT at = ::SendMessageA(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
  if (at >= 0) ::SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
}

void Enable(HWND dialog, int id, bool on) { ::EnableWindow(::GetDlgItem(dialog, id), on ? TRUE : FALSE); }

}  // namespace

DEFINE_RESPONSE_TABLE(VS2, TBaseDialog)
  EV_CBN_SELCHANGE(IDC_VS2_TYPE, EvKindChange),
  EV_LBN_SELCHANGE(IDC_VS2_LIST, EvListSelChange),
  EV_BN_CLICKED(IDC_VS2_INSERT, EvInsert),
  EV_BN_CLICKED(IDC_VS2_REPLACE, EvReplace),
  EV_BN_CLICKED(IDC_VS2_DELETE, EvDelete),
  EV_BN_CLICKED(IDC_VS2_GENERATE, EvGenerate),
  EV_BN_CLICKED(IDC_VS2_NEXT, EvNextNumber),
  EV_BN_CLICKED(IDC_VS2_RECORD, EvRecord),
  EV_BN_CLICKED(IDC_VS2_PICK, EvPick),
  EV_BN_CLICKED(IDC_VS2_FILES, EvFiles),
  EV_BN_CLICKED(IDC_VS2_SETUP, EvSetup),
END_RESPONSE_TABLE;

VS2::VS2(TWindow* parent, const char* resource, int& resultFlag, const std::string& sentenceName, TProgram& program)
    : TBaseDialog(parent, resource),
      resultFlag_(resultFlag),
      name_(sentenceName),
      program_(program),
      editor_(program, sentenceName) {
  SetHelpName("Voice Sentence Edit");
}

int VS2::Execute() {
  const int result = TBaseDialog::Execute();
  if (result != IDOK) resultFlag_ = editor_.Cancel();
  return result;
}

void VS2::SetupWindow() {
  TBaseDialog::SetupWindow();
  const std::string caption = name_.empty() ? "Voice Sentence Edit" : "Voice Sentence / " + name_;
  ::SetWindowTextA(HWindow, caption.c_str());
  HWND types = ::GetDlgItem(HWindow, IDC_VS2_TYPE);
  for (const char* const* name = BuiltInKindNames(); (*name)[0] != 0; ++name) {
    if ((*name)[0] != '.') ::SendMessageA(types, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(*name));
  }
  for (int i = 0; i < UserTypeCount(); ++i) {
    if (UserTypeAt(i)->Media == 0) ::SendMessageA(types, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(UserTypeAt(i)->Name));
  }
  HWND databases = ::GetDlgItem(HWindow, IDC_VS2_DATABASE);
  for (const char* const* name = PromptDatabaseNames(); (*name)[0] != 0; ++name) {
    ::SendMessageA(databases, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(*name));
  }
  ::SendDlgItemMessageA(HWindow, IDC_VS2_PROMPT, EM_LIMITTEXT, kPromptLimit, 0);
  ::SendDlgItemMessageA(HWindow, IDC_VS2_COMMENT, EM_LIMITTEXT, kCommentLimit, 0);
  HWND list = ::GetDlgItem(HWindow, IDC_VS2_LIST);
  ::SendMessageA(list, LB_SETTABSTOPS, 4, reinterpret_cast<LPARAM>(kListTabs));
  ::SendMessageA(list, LB_SETHORIZONTALEXTENT, kListExtent, 0);
  Refill(-1);
  SelectCombo(HWindow, IDC_VS2_TYPE, "Recording");
  SelectCombo(HWindow, IDC_VS2_DATABASE, "USER");
  ApplyKind(0);
  Enable(HWindow, IDC_VS2_DELETE, false);
  ::SetFocus(types);
}

int VS2::Kind() const { return FindKind(ComboText(HWindow, IDC_VS2_TYPE)); }
std::string VS2::Database() const { return ComboText(HWindow, IDC_VS2_DATABASE); }
std::string VS2::Prompt() const { return ItemText(HWindow, IDC_VS2_PROMPT); }
std::string VS2::Comment() const { return ItemText(HWindow, IDC_VS2_COMMENT); }

int VS2::Selected() const {
  const LRESULT at = ::SendDlgItemMessageA(HWindow, IDC_VS2_LIST, LB_GETCURSEL, 0, 0);
  return at < 0 ? editor_.PhraseCount() : static_cast<int>(at);
}

void VS2::Refill(int select) {
  HWND list = ::GetDlgItem(HWindow, IDC_VS2_LIST);
  ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& line : editor_.Lines()) ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  const int end = editor_.PhraseCount();
  ::SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(select < 0 || select > end ? end : select), 0);
}

void VS2::ApplyKind(int kind) {
  const bool direct = IsDirectKind(kind);
  for (int id : {IDC_VS2_DATABASE, IDC_VS2_DATABASELABEL, IDC_VS2_SETUP}) Enable(HWindow, id, !direct);
  const bool comment = kind == kKindTextToSpeechComment;
  for (int id : {IDC_VS2_PICK, IDC_VS2_RECORD, IDC_VS2_PROMPTLABEL, IDC_VS2_PROMPT}) Enable(HWindow, id, !comment);
  if (comment) ::SetDlgItemTextA(HWindow, IDC_VS2_PROMPT, "'Use Comment");
  const bool database = IsDatabaseKind(kind);
  Enable(HWindow, IDC_VS2_FILES, database);
  Enable(HWindow, IDC_VS2_NEXT, database);
}

void VS2::SelectEnd() {
  ::SetDlgItemTextA(HWindow, IDC_VS2_COMMENT, "");
  ::SendDlgItemMessageA(HWindow, IDC_VS2_LIST, LB_SETCURSEL, static_cast<WPARAM>(editor_.PhraseCount()), 0);
  Enable(HWindow, IDC_VS2_DELETE, false);
  const int kind = Kind();
  if (kind != kKindTextToSpeech && kind != kKindTextToSpeechComment) ::SetDlgItemTextA(HWindow, IDC_VS2_PROMPT, "");
}

void VS2::EvKindChange() {
  const int kind = Kind();
  const int at = Selected();
  const int selectedKind = at < editor_.PhraseCount() ? editor_.View(at).Kind : -1;
  ApplyKind(kind);
  const std::string first = program_.DefaultFolder(0);
  const std::string fourth = program_.DefaultFolder(3);
  std::string database;
  if (IsDatabaseKind(kind)) {
    database = IsDatabaseKind(selectedKind) ? editor_.View(at).Database : DatabaseDisplayName(first);
  } else if (!IsDirectKind(kind)) {
    const bool fromDefault = selectedKind == 0 || IsDirectKind(selectedKind) || selectedKind == -1;
    database = fromDefault ? DatabaseDisplayName(fourth) : editor_.View(at).Database;
  }
  if (!database.empty()) SelectCombo(HWindow, IDC_VS2_DATABASE, database);
}

void VS2::EvListSelChange() {
  const int at = Selected();
  if (at >= editor_.PhraseCount()) {
    SelectEnd();
    return;
  }
  const PhraseView view = editor_.View(at);
  ApplyKind(view.Kind);
  Enable(HWindow, IDC_VS2_DELETE, true);
  SelectCombo(HWindow, IDC_VS2_TYPE, view.KindName);
  if (!IsDirectKind(view.Kind)) SelectCombo(HWindow, IDC_VS2_DATABASE, view.Database);
  ::SetDlgItemTextA(HWindow, IDC_VS2_PROMPT, view.Prompt.c_str());
  ::SetDlgItemTextA(HWindow, IDC_VS2_COMMENT, view.Comment.c_str());
}

void VS2::Insert(bool replace) {
  std::string warning;
  const int at = Selected();
  const std::string refusal = editor_.InsertPhrase(at, replace, Kind(), Database(), Prompt(), Comment(), &warning);
  if (!refusal.empty()) {
    ShowStopBox(HWindow, refusal);
    return;
  }
  if (!warning.empty()) ShowStopBox(HWindow, warning);
  Refill(-1);
  SelectEnd();
}

void VS2::EvDelete() {
  const int at = Selected();
  if (at >= editor_.PhraseCount()) return;
  editor_.DeletePhrase(at);
  Refill(-1);
  SelectEnd();
  ::SetDlgItemTextA(HWindow, IDC_VS2_PROMPT, "");
}

void VS2::EvGenerate() {
  std::string refusal;
  const std::string comment = editor_.CommentFor(Kind(), Database(), Prompt(), refusal);
  if (!refusal.empty()) {
    ShowStopBox(HWindow, refusal);
    return;
  }
  ::SetDlgItemTextA(HWindow, IDC_VS2_COMMENT, comment.c_str());
}

void VS2::EvNextNumber() {
  const std::string number = editor_.NextNumber(Database());
  if (!number.empty()) ::SetDlgItemTextA(HWindow, IDC_VS2_PROMPT, number.c_str());
}

void VS2::EvRecord() {
  // The prompt file's path is all that recording or playing would need; there is no
  // telephone line here to do either.
  const std::string prompt = Prompt();
  const std::string bare = !prompt.empty() && prompt[0] == '\'' ? prompt.substr(1) : prompt;
  if (LeadingPromptNumber(bare.c_str()) == 0) ShowStopBox(HWindow, "Please choose a valid number for this prompt.");
}

void VS2::EvPick() {
  const int kind = Kind();
  TypeMask mask = IsDateTimeKind(kind) ? MaskOfTypes({19, 20})
                  : IsDirectKind(kind) ? MaskOfTypes({kTypeString, 20})
                                       : MaskOfTypes({1, 2, 3, 4, 5, 6, 20});
  request_ = PickRequest();
  request_.Allowed1 = mask.Allowed1;
  request_.Allowed2 = mask.Allowed2;
  Symbol* sentence = editor_.Sentence();
  const bool local = sentence != nullptr && sentence->Scope != kScopeGlobal && sentence->Scope != kScopeSystemGlobal;
  program_.VariablePickerScope = local ? 2 : 0;
  PresetPickRequest(request_, Prompt(), &program_.Symbols());
  TVarPick picker(this, kVarPickResource, request_, 0, 0);
  picker.SetProgram(&program_.Symbols());
  if (picker.Execute() == IDOK) {
    ::SetDlgItemTextA(HWindow, IDC_VS2_PROMPT, ChosenReferenceText(request_, &program_.Symbols()).c_str());
  }
  program_.VariablePickerScope = 1;
}

void VS2::EvFiles() {
  std::string folder = editor_.DatabaseFolder(Database());
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  std::string chosen;
  ViewDesc files(this, kViewDescResource, folder, kDescriptionExtension, chosen, kDescriptionBufferSize);
  if (files.Execute() != IDOK) return;
  const std::size_t tab = chosen.find('\t');
  if (tab == std::string::npos) return;
  const std::string name = chosen.substr(0, tab);
  const std::string description = chosen.substr(tab + 1);
  const std::string prompt = IsNumberText(name.c_str(), nullptr) ? name : "'" + name;
  ::SetDlgItemTextA(HWindow, IDC_VS2_PROMPT, prompt.c_str());
  if (!description.empty()) ::SetDlgItemTextA(HWindow, IDC_VS2_COMMENT, description.c_str());
}

void VS2::EvSetup() {
  TPromptDialog databases(this, kPromptDialogResource);
  databases.SetProgram(&program_.Symbols());
  databases.Execute();
}

bool VS2::CanClose() { return editor_.Done(resultFlag_); }

SentenceEditorOpener StandardSentenceEditor() {
  return [](TWindow* parent, const std::string& name, TProgram& program) {
    int flag = 1;
    VS2 editor(parent, kSentEditResource, flag, name, program);
    editor.Execute();
    return flag;
  };
}

}  // namespace zeph
