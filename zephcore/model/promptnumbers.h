#pragma once
// The highest prompt number known to be used in each of the eleven prompt databases
// ("_PR_SYSTEM", "_PR_USER", "_PR_DATABASE1" ... "_PR_DATABASE9"). The sentence editor
// searches upward from them for the next free prompt number. One table for the whole
// library, shared by all open programs: reset when a program is made, raised when a
// program file is read and when the editor inserts a prompt, never lowered otherwise.

#include <cstdint>

namespace zeph {

class SymbolTable;

inline constexpr std::uint32_t kPromptNumberStart = 999;

// Sets every remembered number to 999.
void VS2ResetKindNumbers();
// Raises the remembered numbers from the recordings and text-to-speech files of the
// program's voice sentences (null: the current program) whose prompt is a text: the number
// it begins with counts for the database its folder variable names.
void VS2ScanKindNumbers(SymbolTable* program = nullptr);

// The remembered number of database index 0-10 (0 outside).
std::uint32_t RememberedPromptNumber(int database);
// Stores the number when it is above the remembered one (nothing outside 0-10).
void RaiseRememberedPromptNumber(int database, std::uint32_t number);

// The decimal number a prompt text begins with (0 when it begins with no digit; a number
// too large for 32 bits gives the largest one).
std::uint32_t LeadingPromptNumber(const char* text);
// The prompt database index (0-10) of a folder variable name, compared exactly; -1 when
// the name is none of them.
int PromptDatabaseIndex(const char* variableName);

}  // namespace zeph
