#pragma once
// The folders of the eleven prompt databases as the prompt database dialog edits them: one
// buffer of the library, eleven slots of at most 47 characters in database order, which
// keeps its contents between openings of the dialog.

#include <array>
#include <string>

namespace zeph {

class SymbolTable;

inline constexpr int kPromptPathChars = 47;
using PromptPaths = std::array<std::string, 11>;

// The library's buffer; "\VLX\VOICE\", "\VLX\UVOICE\" and "\VLX\PRMT\" (nine times) until
// changed.
PromptPaths& PromptPathBuffer();
void InitPromptPathDefaults();

// Set-up: the value of each database variable that exists replaces its slot.
void LoadPromptPaths(PromptPaths& paths, SymbolTable& program);
// Done's treatment of one edit: a folder gets a closing "\" (an empty one stays empty).
// False when the folder has 47 characters and no "\": there is no room for one.
bool CloseFolderText(std::string& text);
// Done: each slot goes into its database variable when that exists.
void StorePromptPaths(const PromptPaths& paths, SymbolTable& program);

}  // namespace zeph
