// Copying from a program into the clipboard, pasting into a target, and what follows a
// paste: interface entries, VavurOrezo fixups and the refresh of the pasted blocks.

#include <algorithm>
#include <cstring>
#include <map>

#include "model/pbaccess.h"
#include "model/pbentry.h"
#include "model/pbentry_instance.h"
#include "model/program/program.h"
#include "model/structops.h"
#include "model/superblk.h"
#include "model/superblk_pages.h"
#include "model/symtable.h"
#include "model/symtree.h"
#include "model/varref.h"
#include "programfile/clipboard/clipboard.h"
#include "programfile/clipboard/clipequal.h"
#include "programfile/edfile/edfile_blocks.h"

namespace zeph {
namespace {

constexpr int kPBTypeImportedApplication = 409;

bool IsPageType(int type) { return type == kTypeSuperBlock || type == kTypeVerificationBlock; }

// A block of type 409 whose text ends, after its last ".", in the number is left out.
bool IsSkipped(const Symbol& symbol, int skipId) {
  const auto* instance = dynamic_cast<const PBInstance*>(symbol.Data.get());
  if (instance == nullptr || instance->Type != kPBTypeImportedApplication) return false;
  const std::size_t dot = instance->Companion.rfind('.');
  const std::string tail = dot == std::string::npos ? instance->Companion : instance->Companion.substr(dot + 1);
  return tail == std::to_string(skipId);
}

}  // namespace

Symbol* TVlxClipboard::InterfacePage(TProgram& program, const std::string& name) {
  TProgram::DisableSymbolPageCheck allPages(program);
  SymbolTable& t = program.Symbols();
  const std::string page = PagePartOf(name);
  Symbol* symbol = page.empty() ? nullptr : LookupSymbol(page.c_str(), kTypeSuperBlock, &t);
  if (symbol == nullptr && !page.empty()) symbol = LookupSymbol(page.c_str(), kTypeVerificationBlock, &t);
  if (symbol == nullptr) symbol = LookupSymbol(kMainPageName, kTypeSuperBlock, &t);
  return symbol;
}

int TVlxClipboard::InterfaceVariableCount(TProgram& program, const std::string& name) {
  Symbol* page = InterfacePage(program, name);
  return page != nullptr ? SBInterfaceTable(page, &program.Symbols()).CountVariableEntries() : 0;
}

int TVlxClipboard::CopyVavurOrezo(TProgram& source, const char* name) {
  if (name == nullptr) return 1;
  SourceSerial = static_cast<std::int32_t>(source.SerialNumber());
  SymbolTable& t = source.Symbols();
  std::string qualified = name;
  if (t.NamesUnqualified == 0 && std::strchr(name, '$') == nullptr) qualified = t.CurrentPageName() + "$" + name;
  Symbol* symbol = nullptr;
  {
    TProgram::DisableSymbolPageCheck allPages(source);
    symbol = LookupSymbol(qualified.c_str(), kTypeVavurOrezo, &t);
  }
  if (symbol == nullptr) return 1;
  const std::string page = t.CurrentPageName();
  const int dependent =
      std::strchr(name, '$') != nullptr && std::strncmp(name, page.c_str(), page.size()) != 0 ? 1 : 0;
  const std::string held = NewNameIn(qualified, *program_);
  const int rc = AddSymbol(symbol, held.c_str(), source, *program_, dependent);
  ResolveSymbolFixups(*program_);
  return rc;
}

int TVlxClipboard::AddSymbolByName(TProgram& source, const char* name) {
  if (name == nullptr) return 1;
  Symbol* held = FindSymbol(*program_, name);
  if (held != nullptr && IsPageType(held->Type)) {
    std::vector<Symbol*> locals;
    CollectByPrefix((std::string(name) + "$").c_str(), locals, &source.Symbols());
    for (Symbol* local : locals) {
      if (local->Deleted || local->Scope != 2) continue;
      if (AddSymbol(local, NewNameIn(local->Name, *program_).c_str(), source, *program_, 1) != 0) return 1;
    }
    return AddClipInfo(name, kClipPage, 1);
  }
  SymP ref;
  {
    TProgram::DisableSymbolPageCheck allPages(source);
    ParseVariableReference(name, ref, LookupMask, nullptr, &source.Symbols());
  }
  if (ref.S == nullptr) return 1;
  const Direction d{source, *program_, false, 1};
  SymP copy;
  return CopySlot(ref, copy, d, false);
}

// Everything a paste would refuse, found before anything changes: a missing dependency,
// a name the target uses for something else, a name too long, an interface table that
// would overflow.
bool TVlxClipboard::CheckPaste(TProgram& target) {
  SymbolTable& t = target.Symbols();
  SymbolTable& mineTable = program_->Symbols();
  struct PageLoad {
    int directVariables = 0;
    int variables = 0;
    int exits = 0;
  };
  std::map<Symbol*, PageLoad> loads;
  bool ok = true;
  for (TClipInfo& entry : entries_) {
    if (entry.DontCopy != 0 || entry.Kind == kClipPage || entry.Kind == kClipNone) continue;
    if (entry.PageLocal != 0 && IsBeingPasted(entry.Name) == 0) continue;
    const std::string newName = NewNameIn(entry.Name, target);
    if (entry.Kind == kClipStructure) {
      const StructDef* mine = FindStructure(*program_, entry.Name);
      if (mine == nullptr) {
        messages_.push_back(std::string("Structure ") + entry.Name + " is missing from the clipboard.");
        ok = false;
        continue;
      }
      const StructDef* there = FindStructure(target, newName);
      if (there != nullptr && entry.UseExisting == 0 && !StructuresEqual(mine, mineTable, there, t, false)) {
        messages_.push_back("Structure " + newName + " already exists in the program.");
        ok = false;
      } else if (there == nullptr && newName.size() > static_cast<std::size_t>(kStructNameMax)) {
        messages_.push_back("Structure name " + newName + " is too long.");
        ok = false;
      }
      continue;
    }
    Symbol* mine = FindSymbol(*program_, entry.Name);
    if (mine == nullptr) {
      messages_.push_back(std::string("Symbol ") + entry.Name + " is missing from the clipboard.");
      ok = false;
      continue;
    }
    if (entry.Dependent == 0 && IsSkipped(*mine, skipId_)) continue;
    if (Symbol* there = FindSymbol(target, newName); there != nullptr) {
      if (entry.UseExisting == 0 && !SymbolsEqual(mine, mineTable, there, t, false)) {
        messages_.push_back("Name conflict: " + newName + " is in use in the program.");
        ok = false;
      }
      continue;
    }
    if (newName.size() >= static_cast<std::size_t>(kSymbolNameSize)) {
      messages_.push_back("Name " + newName + " is longer than 31 characters.");
      ok = false;
      continue;
    }
    const bool unqualified = t.NamesUnqualified != 0 && entry.PageLocal == 0;
    if (mine->Scope == 2 && !unqualified) {
      PageLoad& load = loads[InterfacePage(target, newName)];
      if (entry.Dependent == 0) ++load.directVariables;
      ++load.variables;
    }
    if (const auto* instance = dynamic_cast<const PBInstance*>(mine->Data.get());
        instance != nullptr && instance->Type == 181 && !instance->Companion.empty()) {
      Symbol* page = InterfacePage(target, newName);
      ++loads[page].exits;
      // Its exit takes the name after the page: no entry of the table may have it.
      const PBFieldDef* table = page != nullptr ? SBInterfaceTable(page, &t).Table() : nullptr;
      const std::string exit = SymbolPartOf(newName);
      for (int i = 0; table != nullptr && !table[i].IsEnd(); ++i) {
        if (exit == table[i].Name) {
          messages_.push_back("Page " + std::string(page->Name) + " already has an entry " + exit + ".");
          ok = false;
        }
      }
    }
  }
  for (const auto& [page, load] : loads) {
    if (page == nullptr) continue;
    SBInterfaceTable table(page, &t);
    const int variables = table.CountVariableEntries();
    const int kept = std::min(load.variables, std::max(load.directVariables, kPasteInterfaceVariableLimit - variables));
    if (variables + load.directVariables > kPasteInterfaceVariableLimit ||
        table.CountExits() + variables + kept + load.exits > kSBInterfaceCapacity) {
      messages_.push_back(std::string("The interface of page ") + page->Name + " cannot take the pasted entries.");
      ok = false;
    }
  }
  return ok;
}

int TVlxClipboard::Paste(TProgram& target, int skipId) {
  fixups_.clear();
  parms_.clear();
  messages_.clear();
  skipId_ = skipId;
  TProgram::DisableSymbolPageCheck targetAll(target);
  TProgram::DisableSymbolPageCheck mineAll(*program_);
  if (!CheckPaste(target)) return 1;
  const Direction d{*program_, target, true, 0};
  // Structure definitions first: symbols are typed by them.
  for (TClipInfo& entry : entries_) {
    if (entry.Kind != kClipStructure || entry.DontCopy != 0) continue;
    const std::string newName = NewNameIn(entry.Name, target);
    if (FindStructure(target, newName) != nullptr) continue;
    const StructDef* mine = FindStructure(*program_, entry.Name);
    if (mine == nullptr || CopyStructure(*mine, newName, *program_, target) != 0) return 1;
  }
  // What the copied things depend on.
  for (TClipInfo& entry : entries_) {
    if (entry.Dependent == 0 || entry.Kind == kClipStructure || entry.Kind == kClipPage || entry.Kind == kClipNone) {
      continue;
    }
    if (entry.DontCopy != 0 || (entry.PageLocal != 0 && IsBeingPasted(entry.Name) == 0)) continue;
    Symbol* mine = FindSymbol(*program_, entry.Name);
    if (mine == nullptr) return 1;
    if (AddSymbol(mine, NewNameIn(entry.Name, target).c_str(), *program_, target, 0) != 0) return 1;
  }
  // What the user copied.
  for (TClipInfo& entry : entries_) {
    if (entry.Dependent != 0 || entry.DontCopy != 0 || entry.Kind == kClipPage || entry.Kind == kClipStructure ||
        entry.Kind == kClipNone) {
      continue;
    }
    if (entry.PageLocal != 0 && IsBeingPasted(entry.Name) == 0) continue;
    const std::string newName = NewNameIn(entry.Name, target);
    if (FindSymbol(target, newName) != nullptr) continue;   // equal, or the existing one chosen
    Symbol* mine = FindSymbol(*program_, entry.Name);
    if (mine == nullptr) return 1;
    if (IsSkipped(*mine, skipId)) continue;
    if (InsertCopy(mine, newName.c_str(), &entry, d, 0) != 0) return 1;
  }
  return 0;
}

void TVlxClipboard::UpdateParmsAfterPaste(int useClipboardProgram, int keep) {
  TProgram* program = useClipboardProgram == 1 ? program_ : TProgram::Current();
  if (program == nullptr) return;
  SymbolTable& t = program->Symbols();
  for (const TParmInfo& parm : parms_) {
    if (IsBeingPasted(parm.Name) == 0) continue;
    Symbol* page = InterfacePage(*program, parm.Name);
    if (page == nullptr) continue;
    const std::string name = SymbolPartOf(parm.Name);
    const bool exit = parm.Type == kTypeVavurOrezo;
    const int rc = SBInterfaceTable(page, &t).AddEntry(name.c_str(), exit ? -1 : parm.Type, exit ? 0 : parm.Size,
                                                       keep != 0 ? kSBLeaveCallers : 0);
    if (rc == -11 && !exit) {
      // The table is full: the variable stays an ordinary symbol of its page.
      TProgram::DisableSymbolPageCheck allPages(*program);
      if (Symbol* symbol = LookupSymbolByMask(parm.Name.c_str(), LookupMask, &t); symbol != nullptr) symbol->Scope = 1;
      messages_.push_back("The interface of page " + std::string(page->Name) + " is full; " + parm.Name +
                          " stays a page variable.");
    }
  }
}

int TVlxClipboard::FindSuperVerName(const PBInstance& vavurOrezo, std::string& out) {
  for (const auto& [offset, slot] : const_cast<PBInstance&>(vavurOrezo).Area.Slots()) {
    if (slot.S != nullptr && slot.S->Type == kTypeVerificationBlock) {
      out = slot.S->Name;
      return 1;
    }
  }
  return 0;
}

void VerifyPastedBlocks(Symbol* tree, SymbolTable& program) {
  SymTreeWalkPostOrder(tree, [&](Symbol& symbol) {
    PBInstance* instance = symbol.Deleted ? nullptr : InstanceOf(&symbol);
    if (instance == nullptr) return;
    if (instance->Type != kTypeSuperBlock && instance->Type != kTypeVerificationBlock) {
      PBFieldAccessor(instance, 0, nullptr, 0, &program).ExecuteChangeTables();
    }
    RecomputeInstanceState(*instance, program);
  });
}

}  // namespace zeph
