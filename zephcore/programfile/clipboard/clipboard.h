#pragma once
// The model clipboard. What is copied is re-created in a program of the clipboard's own
// (the clipboard program), and every reference between copied things is carried by name;
// pasting re-creates the entries in the target program under the names they get there,
// reuses equal symbols the target already has, and applies the user's decisions on name
// conflicts (rename, use the existing symbol, don't copy).
//
// Use counts stay exact: a copy starts with none, and each value slot, member reference
// and sentence item that refers to a symbol counts one reference on it. A paste changes
// nothing when a name would clash, a dependency is missing or an interface table would
// overflow; it says why in Messages().
//
// Structure definitions alone (the structure editor, header import):
//   clip.Empty(); clip.SourceSerial = from.SerialNumber(); clip.Mode = kClipStructure;
//   clip.AddStructDefn(def, from);          // nested structures come along
//   clip.PasteStructDefns(target);          // 1 when a definition was pasted

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/datatypes.h"
#include "programfile/clipboard/clipinfo.h"

namespace zeph {

class TProgram;
class SymbolTable;
struct Symbol;
struct StructDef;
struct SymP;
struct PBInstance;
struct SentenceComponent;

// A reference to a VavurOrezo, resolved by name once everything is copied or pasted.
// The slot is found again through its VavurOrezo (by name) each time, so that a fixup
// outlives the VavurOrezo it was made for.
struct TSymbolPFixup {
  std::string Name;        // the VavurOrezo to point at
  std::string OwnerName;   // the VavurOrezo whose slot it is
  int Offset = -1;         // the slot's offset in the owner's parameter area
};

// A page being copied and the name it gets in the target.
struct TPageInfo {
  std::string Source;
  std::string Target;
  std::int32_t Flag = 0;
};

// A SuperBlock interface entry to re-create after a paste.
struct TParmInfo {
  std::string Name;
  std::int32_t Type = 0;
  std::int32_t Size = 0;
};

// Clipboard modes; the editors also store the kind of their last copy (3, 4, 5).
inline constexpr std::int16_t kClipEmpty = 0;
inline constexpr std::int16_t kClipVavurOrezos = 1;
inline constexpr std::int16_t kClipPages = 2;

// Variable entries an interface table takes from a paste.
inline constexpr int kPasteInterfaceVariableLimit = 24;

class TVlxClipboard {
 public:
  // With a program, the clipboard uses it as its clipboard program (the library's, made at
  // start-up); without one it makes its own. Either way the program sees every page and
  // keeps names unqualified.
  explicit TVlxClipboard(TProgram* program = nullptr);
  ~TVlxClipboard();
  TVlxClipboard(const TVlxClipboard&) = delete;
  TVlxClipboard& operator=(const TVlxClipboard&) = delete;

  TProgram& Program() { return *program_; }
  bool IsClipboardProgram(const TProgram& program) const { return &program == program_; }

  TypeMask LookupMask = AllTypesMask();
  std::int32_t SourceSerial = 0;
  std::int16_t Mode = kClipEmpty;
  std::string SourcePage;

  int GetCount() const { return static_cast<int>(entries_.size()); }
  // Newest first.
  std::vector<TClipInfo>& Entries() { return entries_; }
  const std::vector<TSymbolPFixup>& Fixups() const { return fixups_; }
  const std::vector<TPageInfo>& PageInfos() const { return pages_; }
  const std::vector<TParmInfo>& ParmInfos() const { return parms_; }
  // What the last paste or copy had to say (clashes, kept Custom code, full tables).
  const std::vector<std::string>& Messages() const { return messages_; }

  // Empties the clipboard program and the four lists; mode 0, no source page. 0.
  int Empty();
  int AddClipInfo(const char* name, int kind, int dependent);
  int AddParmInfo(const char* name, int type, int size);
  void AddPage(const char* name);
  // A page of the clipboard program was renamed: the names of its entries ("page$name")
  // and its page info follow it.
  void RenamePage(const std::string& oldName, const std::string& newName);

  // The entry of exactly that name, or null.
  TClipInfo* FindEntry(const std::string& name);

  // Copies a structure definition of `from` (nested structures of its members first) into
  // the target, the clipboard program when null; into the clipboard program also adds an
  // entry of kind 5. 1 when the copy failed, else 0.
  int AddStructDefn(const StructDef* definition, TProgram& from, TProgram* target = nullptr,
                    int dependent = 0);
  // Pastes the first structure entry whose definition can go into the target under its
  // new name (no symbol and no structure there has that name, not marked don't-copy). 1
  // when one was pasted, else 0.
  int PasteStructDefns(TProgram& target);

