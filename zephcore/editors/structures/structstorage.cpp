// Storage of structured variables after a structure edit.
#include "editors/structures/structstorage.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "editors/variables/scopes.h"
#include "model/datatypes.h"
#include "model/interface/variable_place.h"
#include "model/program/program.h"
#include "model/structops.h"
#include "model/superblk.h"
#include "model/symtable.h"

namespace zeph {
namespace {

// Structures may name each other; a chain deeper than this is a cycle.
constexpr int kMaxNesting = 16;

bool Holds(const StructDef* outer, int type, SymbolTable* program, int depth) {
  if (outer == nullptr || depth > kMaxNesting) return false;
  for (const StructMember* m = outer->FstMem; m != nullptr; m = m->Next) {
    if (m->Type == type) return true;
    if (m->Type >= kFirstStructureId && Holds(FindStructureById(m->Type, program), type, program, depth + 1)) {
      return true;
    }
  }
  return false;
}

void Rebuild(Symbol* node, int size, TProgram& program) {
  if (node == nullptr) return;
  Rebuild(node->Left, size, program);
  Rebuild(node->Right, size, program);
  if (node->Deleted) return;
  if (VariableStorage(*node) != nullptr) {
    const int elements = node->ArraySize > 0 ? node->ArraySize : 1;
    node->Data = std::make_unique<ValueBlockData>(static_cast<std::size_t>(size) * static_cast<std::size_t>(elements));
  }
  if (node->Scope == kScopeParameter) {
    std::string page;
    if (GetPagePrefix(node, page) != nullptr) {
      Symbol* pageSymbol = LookupSymbol(page.c_str(), kTypeSuperBlock, &program.Symbols());
      const char* dollar = std::strrchr(node->Name, '$');
      SBInterfaceTable entries(pageSymbol, &program.Symbols());
      entries.SetEntryValue(dollar != nullptr ? dollar + 1 : node->Name, static_cast<std::int16_t>(size));
    }
  }
}

}  // namespace

std::vector<StructDef*> StructuresHolding(StructDef& def, TProgram& program) {
  std::vector<StructDef*> out{&def};
  SymbolTable* table = &program.Symbols();
  for (StructDef* s = table->Structures().First; s != nullptr; s = s->NextDef) {
    if (s != &def && Holds(s, def.TypeNum, table, 0)) out.push_back(s);
  }
  return out;
}

void RebuildStructureStorage(StructDef& def, TProgram& program) {
  TProgram::DisableSymbolPageCheck allPages(program);
  for (StructDef* s : StructuresHolding(def, program)) {
    Rebuild(s->Tree, GetStructureSize(s, &program.Symbols()), program);
  }
}

}  // namespace zeph
