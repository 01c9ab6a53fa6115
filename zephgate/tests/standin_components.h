#pragma once
// The launcher's component interfaces over the stand-in server's core, answering as its COM
// components do: a failed reply is the server code's HRESULT, with "code#text" as the
// admin clients' error description; local paths are turned into host paths on the way.
#include <memory>

#include "admin_service.h"
#include "backend.h"
#include "components.h"
#include "directory_session.h"
#include "standin_config.h"
#include "user_folder.h"

namespace gate::testing {

inline HResult ResultOf(const standin::Reply& reply) { return reply.ok() ? kOk : ServerCodeResult(reply.code); }

class StandinDirectory final : public DirectoryComponent {
 public:
  explicit StandinDirectory(standin::Backend& backend) : session_(backend) {}

  HResult Bind(std::int32_t mode, const std::string& host, std::int32_t port, std::int32_t sslPort,
               const std::string& certFolder, const std::string& suffix, const std::string& user,
               const std::string& locationId, const std::string& password, const std::string& contextId) override {
    standin::ConnectRequest r;
    r.mode = mode;
    r.host = host;
    r.port = port;
    r.sslPort = sslPort;
    r.certFolder = certFolder;
    r.suffix = suffix;
    r.user = user;
    r.location = locationId;
    r.password = password;
    r.contextId = contextId;
    return ResultOf(session_.connect(r));
  }
  HResult Search(const std::string& base, std::int32_t scope, const std::string& filter,
                 const std::string& attributes, const std::string& contextId) override {
    standin::SearchRequest r;
    r.base = base;
    r.scope = scope;
    r.filter = filter;
    r.attributes = attributes;
    r.contextId = contextId;
    return ResultOf(session_.search(r));
  }
  HResult GetNext(std::optional<std::string>& entry) override { return ResultOf(session_.next(entry)); }
  HResult Modify(const std::string& dn, const std::string& attributes, const std::string& contextId) override {
    return ResultOf(session_.modify(dn, attributes, contextId));
  }
  HResult GetContextId(std::string& contextId) override { return ResultOf(session_.contextId(contextId)); }
  HResult Unbind(const std::string& contextId) override { return ResultOf(session_.disconnect(contextId)); }
  HResult Errors(std::vector<ComponentError>& errors) override {
    errors.clear();
    for (const standin::ErrorRecord& e : session_.errors())
      errors.push_back({e.code, e.level, e.attribute, e.text1, e.text2});
    return kOk;
  }
  HResult SetSecure(bool on) override { return ResultOf(session_.setSecure(on)); }

 private:
  standin::DirectorySession session_;
};

// Keeps the last failed reply as the error description, as the COM error information does.
class AdminErrors {
 protected:
  HResult Answer(const standin::Reply& reply) {
    if (reply.ok()) return kOk;
    last_ = std::to_string(reply.code) + "#" + reply.text;
    return ServerCodeResult(reply.code);
  }
  std::optional<std::string> last_;
};

class StandinAdminConfig final : public AdminConfigComponent, AdminErrors {
 public:
  explicit StandinAdminConfig(standin::Backend& backend) : service_(backend) {}
  HResult Connect(const std::string& protocol, const std::string& option, const std::string& server) override {
    return Answer(service_.configConnect(protocol, option, server));
  }
  HResult GetLdapSuffix(std::string& suffix) override { return Answer(service_.suffix(suffix)); }
  std::optional<std::string> LastErrorDescription() override { return last_; }

 private:
  standin::AdminService service_;
};

class StandinFileTransfer final : public FileTransferComponent, AdminErrors {
 public:
  explicit StandinFileTransfer(standin::Backend& backend) : service_(backend) {}
  HResult Connect(const std::string& contextId, const std::string& option, const std::string& service,
                  const std::string& clientTag, const std::string& server) override {
    return Answer(service_.filesConnect(contextId, option, service, clientTag, server));
  }
  HResult ReceiveFile(const std::string& contextId, const std::string& user, const std::string& serverPath,
                      const std::string& localPath) override {
    return Answer(service_.receive(contextId, user, serverPath, Host(localPath)));
  }
  HResult FetchTimeStamp(const std::string& contextId, const std::string& user, const std::string& localStampPath,
                         const std::string& serverPath) override {
    return Answer(service_.fetchTimeStamp(contextId, user, Host(localStampPath), serverPath));
  }
  HResult CompareTimeStamp(const std::string& contextId, const std::string& user, const std::string& localStampPath,
                           const std::string& serverPath, bool& same) override {
    return Answer(service_.compareTimeStamp(contextId, user, Host(localStampPath), serverPath, same));
  }
  std::optional<std::string> LastErrorDescription() override { return last_; }

 private:
  static std::string Host(const std::string& path) { return HostPathOf(path).string(); }
  standin::AdminService service_;
};

class StandinEncoder final : public PasswordEncoderComponent {
 public:
  explicit StandinEncoder(standin::Backend& backend) : service_(backend) {}
  HResult Encode(const std::string& plain, std::string& encoded) override {
    return ResultOf(service_.encode(plain, encoded));
  }

 private:
  standin::AdminService service_;
};

// Each component made on its own road to the server, as in-process COM objects are.
class StandinFactory final : public ComponentFactory {
 public:
  explicit StandinFactory(standin::Config config) : config_(std::move(config)) {}

  Creation directoryCreation = Creation::Made;  // what MakeDirectory answers (tests of the failures)

  Created<DirectoryComponent> MakeDirectory() override {
    Created<DirectoryComponent> out;
    out.how = directoryCreation;
    if (out.how == Creation::Made) {
      out.hr = kOk;
      out.component = std::make_unique<StandinDirectory>(Backend());
    }
    return out;
  }
  Created<AdminConfigComponent> MakeAdminConfig() override { return Make<AdminConfigComponent, StandinAdminConfig>(); }
  Created<FileTransferComponent> MakeFileTransfer() override {
    return Make<FileTransferComponent, StandinFileTransfer>();
  }
  Created<PasswordEncoderComponent> MakePasswordEncoder() override {
    return Make<PasswordEncoderComponent, StandinEncoder>();
  }

 private:
  standin::Backend& Backend() {
    backends_.push_back(std::make_unique<standin::Backend>(config_));
    return *backends_.back();
  }
  template <class Interface, class Component>
  Created<Interface> Make() {
    Created<Interface> out;
    out.how = Creation::Made;
    out.hr = kOk;
    out.component = std::make_unique<Component>(Backend());
    return out;
  }

  standin::Config config_;
  std::vector<std::unique_ptr<standin::Backend>> backends_;
};

}  // namespace gate::testing
