#pragma once
// Shared set-up of the model tests: a fresh program table made current, and helpers that
// file variables and structures the way the model does.

#include <memory>
#include <string>
#include <vector>

#include "model/symtable.h"
#include "model/symtree.h"
#include "model/vsentence.h"

namespace zeph::test {

// A symbol table that is the current one for the life of the object.
class CurrentTable {
 public:
  CurrentTable() : previous_(CurrentSymbolTable()) { SetCurrentSymbolTable(&table); }
  ~CurrentTable() { SetCurrentSymbolTable(previous_); }
  SymbolTable table;

 private:
  SymbolTable* previous_;
};

inline Symbol* AddVariable(SymbolTable& t, const char* name, int type, int arraySize = 0, int size = 1) {
  SymbolBody body;
  InitSymbol(body, name, size, type, 1, 0, 0, arraySize, 0);
  return InsertSymbol(body, type, true, &t);
}

inline StructDef* AddStructure(SymbolTable& t, const char* name,
                               std::initializer_list<std::pair<const char*, int>> members) {
  StructDef* def = NewStructureDef(name, 0, 0, &t);
  for (const auto& [memberName, type] : members) {
    StructMember* m = NewStructureMember(memberName, type, type == 6 ? 16 : 1, def);
    int count = 0;
    for (StructMember* p = def->FstMem; p; p = p->Next) ++count;
    InsertMemberAfter(count, &def->FstMem, m);
  }
  return def;
}

// "name:balance" of every node in post-order (balance 0 left higher, 1 even, 2 right higher).
inline std::string PostOrder(Symbol* root) {
  std::string out;
  SymTreeWalkPostOrder(root, [&](const Symbol& s) {
    if (!out.empty()) out += ' ';
    out += s.Name;
    out += ':';
    out += std::to_string(static_cast<int>(s.Bal));
  });
  return out;
}

inline std::vector<std::string> InOrder(Symbol* node) {
  std::vector<std::string> out;
  auto walk = [&](auto&& self, Symbol* n) -> void {
    if (!n) return;
    self(self, n->Left);
    out.emplace_back(n->Name);
    self(self, n->Right);
  };
  walk(walk, node);
  return out;
}

// Files a voice sentence of the components, in their order.
inline Symbol* AddSentence(SymbolTable& t, const char* name, const std::vector<SentenceComponent*>& components) {
  SentenceComponent* head = nullptr;
  int n = 0;
  for (SentenceComponent* c : components) InsertComponentAt(n++, &head, c);
  SymbolBody body;
  InitSymbol(body, name, 1, kTypeVoiceSentence, 1, 0, 0, 0, 0);
  body.Data = std::make_unique<SentenceData>(head);
  return InsertSymbol(body, kTypeVoiceSentence, false, &t);
}

}  // namespace zeph::test
