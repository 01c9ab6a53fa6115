#pragma once
// Property sheets with the MFC names over owl's sheet: pages made with their sheet, in
// order; a sheet runs tabbed (OK, Cancel) or as a wizard (Back, Next, Finish). OK and
// Finish first ask the sheet's OnConfirm, which may keep the sheet open. Pages see
// activation, Next, Back and Finish through virtual handlers, and F1 through OnHelpKey.
#include "owl/proppage.h"
#include "owl/propsheet.h"

class CPropertySheet;

class CPropertyPage : public TPropertyPage {
 public:
  CPropertyPage(CPropertySheet* sheet, UINT templateId, TModule* module = nullptr);

  // After the controls were bound; TRUE lets the dialog manager set the focus.
  virtual BOOL OnInitDialog() { return TRUE; }
  // The page becomes active; FALSE refuses it.
  virtual BOOL OnSetActive() { return TRUE; }
  // The page is left; FALSE keeps it.
  virtual BOOL OnKillActive() { return TRUE; }
  // Next and Back: 0 goes on to the neighbouring page, -1 stays, else the template id of
  // the page to go to.
  virtual LRESULT OnWizardNext() { return 0; }
  virtual LRESULT OnWizardBack() { return 0; }
  // Finish: TRUE lets the sheet close.
  virtual BOOL OnWizardFinish() { return TRUE; }
  // F1 on the page.
  virtual void OnHelpKey() {}
  // The page's own painting, after the dialog background was drawn.
  virtual void OnPaint(HDC) {}

  CPropertySheet* GetSheet() const;
  HWND GetDlgItem(int id) const { return ::GetDlgItem(HWindow, id); }
  // Moves the focus to the control as the dialog manager does.
  void GotoDlgCtrl(int id);

 protected:
  bool EvInitDialog(HWND hWndFocus) override;
  int SetActive() override { return OnSetActive() ? 0 : -1; }
  bool KillActive() override { return OnKillActive() != FALSE; }
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

class CPropertySheet : public TPropertySheet {
 public:
  // The ids of the wizard's buttons, which DoModal also answers for Finish.
  static constexpr int kBackButton = 0x3023;
  static constexpr int kNextButton = 0x3024;
  static constexpr int kFinishButton = 0x3025;

  explicit CPropertySheet(const char* caption, TWindow* parent = nullptr, UINT startPage = 0,
                          TModule* module = nullptr);

  // Runs as a wizard from now on.
  void SetWizardMode() { SetWizard(true); }
  // IDOK (OK), kFinishButton (Finish), IDCANCEL (Cancel, Escape, close box) or -1 when the
  // sheet could not be made.
  INT_PTR DoModal();

  // PSWIZB_ flags of the wizard buttons to enable (Finish in place of Next).
  void SetWizardButtons(DWORD flags);
  BOOL SetActivePage(int index);
  BOOL SetActivePage(CPropertyPage* page) { return SetActivePage(GetPageIndex(page)); }
  int GetActiveIndex() const;
  CPropertyPage* GetActivePage() const { return GetPage(GetActiveIndex()); }
  int GetPageCount() const { return static_cast<int>(TPropertySheet::GetPageCount()); }
  CPropertyPage* GetPage(int index) const;
  int GetPageIndex(const CPropertyPage* page) const;

  // OK or Finish was pressed: FALSE keeps the sheet open.
  virtual BOOL OnConfirm() { return TRUE; }

 protected:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  INT_PTR closedBy_ = IDCANCEL;
};
