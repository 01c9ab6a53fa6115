#pragma once
// The directory component's behaviour: one object per client, holding its bind (none,
// anonymous, or a context), the entries of its last search and the error list of its
// last call. Every call answers a Reply; kReply answers carry their values in the error
// list, and a pass cut off by the size limit keeps its entries readable.
#include <deque>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "application_service.h"
#include "client_dn.h"
#include "backend.h"
#include "server_reply.h"

namespace standin {

struct ConnectRequest {
  int mode = 1;
  std::string host;
  int port = 0;
  int sslPort = 0;
  std::string certFolder;
  std::string suffix;
  std::string user;
  std::string location;
  std::string password;
  std::string contextId;
};

struct SearchRequest {
  std::string base;
  int scope = 2;
  std::string filter;
  std::string attributes;  // names joined by ","
  std::string sortAttribute;
  int sizeLimit = 0;
  std::string contextId;
};

class DirectorySession {
 public:
  explicit DirectorySession(Backend& backend) : backend_(backend), apps_(backend) {}

  Reply connect(const ConnectRequest& request);
  Reply add(const std::string& contextId, const std::string& dn, const std::string& attributes, int flags);
  Reply search(const SearchRequest& request);
  // The next entry string of the last search; nullopt at the end.
  Reply next(std::optional<std::string>& entry);
  Reply modify(const std::string& dn, const std::string& attributes, const std::string& contextId);
  Reply remove(const std::string& dn, const std::string& contextId);
  Reply contextId(std::string& out);
  Reply disconnect(const std::string& contextId);
  Reply lock(int customer, int application, const std::string& attributes, bool unlock, const std::string& contextId);
  Reply setSecure(bool on);
  const std::vector<ErrorRecord>& errors() const { return errors_; }

 private:
  enum class Bind { None, Anonymous, Context };

  template <class Work>
  Reply run(const std::string& call, const std::vector<JournalArgument>& arguments, Work work);
  Reply bindWithPassword(const ConnectRequest& request);
  void addPlain(const ClientDn& dn, const std::vector<AttributeValues>& attributes);
  void modifyPlain(const std::string& dn, const std::vector<AttributeValues>& attributes);
  Reply changePassword(const Context& caller, const ClientDn& dn, const std::vector<AttributeValues>& attributes);
  void requireReader(const std::string& contextId);

  Backend& backend_;
  ApplicationService apps_;
  Bind bind_ = Bind::None;
  std::string context_;
  std::set<std::string> warned_;  // users already told that their password expires soon
  std::deque<std::string> cursor_;
  std::vector<ErrorRecord> errors_;
};

}  // namespace standin
