#include "editor/file/layoutversion.h"

#include <cmath>
#include <cstdlib>

namespace ed {
namespace {

struct VersionRow {
  const char* serverContains;
  const char* layoutVersion;
};
// The first row whose text the server version contains decides; none gives the newest.
constexpr VersionRow kVersions[] = {{"2.0", "V9.01"}, {"1.07", "V9.00"}, {"1.06", "V9.00"}, {"1.0", "V9.00"}};
constexpr const char* kNewest = "V9.01";

}  // namespace

const char* LayoutVersionText(const std::string& serverVersion) {
  if (serverVersion.empty()) return kNewest;
  for (const VersionRow& row : kVersions) {
    if (serverVersion.find(row.serverContains) != std::string::npos) return row.layoutVersion;
  }
  return kNewest;
}

bool ReadLayoutVersion(const std::string& text, int& hundredths) {
  const std::size_t v = text.find('V');
  if (v == std::string::npos) return false;
  const double number = std::atof(text.c_str() + v + 1);
  hundredths = static_cast<int>(std::lround(number * 100.0));
  return true;
}

}  // namespace ed
