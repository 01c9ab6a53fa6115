#pragma once
// A property sheet over PropertySheetA: its pages are the TPropertyPage objects made with it
// as their parent, in the order they were made. Both the sheet's and the pages' windows
// reach their objects' WindowProc. A derived sheet that acts on WM_DESTROY still passes it
// on to this class: the common controls free the sheet's own data there.
#include <windows.h>

#include <commctrl.h>

#include "owl/window.h"

class TPropertyPage;

class TPropertySheet : public TWindow {
 public:
  // flags: PSH_ flags added to the sheet's header (PSH_HASHELP and the like).
  TPropertySheet(TWindow* parent, const char* title, UINT startPage = 0, bool isWizard = false,
                 DWORD flags = PSH_DEFAULT, TModule* module = nullptr);

  // Runs the sheet modally: IDOK when it was closed with OK, IDCANCEL when cancelled (also
  // after an Apply), -1 when it could not be made.
  virtual int Execute();
  // A modal sheet closes through its buttons: IDOK presses OK, anything else Cancel.
  void Destroy(int retVal = IDCANCEL) override;

  UINT GetPageCount() const;

 protected:
  // Wizard (Back, Next, Finish) or tabbed; takes effect at the next Execute.
  void SetWizard(bool wizard) { IsWizard = wizard; }
  // Notes the button that closes the sheet; what PropertySheetA returns only tells whether
  // anything was applied.
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  static int CALLBACK SheetCallback(HWND hWnd, UINT msg, LPARAM lParam);

  UINT StartPage;
  bool IsWizard;
  DWORD Flags;
  int ClosedBy = IDCANCEL;
};
