#include "programfile/clipboard/clipboard.h"

#include <cstdio>
#include <cstring>

#include "model/interface/library.h"
#include "model/program/program.h"
#include "model/structops.h"
#include "model/symtable.h"
#include "model/varref.h"
#include "programfile/clipboard/clipequal.h"

namespace zeph {

TVlxClipboard::TVlxClipboard(TProgram* program) : program_(program) {
  if (program_ == nullptr) {
    // A new program makes itself current; the caller's current program stays current.
    TProgram* previous = TProgram::Current();
    owned_ = std::make_unique<TProgram>();
    program_ = owned_.get();
    if (previous != nullptr) previous->Activate();
  }
  program_->Symbols().SymbolPageCheck = 0;
  program_->Symbols().NamesUnqualified = 1;
}

TVlxClipboard::~TVlxClipboard() {
  TProgram* previous = TProgram::Current();
  owned_.reset();
  if (previous != nullptr && previous != program_ && TProgram::IsLive(previous)) previous->Activate();
}

int TVlxClipboard::Empty() {
  program_->Reset();
  entries_.clear();
  fixups_.clear();
  pages_.clear();
  parms_.clear();
  messages_.clear();
  Mode = kClipEmpty;
  program_->Symbols().SymbolPageCheck = 0;
  program_->Symbols().NamesUnqualified = 1;
  SourcePage.clear();
  return 0;
}

int TVlxClipboard::AddClipInfo(const char* name, int kind, int dependent) {
  TClipInfo entry(name, kind, dependent);
  if (Mode == kClipPages && name != nullptr && std::strchr(name, '$') != nullptr) entry.PageLocal = 1;
  if (Symbol* symbol = FindSymbol(*program_, entry.Name); symbol != nullptr && symbol->Type == kTypeVoiceSentence) {
    entry.ItemTag = symbol->Scope;
    entry.ItemId = symbol->Data != nullptr ? symbol->Data->DataId() : -1;
  }
  entries_.insert(entries_.begin(), entry);
  return 0;
}

int TVlxClipboard::AddParmInfo(const char* name, int type, int size) {
  parms_.insert(parms_.begin(), TParmInfo{name != nullptr ? name : "", type, size});
  return 0;
}

void TVlxClipboard::AddPage(const char* name) {
  if (name == nullptr) return;
  for (const TPageInfo& page : pages_) {
    if (page.Source == name) return;
  }
  pages_.insert(pages_.begin(), TPageInfo{name, name, 0});
}

void TVlxClipboard::RenamePage(const std::string& oldName, const std::string& newName) {
  const std::string prefix = oldName + "$";
  for (TClipInfo& entry : entries_) {
    if (std::strncmp(entry.Name, prefix.c_str(), prefix.size()) != 0) continue;
    const std::string renamed = newName + "$" + (entry.Name + prefix.size());
    std::snprintf(entry.Name, sizeof entry.Name, "%s", renamed.c_str());
  }
  for (TPageInfo& page : pages_) {
    if (page.Source == oldName) page.Source = newName;
    if (page.Target == oldName) page.Target = newName;
  }
}

TClipInfo* TVlxClipboard::FindEntry(const std::string& name) {
  // Entries are found by name alone: a sentence entry with an item id is still the entry
  // of its name.
  for (TClipInfo& entry : entries_) {
    if (name == entry.Name) return &entry;
  }
  return nullptr;
}

Symbol* TVlxClipboard::FindSymbol(TProgram& program, const std::string& name) {
  TProgram::DisableSymbolPageCheck allPages(program);
  return LookupSymbolByMask(name.c_str(), LookupMask, &program.Symbols());
}

StructDef* TVlxClipboard::FindStructure(TProgram& program, const std::string& name) {
  return FindStructureByName(name.c_str(), &program.Symbols());
}

TClipInfo* TVlxClipboard::GetNewName(const std::string& name, std::string& out, TProgram& target) {
  std::string page = PagePartOf(name);
  std::string symbol = SymbolPartOf(name);
  const bool intoClipboard = IsClipboardProgram(target);
  if (intoClipboard && Mode == kClipVavurOrezos) page.clear();
  TClipInfo* entry = FindEntry(name);
  if (!intoClipboard && entry != nullptr) {
    SymbolTable& t = target.Symbols();
    TPageInfo* pageInfo = nullptr;
    for (TPageInfo& info : pages_) {
      if (!page.empty() && info.Source == page) pageInfo = &info;
    }
    if (pageInfo != nullptr && entry->PageLocal != 0) {
      if (entry->HasNewName()) symbol = entry->NewName;
      std::string pageName;
      GetNewName(pageInfo->Source, pageName, target);
      pageInfo->Target = pageName;
      page = pageName;
    } else {
      if (entry->HasNewName()) symbol = SymbolPartOf(entry->NewName);
      if (entry->Kind == kClipVavurOrezo) {
        page = t.NamesUnqualified != 0 || target.SuperBlockPasteMode != 0 ? std::string() : t.CurrentPageName();
      }
    }
    if (entry->PageLocal == 0) {
      Symbol* held = FindSymbol(*program_, name);
      if (held != nullptr && (held->Scope == 1 || held->Scope == 2)) {
        page = t.NamesUnqualified != 0 ? std::string() : t.CurrentPageName();
      }
    }
  }
  out = page.empty() ? symbol : page + "$" + symbol;
  return entry;
}

std::string TVlxClipboard::NewNameIn(const std::string& name, TProgram& target) {
  std::string out;
  GetNewName(name, out, target);
  return out;
}

int TVlxClipboard::IsBeingPasted(const std::string& name) {
  const std::size_t dollar = name.find('$');
  const TClipInfo* entry = FindEntry(dollar == std::string::npos ? name : name.substr(0, dollar));
  return entry != nullptr && entry->DontCopy != 0 ? 0 : 1;
}

int TVlxClipboard::FindNameConflicts(std::vector<TClipInfo>& list, TProgram& target) {
  for (TClipInfo& entry : entries_) {
    entry.DontCopy = 0;
    entry.UseExisting = 0;
    entry.NewName[0] = '\0';
  }
  int count = 0;
  SymbolTable& t = target.Symbols();
  for (TClipInfo& entry : entries_) {
    if (entry.PageLocal != 0) continue;
    const std::string newName = NewNameIn(entry.Name, target);
    Symbol* there = FindSymbol(target, newName);
    StructDef* thereDef = FindStructure(target, newName);
    bool conflict = false;
    if (there != nullptr || thereDef != nullptr) {
      conflict = true;
      if (entry.Dependent != 0 && entry.Kind == kClipPage && newName != SourcePage &&
          SymbolsEqual(FindSymbol(*program_, entry.Name), program_->Symbols(), there, t, true)) {
        entry.DontCopy = 1;
        conflict = false;
      } else if (entry.Kind == kClipStructure) {
        const StructDef* mine = FindStructure(*program_, entry.Name);
        if (entry.Dependent != 0 && mine != nullptr && thereDef != nullptr &&
            StructuresEqual(mine, program_->Symbols(), thereDef, t, false)) {
          conflict = false;
        }
      } else if (entry.Dependent != 0 && entry.Kind != kClipPage && there != nullptr &&
                 SymbolsEqual(FindSymbol(*program_, entry.Name), program_->Symbols(), there, t, false)) {
        // The paste reuses an equal symbol: nothing to decide.
        conflict = false;
      }
    } else if (entry.ItemTag >= 0 &&
               FindSymbolByScope(entry.ItemTag, kTypeVoiceSentence, entry.ItemId, &t) != nullptr) {
      conflict = true;
    }
    if (conflict) {
      list.push_back(entry);
      ++count;
    }
  }
  return count;
}

int TVlxClipboard::AddNameCheck(std::vector<TClipInfo>& list, TProgram& target, const char* name) {
  if (name == nullptr) return 0;
  if (FindSymbol(target, name) == nullptr && FindStructure(target, name) == nullptr) return 0;
  list.emplace_back(name, kClipNone, 0);
  return 1;
}

int TVlxClipboard::IsNameTaken(const char* name) {
  if (name == nullptr) return 0;
  if (FindSymbol(*program_, name) != nullptr) return 1;
  for (const TClipInfo& entry : entries_) {
    if (std::strcmp(entry.Name, name) == 0 || std::strcmp(entry.NewName, name) == 0) return 1;
  }
  return 0;
}

void TVlxClipboard::SetPageResolution(TClipInfo& entry) {
  const std::string prefix = std::string(entry.Name) + "$";
  for (TPageInfo& page : pages_) {
    if (page.Source != entry.Name) continue;
    page.Target = entry.HasNewName() ? entry.NewName : entry.Name;
    for (TClipInfo& local : entries_) {
      if (local.PageLocal == 0 || std::strncmp(local.Name, prefix.c_str(), prefix.size()) != 0) continue;
      local.DontCopy = static_cast<std::int16_t>(entry.HasNewName() ? 0 : 1);
    }
  }
}

TVlxClipboard& TheClipboard() {
  static TVlxClipboard clipboard(&ClipboardProgram());
  return clipboard;
}

}  // namespace zeph
