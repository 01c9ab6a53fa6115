// The variable picker dialog.
#include "forms/win32/varpick.h"

#include <new>

#include "forms/engine/formcodes.h"
#include "forms/win32/genericform.h"
#include "model/program/program.h"
#include "model/symtable.h"

namespace zeph {
namespace {

TVarPick::MemberChooser& Chooser() {
  static TVarPick::MemberChooser chooser;
  return chooser;
}

TVarPick::CommandHandler& Commands() {
  static TVarPick::CommandHandler handler;
  return handler;
}

template <class T, class... Args>
T* Make(bool& ok, Args&&... args) {
  if (!ok) return nullptr;
  T* made = new (std::nothrow) T(std::forward<Args>(args)...);
  ok = made != nullptr;
  return made;
}

void SetEnabled(TWindow* w, bool on) {
  if (w != nullptr && w->HWindow != nullptr) w->EnableWindow(on);
}
void SetShown(TWindow* w, bool on) {
  if (w != nullptr && w->HWindow != nullptr) w->Show(on ? SW_SHOW : SW_HIDE);
}
void SetText(TStatic* s, const std::string& text) {
  if (s != nullptr && s->HWindow != nullptr) s->SetText(text.c_str());
}

}  // namespace

DEFINE_RESPONSE_TABLE(TVarPick, TBaseDialog)
  EV_LBN_SELCHANGE(kPickList, EvSelChange),
  EV_LBN_DBLCLK(kPickList, EvDoubleClick),
  EV_BN_CLICKED(kPickWholeArray, EvWholeArray),
  EV_BN_CLICKED(kPickIndexButton, EvIndexButton),
  EV_BN_CLICKED(kPickAdd, EvAdd),
  EV_BN_CLICKED(kPickSetup, EvSetup),
  EV_BN_CLICKED(kPickDelete, EvDelete),
  EV_BN_CLICKED(kPickCopy, EvCopy),
  EV_BN_CLICKED(kPickRename, EvRename),
  EV_BN_CLICKED(kPickResize, EvResize),
  EV_BN_CLICKED(kPickPaste, EvPaste),
END_RESPONSE_TABLE;

void TVarPick::SetCommandHandler(CommandHandler handler) { Commands() = std::move(handler); }

void TVarPick::EvCommand(int command) {
  if (Commands()) Commands()(*this, command);
}

Symbol* TVarPick::SelectedSymbol(bool& memberLine) const {
  const int line = SelectedLine();
  memberLine = line >= 0 && lines_[static_cast<std::size_t>(line)].Member;
  return line >= 0 ? lines_[static_cast<std::size_t>(line)].S : nullptr;
}

void TVarPick::Reshow(const Symbol* symbol) {
  FillLines();
  if (lines_.empty()) return;
  int line = symbol != nullptr ? list_->FindString(PickerLinePrefix(*symbol, false).c_str(), -1) : 0;
  if (line < 0) line = 0;
  list_->SetSelIndex(line);
  ShowSelection(line);
}

void TVarPick::SetMemberChooser(MemberChooser chooser) { Chooser() = std::move(chooser); }

TVarPick::TVarPick(TWindow* parent, const char* resource, PickRequest& request, int closeOnMember,
                   int fieldRepresentation)
    : TBaseDialog(parent, resource),
      request_(request),
      closeOnMember_(closeOnMember),
      representation_(fieldRepresentation),
      indexMode_(resource != nullptr && lstrcmpiA(resource, kIndexPickResource) == 0) {
  bool ok = true;
  list_ = Make<TListBox>(ok, this, kPickList);
  name_ = Make<TStatic>(ok, this, kPickName, 0u);
  type_ = Make<TStatic>(ok, this, kPickType, 0u);
  size_ = Make<TStatic>(ok, this, kPickSize, 0u);
  scopeText_ = Make<TStatic>(ok, this, kPickScope, 0u);
  whole_ = Make<TCheckBox>(ok, this, kPickWholeArray, nullptr);
  index_ = Make<TEdit>(ok, this, kPickIndexEdit, static_cast<UINT>(kIndexTextSize));
  indexButton_ = Make<TButton>(ok, this, kPickIndexButton);
  Make<TButton>(ok, this, IDOK);
  Make<TButton>(ok, this, kPickDelete);
  Make<TButton>(ok, this, kPickAdd);
  resize_ = Make<TButton>(ok, this, kPickResize);
  Make<TButton>(ok, this, kPickSetup);
  Make<TButton>(ok, this, kPickHelp);
  if (!ok) {
    ShowFormMessage(nullptr, kErrOutOfMemory);
    return;
  }
  SetHelpName("Select Variable");
}

TVarPick::~TVarPick() = default;

SymbolTable* TVarPick::Program() const { return ResolveProgram(program_); }

bool TVarPick::WholeChecked() const {
  return whole_ != nullptr && whole_->HWindow != nullptr && whole_->GetCheck() == BF_CHECKED;
}

void TVarPick::SetupWindow() {
  TBaseDialog::SetupWindow();
  MemberChosen = 0;
  Fill();
}

void TVarPick::Fill() {
  FillLines();
  if (lines_.empty()) return;

  int line = 0;
  if (request_.Chosen != nullptr) {
    const bool member = request_.MemberNumber != 0;
    line = list_->FindString(PickerLinePrefix(*request_.Chosen, member).c_str(), -1);
    // A member line that is not listed ends the set-up; a plain one selects nothing.
    if (line < 0) return;
  }
  list_->SetSelIndex(line);
  ShowSelection(line);
  if (current_ != nullptr && current_->ArraySize >= 2 && !request_.Index) {
    whole_->SetCheck(BF_CHECKED);
    EvWholeArray();
  }
  if (index_ != nullptr && index_->HWindow != nullptr) index_->SetText(PickIndexText(request_, Program()).c_str());
}

void TVarPick::FillLines() {
  for (TStatic* s : {name_, type_, size_, scopeText_}) SetText(s, "");
  current_ = nullptr;
  lines_.clear();
  if (list_ == nullptr || list_->HWindow == nullptr) return;
  list_->ClearList();
  list_->SetTabStops(3, kPickerTabStops);
  SymbolTable* program = Program();
  if (program != nullptr) {
    PickerScope scope = scope_;
    if (!hasScope_) {
      scope.PageName = program->CurrentPageName();
      scope.NamesUnqualified = program->NamesUnqualified != 0;
      TProgram* current = TProgram::Current();
      scope.PageKind = current != nullptr && &current->Symbols() == program
                           ? std::max(current->GetPageKind(scope.PageName.c_str()), 0) : 0;
    }
    ::SendMessageA(list_->HWindow, WM_SETREDRAW, FALSE, 0);
    lines_ = FillPickerLines(request_, representation_, *program, scope);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      const int at = list_->AddString(lines_[i].Text.c_str());
      if (at >= 0) list_->SetItemData(at, static_cast<LPARAM>(i));
    }
    ::SendMessageA(list_->HWindow, WM_SETREDRAW, TRUE, 0);
  }
  ShowArrayControls(nullptr);
}

