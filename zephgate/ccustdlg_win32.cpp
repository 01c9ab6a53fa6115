#include "ccustdlg.h"

#include "pwd_chg_dialog.h"

namespace gate {

CCustDlg::CCustDlg(TWindow* parent) : CDialog(kCustomerDialogId, parent), list_(this, 1001) {}

BOOL CCustDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetLauncherIcons(*this);
  list_.AddString("1");
  list_.SetSelIndex(0);
  return TRUE;
}

void CCustDlg::OnOK() {
  customer_ = list_.SelectedText();
  CDialog::OnOK();
}

}  // namespace gate
