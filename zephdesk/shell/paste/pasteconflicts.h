// What a paste's name conflicts are judged against in the designer: the model's symbols
// of the program being pasted into, the active application's voice and fax items, and the
// item clipboard. And how the settled conflicts reach the model's clipboard, whose
// entries the model's paste follows.
#pragma once

#include <string>
#include <vector>

#include "editor/clipboard/kvcopyconflict.h"
#include "programfile/clipboard/clipinfo.h"

class DesignerConflictTarget : public ed::ConflictTarget {
public:
    bool HasSymbol(const std::string& name) const override;
    bool SymbolItem(const std::string& name, int& media, std::int32_t& id) const override;
    bool NameInUse(const std::string& name) const override;
    bool IsReservedBlockName(const std::string& name) const override;
    bool ItemIdExists(int media, std::int32_t id) const override;
    bool ClipboardHasItemNamed(const std::string& name) const override;
    bool ClipboardHasItemId(int media, std::int32_t id) const override;
    bool ClipboardFromActiveApp() const override;
};

// The conflict list holds copies of the clipboard's entries: each settled copy replaces
// the clipboard entry of the same name and kind (an entry no longer there is left alone).
void KvApplyConflictDecisions(const std::vector<zeph::TClipInfo>& decided, std::vector<zeph::TClipInfo>& clipboard);
