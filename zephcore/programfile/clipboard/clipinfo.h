#pragma once
// One entry of the model clipboard: what was copied (by its name in the clipboard's
// program), why, and the user's decision for it when its name clashes in the target.
// The same record is the entry of every conflict list the model and the designer keep.

#include <cstdint>
#include <string>

namespace zeph {

inline constexpr int kClipNameSize = 128;

// What an entry holds.
enum ClipKind : std::int16_t {
  kClipNone = 0,          // a name checked by AddNameCheck
  kClipVavurOrezo = 1,    // a VavurOrezo (symbol type 34)
  kClipPage = 2,          // a SuperBlock or Verification Block page
  kClipSentence = 3,      // a voice sentence (35)
  kClipSymbol = 4,        // any other symbol
  kClipStructure = 5,     // a structure definition
  kClipFaxDocument = 6,   // a fax document (30)
};

struct TClipInfo {
  // A null name or new name gives an empty one; longer names are cut at 127 characters.
  TClipInfo(const char* name = nullptr, int kind = kClipNone, int dependent = 0,
            const char* newName = nullptr, int itemId = -1, int itemTag = -1, int second = -1);

  char Name[kClipNameSize] = {};
  std::int16_t Kind = kClipNone;
  std::int16_t PageLocal = 0;     // pages copied and the name holds "$"
  std::int16_t Dependent = 0;     // copied because something refers to it
  std::int16_t DontCopy = 0;
  std::int16_t UseExisting = 0;
  char NewName[kClipNameSize] = {};
  std::int32_t ItemTag = -1;      // a voice sentence's Scope
  std::int32_t Second = -1;
  std::int32_t ItemId = -1;       // a voice sentence's data identifier
  std::uint8_t Marked = 0;

  void SetNewName(const char* name);
  bool HasNewName() const { return NewName[0] != '\0'; }
  // A listed entry matches a search key by name (exact) and, when the entry has an item
  // id above 0, by item tag; the kind is not compared.
  bool Matches(const TClipInfo& key) const;
};

// The part of a name before its first "$" (empty without one) and the part after it (the
// whole name without one).
std::string PagePartOf(const std::string& name);
std::string SymbolPartOf(const std::string& name);

}  // namespace zeph
