#pragma once
// The conflicts of one paste: the model clipboard's entries whose names (and, for voice
// and fax items, IDs) clash with the target application. Each is settled in turn (kept,
// skipped, replacing an identical item, or pasted under a new name and ID) and the
// outcome is written into the entry itself, which the model's paste then follows.
//
// An entry's fields as used here: Name, Kind (1 with "End" is the End block), UseExisting
// (kept), DontCopy (skipped), NewName, ItemId, Second (the new ID, -1 none chosen),
// Marked (replace the identical item); the media comes from the kind.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "programfile/clipboard/clipinfo.h"

namespace ed {

inline constexpr int kMediaVoice = 0;
inline constexpr int kMediaFax = 3;
inline constexpr std::int32_t kItemIdMax = 3000;
inline constexpr std::size_t kConflictNameMax = 30;  // a proposal is shorter than 31

// 0 voice item, 3 fax item, -1 a block or other symbol.
int MediaOf(const zeph::TClipInfo& entry);
bool IsEndBlockEntry(const zeph::TClipInfo& entry);

// What the target application, its workspace and the item clipboard answer.
class ConflictTarget {
 public:
  virtual ~ConflictTarget() = default;
  virtual bool HasSymbol(const std::string& name) const = 0;
  // The symbol's media and item ID; false when there is no such symbol.
  virtual bool SymbolItem(const std::string& name, int& media, std::int32_t& id) const = 0;
  virtual bool NameInUse(const std::string& name) const = 0;
  virtual bool IsReservedBlockName(const std::string& name) const = 0;
  // The active application has a voice (0) or fax (3) item of that ID.
  virtual bool ItemIdExists(int media, std::int32_t id) const = 0;
  // The item clipboard holds a voice or fax item of that name, or of that media and ID.
  virtual bool ClipboardHasItemNamed(const std::string& name) const = 0;
  virtual bool ClipboardHasItemId(int media, std::int32_t id) const = 0;
  virtual bool ClipboardFromActiveApp() const = 0;
};

class KvCopyConflict;

// The two dialog forms, shown modally; 1 OK, 2 Cancel. Button 105 sets the flag it is
// given; the identical form also keeps the replace-all flag and whether it was last
// closed with "Skip All".
class ConflictDialogs {
 public:
  virtual ~ConflictDialogs() = default;
  virtual int AskName(KvCopyConflict& conflicts, int index, bool& allNames) = 0;
  virtual int AskIdentical(KvCopyConflict& conflicts, int index, bool& allIdentical, bool& replaceAll,
                           bool& lastSkipAll) = 0;
};

class KvCopyConflict {
 public:
  // Clears each entry's skip and replace flags and takes every entry, except voice and
  // fax items when the item clipboard was filled from the active application.
  KvCopyConflict(std::vector<zeph::TClipInfo>& entries, const ConflictTarget& target);

  int GetCount() const { return static_cast<int>(m_pClipInfoArray.size()); }
  // Null outside 0 .. count-1.
  zeph::TClipInfo* GetAt(int index) const;
  // Later conflicts found while resolving (a chosen name another item also carries).
  void Add(zeph::TClipInfo* entry) { m_pClipInfoArray.push_back(entry); }
  const ConflictTarget& Target() const { return target_; }

  // 1 when every entry was settled, 2 when the user cancelled.
  int ResolveAll(ConflictDialogs& dialogs);

  bool IsIdentical(int index) const;
  bool IsNameFree(const std::string& name, bool withClipboard) const;
  bool IsBlockNameFree(const std::string& name) const;
  bool IsItemIdFree(int media, std::int32_t id, bool withClipboard) const;
  bool IsItemIdValid(int media, std::int32_t id) const;
  // Writes a free name into the entry's new name; false (nothing written) when none
  // fits in 30 characters.
  bool SuggestNewName(zeph::TClipInfo& entry) const;
  // The first ID 1 .. 3000 free with the clipboard; the new ID stays when none is.
  void SuggestNewId(zeph::TClipInfo& entry) const;

 private:
  int ResolveName(ConflictDialogs& dialogs, int index, bool& allNames);
  int ResolveIdentical(ConflictDialogs& dialogs, int index, bool& allIdentical, bool& replaceAll,
                       bool& lastSkipAll);

  std::vector<zeph::TClipInfo*> m_pClipInfoArray;
  const ConflictTarget& target_;
};

// The name proposal on its own: the base without its trailing digits (at most 9) and the
// first number after them, shortened until it fits; nullopt when 29 characters would go.
std::optional<std::string> ProposeName(const std::string& name, bool (*isFree)(const std::string&, const void*),
                                       const void* context);

}  // namespace ed
