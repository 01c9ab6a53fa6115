#include "user_folder.h"

#include <algorithm>
#include <mutex>

namespace {

std::mutex folderLock;
std::string chosenFolder;

}  // namespace

std::string UserDataFolder() {
  std::lock_guard<std::mutex> hold(folderLock);
  std::string folder = chosenFolder.empty() ? DefaultUserDataFolder() : chosenFolder;
  if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '/';
  return folder;
}

void SetUserDataFolder(const std::string& folder) {
  std::lock_guard<std::mutex> hold(folderLock);
  chosenFolder = folder;
}

std::filesystem::path HostPathOf(const std::string& text) {
#ifdef _WIN32
  return std::filesystem::path(text);
#else
  std::string copy = text;
  std::replace(copy.begin(), copy.end(), '\\', '/');
  return std::filesystem::path(copy);
#endif
}
