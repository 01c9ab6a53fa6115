#include "shell/itemclip/pasteconflict.h"

#include "editor/clipboard/kvcopyconflict.h"

KvPasteDecision KvApplyPasteConflict(const std::vector<zeph::TClipInfo>& conflicts, int kind,
                                     const std::string& name, std::int32_t id)
{
    KvPasteDecision decision;
    decision.name = name;
    decision.id = id;
    for (const zeph::TClipInfo& entry : conflicts) {
        if (ed::MediaOf(entry) != kind || name != entry.Name || entry.ItemId != id)
            continue;
        if (entry.DontCopy != 0) {
            decision.skip = true;
        } else if (entry.UseExisting != 0) {
            decision.exists = true;
        } else {
            if (entry.HasNewName())
                decision.name = entry.NewName;
            if (entry.Second > 0) {
                decision.id = entry.Second;
                decision.idChanged = decision.id != id;
            }
        }
        break;
    }
    return decision;
}
