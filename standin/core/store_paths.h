#pragma once
// Server paths of an application version's files: its .ED, .RUN and .RLL files below
// d:\tarvix\apps and its multimedia folder below d:\tarvix\mmfs (records R<n> in it).
#include <optional>
#include <string>

namespace standin {

struct VersionRef {
  int customer = 0;
  int application = 0;
  int version = 0;
};

std::string versionFolder(const VersionRef& v);
std::string edPath(const VersionRef& v);
std::string runPath(const VersionRef& v);
std::string rllPath(const VersionRef& v);
std::string mediaFolder(const VersionRef& v);
std::string recordPath(const std::string& mediaFolder, int record);
// The version a multimedia folder path belongs to (nullopt for any other path).
std::optional<VersionRef> versionOfMediaFolder(const std::string& serverPath);
// The version an application file path belongs to, and the file's extension (ed, run, rll).
std::optional<std::pair<VersionRef, std::string>> versionOfAppFile(const std::string& serverPath);

inline constexpr int kFirstVersion = 50100;
inline constexpr int kNoVersion = 65535;

}  // namespace standin
