#pragma once
// The admin service's components: the configuration client (directory suffix, unused
// application id, version manager, clean-up of deleted files), the file-transfer client
// (files and multimedia records between the client and the store, time stamps) and the
// password encoder. Callers are known by their context, whose user must match; an empty
// context is good only for connecting, the suffix and reading the certificate folder.
#include <string>

#include "application_service.h"
#include "backend.h"
#include "server_reply.h"

namespace standin {

class AdminService {
 public:
  explicit AdminService(Backend& backend) : backend_(backend), apps_(backend) {}

  Reply configConnect(const std::string& contextId, const std::string& option, const std::string& server);
  Reply unusedId(const std::string& contextId, const std::string& user, int customer, std::int32_t& id);
  Reply versionManager(const std::string& contextId, const std::string& user);
  Reply cleanUp(const std::string& contextId, const std::string& user);
  Reply suffix(std::string& out);

  Reply filesConnect(const std::string& contextId, const std::string& option, const std::string& service,
                     const std::string& clientTag, const std::string& server);
  Reply receive(const std::string& contextId, const std::string& user, const std::string& serverPath,
                const std::string& localPath);
  Reply send(const std::string& contextId, const std::string& user, const std::string& localPath,
             const std::string& serverPath);
  Reply sendRecord(const std::string& contextId, const std::string& user, const std::string& localPath,
                   const std::string& serverFolder, int record, int kind, int mode);
  Reply fetchTimeStamp(const std::string& contextId, const std::string& user, const std::string& localStampPath,
                       const std::string& serverPath);
  Reply compareTimeStamp(const std::string& contextId, const std::string& user, const std::string& localStampPath,
                         const std::string& serverPath, bool& same);

  Reply encode(const std::string& plain, std::string& code);

 private:
  template <class Work>
  Reply run(const std::string& call, const std::vector<JournalArgument>& arguments, Work work);
  void requireConnected(bool connected) const;
  // A read of `serverPath`: a caller's context, or none for the certificate folder.
  void requireReader(const std::string& contextId, const std::string& user, const std::string& serverPath);
  std::string timeStamp(const std::string& serverPath) const;

  Backend& backend_;
  ApplicationService apps_;
  bool configConnected_ = false;
  bool filesConnected_ = false;
};

}  // namespace standin
