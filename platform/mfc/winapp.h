#pragma once
// The application object of a dialog-based program: the module it runs from, its command
// line, and the one pass InitInstance makes (a program that ends after its dialog answers
// FALSE there, and Run then only answers ExitInstance's code).
#include <windows.h>

#include <memory>
#include <string>

#include "owl/module.h"

class CWinApp {
 public:
  explicit CWinApp(const char* appName = nullptr);
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // Called once by the program's entry point before InitInstance.
  void Start(HINSTANCE instance, const char* commandLine);
  // FALSE ends the program without a message loop.
  virtual BOOL InitInstance() { return FALSE; }
  virtual int ExitInstance() { return 0; }
  // InitInstance; a message loop while it answered TRUE; then ExitInstance.
  int Run();

  HINSTANCE m_hInstance = nullptr;
  std::string m_lpCmdLine;
  std::string m_pszAppName;
  // The module the program's dialogs and strings come from.
  TModule& Module() { return *module_; }

 private:
  std::unique_ptr<TModule> module_;
};

// The one application object of the program (null before it was made).
CWinApp* AfxGetApp();
// The module given, or else the application's (where a dialog's template is looked for).
TModule* ModuleOrApplication(TModule* module);
