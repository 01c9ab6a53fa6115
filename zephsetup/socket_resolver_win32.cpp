#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstdio>

#include "wizard_services.h"

namespace setup {
namespace {

class WinsockResolver final : public AddressResolver {
 public:
  bool Start() override {
    WSADATA data;
    return ::WSAStartup(MAKEWORD(2, 0), &data) == 0;
  }
  void Stop() override { ::WSACleanup(); }

  std::optional<std::string> NameOf(const std::string& dottedAddress) override {
    in_addr address{};
    address.s_addr = ::inet_addr(dottedAddress.c_str());
    const hostent* host = ::gethostbyaddr(reinterpret_cast<const char*>(&address), sizeof address, AF_INET);
    if (!host || !host->h_name) return std::nullopt;
    return std::string(host->h_name);
  }

  std::optional<std::string> AddressOf(const std::string& name) override {
    const hostent* host = ::gethostbyname(name.c_str());
    if (!host || host->h_addrtype != AF_INET || !host->h_addr_list || !host->h_addr_list[0]) return std::nullopt;
    const auto* bytes = reinterpret_cast<const unsigned char*>(host->h_addr_list[0]);
    char text[16];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d", bytes[0], bytes[1], bytes[2], bytes[3]);
    return std::string(text);
  }
};

}  // namespace

AddressResolver& SocketResolver() {
  static WinsockResolver resolver;
  return resolver;
}

}  // namespace setup