int TVarPick::SelectedLine() const {
  if (list_ == nullptr || list_->HWindow == nullptr) return -1;
  const int at = list_->GetSelIndex();
  if (at < 0) return -1;
  const auto i = static_cast<std::size_t>(list_->GetItemData(at));
  return i < lines_.size() ? static_cast<int>(i) : -1;
}

void TVarPick::ShowSelection(int listIndex) {
  const int line = listIndex >= 0 ? SelectedLine() : -1;
  current_ = line >= 0 ? lines_[static_cast<std::size_t>(line)].S : nullptr;
  if (current_ == nullptr) return;
  const PickerInfo info = PickerInfoOf(*current_, lines_[static_cast<std::size_t>(line)].Member, Program());
  SetText(name_, info.Name);
  SetText(type_, info.Type);
  SetText(size_, info.Size);
  SetText(scopeText_, info.Scope);
  ShowArrayControls(current_);
  SetEnabled(resize_, PickerResizeAllowed(*current_));
}

void TVarPick::ShowArrayControls(const Symbol* symbol) {
  const ArrayControls c = ArrayControlsFor(request_.WholeArray, symbol);
  if (whole_ != nullptr && whole_->HWindow != nullptr) whole_->SetCheck(c.WholeChecked ? BF_CHECKED : BF_UNCHECKED);
  SetEnabled(whole_, c.WholeEnabled);
  SetEnabled(index_, c.IndexEnabled);
  SetEnabled(indexButton_, c.IndexEnabled);
  for (TWindow* w : {static_cast<TWindow*>(whole_), static_cast<TWindow*>(index_), static_cast<TWindow*>(indexButton_)}) {
    SetShown(w, c.Visible);
  }
}

