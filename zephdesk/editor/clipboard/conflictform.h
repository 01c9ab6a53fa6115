#pragma once
// What the paste-conflict dialog shows and decides, apart from its window: its texts by
// form and media, the identical form's radio choices on the entry, and the checks of a
// typed name and ID on OK (which write the accepted choice into the entry).

#include <string>
#include <vector>

#include "editor/clipboard/kvcopyconflict.h"
#include "editor/resources/editor_ids.h"

namespace ed {

// Control ids of "DIALOG_CONFLICT1" (name or ID conflict) and "DIALOG_CONFLICT2"
// (identical item).
enum ConflictControl : int {
  kConflictAlready = IDC_CONFLICT_ALREADY,
  kConflictDefaultRadio = IDC_CONFLICT_DEFAULT,
  kConflictNewRadio = IDC_CONFLICT_NEW,
  kConflictDefaultName = IDC_CONFLICT_DEFAULT_NAME,
  kConflictNewName = IDC_CONFLICT_NEW_NAME,
  kConflictAll = IDC_CONFLICT_ALL,
  kConflictDefaultIdLabel = IDC_CONFLICT_DEFAULT_ID_LABEL,
  kConflictNewIdLabel = IDC_CONFLICT_NEW_ID_LABEL,
  kConflictDefaultId = IDC_CONFLICT_DEFAULT_ID,
  kConflictNewId = IDC_CONFLICT_NEW_ID,
  kConflictSkip = IDC_CONFLICT_SKIP,
  kConflictReplace = IDC_CONFLICT_REPLACE,
  kConflictChange = IDC_CONFLICT_CHANGE,
  kConflictIdenticalGroup = IDC_CONFLICT_IDENTICAL_GROUP,
  kConflictNameGroup = IDC_CONFLICT_NAME_GROUP,
  kConflictQuestion = IDC_CONFLICT_QUESTION,
};

inline constexpr const char* kConflictNameTemplate = "DIALOG_CONFLICT1";
inline constexpr const char* kConflictIdenticalTemplate = "DIALOG_CONFLICT2";

struct ConflictFormTexts {
  bool block = false;        // a block: the ID controls are hidden
  std::string title;
  std::string already;       // static 100
  std::string question;      // static 115 (name form)
  std::string helpName;
  std::string defaultName;   // edit 103: the proposal, else the entry's name
  std::string defaultId;     // edit 108: the new ID, else the entry's ID
};
ConflictFormTexts ConflictTexts(const KvCopyConflict& conflicts, int index, bool identical);

// A radio of the identical form (110 skip, 111 replace, 112 change) on the entry's flags
// and the replace-all flag; the answer is the caption of button 105.
const char* ApplyIdenticalChoice(zeph::TClipInfo& entry, int radio, bool& replaceAll);

// The outcome of OK: 0 accepted, else the message to show and the edit to focus.
struct ConflictRefusal {
  int messageId = 0;
  int control = 0;
};
// Checks the typed name (and, for items, ID); an accepted choice becomes the entry's new
// name and new ID, and every other entry of the model clipboard's list of the same media
// that now clashes with it joins the conflicts.
ConflictRefusal AcceptTypedChoice(KvCopyConflict& conflicts, int index, const std::string& name,
                                  const std::string& idText, std::vector<zeph::TClipInfo>* clipboardList);

}  // namespace ed
