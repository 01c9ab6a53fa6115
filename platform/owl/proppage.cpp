#include "owl/proppage.h"

#include "owl/binding.h"
#include "owl/module.h"
#include "owl/propsheet.h"

TPropertyPage::TPropertyPage(TPropertySheet* parent, TResId resId, const char* title,
                             TResId iconRes, TModule* module)
    : TDialog(parent, std::move(resId), module), IconRes(std::move(iconRes)) {
  if (title) Title = title;
}

PROPSHEETPAGEA TPropertyPage::MakeDescription() {
  PROPSHEETPAGEA page{};
  page.dwSize = sizeof page;
  page.dwFlags = PSP_DEFAULT;
  page.hInstance = GetModule()->GetHandle();
  page.pszTemplate = TemplateId;
  if (!IconRes.IsNull()) {
    page.dwFlags |= PSP_USEICONID;
    page.pszIcon = IconRes;
  }
  if (!Title.empty()) {
    page.dwFlags |= PSP_USETITLE;
    page.pszTitle = Title.c_str();
  }
  page.pfnDlgProc = &PageDlgProc;
  page.lParam = reinterpret_cast<LPARAM>(this);
  return page;
}

INT_PTR CALLBACK TPropertyPage::PageDlgProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG && TWindowBinding::Lookup(hWnd) == nullptr) {
    // The page window is new: bind it and let it set up through its window procedure.
    auto* description = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
    auto* page = reinterpret_cast<TPropertyPage*>(description->lParam);
    page->SubclassHandle(hWnd);
    return TWindowBinding::DeliverFromSystem(page, hWnd, msg, wParam, lParam);
  }
  auto* page = dynamic_cast<TPropertyPage*>(TWindowBinding::Lookup(hWnd));
  return page ? page->DialogFunction(msg, wParam, lParam) : FALSE;
}

LRESULT TPropertyPage::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    switch (header->code) {
      case PSN_SETACTIVE: return SetActive();
      case PSN_KILLACTIVE: return KillActive() ? FALSE : TRUE;
      case PSN_APPLY: return Apply();
      case PSN_RESET: Reset(); return 0;
      default: break;
    }
  }
  return TDialog::WindowProc(msg, wParam, lParam);
}

int TPropertyPage::SetActive() { return 0; }

bool TPropertyPage::KillActive() { return true; }

int TPropertyPage::Apply() {
  TransferData(tdGetData);
  return PSNRET_NOERROR;
}

void TPropertyPage::Reset() {}
