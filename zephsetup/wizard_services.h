#pragma once
// What the system wizard reaches outside itself: name look-ups, dial-up networking and
// help. The program's own are used unless a caller (a test) sets others.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "dialup.h"
#include "setup_export.h"

namespace setup {

// Address look-ups over the computer's sockets.
class ZEPHSETUP_API AddressResolver {
 public:
  virtual ~AddressResolver() = default;
  // Starts the socket services (version 2.0); false when they cannot be used.
  virtual bool Start() = 0;
  virtual void Stop() = 0;
  // The host name of a dotted IPv4 address (reverse look-up).
  virtual std::optional<std::string> NameOf(const std::string& dottedAddress) = 0;
  // The first IPv4 address of a name, as "%d.%d.%d.%d".
  virtual std::optional<std::string> AddressOf(const std::string& name) = 0;
};

// The computer's resolver (Winsock).
ZEPHSETUP_API AddressResolver& SocketResolver();

// Opens the help file (path with its window, ">proc4") at a context.
using HelpRequest = std::function<void(const std::string& path, std::int32_t context)>;

struct WizardServices {
  AddressResolver* resolver = nullptr;  // null: SocketResolver()
  DialUpNetwork* dialUp = nullptr;      // null: PlatformDialUpNetwork()
  HelpRequest help;                     // empty: the help system
};

}  // namespace setup