void TVarPick::EvSelChange() { ShowSelection(list_ != nullptr ? list_->GetSelIndex() : -1); }

void TVarPick::EvWholeArray() {
  const bool whole = WholeChecked();
  SetEnabled(index_, !whole);
  SetEnabled(indexButton_, !whole);
}

int TVarPick::ReadIndex() {
  char text[kIndexTextSize] = {};
  if (index_ != nullptr && index_->HWindow != nullptr) index_->GetText(text, sizeof text);
  return ReadPickIndex(text, current_, WholeChecked(), request_, Program());
}

bool TVarPick::CanClose() {
  if (MemberChosen) {
    if (ReadIndex()) return true;
    ShowFormMessage(HWindow, kErrInvalidArrayIndex);
    return false;
  }
  if (request_.NoSelectionNeeded) return true;
  const int line = SelectedLine();
  if (line < 0) {
    ShowFormMessage(HWindow, kErrSelectVariable);
    return false;
  }
  if (lines_[static_cast<std::size_t>(line)].Member) {
    ShowFormMessage(HWindow, kErrMemberReference);
    return false;
  }
  current_ = lines_[static_cast<std::size_t>(line)].S;
  request_.Chosen = current_;
  request_.MemberNumber = 0;
  request_.Member2 = 0;
  const bool valid = ReadIndex() != 0;
  if (!valid || (current_->ArraySize >= 2 && !WholeChecked() && !request_.Index)) {
    ShowFormMessage(HWindow, kErrInvalidArrayIndex);
    return false;
  }
  return true;
}

void TVarPick::EvDoubleClick() {
  EvSelChange();
  const int line = SelectedLine();
  if (line < 0 || current_ == nullptr) return;
  TProgram* program = TProgram::Current();
  const bool editorMode = program != nullptr && Parent != nullptr && Parent->HWindow == program->OwnerWindow() &&
                          Parent->HWindow != nullptr;
  if (!lines_[static_cast<std::size_t>(line)].Member) {
    if (editorMode) {
      EvCommand(kPickSetup);
    } else {
      CloseWindow(IDOK);
    }
    return;
  }
  if (current_->ArraySize >= 2) {
    if (editorMode) {
      ShowFormMessage(HWindow, kErrArrayNotSetUp);
      return;
    }
    if (WholeChecked() || !ReadIndex()) {
      ShowFormMessage(HWindow, kErrInvalidArrayIndex);
      return;
    }
  }
  MemberChosen = 0;
  if (!Chooser()) return;
  if (Chooser()(*this, *current_, request_) != IDOK) return;
  if (closeOnMember_) {
    CloseWindow(IDOK);
  } else if (Parent != nullptr && Parent->HWindow != nullptr) {
    ::PostMessageA(Parent->HWindow, kMsgClosePicker, 1, 0);
  }
}

void TVarPick::EvIndexButton() {
  if (indexMode_) return;
  PickRequest indexRequest;
  indexRequest.Allowed1 = 62;
  indexRequest.WholeArray = -1;
  PickReadFieldRef(indexRequest, index_, Program());
  TVarPick nested(this, kIndexPickResource, indexRequest, 1, 0);
  nested.SetProgram(program_);
  PickRunDialog(indexRequest, index_, nested, Program());
}

}  // namespace zeph
