// The structure list's rules.
#include "editors/structures/structlist.h"

#include "model/pbaccess_msgtext.h"
#include "model/program/program.h"
#include "model/structops.h"
#include "model/symnames.h"
#include "model/symtable.h"

namespace zeph {

std::vector<std::string> UserStructureNames(TProgram& program) {
  std::vector<std::string> names;
  for (const StructDef* d = program.Symbols().Structures().First; d != nullptr; d = d->NextDef) {
    if (d->CantDelete == 0) names.push_back(d->Name);
  }
  return names;
}

std::string CheckStructureNameEntry(const std::string& name, TProgram& program) {
  const int rc = CheckStructureName(name.substr(0, kStructNameEntryLimit).c_str(), &program.Symbols());
  return rc == 0 ? std::string() : PBMessageText(rc);
}

StructDef* AddEmptyStructure(const std::string& name, TProgram& program) {
  return NewStructureDef(name.substr(0, kStructNameEntryLimit).c_str(), 0, 0, &program.Symbols());
}

std::string CheckStructureDelete(const std::string& name, TProgram& program, std::string& question) {
  question.clear();
  const StructDef* def = FindStructureByName(name.c_str(), &program.Symbols());
  if (def == nullptr) return kMustSelectStructureText;
  if (def->RefCnt != 0) return "This structure definition can not be deleted or edited because there are variables of this type";
  question = "Delete " + name + " ?";
  return std::string();
}

bool DeleteStructure(const std::string& name, TProgram& program) {
  return DeleteStructureDef(name.c_str(), &program.Symbols()) == 0;
}

bool RenameStructureTo(const std::string& oldName, const std::string& newName, TProgram& program,
                       std::string& message) {
  message = CheckStructureNameEntry(newName, program);
  if (!message.empty()) return false;
  return RenameStructure(oldName.c_str(), newName.substr(0, kStructNameEntryLimit).c_str(), &program.Symbols()) == 0;
}

}  // namespace zeph
