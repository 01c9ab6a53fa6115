// The workspace's item workers on the active application: next free ID, checks of a new
// item, the server add and remove behind a record's commit, use counts, the fax content
// reset and the Define dialogs. Kind 0 voice items, 3 fax items.
#pragma once

#include "foundation/kvwintypes.h"

class KvSoftRec;
class KvSoftItem;

// The next free ID of the active application's items of the kind; 1 without one.
int KvNextItemId(int kind);
bool KvItemIdExists(int kind, int id);
// Both flags start true: the name fails when the model uses it or refuses it, the ID
// when an item of the kind has it. True when both pass.
bool KvCheckNewItem(int kind, const char* name, int id, bool& nameFree, bool& idFree);
// A new memory record of the kind's definition holding the next free ID (owned by the
// caller); null without an active application.
KvSoftRec* KvNewItemRecord(int kind);

// The server item of an added or removed record: 0 done; -1 without an active
// application (reported) or when the document failed (reported there).
int KvAddItem(int kind, const char* name, int id, const char* description);
int KvRemoveItem(int kind, const char* name, int id, const char* description);

// The item of that ID in the active application's list of the kind, or null.
KvSoftItem* KvFindItem(int kind, int id);
// The ID of the active application's item of the kind with that name; -1 when none.
int KvItemIdNamed(int kind, const char* name);
// One use more or less of the item of that ID.
void KvChangeItemUse(int kind, int id, bool add);

// "R&eset" of a fax item (call-out 32007): 0 deleted, 1 declined, -1 without an active
// application or when the server failed.
int KvDeleteFaxItem(KvSoftRec& record);
// Define > Voice Items / Fax Items: 0, or -1 without an active application.
int KvDefineItems(int kind);
