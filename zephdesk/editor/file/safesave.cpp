#include "editor/file/safesave.h"

#include <cstdio>

namespace ed {
namespace {

bool Exists(const std::string& path) {
  if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
    std::fclose(f);
    return true;
  }
  return false;
}

std::size_t NameStart(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\:");
  return slash == std::string::npos ? 0 : slash + 1;
}

}  // namespace

std::string BackupName(const std::string& path) {
  const std::size_t dot = path.find_last_of('.');
  const std::string base = dot != std::string::npos && dot >= NameStart(path) ? path.substr(0, dot) : path;
  return base + ".BAK";
}

std::string SaveTempName(const std::string& path) {
  const std::size_t dot = path.find_last_of('.');
  const std::string base = dot != std::string::npos && dot >= NameStart(path) ? path.substr(0, dot) : path;
  return base + ".$ED";
}

SaveOutcome SaveReplacing(const std::string& path, const std::function<bool(const std::string&)>& write) {
  SaveOutcome outcome;
  const std::string temp = SaveTempName(path);
  std::remove(temp.c_str());
  if (!write(temp)) {
    std::remove(temp.c_str());
    return outcome;
  }
  const std::string backup = BackupName(path);
  bool backedUp = false;
  if (Exists(path)) {
    if (Exists(backup) && std::remove(backup.c_str()) != 0) outcome.backupProtected = true;
    // The old file becomes the backup; when that cannot be, it makes room for the new one.
    backedUp = !outcome.backupProtected && std::rename(path.c_str(), backup.c_str()) == 0;
    if (!backedUp && std::remove(path.c_str()) != 0) {
      std::remove(temp.c_str());
      return outcome;
    }
  }
  outcome.saved = std::rename(temp.c_str(), path.c_str()) == 0;
  if (!outcome.saved) {
    std::remove(temp.c_str());
    if (backedUp) std::rename(backup.c_str(), path.c_str());   // the old file back in its place
  }
  return outcome;
}

}  // namespace ed
