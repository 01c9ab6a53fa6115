#pragma once
// Where a stand-in server instance is: its slapd, the service account, the suffix, the
// file store and the optional journal. Read from the VTSTANDIN_* settings.
#include <functional>
#include <string>

namespace standin {

struct Config {
  std::string host = "127.0.0.1";
  int port = 0;
  std::string bindDn;
  std::string bindPassword;
  std::string suffix;
  std::string storeRoot;  // host path of the store's root folder
  std::string journal;    // host path of the journal; empty for none
};

// `lookup` answers a setting by name (VTSTANDIN_LDAP, _BIND_DN, _BIND_PW, _SUFFIX, _STORE,
// _JOURNAL), "" when unset. Throws Refusal(kServerDown) when the server address is missing.
Config configFrom(const std::function<std::string(const std::string&)>& lookup);
Config configFromEnvironment();

// A path as the settings give it ("Z:\tmp\x" for a Wine program) in the host's own form:
// natively the Wine drive Z: is the root folder.
std::string hostPath(const std::string& path);

}  // namespace standin
