// The DLL's entry points: class objects for the four classes, unloading, and registration
// of each class under its ProgID (apartment threading, the DLL's full path).
#include <olectl.h>

#include <array>
#include <string>

#include "com_support_win32.h"

namespace standin::com {

IUnknown* makeDirectoryComponent();
IUnknown* makeConfigComponent();
IUnknown* makeFileTransferComponent();
IUnknown* makeEncoderComponent();

namespace {

struct ClassEntry {
  const CLSID* clsid;
  const char* progId;
  IUnknown* (*make)();
};

const std::array<ClassEntry, 4> kClasses = {{
    {&CLSID_StandinDirectory, kProgIdDirectory, makeDirectoryComponent},
    {&CLSID_StandinAdminConfig, kProgIdAdminConfig, makeConfigComponent},
    {&CLSID_StandinFileTransfer, kProgIdFileTransfer, makeFileTransferComponent},
    {&CLSID_StandinPwdEncoder, kProgIdPwdEncoder, makeEncoderComponent},
}};

HMODULE thisModule = nullptr;

class ClassFactory final : public IClassFactory {
 public:
  explicit ClassFactory(IUnknown* (*make)()) : make_(make) { ++liveObjects; }
  ~ClassFactory() { --liveObjects; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
      *out = static_cast<IClassFactory*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const long left = --references_;
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    IUnknown* object = nullptr;
    try {
      object = make_();
    } catch (...) {
      return E_OUTOFMEMORY;
    }
    const HRESULT hr = object->QueryInterface(iid, out);
    object->Release();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    if (lock) ++liveObjects; else --liveObjects;
    return S_OK;
  }

 private:
  IUnknown* (*make_)();
  std::atomic<long> references_{1};
};

std::string guidText(const GUID& guid) {
  wchar_t wide[64] = {};
  StringFromGUID2(guid, wide, 64);
  char narrow[64] = {};
  WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, sizeof(narrow), nullptr, nullptr);
  return narrow;
}

bool setValue(const std::string& keyPath, const char* name, const std::string& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, keyPath.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return false;
  const LONG rc = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}

}  // namespace
}  // namespace standin::com

using namespace standin::com;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    thisModule = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  for (const ClassEntry& c : kClasses) {
    if (clsid == *c.clsid) {
      ClassFactory* factory = new ClassFactory(c.make);
      const HRESULT hr = factory->QueryInterface(iid, out);
      factory->Release();
      return hr;
    }
  }
  return CLASS_E_CLASSNOTAVAILABLE;
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  return liveObjects.load() == 0 ? S_OK : S_FALSE;
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllRegisterServer() {
  char path[MAX_PATH] = {};
  if (!GetModuleFileNameA(thisModule, path, MAX_PATH)) return SELFREG_E_CLASS;
  for (const ClassEntry& c : kClasses) {
    const std::string clsid = guidText(*c.clsid);
    const std::string classKey = "CLSID\\" + clsid;
    const bool ok = setValue(classKey, nullptr, c.progId) && setValue(classKey + "\\InprocServer32", nullptr, path) &&
                    setValue(classKey + "\\InprocServer32", "ThreadingModel", "Apartment") &&
                    setValue(classKey + "\\ProgID", nullptr, c.progId) && setValue(c.progId, nullptr, c.progId) &&
                    setValue(std::string(c.progId) + "\\CLSID", nullptr, clsid);
    if (!ok) return SELFREG_E_CLASS;
  }
  return S_OK;
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllUnregisterServer() {
  for (const ClassEntry& c : kClasses) {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ("CLSID\\" + guidText(*c.clsid)).c_str());
    RegDeleteTreeA(HKEY_CLASSES_ROOT, c.progId);
  }
  return S_OK;
}
