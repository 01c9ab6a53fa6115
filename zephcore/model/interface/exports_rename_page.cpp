// Renaming a page: the page, every name on it and every call of it, all or nothing.
#include <cstring>
#include <string>
#include <vector>

#include "model/datatypes.h"
#include "model/interface/exports_common.h"
#include "model/interface/vlx.h"
#include "model/modelcodes.h"
#include "model/program/notify.h"
#include "model/symtable.h"
#include "model/symtree.h"
#include "programfile/clipboard/clipboard.h"

using zeph::Symbol;
using zeph::TProgram;

namespace {

struct PendingRename {
  Symbol** Tree;
  Symbol* Node;
  std::string NewName;
};

bool IsPage(const Symbol* symbol) {
  return symbol != nullptr && (symbol->Type == zeph::kTypeSuperBlock || symbol->Type == zeph::kTypeVerificationBlock);
}

bool HasPrefix(const std::string& name, const std::string& prefix) { return name.compare(0, prefix.size(), prefix) == 0; }

// Every live symbol named "old$..." of the type trees and the structures' member trees,
// with its new name "new$...".
void CollectPageNames(zeph::SymbolTable& table, const std::string& oldName, const std::string& newName,
                      std::vector<PendingRename>& out) {
  const std::string prefix = oldName + "$";
  auto gather = [&](Symbol** tree) {
    zeph::SymTreeWalkPostOrder(*tree, [&](Symbol& s) {
      if (s.Deleted || !HasPrefix(s.Name, prefix)) return;
      out.push_back({tree, &s, newName + "$" + (std::strchr(s.Name, '$') + 1)});
    });
  };
  for (int code = 0; code < zeph::kBuiltinTypeCount; ++code) gather(table.TreeSlot(code));
  for (zeph::StructDef* def = table.Structures().First; def != nullptr; def = def->NextDef) gather(&def->Tree);
}

// The model code that refuses one of the renames, or 0.
int CheckRenames(const std::vector<PendingRename>& renames) {
  for (const PendingRename& r : renames) {
    if (r.NewName.empty()) return zeph::kErrBadName;
    if (r.NewName.size() >= static_cast<std::size_t>(zeph::kSymbolNameSize)) return zeph::kErrNameTooLong;
    Symbol* other = zeph::SymTreeFind(*r.Tree, r.NewName.c_str());
    if (other != nullptr && !other->Deleted && other != r.Node) return zeph::kErrNameInUse;
  }
  return 0;
}

// A page's name is one name among both kinds of page: a SuperBlock page and a Verification
// Block page of one name would share every "name$..." symbol, and the next load or removal
// of either would take the other's.
bool OtherKindHoldsName(zeph::SymbolTable& table, const Symbol* page, const std::string& newName) {
  const int otherType = page->Type == zeph::kTypeSuperBlock ? zeph::kTypeVerificationBlock : zeph::kTypeSuperBlock;
  const Symbol* other = zeph::SymTreeFind(*table.TreeSlot(otherType), newName.c_str());
  return other != nullptr && !other->Deleted;
}

}  // namespace

void vlxRenamePage(vlxHandleType handle, const char* newName, int kind, int clipboard) {
  auto* page = static_cast<Symbol*>(handle);
  TProgram* program = zeph::ExportProgram(clipboard);
  if (program == nullptr || newName == nullptr || !IsPage(page)) return;
  zeph::GuardExport(0, [&] {
    zeph::SymbolTable& table = program->Symbols();
    const std::string oldName = page->Name;
    std::vector<PendingRename> renames;
    renames.push_back({table.TreeSlot(page->Type), page, newName});
    CollectPageNames(table, oldName, newName, renames);
    int rc = CheckRenames(renames);
    if (rc == 0 && OtherKindHoldsName(table, page, newName)) rc = zeph::kErrNameInUse;
    if (rc != 0) {
      program->ShowCode(rc);
      return 0;
    }
    TProgram::DisableSymbolPageCheck allPages(*program);
    Symbol* previousPage = program->CurrentPage();
    for (const PendingRename& r : renames) zeph::RenameSymbolInTree(r.Tree, r.Node, r.NewName.c_str(), table);
    // The instances keep their own copies of their names and of the page they call.
    const std::string oldPrefix = oldName + "$";
    zeph::SymTreeWalkPostOrder(*table.TreeSlot(zeph::kTypeVavurOrezo), [&](Symbol& s) {
      zeph::PBInstance* instance = s.Deleted ? nullptr : zeph::InstanceOf(&s);
      if (instance == nullptr) return;
      if (HasPrefix(instance->Name, oldPrefix)) instance->Name = std::string(newName) + "$" + instance->Name.substr(oldPrefix.size());
      if (instance->Type == zeph::kPBTypeSuperBlock && instance->Companion == oldName) instance->Companion = newName;
    });
    program->SetCurrentPage(page);
    zeph::NotifyPageListChanged(*program, kind);
    program->SetCurrentPage(previousPage);
    // The clipboard's entries of the page follow it.
    if (clipboard != 0) zeph::TheClipboard().RenamePage(oldName, newName);
    return 0;
  });
}
