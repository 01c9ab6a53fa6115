#pragma once
// What the clipboard's dialogs show and decide, apart from their windows: the lines of
// the name-conflicts list and of the contents list, which buttons a conflict allows, and
// the three decisions (use the existing symbol, don't copy, rename). The decisions are
// kept in the clipboard's own entries, for the paste that follows.

#include <string>
#include <vector>

#include "programfile/clipboard/clipboard.h"

namespace zeph {

inline constexpr int kClipLineMax = 255;
inline constexpr int kRenameNameMax = 31;   // a symbol's name, page part included

class ConflictResolver {
 public:
  // singleName: the one name given (the caller's buffer) instead of every conflict.
  ConflictResolver(TVlxClipboard& clipboard, TProgram& target, bool singleName, const char* name);

  int Count() const { return static_cast<int>(list_.size()); }
  int Unresolved() const { return unresolved_; }
  // The line of conflict i: the clipboard's symbol, what it clashes with, the decision.
  std::string Line(int i);
  bool CanUseExisting(int i);
  bool CanDontCopy(int i);
  // The edit's text for conflict i; empty when a decision other than a new name was made.
  std::string EditText(int i);

  void UseExisting(int i);
  void DontCopy(int i);
  // False when the name is refused (invalid, in use, or too long with its page); then
  // nothing changes.
  bool Rename(int i, const std::string& text);
  // "Done" may close.
  bool CanFinish() const { return unresolved_ <= 0; }
  const std::string& ChosenName() const { return chosen_; }

 private:
  TClipInfo& EntryOf(int i);
  std::string Described(TProgram& program, const std::string& name);
  void Decided(TClipInfo& entry, bool wasUnresolved);

  TVlxClipboard& clipboard_;
  TProgram& target_;
  bool single_;
  std::vector<TClipInfo> list_;
  int unresolved_ = 0;
  std::string chosen_;
};

// The lines of the contents list, in the clipboard's walk order: name and type, whether
// it is dependent, its use count.
std::vector<std::string> ClipContentsLines(TVlxClipboard& clipboard);

// "name(type)": the built-in type's name, the structure's name, "User Defined" for a
// structure that is gone; "name(Structure Defn)" for a definition; empty for neither.
std::string DescribeClipName(TProgram& program, const std::string& name, TypeMask mask = AllTypesMask());

}  // namespace zeph
