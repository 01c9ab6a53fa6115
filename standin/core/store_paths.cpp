#include "store_paths.h"

#include <regex>

#include "attribute_catalogue.h"
#include "file_store.h"
#include "server_reply.h"

namespace standin {
namespace {

std::string tail(const VersionRef& v) {
  return "\\c" + std::to_string(v.customer) + "\\a" + std::to_string(v.application) + "\\v" + std::to_string(v.version);
}

std::optional<std::string> normalised(const std::string& path) {
  try {
    return lowerAscii(FileStore::normalise(path));
  } catch (const Refusal&) {
    return std::nullopt;
  }
}

}  // namespace

std::string versionFolder(const VersionRef& v) { return "d:\\tarvix\\apps" + tail(v); }
std::string edPath(const VersionRef& v) { return versionFolder(v) + "\\app.ed"; }
std::string runPath(const VersionRef& v) { return versionFolder(v) + "\\app.run"; }
std::string rllPath(const VersionRef& v) { return versionFolder(v) + "\\app.rll"; }
std::string mediaFolder(const VersionRef& v) { return "d:\\tarvix\\mmfs" + tail(v); }
std::string recordPath(const std::string& folder, int record) { return folder + "\\R" + std::to_string(record); }

std::optional<VersionRef> versionOfMediaFolder(const std::string& serverPath) {
  static const std::regex form(R"(d:\\tarvix\\mmfs\\c(\d{1,9})\\a(\d{1,9})\\v(\d{1,9}))");
  const std::optional<std::string> path = normalised(serverPath);
  std::smatch m;
  if (!path || !std::regex_match(*path, m, form)) return std::nullopt;
  return VersionRef{std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3])};
}

std::optional<std::pair<VersionRef, std::string>> versionOfAppFile(const std::string& serverPath) {
  static const std::regex form(R"(d:\\tarvix\\apps\\c(\d{1,9})\\a(\d{1,9})\\v(\d{1,9})\\app\.(ed|run|rll))");
  const std::optional<std::string> path = normalised(serverPath);
  std::smatch m;
  if (!path || !std::regex_match(*path, m, form)) return std::nullopt;
  return std::make_pair(VersionRef{std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3])}, std::string(m[4]));
}

}  // namespace standin
