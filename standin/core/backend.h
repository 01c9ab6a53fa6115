#pragma once
// One component object's road to the stand-in server: its own connection to slapd (bound
// as the service account, made on first use and again after a loss), the control entry
// with its settings and fault rules, the file store and the journal.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "file_store.h"
#include "journal.h"
#include "ldap_wire.h"
#include "standin_config.h"

namespace standin {

struct ControlValues {
  int pageSize = 0;        // size limit of one search pass, 0 none
  int maxApps = 0;         // applications per customer, 0 unlimited
  int versionKeep = 2;     // retired versions kept per application
  int unusedIdBase = 1000;
  std::string templateEd = "d:\\tarvix\\templates\\default.ed";
  std::vector<std::string> faultRules;
};

class Backend {
 public:
  explicit Backend(Config config);
  const Config& config() const { return config_; }
  const std::string& suffix() const { return config_.suffix; }
  const FileStore& store() const { return store_; }

  // Journal line and fault rules of one call; throws the injected Refusal.
  void enter(const std::string& call, const std::vector<JournalArgument>& arguments);
  ControlValues control();

  // Directory operations that throw Refusal with the LDAP code on failure.
  SearchResult search(const std::string& filter, const std::vector<std::string>& attributes,
                      const std::vector<SortKey>& sort = {}, int sizeLimit = 0);
  std::vector<LdapEntry> find(const std::string& filter, const std::vector<std::string>& attributes = {});
  std::optional<LdapEntry> findOne(const std::string& filter, const std::vector<std::string>& attributes = {});
  void add(const std::string& dn, const std::vector<LdapChange>& attributes);
  void modify(const std::string& dn, const std::vector<LdapChange>& changes);
  void remove(const std::string& dn);

  std::string controlDn() const { return "cn=control,ou=standin," + config_.suffix; }
  std::string contextsDn() const { return "ou=contexts,ou=standin," + config_.suffix; }

 private:
  LdapWire& wire();
  int check(int code, const std::string& what);

  Config config_;
  FileStore store_;
  std::unique_ptr<LdapWire> wire_;
};

// Filter text with the RFC 4515 escapes of a value.
std::string escapeFilterValue(const std::string& value);
std::string equalityFilter(const std::string& objectClass,
                           const std::vector<std::pair<std::string, std::string>>& equalities);
int intOf(const std::string& text, int fallback = 0);

}  // namespace standin
