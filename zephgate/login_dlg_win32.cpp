#include "login_dlg.h"

#include "gate_system.h"
#include "login_attempt.h"
#include "owl/msgbox.h"
#include "pwd_chg_dialog.h"
#include "systems_repository.h"

namespace gate {
namespace {

constexpr int kIdOk = 51001;
constexpr int kIdCancel = 51002;
constexpr int kIdHelp = 51000;
constexpr int kIdAddSystem = 21011;
constexpr int kIdDelete = 1001;
constexpr std::int32_t kIdsAddSystem = 21212;
constexpr std::int32_t kIdsEditSystem = 21213;
constexpr std::int32_t kIdsConfirmDelete = 21215;
constexpr std::int32_t kLoginHelpContext = 20000;

std::string Replace(std::string text, const std::string& value) {
  const std::size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, value);
  return text;
}

}  // namespace

DEFINE_RESPONSE_TABLE(CLoginDlg, CDialog)
  EV_COMMAND(kIdOk, OnOK),
  EV_COMMAND(kIdCancel, OnCancel),
  EV_COMMAND(kIdHelp, OnHelp),
  EV_COMMAND(kIdAddSystem, OnAddSystem),
  EV_COMMAND(kIdDelete, OnDeleteSystem),
  EV_EN_CHANGE(21000, UpdateOkButton),
  EV_EN_CHANGE(21001, UpdateOkButton),
  EV_CBN_SELCHANGE(1000, OnSelChangeSystem),
END_RESPONSE_TABLE;

CLoginDlg::CLoginDlg(CLoginApp& app, HelpRequest help, SystemEditor* editor, TWindow* parent)
    : CDialog(kLoginDialogId, parent),
      app_(app),
      help_(std::move(help)),
      editor_(editor),
      user_(this, 21000, 20),
      password_(this, 21001, 20),
      location_(this, 21002, 30),
      systems_(this, 1000),
      ok_(this, kIdOk),
      addSystem_(this, kIdAddSystem),
      delete_(this, kIdDelete),
      version_(this, 1002),
      security_(this, 1005) {
  // Read access is enough: a user without write rights still sees the version.
  std::string version = "unknown";
  GateSystem& system = app_.Services().system;
  if (const auto key = system.LoadText(kIdsDataKey)) {
    if (const auto value = system.ReadMachineValue(*key, "Flowsmith Version")) version = value->substr(0, 31);
  }
  versionLine_ = "Build Version: " + version;
}

BOOL CLoginDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetLauncherIcons(*this);
  // The system list and the three fields explain themselves in tips.
  EnableToolTips();
  version_.SetText(versionLine_);
  UpdateOkButton();
  FillSystemList();
  systems_.AddString(kNewSystemItem);
  systems_.SetSelIndex(0);
  OnSelChangeSystem();
  return TRUE;
}

void CLoginDlg::FillSystemList() {
  systems_.ResetContent();
  CSystemsRepository store(CSystemInfo::AppsDesigner);
  store.ForEach(
      this, [](void* caller, const CSystemInfo& system, void*) {
        static_cast<CLoginDlg*>(caller)->systems_.AddString(system.Name.c_str());
      },
      nullptr);
}

std::string CLoginDlg::SelectedSystem() const {
  const std::string name = systems_.SelectedText();
  return name == kNewSystemItem ? std::string() : name;
}

void CLoginDlg::UpdateOkButton() {
  ok_.EnableWindow(!user_.Text().empty() && !password_.Text().empty() && !SelectedSystem().empty());
}

void CLoginDlg::OnSelChangeSystem() {
  const bool system = !SelectedSystem().empty();
  const auto label = app_.Services().system.LoadText(system ? kIdsEditSystem : kIdsAddSystem);
  if (label) addSystem_.SetText(*label);
  delete_.EnableWindow(system);
  UpdateOkButton();
  ShowSecurityStatus();
}

