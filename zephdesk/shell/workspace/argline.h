// The launcher's argument line: fields separated by " : ". A field is only text that a
// separator follows; a number field is its text trimmed and read from its leading digits.
#pragma once

#include <cstdint>
#include <string>

// Longest argument line taken; a longer one is refused, never cut.
inline constexpr std::size_t kMaxArgumentLine = 511;

// The text after the first separator (empty when there is none).
std::string StripField(const std::string& line);
// Removes the first field and its separator from line; the field trimmed and read as a
// 32-bit decimal number (an optional sign, leading digits; 0 without digits).
std::int32_t TakeNumberField(std::string& line);
// The same, also handing back the untrimmed field.
std::int32_t TakeTextField(std::string& line, std::string& text);

// The fields of the log-in line that the designer uses.
struct LoginFields {
    std::string systemValue;     // field 2
    std::string serverName;      // field 3
    std::string serverAddress;   // field 5
    std::int32_t startFlag = 0;  // field 6
    std::string userId;          // field 9
    std::int32_t customer = 0;   // field 11
    std::string password;        // field 13
    std::string locationId;      // field 14
    std::string contextId;       // field 15
    std::int32_t sslPort = 0;    // field 16
    std::int32_t sslLevel = 0;   // field 17
    std::int32_t launchNumber = 0;  // field 18
};

// Cuts the eighteen fields of the line trimmed of white space at both ends.
LoginFields ReadLoginFields(const std::string& commandLine);

// The line trimmed of white space at both ends.
std::string TrimLine(const std::string& line);
