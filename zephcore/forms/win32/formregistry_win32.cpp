// The makers and factories of the property forms.
#include "forms/win32/formregistry.h"

#include <memory>
#include <new>
#include <string>
#include <vector>

#include "forms/engine/formlimits.h"
#include "foundation/kvassert.h"
#include "forms/win32/assignforms.h"
#include "forms/win32/entryform.h"
#include "forms/win32/genform.h"
#include "forms/win32/grayform.h"
#include "forms/win32/messageforms.h"
#include "forms/win32/ownforms.h"
#include "model/pbcat.h"
#include "model/pbfield_lookup.h"
#include "model/program/editform.h"
#include "model/superblk_endpagedlg.h"

namespace zeph {
namespace {

constexpr int kTypeCompare = 26;
constexpr int kTypeAssign = 27;
constexpr int kTypeAdd = 137;
constexpr int kTypeSubtract = 138;
constexpr int kTypeEndBlock = 181;
constexpr int kTypeEntry = 2;
constexpr int kTypeRecord = 3;
constexpr int kTypeListen = 218;
constexpr int kTypeMessage = 1;
constexpr int kTypeMultiMail = 21;

// A dialog run as a property form, with an alias of its owner window.
class DialogForm : public VavurOrezoForm {
 public:
  DialogForm(std::unique_ptr<TWindow> owner, std::string caption)
      : owner_(std::move(owner)), caption_(std::move(caption)) {}
  void Take(TDialog* dialog) { dialog_.reset(dialog); }
  TWindow* Owner() const { return owner_.get(); }
  int Execute() override {
    if (!dialog_) return IDCANCEL;
    if (!caption_.empty()) dialog_->SetCaption(caption_.c_str());
    return dialog_->Execute();
  }

