// The service blocks' own forms and their factories.
#include "editors/win32/serviceforms.h"

#include <memory>
#include <new>
#include <string>

#include "editors/win32/mediadialogs.h"
#include "forms/engine/formids.h"
#include "forms/engine/formlimits.h"
#include "forms/win32/formregistry.h"
#include "model/modelcodes.h"
#include "model/pbcat.h"
#include "model/pbfield_lookup.h"
#include "model/program/editform.h"

namespace zeph {
namespace {

constexpr int kMediaTextMax = 64;

std::string ControlText(HWND dialog, int id) {
  char text[kMediaTextMax + 1] = {};
  ::GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

const MediaForm& FormOf(int type) {
  static const MediaForm none{};
  const MediaForm* form = FindMediaForm(type);
  return form != nullptr ? *form : none;
}

}  // namespace

DEFINE_RESPONSE_TABLE(TMediaFieldForm, TGrayForm)
  EV_COMMAND_RANGE(kPickButtonBase, kPickButtonBase + kMaxEdits - 1, EvPickButton),
END_RESPONSE_TABLE;

TMediaFieldForm::TMediaFieldForm(TWindow* parent, const MediaForm& media, PBInstance* instance,
                                 const PBFieldDef* table, int edits, int checks, int combos)
    : TGrayForm(parent, media.Template, instance, table, edits, checks, combos), media_(media) {}

void TMediaFieldForm::SetupWindow() {
  TGrayForm::SetupWindow();
  for (const MediaFieldControls& field : media_.Fields) {
    ::SendDlgItemMessageA(HWindow, field.Description, EM_LIMITTEXT, kMediaDescriptionEditLimit, 0);
    ShowField(field);
    ::EnableWindow(::GetDlgItem(HWindow, field.Description), FALSE);
  }
}

void TMediaFieldForm::ShowField(const MediaFieldControls& field) {
  const std::string stored = ControlText(HWindow, field.Edit);
  if (stored.empty()) return;
  const MediaFieldView view = ShowMediaField(stored);
  ::SetDlgItemTextA(HWindow, field.Edit, view.Edit.c_str());
  if (!view.Description.empty()) ::SetDlgItemTextA(HWindow, field.Description, view.Description.c_str());
}

void TMediaFieldForm::MarkField(const MediaFieldControls& field) {
  const std::string marked = MarkMediaField(ControlText(HWindow, field.Edit), media_.Kind);
  ::SetDlgItemTextA(HWindow, field.Edit, marked.c_str());
}

bool TMediaFieldForm::ValidateAndStore() {
  for (const MediaFieldControls& field : media_.Fields) MarkField(field);
  if (TGrayForm::ValidateAndStore()) return true;
  for (const MediaFieldControls& field : media_.Fields) ShowField(field);
  return false;
}

void TMediaFieldForm::EvPickButton(UINT id) {
  for (std::size_t n = 0; n < media_.Fields.size(); ++n) {
    if (media_.Fields[n].Button == static_cast<int>(id)) {
      PickMediaItem(static_cast<int>(n));
      return;
    }
  }
  TGenForm::PickButton(id);
}

void TMediaFieldForm::PickMediaItem(int n) {
  if (n < 0 || n >= static_cast<int>(media_.Fields.size())) return;
  const MediaFieldControls& field = media_.Fields[static_cast<std::size_t>(n)];
  PickRequest& request = Request();
  if (Table != nullptr) request.TakeRestrictions(Table[field.Field]);
  MarkField(field);
  request.ClearChoice();
  PresetPickRequest(request, ControlText(HWindow, field.Edit), Program());
  std::unique_ptr<TVFList> list(new (std::nothrow) TVFList(
      this, media_.Kind == MediaKind::Voice ? kVoiceFileListResource : kFaxItemListResource, *this));
  if (!list) {
    ShowField(field);
    ShowFormMessage(HWindow, kErrOutOfMemory);
    return;
  }
  if (list->Execute() == IDOK && request.Chosen != nullptr) {
    ::SetDlgItemTextA(HWindow, field.Edit, request.Chosen->Name);
  }
  list.reset();
  ShowField(field);
}

TULVOMenuForm::TULVOMenuForm(TWindow* parent, PBInstance* instance, const PBFieldDef* table, int edits,
                             int checks, int combos)
    : TMediaFieldForm(parent, FormOf(402), instance, table, edits, checks, combos) {}

TFaxForm::TFaxForm(TWindow* parent, PBInstance* instance, const PBFieldDef* table, int edits, int checks,
                   int combos)
    : TMediaFieldForm(parent, FormOf(398), instance, table, edits, checks, combos) {}

TAnnounceForm::TAnnounceForm(TWindow* parent, PBInstance* instance, const PBFieldDef* table, int edits,
                             int checks, int combos)
    : TMediaFieldForm(parent, FormOf(393), instance, table, edits, checks, combos) {}

TThruDialForm::TThruDialForm(TWindow* parent, PBInstance* instance, const PBFieldDef* table, int edits,
                             int checks, int combos)
    : TMediaFieldForm(parent, FormOf(405), instance, table, edits, checks, combos) {}

void TThruDialForm::SetupWindow() {
  TMediaFieldForm::SetupWindow();
  ::EnableWindow(::GetDlgItem(HWindow, kFixedLengthCheck),
                 ::IsDlgButtonChecked(HWindow, kDialByNumber) == BST_CHECKED ? TRUE : FALSE);
}

void TThruDialForm::RadioGroupClicked(int group, int radio) {
  TMediaFieldForm::RadioGroupClicked(group, radio);
  const int id = kRadioBase + radio;
  if (id == kDialByNumber || id == kDialByName || id == kDialByNumberOrName) DialModeChanged(id);
}

void TThruDialForm::DialModeChanged(int id) {
  ::CheckDlgButton(HWindow, kFixedLengthCheck, BST_UNCHECKED);
  Rules().EvalCheckBoxRules(1);
  ::EnableWindow(::GetDlgItem(HWindow, kFixedLengthCheck), id == kDialByNumber ? TRUE : FALSE);
}

namespace {

// A form run for the catalogue, with an alias of its owner window.
class ServiceFormRun : public VavurOrezoForm {
 public:
  explicit ServiceFormRun(HWND owner) : owner_(owner != nullptr ? new (std::nothrow) TWindow(owner) : nullptr) {}
  TWindow* Owner() const { return owner_.get(); }
  void Take(TMediaFieldForm* form, std::string caption) {
    form_.reset(form);
    caption_ = std::move(caption);
  }
  int Execute() override {
    if (!form_) return IDCANCEL;
    form_->SetCaption(caption_.c_str());
    return form_->Execute();
  }

