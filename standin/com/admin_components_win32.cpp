// The admin service's configuration client, file-transfer client and the password encoder.
#include "admin_service.h"
#include "com_support_win32.h"

namespace standin::com {
namespace {

// Holds the backend and service of one component object.
class AdminCore {
 public:
  AdminCore() : backend_(makeBackend(problem_)) {
    if (backend_) service_ = std::make_unique<AdminService>(*backend_);
  }
  AdminService* service() { return service_.get(); }
  HRESULT unavailable() { return result(problem_); }

 private:
  Reply problem_;
  std::unique_ptr<Backend> backend_;
  std::unique_ptr<AdminService> service_;
};

class ConfigComponent final : public DispatchBase<IVtAdminConfig> {
 public:
  STANDIN_UNUSED_SLOT(7) STANDIN_UNUSED_SLOT(8) STANDIN_UNUSED_SLOT(9) STANDIN_UNUSED_SLOT(10)
  STANDIN_UNUSED_SLOT(11) STANDIN_UNUSED_SLOT(12) STANDIN_UNUSED_SLOT(13) STANDIN_UNUSED_SLOT(14)
  STANDIN_UNUSED_SLOT(15) STANDIN_UNUSED_SLOT(16) STANDIN_UNUSED_SLOT(17) STANDIN_UNUSED_SLOT(18)
  STANDIN_UNUSED_SLOT(19) STANDIN_UNUSED_SLOT(20) STANDIN_UNUSED_SLOT(21) STANDIN_UNUSED_SLOT(22)
  STANDIN_UNUSED_SLOT(23) STANDIN_UNUSED_SLOT(24) STANDIN_UNUSED_SLOT(25) STANDIN_UNUSED_SLOT(26)
  STANDIN_UNUSED_SLOT(27)

  HRESULT STDMETHODCALLTYPE Connect(BSTR contextId, BSTR connectOption, BSTR server) override {
    if (!core_.service()) return core_.unavailable();
    return result(core_.service()->configConnect(text(contextId), text(connectOption), text(server)));
  }

  STANDIN_UNUSED_SLOT(29) STANDIN_UNUSED_SLOT(30) STANDIN_UNUSED_SLOT(31) STANDIN_UNUSED_SLOT(32)

  HRESULT STDMETHODCALLTYPE GetUnusedAppId(BSTR contextId, BSTR user, LONG customerId, LONG* applicationId) override {
    if (!applicationId) return E_POINTER;
    *applicationId = -1;
    if (!core_.service()) return core_.unavailable();
    std::int32_t id = -1;
    const Reply reply = core_.service()->unusedId(text(contextId), text(user), customerId, id);
    if (reply.ok()) *applicationId = id;
    return result(reply);
  }

  STANDIN_UNUSED_SLOT(34) STANDIN_UNUSED_SLOT(35) STANDIN_UNUSED_SLOT(36) STANDIN_UNUSED_SLOT(37)
  STANDIN_UNUSED_SLOT(38) STANDIN_UNUSED_SLOT(39)

  HRESULT STDMETHODCALLTYPE StartVersionManager(BSTR contextId, BSTR user, LONG, LONG) override {
    if (!core_.service()) return core_.unavailable();
    return result(core_.service()->versionManager(text(contextId), text(user)));
  }

  HRESULT STDMETHODCALLTYPE CleanUpDeleted(BSTR contextId, BSTR user, LONG) override {
    if (!core_.service()) return core_.unavailable();
    return result(core_.service()->cleanUp(text(contextId), text(user)));
  }

  STANDIN_UNUSED_SLOT(42) STANDIN_UNUSED_SLOT(43) STANDIN_UNUSED_SLOT(44)

  HRESULT STDMETHODCALLTYPE GetLdapSuffix(BSTR* suffix) override {
    if (!suffix) return E_POINTER;
    *suffix = nullptr;
    if (!core_.service()) return core_.unavailable();
    std::string value;
    const Reply reply = core_.service()->suffix(value);
    if (reply.ok()) *suffix = bstr(value);
    return result(reply);
  }

 protected:
  const IID& interfaceId() const override { return IID_IVtAdminConfig; }

 private:
  AdminCore core_;
};

class FileTransferComponent final : public DispatchBase<IVtFileTransfer> {
 public:
  HRESULT STDMETHODCALLTYPE Connect(BSTR contextId, BSTR connectOption, BSTR service, BSTR clientTag, BSTR server) override {
    if (!core_.service()) return core_.unavailable();
    return result(core_.service()->filesConnect(text(contextId), text(connectOption), text(service), text(clientTag), text(server)));
  }

  HRESULT STDMETHODCALLTYPE ReceiveFile(BSTR contextId, BSTR user, BSTR serverPath, BSTR localPath) override {
    if (!core_.service()) return core_.unavailable();
    return result(core_.service()->receive(text(contextId), text(user), text(serverPath), text(localPath)));
  }

  HRESULT STDMETHODCALLTYPE SendFile(BSTR contextId, BSTR user, BSTR localPath, BSTR serverPath) override {
    if (!core_.service()) return core_.unavailable();
    return result(core_.service()->send(text(contextId), text(user), text(localPath), text(serverPath)));
  }

  HRESULT STDMETHODCALLTYPE SendMmfsRecord(BSTR contextId, BSTR user, BSTR localPath, BSTR serverFolder, LONG recordId,
                                           LONG kind, LONG mode) override {
    if (!core_.service()) return core_.unavailable();
    return result(core_.service()->sendRecord(text(contextId), text(user), text(localPath), text(serverFolder), recordId,
                                              kind, mode));
  }

  HRESULT STDMETHODCALLTYPE FetchTimeStamp(BSTR contextId, BSTR user, BSTR localStampPath, BSTR serverPath) override {
    if (!core_.service()) return core_.unavailable();
    return result(core_.service()->fetchTimeStamp(text(contextId), text(user), text(localStampPath), text(serverPath)));
  }

  HRESULT STDMETHODCALLTYPE CompareTimeStamp(BSTR contextId, BSTR user, BSTR localStampPath, BSTR serverPath,
                                             LONG* same) override {
    if (!same) return E_POINTER;
    *same = 0;
    if (!core_.service()) return core_.unavailable();
    bool equal = false;
    const Reply reply = core_.service()->compareTimeStamp(text(contextId), text(user), text(localStampPath), text(serverPath), equal);
    *same = equal ? 1 : 0;
    return result(reply);
  }

 protected:
  const IID& interfaceId() const override { return IID_IVtFileTransfer; }

 private:
  AdminCore core_;
};

class EncoderComponent final : public DispatchBase<IVtPwdEncoder> {
 public:
  HRESULT STDMETHODCALLTYPE Encode(BSTR plain, BSTR* encoded) override {
    if (!encoded) return E_POINTER;
    *encoded = nullptr;
    if (!core_.service()) return core_.unavailable();
    std::string code;
    const Reply reply = core_.service()->encode(text(plain), code);
    if (reply.ok()) *encoded = bstr(code);
    return result(reply);
  }

 protected:
  const IID& interfaceId() const override { return IID_IVtPwdEncoder; }

 private:
  AdminCore core_;
};

}  // namespace

IUnknown* makeConfigComponent() { return static_cast<IVtAdminConfig*>(new ConfigComponent()); }
IUnknown* makeFileTransferComponent() { return static_cast<IVtFileTransfer*>(new FileTransferComponent()); }
IUnknown* makeEncoderComponent() { return static_cast<IVtPwdEncoder*>(new EncoderComponent()); }

}  // namespace standin::com
