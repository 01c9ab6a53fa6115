#pragma once
// The application: the program's module, its main window, the message loop with idle time,
// and the application's accelerators.
#include <windows.h>

#include "owl/module.h"

class TWindow;

class TApplication : public TModule {
 public:
  // A null instance means the program's own.
  TApplication(const char* name = nullptr, HINSTANCE instance = nullptr,
               HINSTANCE prevInstance = nullptr, const char* cmdLine = nullptr,
               int cmdShow = SW_SHOWNORMAL);
  // Deletes the main window object.
  ~TApplication() override;

  // The application made last (and not yet destroyed) in this copy of the layer.
  static TApplication* GetCurrent();

  // InitInstance, the message loop, TermInstance. An error of the layer raised on the way
  // is shown in a message box and makes the status -1. Answers the status.
  virtual int Run();
  // InitMainWindow; then the main window must exist (else TXInvalidMainWindow); it is
  // created and shown with the show command.
  virtual void InitInstance();
  // Makes the main window object (SetMainWindow); the base makes none.
  virtual void InitMainWindow();
  // Runs until WM_QUIT and answers its exit code; calls IdleAction while no message waits.
  virtual int MessageLoop();
  // The main window's idle action; true asks for more idle calls.
  virtual bool IdleAction(long idleCount);
  // Gives the windows from the message's window outwards their PreProcessMsg, then tries
  // the application's accelerators on the main window; true when the message was used.
  virtual bool ProcessAppMsg(MSG& msg);
  virtual int TermInstance(int status);

  TWindow* GetMainWindow() const { return MainWindow; }
  // Answers the previous main window, which the caller then owns.
  TWindow* SetMainWindow(TWindow* window);

  // The custom-control dialogs are plain dialogs here; the switch is only remembered.
  void EnableBWCC(bool enable = true) { BWCCEnabled = enable; }
  bool IsBWCCEnabled() const { return BWCCEnabled; }

  HINSTANCE GetPrevInstance() const { return PrevInstance; }
  int GetCmdShow() const { return CmdShow; }
  void SetCmdShow(int cmdShow) { CmdShow = cmdShow; }

  HACCEL HAccTable = nullptr;

 private:
  TWindow* MainWindow = nullptr;
  HINSTANCE PrevInstance;
  int CmdShow;
  bool BWCCEnabled = false;
  TApplication* Previous = nullptr;
};
