// The launcher's component interfaces over the server's COM components, created in-process
// by their ProgIDs. Texts cross as BSTRs in the ANSI code page.
#include <windows.h>
#include <oleauto.h>

#include "com_components.h"
#include "servercom/server_components.h"

namespace gate {
namespace {

std::wstring Wide(const std::string& text) {
  if (text.empty()) return {};
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), length);
  return out;
}

std::string Narrow(const wchar_t* text, UINT length) {
  if (!text || length == 0) return {};
  const int size = WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), out.data(), size, nullptr, nullptr);
  return out;
}

// A BSTR made from text and freed with the object.
class Bstr {
 public:
  explicit Bstr(const std::string& text) {
    const std::wstring wide = Wide(text);
    value_ = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  ~Bstr() {
    if (value_) {
      SecureZeroMemory(value_, SysStringByteLen(value_));  // passwords cross as BSTRs too
      SysFreeString(value_);
    }
  }
  operator BSTR() const { return value_; }

 private:
  BSTR value_ = nullptr;
};

// Takes an answered BSTR: its text, and the string freed.
std::string Take(BSTR value) {
  std::string text = Narrow(value, value ? SysStringLen(value) : 0);
  if (value) SysFreeString(value);
  return text;
}

template <class Interface>
class ComPointer {
 public:
  ComPointer() = default;
  explicit ComPointer(Interface* p) : p_(p) {}
  ComPointer(const ComPointer&) = delete;
  ComPointer& operator=(const ComPointer&) = delete;
  ~ComPointer() {
    if (p_) p_->Release();
  }
  Interface* operator->() const { return p_; }
  Interface* get() const { return p_; }

 private:
  Interface* p_ = nullptr;
};

// The description of the thread's error information, as the admin clients leave it.
std::optional<std::string> ErrorDescription() {
  IErrorInfo* info = nullptr;
  if (GetErrorInfo(0, &info) != S_OK || !info) return std::nullopt;
  BSTR description = nullptr;
  const HRESULT hr = info->GetDescription(&description);
  info->Release();
  if (FAILED(hr) || !description) return std::nullopt;
  return Take(description);
}

class ComDirectory final : public DirectoryComponent {
 public:
  explicit ComDirectory(IVtDirectory* p) : p_(p) {}
  HResult Bind(std::int32_t mode, const std::string& host, std::int32_t port, std::int32_t sslPort,
               const std::string& certFolder, const std::string& suffix, const std::string& user,
               const std::string& locationId, const std::string& password, const std::string& contextId) override {
    return p_->Connect(mode, Bstr(host), port, sslPort, Bstr(certFolder), Bstr(suffix), Bstr(user), Bstr(locationId),
                       Bstr(password), Bstr(contextId));
  }
  HResult Search(const std::string& base, std::int32_t scope, const std::string& filter,
                 const std::string& attributes, const std::string& contextId) override {
    return p_->Search(Bstr(base), scope, Bstr(filter), Bstr(attributes), 0, Bstr(""), 0, Bstr(contextId));
  }
  HResult GetNext(std::optional<std::string>& entry) override {
    entry.reset();
    BSTR value = nullptr;
    const HRESULT hr = p_->GetNext(&value);
    if (SUCCEEDED(hr) && value) entry = Take(value);
    else if (value) SysFreeString(value);
    return hr;
  }
  HResult Modify(const std::string& dn, const std::string& attributes, const std::string& contextId) override {
    return p_->Modify(Bstr(dn), Bstr(attributes), Bstr(contextId));
  }
  HResult GetContextId(std::string& contextId) override {
    BSTR value = nullptr;
    const HRESULT hr = p_->GetContextId(&value);
    contextId = Take(value);
    return hr;
  }
  HResult Unbind(const std::string& contextId) override { return p_->Disconnect(Bstr(contextId)); }
  HResult Errors(std::vector<ComponentError>& errors) override {
    errors.clear();
    IVtErrorList* list = nullptr;
    HRESULT hr = p_->GetErrors(&list);
    if (FAILED(hr) || !list) return FAILED(hr) ? hr : E_POINTER;
    ComPointer<IVtErrorList> held(list);
    LONG count = 0;
    hr = list->Count(&count);
    if (FAILED(hr)) return hr;
    for (LONG i = 0; i < count; ++i) {
      LONG code = 0, level = 0;
      BSTR attribute = nullptr, text1 = nullptr, text2 = nullptr;
      if (FAILED(list->Item(i, &code, &level, &attribute, &text1, &text2))) continue;
      errors.push_back({code, level, Take(attribute), Take(text1), Take(text2)});
    }
    return S_OK;
  }
  HResult SetSecure(bool on) override { return p_->SetSecure(on ? 1 : 0); }

