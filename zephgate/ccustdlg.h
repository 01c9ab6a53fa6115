#pragma once
// The customer dialog (template 132): one customer, "1", in a drop-down list; after OK the
// chosen number is held as text. Nothing opens it: the interactive login always passes "1".
#include <string>

#include "mfc/controls.h"
#include "mfc/dialog.h"

namespace gate {

constexpr UINT kCustomerDialogId = 132;

class CCustDlg : public CDialog {
 public:
  explicit CCustDlg(TWindow* parent = nullptr);

  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override { CDialog::OnCancel(); }

  const std::string& Customer() const { return customer_; }

 private:
  CComboBox list_;
  std::string customer_;
};

}  // namespace gate
