#include "file_store.h"

#include <atomic>
#include <chrono>
#include <system_error>

#include "attribute_text.h"
#include "server_reply.h"

namespace standin {
namespace fs = std::filesystem;

namespace {

[[noreturn]] void refuse(const std::string& path, const char* why) {
  throw Refusal(kUnwilling, "server path \"" + path + "\" " + why);
}

std::vector<std::string> components(const std::string& serverPath) {
  std::string path = serverPath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  if (path.rfind("\\\\", 0) == 0) refuse(serverPath, "names a network share");
  if (path.size() < 2 || path[1] != ':') refuse(serverPath, "has no drive");
  if (path[0] != 'd' && path[0] != 'D') refuse(serverPath, "is on another drive");
  std::vector<std::string> parts;
  for (const std::string& part : splitText(std::string_view(path).substr(2), "\\")) {
    if (part.empty() || part == ".") continue;
    if (part == "..") refuse(serverPath, "leaves its folder");
    if (part.find(':') != std::string::npos) refuse(serverPath, "holds a drive or stream name");
    parts.push_back(part);
  }
  return parts;
}

}  // namespace

fs::path pathFromText(const std::string& text) {
  return fs::path(std::u8string(reinterpret_cast<const char8_t*>(text.data()), text.size()));
}

void replaceFile(const fs::path& source, const fs::path& target) {
  static std::atomic<unsigned> serial{0};
  fs::create_directories(target.parent_path());
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  fs::path temporary = target;
  temporary += ".part" + std::to_string(stamp) + "-" + std::to_string(serial++);
  fs::copy_file(source, temporary, fs::copy_options::overwrite_existing);
  std::error_code error;
  fs::rename(temporary, target, error);
  if (error) {
    fs::remove(temporary);
    throw fs::filesystem_error("cannot replace", target, error);
  }
}

std::string FileStore::normalise(const std::string& serverPath) {
  std::string out = "d:";
  for (const std::string& part : components(serverPath)) out += "\\" + part;
  return out;
}

fs::path FileStore::map(const std::string& serverPath) const {
  fs::path path = root_ / "d";
  for (const std::string& part : components(serverPath)) path /= pathFromText(part);
  return path;
}

bool FileStore::exists(const std::string& serverPath) const { return fs::is_regular_file(map(serverPath)); }

void FileStore::writeFrom(const fs::path& source, const std::string& serverPath) const {
  const fs::path target = map(serverPath);
  if (!fs::is_regular_file(source)) throw Refusal(kNoSuchObject, "local file " + source.string() + " does not exist");
  replaceFile(source, target);
}

void FileStore::readTo(const std::string& serverPath, const fs::path& target) const {
  const fs::path source = map(serverPath);
  if (!fs::is_regular_file(source)) throw Refusal(kNoSuchObject, "server file " + serverPath + " does not exist");
  replaceFile(source, target);
}

void FileStore::copy(const std::string& fromServerPath, const std::string& toServerPath) const {
  const fs::path source = map(fromServerPath);
  if (!fs::is_regular_file(source)) return;
  replaceFile(source, map(toServerPath));
}

void FileStore::discard(const std::string& serverPath) const {
  const fs::path source = map(serverPath);
  if (!fs::exists(source)) return;
  static std::atomic<unsigned> serial{0};
  fs::create_directories(trash());
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  fs::rename(source, trash() / (std::to_string(stamp) + "-" + std::to_string(serial++)));
}

void FileStore::emptyTrash() const {
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(trash(), error)) fs::remove_all(entry.path());
}

}  // namespace standin
