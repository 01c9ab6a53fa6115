#pragma once
// A window inside an MDI client. Closing it (when CanClose agrees) destroys the window and
// deletes the object.
#include "owl/window.h"

class TMDIClient;

class TMDIChild : public TWindow {
 public:
  TMDIChild(TMDIClient& parent, const char* title = nullptr, TModule* module = nullptr);
  ~TMDIChild() override;

  const char* GetClassName() override { return "ZephMDIChild"; }
  bool Create() override;
  void Destroy(int retVal = 0) override;
  void CloseWindow(int retVal = 0) override;

  void EvMDIActivate(HWND hWndActivated, HWND hWndDeactivated);

 protected:
  LRESULT DefaultWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};
