// What the paste-conflict list decided for one item being pasted: skip it, update the
// target's item of the same name, or paste it under a new name or ID.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "programfile/clipboard/clipinfo.h"

struct KvPasteDecision {
    bool skip = false;
    bool exists = false;
    std::string name;        // the name to paste under
    std::int32_t id = 0;     // the ID to paste under
    bool idChanged = false;  // the blocks being pasted must follow the new ID
};

// The first entry of the kind (0 voice, 3 fax) whose name (case-sensitive) and source ID
// are the item's decides; without one the item is pasted as it is.
KvPasteDecision KvApplyPasteConflict(const std::vector<zeph::TClipInfo>& conflicts, int kind,
                                     const std::string& name, std::int32_t id);
