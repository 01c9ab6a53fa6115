#include "system_info.h"

#include <cctype>
#include <tuple>

namespace {

auto fields(const CSystemInfo& s) {
  return std::tie(s.Name, s.Address, s.Description, s.ConnectionType, s.ContactName, s.Location, s.Comments,
                  s.DialEntry, s.DialPassword, s.DialUserName, s.SslLevel, s.SslPort);
}

}  // namespace

int CSystemInfo::operator!=(const CSystemInfo& other) const { return fields(*this) != fields(other) ? 1 : 0; }

int CSystemInfo::IsEmpty() const { return fields(*this) == fields(CSystemInfo()) ? 1 : 0; }

bool SameSystemName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

bool IsUsableSystemName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return name.find_first_of("\\/:*?\"<>|%") == std::string::npos;
}