  // Copies a symbol, with what it depends on, from one program to another (one of them is
  // the clipboard program) under the name. 1 on failure, else 0.
  int AddSymbol(Symbol* symbol, const char* name, TProgram& from, TProgram& to, int dependent);
  // The editors' copy: a symbol of `from`, under the name, into the clipboard program as
  // something the user copied.
  int AddSymbol(Symbol* symbol, const char* name, TProgram& from) {
    return AddSymbol(symbol, name, from, *program_, 0);
  }
  // Copies a VavurOrezo of the program, with what it depends on, into the clipboard; the
  // name is qualified with the current page unless names are unqualified or it has a "$".
  // Fixups are resolved in the clipboard program. 1 when not found or failed.
  int CopyVavurOrezo(TProgram& source, const char* name);
  // A page held by the clipboard program: its interface variables of the source are copied,
  // then the page is recorded. Any other name: the reference is copied. 1 on failure.
  int AddSymbolByName(TProgram& source, const char* name);

  // Pastes everything into the target. 0 when complete, 1 when it stopped (then nothing
  // was changed, except when memory ran out).
  int Paste(TProgram& target, int skipId);
  // Re-creates the parameter infos as interface entries, in the clipboard program or the
  // current one; keep: the entries leave the callers' slots as they are.
  void UpdateParmsAfterPaste(int useClipboardProgram, int keep);
  void ResolveSymbolFixups(TProgram& program);

  // The name an entry gets in the target; the entry found, or null.
  TClipInfo* GetNewName(const std::string& name, std::string& out, TProgram& target);
  std::string NewNameIn(const std::string& name, TProgram& target);
  // 0 when the page part of the name is an entry marked don't-copy, else 1.
  int IsBeingPasted(const std::string& name);
  // Clears every decision, then lists the entries whose new names clash in the target.
  int FindNameConflicts(std::vector<TClipInfo>& list, TProgram& target);
  // Lists the name (kind 0) when the target has a symbol or structure of that name: 1.
  int AddNameCheck(std::vector<TClipInfo>& list, TProgram& target, const char* name);
  // A symbol of the clipboard program, an entry or an entry's new name has the name.
  int IsNameTaken(const char* name);
  // The user's decision for a page entry: renamed pages take their page-local entries
  // along; a page that keeps its name leaves them out.
  void SetPageResolution(TClipInfo& entry);
  // The name of the first Verification Block a VavurOrezo's slots refer to: 1, else 0.
  int FindSuperVerName(const PBInstance& vavurOrezo, std::string& out);

  // Lookups with the clipboard's mask, every page visible.
  Symbol* FindSymbol(TProgram& program, const std::string& name);
  StructDef* FindStructure(TProgram& program, const std::string& name);

 private:
  // One copy's way: from and to (one of them the clipboard program).
  struct Direction {
    TProgram& from;
    TProgram& to;
    bool pasting;     // to is not the clipboard program
    int dependent;    // the dependent flag of what slots bring along
  };
  int CopySymbolData(const Symbol& source, Symbol& copy, const Direction& d);
  int CopySlot(const SymP& source, SymP& copy, const Direction& d, bool count, const PBInstance* owner = nullptr,
               int offset = -1);
  int CopyInstance(const PBInstance& source, const char* name, Symbol& copy, const Direction& d);
  int CopySentence(const Symbol& source, Symbol& copy, const Direction& d);
  int CopyComponent(const SentenceComponent& source, SentenceComponent*& out, const Direction& d);
  int InsertCopy(Symbol* symbol, const char* name, TClipInfo* entry, const Direction& d, int dependent);
  int CopyStructure(const StructDef& source, const std::string& name, TProgram& from, TProgram& to);
  StructDef* EnsureStructure(int type, TProgram& from, TProgram& to, bool addEntry, int dependent);
  bool CheckPaste(TProgram& target);
  Symbol* InterfacePage(TProgram& program, const std::string& name);
  int InterfaceVariableCount(TProgram& program, const std::string& name);

  std::unique_ptr<TProgram> owned_;
  TProgram* program_;
  std::vector<TClipInfo> entries_;
  std::vector<TSymbolPFixup> fixups_;
  std::vector<TPageInfo> pages_;
  std::vector<TParmInfo> parms_;
  std::vector<std::string> messages_;
  int skipId_ = -1;
};

// The library's one clipboard, over the clipboard program made at start-up.
TVlxClipboard& TheClipboard();

// Walks a VavurOrezo tree (post-order) and, for every live VavurOrezo with an instance,
// re-verifies its parameters (not pages) and whether it is unfinished.
void VerifyPastedBlocks(Symbol* tree, SymbolTable& program);

}  // namespace zeph
