// Name checks of symbols, structures and members, and the reserved words.

#include "model/symnames.h"

#include <cctype>
#include <cstring>
#include <string>

#include "model/name_compare.h"
#include "model/symtable.h"

namespace zeph {
namespace {

const char* const* g_reservedWords = nullptr;
std::size_t g_reservedCount = 0;

const char* const kReservedExitNames[] = {"HUNGUP", "ERROR", "TONE", "STOPPED", "SILENCE", "Continue"};

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Letters, digits and "_" after a leading letter or "_"; `extra` and `dollar` widen the set.
bool HasIdentifierForm(const char* name, char extra, bool dollar) {
  if (!IsLetter(name[0]) && name[0] != '_') return false;
  for (const char* p = name + 1; *p; ++p) {
    char c = *p;
    if (IsLetter(c) || IsDigit(c) || c == '_') continue;
    if (extra != 0 && c == extra) continue;
    if (dollar && c == '$') continue;
    return false;
  }
  return true;
}

bool IsEmptyOrUnderscore(const char* name) {
  return name == nullptr || name[0] == 0 || std::strcmp(name, "_") == 0;
}

bool IsAnySymbolName(const char* name, SymbolTable* table) {
  return LookupSymbolByMask(name, AllTypesMask(), table) != nullptr;
}

}  // namespace

void SetReservedWordTable(const char* const* sortedWords, std::size_t count) {
  g_reservedWords = sortedWords;
  g_reservedCount = sortedWords ? count : 0;
}

bool IsReservedWord(const char* name) {
  if (name == nullptr) return false;
  if (name[0] == '_' && name[1] == '_') return true;
  std::size_t lo = 0, hi = g_reservedCount;
  while (lo < hi) {
    std::size_t mid = lo + (hi - lo) / 2;
    int cmp = CompareNames(g_reservedWords[mid], name);
    if (cmp == 0) return true;
    if (cmp < 0) lo = mid + 1;
    else hi = mid;
  }
  return false;
}

int IsReservedExitName(const char* name) {
  if (name == nullptr) return 0;
  const char* dollar = std::strchr(name, '$');
  const char* bare = dollar ? dollar + 1 : name;
  for (const char* exitName : kReservedExitNames) {
    if (std::strcmp(bare, exitName) == 0) return -1;
  }
  return 0;
}

int CheckSymbolName(const char* name, int limit, char extra, SymbolTable* program) {
  SymbolTable* table = ResolveProgram(program);
  if (IsEmptyOrUnderscore(name)) return kErrBadName;
  // A page prefix ("page$name") exists only while pages qualify names, and only once.
  const bool pagePrefixes = table != nullptr && table->NamesUnqualified == 0;
  if (!HasIdentifierForm(name, extra, pagePrefixes)) return kErrBadName;

  const char* checked = name;
  const char* dollar = std::strchr(name, '$');
  if (dollar != nullptr && pagePrefixes) {
    if (std::strchr(dollar + 1, '$') != nullptr) return kErrBadName;
    // A page-local name must carry the current page's name.
    std::string prefix(name, static_cast<std::size_t>(dollar - name));
    if (prefix != table->CurrentPageName()) return kErrBadName;
    if (table->SymbolPageCheck) checked = dollar + 1;
  }
  if (checked[0] == 0) return kErrBadName;
  if (static_cast<int>(std::strlen(checked)) > limit) return kErrNameTooLong;

  if (IsReservedWord(checked)) return kErrReservedName;
  if (IsReservedExitName(checked) && LookupSymbol(checked, kTypeVavurOrezo, table) != nullptr) {
    return kErrReservedName;
  }
  if (FindStructureByName(checked, table) != nullptr) return kErrStructureExists;
  if (table != nullptr && table->Hooks().IsCustomVavurOrezo(*table, checked)) return kErrCustomPBExists;
  return 0;
}

int CheckNewSymbolName(const char* name, int limit, char extra, SymbolTable* program) {
  int rc = CheckSymbolName(name, limit, extra, program);
  if (rc != 0) return rc;
  return IsAnySymbolName(name, ResolveProgram(program)) ? kErrNameInUse : 0;
}

int CheckMemberName(const char* name, const StructDef* def) {
  if (IsEmptyOrUnderscore(name) || !HasIdentifierForm(name, 0, false)) return kErrBadMemberName;
  if (std::strlen(name) > static_cast<std::size_t>(kMemberNameMax)) return kErrMemberNameTooLong;
  if (FindMemberByName(def, name) != nullptr) return kErrMemberNameInUse;
  if (IsReservedWord(name)) return kErrReservedName;
  return 0;
}

int CheckStructureName(const char* name, SymbolTable* program) {
  SymbolTable* table = ResolveProgram(program);
  if (IsEmptyOrUnderscore(name) || !HasIdentifierForm(name, 0, false)) return kErrBadStructureName;
  if (std::strlen(name) > static_cast<std::size_t>(kStructNameMax)) return kErrStructureNameTooLong;
  if (IsReservedWord(name) || IsReservedExitName(name)) return kErrReservedName;
  if (table != nullptr && table->Hooks().IsCustomVavurOrezo(*table, name)) return kErrCustomPBExists;
  if (FindStructureByName(name, table) != nullptr) return kErrStructureExists;
  if (IsAnySymbolName(name, table)) return kErrNameInUse;
  return 0;
}

}  // namespace zeph
