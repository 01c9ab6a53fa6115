#include "standin_config.h"

#include <cstdlib>

#include "server_reply.h"

namespace standin {

std::string hostPath(const std::string& path) {
#ifdef _WIN32
  return path;
#else
  if (path.size() >= 3 && (path[0] == 'Z' || path[0] == 'z') && path[1] == ':' && (path[2] == '\\' || path[2] == '/')) {
    std::string out = path.substr(2);
    for (char& c : out) {
      if (c == '\\') c = '/';
    }
    return out;
  }
  return path;
#endif
}

Config configFrom(const std::function<std::string(const std::string&)>& lookup) {
  Config config;
  const std::string address = lookup("VTSTANDIN_LDAP");
  const std::size_t colon = address.rfind(':');
  if (address.empty() || colon == std::string::npos) throw Refusal(kServerDown, "VTSTANDIN_LDAP is not set");
  config.host = address.substr(0, colon);
  config.port = std::atoi(address.c_str() + colon + 1);
  if (config.port <= 0) throw Refusal(kServerDown, "VTSTANDIN_LDAP has no port: " + address);
  config.bindDn = lookup("VTSTANDIN_BIND_DN");
  config.bindPassword = lookup("VTSTANDIN_BIND_PW");
  config.suffix = lookup("VTSTANDIN_SUFFIX");
  if (config.suffix.empty()) config.suffix = "o=vantora";
  config.storeRoot = hostPath(lookup("VTSTANDIN_STORE"));
  config.journal = hostPath(lookup("VTSTANDIN_JOURNAL"));
  return config;
}

Config configFromEnvironment() {
  return configFrom([](const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return std::string(value ? value : "");
  });
}

}  // namespace standin
