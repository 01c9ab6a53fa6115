#include "owl/propsheet.h"

#include <vector>

#include "owl/binding.h"
#include "owl/module.h"
#include "owl/proppage.h"

namespace {
// The sheet PropertySheetA is making on this thread.
thread_local TPropertySheet* SheetBeingMade = nullptr;
}  // namespace

TPropertySheet::TPropertySheet(TWindow* parent, const char* title, UINT startPage,
                               bool isWizard, DWORD flags, TModule* module)
    : TWindow(parent, title, module), StartPage(startPage), IsWizard(isWizard), Flags(flags) {
  AutoCreate = false;
  SetupAtCreate = false;
  Attr.Style = 0;
}

UINT TPropertySheet::GetPageCount() const {
  UINT count = 0;
  for (TWindow* child = GetFirstChild(); child; child = child->Next())
    if (dynamic_cast<TPropertyPage*>(child)) ++count;
  return count;
}

int CALLBACK TPropertySheet::SheetCallback(HWND hWnd, UINT msg, LPARAM) {
  if (msg == PSCB_INITIALIZED && SheetBeingMade) {
    TPropertySheet* sheet = SheetBeingMade;
    SheetBeingMade = nullptr;
    sheet->SubclassHandle(hWnd);
    sheet->SetupWindow();
  }
  return 0;
}

int TPropertySheet::Execute() {
  std::vector<PROPSHEETPAGEA> pages;
  for (TWindow* child = GetFirstChild(); child; child = child->Next())
    if (auto* page = dynamic_cast<TPropertyPage*>(child)) pages.push_back(page->MakeDescription());
  if (pages.empty()) return -1;

  PROPSHEETHEADERA header{};
  header.dwSize = sizeof header;
  header.dwFlags = Flags | PSH_PROPSHEETPAGE | PSH_USECALLBACK | (IsWizard ? PSH_WIZARD : 0);
  header.hwndParent = Parent ? Parent->HWindow : nullptr;
  header.hInstance = GetModule()->GetHandle();
  header.pszCaption = Title.c_str();
  header.nPages = UINT(pages.size());
  header.nStartPage = StartPage < pages.size() ? StartPage : 0;
  header.ppsp = pages.data();
  header.pfnCallback = &SheetCallback;

  ClosedBy = IDCANCEL;
  SheetBeingMade = this;
  INT_PTR result = ::PropertySheetA(&header);
  SheetBeingMade = nullptr;
  TWindowBinding::RethrowPending();
  if (result < 0) return -1;
  return ClosedBy;
}

LRESULT TPropertySheet::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  // OK may still be refused by a page; the last of OK and Cancel before the sheet ends is
  // the one that closed it.
  if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL))
    ClosedBy = LOWORD(wParam);
  else if (msg == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE)
    ClosedBy = IDCANCEL;
  return TWindow::WindowProc(msg, wParam, lParam);
}

void TPropertySheet::Destroy(int retVal) {
  if (!HWindow) return;
  ::SendMessageA(HWindow, PSM_PRESSBUTTON, retVal == IDOK ? PSBTN_OK : PSBTN_CANCEL, 0);
}
