#pragma once
// One page of a property sheet, made from a dialog template. PropertySheetA makes its window
// when the page is first shown; from WM_INITDIALOG on its messages reach WindowProc.
#include <windows.h>

#include <commctrl.h>

#include "owl/dialog.h"

class TPropertySheet;

class TPropertyPage : public TDialog {
 public:
  TPropertyPage(TPropertySheet* parent, TResId resId, const char* title = nullptr,
                TResId iconRes = TResId(), TModule* module = nullptr);

  // The page description PropertySheetA takes.
  PROPSHEETPAGEA MakeDescription();

  // Page notifications (WM_NOTIFY from the sheet). The bases answer PSNRET_NOERROR and
  // let the page be left; Apply transfers the controls' data.
  virtual int SetActive();
  virtual bool KillActive();
  virtual int Apply();
  virtual void Reset();

  // The page notifications go to the four operations above, the rest as for any dialog.
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  static INT_PTR CALLBACK PageDlgProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

  TResId IconRes;
};
