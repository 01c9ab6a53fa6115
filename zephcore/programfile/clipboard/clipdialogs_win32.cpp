// The clipboard's dialogs over the window-class layer.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "foundation/kvmsgbox.h"
#include "pane/clipboardids.h"
#include "programfile/clipboard/clipdialogs.h"
#include "programfile/clipboard/clipdialogwin.h"

namespace zeph {
namespace {

constexpr int kNewNameLimit = 31;   // characters with the terminating zero

void StopBox(HWND owner, const char* text, const char* caption) {
  KvMessageBoxRequest request;
  request.text = text;
  request.caption = caption;
  request.style = kKvMbOk | kKvMbIconHand;
  request.owner = KvBoxOwner::Window;
  request.window = owner;
  KvMessageBox(request);
}

}  // namespace

DEFINE_RESPONSE_TABLE(TNameConflicts, TBaseDialog)
    EV_BN_CLICKED(IDC_CLIP_DONTCOPY, CmDontCopy),
    EV_BN_CLICKED(IDC_CLIP_USEEXISTING, CmUseExisting),
    EV_BN_CLICKED(IDC_CLIP_RENAME, CmRename),
    EV_LBN_SELCHANGE(IDC_CLIP_LIST, SelectionChanged),
END_RESPONSE_TABLE;

TNameConflicts::TNameConflicts(TWindow* parent, TProgram& target, TModule* module, int singleName, char* nameBuffer)
    : TBaseDialog(parent, "DIALOG_CONFLICTS", module),
      target_(target),
      single_(singleName),
      buffer_(nameBuffer),
      list_(new TListBox(this, IDC_CLIP_LIST)),
      edit_(new TEdit(this, IDC_CLIP_NEWNAME, kNewNameLimit)),
      dontCopy_(new TButton(this, IDC_CLIP_DONTCOPY)),
      useExisting_(new TButton(this, IDC_CLIP_USEEXISTING)),
      rename_(new TButton(this, IDC_CLIP_RENAME)) {
  SetHelpName("Name Conflicts");
}

TNameConflicts::~TNameConflicts() = default;

void TNameConflicts::SetupWindow() {
  TBaseDialog::SetupWindow();
  resolver_ = std::make_unique<ConflictResolver>(TheClipboard(), target_, single_ != 0,
                                                 single_ != 0 ? buffer_ : nullptr);
  const int tabs[] = {kConflictsFirstTab, kConflictsSecondTab};
  list_->SetTabStops(2, tabs);
  for (int i = 0; i < resolver_->Count(); ++i) {
    const int at = list_->AddString(resolver_->Line(i).c_str());
    list_->SetItemData(at, i);
  }
  if (resolver_->Count() > 0) {
    list_->SetSelIndex(0);
    UpdateButtons();
    edit_->SetFocus();
  }
}

bool TNameConflicts::CanClose() {
  if (!TBaseDialog::CanClose()) return false;
  if (resolver_ != nullptr && !resolver_->CanFinish()) {
    StopBox(HWindow, "There are still unresolved conflicts.", "Warning!");
    return false;
  }
  if (single_ != 0 && buffer_ != nullptr && resolver_ != nullptr) {
    std::snprintf(buffer_, kClipNameSize, "%s", resolver_->ChosenName().c_str());
  }
  return true;
}

void TNameConflicts::UpdateButtons() {
  const int at = list_->GetSelIndex();
  if (at < 0 || resolver_ == nullptr) return;
  const int i = static_cast<int>(list_->GetItemData(at));
  useExisting_->EnableWindow(resolver_->CanUseExisting(i));
  dontCopy_->EnableWindow(resolver_->CanDontCopy(i));
  const std::string text = resolver_->EditText(i);
  if (!text.empty()) edit_->SetText(text.c_str());
}

void TNameConflicts::SelectionChanged() { UpdateButtons(); }

void TNameConflicts::Decided(int at, bool focusEdit) {
  const int i = static_cast<int>(list_->GetItemData(at));
  list_->DeleteString(at);
  list_->InsertString(resolver_->Line(i).c_str(), at);
  list_->SetItemData(at, i);
  list_->SetSelIndex(at + 1 < list_->GetCount() ? at + 1 : at);
  UpdateButtons();
  if (focusEdit) edit_->SetFocus();
  else list_->SetFocus();
}

void TNameConflicts::CmDontCopy() {
  const int at = list_->GetSelIndex();
  if (at < 0 || resolver_ == nullptr) return;
  resolver_->DontCopy(static_cast<int>(list_->GetItemData(at)));
  Decided(at, false);
}

void TNameConflicts::CmUseExisting() {
  const int at = list_->GetSelIndex();
  if (at < 0 || resolver_ == nullptr) return;
  resolver_->UseExisting(static_cast<int>(list_->GetItemData(at)));
  Decided(at, false);
}

void TNameConflicts::CmRename() {
  const int at = list_->GetSelIndex();
  if (at < 0 || resolver_ == nullptr) return;
  char text[kNewNameLimit + 1] = {};
  edit_->GetText(text, sizeof text);
  if (!resolver_->Rename(static_cast<int>(list_->GetItemData(at)), text)) {
    StopBox(HWindow, "Name is in use or invalid!", "Error");
    edit_->SetFocus();
    return;
  }
  Decided(at, true);
}

TClipContents::TClipContents(TWindow* parent, TModule* module)
    : TBaseDialog(parent, "DIALOG_CLIPBOARD", module), list_(new TListBox(this, IDC_CLIP_LIST)) {}

void TClipContents::SetupWindow() {
  TBaseDialog::SetupWindow();
  const int tabs[] = {kContentsFirstTab, kContentsSecondTab};
  list_->SetTabStops(2, tabs);
  for (const std::string& line : ClipContentsLines(TheClipboard())) list_->AddString(line.c_str());
}

int RunNameConflictsDialog(TProgram& target, int singleName, char* nameBuffer) {
  TNameConflicts dialog(nullptr, target, nullptr, singleName, nameBuffer);
  return dialog.Execute();
}

int RunClipContentsDialog() {
  TClipContents dialog(nullptr, nullptr);
  return dialog.Execute();
}

}  // namespace zeph
