// The structure fields editor.
#include "editors/win32/structdialog.h"

#include <new>

#include "editors/structures/structfields.h"
#include "editors/structures/structstorage.h"
#include "editors/win32/controltext.h"
#include "editors/win32/resizedialog.h"
#include "editors/win32/stopbox.h"
#include "forms/engine/formcodes.h"
#include "forms/win32/genericform.h"
#include "model/datatypes.h"
#include "model/interface/palette.h"
#include "model/listsink.h"
#include "model/pbaccess_msgtext.h"
#include "model/program/program.h"
#include "model/structops.h"

namespace zeph {
namespace {

constexpr const char* kStringTypeName = "*STRING";
constexpr int kErrNoFieldSelected = -115;

}  // namespace

DEFINE_RESPONSE_TABLE(TStruct, TBaseDialog)
  EV_LBN_SELCHANGE(kStructTypes, EvTypeChange),
  EV_BN_CLICKED(kStructAddAfter, EvAddAfter),
  EV_BN_CLICKED(kStructAddBefore, EvAddBefore),
  EV_BN_CLICKED(kStructDelete, EvDelete),
  EV_BN_CLICKED(kStructResize, EvResize),
END_RESPONSE_TABLE;

TStruct::TStruct(TWindow* parent, const char* resource, StructDef& def, TProgram& program, bool& keep)
    : TBaseDialog(parent, resource), def_(def), program_(program), keep_(keep) {
  name_ = new (std::nothrow) TEdit(this, kStructFieldName, 129u);
  types_ = new (std::nothrow) TListBox(this, kStructTypes);
  size_ = new (std::nothrow) TEdit(this, kStructSize, 8u);
  fields_ = new (std::nothrow) TListBox(this, kStructFields);
  if (name_ == nullptr || types_ == nullptr || size_ == nullptr || fields_ == nullptr) {
    ShowFormMessage(nullptr, kErrOutOfMemory);
    return;
  }
  SetHelpName("Edit Structure Fields");
}

TStruct::~TStruct() = default;

void TStruct::SetupWindow() {
  TBaseDialog::SetupWindow();
  ::SetWindowTextA(HWindow, (std::string("Edit Structure Fields / ") + def_.Name).c_str());
  if (types_ != nullptr && types_->HWindow != nullptr) {
    for (const std::string& name : StructFieldTypeNames(BackTypesOffered())) types_->AddString(name.c_str());
    types_->SetSelIndex(0);
  }
  Refill(-1);
  confirmed_ = def_.FstMem == nullptr;
  if (size_ != nullptr && size_->HWindow != nullptr) size_->SetText("1");
  if (size_ != nullptr && size_->HWindow != nullptr) size_->EnableWindow(false);
  sizeEnabled_ = false;
}

// Fills the member list and selects the line at select (-1: the last one).
void TStruct::Refill(int select) {
  if (fields_ == nullptr || fields_->HWindow == nullptr) return;
  fields_->ClearList();
  VectorListSink lines;
  ListStructureMembers(&def_, lines, &program_.Symbols());
  for (const std::string& line : lines.lines) fields_->AddString(line.c_str());
  const int count = fields_->GetCount();
  if (count > 0) fields_->SetSelIndex(select >= 0 && select < count ? select : count - 1);
}

int TStruct::SelectedMember() const {
  return fields_ != nullptr && fields_->HWindow != nullptr ? fields_->GetSelIndex() : -1;
}

bool TStruct::Confirmed() {
  if (confirmed_) return true;
  if (AskBox(HWindow, kStructWarningText, true) == IDYES) return false;
  confirmed_ = true;
  return true;
}

void TStruct::EvTypeChange() {
  const bool isString = ListText(types_, types_->GetSelIndex()) == kStringTypeName;
  if (sizeEnabled_ && !isString) {
    size_->SetText("1");
    size_->EnableWindow(false);
    sizeEnabled_ = false;
  } else if (!sizeEnabled_ && isString) {
    size_->EnableWindow(true);
    size_->SetText("64");
    sizeEnabled_ = true;
  }
}

void TStruct::Add(bool after) {
  if (!Confirmed()) return;
  NewMemberInput input;
  input.Name = EditText(name_, 128);
  input.TypeName = ListText(types_, types_ != nullptr ? types_->GetSelIndex() : -1);
  input.SizeText = EditText(size_, 7);
  input.Selected = SelectedMember();
  const MemberCheck check = CheckNewMember(def_, input, program_);
  if (!check.Ok) {
    ShowStopBox(HWindow, check.Message);
    return;
  }
  if (!InsertNewMember(def_, input, check, after, program_)) {
    ShowFormMessage(HWindow, kErrOutOfMemory);
    return;
  }
  Refill(-1);
  name_->SetText("");
}

void TStruct::EvDelete() {
  const int at = SelectedMember();
  if (at < 0) {
    ShowStopBox(HWindow, PBMessageText(kErrNoFieldSelected));
    return;
  }
  if (!Confirmed()) return;
  if (AskBox(HWindow, "Delete " + MemberNameOfLine(ListText(fields_, at)) + " ?", false) != IDOK) return;
  std::string message;
  if (!DeleteMember(def_, at, message)) {
    ShowStopBox(HWindow, message);
    return;
  }
  Refill(-1);
}

void TStruct::EvResize() {
  const int at = SelectedMember();
  if (at < 0) {
    ShowStopBox(HWindow, PBMessageText(kErrNoFieldSelected));
    return;
  }
  if (!Confirmed()) return;
  StructMember* member = GetMemberAt(at, &def_);
  if (member == nullptr) return;
  if (member->Type != kTypeString) {
    ShowStopBox(HWindow, "Only String Members Can Be Resized");
    return;
  }
  TResizeDialog dialog(this, kResizeResource, member);
  if (dialog.Execute() == IDOK) Refill(at);
}

bool TStruct::CanClose() {
  std::string message;
  switch (StructCloseAction(def_, message)) {
    case StructClose::Close:
      if (confirmed_) RebuildStructureStorage(def_, program_);
      keep_ = true;
      return true;
    case StructClose::StayReferenced:
      ShowStopBox(HWindow, message);
      return false;
    case StructClose::AskDeleteEmpty:
      if (AskBox(HWindow, message, true) != IDYES) return false;
      keep_ = false;
      return true;
  }
  return false;
}

}  // namespace zeph
