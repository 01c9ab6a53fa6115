// The property forms' base: pick buttons and the open picker.
#include "forms/win32/genericform.h"

#include <new>

#include "forms/win32/varpick.h"
#include "foundation/kvassert.h"
#include "foundation/kvmsgbox.h"
#include "model/datatypes.h"
#include "model/modelcodes.h"
#include "model/pbaccess_msgtext.h"
#include "model/symtable.h"

namespace zeph {

DEFINE_RESPONSE_TABLE(TGenericForm, TBaseDialog)
  EV_MESSAGE(kMsgClosePicker, EvClosePicker),
END_RESPONSE_TABLE;

void ShowFormMessage(HWND owner, int code) {
  KvMessageBoxRequest box;
  box.text = PBMessageText(code);
  box.caption = "";
  box.style = kKvMbOk | kKvMbIconHand;
  box.owner = KvBoxOwner::Window;
  box.window = owner;
  KvMessageBox(box);
}

TGenericForm::TGenericForm(TWindow* parent, const char* resource, TModule* module)
    : TBaseDialog(parent, resource, module) {}

TGenericForm::~TGenericForm() = default;

void PickReadFieldRef(PickRequest& request, TEdit* edit, SymbolTable* program) {
  char text[512] = {};
  if (edit != nullptr && edit->HWindow != nullptr) edit->GetText(text, sizeof text);
  PresetPickRequest(request, text, program);
}

int PickRunDialog(PickRequest& request, TEdit* edit, TVarPick& picker, SymbolTable* program) {
  const int result = picker.Execute();
  if (result == IDOK && edit != nullptr && edit->HWindow != nullptr) {
    edit->SetText(ChosenReferenceText(request, program).c_str());
  }
  return result;
}

void TGenericForm::PickField(int field, TEdit* edit, int kind) {
  if (!KV_ASSERT(Table != nullptr && field >= 0 && field < CountFields(Table))) return;
  PBFieldDef& entry = Table[field];
  if (entry.AddStructs == kStructsBitsOrSize) {
    TypeMask mask;
    mask.Allowed1 = entry.Allowed1;
    mask.Allowed2 = entry.Allowed2;
    MarkStructuresOfSize(mask, entry.StructNum, ResolveProgram(program_));
    entry.Allowed1 = mask.Allowed1;
    entry.Allowed2 = mask.Allowed2;
  }
  request_.TakeRestrictions(entry);
  if (kind == kPickKindVoiceSentence) {
    // Later checks of this field accept voice sentences only.
    request_.Allowed2 = kVoiceSentenceTypes2;
    entry.Allowed2 = kVoiceSentenceTypes2;
  }
  PickReadFieldRef(request_, edit, program_);
  TVarPick* picker = new (std::nothrow) TVarPick(this, kVarPickResource, request_, 0, entry.FieldRepresentation);
  if (picker == nullptr) {
    ShowFormMessage(HWindow, kErrOutOfMemory);
    return;
  }
  picker->SetProgram(program_);
  picker_ = picker;
  PickRunDialog(request_, edit, *picker, program_);
  picker_ = nullptr;
  delete picker;
}

int TGenericForm::ClosePicker() {
  if (picker_ != nullptr && picker_->HWindow != nullptr) picker_->CloseWindow(IDOK);
  return 0;
}

LRESULT TGenericForm::EvClosePicker(WPARAM, LPARAM) { return ClosePicker(); }

}  // namespace zeph
