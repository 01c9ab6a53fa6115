#include "designer_line.h"

namespace gate {
namespace {

constexpr const char* kSeparator = " : ";

}  // namespace

std::vector<std::string> DesignerFields(const LaunchValues& v) {
  return {"Flowsmith", v.location,  v.serverName, "0", v.serverAddress, "0", "0", "0", v.userId, "0",
          v.customer,  "1",         v.encodedPassword, v.locationId, v.contextId, std::to_string(v.sslPort),
          std::to_string(v.sslLevel), kLaunchNumber};
}

std::string DesignerArgumentLine(const LaunchValues& values) {
  std::string line;
  for (const std::string& field : DesignerFields(values)) {
    if (!line.empty()) line += kSeparator;
    line += field;
  }
  return line;
}

std::vector<std::string> CutDesignerLine(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = line.find(kSeparator, start);
    fields.push_back(line.substr(start, at == std::string::npos ? std::string::npos : at - start));
    if (at == std::string::npos) return fields;
    start = at + 3;
  }
}

std::optional<std::string> DesignerCommandLine(const std::string& programPath, const LaunchValues& values,
                                               std::string& problem) {
  const std::string line = DesignerArgumentLine(values);
  if (CutDesignerLine(line) != DesignerFields(values)) {
    problem = "a value holds \" : \" or blanks next to a colon, which the designer would read as a separator";
    return std::nullopt;
  }
  if (line.size() > kMaxDesignerLine) {
    problem = "the designer's argument line would be " + std::to_string(line.size()) + " characters long (at most " +
              std::to_string(kMaxDesignerLine) + ")";
    return std::nullopt;
  }
  return "\"" + programPath + "\" " + line;
}

std::vector<std::string> CutCommandLine(const std::string& commandLine) {
  std::vector<std::string> values;
  std::string current;
  for (char c : commandLine) {
    if (c == ' ' || c == '\t') {
      if (!current.empty()) values.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) values.push_back(current);
  return values;
}

std::optional<std::int32_t> DecimalInRange(const std::string& text, std::int32_t low, std::int32_t high) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < low || value > high) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace gate
