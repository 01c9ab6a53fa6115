#pragma once
// The checks of the system wizard's pages that need no window: system names, SSL ports and
// dotted IPv4 addresses.
#include <cstdint>
#include <optional>
#include <string>

namespace setup {

// The characters a system name may not hold, in the order the refusal lists them.
inline constexpr const char* kForbiddenNameCharacters = "\\/:*?\"<>|";

// Why a system name is refused: 0 when it is accepted, else the string id of the message
// (20005 empty, 20006 a forbidden character).
std::int32_t SystemNameRefusal(const std::string& name);

// The port typed as the C library's atoi reads it (leading blanks and a sign, then digits;
// no digits read 0), with the value held at the 32-bit range instead of overflowing.
std::int64_t ReadPort(const std::string& text);
// Why an SSL port is refused: 0 when accepted, 20016 blank, 20017 outside 0..65535.
std::int32_t PortRefusal(const std::string& text);

// Four decimal numbers 0..255 joined by dots, nothing else.
bool IsDottedAddress(const std::string& text);

}  // namespace setup
