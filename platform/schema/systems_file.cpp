#include "systems_file.h"

#include <cstdint>
#include <cstdlib>
#include <functional>

namespace {

constexpr const char* kHeader = "Flowsmith systems 1";

std::string Escape(const std::string& value) {
  std::string out;
  for (char c : value) {
    if (c == '\\') out += "\\\\";
    else if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else out += c;
  }
  return out;
}

std::optional<std::string> Unescape(const std::string& value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\') {
      out += value[i];
      continue;
    }
    if (++i == value.size()) return std::nullopt;
    switch (value[i]) {
      case '\\': out += '\\'; break;
      case 'r': out += '\r'; break;
      case 'n': out += '\n'; break;
      default: return std::nullopt;
    }
  }
  return out;
}

std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char b : bytes) {
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

std::optional<std::string> FromHex(const std::string& text) {
  if (text.size() % 2) return std::nullopt;
  auto digit = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  std::string out;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const int hi = digit(text[i]), lo = digit(text[i + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out += static_cast<char>(hi * 16 + lo);
  }
  return out;
}

std::optional<std::int32_t> Number(const std::string& text) {
  if (text.empty() || text.size() > 11) return std::nullopt;
  char* end = nullptr;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  if (*end || value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

// The text fields by their stored names; numbers and the sealed password apart.
struct TextField {
  const char* name;
  std::string CSystemInfo::*member;
};
constexpr TextField kTextFields[] = {
    {"Name", &CSystemInfo::Name},           {"Address", &CSystemInfo::Address},
    {"Description", &CSystemInfo::Description}, {"ContactName", &CSystemInfo::ContactName},
    {"Location", &CSystemInfo::Location},   {"Comments", &CSystemInfo::Comments},
    {"DialEntry", &CSystemInfo::DialEntry}, {"DialUserName", &CSystemInfo::DialUserName},
};
struct NumberField {
  const char* name;
  std::int32_t CSystemInfo::*member;
};
constexpr NumberField kNumberFields[] = {
    {"ConnectionType", &CSystemInfo::ConnectionType},
    {"SslLevel", &CSystemInfo::SslLevel},
    {"SslPort", &CSystemInfo::SslPort},
};
constexpr const char* kSealedPassword = "DialPasswordSealed";

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace

SystemsFileResult ParseSystemsFile(const std::string& text, SecretProtector& protector) {
  SystemsFileResult result;
  const std::vector<std::string> lines = Lines(text);
  auto fail = [&](std::size_t line, const std::string& why) {
    result.systems.clear();
    result.problem = "line " + std::to_string(line + 1) + ": " + why;
    return result;
  };
  if (lines.empty() || lines[0] != kHeader) return fail(0, "not a systems file");
  CSystemInfo* current = nullptr;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.empty()) continue;
    if (line == "[system]") {
      result.systems.emplace_back();
      current = &result.systems.back();
      continue;
    }
    const std::size_t eq = line.find('=');
    if (!current || eq == std::string::npos) return fail(i, "unexpected text");
    const std::string name = line.substr(0, eq);
    const std::optional<std::string> value = Unescape(line.substr(eq + 1));
    if (!value) return fail(i, "bad escape in " + name);
    bool known = false;
    for (const TextField& f : kTextFields) {
      if (name == f.name) {
        current->*f.member = *value;
        known = true;
      }
    }
    for (const NumberField& f : kNumberFields) {
      if (name == f.name) {
        const std::optional<std::int32_t> number = Number(*value);
        if (!number) return fail(i, "bad number in " + name);
        current->*f.member = *number;
        known = true;
      }
    }
    if (name == kSealedPassword) {
      const std::optional<std::string> sealed = FromHex(*value);
      const std::optional<std::string> clear = sealed ? protector.Unprotect(*sealed) : std::nullopt;
      if (!clear) return fail(i, "the dial-up password cannot be unsealed");
      current->DialPassword = *clear;
      known = true;
    }
    if (!known) return fail(i, "unknown field " + name);
  }
  for (std::size_t i = 0; i < result.systems.size(); ++i) {
    if (result.systems[i].Name.empty()) return fail(0, "a system without a name");
    for (std::size_t j = 0; j < i; ++j) {
      if (SameSystemName(result.systems[i].Name, result.systems[j].Name))
        return fail(0, "the system " + result.systems[i].Name + " is stored twice");
    }
  }
  return result;
}

std::optional<std::string> FormatSystemsFile(const std::vector<CSystemInfo>& systems, SecretProtector& protector,
                                             std::string& problem) {
  std::string text = std::string(kHeader) + "\r\n";
  for (const CSystemInfo& s : systems) {
    text += "[system]\r\n";
    for (const TextField& f : kTextFields) text += std::string(f.name) + "=" + Escape(s.*f.member) + "\r\n";
    for (const NumberField& f : kNumberFields) text += std::string(f.name) + "=" + std::to_string(s.*f.member) + "\r\n";
    if (!s.DialPassword.empty()) {
      const std::optional<std::string> sealed = protector.Protect(s.DialPassword);
      if (!sealed) {
        problem = "The dial-up password of " + s.Name + " cannot be protected on this computer.";
        return std::nullopt;
      }
      text += std::string(kSealedPassword) + "=" + Hex(*sealed) + "\r\n";
    }
  }
  return text;
}
