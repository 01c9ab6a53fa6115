// The directory component ("Vantora.LDAPBean") and its error collection.
#include <vector>

#include "com_support_win32.h"
#include "directory_session.h"

namespace standin::com {
namespace {

class ErrorList final : public DispatchBase<IVtErrorList> {
 public:
  explicit ErrorList(std::vector<ErrorRecord> records) : records_(std::move(records)) {}

  HRESULT STDMETHODCALLTYPE Count(LONG* count) override {
    if (!count) return E_POINTER;
    *count = static_cast<LONG>(records_.size());
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE Item(LONG index, LONG* code, LONG* level, BSTR* attribute, BSTR* text1, BSTR* text2) override {
    if (!code || !level || !attribute || !text1 || !text2) return E_POINTER;
    *attribute = *text1 = *text2 = nullptr;
    if (index < 0 || static_cast<std::size_t>(index) >= records_.size()) return E_INVALIDARG;
    const ErrorRecord& r = records_[static_cast<std::size_t>(index)];
    *code = r.code;
    *level = r.level;
    *attribute = bstr(r.attribute);
    *text1 = bstr(r.text1);
    *text2 = bstr(r.text2);
    return S_OK;
  }

 protected:
  const IID& interfaceId() const override { return IID_IVtErrorList; }

 private:
  std::vector<ErrorRecord> records_;
};

class DirectoryComponent final : public DispatchBase<IVtDirectory> {
 public:
  DirectoryComponent() : backend_(makeBackend(problem_)) {
    if (backend_) session_ = std::make_unique<DirectorySession>(*backend_);
  }

  HRESULT STDMETHODCALLTYPE Connect(LONG mode, BSTR host, LONG port, LONG sslPort, BSTR certFolder, BSTR suffix, BSTR user,
                                    BSTR locationId, BSTR password, BSTR contextId) override {
    if (!session_) return unavailable();
    ConnectRequest r;
    r.mode = mode;
    r.host = text(host);
    r.port = port;
    r.sslPort = sslPort;
    r.certFolder = text(certFolder);
    r.suffix = text(suffix);
    r.user = text(user);
    r.location = text(locationId);
    r.password = text(password);
    r.contextId = text(contextId);
    // The client pads "no password" with one blank.
    if (r.password == " ") r.password.clear();
    return result(session_->connect(r));
  }

  HRESULT STDMETHODCALLTYPE Add(BSTR contextId, BSTR dn, BSTR attributes, LONG flags) override {
    if (!session_) return unavailable();
    return result(session_->add(text(contextId), text(dn), text(attributes), flags));
  }

  HRESULT STDMETHODCALLTYPE Search(BSTR base, LONG scope, BSTR filter, BSTR attributeList, SHORT, BSTR sortAttribute,
                                   LONG sizeLimit, BSTR contextId) override {
    if (!session_) return unavailable();
    SearchRequest r;
    r.base = text(base);
    r.scope = scope;
    r.filter = text(filter);
    r.attributes = text(attributeList);
    r.sortAttribute = text(sortAttribute);
    r.sizeLimit = sizeLimit;
    r.contextId = text(contextId);
    return result(session_->search(r));
  }

  HRESULT STDMETHODCALLTYPE GetNext(BSTR* entry) override {
    if (!entry) return E_POINTER;
    *entry = nullptr;
    if (!session_) return unavailable();
    std::optional<std::string> next;
    const Reply reply = session_->next(next);
    if (!reply.ok()) return result(reply);
    if (!next) return S_FALSE;
    *entry = bstr(*next);
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE Modify(BSTR dn, BSTR attributes, BSTR contextId) override {
    if (!session_) return unavailable();
    return result(session_->modify(text(dn), text(attributes), text(contextId)));
  }

  HRESULT STDMETHODCALLTYPE Delete(BSTR dn, BSTR contextId) override {
    if (!session_) return unavailable();
    return result(session_->remove(text(dn), text(contextId)));
  }

  HRESULT STDMETHODCALLTYPE GetContextId(BSTR* contextId) override {
    if (!contextId) return E_POINTER;
    *contextId = nullptr;
    if (!session_) return unavailable();
    std::string id;
    const Reply reply = session_->contextId(id);
    if (reply.ok()) *contextId = bstr(id);
    return result(reply);
  }

  HRESULT STDMETHODCALLTYPE Disconnect(BSTR contextId) override {
    if (!session_) return unavailable();
    return result(session_->disconnect(text(contextId)));
  }

  STANDIN_UNUSED_SLOT(15)
  STANDIN_UNUSED_SLOT(16)

  HRESULT STDMETHODCALLTYPE GetErrors(IVtErrorList** errors) override {
    if (!errors) return E_POINTER;
    *errors = new ErrorList(session_ ? session_->errors() : std::vector<ErrorRecord>{{problem_.code, 1, "", problem_.text, ""}});
    return S_OK;
  }

  STANDIN_UNUSED_SLOT(18)

  HRESULT STDMETHODCALLTYPE LockApplication(BSTR, LONG, LONG customerId, LONG applicationId, BSTR attributes, LONG unlock,
                                            BSTR contextId) override {
    if (!session_) return unavailable();
    return result(session_->lock(customerId, applicationId, text(attributes), unlock != 0, text(contextId)));
  }

  HRESULT STDMETHODCALLTYPE SetSecure(LONG on) override {
    if (!session_) return unavailable();
    return result(session_->setSecure(on != 0));
  }

 protected:
  const IID& interfaceId() const override { return IID_IVtDirectory; }

 private:
  HRESULT unavailable() { return result(problem_); }

  Reply problem_;
  std::unique_ptr<Backend> backend_;
  std::unique_ptr<DirectorySession> session_;
};

}  // namespace

IUnknown* makeDirectoryComponent() { return static_cast<IVtDirectory*>(new DirectoryComponent()); }

}  // namespace standin::com
