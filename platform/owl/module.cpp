#include "owl/module.h"


#include "owl/dialog.h"
#include "owl/window.h"

TModule::TModule(const char* name, bool shouldLoad) : Name(name ? name : "") {
  if (Name.empty()) {
    Status = -1;
    return;
  }
  if (shouldLoad) {
    Handle = ::LoadLibraryA(Name.c_str());
    Owned = Handle != nullptr;
  } else {
    Handle = ::GetModuleHandleA(Name.c_str());
  }
  if (Handle == nullptr) Status = -1;
}

TModule::TModule(const char* name, HINSTANCE instance) : Name(name ? name : ""), Handle(instance) {
  if (Handle == nullptr) Status = -1;
}

TModule::TModule(const char* name, HINSTANCE instance, const char* cmdLine)
    : TModule(name, instance) {
  CmdLine = cmdLine ? cmdLine : "";
}

TModule::~TModule() {
  Aliases.clear();
  if (Owned && Handle) ::FreeLibrary(Handle);
}

int TModule::LoadString(UINT id, char* buf, int bufSize) const {
  if (buf == nullptr || bufSize <= 0) return 0;
  buf[0] = '\0';
  if (Handle == nullptr) return 0;
  return ::LoadStringA(Handle, id, buf, bufSize);
}

std::string TModule::LoadString(UINT id) const {
  if (Handle == nullptr) return {};
  // With a zero buffer size LoadStringW hands out a pointer to the resource itself; the
  // A form cannot, so look the string up through the wide form and convert.
  const wchar_t* wide = nullptr;
  int length = ::LoadStringW(Handle, id, reinterpret_cast<wchar_t*>(&wide), 0);
  if (length <= 0 || wide == nullptr) return {};
  int bytes = ::WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
  std::string result(size_t(bytes), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, wide, length, result.data(), bytes, nullptr, nullptr);
  return result;
}

HRSRC TModule::FindResource(TResId id, TResId type) const {
  return Handle ? ::FindResourceA(Handle, id, type) : nullptr;
}

HBITMAP TModule::LoadBitmap(TResId id) const {
  return Handle ? ::LoadBitmapA(Handle, id) : nullptr;
}

HICON TModule::LoadIcon(TResId id) const { return Handle ? ::LoadIconA(Handle, id) : nullptr; }

HCURSOR TModule::LoadCursor(TResId id) const {
  return Handle ? ::LoadCursorA(Handle, id) : nullptr;
}

HMENU TModule::LoadMenu(TResId id) const { return Handle ? ::LoadMenuA(Handle, id) : nullptr; }

HACCEL TModule::LoadAccelerators(TResId id) const {
  return Handle ? ::LoadAcceleratorsA(Handle, id) : nullptr;
}

TWindow* TModule::GetParentObject(HWND hWnd) {
  if (hWnd == nullptr || !::IsWindow(hWnd)) return nullptr;
  if (TWindow* own = TWindow::GetWindowPtr(hWnd)) return own;
  // One alias per handle, kept until the module goes (callers may hold on to it).
  for (auto& alias : Aliases)
    if (alias->HWindow == hWnd) return alias.get();
  Aliases.push_back(std::make_unique<TWindow>(hWnd, this));
  return Aliases.back().get();
}

int TModule::ExecDialog(TDialog* dialog) {
  if (dialog == nullptr) return -1;
  int result = dialog->Execute();
  delete dialog;
  return result;
}

HINSTANCE OwnModuleInstance() {
  static HINSTANCE instance = [] {
    HMODULE module = nullptr;
    ::GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(&OwnModuleInstance), &module);
    return static_cast<HINSTANCE>(module);
  }();
  return instance;
}

TModule& DefaultModule() {
  static TModule module("", OwnModuleInstance());
  return module;
}
