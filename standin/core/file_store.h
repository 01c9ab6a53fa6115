#pragma once
// The server's file store: server paths such as d:\tarvix\apps\c1\a5\v50100\app.ed live
// below one root folder. Paths are mapped strictly (drive d: only, no "..", no network
// names; runs of backslashes count as one), and every write goes to a temporary name
// first and then replaces the target, so a reader never sees half a file.
#include <filesystem>
#include <string>

namespace standin {

class FileStore {
 public:
  explicit FileStore(std::filesystem::path root) : root_(std::move(root)) {}

  // The host path of a server path; throws Refusal(kUnwilling) for paths outside the store.
  std::filesystem::path map(const std::string& serverPath) const;
  // The normal form of a server path (lower-case drive, single backslashes).
  static std::string normalise(const std::string& serverPath);

  bool exists(const std::string& serverPath) const;
  void writeFrom(const std::filesystem::path& source, const std::string& serverPath) const;
  void readTo(const std::string& serverPath, const std::filesystem::path& target) const;
  void copy(const std::string& fromServerPath, const std::string& toServerPath) const;
  // Moves a file or folder into the trash (kept until emptyTrash).
  void discard(const std::string& serverPath) const;
  void emptyTrash() const;
  std::filesystem::path trash() const { return root_ / ".trash"; }
  std::filesystem::path root() const { return root_; }

 private:
  std::filesystem::path root_;
};

// A host path from UTF-8 text.
std::filesystem::path pathFromText(const std::string& text);
// Writes `source` to `target` through a temporary file in the target's folder.
void replaceFile(const std::filesystem::path& source, const std::filesystem::path& target);

}  // namespace standin
