#include "model/pendinggotos.h"

#include <utility>

#include "model/symtable.h"
#include "model/symtree.h"

namespace zeph {

void PendingGotoIndex::Index(Symbol& vavurOrezo, SymbolTable& table) {
  if (vavurOrezo.Deleted) return;
  table.Hooks().ForEachGotoSlot(table, vavurOrezo, [&](SymP& slot) {
    if (slot.S != nullptr || !slot.HasConst()) return;
    std::vector<Holder>& holders = waiting_[slot.ConstText()];
    if (holders.empty() || holders.back().symbol != &vavurOrezo) holders.push_back({&vavurOrezo, vavurOrezo.Name});
  });
}

void PendingGotoIndex::Build(SymbolTable& table) {
  waiting_.clear();
  SymTreeWalkPostOrder(*table.TreeSlot(kTypeVavurOrezo), [&](Symbol& pb) { Index(pb, table); });
  built_ = true;
  ++builds_;
}

void PendingGotoIndex::Relink(SymbolTable& table, const char* name) {
  if (name == nullptr) return;
  if (!built_ || stamp_ != ReferenceConstantStamp()) Build(table);
  auto found = waiting_.find(name);
  if (found == waiting_.end()) {
    stamp_ = ReferenceConstantStamp();
    return;
  }
  // A holder that is no longer the live symbol of its name (freed or replaced while its
  // instance lived on elsewhere) is never touched: the index is made again from the tree.
  Symbol* tree = *table.TreeSlot(kTypeVavurOrezo);
  for (const Holder& holder : found->second) {
    if (SymTreeFind(tree, holder.name.c_str()) != holder.symbol) {
      Build(table);
      found = waiting_.find(name);
      break;
    }
  }
  if (found == waiting_.end()) {
    stamp_ = ReferenceConstantStamp();
    return;
  }
  std::vector<Holder> holders = std::move(found->second);
  waiting_.erase(found);
  std::vector<Symbol*> changed;
  for (const Holder& holder : holders) {
    if (RelinkGotosOf(*holder.symbol, name, table)) changed.push_back(holder.symbol);
    // A goto the name still does not reach keeps waiting.
    Index(*holder.symbol, table);
  }
  stamp_ = ReferenceConstantStamp();
  // Whatever the notices change afterwards moves the stamp and rebuilds the index.
  for (Symbol* holder : changed) table.Hooks().NotifyVavurOrezoChanged(table, *holder);
}

void PendingGotoIndex::Adopt(Symbol& vavurOrezo, SymbolTable& table, std::uint64_t before) {
  if (!built_ || before != stamp_) return;
  Index(vavurOrezo, table);
  stamp_ = ReferenceConstantStamp();
}

}  // namespace zeph
