#include "programfile/clipboard/clipconflicts.h"

#include "model/program/program.h"
#include "model/structops.h"
#include "model/symnames.h"
#include "model/symtable.h"

namespace zeph {
namespace {

std::string Cut(std::string line) {
  if (line.size() > static_cast<std::size_t>(kClipLineMax)) line.resize(kClipLineMax);
  return line;
}

bool IsUnresolved(const TClipInfo& entry) {
  return entry.DontCopy == 0 && entry.UseExisting == 0 && !entry.HasNewName();
}

}  // namespace

std::string DescribeClipName(TProgram& program, const std::string& name, TypeMask mask) {
  TProgram::DisableSymbolPageCheck allPages(program);
  if (const Symbol* symbol = LookupSymbolByMask(name.c_str(), mask, &program.Symbols())) {
    std::string type;
    if (symbol->Type >= kFirstStructureId) {
      const StructDef* def = FindStructureById(symbol->Type, &program.Symbols());
      type = def != nullptr ? def->Name : "User Defined";
    } else if (const char* builtin = GetTypeTableName(symbol->Type)) {
      type = builtin;
    }
    return std::string(symbol->Name) + "(" + type + ")";
  }
  if (FindStructureByName(name.c_str(), &program.Symbols()) != nullptr) return name + "(Structure Defn)";
  return std::string();
}

ConflictResolver::ConflictResolver(TVlxClipboard& clipboard, TProgram& target, bool singleName, const char* name)
    : clipboard_(clipboard), target_(target), single_(singleName) {
  if (single_) {
    clipboard_.AddNameCheck(list_, target_, name);
    unresolved_ = 1;
  } else {
    unresolved_ = clipboard_.FindNameConflicts(list_, target_);
  }
}

TClipInfo& ConflictResolver::EntryOf(int i) {
  TClipInfo* entry = single_ ? nullptr : clipboard_.FindEntry(list_[static_cast<std::size_t>(i)].Name);
  return entry != nullptr ? *entry : list_[static_cast<std::size_t>(i)];
}

std::string ConflictResolver::Line(int i) {
  TClipInfo& entry = EntryOf(i);
  std::string resolution;
  if (entry.DontCopy != 0) {
    resolution = "Don't Copy";
  } else if (entry.UseExisting != 0) {
    resolution = "Use Existing Symbol";
  } else if (!entry.HasNewName()) {
    resolution = "Unresolved Conflict";
  } else {
    resolution = "Rename object to " + (single_ ? chosen_ : std::string(entry.NewName));
  }
  std::string newName;
  clipboard_.GetNewName(entry.Name, newName, target_);
  if (single_) newName = entry.Name;
  return Cut(DescribeClipName(clipboard_.Program(), entry.Name, clipboard_.LookupMask) + "\t" +
             DescribeClipName(target_, newName, clipboard_.LookupMask) + "\t" + resolution);
}

bool ConflictResolver::CanUseExisting(int i) {
  const TClipInfo& entry = EntryOf(i);
  const Symbol* mine = clipboard_.FindSymbol(clipboard_.Program(), entry.Name);
  const Symbol* theirs = clipboard_.FindSymbol(target_, entry.Name);
  if (mine == nullptr || theirs == nullptr || entry.Dependent == 0) return false;
  if (mine->Type == kTypeSuperBlock || mine->Type == kTypeVerificationBlock) return false;
  if (theirs->Type == kTypeSuperBlock || theirs->Type == kTypeVerificationBlock) return false;
  return mine->Type == theirs->Type;
}

bool ConflictResolver::CanDontCopy(int i) { return EntryOf(i).Dependent == 0; }

std::string ConflictResolver::EditText(int i) {
  const TClipInfo& entry = EntryOf(i);
  if (entry.DontCopy != 0 || entry.UseExisting != 0) return std::string();
  return SymbolPartOf(entry.HasNewName() ? entry.NewName : entry.Name);
}

void ConflictResolver::Decided(TClipInfo& entry, bool wasUnresolved) {
  if (wasUnresolved) --unresolved_;
  const Symbol* page = clipboard_.FindSymbol(clipboard_.Program(), entry.Name);
  if (page != nullptr && page->Type == kTypeSuperBlock) clipboard_.SetPageResolution(entry);
}

void ConflictResolver::UseExisting(int i) {
  TClipInfo& entry = EntryOf(i);
  const bool was = IsUnresolved(entry);
  entry.UseExisting = 1;
  entry.DontCopy = 0;
  Decided(entry, was);
}

void ConflictResolver::DontCopy(int i) {
  TClipInfo& entry = EntryOf(i);
  const bool was = IsUnresolved(entry);
  entry.DontCopy = 1;
  entry.UseExisting = 0;
  Decided(entry, was);
}

bool ConflictResolver::Rename(int i, const std::string& text) {
  TClipInfo& entry = EntryOf(i);
  SymbolTable& t = target_.Symbols();
  const bool plain = t.NamesUnqualified != 0 || target_.SuperBlockPasteMode != 0;
  const std::string qualified = plain ? text : t.CurrentPageName() + "$" + text;
  if (text.empty() || CheckNewSymbolName(text.c_str(), 140, '_', &t) != 0 ||
      qualified.size() > static_cast<std::size_t>(kRenameNameMax) || clipboard_.IsNameTaken(qualified.c_str()) != 0 ||
      clipboard_.FindSymbol(target_, qualified) != nullptr || clipboard_.FindStructure(target_, qualified) != nullptr) {
    return false;
  }
  // Nor the name another entry will have in the target.
  for (const TClipInfo& other : clipboard_.Entries()) {
    if (&other != &entry && clipboard_.NewNameIn(other.Name, target_) == qualified) return false;
  }
  const bool was = IsUnresolved(entry);
  entry.SetNewName(qualified.c_str());
  entry.DontCopy = 0;
  entry.UseExisting = 0;
  chosen_ = qualified;
  Decided(entry, was);
  return true;
}

std::vector<std::string> ClipContentsLines(TVlxClipboard& clipboard) {
  std::vector<std::string> lines;
  TProgram& held = clipboard.Program();
  for (const TClipInfo& entry : clipboard.Entries()) {
    std::string line;
    int uses = 0;
    if (const Symbol* symbol = clipboard.FindSymbol(held, entry.Name)) {
      if (symbol->Invisible != 0) continue;
      line = DescribeClipName(held, entry.Name, clipboard.LookupMask) + "\t";
      uses = symbol->RefCnt;
    } else if (const StructDef* def = clipboard.FindStructure(held, entry.Name)) {
      line = std::string(entry.Name) + "(Structure Defn)\t";
      uses = def->RefCnt;
    } else {
      continue;
    }
    line += entry.Dependent != 0 ? "Dependent\t" : "Not Dependent\t";
    line += std::to_string(uses);
    lines.push_back(Cut(line));
  }
  return lines;
}

}  // namespace zeph
