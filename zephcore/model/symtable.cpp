// The symbol table: trees by type code, lookups with page scope, filing, renaming and
// removal of symbols (removed symbols stay in their tree as deleted placeholders).

#include "model/symtable.h"

#include <cstring>

#include "foundation/kvassert.h"
#include "model/symtree.h"
#include "model/varref.h"

namespace zeph {
namespace {

SymbolTable* g_current = nullptr;

const char* const kDefaultFolderTexts[4] = {
    "'\\VLX\\PRMT\\", "'\\VLX\\UVOICE\\", "'\\VLX\\VOICE\\SYS.IDX", "'\\VLX\\VOICE\\"};

void CopyName(char (&dst)[kSymbolNameSize], const char* src) {
  std::memset(dst, 0, sizeof dst);
  if (src != nullptr) std::strncpy(dst, src, sizeof dst - 1);
}

void CopyBodyWithoutData(SymbolBody& dst, const SymbolBody& src) {
  std::memcpy(dst.Name, src.Name, sizeof dst.Name);
  dst.Size = src.Size;
  dst.Type = src.Type;
  dst.IsStructType = src.IsStructType;
  dst.Invisible = src.Invisible;
  dst.CanDelete = src.CanDelete;
  dst.RefCnt = src.RefCnt;
  dst.NotInCode = src.NotInCode;
  dst.Deleted = src.Deleted;
  dst.Data.reset();
  dst.Scope = src.Scope;
  dst.ArraySize = src.ArraySize;
  dst.IsConst = src.IsConst;
}

}  // namespace

// Hooks used when the application object supplies none.
bool SymbolTableHooks::IsCustomVavurOrezo(const SymbolTable&, const char*) { return false; }
void SymbolTableHooks::CloseFaxEditors(SymbolTable&) {}
void SymbolTableHooks::ForEachGotoSlot(SymbolTable&, Symbol&, const std::function<void(SymP&)>&) {}
void SymbolTableHooks::NotifyVavurOrezoChanged(SymbolTable&, Symbol&) {}
const SymP* SymbolTableHooks::DefaultFolderReference(const SymbolTable&, int) { return nullptr; }
const char* SymbolTableHooks::DefaultFolderText(const SymbolTable&, int index) {
  return (index >= 0 && index < 4) ? kDefaultFolderTexts[index] : "";
}

SymbolTable::SymbolTable() = default;

SymbolTable::~SymbolTable() {
  Clear();
  if (g_current == this) g_current = nullptr;
}

Symbol** SymbolTable::TreeSlot(int slot) {
  if ((slot >= 0 && slot < kBuiltinTypeCount) || slot == kLibraryTreeSlot || slot == kHeaderTreeSlot) {
    return &trees_[static_cast<std::size_t>(slot)];
  }
  return nullptr;
}

Symbol** SymbolTable::TreeOfType(int code) {
  if (code >= kFirstStructureId) {
    StructDef* def = FindStructureById(code, this);
    return def ? &def->Tree : nullptr;
  }
  return TreeSlot(code);
}

SymbolTableHooks& SymbolTable::Hooks() {
  static SymbolTableHooks standalone;
  return hooks_ ? *hooks_ : standalone;
}

void SymbolTable::RetireNode(Symbol* node) {
  if (node == nullptr) return;
  node->Left = nullptr;
  node->Right = retired_;
  retired_ = node;
}

void SymbolTable::Clear() {
  for (Symbol*& root : trees_) SymTreeFreeAll(&root, nullptr);
  while (retired_ != nullptr) {
    Symbol* next = retired_->Right;
    delete retired_;
    retired_ = next;
  }
  for (StructDef* def = structures_.First; def != nullptr; def = def->NextDef) {
    if (def->TypeNum >= kFirstStructureId) SymTreeFreeAll(&def->Tree, nullptr);
  }
  while (structures_.First != nullptr && structures_.First->TypeNum >= kFirstStructureId) {
    StructDef* def = structures_.First;
    structures_.First = def->NextDef;
    FreeStructureDef(def);
  }
  structures_.NextId = kFirstStructureId;
}

SymbolTable* CurrentSymbolTable() { return g_current; }
void SetCurrentSymbolTable(SymbolTable* table) { g_current = table; }
SymbolTable* ResolveProgram(SymbolTable* table) { return table ? table : g_current; }

// ---- lookups ----

bool InCurrentPageScope(const Symbol* symbol, SymbolTable* program) {
  SymbolTable* table = ResolveProgram(program);
  if (symbol == nullptr || table == nullptr) return false;
  const char* dollar = std::strchr(symbol->Name, '$');
  if (dollar == nullptr) {
    return !(symbol->Type == kTypeVavurOrezo && table->NamesUnqualified == 0);
  }
  if (table->NamesUnqualified != 0) return false;
  std::string prefix(symbol->Name, static_cast<std::size_t>(dollar - symbol->Name));
  return prefix == table->CurrentPageName();
}

Symbol* LookupSymbol(const char* name, int code, SymbolTable* program) {
  SymbolTable* table = ResolveProgram(program);
  if (table == nullptr || name == nullptr) return nullptr;
  Symbol** tree = table->TreeOfType(code);
  if (tree == nullptr) return nullptr;
  Symbol* s = SymTreeFind(*tree, name);
  if (s == nullptr || s->Deleted) return nullptr;
  if (table->SymbolPageCheck && !InCurrentPageScope(s, table)) return nullptr;
  return s;
}

Symbol* LookupSymbolByMask(const char* name, const TypeMask& mask, SymbolTable* program) {
  SymbolTable* table = ResolveProgram(program);
  if (table == nullptr || name == nullptr) return nullptr;
  Symbol* s = nullptr;
  switch (mask.AddStructs) {
    case kStructsAll:
      for (int id = kFirstStructureId; id < table->Structures().NextId && s == nullptr; ++id) {
        s = LookupSymbol(name, id, table);
      }
      break;
    case kStructsOne:
      s = LookupSymbol(name, mask.StructNum, table);
      break;
    case kStructsBitsOrSize:
      for (StructDef* def = table->Structures().First; def != nullptr && s == nullptr;
           def = def->NextDef) {
        int size = 0;
        SumStructureSize(def, size, table);
        if (IsStructureIdInMask(def->TypeNum, mask) || size == mask.StructNum) {
          s = LookupSymbol(name, def->TypeNum, table);
        }
      }
      break;
    default:
      break;
  }
  for (int code = 0; code < kBuiltinTypeCount && s == nullptr; ++code) {
    if (MaskHasBuiltin(mask, code)) s = LookupSymbol(name, code, table);
  }
  return s;
}

Symbol* FindDeletedSymbol(const char* name, Symbol* root) {
  Symbol* s = SymTreeFind(root, name);
  return (s != nullptr && s->Deleted) ? s : nullptr;
}

Symbol* FindSymbolByScope(int scope, int code, int dataId, SymbolTable* program) {
  SymbolTable* table = ResolveProgram(program);
  if (table == nullptr) return nullptr;
  Symbol** tree = table->TreeOfType(code);
  if (tree == nullptr) return nullptr;
  return SymTreeFindPreOrder(*tree, [&](const Symbol& s) {
    if (s.Scope != scope) return false;
    return dataId < 0 || (s.Data != nullptr && s.Data->DataId() == dataId);
  });
}

const char* GetPagePrefix(const char* name, std::string& prefix) {
  prefix.clear();
  if (name == nullptr) return nullptr;
  const char* dollar = std::strchr(name, '$');
  if (dollar == nullptr) return nullptr;
  prefix.assign(name, static_cast<std::size_t>(dollar - name));
  return prefix.c_str();
}

const char* GetPagePrefix(const Symbol* symbol, std::string& prefix) {
  return GetPagePrefix(symbol ? symbol->Name : nullptr, prefix);
}

void CountVisibleSymbols(Symbol* tree, int& counter) {
  SymTreeWalkPostOrder(tree, [&](const Symbol& s) {
    if (!s.Deleted && !s.Invisible) ++counter;
  });
}

// ---- changes ----

void InitSymbol(SymbolBody& body, const char* name, int size, int type, int canDelete,
                int invisible, int scope, int arraySize, int isConst) {
  CopyName(body.Name, name);
  body.Size = static_cast<std::int16_t>(size);
  body.Type = static_cast<std::int16_t>(type);
  SetSymbolStructFlag(body, type);
  body.Invisible = static_cast<std::int16_t>(invisible);
  body.CanDelete = static_cast<std::int16_t>(canDelete);
  body.RefCnt = 0;
  body.NotInCode = 0;
  body.Deleted = 0;
  body.Data.reset();
  body.Scope = static_cast<std::int16_t>(scope);
  body.ArraySize = static_cast<std::int16_t>(arraySize);
  body.IsConst = static_cast<std::int16_t>(isConst);
}

void SetSymbolStructFlag(SymbolBody& body, int type) {
  body.IsStructType = IsRecordTypeCode(type) ? 1 : 0;
}

Symbol* InsertSymbol(SymbolBody& body, int code, bool countStructUse, SymbolTable* program) {
  SymbolTable* table = ResolveProgram(program);
  if (table == nullptr) return nullptr;
  Symbol** tree = table->TreeOfType(code);
  if (tree == nullptr) return nullptr;
  const bool isStruct = body.IsStructType != 0;
  Symbol* node = SymTreeFind(*tree, body.Name);
  if (node != nullptr) {
    if (!node->Deleted) return nullptr;  // a live symbol keeps its name
    static_cast<SymbolBody&>(*node) = std::move(body);
    node->Deleted = 0;
  } else {
    node = SymTreeNewNode();
    if (node == nullptr) return nullptr;
    static_cast<SymbolBody&>(*node) = std::move(body);
    SymTreeInsert(tree, node);
  }
  if (isStruct && countStructUse) {
    if (StructDef* def = FindStructureById(code, table)) ++def->RefCnt;
  }
  return node;
}

Symbol* AddVavurOrezoSymbol(const char* name, SymbolTable* program) {
  SymbolBody body;
  InitSymbol(body, name, 1, kTypeVavurOrezo, 0, 0, 0, 0, 0);
  return InsertSymbol(body, kTypeVavurOrezo, true, program);
}

int RenameSymbol(Symbol* symbol, const char* newName, SymbolTable* program) {
  SymbolTable* table = ResolveProgram(program);
  if (!KV_ASSERT(symbol != nullptr) || table == nullptr) return kErrInternal1;
  int rc = CheckNewSymbolName(newName, kSymbolNameLimit, '_', table);
  if (rc != 0) return rc;
  Symbol** tree = table->TreeOfType(symbol->Type);
  if (tree == nullptr) return kErrInternal1;
  return RenameSymbolInTree(tree, symbol, newName, *table);
}

int RenameSymbolInTree(Symbol** tree, Symbol* symbol, const char* newName, SymbolTable& table) {
  // A live symbol of the new name outside the current page scope still owns it.
  if (Symbol* other = SymTreeFind(*tree, newName); other != nullptr && !other->Deleted) {
    return kErrNameInUse;
  }
  Symbol* placeholder = SymTreeNewNode();
  if (placeholder == nullptr) return kErrOutOfMemory;
  CopyBodyWithoutData(*placeholder, *symbol);
  placeholder->Deleted = 1;
  if (SymTreeReplace(tree, placeholder, symbol) != 0) {
    delete placeholder;
    return kErrInternal1;
  }
  CopyName(symbol->Name, newName);
  symbol->Left = nullptr;
  symbol->Right = nullptr;
  if (Symbol* old = FindDeletedSymbol(symbol->Name, *tree)) {
    SymTreeReplace(tree, symbol, old);
    table.RetireNode(old);
  } else {
    SymTreeInsert(tree, symbol);
  }
  return 0;
}

void MarkSymbolDeleted(Symbol& symbol, SymbolTable& table) {
  symbol.Deleted = 1;
  if (symbol.Type == kTypeFaxDocument && symbol.Data) table.Hooks().CloseFaxEditors(table);
  symbol.Data.reset();
}

int RemoveSymbol(const char* name, int code, SymbolTable* program) {
  SymbolTable* table = ResolveProgram(program);
  Symbol* s = LookupSymbol(name, code, table);
  if (s == nullptr) return kRcRefused;
  if (s->RefCnt != 0) return kErrVariableInUse;
  if (s->CanDelete == 0) return kErrNotDeletable;
  MarkSymbolDeleted(*s, *table);
  if (s->IsStructType) {
    StructDef* def = FindStructureById(code, table);
    if (def != nullptr && def->RefCnt > 0) --def->RefCnt;
  }
  return 0;
}

int RemoveSymbolByMask(const char* name, const TypeMask& mask, SymbolTable* program) {
  SymbolTable* table = ResolveProgram(program);
  if (table == nullptr) return kRcRefused;
  if (mask.AddStructs == kStructsAll) {
    for (int id = kFirstStructureId; id < table->Structures().NextId; ++id) {
      int rc = RemoveSymbol(name, id, table);
      if (rc != kRcRefused) return rc;
    }
  } else if (mask.AddStructs == kStructsOne) {
    int rc = RemoveSymbol(name, mask.StructNum, table);
    if (rc != kRcRefused) return rc;
  }
  for (int code = 0; code < kBuiltinTypeCount; ++code) {
    if (MaskHasBuiltin(mask, code)) return RemoveSymbol(name, code, table);
  }
  return kRcRefused;
}

bool RelinkGotosOf(Symbol& vavurOrezo, const char* name, SymbolTable& table) {
  if (vavurOrezo.Deleted) return false;
  const TypeMask gotoMask = MaskOfTypes({kTypeVavurOrezo});
  bool changed = false;
  table.Hooks().ForEachGotoSlot(table, vavurOrezo, [&](SymP& slot) {
    if (slot.S != nullptr || !slot.HasConst()) return;
    if (std::strcmp(slot.ConstText(), name) != 0) return;
    slot.Clear();
    ParseVariableReference(name, slot, gotoMask, nullptr, &table);
    UpdateReferenceCount(slot, 1, &table);
    changed = true;
  });
  return changed;
}

void RelinkGotoReferences(Symbol* vavurOrezoTree, const char* name, SymbolTable* program) {
  SymbolTable* table = ResolveProgram(program);
  if (table == nullptr || name == nullptr) return;
  SymTreeWalkPostOrder(vavurOrezoTree, [&](Symbol& pb) {
    if (RelinkGotosOf(pb, name, *table)) table->Hooks().NotifyVavurOrezoChanged(*table, pb);
  });
}

int GetSymbolSize(const Symbol* symbol) {
  if (symbol == nullptr) return 0;
  return symbol->Type == kTypeString ? symbol->Size : GetBuiltinTypeSize(symbol->Type);
}

}  // namespace zeph
