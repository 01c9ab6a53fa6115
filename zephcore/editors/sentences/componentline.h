#pragma once
// The list line of one phrase of a voice sentence: kind, database, prompt, and the size,
// date and time of its prompt file when the prompt names one.

#include <optional>
#include <string>

namespace zeph {

struct Symbol;
struct SentenceComponent;
class SymbolTable;

// The text value of a string variable (null symbol or no value block: none).
std::optional<std::string> VariableText(const Symbol* variable);
// The folder a database or number phrase plays from: the text value of its database
// variable ("" when it has none).
std::string ComponentFolder(SentenceComponent& component, SymbolTable* program = nullptr);
// The display name of the phrase's database ("" for direct kinds and unknown variables).
std::string ComponentDatabase(SentenceComponent& component, SymbolTable* program = nullptr);
// The prompt as the list shows it: a reference as its text, a text in double quotes; for
// direct kinds the phrase (a referenced variable's text value in quotes when it has one).
std::string ComponentPrompt(SentenceComponent& component, SymbolTable* program = nullptr);

// "%s\t%s\t%s\t%s   %s %s": kind, database, prompt, size, date, time.
std::string FormatComponentLine(SentenceComponent& component, SymbolTable* program = nullptr);

}  // namespace zeph
