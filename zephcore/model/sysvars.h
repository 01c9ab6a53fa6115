#pragma once
// The predefined variables of every program (error status, last key, current message and
// mailbox, default parameter records, media folders). SetupSystemVariables creates those
// that are missing; it runs for a new program and after a program file was read, so that
// older files gain the variables added since.

#include <string>

namespace zeph {

class SymbolTable;

inline constexpr int kSystemVariableCount = 48;
inline constexpr int kFolderVariableCount = 11;
inline constexpr int kFolderTextSize = 48;   // 47 characters and a zero

// Names of the folder variables in prompt-database order: "_PR_SYSTEM", "_PR_USER",
// "_PR_DATABASE1" ... "_PR_DATABASE9".
const char* FolderVariableName(int index);
// True for the name of one of the system variables (compared as symbol names are).
bool IsSystemVariableName(const char* name);

// The i-th system variable (0-47): its name, type code and size (the length of a text);
// false outside.
bool SystemVariableAt(int index, const char** name, int* type, int* size);

// Root of the media folders: the environment variable "VLX", or "\VLX" when unset.
std::string SystemFolderRoot();

// Creates the missing system variables in the given program (null: the current one).
// 0, or -102 when memory ran out (the variables made before stay).
int SetupSystemVariables(SymbolTable* program);

}  // namespace zeph
