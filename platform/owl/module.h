#pragma once
// A module (program or library) and the resources it holds.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "owl/resid.h"

class TWindow;
class TDialog;

class TModule {
 public:
  // Loads the library by name when shouldLoad is set (and frees it again at the end);
  // otherwise wraps the module of that name already in the process. Status is non-zero
  // when there is no such module.
  explicit TModule(const char* name, bool shouldLoad = true);
  // Wraps a module handle that someone else owns.
  TModule(const char* name, HINSTANCE instance);
  TModule(const char* name, HINSTANCE instance, const char* cmdLine);
  virtual ~TModule();

  TModule(const TModule&) = delete;
  TModule& operator=(const TModule&) = delete;

  HINSTANCE GetHandle() const { return Handle; }
  HINSTANCE GetInstance() const { return Handle; }
  operator HINSTANCE() const { return Handle; }
  const char* GetName() const { return Name.c_str(); }
  const char* GetCmdLine() const { return CmdLine.c_str(); }

  // Copies string id into buf (at most bufSize - 1 characters and a terminating zero);
  // answers the length copied, 0 when the string does not exist.
  int LoadString(UINT id, char* buf, int bufSize) const;
  std::string LoadString(UINT id) const;

  HRSRC FindResource(TResId id, TResId type) const;
  HBITMAP LoadBitmap(TResId id) const;
  HICON LoadIcon(TResId id) const;
  HCURSOR LoadCursor(TResId id) const;
  HMENU LoadMenu(TResId id) const;
  HACCEL LoadAccelerators(TResId id) const;

  // The window object of a window handle: this module's own object for it, or else an
  // alias object (the window keeps its own window procedure), one per handle, that the
  // module keeps and deletes with itself. Null for a handle that is not a window.
  TWindow* GetParentObject(HWND hWnd);

  // Runs the dialog modally, deletes it and answers its result.
  int ExecDialog(TDialog* dialog);

  // 0 when the module is usable.
  int Status = 0;

 protected:
  void SetHandle(HINSTANCE instance) { Handle = instance; }

 private:
  std::string Name;
  std::string CmdLine;
  HINSTANCE Handle = nullptr;
  bool Owned = false;
  std::vector<std::unique_ptr<TWindow>> Aliases;
};

// The module that holds this copy of the layer (a program or a library): windows of our
// own classes are registered and created with its handle.
HINSTANCE OwnModuleInstance();

// The module windows use when neither they, their parents nor an application name one.
TModule& DefaultModule();
