// The application list dialogs of the File workers, scripted: each pick takes the next
// prepared answer and every dialog shown is recorded by its definition.
#pragma once

#include <string>
#include <vector>

#include "framework/definitions/defs_ids.h"
#include "shell/document/kvuserapp.h"
#include "shell/workspace/apppicker.h"

class ScriptedPicker : public KvAppPicker {
public:
    // Each pick takes the next entry; an entry with an empty name cancels.
    std::vector<KvChosenApp> ones;
    std::vector<std::vector<KvChosenApp>> manies;
    std::vector<WORD> dialogs;  // the definition of each dialog shown
    int PickOne(const KvAppListMode& mode, KvUserApp& target) override
    {
        dialogs.push_back(mode.defId);
        if (ones.empty() || ones.front().name.empty())
            return 0;
        target.SetText(F_UA_NAME, ones.front().name.c_str());
        target.SetInt(F_UA_ID, ones.front().id);
        target.SetInt(F_UA_VOLUME, ones.front().volume);
        target.Commit();
        ones.erase(ones.begin());
        return 1;
    }
    int PickMany(const KvAppListMode& mode, std::vector<KvChosenApp>& chosen) override
    {
        dialogs.push_back(mode.defId);
        if (manies.empty())
            return 0;
        chosen = manies.front();
        manies.erase(manies.begin());
        return 1;
    }
};
