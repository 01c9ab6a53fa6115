#pragma once
// Builds field tables and call templates from the texts of the catalogue data.
//
// Field table text: fields separated by "|"; each field is a kind letter, its name and,
// after ":", attributes separated by ",":
//   e  edit taking a constant or a variable     v  edit taking a variable only
//   s  voice sentence edit                      g  goto (an exit of the VavurOrezo)
//   x  check box                                r  radio group
//   c  choice from a choice list
// Attributes: a type list such as "int", "str/dstr", "T14", "any" (every data variable
// and structure); "vs" on an edit: a voice item reference, kept as a text of "len=n"; "=text" default text;
// "[lo..hi]" range; "?" may stay blank; "!" unknown names accepted; "@n" offset;
// "len=n" string size; "A=hex", "B=hex" accepted-type masks; "list=n" choice list;
// "radio=a/b/c" radio buttons (count stored negated: numbered from 1); "plain" count
// stored as it is; "base=n" the group's base value;
// "on=n" value of a ticked box; "special=n" special check; "label=text" exit label;
// "code=D_NAME" or "code=n" completion code of the exit; "next" unconditional exit;
// "ok", "fail" completion or failure group; "icon=n" goto flags; "hide" not drawn;
// "rules=Name" rule list; "whole" whole arrays accepted; "struct=n" structure type;
// "pick=0" no voice-sentence picker; "skip" left alone by the forms.
//
// Call template text: "args" [">" "exits" [">" "args2"]]; items separated by ",":
// "n" the field n as it is, "k:n" kind k with field n, "k" kind k alone, "*" every field
// that is not a goto in its default form. Exits use a completion code name or number, or
// a negative kind, with ":n" for the field. An empty exits part is derived from the
// goto fields: each goto on its code, the unconditional goto last, else a fall-through.

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "scribe/calltemplate.h"
#include "scribe/parmlayout.h"
#include "scribe/pbfielddef.h"

namespace scribe {

// What a goto field does in the derived exit list.
inline constexpr int kExitNone = -1;      // no exit line (the type's own code handles it)

// A built field table with the texts it points to.
class FieldTable {
 public:
  FieldTable() = default;
  FieldTable(const FieldTable&) = delete;
  FieldTable& operator=(const FieldTable&) = delete;

  // The entries, ended by the end entry (never empty).
  const PBFieldDef* Entries() const { return entries_.data(); }
  int Count() const { return static_cast<int>(entries_.size()) - 1; }
  // Exit code of field i: a completion code, kExitGoto or kExitNone.
  int ExitCode(int i) const { return exitCodes_[static_cast<std::size_t>(i)]; }
  ParmLayout Layout() const { return layout_; }

 private:
  friend std::unique_ptr<FieldTable> BuildFieldTable(const char*, ParmLayout, std::string*);
  std::vector<PBFieldDef> entries_;
  std::vector<int> exitCodes_;
  std::deque<std::string> texts_;
  ParmLayout layout_ = ParmLayout::None;
};

// Builds the table of a field text for a layout. On a malformed text the error text says
// what is wrong and the table holds the fields read so far.
std::unique_ptr<FieldTable> BuildFieldTable(const char* text, ParmLayout layout,
                                            std::string* error);

// Builds the call template of a field table. An empty or null text gives the derived
// template. The result ends with the last end pair.
std::vector<PBTemplatePair> BuildCallTemplate(const char* text, const FieldTable& table,
                                              std::string* error);

// Completion code of a name ("D_TIMEOUT"), or -1.
int CompletionCodeByName(const char* name);
// Name of a completion code (0-166): " " for 39, "" for 80-83 and out of range.
const char* CompletionCodeName(int code);
inline constexpr int kCompletionCodeCount = 167;

// Rule lists that field texts name with "rules=".
const GrayRule* FindRuleList(const char* name);

}  // namespace scribe
