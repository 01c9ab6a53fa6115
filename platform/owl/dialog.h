#pragma once
// A dialog made from a template of a module: modal (Execute) or modeless (Create).
//
// Control objects are made in the dialog's constructor, before the window exists, with the
// control's id; SetupWindow binds each to its control of the template. OK asks CanClose,
// transfers the controls into the transfer buffer and ends the dialog with IDOK; Cancel ends
// it with IDCANCEL without asking.
#include "owl/window.h"

class TDialog : public TWindow {
 public:
  // Without a module, the parent's module (or the application's) holds the template.
  TDialog(TWindow* parent, TResId resId, TModule* module = nullptr);
  ~TDialog() override;

  // Runs the dialog modally; answers the id it was closed with, -1 when it could not be
  // made (no such template).
  virtual int Execute();
  // Makes the dialog modeless.
  bool Create() override;

  const TResId& GetTemplateId() const { return TemplateId; }
  bool IsModal() const { return Modal; }

  // The dialog procedure's share of each message (after the window procedure); the base
  // leaves everything to the dialog manager.
  virtual INT_PTR DialogFunction(UINT msg, WPARAM wParam, LPARAM lParam);
  // WM_INITDIALOG: centres a dialog that has no owner, then SetupWindow; true lets the
  // dialog manager set the focus.
  virtual bool EvInitDialog(HWND hWndFocus);
  bool PreProcessMsg(MSG& msg) override;
  // Asks CanClose; when it may close, transfers the controls' data and ends the dialog.
  void CloseWindow(int retVal = IDCANCEL) override;
  // Ends the dialog with retVal (modal) or destroys it (modeless).
  void Destroy(int retVal = IDCANCEL) override;
  // The window class of our dialogs, one per copy of the layer.
  const char* GetClassName() override;
  // The standard dialog class's description with our window procedure.
  void GetWindowClass(WNDCLASSA& wndClass) override;

  // A caption set before the window existed replaces the template's; otherwise the
  // template's caption becomes the dialog's. Then the controls are bound.
  void SetupWindow() override;

  void CmOk();
  void CmCancel();
  void EvClose();

 protected:
  virtual int DoExecute();
  virtual bool DoCreate();
  LRESULT DefaultWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  // The dialog procedure of every dialog of the layer.
  static INT_PTR CALLBACK StdDlgProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

  TResId TemplateId;

 private:
  // The template of TemplateId, rewritten to our class; empty when there is none.
  std::vector<unsigned char> LoadTemplate(HINSTANCE& instance);
  void CentreIfOwnerless();

  bool Modal = false;

  DECLARE_RESPONSE_TABLE(TDialog);
};
