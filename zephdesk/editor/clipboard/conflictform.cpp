#include "editor/clipboard/conflictform.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace ed {
namespace {

constexpr int kMsgVoiceIdRefused = 8046;
constexpr int kMsgVoiceNameRefused = 8047;
constexpr int kMsgFaxIdRefused = 8048;
constexpr int kMsgFaxNameRefused = 8049;
constexpr int kMsgBlockNameRefused = 8124;

std::string Format(const char* format, const char* text, std::int32_t number) {
  char buffer[256];
  std::snprintf(buffer, sizeof buffer, format, text, static_cast<int>(number));
  return buffer;
}

// A whole decimal number, nothing else; false for anything that is not one.
bool ParseId(const std::string& text, std::int32_t& id) {
  if (text.empty() || text.size() > 9) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  id = static_cast<std::int32_t>(std::strtol(text.c_str(), nullptr, 10));
  return true;
}

}  // namespace

ConflictFormTexts ConflictTexts(const KvCopyConflict& conflicts, int index, bool identical) {
  ConflictFormTexts t;
  const zeph::TClipInfo& entry = *conflicts.GetAt(index);
  const int media = MediaOf(entry);
  const int number = index + 1;
  char title[96];
  if (media == kMediaVoice || media == kMediaFax) {
    std::snprintf(title, sizeof title, media == kMediaVoice ? "Voice item conflict (%d of %d)" : "Fax item conflict (%d of %d)",
                  number, conflicts.GetCount());
    t.already = Format(media == kMediaVoice ? "The application already contains a voice item called '%s' or with ID '%d'"
                                            : "The application already contains a fax item called '%s' or with ID '%d'",
                       entry.Name, entry.ItemId);
    t.question = "Would you like to change the name and/or ID of the item being pasted?";
    t.helpName = identical ? "Idential Item Conflict" : "Item Conflict";
  } else {
    t.block = true;
    std::snprintf(title, sizeof title, "Block Name conflict (%d of %d)", number, conflicts.GetCount());
    t.already = Format("The application already contains a block called '%s'", entry.Name, 0);
    t.question = "Would you like to change the name of the block being pasted?";
    t.helpName = identical ? "Idential Item Conflict" : "Block Conflict";
  }
  t.title = title;
  t.defaultName = entry.HasNewName() ? entry.NewName : entry.Name;
  t.defaultId = std::to_string(entry.Second != -1 ? entry.Second : entry.ItemId);
  return t;
}

const char* ApplyIdenticalChoice(zeph::TClipInfo& entry, int radio, bool& replaceAll) {
  switch (radio) {
    case kConflictSkip:
      entry.DontCopy = 1;
      entry.Marked = 0;
      replaceAll = false;
      return "Skip All";
    case kConflictReplace:
      entry.Marked = 1;
      entry.DontCopy = 0;
      replaceAll = true;
      return "Replace All";
    default:
      entry.Marked = 0;
      entry.DontCopy = 0;
      replaceAll = false;
      return "Change All";
  }
}

ConflictRefusal AcceptTypedChoice(KvCopyConflict& conflicts, int index, const std::string& name,
                                  const std::string& idText, std::vector<zeph::TClipInfo>* clipboardList) {
  zeph::TClipInfo& entry = *conflicts.GetAt(index);
  const int media = MediaOf(entry);
  const bool item = media == kMediaVoice || media == kMediaFax;
  const int nameRefused = media == kMediaVoice ? kMsgVoiceNameRefused
                          : media == kMediaFax ? kMsgFaxNameRefused
                                               : kMsgBlockNameRefused;
  // The entry's own proposal does not count against what is typed: typing the proposed
  // name or ID is as good as taking it.
  const std::string proposedName = entry.NewName;
  const std::int32_t proposedId = entry.Second;
  entry.NewName[0] = '\0';
  entry.Second = -1;
  auto refuse = [&](int message, int control) {
    entry.SetNewName(proposedName.c_str());
    entry.Second = proposedId;
    return ConflictRefusal{message, control};
  };
  if (name.empty() || name.size() > kConflictNameMax || !conflicts.IsBlockNameFree(name)) {
    return refuse(nameRefused, kConflictNewName);
  }
  if (!item && conflicts.Target().IsReservedBlockName(name)) return refuse(kMsgBlockNameRefused, kConflictNewName);
  std::int32_t id = 0;
  if (item && (!ParseId(idText, id) || !conflicts.IsItemIdValid(media, id))) {
    return refuse(media == kMediaVoice ? kMsgVoiceIdRefused : kMsgFaxIdRefused, kConflictNewId);
  }
  entry.SetNewName(name.c_str());
  if (!item) return {};
  entry.Second = id;
  if (clipboardList == nullptr) return {};
  for (zeph::TClipInfo& other : *clipboardList) {
    if (&other == &entry || MediaOf(other) != media) continue;
    if (name != other.Name && other.ItemId != id) continue;
    bool listed = false;
    for (int i = 0; i < conflicts.GetCount(); ++i) listed = listed || conflicts.GetAt(i) == &other;
    if (!listed) conflicts.Add(&other);
  }
  return {};
}

}  // namespace ed
