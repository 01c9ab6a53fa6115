// The structure member chooser.
#include "editors/win32/structmemdialog.h"

#include <cstdio>
#include <cstdlib>
#include <new>

#include "editors/structures/memberplace.h"
#include "editors/variables/setupplan.h"
#include "editors/win32/controltext.h"
#include "editors/win32/setupforms.h"
#include "editors/win32/stopbox.h"
#include "forms/engine/formcodes.h"
#include "forms/picker/pickerlines.h"
#include "forms/win32/genericform.h"
#include "forms/win32/varpick.h"
#include "model/datatypes.h"
#include "model/interface/variable_place.h"
#include "model/listsink.h"
#include "model/pbaccess_msgtext.h"
#include "model/program/program.h"
#include "model/program/setupdlg.h"
#include "model/structops.h"

namespace zeph {
namespace {

constexpr int kTypeSQLInfoRecord = kTypeSQLInfo;

std::string WithoutAt(const std::string& entry) { return !entry.empty() && entry[0] == '@' ? entry.substr(1) : entry; }

// The element chosen in the picker: the constant index less one, element 0 for an index
// held in a variable, -1 without an index.
int ChosenElement(const PickRequest& request, SymbolTable* program) {
  if (!request.Index) return -1;
  if (request.Index->S != nullptr) return 0;
  const int number = std::atoi(PickIndexText(request, program).c_str());
  return number >= 1 ? number - 1 : 0;
}

SymbolTable* Symbols() {
  TProgram* program = TProgram::Current();
  return program != nullptr ? &program->Symbols() : nullptr;
}

}  // namespace

DEFINE_RESPONSE_TABLE(TStructMem, TBaseDialog)
  EV_LBN_SELCHANGE(kStructMemList, EvSelChange),
  EV_LBN_DBLCLK(kStructMemList, EvDoubleClick),
  EV_BN_CLICKED(kStructMemSetup, EvSetup),
END_RESPONSE_TABLE;

TStructMem::TStructMem(TWindow* parent, const char* resource, PickRequest& node, int level)
    : TBaseDialog(parent, resource), node_(node), level_(level) {
  SymbolTable* program = Symbols();
  if (level_ == 1) {
    picker_ = dynamic_cast<TVarPick*>(parent);
    if (picker_ != nullptr) {
      variable_ = picker_->CurrentSymbol();
      arrayIndex_ = ChosenElement(picker_->Request(), program);
    }
    if (variable_ != nullptr) def_ = FindStructureById(variable_->Type, program);
  } else {
    outer_ = dynamic_cast<TStructMem*>(parent);
    if (outer_ != nullptr) {
      variable_ = outer_->variable_;
      arrayIndex_ = outer_->arrayIndex_;
      parentMember_ = WithoutAt(outer_->SelectedEntry());
      const StructMember* member = outer_->MemberOf(parentMember_);
      if (member != nullptr) def_ = FindStructureById(member->Type, program);
    }
  }
  list_ = new (std::nothrow) TListBox(this, kStructMemList);
  if (list_ == nullptr) {
    ShowFormMessage(nullptr, kErrOutOfMemory);
    return;
  }
  SetHelpName("Choose StructMember");
}

TStructMem::~TStructMem() = default;

// Every structured variable's members can be set up (record members live only in
// structures that users define), except in the symbols that are never set up.
bool TStructMem::MaySetUp() const { return variable_ != nullptr && !SymbolKindCannotBeSetUp(*variable_); }

void TStructMem::SetupWindow() {
  TBaseDialog::SetupWindow();
  if (variable_ == nullptr || list_ == nullptr || list_->HWindow == nullptr) return;
  std::string caption = std::string("Choose StructMember / ") + variable_->Name;
  if (level_ == 2) caption += "." + parentMember_;
  SetCaption(caption.c_str());
  ::EnableWindow(::GetDlgItem(HWindow, kStructMemSetup), MaySetUp());
  VectorListSink entries;
  const PickRequest& restrictions = picker_ != nullptr ? picker_->Request() : outer_->node_;
  ListMembersByTypeMask(def_, entries, restrictions.Mask(), Symbols());
  for (const std::string& entry : entries.lines) list_->AddString(entry.c_str());
  // The member the reference already names, else the first entry.
  int select = 0;
  if (node_.Chosen == variable_ && def_ != nullptr) {
    std::string wanted;
    if (level_ == 1 && node_.MemberNumber != 0) {
      const StructMember* first = FindMemberById(def_->TypeNum, node_.MemberNumber, Symbols());
      if (first != nullptr) wanted = (node_.Member2 != 0 ? "@" : "") + std::string(first->Name);
    } else if (level_ == 2 && node_.Member2 != 0) {
      const StructMember* second = FindMemberById(def_->TypeNum, node_.Member2, Symbols());
      if (second != nullptr) wanted = second->Name;
    }
    if (!wanted.empty()) {
      const int at = list_->FindExactString(wanted.c_str(), -1);
      if (at >= 0) select = at;
    }
  }
  if (list_->GetCount() > 0) list_->SetSelIndex(select);
}

std::string TStructMem::SelectedEntry() const {
  return list_ != nullptr && list_->HWindow != nullptr ? ListText(list_, list_->GetSelIndex()) : std::string();
}

StructMember* TStructMem::MemberOf(const std::string& entry) const {
  return def_ != nullptr ? FindMemberByName(def_, WithoutAt(entry).c_str()) : nullptr;
}

void TStructMem::EvSelChange() {
  if (level_ == 1) node_.Member2 = 0;
}

void TStructMem::EvDoubleClick() {
  if (level_ == 1) node_.Member2 = 0;
  const std::string entry = SelectedEntry();
  TProgram* program = TProgram::Current();
  const bool browsing = picker_ != nullptr && program != nullptr && picker_->Parent != nullptr &&
                        picker_->Parent->HWindow != nullptr && picker_->Parent->HWindow == program->OwnerWindow();
  if (!entry.empty() && entry[0] == '@') {
    Setup();
  } else if (browsing) {
    if (MaySetUp()) Setup();
  } else if (CanClose()) {
    CloseWindow(IDOK);
  }
}

bool TStructMem::CanClose() {
  const std::string entry = SelectedEntry();
  StructMember* member = MemberOf(entry);
  if (entry.empty() || member == nullptr) {
    ShowFormMessage(HWindow, kErrMemberReference);
    return false;
  }
  if (entry[0] == '@' && !setupDone_) {
    ShowFormMessage(HWindow, kErrMemberReference);
    return false;
  }
  node_.Chosen = variable_;
  if (level_ == 1) {
    node_.MemberNumber = member->ElemNum;
    if (node_.Member2 == 0) chosenType_ = member->Type;
    if (picker_ != nullptr) picker_->MemberChosen = 1;
  } else {
    node_.Member2 = member->ElemNum;
    chosenType_ = member->Type;
    if (outer_ != nullptr) outer_->chosenType_ = member->Type;
  }
  // A query record is set up as soon as it is chosen, so that it has its storage.
  if (member->Type == kTypeSQLInfoRecord && variable_ != nullptr && VariableStorage(*variable_) == nullptr) Setup();
  return true;
}

void TStructMem::Setup() {
  const std::string entry = SelectedEntry();
  StructMember* member = MemberOf(entry);
  if (member == nullptr || variable_ == nullptr) return;
  // The member ids of what is being set up go to the caller's reference.
  node_.Chosen = variable_;
  if (level_ == 1) {
    node_.MemberNumber = member->ElemNum;
  } else {
    node_.Member2 = member->ElemNum;
  }
  chosenType_ = member->Type;
  const bool structured = IsRecordTypeCode(member->Type) || member->Type >= kFirstStructureId;
  if (entry[0] == '@' && structured && level_ == 1) {
    TStructMem nested(this, kStructMemResource, node_, 2);
    if (nested.Execute() == IDOK) {
      setupDone_ = true;
      if (CanClose()) CloseWindow(IDOK);
    }
    return;
  }
  if (structured && level_ == 1) {
    SetUpRecord(*member);
    return;
  }
  SetUpValue(*member);
}

void TStructMem::SetUpRecord(StructMember& member) {
  TProgram* program = TProgram::Current();
  if (program == nullptr) return;
  const MemberSetupForm* form = FindMemberSetupForm(member.Type);
  if (member.Type == kTypeVSentenceVar) {
    ShowStopBox(HWindow, kCannotSetUpText);
    return;
  }
  if (form == nullptr) return;
  const MemberPlace place = PrepareMemberSetup(*variable_, member.Name, arrayIndex_, *program);
  if (!place.Ok) {
    ShowStopBox(HWindow, place.Message);
    return;
  }
  ValueBlockData* storage = VariableStorage(*variable_);
  if (storage == nullptr) {
    ShowFormMessage(HWindow, kErrOutOfMemory);
    return;
  }
  char caption[200];
  std::snprintf(caption, sizeof caption, form->CaptionFormat, place.DisplayName.c_str());
  RecordFormRun run{form->FormClass, form->Resource, caption, form->HelpName,
                    storage->Bytes() + place.Offset, place.Size, false};
  RunRecordForm(this, run);
}

void TStructMem::SetUpValue(StructMember& member) {
  if (level_ == 1 && variable_->ArraySize >= 2) {
    ShowFormMessage(HWindow, kErrArrayNotSetUp);
    return;
  }
  if (SymbolKindCannotBeSetUp(*variable_)) {
    ShowStopBox(HWindow, kCannotSetUpText);
    return;
  }
  const std::string path = level_ == 2 ? parentMember_ + "." + member.Name : std::string(member.Name);
  if (member.Type == kTypeBoolean) {
    TSetupBoolean dialog(this, variable_, path.c_str(), nullptr, Symbols());
    dialog.Execute();
  } else {
    TSetup dialog(this, variable_, path.c_str(), nullptr, Symbols());
    dialog.Execute();
  }
}

int ChooseStructureMember(TVarPick& picker, Symbol&, PickRequest& request) {
  TStructMem chooser(&picker, kStructMemResource, request, 1);
  return chooser.Execute();
}

}  // namespace zeph
