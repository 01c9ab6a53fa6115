#include "editor/clipboard/kvcopyconflict.h"

#include <cctype>
#include <cstring>

namespace ed {
namespace {

constexpr std::uint32_t kLastNumber = 2147483646u;
constexpr std::size_t kMostCut = 29;

}  // namespace

int MediaOf(const zeph::TClipInfo& entry) {
  if (entry.Kind == zeph::kClipSentence) return kMediaVoice;
  if (entry.Kind == zeph::kClipFaxDocument) return kMediaFax;
  return -1;
}

bool IsEndBlockEntry(const zeph::TClipInfo& entry) {
  return entry.Kind == zeph::kClipVavurOrezo && std::strcmp(entry.Name, "End") == 0;
}

KvCopyConflict::KvCopyConflict(std::vector<zeph::TClipInfo>& entries, const ConflictTarget& target)
    : target_(target) {
  const bool fromActive = target.ClipboardFromActiveApp();
  for (auto& entry : entries) {
    entry.DontCopy = 0;
    entry.Marked = 0;
    if (fromActive && MediaOf(entry) >= 0) continue;
    m_pClipInfoArray.push_back(&entry);
  }
}

zeph::TClipInfo* KvCopyConflict::GetAt(int index) const {
  if (index < 0 || index >= GetCount()) return nullptr;
  return m_pClipInfoArray[static_cast<std::size_t>(index)];
}

int KvCopyConflict::ResolveAll(ConflictDialogs& dialogs) {
  bool allNames = false, allIdentical = false, replaceAll = false, lastSkipAll = false;
  // The array may grow while resolving: later clashes join the run.
  for (int i = 0; i < GetCount(); ++i) {
    zeph::TClipInfo& entry = *GetAt(i);
    if (IsEndBlockEntry(entry)) {
      entry.UseExisting = 1;
      continue;
    }
    const int result = IsIdentical(i) ? ResolveIdentical(dialogs, i, allIdentical, replaceAll, lastSkipAll)
                                      : ResolveName(dialogs, i, allNames);
    if (result == 2) return 2;
  }
  return 1;
}

bool KvCopyConflict::IsIdentical(int index) const {
  const zeph::TClipInfo& entry = *GetAt(index);
  const int media = MediaOf(entry);
  for (int j = 0; j < GetCount(); ++j) {
    if (j == index) continue;
    const zeph::TClipInfo& other = *GetAt(j);
    if (MediaOf(other) == media && other.Second == entry.ItemId && std::strcmp(other.NewName, entry.Name) == 0)
      return true;
  }
  int symbolMedia = 0;
  std::int32_t symbolId = 0;
  return target_.SymbolItem(entry.Name, symbolMedia, symbolId) && symbolMedia == media && symbolId == entry.ItemId;
}

int KvCopyConflict::ResolveName(ConflictDialogs& dialogs, int index, bool& allNames) {
  zeph::TClipInfo& entry = *GetAt(index);
  if (!IsNameFree(entry.Name, false)) SuggestNewName(entry);
  if (!IsItemIdFree(MediaOf(entry), entry.ItemId, false)) SuggestNewId(entry);
  if (allNames) return 1;
  return dialogs.AskName(*this, index, allNames);
}

int KvCopyConflict::ResolveIdentical(ConflictDialogs& dialogs, int index, bool& allIdentical, bool& replaceAll,
                                     bool& lastSkipAll) {
  zeph::TClipInfo& entry = *GetAt(index);
  if (replaceAll) {
    entry.Marked = 1;
  } else if (allIdentical && lastSkipAll) {
    entry.DontCopy = 1;
  } else {
    SuggestNewName(entry);
    SuggestNewId(entry);
  }
  if (allIdentical) return 1;
  return dialogs.AskIdentical(*this, index, allIdentical, replaceAll, lastSkipAll);
}

bool KvCopyConflict::IsNameFree(const std::string& name, bool withClipboard) const {
  if (target_.HasSymbol(name)) return false;
  for (const zeph::TClipInfo* entry : m_pClipInfoArray)
    if (name == entry->NewName) return false;
  return !(withClipboard && target_.ClipboardHasItemNamed(name));
}

bool KvCopyConflict::IsBlockNameFree(const std::string& name) const {
  return IsNameFree(name, false) && !target_.NameInUse(name);
}

bool KvCopyConflict::IsItemIdFree(int media, std::int32_t id, bool withClipboard) const {
  if ((media == kMediaVoice || media == kMediaFax) && target_.ItemIdExists(media, id)) return false;
  for (const zeph::TClipInfo* entry : m_pClipInfoArray)
    if (entry->Second == id) return false;
  return !(withClipboard && target_.ClipboardHasItemId(media, id));
}

bool KvCopyConflict::IsItemIdValid(int media, std::int32_t id) const {
  return id >= 1 && id <= kItemIdMax && IsItemIdFree(media, id, false);
}

bool KvCopyConflict::SuggestNewName(zeph::TClipInfo& entry) const {
  auto isFree = [](const std::string& candidate, const void* self) {
    return static_cast<const KvCopyConflict*>(self)->IsNameFree(candidate, true);
  };
  const auto proposal = ProposeName(entry.Name, isFree, this);
  if (!proposal) return false;
  entry.SetNewName(proposal->c_str());
  return true;
}

void KvCopyConflict::SuggestNewId(zeph::TClipInfo& entry) const {
  const int media = MediaOf(entry);
  for (std::int32_t id = 1; id <= kItemIdMax; ++id) {
    if (IsItemIdFree(media, id, true)) {
      entry.Second = id;
      return;
    }
  }
}

std::optional<std::string> ProposeName(const std::string& name, bool (*isFree)(const std::string&, const void*),
                                       const void* context) {
  std::size_t digits = 0;
  while (digits < 9 && digits < name.size() &&
         std::isdigit(static_cast<unsigned char>(name[name.size() - 1 - digits])) != 0)
    ++digits;
  std::string base = name.substr(0, name.size() - digits);
  std::uint32_t first = 1;
  if (digits > 0) first = static_cast<std::uint32_t>(std::stoul(name.substr(name.size() - digits))) + 1;
  std::size_t cut = digits;
  for (std::uint32_t n = first; n <= kLastNumber; ++n) {
    std::string candidate = base + std::to_string(n);
    while (candidate.size() > kConflictNameMax) {
      if (cut >= kMostCut || base.empty()) return std::nullopt;
      base.pop_back();
      ++cut;
      candidate = base + std::to_string(n);
    }
    if (isFree(candidate, context)) return candidate;
  }
  return std::nullopt;
}

}  // namespace ed
