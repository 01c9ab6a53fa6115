// The fields editor's rules.
#include "editors/structures/structfields.h"

#include <cstdlib>

#include "model/datatypes.h"
#include "model/pbaccess_msgtext.h"
#include "model/program/program.h"
#include "model/structops.h"
#include "model/symnames.h"

namespace zeph {
namespace {

constexpr const char* kPlainTypes[] = {"boolean", "character", "smallinteger", "integer", "smallnumber",
                                       "*NUMBER", "*STRING", "datenumber", "datestring"};
// Record types that a structure may hold: {first, last} runs of built-in codes.
constexpr int kRecordRuns[][2] = {{7, 10},  {12, 18}, {21, 22}, {24, 24}, {26, 29}, {31, 32},
                                  {36, 40}, {42, 42}, {44, 52}, {54, 63}};
constexpr int kMemberNameLimit = 128;
constexpr int kSizeTextLimit = 7;
constexpr int kErrNoTypeSelected = -106;
constexpr int kErrSizeRange = -107;
constexpr int kErrNoFieldSelected = -115;

MemberCheck Refuse(const std::string& text) {
  MemberCheck out;
  out.Message = text;
  return out;
}

}  // namespace

std::vector<std::string> StructFieldTypeNames(bool backTypes) {
  std::vector<std::string> names(std::begin(kPlainTypes), std::end(kPlainTypes));
  for (const auto& run : kRecordRuns) {
    for (int code = run[0]; code <= run[1]; ++code) {
      const char* name = GetListedTypeName(code);
      if (name == nullptr || (name[0] == 'b' && !backTypes)) continue;
      names.push_back(name);
    }
  }
  return names;
}

MemberCheck CheckNewMember(const StructDef& def, const NewMemberInput& input, TProgram& program) {
  const std::string name = input.Name.substr(0, kMemberNameLimit);
  if (const int rc = CheckMemberName(name.c_str(), &def); rc != 0) return Refuse(PBMessageText(rc));
  if (input.TypeName.empty()) return Refuse(PBMessageText(kErrNoTypeSelected));
  const int type = GetTypeCodeByName(input.TypeName.c_str(), &program.Symbols());
  if (type < 0) return Refuse(PBMessageText(kErrNoTypeSelected));
  if (type == kTypeVoiceSentence) return Refuse("Voice sentence variables are not yet supported in structures");
  int size = 1;
  if (type == kTypeString) {
    const std::string text = input.SizeText.substr(0, kSizeTextLimit);
    char* end = nullptr;
    const long n = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || n < 2 || n > 1000) return Refuse(PBMessageText(kErrSizeRange));
    size = static_cast<int>(n);
  }
  if (input.Selected < 0 && def.FstMem != nullptr) return Refuse(PBMessageText(kErrNoFieldSelected));
  MemberCheck out;
  out.Ok = true;
  out.Type = type;
  out.Size = size;
  return out;
}

bool InsertNewMember(StructDef& def, const NewMemberInput& input, const MemberCheck& check, bool after,
                     TProgram& program, int* index) {
  StructMember* member =
      NewStructureMember(input.Name.substr(0, kMemberNameLimit).c_str(), check.Type, check.Size, &def);
  if (member == nullptr) return false;
  int at = 0;
  if (def.FstMem == nullptr) {
    InsertMemberAfter(0, &def.FstMem, member);
  } else if (after) {
    InsertMemberAt(input.Selected, &def.FstMem, member);   // after the selected one
    at = input.Selected + 1;
  } else {
    InsertMemberAfter(input.Selected, &def.FstMem, member);   // in the selected one's place
    at = input.Selected;
  }
  AddTypeToMask(def.Allowed1, def.Allowed2, check.Type, &program.Symbols());
  if (index != nullptr) *index = at;
  return true;
}

std::string MemberNameOfLine(const std::string& line) {
  if (line.size() <= 5) return std::string();
  const std::string rest = line.substr(5);
  return rest.substr(0, rest.find(' '));
}

bool DeleteMember(StructDef& def, int index, std::string& message) {
  StructMember* member = GetMemberAt(index, &def);
  if (member == nullptr) {
    message = PBMessageText(kErrNoFieldSelected);
    return false;
  }
  if (member->RefCnt != 0) {
    message = "Can not delete this structure member because its in use";
    return false;
  }
  const int type = member->Type;
  RemoveMemberAt(index, &def.FstMem);
  RemoveTypeFromMask(def.Allowed1, def.Allowed2, type, def.FstMem);
  message.clear();
  return true;
}

StructClose StructCloseAction(const StructDef& def, std::string& message) {
  message.clear();
  if (def.FstMem != nullptr) return StructClose::Close;
  if (def.RefCnt != 0) {
    message = "Can not exit from a structure with no members; also, the structure can not be deleted because it is "
              "being referenced";
    return StructClose::StayReferenced;
  }
  message = std::string("You can not have a structure which has no fields. Do you want to delete: ") + def.Name + " ?";
  return StructClose::AskDeleteEmpty;
}

}  // namespace zeph
