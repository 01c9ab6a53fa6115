#pragma once
// Gotos that name a VavurOrezo not made yet, indexed by that name, so a new VavurOrezo
// relinks only the gotos that wait for it instead of visiting every VavurOrezo.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/varref.h"

namespace zeph {

struct Symbol;
class SymbolTable;

class PendingGotoIndex {
 public:
  // Links every goto that waits for `name` (the new VavurOrezo's stored name).
  void Relink(SymbolTable& table, const char* name);
  // True while the index is exact: Adopt has work only then.
  bool Follows(std::uint64_t before) const { return built_ && before == stamp_; }
  // The stamp to hand to Adopt before changing one VavurOrezo's gotos.
  std::uint64_t StampBeforeChange() const { return ReferenceConstantStamp(); }
  // Takes in `vavurOrezo`'s waiting gotos after only they changed, since `before`. When
  // something else changed a reference constant as well, the index is rebuilt at the
  // next Relink instead.
  void Adopt(Symbol& vavurOrezo, SymbolTable& table, std::uint64_t before);
  // How often the index was built from all VavurOrezos.
  int Builds() const { return builds_; }

 private:
  void Build(SymbolTable& table);
  void Index(Symbol& vavurOrezo, SymbolTable& table);

  struct Holder {
    Symbol* symbol;
    std::string name;   // checked against the tree before the symbol is used
  };
  std::unordered_map<std::string, std::vector<Holder>> waiting_;
  std::uint64_t stamp_ = 0;
  bool built_ = false;
  int builds_ = 0;
};

}  // namespace zeph
