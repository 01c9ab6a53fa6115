#pragma once
// The fields editor of one structure: the member types it offers, the checks on a new
// member, adding before or after the selected member, deleting a member, and what closing
// does with an empty structure.

#include <string>
#include <vector>

#include "model/structdef.h"

namespace zeph {

class TProgram;

// The type names of the type list (unsorted; the list sorts them): the plain types, then
// the record types that structures may hold. Names beginning with "b" only when the
// program-wide back-types flag is on.
std::vector<std::string> StructFieldTypeNames(bool backTypes);

// A new member gathered from the dialog. selected: the selected member's index (0 the
// first), -1 when none.
struct NewMemberInput {
  std::string Name;
  std::string TypeName;   // empty: no type selected
  std::string SizeText;
  int Selected = -1;
};
struct MemberCheck {
  bool Ok = false;
  std::string Message;    // the refusal's text
  int Type = 0;
  int Size = 1;
};
MemberCheck CheckNewMember(const StructDef& def, const NewMemberInput& input, TProgram& program);

// Inserts the checked member after (or before) the selected one, or as the first of an
// empty structure, and adds its type to the structure's type mask; false when memory ran
// out. index gets the new member's position.
bool InsertNewMember(StructDef& def, const NewMemberInput& input, const MemberCheck& check, bool after,
                     TProgram& program, int* index = nullptr);

// The member name of a list line "%03d: %s %s %d": its text after the first five
// characters, up to the first blank.
std::string MemberNameOfLine(const std::string& line);

// Deletes the member at the index: refused ("Can not delete this structure member
// because its in use") while something refers to it; its type leaves the mask unless
// another member has it.
bool DeleteMember(StructDef& def, int index, std::string& message);

// What Done does.
enum class StructClose {
  Close,              // the structure has members
  StayReferenced,     // empty and referenced: the dialog stays, with the message
  AskDeleteEmpty,     // empty: ask whether to delete it (the message is the question)
};
StructClose StructCloseAction(const StructDef& def, std::string& message);

}  // namespace zeph