 private:
  std::unique_ptr<TWindow> owner_;
  std::unique_ptr<TMediaFieldForm> form_;
  std::string caption_;
};

template <class Form>
void* MakeServiceForm(void* owner, PBInstance* instance, const PBType* slot) {
  if (instance == nullptr || slot == nullptr) return nullptr;
  const PBFieldDef* table = GetFieldTable(instance->Type, instance);
  if (table == nullptr) return nullptr;
  const FormCounts counts = CountFormEntries(table);
  auto* run = new (std::nothrow) ServiceFormRun(static_cast<HWND>(owner));
  if (run == nullptr) return nullptr;
  const char* shown = slot->DisplayName != nullptr && slot->DisplayName[0] != '\0' ? slot->DisplayName
                                                                                   : slot->InternalName;
  run->Take(new (std::nothrow) Form(run->Owner(), instance, table, counts.Edits, counts.Checks, counts.Combos),
            std::string(shown != nullptr ? shown : "") + " / " + instance->Name);
  return static_cast<VavurOrezoForm*>(run);
}

}  // namespace

void RegisterServiceForms() {
  SetFormFactory(402, MakeServiceForm<TULVOMenuForm>);
  SetFormFactory(398, MakeServiceForm<TFaxForm>);
  SetFormFactory(393, MakeServiceForm<TAnnounceForm>);
  SetFormFactory(405, MakeServiceForm<TThruDialForm>);
}

}  // namespace zeph
