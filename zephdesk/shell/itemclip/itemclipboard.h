// The item clipboard: copies of voice (kind 0) and fax (kind 3) items that travel with
// copied blocks or are copied in the Define dialogs, and their paste into another
// application on the server. Held items are copies marked Connected, so no commit of
// theirs touches the model or the server; pasting does not empty the clipboard.
#pragma once

#include <cstdint>
#include <vector>

#include "programfile/clipboard/clipinfo.h"

class KvSoftRec;

// Holds a copy of the item record (0; -1 without an active application). With clearFirst
// 1 the clipboard is emptied first; with resetInUse the copy reads "In use" No.
int KvHoldItem(int kind, KvSoftRec& item, int clearFirst, int resetInUse);
// Holds the active application's item of that ID; -1 when it has none.
int KvCutCopyItem(int kind, int id, int clearFirst, int resetInUse);
// Pastes the held items of the kind into the active application with the conflict list's
// decisions: -1 nothing held, 0 done (nothing when the target is the source), 1 stopped by
// a server failure (reported; items pasted before it stay).
int KvPasteClipboardItems(int kind, const std::vector<zeph::TClipInfo>& conflicts);
// The ID under which the last paste of the kind put the held item of that ID: a new ID,
// or the ID of the target's item that a paste marked "exists" updated; else the ID itself.
// Pasted blocks follow it. A new paste of the kind or an emptied clipboard forgets it.
int KvPastedItemId(int kind, int id);
// Whether two applications are the same: by name in stand-alone work, where every ID is
// the same placeholder, by ID otherwise.
bool KvIsSameApplication(bool standAlone, const char* nameA, std::int32_t idA, const char* nameB, std::int32_t idB);
// Whether the clipboard holds anything and came from the active application: by name in
// stand-alone work, by ID otherwise.
bool KvIsClipboardFromActiveApp();
// Whether the clipboard holds an item: media 0 or 3 by ID (by name when the ID is 0),
// -1 in both lists by name; an empty name finds nothing.
bool KvFindClipboardItem(int media, int id, const char* name);
