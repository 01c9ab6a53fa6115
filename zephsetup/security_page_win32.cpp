#include "security_page.h"

#include "setup_ids.h"
#include "system_rules.h"

using namespace setup;

namespace {
// The buttons in the order of the levels they stand for.
constexpr int kLevelButtons[] = {kSslNever, kSslAlways, kSslLoginOnly};
}  // namespace

DEFINE_RESPONSE_TABLE(CPage4, CSetupPage)
  EV_COMMAND(kSslNever, OnLevelClicked),
  EV_COMMAND(kSslAlways, OnLevelClicked),
  EV_COMMAND(kSslLoginOnly, OnLevelClicked),
END_RESPONSE_TABLE;

CPage4::CPage4(CWizardSheet& sheet)
    : CSetupPage(sheet, kSecurityPage, kSecurityHelp, PSWIZB_BACK | PSWIZB_FINISH),
      portEdit_(this, kSslPort, 5) {}

void CPage4::LoadFrom(const CSystemInfo& system) {
  level_ = system.SslLevel;
  port_ = std::to_string(system.SslPort);
}

BOOL CPage4::OnInitDialog() {
  CSetupPage::OnInitDialog();
  if (level_ >= 0 && level_ < 3) ::CheckDlgButton(HWindow, kLevelButtons[level_], BST_CHECKED);
  portEdit_.SetText(port_);
  OnLevelClicked();
  return TRUE;
}

std::int32_t CPage4::CheckedLevel() const {
  for (std::int32_t level = 0; level < 3; ++level)
    if (IsChecked(kLevelButtons[level])) return level;
  return level_;
}

void CPage4::OnLevelClicked() { EnableControl(kSslPort, CheckedLevel() != 0); }

bool CPage4::Validate() {
  if (CheckedLevel() == 0) return true;
  if (const std::int32_t refusal = PortRefusal(portEdit_.Text())) {
    Refuse(Message(static_cast<UINT>(refusal)), 0, kSslPort);
    return false;
  }
  return true;
}

int CPage4::StoreTo(CSystemInfo& system) {
  if (!Visited()) return 1;
  if (!Validate()) return 0;
  level_ = CheckedLevel();
  port_ = portEdit_.Text();
  system.SslLevel = level_;
  // With SSL never used a blank or odd port is not checked: the stored port is kept then.
  if (level_ != 0 || PortRefusal(port_) == 0) system.SslPort = static_cast<std::int32_t>(ReadPort(port_));
  return 1;
}
