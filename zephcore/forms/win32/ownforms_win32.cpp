// The Record and Listen forms.
#include "forms/win32/ownforms.h"

#include "forms/engine/formlimits.h"

namespace zeph {
namespace {

// Entries of the Record VavurOrezo that belong to the menu: "Voice Sent Continue", "File
// Parameters" and "Menu Parameters" to "Max Menu Answered".
constexpr int kMenuEntries[] = {4, 5, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
// Menu entries that may stay blank while the menu is off.
constexpr int kMenuBlankEntries[] = {5, 10, 11, 17, 18, 19};
constexpr int kMessageParameters = 2;
constexpr int kMessageSentence = 3;

constexpr int kLowFrequency = 3;
constexpr int kHighFrequency = 4;

}  // namespace

DEFINE_RESPONSE_TABLE(TRecForm, TGenForm)
  EV_COMMAND(kMenuSupervisionBox, ToggleMenuSupervision),
END_RESPONSE_TABLE;

TRecForm::TRecForm(TWindow* parent, const char* resource, PBInstance* instance, const PBFieldDef* table, int edits,
                   int checks)
    : TGenForm(parent, resource, instance, table, edits, checks) {}

void TRecForm::SetupWindow() {
  TGenForm::SetupWindow();
  menuSupervision_ = ::IsDlgButtonChecked(HWindow, kMenuSupervisionBox) == BST_CHECKED;
  ApplyMenuSupervision();
}

void TRecForm::ToggleMenuSupervision() {
  menuSupervision_ = !menuSupervision_;
  ApplyMenuSupervision();
}

void TRecForm::ApplyMenuSupervision() {
  const bool on = menuSupervision_;
  for (int entry : kMenuEntries) {
    if (entry >= edits_) continue;
    const int row = ids_[static_cast<std::size_t>(entry)];
    TGenEdit* edit = editControls_[static_cast<std::size_t>(entry)];
    if (!on && edit->HWindow != nullptr) edit->SetText("");
    for (int id : {kEditBase + row, kLabelBase + row, kPickButtonBase + row}) {
      if (HWND control = ::GetDlgItem(HWindow, id)) ::EnableWindow(control, on ? TRUE : FALSE);
    }
    table_[entry].SkipMe = on ? 0 : 1;
  }
}

bool TRecForm::ValidateAndStore() {
  if (edits_ > kMessageSentence) {
    char text[kLabelTextLimit] = {};
    editControls_[kMessageSentence]->GetText(text, sizeof text);
    table_[kMessageParameters].CanFieldBeBlank = text[0] == '\0' ? 1 : 0;
  }
  for (int entry : kMenuBlankEntries) {
    if (entry < edits_) table_[entry].CanFieldBeBlank = menuSupervision_ ? 0 : 1;
  }
  return TGenForm::ValidateAndStore();
}

DEFINE_RESPONSE_TABLE(TListenForm, TGrayForm)
  EV_COMMAND(kListenSetButton, SetClicked),
END_RESPONSE_TABLE;

TListenForm::TListenForm(TWindow* parent, PBInstance* instance, const PBFieldDef* table)
    : TGrayForm(parent, kListenFormResource, instance, table, CountFormEntries(table).Edits,
                CountFormEntries(table).Checks, CountFormEntries(table).Combos) {}

void TListenForm::SetClicked() {
  // The usual band: 400 to 1200 Hz, band and tone length on, cadence off; then the boxes'
  // rules as though they had been clicked (boxes counted from 1).
  if (HWND low = ::GetDlgItem(HWindow, EditId(kLowFrequency))) ::SetWindowTextA(low, "'400");
  if (HWND high = ::GetDlgItem(HWindow, EditId(kHighFrequency))) ::SetWindowTextA(high, "'1200");
  ::CheckDlgButton(HWindow, kCheckBoxBase + 1, BST_CHECKED);
  ::CheckDlgButton(HWindow, kCheckBoxBase + 2, BST_CHECKED);
  ::CheckDlgButton(HWindow, kCheckBoxBase + 3, BST_UNCHECKED);
  for (int n = 2; n <= 4; ++n) CheckBoxClicked(n);
}

}  // namespace zeph
