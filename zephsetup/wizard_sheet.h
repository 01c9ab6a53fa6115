#pragma once
// The sheet of the system wizard: a working copy of the system, the four pages in order,
// and the caller's validator. OK and Finish store every page into the working copy in
// page order; the first page that refuses becomes the active page and the sheet stays
// open, as it does when the validator refuses the result.
#include <string>

#include "address_page.h"
#include "connection_page.h"
#include "mfc/property_sheet.h"
#include "name_page.h"
#include "security_page.h"
#include "system_wizard.h"

class CWizardSheet : public CPropertySheet {
 public:
  CWizardSheet(const std::string& title, TWindow* owner, const CSystemInfo& system, SystemValidator validator,
               void* context, const setup::WizardServices& services, const std::string& helpPath);

  BOOL OnConfirm() override;

  const CSystemInfo& Working() const { return working_; }
  CPage1& Connection() { return page1_; }
  CPage2& Address() { return page2_; }

  setup::AddressResolver& Resolver() const;
  DialUpNetwork& DialUp() const;
  // Opens the wizard's help at a page's context.
  void Help(std::int32_t context) const;

 private:
  CSystemInfo working_;
  SystemValidator validator_;
  void* context_;
  setup::WizardServices services_;
  std::string helpPath_;
  std::string title_;
  CPage1 page1_;
  CPage2 page2_;
  CPage3 page3_;
  CPage4 page4_;
};
