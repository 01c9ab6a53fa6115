#pragma once
// VavurOrezo libraries of a program: each is a library symbol (type 65) under its upper-case
// file name with a library page (type 41, page kind 2) of the same name; the library's
// SuperBlock pages carry its name less the last three characters as prefix
// ("MYLIB.RLL" brings "MYLIB.Name").

#include <ostream>
#include <string>
#include <vector>

namespace zeph {

class TProgram;

inline constexpr int kTypeLibrary = 65;
inline constexpr int kTypeHeader = 66;
inline constexpr int kLibraryPageKind = 2;

// Registers one library: the stored (upper-case) name. A failure to file the symbol or the
// page is reported through the fault handler and the work goes on.
std::string ImportLibrary(TProgram& program, const char* name);
// Registers every library the program lists; 1.
int ImportAllLibraries(TProgram& program);
// Removes the library symbol and, when that succeeded, marks deleted its library page and
// its SuperBlock pages (names beginning with the name less its last three characters). 0.
int RemoveLibrary(TProgram& program, const char* name);
// 1 when a page of that name (letter case aside) is in use.
int LibraryInUse(TProgram& program, const char* name);
// The names of the live symbols of a type code (65 libraries, 66 headers), post-order.
void ImportedNames(TProgram& program, int code, std::vector<std::string>& names);

}  // namespace zeph
