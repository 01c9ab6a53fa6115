#pragma once
// The argument line with which the launcher starts the designer: 18 fields separated by
// " : ", read back by the designer at its start-up log-in.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gate {

struct LaunchValues {
  std::string location;
  std::string serverName;
  std::string serverAddress;
  std::string userId;
  std::string customer;
  std::string contextId;
  std::string locationId;
  std::string encodedPassword;
  std::int32_t sslLevel = 0;
  std::int32_t sslPort = 0;
};

// The designer refuses longer argument lines.
inline constexpr std::size_t kMaxDesignerLine = 511;
inline constexpr const char* kLaunchNumber = "40718396";

// The 18 fields in the order the designer reads them.
std::vector<std::string> DesignerFields(const LaunchValues& values);
// The fields joined by " : " (the line the designer receives).
std::string DesignerArgumentLine(const LaunchValues& values);
// The line cut back into fields the way the designer cuts it.
std::vector<std::string> CutDesignerLine(const std::string& line);
// The whole command line: the program path in quotes, a blank, the argument line; nullopt
// with `problem` when the designer could not read the values back.
std::optional<std::string> DesignerCommandLine(const std::string& programPath, const LaunchValues& values,
                                               std::string& problem);

// The launcher's own command line cut at runs of blanks. (Bytes of multi-byte characters
// never equal a blank, so a byte-wise cut keeps them whole.)
std::vector<std::string> CutCommandLine(const std::string& commandLine);

// A decimal number within [low, high] written only with digits; nullopt otherwise.
std::optional<std::int32_t> DecimalInRange(const std::string& text, std::int32_t low, std::int32_t high);

}  // namespace gate
