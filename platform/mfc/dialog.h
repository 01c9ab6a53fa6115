#pragma once
// A modal dialog with the MFC names, run by owl's dialog engine: the control objects are
// owl controls made in the constructor and bound by id when the window is set up;
// OnInitDialog runs after the binding; IDOK and IDCANCEL (also Escape and the close box)
// reach the virtual OnOK and OnCancel, which end the dialog by default.
#include "owl/dialog.h"

class CDialog : public TDialog {
 public:
  // Without a module the application's module holds the template.
  explicit CDialog(UINT templateId, TWindow* parent = nullptr, TModule* module = nullptr);

  // Runs the dialog; the id it was ended with (-1 without template).
  INT_PTR DoModal() { return Execute(); }
  void EndDialog(int result) { Destroy(result); }

  // After the controls were bound; TRUE lets the dialog manager set the focus.
  virtual BOOL OnInitDialog() { return TRUE; }
  // The default OnOK transfers the controls' data and ends with IDOK; OnCancel ends with
  // IDCANCEL.
  virtual void OnOK() { CmOk(); }
  virtual void OnCancel() { CmCancel(); }
  // F1 anywhere in the dialog (WM_HELP); nothing by default.
  virtual void OnHelpKey() {}

  void SetIcon(HICON icon, BOOL bigIcon);
  HWND GetDlgItem(int id) const { return ::GetDlgItem(HWindow, id); }
  // Moves the focus to the control as the dialog manager does (default button kept right).
  void GotoDlgCtrl(int id);
  // Gives every control whose id names a string of the dialog's module that string as its
  // tip. Called once the window exists (OnInitDialog).
  void EnableToolTips();
  // The tip window (null before EnableToolTips).
  HWND ToolTips() const { return toolTips_; }

 protected:
  bool EvInitDialog(HWND hWndFocus) override;

 private:
  void OkCommand() { OnOK(); }
  void CancelCommand() { OnCancel(); }
  LRESULT EvHelp(WPARAM, LPARAM);

  HWND toolTips_ = nullptr;

  DECLARE_RESPONSE_TABLE(CDialog);
};
