#include "wizard_sheet.h"

#include "setup_module.h"

CWizardSheet::CWizardSheet(const std::string& title, TWindow* owner, const CSystemInfo& system,
                           SystemValidator validator, void* context, const setup::WizardServices& services,
                           const std::string& helpPath)
    : CPropertySheet(title.c_str(), owner, 0, &setup::SetupModule()),
      working_(system),
      validator_(validator),
      context_(context),
      services_(services),
      helpPath_(helpPath),
      page1_(*this),
      page2_(*this),
      page3_(*this),
      page4_(*this) {
  for (CSystemInfoPage* page : std::initializer_list<CSystemInfoPage*>{&page1_, &page2_, &page3_, &page4_})
    page->LoadFrom(system);
}

BOOL CWizardSheet::OnConfirm() {
  for (CSystemInfoPage* page : std::initializer_list<CSystemInfoPage*>{&page1_, &page2_, &page3_, &page4_})
    if (!page->StoreTo(working_)) return FALSE;
  if (validator_ && !validator_(context_, &working_)) return FALSE;
  return TRUE;
}

setup::AddressResolver& CWizardSheet::Resolver() const {
  return services_.resolver ? *services_.resolver : setup::SocketResolver();
}

DialUpNetwork& CWizardSheet::DialUp() const {
  return services_.dialUp ? *services_.dialUp : PlatformDialUpNetwork();
}

void CWizardSheet::Help(std::int32_t context) const {
  const std::string path = helpPath_ + ">proc4";
  if (services_.help) {
    services_.help(path, context);
  } else {
    ::WinHelpA(HWindow, path.c_str(), HELP_CONTEXT, static_cast<ULONG_PTR>(context));
  }
}
