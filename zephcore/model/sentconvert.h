#pragma once
// One-time conversion of the voice sentences of application files older than version 2.0:
// obsolete component kinds are rewritten, and stored folder paths and folder variables are
// replaced by references to the prompt-database variables. What it did is written to a log
// file that the user is offered to open.

#include <array>
#include <cstdio>
#include <string>

#include "model/sysvars.h"
#include "model/vsentence.h"

namespace zeph {

class ProgramLauncher;

struct PromptDatabaseEntry {
  std::string Name;          // the folder variable's name
  std::string VariableText;  // a converted reference text (up to 139 characters)
  std::string FolderText;    // the folder text (up to 47 characters)
  Symbol* Variable = nullptr;
};

struct PromptDatabaseTable {
  std::array<PromptDatabaseEntry, kFolderVariableCount> Entries;
  int Count = kFolderVariableCount;
  int InUse = 1;             // entry 0, "_PR_SYSTEM", is always in use
  std::FILE* Log = nullptr;
  std::string LogPath;
  std::string LogFolder;     // where the log is created ("" = the current folder)
};

inline constexpr int kVariableTextMax = 139;

// Fills the table from the program's 11 folder variables.
void BuildPromptDatabaseTable(PromptDatabaseTable& table, SymbolTable* program = nullptr);
// Converts one sentence; 0 or -102.
int ConvertSentence(Symbol& sentence, PromptDatabaseTable& table, SymbolTable* program = nullptr);
// Converts every live voice sentence of the program, then, when a log was written, asks
// the user (message box) whether to open it in notepad, started through the launcher
// (null: the platform's). 0 or the first error code.
int ConvertOldSentences(PromptDatabaseTable& table, SymbolTable* program = nullptr,
                        ProgramLauncher* launcher = nullptr);
// Writes one line to the conversion log, opening it on first use.
void LogConversion(PromptDatabaseTable& table, const char* format, ...);

}  // namespace zeph
