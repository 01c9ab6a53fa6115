#include "address_page.h"

#include "connection_page.h"
#include "setup_ids.h"
#include "system_rules.h"
#include "wizard_sheet.h"

using namespace setup;

DEFINE_RESPONSE_TABLE(CPage2, CSetupPage)
  EV_EN_CHANGE(kAddress, OnAddressChanged),
  EV_COMMAND(kVerify, OnVerify),
END_RESPONSE_TABLE;

CPage2::CPage2(CWizardSheet& sheet)
    : CSetupPage(sheet, kAddressPage, kAddressHelp, PSWIZB_BACK | PSWIZB_NEXT),
      addressEdit_(this, kAddress, 64),
      result_(this, kVerifyResult),
      contactEdit_(this, kContactName, 32),
      locationEdit_(this, kLocation, 32) {}

void CPage2::LoadFrom(const CSystemInfo& system) {
  address_ = system.Address;
  contact_ = system.ContactName;
  location_ = system.Location;
}

BOOL CPage2::OnInitDialog() {
  CSetupPage::OnInitDialog();
  addressEdit_.SetText(address_);
  contactEdit_.SetText(contact_);
  locationEdit_.SetText(location_);
  EnableControl(kVerify, false);
  EnableControl(kVerifyResult, false);
  return TRUE;
}

BOOL CPage2::OnSetActive() {
  UpdateVerify();
  return CSetupPage::OnSetActive();
}

void CPage2::UpdateVerify() {
  const bool canVerify = !AddressText().empty() && Sheet().Connection().IsLocalNetwork();
  EnableControl(kVerify, canVerify);
  EnableControl(kVerifyResult, canVerify);
}

void CPage2::OnAddressChanged() {
  result_.SetText("");
  UpdateVerify();
}

bool CPage2::VerifyAddress() {
  CWaitCursor wait;
  AddressResolver& resolver = Sheet().Resolver();
  if (!resolver.Start()) {
    Refuse(Message(kIdsNoSockets), 0, 0);
    return false;
  }
  const std::string address = AddressText();
  const bool dotted = IsDottedAddress(address);
  const std::optional<std::string> answer = dotted ? resolver.NameOf(address) : resolver.AddressOf(address);
  resolver.Stop();
  if (!answer) {
    result_.SetText("");
    Refuse(Message(dotted ? kIdsAddressNotResolved : kIdsNameNotResolved), 0, kAddress);
    return false;
  }
  result_.SetText(*answer);
  return true;
}

void CPage2::OnVerify() {
  if (VerifyAddress()) GotoDlgCtrl(kAddress);
}

bool CPage2::Validate() {
  const std::string address = AddressText();
  if (address.empty()) {
    Refuse(Message(kIdsEnterAddress), 0, kAddress);
    return false;
  }
  if (!Sheet().Connection().IsLocalNetwork() && !IsDottedAddress(address)) {
    Refuse(Message(kIdsDialUpNeedsAddress), 0, kAddress);
    return false;
  }
  return true;
}

LRESULT CPage2::OnWizardNext() {
  // The look-up only informs: a name that does not resolve may still be right later.
  if (Sheet().Connection().IsLocalNetwork() && !AddressText().empty()) VerifyAddress();
  return Validate() ? 0 : -1;
}

int CPage2::StoreTo(CSystemInfo& system) {
  if (!Visited()) return 1;
  if (!Validate()) return 0;
  std::string address = AddressText();
  if (Sheet().Connection().IsLocalNetwork()) {
    if (result_.Text().empty()) VerifyAddress();
    // A name is kept as the address it resolved to.
    const std::string resolved = result_.Text();
    if (!IsDottedAddress(address) && !resolved.empty()) address = resolved;
  }
  address_ = address;
  contact_ = contactEdit_.Text();
  location_ = locationEdit_.Text();
  system.Address = address_;
  system.ContactName = contact_;
  system.Location = location_;
  return 1;
}
