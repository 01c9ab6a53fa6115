#pragma once
// The wizard's second page: the server's computer name or address, checked by a look-up
// over the computer's sockets, and the contact and location. Nothing is stored from it
// unless it was shown.
#include <string>

#include "mfc/controls.h"
#include "setup_page.h"

class CPage2 : public CSetupPage {
 public:
  explicit CPage2(CWizardSheet& sheet);

  void LoadFrom(const CSystemInfo& system) override;
  int StoreTo(CSystemInfo& system) override;

  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  LRESULT OnWizardNext() override;

  // The address as typed (as loaded before the page was shown).
  std::string AddressText() const { return HWindow ? addressEdit_.Text() : address_; }
  // Looks the address up and shows the answer; false (with the reason shown) when it fails.
  bool VerifyAddress();

 private:
  void OnAddressChanged();
  void OnVerify();
  void UpdateVerify();
  bool Validate();

  std::string address_;
  std::string contact_;
  std::string location_;
  CEdit addressEdit_;
  CEdit result_;
  CEdit contactEdit_;
  CEdit locationEdit_;

  DECLARE_RESPONSE_TABLE(CPage2);
};
