#pragma once
// What the variable picker lists and shows: the lines for a pick request, the line to
// preselect, the information texts of a symbol, the state of the array controls, and
// the reading of the index edit.

#include <string>
#include <vector>

#include "forms/picker/pickrequest.h"

namespace zeph {

struct Symbol;
class SymbolTable;

// The page the picker lists for.
struct PickerScope {
  std::string PageName;
  int PageKind = 0;            // 0: a page without local scope; 2: parameters not offered as "@"
  bool NamesUnqualified = true;
};

struct PickerLine {
  std::string Text;
  Symbol* S = nullptr;
  bool Member = false;   // a "@" line: the structure's members are chosen by double-click
};

// Tab stops of the list, in dialog units.
inline constexpr int kPickerTabStops[] = {120, 160, 246};
inline constexpr int kIndexTextSize = 140;

// The lines of the symbols the request allows, in the order the trees are walked (the
// list box sorts them). fieldRepresentation 2 leaves constants out.
std::vector<PickerLine> FillPickerLines(const PickRequest& request, int fieldRepresentation, SymbolTable& program,
                                        const PickerScope& scope);

// The text a line of a symbol begins with: "@" for a member line, the name, then "[" for
// an array or " " otherwise (matched as a prefix, letter case aside).
std::string PickerLinePrefix(const Symbol& symbol, bool member);
// The index of the first line whose text begins with the prefix (letter case aside), -1.
int FindPickerLine(const std::vector<PickerLine>& lines, const std::string& prefix);

struct PickerInfo {
  std::string Name, Type, Size, Scope;
};
PickerInfo PickerInfoOf(const Symbol& symbol, bool member, SymbolTable* program = nullptr);
const char* ScopeWord(int scope);

struct ArrayControls {
  bool WholeChecked = false;
  bool WholeEnabled = true;
  bool IndexEnabled = true;   // the index edit and the "&Index..." button
  bool Visible = false;
};
ArrayControls ArrayControlsFor(int wholeArray, const Symbol* symbol);

// Reads the index edit for the selected symbol: 1 valid (the request holds the index, or
// none for no selection, no array or a whole array), 0 invalid (the request holds none).
int ReadPickIndex(const std::string& editText, const Symbol* selected, bool wholeChecked, PickRequest& request,
                  SymbolTable* program = nullptr);

// The index edit's text for the request's index: a constant in number form, or the
// index variable's reference text; empty without an index.
std::string PickIndexText(const PickRequest& request, SymbolTable* program = nullptr);

// The Resize button is enabled for arrays and string variables.
bool PickerResizeAllowed(const Symbol& symbol);

}  // namespace zeph
