#include "attribute_catalogue.h"
#include "ldap_wire.h"

namespace standin {

const std::vector<std::string>& LdapEntry::values(const std::string& name) const {
  for (const auto& [attribute, list] : attributes) {
    if (sameAttribute(attribute, name)) return list;
  }
  static const std::vector<std::string> none;
  return none;
}

std::string LdapEntry::first(const std::string& name) const {
  const auto& list = values(name);
  return list.empty() ? std::string() : list.front();
}

}  // namespace standin
