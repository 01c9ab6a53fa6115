#pragma once
// The structure list: the program's own structure definitions, and adding, deleting and
// renaming them with the list's refusals.

#include <string>
#include <vector>

#include "model/structdef.h"

namespace zeph {

class TProgram;

inline constexpr const char* kMustSelectStructureText =
    "You must select a structure definition before performing this operation";
inline constexpr int kStructNameEntryLimit = 30;

// The names of the user-defined structures (predefined ones are left out), in list order.
std::vector<std::string> UserStructureNames(TProgram& program);

// The name entry's check: "" when the name may be used, else the refusal's text.
std::string CheckStructureNameEntry(const std::string& name, TProgram& program);

// Adds an empty definition of the checked name; null when memory ran out.
StructDef* AddEmptyStructure(const std::string& name, TProgram& program);

// Delete: "" with the question to ask ("Delete %s ?") in question when the structure may
// be deleted, else the refusal's text.
std::string CheckStructureDelete(const std::string& name, TProgram& program, std::string& question);
bool DeleteStructure(const std::string& name, TProgram& program);

// Rename to a checked name: false when there is no such structure or the name is refused
// (message then says why).
bool RenameStructureTo(const std::string& oldName, const std::string& newName, TProgram& program,
                       std::string& message);

}  // namespace zeph
