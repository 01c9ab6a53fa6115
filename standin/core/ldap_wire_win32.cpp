// The directory connection over wldap32 (the DLL). Names and filters travel as UTF-16,
// values as the UTF-8 bytes the directory stores.
#include <windows.h>
#include <winldap.h>
#include <winber.h>

#include "ldap_wire.h"

namespace standin {
namespace {

std::wstring wide(const std::string& text) {
  if (text.empty()) return {};
  const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
  return out;
}

std::string narrow(const wchar_t* text) {
  if (!text || !*text) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
  out.resize(static_cast<std::size_t>(size - 1));
  return out;
}

int normalise(ULONG code) {
  if (code == LDAP_SERVER_DOWN || code == LDAP_CONNECT_ERROR || code == LDAP_TIMEOUT) return kLdapServerDown;
  return static_cast<int>(code);
}

// The LDAPModW array of a change list, values as binary so their bytes pass unchanged.
class ModList {
 public:
  explicit ModList(const std::vector<LdapChange>& changes) {
    const std::size_t n = changes.size();
    mods_.resize(n);
    names_.resize(n);
    values_.resize(n);
    valuePointers_.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
      const LdapChange& c = changes[i];
      names_[i] = wide(c.attribute);
      for (const std::string& v : c.values) values_[i].push_back(berval{static_cast<ULONG>(v.size()), const_cast<char*>(v.data())});
      for (berval& b : values_[i]) valuePointers_[i].push_back(&b);
      valuePointers_[i].push_back(nullptr);
      const ULONG op = c.kind == LdapChange::Add ? LDAP_MOD_ADD : c.kind == LdapChange::Delete ? LDAP_MOD_DELETE : LDAP_MOD_REPLACE;
      mods_[i].mod_op = op | LDAP_MOD_BVALUES;
      mods_[i].mod_type = names_[i].data();
      // An empty list (not a null one) replaces an attribute by nothing, i.e. removes it.
      mods_[i].mod_vals.modv_bvals = valuePointers_[i].data();
    }
    for (LDAPModW& m : mods_) pointers_.push_back(&m);
    pointers_.push_back(nullptr);
  }
  LDAPModW** get() { return pointers_.data(); }

 private:
  std::vector<LDAPModW> mods_;
  std::vector<std::wstring> names_;
  std::vector<std::vector<berval>> values_;
  std::vector<std::vector<berval*>> valuePointers_;
  std::vector<LDAPModW*> pointers_;
};

class Win32Wire final : public LdapWire {
 public:
  explicit Win32Wire(LDAP* ld) : ld_(ld) {}
  ~Win32Wire() override { ldap_unbind_s(ld_); }

  int bind(const std::string& dn, const std::string& password) override {
    std::wstring d = wide(dn), p = wide(password);
    return normalise(ldap_simple_bind_sW(ld_, d.data(), p.data()));
  }

  SearchResult search(const std::string& base, const std::string& filter, const std::vector<std::string>& attributes,
                      const std::vector<SortKey>& sort, int sizeLimit) override {
    SearchResult result;
    std::wstring b = wide(base), f = wide(filter);
    std::vector<std::wstring> names;
    for (const std::string& a : attributes) names.push_back(wide(a));
    std::vector<PWCHAR> attrs;
    for (std::wstring& n : names) attrs.push_back(n.data());
    attrs.push_back(nullptr);
    PLDAPControlW sortControl = nullptr;
    std::vector<std::wstring> keyNames;
    for (const SortKey& k : sort) keyNames.push_back(wide(k.attribute));
    if (!sort.empty()) {
      std::vector<LDAPSortKeyW> keys(sort.size());
      std::vector<PLDAPSortKeyW> keyPointers;
      for (std::size_t i = 0; i < sort.size(); ++i) {
        keys[i].sk_attrtype = keyNames[i].data();
        keys[i].sk_matchruleoid = nullptr;
        keys[i].sk_reverseorder = sort[i].reverse ? TRUE : FALSE;
        keyPointers.push_back(&keys[i]);
      }
      keyPointers.push_back(nullptr);
      const ULONG rc = ldap_create_sort_controlW(ld_, keyPointers.data(), TRUE, &sortControl);
      if (rc != LDAP_SUCCESS) {
        result.code = normalise(rc);
        return result;
      }
    }
    PLDAPControlW controls[] = {sortControl, nullptr};
    LDAPMessage* message = nullptr;
    const ULONG rc = ldap_search_ext_sW(ld_, b.data(), LDAP_SCOPE_SUBTREE, f.data(), attributes.empty() ? nullptr : attrs.data(), 0,
                                       sortControl ? controls : nullptr, nullptr, nullptr,
                                       static_cast<ULONG>(sizeLimit), &message);
    if (sortControl) ldap_control_freeW(sortControl);
    result.code = normalise(rc);
    for (LDAPMessage* e = message ? ldap_first_entry(ld_, message) : nullptr; e; e = ldap_next_entry(ld_, e)) {
      LdapEntry entry;
      if (PWCHAR dn = ldap_get_dnW(ld_, e)) {
        entry.dn = narrow(dn);
        ldap_memfreeW(dn);
      }
      BerElement* ber = nullptr;
      for (PWCHAR a = ldap_first_attributeW(ld_, e, &ber); a; a = ldap_next_attributeW(ld_, e, ber)) {
        std::vector<std::string> values;
        if (berval** vals = ldap_get_values_lenW(ld_, e, a)) {
          for (int i = 0; vals[i]; ++i) values.emplace_back(vals[i]->bv_val, vals[i]->bv_len);
          ldap_value_free_len(vals);
        }
        entry.attributes.emplace_back(narrow(a), std::move(values));
        ldap_memfreeW(a);
      }
      if (ber) ber_free(ber, 0);
      result.entries.push_back(std::move(entry));
    }
    if (message) ldap_msgfree(message);
    return result;
  }

  int add(const std::string& dn, const std::vector<LdapChange>& attributes) override {
    ModList mods(attributes);
    std::wstring d = wide(dn);
    return normalise(ldap_add_ext_sW(ld_, d.data(), mods.get(), nullptr, nullptr));
  }

  int modify(const std::string& dn, const std::vector<LdapChange>& changes) override {
    ModList mods(changes);
    std::wstring d = wide(dn);
    return normalise(ldap_modify_ext_sW(ld_, d.data(), mods.get(), nullptr, nullptr));
  }

  int remove(const std::string& dn) override {
    std::wstring d = wide(dn);
    return normalise(ldap_delete_ext_sW(ld_, d.data(), nullptr, nullptr));
  }

 private:
  LDAP* ld_;
};

}  // namespace

std::unique_ptr<LdapWire> openLdapWire(const std::string& host, int port) {
  std::wstring h = wide(host);
  LDAP* ld = ldap_initW(h.data(), static_cast<ULONG>(port));
  if (!ld) return nullptr;
  ULONG version = LDAP_VERSION3;
  ldap_set_optionW(ld, LDAP_OPT_PROTOCOL_VERSION, &version);
  return std::make_unique<Win32Wire>(ld);
}

}  // namespace standin
