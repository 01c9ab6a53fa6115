// The library's platform on Windows: COM on the caller's thread, Windows Sockets, and the
// server's components created in-process by ProgID through their interfaces.
#include <winsock2.h>
#include <windows.h>
#include <oleauto.h>

#include <string>

#include "components.h"
#include "servercom/server_components.h"

namespace zlink {
namespace {

std::wstring Wide(const std::string& text) {
    if (text.empty()) return std::wstring();
    const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::string Narrow(BSTR text) {
    if (!text) return std::string();
    const int length = static_cast<int>(SysStringLen(text));
    const int n = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, out.data(), n, nullptr, nullptr);
    return out;
}

// A BSTR for the duration of one call.
class Bstr {
public:
    explicit Bstr(const std::string& text) : m_text(SysAllocString(Wide(text).c_str())) {}
    ~Bstr() { SysFreeString(m_text); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    operator BSTR() const { return m_text; }

private:
    BSTR m_text;
};

// Takes a returned BSTR and frees it.
std::string Take(BSTR& text) {
    std::string out = Narrow(text);
    SysFreeString(text);
    text = nullptr;
    return out;
}

template <class I>
I* Create(const char* progId, const IID& iid, HResult& hr) {
    CLSID clsid;
    hr = CLSIDFromProgID(Wide(progId).c_str(), &clsid);
    if (FAILED(hr)) return nullptr;
    void* object = nullptr;
    hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, iid, &object);
    return SUCCEEDED(hr) ? static_cast<I*>(object) : nullptr;
}

// The description of the thread's error information ("code#text"), "" when none.
std::string ErrorInfoText() {
    IErrorInfo* info = nullptr;
    if (GetErrorInfo(0, &info) != S_OK || !info) return std::string();
    BSTR description = nullptr;
    std::string text;
    if (SUCCEEDED(info->GetDescription(&description))) text = Take(description);
    info->Release();
    return text;
}

class ComDirectory : public DirectoryComponent {
public:
    explicit ComDirectory(IVtDirectory* d) : m_d(d) {}
    ~ComDirectory() override { m_d->Release(); }
    HResult Connect(int mode, const std::string& host, int port, int sslPort, const std::string& certFolder,
                    const std::string& suffix, const std::string& user, const std::string& location,
                    const std::string& password, const std::string& contextId) override {
        return m_d->Connect(mode, Bstr(host), port, sslPort, Bstr(certFolder), Bstr(suffix), Bstr(user), Bstr(location),
                            Bstr(password), Bstr(contextId));
    }
    HResult Add(const std::string& c, const std::string& dn, const std::string& a, int flags) override {
        return m_d->Add(Bstr(c), Bstr(dn), Bstr(a), flags);
    }
    HResult Search(const std::string& base, int scope, const std::string& filter, const std::string& attributes,
                   std::int16_t attrsOnly, const std::string& sort, int sizeLimit, const std::string& c) override {
        return m_d->Search(Bstr(base), scope, Bstr(filter), Bstr(attributes), attrsOnly, Bstr(sort), sizeLimit, Bstr(c));
    }
    HResult GetNext(std::optional<std::string>& entry) override {
        entry.reset();
        BSTR text = nullptr;
        const HRESULT hr = m_d->GetNext(&text);
        if (SUCCEEDED(hr) && text) entry = Take(text);
        return hr;
    }
    HResult Modify(const std::string& dn, const std::string& a, const std::string& c) override {
        return m_d->Modify(Bstr(dn), Bstr(a), Bstr(c));
    }
    HResult Delete(const std::string& dn, const std::string& c) override { return m_d->Delete(Bstr(dn), Bstr(c)); }
    HResult GetContextId(std::string& contextId) override {
        BSTR text = nullptr;
        const HRESULT hr = m_d->GetContextId(&text);
        contextId = Take(text);
        return hr;
    }
    HResult GetErrors(std::vector<ComponentError>& errors) override {
        errors.clear();
        IVtErrorList* list = nullptr;
        HRESULT hr = m_d->GetErrors(&list);
        if (FAILED(hr) || !list) return FAILED(hr) ? hr : E_FAIL;
        LONG count = 0;
        list->Count(&count);
        for (LONG i = 0; i < count; ++i) {
            LONG code = 0, level = 0;
            BSTR attribute = nullptr, text1 = nullptr, text2 = nullptr;
            if (FAILED(list->Item(i, &code, &level, &attribute, &text1, &text2))) continue;
            errors.push_back({code, level, Take(attribute), Take(text1), Take(text2)});
        }
        list->Release();
        return S_OK;
    }
    HResult LockApplication(const std::string& base, int scope, int customerId, int applicationId,
                            const std::string& attributes, int unlock, const std::string& c) override {
        return m_d->LockApplication(Bstr(base), scope, customerId, applicationId, Bstr(attributes), unlock, Bstr(c));
    }
    HResult SetSecure(int on) override { return m_d->SetSecure(on); }

private:
    IVtDirectory* m_d;
};

class ComConfig : public AdminConfigComponent {
public:
    explicit ComConfig(IVtAdminConfig* c) : m_c(c) {}
    ~ComConfig() override { m_c->Release(); }
    HResult Connect(const std::string& c, const std::string& o, const std::string& s) override {
        return Keep(m_c->Connect(Bstr(c), Bstr(o), Bstr(s)));
    }
    HResult GetUnusedAppId(const std::string& c, const std::string& u, int customer, std::int32_t& id) override {
        LONG value = -1;
        const HRESULT hr = Keep(m_c->GetUnusedAppId(Bstr(c), Bstr(u), customer, &value));
        id = value;
        return hr;
    }
    HResult StartVersionManager(const std::string& c, const std::string& u) override {
        return Keep(m_c->StartVersionManager(Bstr(c), Bstr(u), 0, 0));
    }
    HResult CleanUpDeleted(const std::string& c, const std::string& u) override {
        return Keep(m_c->CleanUpDeleted(Bstr(c), Bstr(u), 0));
    }
    HResult GetLdapSuffix(std::string& suffix) override {
        BSTR text = nullptr;
        const HRESULT hr = Keep(m_c->GetLdapSuffix(&text));
        suffix = Take(text);
        return hr;
    }
    std::string ErrorDescription() override { return m_last; }

private:
    HRESULT Keep(HRESULT hr) {
        m_last = FAILED(hr) ? ErrorInfoText() : std::string();
        return hr;
    }
    IVtAdminConfig* m_c;
    std::string m_last;
};

class ComFiles : public FileTransferComponent {
public:
    explicit ComFiles(IVtFileTransfer* f) : m_f(f) {}
    ~ComFiles() override { m_f->Release(); }
    HResult Connect(const std::string& c, const std::string& o, const std::string& s, const std::string& t,
                    const std::string& server) override {
        return Keep(m_f->Connect(Bstr(c), Bstr(o), Bstr(s), Bstr(t), Bstr(server)));
    }
    HResult ReceiveFile(const std::string& c, const std::string& u, const std::string& server,
                        const std::string& local) override {
        return Keep(m_f->ReceiveFile(Bstr(c), Bstr(u), Bstr(server), Bstr(local)));
    }
    HResult SendFile(const std::string& c, const std::string& u, const std::string& local,
                     const std::string& server) override {
        return Keep(m_f->SendFile(Bstr(c), Bstr(u), Bstr(local), Bstr(server)));
    }
    HResult SendMmfsRecord(const std::string& c, const std::string& u, const std::string& local,
                           const std::string& folder, int record, int kind, int mode) override {
        return Keep(m_f->SendMmfsRecord(Bstr(c), Bstr(u), Bstr(local), Bstr(folder), record, kind, mode));
    }
    std::string ErrorDescription() override { return m_last; }

private:
    HRESULT Keep(HRESULT hr) {
        m_last = FAILED(hr) ? ErrorInfoText() : std::string();
        return hr;
    }
    IVtFileTransfer* m_f;
    std::string m_last;
};

class ComPlatformImpl : public LinkPlatform {
public:
    HResult InitializeCom() override { return CoInitialize(nullptr); }
    HResult InitializeSecurity() override {
        const HRESULT hr = CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_NONE,
                                                RPC_C_IMP_LEVEL_ANONYMOUS, nullptr, EOAC_NONE, nullptr);
        // Security set before (by the process or an earlier start) is security all the same.
        return hr == RPC_E_TOO_LATE ? S_OK : hr;
    }
    void StartSockets() override {
        WSADATA data;
        WSAStartup(MAKEWORD(1, 1), &data);
    }
    void StopSockets() override { WSACleanup(); }
    void UninitializeCom() override { CoUninitialize(); }
    std::unique_ptr<DirectoryComponent> NewDirectory(HResult& hr) override {
        IVtDirectory* d = Create<IVtDirectory>(kProgIdDirectory, IID_IVtDirectory, hr);
        return d ? std::make_unique<ComDirectory>(d) : nullptr;
    }
    std::unique_ptr<AdminConfigComponent> NewAdminConfig(HResult& hr) override {
        IVtAdminConfig* c = Create<IVtAdminConfig>(kProgIdAdminConfig, IID_IVtAdminConfig, hr);
        return c ? std::make_unique<ComConfig>(c) : nullptr;
    }
    std::unique_ptr<FileTransferComponent> NewFileTransfer(HResult& hr) override {
        IVtFileTransfer* f = Create<IVtFileTransfer>(kProgIdFileTransfer, IID_IVtFileTransfer, hr);
        return f ? std::make_unique<ComFiles>(f) : nullptr;
    }
};

}  // namespace

LinkPlatform& ComPlatform() {
    static ComPlatformImpl platform;
    return platform;
}

}  // namespace zlink
