#pragma once
// The stand-in server's own connection to its directory (slapd): plain LDAP v3 operations
// with LDAP result codes. Natively it runs over libldap, in the DLL over wldap32.
#include <memory>
#include <string>
#include <vector>

namespace standin {

struct LdapEntry {
  std::string dn;
  std::vector<std::pair<std::string, std::vector<std::string>>> attributes;
  // Values of an attribute (matched case-insensitively, aliases included); empty if none.
  const std::vector<std::string>& values(const std::string& name) const;
  std::string first(const std::string& name) const;
};

struct LdapChange {
  enum Kind { Add, Replace, Delete } kind = Replace;
  std::string attribute;
  std::vector<std::string> values;
};

struct SortKey {
  std::string attribute;
  bool reverse = false;
};

struct SearchResult {
  int code = 0;  // LDAP result code; 4 still carries the entries of the pass
  std::vector<LdapEntry> entries;
};

class LdapWire {
 public:
  virtual ~LdapWire() = default;
  virtual int bind(const std::string& dn, const std::string& password) = 0;
  // Subtree search; a non-empty sort becomes a critical server-side sort control.
  virtual SearchResult search(const std::string& base, const std::string& filter,
                              const std::vector<std::string>& attributes,
                              const std::vector<SortKey>& sort, int sizeLimit) = 0;
  virtual int add(const std::string& dn, const std::vector<LdapChange>& attributes) = 0;
  virtual int modify(const std::string& dn, const std::vector<LdapChange>& changes) = 0;
  virtual int remove(const std::string& dn) = 0;
};

// Opens a connection to host:port (not yet bound); null when the library refuses the address.
std::unique_ptr<LdapWire> openLdapWire(const std::string& host, int port);

// The LDAP code for "server down" whatever the library reports for a lost connection.
inline constexpr int kLdapServerDown = 81;

}  // namespace standin
