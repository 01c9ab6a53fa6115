#include "shell/paste/pasteconflicts.h"

#include <cstring>

#include "model/interface/vlx.h"
#include "shell/itemclip/itemclipboard.h"
#include "shell/items/itemworkers.h"

bool DesignerConflictTarget::HasSymbol(const std::string& name) const { return vlxFindSymbol(name.c_str()) != nullptr; }

// A voice or fax item is a symbol of the model under the item's name.
bool DesignerConflictTarget::SymbolItem(const std::string& name, int& media, std::int32_t& id) const
{
    if (!HasSymbol(name))
        return false;
    for (int kind : {ed::kMediaVoice, ed::kMediaFax}) {
        const int found = KvItemIdNamed(kind, name.c_str());
        if (found >= 0) {
            media = kind;
            id = found;
            return true;
        }
    }
    return false;
}

bool DesignerConflictTarget::NameInUse(const std::string& name) const { return vlxIsNameInUse(name.c_str()) != 0; }

bool DesignerConflictTarget::IsReservedBlockName(const std::string& name) const
{
    return vlxItsAReservedPB(name.c_str()) != 0;
}

bool DesignerConflictTarget::ItemIdExists(int media, std::int32_t id) const { return KvItemIdExists(media, id); }

bool DesignerConflictTarget::ClipboardHasItemNamed(const std::string& name) const
{
    return KvFindClipboardItem(-1, 0, name.c_str());
}

bool DesignerConflictTarget::ClipboardHasItemId(int media, std::int32_t id) const
{
    return KvFindClipboardItem(media, id, "");
}

bool DesignerConflictTarget::ClipboardFromActiveApp() const { return KvIsClipboardFromActiveApp(); }

void KvApplyConflictDecisions(const std::vector<zeph::TClipInfo>& decided, std::vector<zeph::TClipInfo>& clipboard)
{
    for (const zeph::TClipInfo& settled : decided) {
        for (zeph::TClipInfo& entry : clipboard) {
            if (entry.Kind == settled.Kind && std::strcmp(entry.Name, settled.Name) == 0) {
                entry = settled;
                break;
            }
        }
    }
}
