// The voice file and fax item lists and the item dialog.
#include "editors/win32/mediadialogs.h"

#include <windows.h>

#include <new>

#include "editors/win32/controltext.h"
#include "editors/win32/stopbox.h"
#include "foundation/kvvif.h"
#include "model/datatypes.h"
#include "model/program/program.h"
#include "model/symtable.h"

namespace zeph {
namespace {

constexpr int kTabStops[] = {52, 212, 276};
constexpr int kIdEditLimit = 9;
constexpr int kDescriptionEditLimit = 60;
constexpr int kFlagEditLimit = 4;

const char* ListTitle(MediaKind kind) { return kind == MediaKind::Voice ? "Voice File List" : "Fax Item List"; }

// The item dialog's caption, also its help name.
const char* ItemTitle(bool fax, bool creating) {
  if (fax) return creating ? "Create Fax Item" : "Edit Fax Item";
  return creating ? "Create Voice File" : "Edit Voice File";
}

}  // namespace

DEFINE_RESPONSE_TABLE(TVFList, TGenericForm)
  EV_BN_CLICKED(kMediaCreate, EvCreate),
  EV_BN_CLICKED(kMediaEdit, EvEdit),
  EV_BN_CLICKED(kMediaDelete, EvDelete),
  EV_LBN_DBLCLK(kMediaList, EvDoubleClick),
END_RESPONSE_TABLE;

TVFList::TVFList(TWindow* parent, const char* resource, TGenericForm& selection)
    : TGenericForm(parent, resource),
      selection_(selection),
      kind_(resource != nullptr && lstrcmpiA(resource, kVoiceFileListResource) == 0 ? MediaKind::Voice
                                                                                     : MediaKind::Fax) {
  list_ = new (std::nothrow) TListBox(this, kMediaList);
  done_ = new (std::nothrow) TButton(this, IDOK);
  delete_ = new (std::nothrow) TButton(this, kMediaDelete);
  edit_ = new (std::nothrow) TButton(this, kMediaEdit);
  TButton* search = new (std::nothrow) TButton(this, kMediaSearch);
  if (list_ == nullptr || done_ == nullptr || delete_ == nullptr || edit_ == nullptr || search == nullptr) {
    ShowFormMessage(nullptr, kErrOutOfMemory);
    return;
  }
  SetHelpName(ListTitle(kind_));
}

TVFList::~TVFList() = default;

void TVFList::SetupWindow() {
  TGenericForm::SetupWindow();
  SetCaption(ListTitle(kind_));
  Symbol* current = selection_.Request().Chosen;
  if (done_ != nullptr && done_->HWindow != nullptr) done_->SetWindowText(current != nullptr ? "Done" : "Select");
  TProgram* program = TProgram::Current();
  if (list_ == nullptr || list_->HWindow == nullptr || program == nullptr) return;
  list_->SetTabStops(3, kTabStops);
  for (Symbol* item : ListedMediaItems(*program, kind_)) list_->AddString(MediaItemLine(*item, kind_).c_str());
  if (current != nullptr && current->Name[0] != '\0') {
    const std::string id = current->Name + 1;
    for (int i = 0; i < list_->GetCount(); ++i) {
      if (MediaLineId(ListText(list_, i)) == id) {
        list_->SetSelIndex(i);
        break;
      }
    }
  }
  if (list_->GetSelIndex() < 0) SelectFirstOrDisable();
  list_->SetFocus();
}

bool TVFList::Browsing() const {
  TProgram* program = TProgram::Current();
  return program != nullptr && Parent != nullptr && Parent->HWindow != nullptr &&
         Parent->HWindow == program->OwnerWindow();
}

std::string TVFList::SelectedId() const {
  if (list_ == nullptr || list_->HWindow == nullptr) return "";
  const int at = list_->GetSelIndex();
  return at < 0 ? "" : MediaLineId(ListText(list_, at));
}

Symbol* TVFList::ItemOf(const std::string& id) const {
  TProgram* program = TProgram::Current();
  if (program == nullptr) return nullptr;
  const std::string name = std::string(1, MediaPrefix(kind_)) + id;
  return LookupSymbol(name.c_str(), kTypeVoiceSentence, &program->Symbols());
}

void TVFList::AddAndSelect(const Symbol& item) {
  const int at = list_->AddString(MediaItemLine(item, kind_).c_str());
  EnableItemButtons(true);
  list_->SetSelIndex(at);
}

void TVFList::EnableItemButtons(bool on) {
  if (edit_ != nullptr && edit_->HWindow != nullptr) edit_->EnableWindow(on);
  if (delete_ != nullptr && delete_->HWindow != nullptr) delete_->EnableWindow(on);
}

void TVFList::SelectFirstOrDisable() {
  if (list_->GetCount() > 0) {
    list_->SetSelIndex(0);
  } else {
    EnableItemButtons(false);
  }
}

void TVFList::EvCreate() {
  TProgram* program = TProgram::Current();
  if (program == nullptr) return;
  std::string name;
  std::string description;
  TVFEdit dialog(this, name, description, kind_ == MediaKind::Fax);
  if (dialog.Execute() != IDOK) return;
  std::string message;
  Symbol* item = CreateMediaItem(*program, name, description, message);
  if (!message.empty()) ShowStopBox(HWindow, message);
  if (item != nullptr) AddAndSelect(*item);
}

void TVFList::EvEdit() {
  const std::string id = SelectedId();
  Symbol* item = id.empty() ? nullptr : ItemOf(id);
  if (item == nullptr) {
    ShowStopBox(HWindow, kNoItemSelectedText);
    return;
  }
  std::string name = item->Name;
  char text[kKvDescriptionMax] = {};
  ReadMediaDescription(name.c_str(), text);
  std::string description = text;
  TVFEdit dialog(this, name, description, kind_ == MediaKind::Fax);
  if (dialog.Execute() != IDOK) return;
  std::string message;
  if (!UpdateMediaDescription(item->Name, description, message)) ShowStopBox(HWindow, message);
  list_->DeleteString(list_->GetSelIndex());
  AddAndSelect(*item);
}

void TVFList::EvDelete() {
  TProgram* program = TProgram::Current();
  const std::string id = SelectedId();
  Symbol* item = id.empty() ? nullptr : ItemOf(id);
  if (item == nullptr || program == nullptr) {
    ShowStopBox(HWindow, kNoItemSelectedText);
    return;
  }
  std::string message;
  if (!MayDeleteMediaItem(*item, message)) {
    ShowStopBox(HWindow, message);
    return;
  }
  if (AskBox(HWindow, message, false) != IDOK) return;
  const int at = list_->GetSelIndex();
  if (!DeleteMediaItem(*program, *item)) return;
  list_->DeleteString(at);
  SelectFirstOrDisable();
}

void TVFList::EvDoubleClick() {
  if (Browsing()) {
    EvEdit();
  } else if (CanClose()) {
    CloseWindow(IDOK);
  }
}

bool TVFList::CanClose() {
  if (selection_.Request().NoSelectionNeeded != 0) return true;
  const std::string id = SelectedId();
  Symbol* item = id.empty() ? nullptr : ItemOf(id);
  if (item == nullptr) {
    ShowStopBox(HWindow, kNoItemSelectedText);
    return false;
  }
  selection_.Request().Chosen = item;
  return true;
}

DEFINE_RESPONSE_TABLE(TVFEdit, TBaseDialog)
  EV_BN_CLICKED(kMediaRecordButton, EvNotImplemented),
  EV_BN_CLICKED(kMediaImportButton, EvNotImplemented),
END_RESPONSE_TABLE;

TVFEdit::TVFEdit(TWindow* parent, std::string& name, std::string& description, bool fax)
    : TBaseDialog(parent, fax ? kFaxItemEditResource : kVoiceFileEditResource),
      name_(name),
      description_(description),
      kind_(fax ? MediaKind::Fax : MediaKind::Voice),
      creating_(name.empty()) {
  id_ = new (std::nothrow) TEdit(this, kMediaIdEdit, static_cast<UINT>(kIdEditLimit));
  text_ = new (std::nothrow) TEdit(this, kMediaDescriptionEdit, static_cast<UINT>(kDescriptionEditLimit));
  TEdit* recorded = new (std::nothrow) TEdit(this, kMediaRecordedEdit, static_cast<UINT>(kFlagEditLimit));
  TEdit* imported = fax ? new (std::nothrow) TEdit(this, kMediaImportedEdit, static_cast<UINT>(kFlagEditLimit))
                        : recorded;
  if (id_ == nullptr || text_ == nullptr || recorded == nullptr || imported == nullptr) {
    ShowFormMessage(nullptr, kErrOutOfMemory);
    return;
  }
  SetHelpName(ItemTitle(fax, creating_));
}

TVFEdit::~TVFEdit() = default;

void TVFEdit::SetupWindow() {
  TBaseDialog::SetupWindow();
  const bool fax = kind_ == MediaKind::Fax;
  SetCaption(ItemTitle(fax, creating_));
  ::SetDlgItemTextA(HWindow, kMediaRecordedEdit, "No");
  if (fax) ::SetDlgItemTextA(HWindow, kMediaImportedEdit, "No");
  if (id_ == nullptr || id_->HWindow == nullptr || text_ == nullptr || text_->HWindow == nullptr) return;
  if (creating_) return;
  id_->SetText(name_.c_str() + 1);
  id_->EnableWindow(false);
  text_->SetText(description_.c_str());
  text_->SetSelection(0, -1);
  text_->SetFocus();
}

void TVFEdit::EvNotImplemented() {
  TBaseDialog notice(this, kMediaImportResource);
  notice.Execute();
}

bool TVFEdit::CanClose() {
  TProgram* program = TProgram::Current();
  if (program == nullptr) return false;
  const MediaIdCheck check = CheckMediaId(EditText(id_, kMediaIdLimit), kind_, creating_, *program);
  if (!check.Ok) {
    ShowStopBox(HWindow, check.Message);
    return false;
  }
  name_ = check.Name;
  const std::string description = EditText(text_, kMediaDescriptionLimit);
  if (!description.empty()) description_ = description;
  return true;
}

}  // namespace zeph
