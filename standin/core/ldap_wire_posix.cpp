// The directory connection over libldap (native builds).
#include <ldap.h>

#include <cstring>

#include "ldap_wire.h"

namespace standin {
namespace {

int normalise(int code) {
  // libldap reports a lost or refused connection with negative client codes.
  if (code == LDAP_SERVER_DOWN || code == LDAP_CONNECT_ERROR || code == LDAP_TIMEOUT) return kLdapServerDown;
  return code < 0 ? kLdapServerDown : code;
}

// The LDAPMod array of a change list; keeps the value arrays alive while it lives.
class ModList {
 public:
  ModList(const std::vector<LdapChange>& changes) {
    mods_.resize(changes.size());
    values_.resize(changes.size());
    for (std::size_t i = 0; i < changes.size(); ++i) {
      const LdapChange& c = changes[i];
      for (const std::string& v : c.values) values_[i].push_back(const_cast<char*>(v.c_str()));
      values_[i].push_back(nullptr);
      mods_[i].mod_op = c.kind == LdapChange::Add ? LDAP_MOD_ADD : c.kind == LdapChange::Delete ? LDAP_MOD_DELETE : LDAP_MOD_REPLACE;
      mods_[i].mod_type = const_cast<char*>(c.attribute.c_str());
      mods_[i].mod_values = values_[i].data();
      pointers_.push_back(&mods_[i]);
    }
    pointers_.push_back(nullptr);
  }
  LDAPMod** get() { return pointers_.data(); }

 private:
  std::vector<LDAPMod> mods_;
  std::vector<std::vector<char*>> values_;
  std::vector<LDAPMod*> pointers_;
};

class PosixWire final : public LdapWire {
 public:
  explicit PosixWire(LDAP* ld) : ld_(ld) {}
  ~PosixWire() override { ldap_unbind_ext_s(ld_, nullptr, nullptr); }

  int bind(const std::string& dn, const std::string& password) override {
    berval cred{static_cast<ber_len_t>(password.size()), const_cast<char*>(password.data())};
    return normalise(ldap_sasl_bind_s(ld_, dn.c_str(), LDAP_SASL_SIMPLE, &cred, nullptr, nullptr, nullptr));
  }

  SearchResult search(const std::string& base, const std::string& filter, const std::vector<std::string>& attributes,
                      const std::vector<SortKey>& sort, int sizeLimit) override {
    SearchResult result;
    std::vector<char*> attrs;
    for (const std::string& a : attributes) attrs.push_back(const_cast<char*>(a.c_str()));
    attrs.push_back(nullptr);
    LDAPControl* sortControl = nullptr;
    if (!sort.empty()) {
      std::vector<LDAPSortKey> keys(sort.size());
      std::vector<LDAPSortKey*> keyPointers;
      for (std::size_t i = 0; i < sort.size(); ++i) {
        keys[i].attributeType = const_cast<char*>(sort[i].attribute.c_str());
        keys[i].orderingRule = nullptr;
        keys[i].reverseOrder = sort[i].reverse ? 1 : 0;
        keyPointers.push_back(&keys[i]);
      }
      keyPointers.push_back(nullptr);
      const int rc = ldap_create_sort_control(ld_, keyPointers.data(), 1, &sortControl);
      if (rc != LDAP_SUCCESS) {
        result.code = normalise(rc);
        return result;
      }
    }
    LDAPControl* controls[] = {sortControl, nullptr};
    LDAPMessage* message = nullptr;
    const int rc = ldap_search_ext_s(ld_, base.c_str(), LDAP_SCOPE_SUBTREE, filter.c_str(),
                                     attributes.empty() ? nullptr : attrs.data(), 0,
                                     sortControl ? controls : nullptr, nullptr, nullptr, sizeLimit, &message);
    if (sortControl) ldap_control_free(sortControl);
    result.code = normalise(rc);
    for (LDAPMessage* e = message ? ldap_first_entry(ld_, message) : nullptr; e; e = ldap_next_entry(ld_, e)) {
      LdapEntry entry;
      if (char* dn = ldap_get_dn(ld_, e)) {
        entry.dn = dn;
        ldap_memfree(dn);
      }
      BerElement* ber = nullptr;
      for (char* a = ldap_first_attribute(ld_, e, &ber); a; a = ldap_next_attribute(ld_, e, ber)) {
        std::vector<std::string> values;
        if (berval** vals = ldap_get_values_len(ld_, e, a)) {
          for (int i = 0; vals[i]; ++i) values.emplace_back(vals[i]->bv_val, vals[i]->bv_len);
          ldap_value_free_len(vals);
        }
        entry.attributes.emplace_back(a, std::move(values));
        ldap_memfree(a);
      }
      if (ber) ber_free(ber, 0);
      result.entries.push_back(std::move(entry));
    }
    if (message) ldap_msgfree(message);
    return result;
  }

  int add(const std::string& dn, const std::vector<LdapChange>& attributes) override {
    ModList mods(attributes);
    return normalise(ldap_add_ext_s(ld_, dn.c_str(), mods.get(), nullptr, nullptr));
  }

  int modify(const std::string& dn, const std::vector<LdapChange>& changes) override {
    ModList mods(changes);
    return normalise(ldap_modify_ext_s(ld_, dn.c_str(), mods.get(), nullptr, nullptr));
  }

  int remove(const std::string& dn) override { return normalise(ldap_delete_ext_s(ld_, dn.c_str(), nullptr, nullptr)); }

 private:
  LDAP* ld_;
};

}  // namespace

std::unique_ptr<LdapWire> openLdapWire(const std::string& host, int port) {
  LDAP* ld = nullptr;
  const std::string uri = "ldap://" + host + ":" + std::to_string(port);
  if (ldap_initialize(&ld, uri.c_str()) != LDAP_SUCCESS || !ld) return nullptr;
  int version = LDAP_VERSION3;
  ldap_set_option(ld, LDAP_OPT_PROTOCOL_VERSION, &version);
  timeval timeout{5, 0};
  ldap_set_option(ld, LDAP_OPT_NETWORK_TIMEOUT, &timeout);
  return std::make_unique<PosixWire>(ld);
}

}  // namespace standin
