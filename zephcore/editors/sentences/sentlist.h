#pragma once
// The voice sentence list: its lines, the comments of a sentence, and the commands behind
// its buttons (add, delete, rename, search) and the name entry's checks. Every refusal is
// shown in a message box (stop icon, empty caption) and changes nothing.

#include <functional>
#include <string>
#include <vector>

#include "model/symbol.h"

namespace zeph {

class TProgram;

inline constexpr const char* kParameterMark = "[Parameter]";
inline constexpr const char* kCommentTooLarge = "Comment is Too Large to Display";
inline constexpr int kInterfaceVariableLimit = 24;

// The program's live, visible sentences (left, right, then the node): on the main page
// those without "$", elsewhere also the current page's own "page$name"; a parameter shows
// as "name\t[Parameter]".
std::vector<std::string> SentenceListLines(TProgram& program);
// The name of a line: up to its first tab, or its first blank-delimited word.
std::string LineNameToTab(const std::string& line);
std::string LineFirstWord(const std::string& line);
// The line whose first word is the name; -1 when none.
int FindSentenceLine(const std::vector<std::string>& lines, const std::string& name);
// The comments of the sentence's phrases, each ended by "\r\n"; "" when none has one.
std::string SentenceComments(Symbol& sentence);
// The live sentence of a full name (null when none).
Symbol* FindSentence(TProgram& program, const std::string& name);

// The name entry's Done: the full name of the entered name in the scope ("page$name" for
// local and parameter scopes), checked as a new symbol name; a parameter also takes or
// renames its entry in the current page's interface (refused from 24 variable entries
// on). "" when accepted, else the refusal's text.
std::string AcceptSentenceName(TProgram& program, const std::string& entered, int scope, bool renaming,
                               const std::string& oldName, std::string& fullName);

// Files a new, empty sentence of the full name and scope; null (with "Out of memory"
// shown) when it could not be made.
Symbol* AddSentence(TProgram& program, const std::string& fullName, int scope);
// Removes a sentence that the editor left empty.
void RemoveEmptySentence(TProgram& program, const std::string& fullName);

// Delete: refused while the sentence is used or may not be deleted; asks "Delete %s ?".
bool DeleteSentence(TProgram& program, const std::string& name);
// Rename to the full name that the name entry accepted. A parameter's interface entry was
// renamed by the name entry: when the symbol refuses the new name, the entry gets its old
// name back, so that both keep agreeing.
bool RenameSentence(TProgram& program, const std::string& oldFullName, const std::string& newFullName);

// The names of the sentences whose phrases hold the text.
std::vector<std::string> SearchSentences(TProgram& program, const std::string& text);

void ShowSentenceMessage(const std::string& text);
void ShowSentenceCode(int code);

}  // namespace zeph
