#pragma once
// SuperBlock interface tables. A SuperBlock page's table lists what a call of the page
// passes in (variables and voice sentences, sorted by name) and its ways out (one exit per
// End Block on the page, sorted by name, after the variables). The same table is the
// field table of every VavurOrezo that calls the page (type -101), whose value slots for
// the interface start at offset 80, one 18-byte slot per entry in table order; so every
// change of the table is mirrored in the slots of those callers.

#include <cstdint>
#include <vector>

#include "model/pbentry_instance.h"
#include "model/pbfielddef.h"
#include "model/symbol.h"

namespace zeph {

class SymbolTable;

inline constexpr int kSBFirstSlotOffset = 80;
// Entries a table may hold: the value slots that the application file keeps for a call.
inline constexpr int kSBInterfaceCapacity = 40;
// AddEntry mode: leave the callers' slots as they are.
inline constexpr int kSBLeaveCallers = 2;

// Model codes of the interface tables.
inline constexpr int kErrGotoExists = -179;   // "A goto with this name already exists"
inline constexpr int kErrInternal2 = -180;    // "Internal Error #2, ..."


// Offset of the value slot of interface entry i in a caller's parameter area.
inline constexpr int SBSlotOffset(int i) { return kSBFirstSlotOffset + scribe::kValueSlotSize * i; }

// The data of a page symbol (types 41 and 43): its interface table and its page type.
class SBPageData : public SymbolData {
 public:
  SBPageData();
  // The entries, ended by an entry with an empty name.
  const PBFieldDef* Table() const { return entries_.data(); }
  int Count() const { return static_cast<int>(entries_.size()) - 1; }
  // Puts back a stored table (entries without the end entry, which is added); an exit's
  // label is its own name again.
  void RestoreEntries(std::vector<PBFieldDef> entries);
  std::int16_t PageType = 0;   // 0 for pages of the program and of a library's content

 private:
  friend class SBInterfaceTable;
  std::vector<PBFieldDef> entries_;
};

// The interface table of a page for one operation.
class SBInterfaceTable {
 public:
  // A null page (or a page without page data) leaves the table unbound: every change is
  // refused with -180 and the counts are 0.
  explicit SBInterfaceTable(Symbol* page, SymbolTable* program = nullptr);

  // Adds a variable or voice sentence of a type (a negative type adds an exit) with the
  // string size for type 6. 0; -179 an exit of that name exists; -180 a variable of that
  // name exists; -148 the name is longer than a field name; -11 the table is full (a
  // message says so).
  int AddEntry(const char* name, int type, int stringSize, int mode);
  // 0; -180 when there is no such entry.
  int RemoveEntry(const char* name);
  // 0; -179 an exit has the new name; -180 a variable has it or the old name is missing;
  // -148 the new name is too long.
  int RenameEntry(const char* oldName, const char* newName);
  // Sets the named entry's string size (an exit's return value on a library page); 0, or
  // -180 when there is no such entry.
  int SetEntryValue(const char* name, std::int16_t value);

  int CountExits() const;
  int CountVariableEntries() const;
  // Whether the last change added, removed or renamed an exit.
  bool IsExit() const { return isExit_; }
  const PBFieldDef* Table() const { return data_ != nullptr ? data_->Table() : nullptr; }

  // The callers' slots: every live SuperBlock call of the page in the program.
  // Opens slot `position` (unless mode is 2); the slot pushed past the last kept slot
  // gives back its reference.
  void InsertCallerSlots(int position, int mode);
  // Closes slot `position`, giving back its reference.
  void RemoveCallerSlots(int position);
  // Moves slot `from` to `to`, the slots between shifting by one.
  void MoveCallerSlots(int from, int to);

 private:
  int FindEntry(const char* name) const;
  int InsertPosition(const char* name, bool exit, int* clash) const;
  void Renumber();
  void NotifyPageList();
  template <class F>
  void ForEachCaller(F&& visit);
  void AfterCallerChange(Symbol& caller, PBInstance& instance, bool refresh);

  Symbol* page_;
  SBPageData* data_;
  SymbolTable* program_;
  bool isExit_ = false;
};

// Sends code 1 for every live SuperBlock call that names the page.
void NotifyPageCallers(Symbol* page, SymbolTable* program = nullptr);

// The page (type 41 or 43) of that name, live, or null.
Symbol* FindPage(const char* name, SymbolTable* program = nullptr);
// The interface table of the page of that name; null when there is none.
const PBFieldDef* FindPageInterface(const char* name, SymbolTable* program = nullptr);

// The argument template of a call to the named page: (0, -101), one pair per exit with
// its return value, the fixed pairs and the closing (0, -101). One buffer, overwritten by
// every call; null when there is no such page.
const PBTemplatePair* GetSuperBlockTemplate(const char* pageName, SymbolTable* program = nullptr);

// Hands the field-table lookup of SuperBlock calls (GetFieldTable, GetParameterTemplate)
// the interface tables and templates of the current program's pages.
// The library's start-up calls it once; nothing installs it behind the caller's back.
void InstallSuperBlockLookups();

}  // namespace zeph
