#pragma once
// Setting up one member of a structured variable from the member chooser: the form that
// edits a record-type member, and the member's place in the variable's storage (made,
// zero-filled, on first need).

#include <string>

#include "model/symbol.h"

namespace zeph {

class TProgram;

// The set-up form of a record-type member.
struct MemberSetupForm {
  int Type;
  const char* FormClass;
  const char* Resource;
  const char* CaptionFormat;   // "%s": the member's display name
  const char* HelpName;        // null: none
};
// Null for a type that opens no form.
const MemberSetupForm* FindMemberSetupForm(int type);

inline constexpr const char* kCannotSetUpText = "You can not set up this structure or symbol type";

struct MemberPlace {
  bool Ok = false;
  std::string Message;       // why not
  int Offset = 0;            // of the member in the storage
  int Size = 0;              // of the member
  int Type = 0;
  std::string DisplayName;   // "Var.Member", "Var[2].Member" for the element at index 1
};
// The place of the member (by name) of the variable's structure; arrayIndex: the
// 0-based element chosen in the picker, -1 for none. Makes the variable's storage when it
// has none.
MemberPlace PrepareMemberSetup(Symbol& variable, const std::string& member, int arrayIndex, TProgram& program);

}  // namespace zeph
