#pragma once
// The phrase kinds of a voice sentence as the sentence dialogs show them, and the prompt
// databases a phrase plays from. Built-in kinds have the codes 0-35 (1 and 17-31 are
// placeholders named "." and never offered); a user-defined type with language table n is
// the kind 100 + n.

#include <cstdint>
#include <string>

namespace zeph {

inline constexpr int kBuiltInKindCount = 36;
inline constexpr int kUserKindBase = 100;
inline constexpr int kPromptDatabaseCount = 11;

// Built-in names by code, ended by an empty name after code 35.
const char* const* BuiltInKindNames();

// The kind of a Type-box text (cut at its first tab): built-in names first, then the user
// types in table order; -1 when none matches. Exact, case-sensitive comparison.
std::int16_t FindKind(const std::string& text);
// The name of a kind: built-in, the first user type of that language table, or the
// decimal text of code - 100 when none has it.
std::string KindName(int code);

// Kind groups: direct kinds carry the phrase itself (32, 33, 35); database kinds play a
// numbered prompt file (0, 34); every other kind speaks a variable as a number.
bool IsDirectKind(int kind);
bool IsDatabaseKind(int kind);
bool IsDateTimeKind(int kind);
inline bool IsNumberKind(int kind) { return !IsDirectKind(kind) && !IsDatabaseKind(kind); }

// Display names of the databases ("SYSTEM", "USER", "DATABASE1" .. "DATABASE9") and their
// folder variables, both ended by an empty name.
const char* const* PromptDatabaseNames();
const char* const* PromptDatabaseVariables();
// Display name of a folder variable name and back; "" when it is none of them.
std::string DatabaseDisplayName(const std::string& variable);
std::string DatabaseVariableName(const std::string& displayName);

}  // namespace zeph
