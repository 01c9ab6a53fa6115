#pragma once
// The launcher's login dialog (template 102): a stored system, user id, password and
// location; OK logs in and starts the designer; Delete removes the selected system. The
// system list is the designer's store, opened anew for each action.
#include <functional>
#include <string>

#include "login_app.h"
#include "mfc/controls.h"
#include "mfc/dialog.h"
#include "system_edit.h"

namespace gate {

constexpr UINT kLoginDialogId = 102;
constexpr const char* kNewSystemItem = "<new system>";

// Where help requests go: the help file's path (with its window) and the context.
using HelpRequest = std::function<void(const std::string& path, std::int32_t context)>;

class CLoginDlg : public CDialog {
 public:
  // Without an editor, Add and Edit only log that the wizard is missing.
  CLoginDlg(CLoginApp& app, HelpRequest help, SystemEditor* editor = nullptr, TWindow* parent = nullptr);

  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnHelpKey() override { OnHelp(); }

  void OnHelp();
  void OnAddSystem();
  void OnDeleteSystem();
  void UpdateOkButton();
  void OnSelChangeSystem();
  void ShowSecurityStatus();
  void FillSystemList();

  const std::string& VersionLine() const { return versionLine_; }

 private:
  // The selected system's name; empty for nothing or "<new system>".
  std::string SelectedSystem() const;
  void ClearFields();
  void ShowError(const std::string& text);

  CLoginApp& app_;
  HelpRequest help_;
  SystemEditor* editor_;
  std::string versionLine_;
  CEdit user_;
  CEdit password_;
  CEdit location_;
  CComboBox systems_;
  CButton ok_;
  CButton addSystem_;
  CButton delete_;
  CStatic version_;
  CStatic security_;

  DECLARE_RESPONSE_TABLE(CLoginDlg);
};

}  // namespace gate
