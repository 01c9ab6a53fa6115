#pragma once
// The six system include files of a build, written from the catalogue and the runtime
// table: "ulvoinc" and "ulvofunc" for program builds, "sysinc" and "sysfuncs" for library
// builds, "sysincst" and "sysfunst" for library builds with stubs (the functions file then
// gives every function a body that answers 0).

#include <string>
#include <vector>

namespace zeph {

class SymbolTable;

struct IncludeFile {
  std::string name;  // file name, e.g. "ulvoinc.tsl"
  std::string text;
};

// The six files in the order above.
std::vector<IncludeFile> MakeIncludeFiles();

// The arity that the include files give a function (its prototype), -1 when undeclared.
int IncludeFunctionArity(const std::string& name);

// The script's type word of a type code: built-in words, "string(N)" with the given
// length, "structure NAME" for the predefined structures and, with a program, its own.
std::string ScriptTypeWord(int code, int stringLength, const SymbolTable* program = nullptr);

// Writes the six files into a folder (a trailing separator is added when missing).
// 0, or -10 when a file could not be written.
int WriteIncludeFiles(const std::string& folder);

}  // namespace zeph
