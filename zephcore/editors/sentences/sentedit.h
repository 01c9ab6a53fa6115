#pragma once
// The working copy that the voice sentence editor builds phrase by phrase: list lines,
// insert and replace with the prompt checks, delete, generated and file comments, the next
// free prompt number, and the Done and Cancel rules. The sentence in the program changes
// only when Done hands the working list over; a refused Done keeps the sentence whole.

#include <string>
#include <vector>

#include "model/symbol.h"
#include "model/vsentence.h"

namespace zeph {

class TProgram;

inline constexpr const char* kEndLine = " ";
inline constexpr const char* kDescriptionFailed = "Failed to create description file.";

// What the editor's fields show for a selected phrase.
struct PhraseView {
  int Kind = 0;
  std::string KindName;
  std::string Database;   // display name, or the phrase of a direct kind
  std::string Prompt;
  std::string Comment;
};

class SentenceEditor {
 public:
  // The working list is a deep copy of the sentence's phrases (empty when there is none).
  // The program's default database slots become USER (database kinds) and SYSTEM (number
  // kinds) while the first still holds a folder text.
  SentenceEditor(TProgram& program, const std::string& sentenceName);
  ~SentenceEditor();
  SentenceEditor(const SentenceEditor&) = delete;
  SentenceEditor& operator=(const SentenceEditor&) = delete;

  // One line per phrase and the end line " ".
  std::vector<std::string> Lines();
  int PhraseCount() const;
  PhraseView View(int index);

  // Insert (before line `position`) or Replace (the phrase at `position`; the end line
  // inserts at the end). "" when done, else the refusal's text (nothing changed). The
  // description file is written for a constant prompt of a database kind with a comment;
  // when that fails the phrase stays and `warning` says so.
  std::string InsertPhrase(int position, bool replace, int kind, const std::string& database,
                           const std::string& prompt, const std::string& comment, std::string* warning = nullptr);
  void DeletePhrase(int position);

  // The comment of the phrase fields: the first 501 bytes of its description file, else
  // a generated one. "" in `refusal` when it could be made.
  std::string CommentFor(int kind, const std::string& database, const std::string& prompt, std::string& refusal);
  // The first number above the database's remembered number (below 30000) without a file
  // in its folder; "" when none.
  std::string NextNumber(const std::string& database);
  // The folder of a database display name (its variable's value).
  std::string DatabaseFolder(const std::string& database);

  // Done: hands the working list over when the sentence keeps phrases; an empty one is
  // refused while referenced (-133) and otherwise deleted only after the -128 question.
  // True when the dialog closes; resultFlag 1 when the sentence has phrases.
  bool Done(int& resultFlag);
  // Cancel: frees the working list; the flag says whether the sentence has phrases.
  int Cancel();

  Symbol* Sentence();

 private:
  std::string CheckPrompt(int kind, const std::string& prompt, bool& constant, std::string& text, SymP& ref);

  TProgram& program_;
  std::string name_;
  SentenceComponent* working_ = nullptr;
};

}  // namespace zeph
