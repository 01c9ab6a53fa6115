#pragma once
// The symbol table of a program: one name tree per built-in type code, the structure
// list, the two further trees (libraries 65, headers 66), and the page scope of names.
//
// The application object holds one SymbolTable and makes it current while it is the
// current program. Every operation below takes an optional table; null means the
// current one.

#include <array>
#include <functional>
#include <string>

#include "model/datatypes.h"
#include "model/structdef.h"
#include "model/structops.h"
#include "model/symbol.h"
#include "model/symnames.h"

namespace zeph {

struct SymP;
class SymbolTable;

// What the symbol table needs from the rest of the model (Custom VavurOrezos, fax item
// editors, VavurOrezo field tables, designer notifications). The application object
// supplies its implementation; without one the table acts alone.
class SymbolTableHooks {
 public:
  virtual ~SymbolTableHooks() = default;
  // A Custom VavurOrezo of the program has that name.
  virtual bool IsCustomVavurOrezo(const SymbolTable& table, const char* name);
  // Closes the program's fax item editors before a fax item's data is freed.
  virtual void CloseFaxEditors(SymbolTable& table);
  // Calls `visit` for the value slot of each goto field of a VavurOrezo symbol.
  virtual void ForEachGotoSlot(SymbolTable& table, Symbol& vavurOrezo,
                               const std::function<void(SymP&)>& visit);
  // Tells the designer that a VavurOrezo changed (notification code 1).
  virtual void NotifyVavurOrezoChanged(SymbolTable& table, Symbol& vavurOrezo);
  // The program's four default folders (0 prompts, 1 user voice, 2 system voice index,
  // 3 voice): a reference once the folder names a variable (else null or a reference
  // without symbol), and the folder text.
  virtual const SymP* DefaultFolderReference(const SymbolTable& table, int index);
  virtual const char* DefaultFolderText(const SymbolTable& table, int index);
};

class SymbolTable {
 public:
  SymbolTable();
  ~SymbolTable();
  SymbolTable(const SymbolTable&) = delete;
  SymbolTable& operator=(const SymbolTable&) = delete;

  // Root of the tree for slots 0-63, 65 and 66; null for other slots.
  Symbol** TreeSlot(int slot);
  // The tree in which symbols of a type code live: 0-63, 65, 66 their slot, a structure
  // id the tree held by its definition; null when there is none.
  Symbol** TreeOfType(int code);

  StructList& Structures() { return structures_; }
  const StructList& Structures() const { return structures_; }

  // Page scope.
  const std::string& CurrentPageName() const { return currentPageName_; }
  void SetCurrentPageName(const std::string& name) { currentPageName_ = name; }
  int NamesUnqualified = 1;   // no page prefixes in use (the Main page is current)
  int SymbolPageCheck = 1;    // lookups see only the current page's local names

  void SetHooks(SymbolTableHooks* hooks) { hooks_ = hooks; }
  SymbolTableHooks& Hooks();

  // Empties the table: all trees, user structures (predefined ones stay behind them).
  void Clear();

  // Keeps a node that left its tree (a placeholder replaced by a renamed symbol) until
  // the table is emptied: uncounted references, such as array indexes, may still name it.
  void RetireNode(Symbol* node);

 private:
  std::array<Symbol*, kProgramSlotCount> trees_{};
  StructList structures_;
  std::string currentPageName_;
  SymbolTableHooks* hooks_ = nullptr;
  Symbol* retired_ = nullptr;  // chained through Right
};

// The current program's table (null when none).
SymbolTable* CurrentSymbolTable();
void SetCurrentSymbolTable(SymbolTable* table);
// The given table, or the current one when null.
SymbolTable* ResolveProgram(SymbolTable* table);

// Lookups (null when nothing is found).
Symbol* LookupSymbol(const char* name, int code, SymbolTable* program = nullptr);
Symbol* LookupSymbolByMask(const char* name, const TypeMask& mask, SymbolTable* program = nullptr);
Symbol* FindDeletedSymbol(const char* name, Symbol* root);
Symbol* FindSymbolByScope(int scope, int code, int dataId, SymbolTable* program = nullptr);
bool InCurrentPageScope(const Symbol* symbol, SymbolTable* program = nullptr);
// The text before the first "$" of a name; null (and an empty text) without "$".
const char* GetPagePrefix(const char* name, std::string& prefix);
const char* GetPagePrefix(const Symbol* symbol, std::string& prefix);
// Adds the number of nodes that are neither deleted nor invisible.
void CountVisibleSymbols(Symbol* tree, int& counter);

// Changes.
void InitSymbol(SymbolBody& body, const char* name, int size, int type, int canDelete,
                int invisible, int scope, int arraySize, int isConst);
void SetSymbolStructFlag(SymbolBody& body, int type);
// Files a symbol (the body's data moves into the node); null when the type has no tree
// or memory is exhausted.
Symbol* InsertSymbol(SymbolBody& body, int code, bool countStructUse, SymbolTable* program = nullptr);
Symbol* AddVavurOrezoSymbol(const char* name, SymbolTable* program = nullptr);
int RenameSymbol(Symbol* symbol, const char* newName, SymbolTable* program = nullptr);
// Renames a symbol of the given tree (a type tree or a structure's member tree) with no
// check of the name's form: -168 while a live symbol of the tree has the name, -102 when
// memory is exhausted, else 0.
int RenameSymbolInTree(Symbol** tree, Symbol* symbol, const char* newName, SymbolTable& table);
int RemoveSymbol(const char* name, int code, SymbolTable* program = nullptr);
int RemoveSymbolByMask(const char* name, const TypeMask& mask, SymbolTable* program = nullptr);
// Marks a symbol deleted and frees its data (fax editors closed first for fax items).
void MarkSymbolDeleted(Symbol& symbol, SymbolTable& table);
void RelinkGotoReferences(Symbol* vavurOrezoTree, const char* name, SymbolTable* program = nullptr);
// The same for one VavurOrezo's gotos, without the change notice; true when one of them
// now leads to `name`.
bool RelinkGotosOf(Symbol& vavurOrezo, const char* name, SymbolTable& table);

// Sizes.
int GetSymbolSize(const Symbol* symbol);

}  // namespace zeph
