#include "connection_page.h"

#include "dialup.h"
#include "setup_ids.h"
#include "wizard_sheet.h"

using namespace setup;

DEFINE_RESPONSE_TABLE(CPage1, CSetupPage)
  EV_COMMAND(kLanRadio, OnConnectionClicked),
  EV_COMMAND(kDialUpRadio, OnConnectionClicked),
  EV_COMMAND(kNewEntry, OnNewEntry),
  EV_COMMAND(kEntryProperties, OnEntryProperties),
END_RESPONSE_TABLE;

CPage1::CPage1(CWizardSheet& sheet)
    : CSetupPage(sheet, kConnectionPage, kConnectionHelp, PSWIZB_NEXT),
      entries_(this, kEntryList),
      userEdit_(this, kDialUser, 20),
      passwordEdit_(this, kDialPassword, 20) {}

void CPage1::LoadFrom(const CSystemInfo& system) {
  dialUp_ = system.ConnectionType != CSystemInfo::LocalNetwork;
  entry_ = system.DialEntry;
  userName_ = system.DialUserName;
  password_ = system.DialPassword;
}

BOOL CPage1::OnInitDialog() {
  CSetupPage::OnInitDialog();
  ::CheckRadioButton(HWindow, kLanRadio, kDialUpRadio, dialUp_ ? kDialUpRadio : kLanRadio);
  userEdit_.SetText(userName_);
  passwordEdit_.SetText(password_);
  FillEntries(true);
  UpdateControls();
  return TRUE;
}

BOOL CPage1::OnSetActive() {
  UpdateControls();
  return CSetupPage::OnSetActive();
}

bool CPage1::IsLocalNetwork() const { return HWindow ? IsChecked(kLanRadio) : !dialUp_; }

std::string CPage1::EntryText() const { return HWindow ? entries_.SelectedText() : entry_; }

void CPage1::UpdateControls() {
  const bool dialUp = !IsLocalNetwork();
  for (int id : {kEntryList, kNewEntry, kDialUser, kDialPassword}) EnableControl(id, dialUp);
  EnableControl(kEntryProperties, dialUp && !EntryText().empty());
}

void CPage1::FillEntries(bool initial) {
  CRAS ras(Sheet().DialUp());
  if (!ras.Initialize()) {
    if (!IsLocalNetwork()) Refuse(ras.GetLatestErrorText(), MB_ICONSTOP, 0);
    return;
  }
  unsigned char* records = nullptr;
  std::int32_t count = 0;
  if (!ras.EnumEntries(&records, &count)) {
    Refuse(ras.GetLatestErrorText(), MB_ICONINFORMATION, 0);
    return;
  }
  entries_.ResetContent();
  for (std::int32_t i = 0; i < count; ++i)
    entries_.AddString(reinterpret_cast<const char*>(records + i * CRAS::kEntrySize + CRAS::kNameOffset));
  CRAS::FreeEntries(records);
  if (count > 0) entries_.SetSelIndex(0);
  if (!initial || !IsLocalNetwork()) {
    const int stored = entries_.FindExactString(entry_.c_str(), -1);
    if (stored >= 0) entries_.SetSelIndex(stored);
  }
}

void CPage1::OnNewEntry() {
  CRAS ras(Sheet().DialUp());
  if (ras.CreatePhonebookEntry(Sheet().GetHandle())) {
    FillEntries(false);
  } else {
    Refuse(ras.GetLatestErrorText(), MB_ICONINFORMATION, 0);
  }
}

void CPage1::OnEntryProperties() {
  const std::string entry = EntryText();
  if (entry.empty()) {
    Refuse(Message(kIdsInvalidDialUp), MB_ICONINFORMATION, kEntryList);
    return;
  }
  CRAS ras(Sheet().DialUp());
  if (ras.EditPhonebookEntry(Sheet().GetHandle(), entry)) {
    FillEntries(false);
  } else {
    Refuse(ras.GetLatestErrorText(), MB_ICONINFORMATION, 0);
  }
}

bool CPage1::Validate() {
  if (IsLocalNetwork()) return true;
  const std::string entry = EntryText();
  if (entry.empty()) {
    Refuse(Message(kIdsInvalidDialUp), MB_ICONINFORMATION, 0);
    return false;
  }
  CRAS ras(Sheet().DialUp());
  if (!ras.Initialize()) {
    Refuse(ras.GetLatestErrorText(), MB_ICONSTOP, 0);
    return false;
  }
  if (ras.GetEntryProperties(entry)) return true;
  // An entry that is simply not there comes back without a text of its own.
  const std::string reason = ras.GetLatestErrorText();
  Refuse(reason.empty() ? Message(kIdsInvalidDialUp) : reason, MB_ICONINFORMATION, 0);
  return false;
}

int CPage1::StoreTo(CSystemInfo& system) {
  if (!Validate()) return 0;
  if (HWindow) {
    dialUp_ = !IsLocalNetwork();
    // Without a phone book the list is empty: a local-network system keeps its entry.
    if (dialUp_ || !EntryText().empty()) entry_ = EntryText();
    userName_ = userEdit_.Text();
    password_ = passwordEdit_.Text();
  }
  system.ConnectionType = dialUp_ ? CSystemInfo::DialUp : CSystemInfo::LocalNetwork;
  system.DialEntry = entry_;
  system.DialUserName = userName_;
  system.DialPassword = password_;
  return 1;
}
