#pragma once
// The server's applications and their versions. An application is absent, unborn-locked
// (added, never committed), unborn-free (its lock was given up before the first commit),
// free (a committed version, no lock) or locked (a committed version and a working one).
// What holds after every operation: exactly one visible version, the current one; the
// lock fields on the application and on every profile; versions numbered upwards from
// 50100 (never 65535); a multimedia file entry and folders for every version; import and
// list-use entries only for the current and the working version.
#include <string>
#include <vector>

#include "attribute_text.h"
#include "backend.h"
#include "contexts.h"
#include "server_reply.h"
#include "store_paths.h"

namespace standin {

class ApplicationService {
 public:
  explicit ApplicationService(Backend& backend) : backend_(backend) {}

  // Add, lock and commit answer kReply with the records "currentedfilepath",
  // "newedfilepath" and "appvernum" (value in text 1).
  Reply add(const Context& caller, int customer, int application, const std::vector<AttributeValues>& attributes);
  Reply lock(const Context& caller, int customer, int application, const std::vector<AttributeValues>& attributes);
  void unlock(const Context& caller, int customer, int application);
  Reply commit(const Context& caller, int customer, int application, const std::vector<AttributeValues>& attributes);
  void remove(const Context& caller, int customer, int application);

  // Keeps the configured number of retired versions per application (and every version
  // a service names); the rest goes to the trash.
  void runVersionManager();
  // The smallest application id from the configured base to 32767 not in use.
  int unusedId(int customer);

  // Throws kInsufficientAccess unless `version` is the caller's locked working version.
  void requireWorkingVersion(const Context& caller, const VersionRef& version);

  // Multimedia copies into the caller's working version.
  void copyMediaFile(const Context& caller, const std::string& sourceFolder, const std::string& targetFolder);
  void copyMediaRecord(const Context& caller, const std::string& sourceFolder, int sourceRecord,
                       const std::string& targetFolder, int targetRecord);
  void storeMediaRecord(const std::string& folder, int record, int type, std::int64_t size);
  void copyMediaFileEntries(const std::string& sourceFolder, const std::string& targetFolder);

 private:
  struct AppState {
    bool exists = false;
    std::string dn;
    int customer = 0;
    int application = 0;
    int current = -1;
    int working = -1;
    int next = kFirstVersion;
    std::string lockUser;
    std::string lockPc;
    bool locked() const { return !lockUser.empty(); }
  };

  AppState read(int customer, int application);
  bool heldBy(const AppState& app, const Context& caller) const;
  std::string lockText(const AppState& app) const;
  std::vector<LdapEntry> profiles(int customer, int application);
  int allocateVersion(AppState& app);
  void makeVersion(const AppState& app, int version, const LdapEntry* copyFrom, const std::string& name, int volume,
                   const std::string& lockUser, const std::string& lockPc);
  void dropVersion(int customer, int application, int version);
  void copyVersionLinks(int customer, int application, int from, int to);
  void dropVersionLinks(int customer, int application, int version);
  void setLockFields(const AppState& app, const std::string& user, const std::string& pc);
  Reply reply(const std::string& currentEd, const std::string& newEd, int working) const;

  Backend& backend_;
};

std::string attributeValue(const std::vector<AttributeValues>& attributes, const std::string& name);

}  // namespace standin