 private:
  ComPointer<IVtDirectory> p_;
};

// An admin client that keeps the error description of its last failed call.
template <class Base>
class RemembersErrors : public Base {
 public:
  std::optional<std::string> LastErrorDescription() override { return last_; }

 protected:
  HRESULT Remember(HRESULT hr) {
    if (FAILED(hr)) last_ = ErrorDescription();
    return hr;
  }

 private:
  std::optional<std::string> last_;
};

class ComAdminConfig final : public RemembersErrors<AdminConfigComponent> {
 public:
  explicit ComAdminConfig(IVtAdminConfig* p) : p_(p) {}
  HResult Connect(const std::string& protocol, const std::string& option, const std::string& server) override {
    return Remember(p_->Connect(Bstr(protocol), Bstr(option), Bstr(server)));
  }
  HResult GetLdapSuffix(std::string& suffix) override {
    BSTR value = nullptr;
    const HRESULT hr = p_->GetLdapSuffix(&value);
    suffix = Take(value);
    return Remember(hr);
  }
 private:
  ComPointer<IVtAdminConfig> p_;
};

class ComFileTransfer final : public RemembersErrors<FileTransferComponent> {
 public:
  explicit ComFileTransfer(IVtFileTransfer* p) : p_(p) {}
  HResult Connect(const std::string& contextId, const std::string& option, const std::string& service,
                  const std::string& clientTag, const std::string& server) override {
    return Remember(p_->Connect(Bstr(contextId), Bstr(option), Bstr(service), Bstr(clientTag), Bstr(server)));
  }
  HResult ReceiveFile(const std::string& contextId, const std::string& user, const std::string& serverPath,
                      const std::string& localPath) override {
    return Remember(p_->ReceiveFile(Bstr(contextId), Bstr(user), Bstr(serverPath), Bstr(localPath)));
  }
  HResult FetchTimeStamp(const std::string& contextId, const std::string& user, const std::string& localStampPath,
                         const std::string& serverPath) override {
    return Remember(p_->FetchTimeStamp(Bstr(contextId), Bstr(user), Bstr(localStampPath), Bstr(serverPath)));
  }
  HResult CompareTimeStamp(const std::string& contextId, const std::string& user, const std::string& localStampPath,
                           const std::string& serverPath, bool& same) override {
    LONG flag = 0;
    const HRESULT hr =
        p_->CompareTimeStamp(Bstr(contextId), Bstr(user), Bstr(localStampPath), Bstr(serverPath), &flag);
    same = SUCCEEDED(hr) && flag != 0;
    return Remember(hr);
  }
 private:
  ComPointer<IVtFileTransfer> p_;
};

class ComEncoder final : public PasswordEncoderComponent {
 public:
  explicit ComEncoder(IVtPwdEncoder* p) : p_(p) {}
  HResult Encode(const std::string& plain, std::string& encoded) override {
    BSTR value = nullptr;
    const HRESULT hr = p_->Encode(Bstr(plain), &value);
    encoded = Take(value);
    return hr;
  }

 private:
  ComPointer<IVtPwdEncoder> p_;
};

template <class Interface, class Adapter, class Wanted>
Created<Wanted> Make(const char* progId, const IID& iid) {
  Created<Wanted> out;
  try {
    CLSID clsid{};
    out.hr = CLSIDFromProgID(Wide(progId).c_str(), &clsid);
    if (FAILED(out.hr)) {
      out.how = Creation::NoClassId;
      return out;
    }
    Interface* p = nullptr;
    out.hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, iid, reinterpret_cast<void**>(&p));
    if (FAILED(out.hr) || !p) {
      out.how = Creation::NotCreated;
      return out;
    }
    out.component = std::make_unique<Adapter>(p);
    out.how = Creation::Made;
  } catch (...) {
    out.how = Creation::Threw;
    out.hr = E_UNEXPECTED;
  }
  return out;
}

}  // namespace

Created<DirectoryComponent> ComComponentFactory::MakeDirectory() {
  return Make<IVtDirectory, ComDirectory, DirectoryComponent>(kProgIdDirectory, IID_IVtDirectory);
}
Created<AdminConfigComponent> ComComponentFactory::MakeAdminConfig() {
  return Make<IVtAdminConfig, ComAdminConfig, AdminConfigComponent>(kProgIdAdminConfig, IID_IVtAdminConfig);
}
Created<FileTransferComponent> ComComponentFactory::MakeFileTransfer() {
  return Make<IVtFileTransfer, ComFileTransfer, FileTransferComponent>(kProgIdFileTransfer, IID_IVtFileTransfer);
}
Created<PasswordEncoderComponent> ComComponentFactory::MakePasswordEncoder() {
  return Make<IVtPwdEncoder, ComEncoder, PasswordEncoderComponent>(kProgIdPwdEncoder, IID_IVtPwdEncoder);
}

}  // namespace gate
