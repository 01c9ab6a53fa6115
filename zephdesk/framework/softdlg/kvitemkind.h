// What the voice/fax item picker and editor need to know of an item kind: the data link of
// the active application's list, the fields of the item records, their dialogs, messages
// and the shell's services for that kind.
#pragma once

#include <vector>

#include "foundation/kvwintypes.h"
#include "programfile/clipboard/clipinfo.h"

class KvSoftRec;
class ShellServices;

struct KvItemKind {
    bool fax;
    WORD listLink;                    // data link of the application's item list
    WORD nameField, idField, inUseField;
    WORD addDialog, addHelp;          // the new item's first dialog
    WORD contentDialog, contentHelp;  // its second dialog, once the item exists
    WORD editDialog, editHelp;        // an existing item's dialog
    UINT nameInUse, idInUse;          // messages of a name or ID that cannot be taken
    UINT newLeftSelected;             // the new-item entry left selected
    const char* newEntry;             // text of the new-item entry

    // The kind of the flag word 0x8001 (voice) or 0x8002 (fax); null for neither or both.
    static const KvItemKind* OfFlags(WORD flags);

    KvSoftRec* NewItem(ShellServices& shell) const;
    // Whether the record's name is free in the model and its ID among the application's
    // items: true when both are.
    bool CheckRecord(ShellServices& shell, KvSoftRec& record, bool& nameFree, bool& idFree) const;
    // Whether a name is free (the ID is not looked at).
    bool IsNameFree(ShellServices& shell, const char* name) const;
    void Hold(ShellServices& shell, KvSoftRec& record, bool clearFirst) const;
    bool ClipboardHasNone(ShellServices& shell) const;
    void Paste(ShellServices& shell, const std::vector<zeph::TClipInfo>& decisions) const;
};
