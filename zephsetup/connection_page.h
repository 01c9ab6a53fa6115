#pragma once
// The wizard's first page: local network or dial-up, and for dial-up the phone-book entry
// with its user name and password. Its choice is checked on Next and on every
// confirmation, shown or not.
#include <string>

#include "mfc/controls.h"
#include "setup_page.h"

class CPage1 : public CSetupPage {
 public:
  explicit CPage1(CWizardSheet& sheet);

  void LoadFrom(const CSystemInfo& system) override;
  int StoreTo(CSystemInfo& system) override;

  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  LRESULT OnWizardNext() override { return Validate() ? 0 : -1; }

  // The local network is chosen (what the address page's look-ups depend on).
  bool IsLocalNetwork() const;

 private:
  void OnConnectionClicked() { UpdateControls(); }
  void OnNewEntry();
  void OnEntryProperties();
  void UpdateControls();
  // Refills the entry list from the phone book and selects the stored entry.
  void FillEntries(bool initial);
  std::string EntryText() const;
  bool Validate();

  bool dialUp_ = false;
  std::string entry_;
  std::string userName_;
  std::string password_;
  CComboBox entries_;
  CEdit userEdit_;
  CEdit passwordEdit_;

  DECLARE_RESPONSE_TABLE(CPage1);
};