 private:
  std::unique_ptr<TWindow> owner_;
  std::string caption_;
  std::unique_ptr<TDialog> dialog_;
};

std::unique_ptr<TWindow> OwnerAlias(HWND owner) {
  return owner != nullptr ? std::unique_ptr<TWindow>(new (std::nothrow) TWindow(owner)) : nullptr;
}

// The call's variables only: its exits are drawn, not edited.
std::vector<PBFieldDef> VariablesOnly(const PBFieldDef* table) {
  std::vector<PBFieldDef> out;
  for (const PBFieldDef* e = table; e != nullptr && !e->IsEnd(); ++e) {
    if (!(e->SkipMe && e->IsGoto())) out.push_back(*e);
  }
  out.push_back(PBFieldDef());
  return out;
}

std::unique_ptr<VavurOrezoForm> MakeForm(const VavurOrezoFormRequest& request) {
  if (!KV_ASSERT(request.Instance != nullptr && request.Table != nullptr)) return nullptr;
  auto form = std::make_unique<DialogForm>(OwnerAlias(request.Owner), request.Caption);
  const bool superBlockCall = request.Resource != nullptr && std::string(request.Resource) == kSuperBlockCallForm;
  std::vector<PBFieldDef> variables;
  const PBFieldDef* table = request.Table;
  if (superBlockCall) {
    variables = VariablesOnly(table);
    table = variables.data();
  }
  const FormCounts counts = CountFormEntries(table);
  TDialog* dialog = nullptr;
  switch (request.DialogKind) {
    case 1:
      dialog = new (std::nothrow) TGenForm(form->Owner(), request.Resource, request.Instance, table, counts.Edits,
                                           counts.Checks, superBlockCall ? kSuperBlockGotoPosition : 0);
      break;
    case 2:
      dialog = new (std::nothrow) TGenFormPlus(form->Owner(), request.Resource, request.Instance, table,
                                               counts.Edits, counts.Checks, counts.Combos);
      break;
    case 3:
      dialog = new (std::nothrow) TWholeTab(form->Owner(), request.Resource, request.Instance, table, counts.Edits,
                                            counts.Checks);
      break;
    case 4:
      dialog = new (std::nothrow) TGrayForm(form->Owner(), request.Resource, request.Instance, table, counts.Edits,
                                            counts.Checks, counts.Combos);
      break;
    default:
      break;
  }
  if (dialog == nullptr) return nullptr;
  form->Take(dialog);
  return form;
}

std::string CaptionOf(const PBInstance& instance, const PBType& slot) {
  const char* shown = slot.DisplayName != nullptr && slot.DisplayName[0] != '\0' ? slot.DisplayName : slot.InternalName;
  return std::string(shown != nullptr ? shown : "") + " / " + instance.Name;
}

// The form of an instance with its caption "type / name": make gets the owner, the
// instance's table and its counts.
template <class Make>
void* MakeOwnForm(void* owner, PBInstance* instance, const PBType* slot, Make make) {
  if (instance == nullptr || slot == nullptr) return nullptr;
  const PBFieldDef* table = GetFieldTable(instance->Type, instance);
  if (table == nullptr) return nullptr;
  auto* form = new (std::nothrow) DialogForm(OwnerAlias(static_cast<HWND>(owner)), CaptionOf(*instance, *slot));
  if (form == nullptr) return nullptr;
  form->Take(make(form->Owner(), table, CountFormEntries(table)));
  return static_cast<VavurOrezoForm*>(form);
}

template <class Form>
void* MakeOperandForm(void* owner, PBInstance* instance, const PBType* slot) {
  return MakeOwnForm(owner, instance, slot, [&](TWindow* parent, const PBFieldDef* table, const FormCounts& counts) {
    return new (std::nothrow) Form(parent, slot->DialogResource, instance, table, counts.Edits, counts.Checks);
  });
}

void* MakeEntryForm(void* owner, PBInstance* instance, const PBType* slot) {
  return MakeOwnForm(owner, instance, slot, [&](TWindow* parent, const PBFieldDef*, const FormCounts&) {
    return new (std::nothrow) TEntryForm(parent, slot->DialogResource, instance);
  });
}

void* MakeMessageForm(void* owner, PBInstance* instance, const PBType* slot) {
  return MakeOwnForm(owner, instance, slot, [&](TWindow* parent, const PBFieldDef*, const FormCounts&) {
    return new (std::nothrow) TMsgForm(parent, slot->DialogResource, instance);
  });
}

void* MakeListenForm(void* owner, PBInstance* instance, const PBType* slot) {
  return MakeOwnForm(owner, instance, slot, [&](TWindow* parent, const PBFieldDef* table, const FormCounts&) {
    return new (std::nothrow) TListenForm(parent, instance, table);
  });
}

void* MakeEndBlockForm(void* owner, PBInstance* instance, const PBType* slot) {
  if (instance == nullptr || slot == nullptr) return nullptr;
  auto* form = new (std::nothrow) DialogForm(OwnerAlias(static_cast<HWND>(owner)), std::string());
  if (form == nullptr) return nullptr;
  form->Take(new (std::nothrow) TEndPageDialog(form->Owner(), *instance));
  return static_cast<VavurOrezoForm*>(form);
}

void SetFactory(int type, PBFormFactory factory) { SetFormFactory(type, factory); }

}  // namespace

void SetFormFactory(int type, PBFormFactory factory) {
  const PBType* slot = GetPBType(type);
  if (slot == nullptr) return;
  DefinePBHooks(TheCatalogue(), type, slot->CodeEmitter, factory, slot->DirectAction, slot->ExtraHook);
}

void RegisterPropertyForms() {
  for (int kind = 1; kind <= 4; ++kind) SetVavurOrezoFormMaker(kind, MakeForm);
  SetFactory(kTypeCompare, MakeOperandForm<TCompare>);
  SetFactory(kTypeAssign, MakeOperandForm<TAssign>);
  SetFactory(kTypeAdd, MakeOperandForm<TAdd>);
  SetFactory(kTypeSubtract, MakeOperandForm<TSubtract>);
  SetFactory(kTypeEndBlock, MakeEndBlockForm);
  SetFactory(kTypeEntry, MakeEntryForm);
  SetFactory(kTypeRecord, MakeOperandForm<TRecForm>);
  SetFactory(kTypeListen, MakeListenForm);
  SetFactory(kTypeMessage, MakeMessageForm);
  SetFactory(kTypeMultiMail, MakeOperandForm<TMultiForm>);
}

}  // namespace zeph
