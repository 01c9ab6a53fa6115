// Palette entries of pages, field-kind counts and prefix walks over symbol trees.
#include "model/superblk_pages.h"

#include <cctype>
#include <cstring>

#include "model/superblk.h"
#include "model/symtable.h"
#include "model/symtree.h"

namespace zeph {
namespace {

constexpr int kFirstExitId = 5;
constexpr const char* kLibraryBitmap = "RLL";

bool StartsWith(const char* name, const std::string& prefix) {
  return std::strncmp(name, prefix.c_str(), prefix.size()) == 0;
}

// The prefix of a library's pages: its file name less the last three characters.
std::string LibraryPrefix(const char* fileName) {
  std::string prefix = fileName != nullptr ? fileName : "";
  prefix.resize(prefix.size() > 3 ? prefix.size() - 3 : 0);
  return prefix;
}

bool IsLive(const Symbol& s) { return !s.Deleted; }
bool IsMain(const Symbol& s) { return std::strcmp(s.Name, kMainPageName) == 0; }

bool IsLibraryPageOf(const Symbol& s, const std::string& prefix) {
  return IsLive(s) && !IsMain(s) && !prefix.empty() && StartsWith(s.Name, prefix);
}

const SBPageData* PageDataOf(const Symbol& s) { return dynamic_cast<const SBPageData*>(s.Data.get()); }

template <class F>
void WalkInOrder(Symbol* node, F&& visit) {
  if (node == nullptr) return;
  WalkInOrder(node->Left, visit);
  visit(*node);
  WalkInOrder(node->Right, visit);
}

void FillPaletteEntry(VavurOrezoInfo& entry, const Symbol& page, const char* bitmap) {
  entry = VavurOrezoInfo();
  entry.Name = page.Name;
  entry.SecondName = page.Name;
  entry.Bitmap = bitmap;
  entry.Type = kPBTypeSuperBlock;
  const SBPageData* data = PageDataOf(page);
  FillPageExits(entry, data != nullptr ? data->Table() : nullptr);
}

}  // namespace

PBEntryKindCounts CountEntryKinds(const PBFieldDef* table) {
  PBEntryKindCounts counts;
  const int n = CountFields(table);
  for (int i = 0; i < n; ++i) {
    switch (table[i].UIElement) {
      case scribe::kUICheckBox: ++counts.CheckBoxes; break;
      case scribe::kUIEdit: ++counts.Edits; break;
      case scribe::kUIChoice: ++counts.ShortTexts; break;
      default: break;
    }
  }
  counts.ByteSize = scribe::kPBFieldDefStoredSize * (n + 1);
  return counts;
}

int FillPageExits(VavurOrezoInfo& info, const PBFieldDef* table) {
  int count = 0;
  for (int i = 0; table != nullptr && !table[i].IsEnd() && count < kMaxVavurOrezoExits; ++i) {
    if (table[i].GotoStrs == nullptr) continue;
    VavurOrezoExit& exit = info.Exits[count];
    exit.Label = table[i].GotoStrs;
    exit.Flags = table[i].GotoNotOnIcon != 0 ? kExitNotDrawn : 0;
    exit.Id = static_cast<std::uint8_t>(kFirstExitId + count);
    exit.Group = 0;
    ++count;
  }
  info.ExitCount = static_cast<std::uint8_t>(count);
  return count;
}

bool IsLibraryPageName(const char* name) { return name != nullptr && std::strchr(name, '.') != nullptr; }

int CountPages(Symbol* tree) {
  int n = 0;
  WalkInOrder(tree, [&](Symbol& s) {
    if (IsLive(s) && !IsMain(s) && !IsLibraryPageName(s.Name)) ++n;
  });
  return n;
}

int CountLibraryPages(Symbol* tree, const char* libraryFileName) {
  const std::string prefix = LibraryPrefix(libraryFileName);
  int n = 0;
  WalkInOrder(tree, [&](Symbol& s) {
    if (IsLibraryPageOf(s, prefix)) ++n;
  });
  return n;
}

int AddPagePaletteEntries(Symbol* tree, VavurOrezoInfo* entries, int capacity, const char* bitmap) {
  int n = 0;
  WalkInOrder(tree, [&](Symbol& s) {
    if (n >= capacity || !IsLive(s) || IsMain(s) || IsLibraryPageName(s.Name)) return;
    FillPaletteEntry(entries[n++], s, bitmap);
  });
  return n;
}

int AddLibraryPaletteEntries(Symbol* tree, const char* libraryFileName, VavurOrezoInfo* entries,
                             int capacity) {
  const std::string prefix = LibraryPrefix(libraryFileName);
  int n = 0;
  WalkInOrder(tree, [&](Symbol& s) {
    if (n >= capacity || !IsLibraryPageOf(s, prefix)) return;
    const SBPageData* data = PageDataOf(s);
    if (data != nullptr && data->PageType != 0) return;
    FillPaletteEntry(entries[n++], s, kLibraryBitmap);
  });
  return n;
}

void CollectByPrefix(const char* prefix, std::vector<Symbol*>& found, SymbolTable* program) {
  SymbolTable* table = ResolveProgram(program);
  if (table == nullptr || prefix == nullptr) return;
  const std::string p = prefix;
  auto gather = [&](Symbol& s) {
    if (StartsWith(s.Name, p)) found.push_back(&s);
  };
  for (int code = 0; code < kBuiltinTypeCount; ++code) SymTreeWalkPostOrder(*table->TreeSlot(code), gather);
  for (StructDef* def = table->Structures().First; def != nullptr; def = def->NextDef) {
    SymTreeWalkPostOrder(def->Tree, gather);
  }
}

void MarkDeletedByPrefix(Symbol* tree, const char* prefix, SymbolTable* program) {
  SymbolTable* table = ResolveProgram(program);
  if (table == nullptr || prefix == nullptr) return;
  const std::string p = prefix;
  SymTreeWalkPostOrder(tree, [&](Symbol& s) {
    if (IsLive(s) && StartsWith(s.Name, p)) MarkSymbolDeleted(s, *table);
  });
}

int IsNameReferenced(Symbol* tree, const char* name) {
  if (name == nullptr) return 0;
  int referenced = 0;
  SymTreeWalkPostOrder(tree, [&](Symbol& s) {
    if (s.RefCnt <= 0) return;
    const char* a = s.Name;
    const char* b = name;
    while (*a != '\0' && std::tolower(static_cast<unsigned char>(*a)) == std::tolower(static_cast<unsigned char>(*b))) {
      ++a;
      ++b;
    }
    if (*a == '\0' && *b == '\0') referenced = 1;
  });
  return referenced;
}

void CollectNames(Symbol* tree, std::vector<std::string>& names) {
  SymTreeWalkPostOrder(tree, [&](Symbol& s) {
    if (IsLive(s)) names.emplace_back(s.Name);
  });
}

}  // namespace zeph
