// Member set-up places and forms.
#include "editors/structures/memberplace.h"

#include "model/datatypes.h"
#include "model/interface/variable_place.h"
#include "model/program/program.h"
#include "model/structops.h"

namespace zeph {
namespace {

constexpr MemberSetupForm kForms[] = {
    {12, "TMenuParmForm", "DIALOG_MENUPARMS_NA2", "Setup MenuParms / %s", "MenuParms"},
    {13, "TMsgParm", "DIALOG_MSGPARM", "Setup MessageParms / %s", "MessageParms"},
    {14, "TEntParmForm", "DIALOG_ENTRYPARMS", "Setup EntryParms / %s", "EntryParms"},
    {15, "TRecParmForm", "DIALOG_RECPARMS", "Setup RecordParms / %s", "RecordParms"},
    {16, "TMulParmForm", "DIALOG_MULS", "Setup MultiMailParms / %s", "MultiMailParms"},
    {36, "TFileParmForm", "DIALOG_FILEPARMS", "Setup FileParms / %s", "FileParms"},
    {37, "TFileParmForm", "DIALOG_FILEPARMS", "Setup MailParms / %s", "MailParms"},
    // A voice-sentence member (46) holds no bytes of its own: it opens nothing.
    {47, "TVCRForm", "DIALOG_VCRPARM", "Setup RecordEdit Parameters / %s", "RecordEditParms"},
    {51, "TVRecParmForm", "DIALOG_VRECPARMS", "Setup VRec Parms / %s", "VREntryParms"},
    {54, "TToneParmForm", "DIALOG_GETTONEPARMS_NA2", "Setup ToneParms / %s", nullptr},
};

}  // namespace

const MemberSetupForm* FindMemberSetupForm(int type) {
  for (const MemberSetupForm& f : kForms) {
    if (f.Type == type) return &f;
  }
  return nullptr;
}

MemberPlace PrepareMemberSetup(Symbol& variable, const std::string& member, int arrayIndex, TProgram& program) {
  MemberPlace place;
  SymbolTable* table = &program.Symbols();
  const StructDef* def = FindStructureById(variable.Type, table);
  StructMember* found = nullptr;
  const int offset = def != nullptr ? GetMemberOffset(def, member.c_str(), &found, table) : -1;
  if (offset < 0 || found == nullptr) {
    place.Message = kCannotSetUpText;
    return place;
  }
  const int structSize = GetStructureSize(def, table);
  const int elements = variable.ArraySize > 1 ? variable.ArraySize : 1;
  if (arrayIndex >= elements) {
    place.Message = kCannotSetUpText;
    return place;
  }
  place.Type = found->Type;
  place.Size = GetMemberSize(found);
  place.Offset = offset + (arrayIndex >= 0 ? structSize * arrayIndex : 0);
  place.DisplayName = std::string(variable.Name) +
                      (arrayIndex >= 0 ? "[" + std::to_string(arrayIndex + 1) + "]" : std::string()) + "." + member;
  MakeVariableStorage(variable, structSize * elements);
  place.Ok = true;
  return place;
}

}  // namespace zeph
