#include "programfile/build/buildnames.h"

#include <cstdlib>

#include "foundation/kvvif.h"

namespace zeph {

std::string ReplaceExtension(const std::string& path, const char* extension) {
  const std::size_t slash = path.find_last_of("\\/");
  const std::size_t dot = path.rfind('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasExtension ? path.substr(0, dot) : path) + "." + extension;
}

int MakeBuildFileNames(const std::string& path, BuildFileNames& names) {
  char folder[512] = {};
  GetIncludeDir(folder);  // empty when unset: the files are then looked for where we are
  names.include = std::string(folder) + "ulvoinc.tsl";
  names.functions = std::string(folder) + "ulvofunc.tsl";
  names.script = ReplaceExtension(path, "tsl");
  names.extra.clear();
  names.output = ReplaceExtension(path, "run");
  return 0;
}

int MakeLibraryBuildFileNames(const std::string& path, bool stubs, BuildFileNames& names) {
  std::string folder = "\\vlx\\include";
  if (const char* env = std::getenv("KVULVO_INCLUDE"); env && *env) {
    folder = env;
    if (folder.back() == '\\') folder.pop_back();
  }
  names.include = folder + (stubs ? "\\sysincst.tsl" : "\\sysinc.tsl");
  names.functions = folder + (stubs ? "\\sysfunst.tsl" : "\\sysfuncs.tsl");
  names.script = ReplaceExtension(path, "tsl");
  names.extra.clear();
  names.output = ReplaceExtension(path, "rll");
  return 0;
}

}  // namespace zeph
