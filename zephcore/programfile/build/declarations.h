#pragma once
// The program's own declarations that a compile needs but the script does not hold:
// variables of scopes 0 to 2, voice sentences with their "_T_" records, header constants
// with their values, and one "pagedefs:" line per page (its interface in table order).
// The compiler asks for them at every compile through the provider registered at start-up.

#include <string>

namespace zeph {

class TProgram;

// The declarations of a program as script text.
std::string ProgramDeclarationText(TProgram& program);

// The compiler's provider: the current program's declarations (empty without one). The
// text stays valid until the next call.
const char* ProvideProgramDeclarations(void* context);

}  // namespace zeph
