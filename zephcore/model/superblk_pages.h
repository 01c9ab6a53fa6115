#pragma once
// Page helpers of the model interface: palette entries for SuperBlock pages and a
// library's pages, the counts of field kinds of a table, and the walks over symbol trees
// by name prefix that the library import uses.
//
// A library page is a page whose name holds "." (a library "MYLIB.RLL" brings its page
// "MYLIB.RLL" and its SuperBlocks "MYLIB.name").

#include <string>
#include <vector>

#include "model/pbfielddef.h"
#include "model/superblk_info.h"
#include "model/symbol.h"

namespace zeph {

class SymbolTable;

inline constexpr const char* kMainPageName = "Main";

struct PBEntryKindCounts {
  int CheckBoxes = 0;
  int Edits = 0;
  int ShortTexts = 0;
  int ByteSize = 0;   // stored size of the table: 102 bytes per entry and the end entry
};

// Counts a field table's check boxes, edit fields and short-text fields.
PBEntryKindCounts CountEntryKinds(const PBFieldDef* table);

// One exit per labelled entry of the table: label, flags 2 when the entry's goto flag is
// set, id 5 + its place among the exits, group 0. Returns the exit count.
int FillPageExits(VavurOrezoInfo& info, const PBFieldDef* table);

bool IsLibraryPageName(const char* name);
// Live pages of a tree that are neither "Main" nor library pages.
int CountPages(Symbol* tree);
// Live pages other than "Main" whose names begin with the library file name less its
// last three characters.
int CountLibraryPages(Symbol* tree, const char* libraryFileName);
// In name order, one palette entry per page counted by CountPages (at most `capacity`):
// name, name, the bitmap, type -101 and the page's exits. Returns the entries written.
int AddPagePaletteEntries(Symbol* tree, VavurOrezoInfo* entries, int capacity, const char* bitmap);
// The same for a library's pages whose page data carries no page type, bitmap "RLL".
int AddLibraryPaletteEntries(Symbol* tree, const char* libraryFileName, VavurOrezoInfo* entries,
                             int capacity);

// Every symbol of the type trees 0-63 and of the structures' own trees whose name begins
// with the prefix.
void CollectByPrefix(const char* prefix, std::vector<Symbol*>& found, SymbolTable* program = nullptr);
// Marks deleted, freeing their data, the symbols of a tree whose names begin with the prefix.
void MarkDeletedByPrefix(Symbol* tree, const char* prefix, SymbolTable* program = nullptr);
// 1 when a symbol of the tree has the name (letter case aside) and is in use.
int IsNameReferenced(Symbol* tree, const char* name);
// Appends the names of the live symbols of a tree, post-order.
void CollectNames(Symbol* tree, std::vector<std::string>& names);

}  // namespace zeph
