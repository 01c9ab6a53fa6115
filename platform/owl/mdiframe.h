#pragma once
// The main window of a multiple-document program: a frame with a menu around an MDI client.
//
// A command (menu or accelerator) goes to the active MDI child's table first, then to the
// client's, then to the frame's own. The client lists the children in the frame's Window
// pop-up (the pop-up titled "Window", else the one before the last).
#include "owl/window.h"

class TMDIClient;

class TMDIFrame : public TWindow {
 public:
  TMDIFrame(const char* title, TResId menuResId, TMDIClient& clientWnd,
            bool trackMenuSelection = false, TModule* module = nullptr);

  const char* GetClassName() override { return "ZephMDIFrame"; }
  void SetupWindow() override;
  bool PreProcessMsg(MSG& msg) override;
  void RouteCommandEnable(TCommandEnabler& enabler) override;

  TMDIClient* GetClientWindow() const { return ClientWnd; }

  void CmExit();

 protected:
  LRESULT EvCommand(UINT id, HWND hWndCtl, UINT notifyCode) override;
  LRESULT DefaultWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  // The window objects a command visits before the frame: the active child and its
  // parents up to the client.
  std::vector<TWindow*> CommandChain() const;

  TMDIClient* ClientWnd;

  DECLARE_RESPONSE_TABLE(TMDIFrame);
};
