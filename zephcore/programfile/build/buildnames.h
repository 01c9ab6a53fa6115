#pragma once
// The file names of a build: system include, script, system functions, an empty fourth
// path (the order the compiler takes them in) and the output.

#include <string>

namespace zeph {

struct BuildFileNames {
  std::string include;
  std::string script;
  std::string functions;
  std::string extra;   // always empty
  std::string output;
};

// Program build: "<IncludeDir>ulvoinc.tsl", "<IncludeDir>ulvofunc.tsl", the path with its
// extension replaced by "tsl" and by "run". 0.
int MakeBuildFileNames(const std::string& path, BuildFileNames& names);
// Library build: the folder of KVULVO_INCLUDE (no trailing backslash) or "\vlx\include",
// "sysinc.tsl"/"sysfuncs.tsl" or with stubs "sysincst.tsl"/"sysfunst.tsl"; output ".rll". 0.
int MakeLibraryBuildFileNames(const std::string& path, bool stubs, BuildFileNames& names);

// The path with the extension after its last "." (in its last path part) replaced; a path
// without an extension gets one.
std::string ReplaceExtension(const std::string& path, const char* extension);

}  // namespace zeph
