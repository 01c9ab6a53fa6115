#include "name_page.h"

#include "address_page.h"
#include "setup_ids.h"
#include "system_rules.h"
#include "wizard_sheet.h"

using namespace setup;

CPage3::CPage3(CWizardSheet& sheet)
    : CSetupPage(sheet, kNamePage, kNameHelp, PSWIZB_BACK | PSWIZB_NEXT),
      nameEdit_(this, kSystemName, 32),
      commentsEdit_(this, kComments, 512) {}

void CPage3::LoadFrom(const CSystemInfo& system) {
  name_ = system.Name;
  comments_ = system.Comments;
}

BOOL CPage3::OnInitDialog() {
  CSetupPage::OnInitDialog();
  nameEdit_.SetText(name_);
  commentsEdit_.SetText(comments_);
  return TRUE;
}

BOOL CPage3::OnSetActive() {
  if (nameEdit_.Text().empty()) nameEdit_.SetText(Sheet().Address().AddressText());
  return CSetupPage::OnSetActive();
}

int CPage3::StoreTo(CSystemInfo& system) {
  if (!Visited()) return 1;
  const std::string name = nameEdit_.Text();
  if (const std::int32_t refusal = SystemNameRefusal(name)) {
    Refuse(Message(static_cast<UINT>(refusal)), 0, kSystemName);
    return 0;
  }
  name_ = name;
  comments_ = commentsEdit_.Text();
  system.Name = name_;
  system.Comments = comments_;
  return 1;
}
