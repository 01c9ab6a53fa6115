#pragma once
// What the stand-in server's COM classes share: text between BSTRs and the core's UTF-8,
// failures as FACILITY_ITF HRESULTs with a "code#text" error info, a settings lookup, and
// the IUnknown/IDispatch base of every class (called by vtable only: type information
// and names are not offered).
#include <windows.h>
#include <oleauto.h>

#include <atomic>
#include <memory>
#include <string>

#include "backend.h"
#include "server_reply.h"
#include "servercom/server_components.h"

namespace standin::com {

std::string text(BSTR value);  // null reads as ""
BSTR bstr(const std::string& value);
// S_OK for a successful reply, else the server code's HRESULT with its error info set.
HRESULT result(const Reply& reply);
// A backend for a new component object: settings from VTSTANDIN_* or the HKLM key;
// null (and `problem` filled) when they are missing.
std::unique_ptr<Backend> makeBackend(Reply& problem);

// Objects alive in this DLL (for DllCanUnloadNow).
extern std::atomic<long> liveObjects;

template <class Interface>
class DispatchBase : public Interface {
 public:
  DispatchBase() { ++liveObjects; }
  virtual ~DispatchBase() { --liveObjects; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == interfaceId()) {
      *out = static_cast<Interface*>(this);
      this->AddRef();
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
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

 protected:
  virtual const IID& interfaceId() const = 0;

 private:
  std::atomic<long> references_{1};
};

// Creates the component of a class id (refcount 1); null for a class not ours.
IUnknown* createComponent(REFCLSID clsid);

}  // namespace standin::com

// Declares the unused slots of an interface, each answering E_NOTIMPL.
#define STANDIN_UNUSED_SLOT(n) \
  HRESULT STDMETHODCALLTYPE Reserved##n() override { return E_NOTIMPL; }
