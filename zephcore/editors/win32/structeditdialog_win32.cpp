// The structure list.
#include "editors/win32/structeditdialog.h"

#include <new>

#include "editors/structures/structlist.h"
#include "editors/variables/clipcommands.h"
#include "editors/win32/namedialog.h"
#include "editors/win32/stopbox.h"
#include "editors/win32/structdialog.h"
#include "forms/engine/formcodes.h"
#include "forms/win32/genericform.h"
#include "model/program/program.h"
#include "model/structops.h"
#include "programfile/clipboard/clipboard.h"

namespace zeph {

DEFINE_RESPONSE_TABLE(TStructEdit, TBaseDialog)
  EV_LBN_DBLCLK(kStructList, EvEdit),
  EV_BN_CLICKED(kStructListAdd, EvAdd),
  EV_BN_CLICKED(kStructListEdit, EvEdit),
  EV_BN_CLICKED(kStructListDelete, EvDelete),
  EV_BN_CLICKED(kStructListCopy, EvCopy),
  EV_BN_CLICKED(kStructListRename, EvRename),
  EV_BN_CLICKED(kStructListPaste, EvPaste),
END_RESPONSE_TABLE;

TStructEdit::TStructEdit(TWindow* parent, const char* resource, TProgram& program)
    : TBaseDialog(parent, resource), program_(program) {
  list_ = new (std::nothrow) TListBox(this, kStructList);
  if (list_ == nullptr) {
    ShowFormMessage(nullptr, kErrOutOfMemory);
    return;
  }
  SetHelpName("Edit Structures");
}

TStructEdit::~TStructEdit() = default;

void TStructEdit::SetupWindow() {
  TBaseDialog::SetupWindow();
  Fill();
}

void TStructEdit::Fill() {
  if (list_ == nullptr || list_->HWindow == nullptr) return;
  list_->ClearList();
  for (const std::string& name : UserStructureNames(program_)) list_->AddString(name.c_str());
  if (list_->GetCount() > 0) list_->SetSelIndex(0);
}

std::string TStructEdit::Selected() const {
  if (list_ == nullptr || list_->HWindow == nullptr) return "";
  const int at = list_->GetSelIndex();
  if (at < 0) return "";
  char text[64] = {};
  if (list_->GetStringLen(at) >= static_cast<int>(sizeof text)) return "";
  list_->GetString(text, at);
  return text;
}

// Runs the fields editor; a structure it does not keep is deleted.
void TStructEdit::EditFields(const std::string& name) {
  StructDef* def = FindStructureByName(name.c_str(), &program_.Symbols());
  if (def == nullptr) return;
  bool keep = true;
  TStruct fields(this, kStructResource, *def, program_, keep);
  fields.Execute();
  if (!keep) DeleteStructure(name, program_);
  Fill();
}

void TStructEdit::EvAdd() {
  std::string name;
  TStructName entry(this, kStructNameResource, name, "", "", program_);
  if (entry.Execute() != IDOK) return;
  StructDef* def = AddEmptyStructure(name, program_);
  if (def == nullptr) {
    ShowFormMessage(HWindow, kErrOutOfMemory);
    return;
  }
  bool keep = false;
  TStruct fields(this, kStructResource, *def, program_, keep);
  fields.Execute();
  if (!keep) DeleteStructure(name, program_);
  Fill();
}

void TStructEdit::EvEdit() {
  const std::string name = Selected();
  if (name.empty()) {
    ShowStopBox(HWindow, kMustSelectStructureText);
    return;
  }
  EditFields(name);
}

void TStructEdit::EvDelete() {
  const std::string name = Selected();
  if (name.empty()) {
    ShowStopBox(HWindow, kMustSelectStructureText);
    return;
  }
  std::string question;
  const std::string refusal = CheckStructureDelete(name, program_, question);
  if (!refusal.empty()) {
    ShowStopBox(HWindow, refusal);
    return;
  }
  if (AskBox(HWindow, question, false) != IDOK) return;
  DeleteStructure(name, program_);
  Fill();
}

void TStructEdit::EvRename() {
  const std::string oldName = Selected();
  if (oldName.empty()) {
    ShowStopBox(HWindow, kMustSelectStructureText);
    return;
  }
  std::string newName;
  TStructName entry(this, kStructNameResource, newName, "Renaming " + oldName + ".", oldName, program_);
  if (entry.Execute() != IDOK) return;
  std::string message;
  if (!RenameStructureTo(oldName, newName, program_, message)) {
    if (!message.empty()) ShowStopBox(HWindow, message);
    return;
  }
  Fill();
  const int at = list_->FindExactString(newName.c_str(), -1);
  if (at >= 0) list_->SetSelIndex(at);
}

void TStructEdit::EvCopy() {
  const std::string name = Selected();
  if (name.empty()) {
    ShowStopBox(HWindow, kMustSelectStructureText);
    return;
  }
  if (const StructDef* def = FindStructureByName(name.c_str(), &program_.Symbols())) {
    CopyStructure(TheClipboard(), *def, program_);
  }
}

void TStructEdit::EvPaste() {
  if (PasteStructures(TheClipboard(), program_, StandardConflictsDialog())) Fill();
}

}  // namespace zeph