void CLoginDlg::ShowSecurityStatus() {
  const std::string name = SelectedSystem();
  if (name.empty()) {
    security_.SetText("");
    return;
  }
  CSystemInfo system;
  CSystemsRepository store(CSystemInfo::AppsDesigner);
  if (!store.GetByName(name, system)) return;
  switch (system.SslLevel) {
    case 0: security_.SetText("Security: SSL disabled"); break;
    case 2: security_.SetText("Security: SSL enabled for login and password change only."); break;
    case 1: security_.SetText("Security: SSL enabled for all operations."); break;
    default: security_.SetText(""); break;
  }
}

void CLoginDlg::ClearFields() {
  user_.SetText("");
  password_.SetText("");
  location_.SetText("");
}

void CLoginDlg::ShowError(const std::string& text) {
  ShowMessageBox(HWindow, text.c_str(), "Error", MB_OK | MB_ICONSTOP);
}

void CLoginDlg::OnOK() {
  const std::string name = SelectedSystem();
  if (name.empty()) return;
  CSystemInfo system;
  CSystemsRepository store(CSystemInfo::AppsDesigner);
  if (!store.GetByName(name, system)) return;
  const CLoginData login(user_.Text(), password_.Text(), location_.Text());
  LoginOutcome outcome;
  {
    CWaitCursor wait;
    outcome = LogInAndLaunch(app_, name, system, login);
  }
  if (outcome.loggedIn) {
    EndDialog(IDOK);
    if (!outcome.errorText.empty()) ShowError(outcome.errorText);
    return;
  }
  if (outcome.clearFields) ClearFields();
  if (!outcome.errorText.empty()) ShowError(outcome.errorText);
}

void CLoginDlg::OnAddSystem() {
  const int index = systems_.GetSelIndex();
  if (index < 0) return;
  if (!editor_) {
    app_.LogText("The system wizard is not available.");
    return;
  }
  const SystemEditOutcome outcome = AddOrEditSystem(app_, *editor_, SelectedSystem());
  if (!outcome.errorText.empty()) ShowError(outcome.errorText);
  // The list shows what the store holds now.
  FillSystemList();
  systems_.AddString(kNewSystemItem);
  const int found = outcome.selectName.empty() ? -1 : systems_.FindExactString(outcome.selectName.c_str(), -1);
  systems_.SetSelIndex(found >= 0 ? found : (index < systems_.GetCount() ? index : 0));
  UpdateOkButton();
  OnSelChangeSystem();
}

void CLoginDlg::OnDeleteSystem() {
  const int index = systems_.GetSelIndex();
  const std::string name = SelectedSystem();
  if (name.empty()) return;
  app_.LogText("Deleting system");
  const auto question = app_.Services().system.LoadText(kIdsConfirmDelete);
  const std::string text = Replace(question.value_or("Are you sure you want to delete '%s'?"), name);
  if (ShowMessageBox(HWindow, text.c_str(), "Confirm System Delete", MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return;
  CSystemsRepository store(CSystemInfo::AppsDesigner);
  if (!store.DeleteByName(name)) {
    app_.LogText(store.GetLastErrorText());
    ShowError(store.GetLastErrorText());
    return;
  }
  if (!store.Write()) {
    app_.LogText(store.GetLastErrorText());
    ShowError(store.GetLastErrorText());
    // What the store kept is what the list shows.
    FillSystemList();
    systems_.AddString(kNewSystemItem);
    systems_.SetSelIndex(0);
    OnSelChangeSystem();
    return;
  }
  systems_.DeleteString(index);
  const int fresh = systems_.FindExactString(kNewSystemItem, index - 1);
  if (fresh >= 0) {
    systems_.SetSelIndex(fresh);
  } else {
    systems_.AddString(kNewSystemItem);
  }
  UpdateOkButton();
  OnSelChangeSystem();
}

void CLoginDlg::OnHelp() {
  const auto key = app_.Services().system.LoadText(kIdsDataKey);
  if (!key) return;
  const auto helpDir = app_.Services().system.ReadMachineValue(*key, "HelpDir");
  if (!helpDir || !help_) return;
  help_(*helpDir + "zephdesk.hlp>proc4", kLoginHelpContext);
}

}  // namespace gate
