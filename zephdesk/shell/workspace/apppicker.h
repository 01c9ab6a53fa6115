// How the File commands' workers let the user pick applications: the application list
// dialog in the command's mode, one application filled in place or a list of chosen ones.
// Tests install a scripted picker.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/serverlists/applistdialog.h"

class KvUserApp;
class KvWorkspaceLists;

struct KvChosenApp {
    std::int32_t id = 0;
    std::string name;
    std::int32_t volume = 0;
    std::int32_t modification = 0;
};

// A document for a chosen application: its name, ID and volume ID, committed.
KvUserApp* KvMakeChosenApp(const KvChosenApp& chosen);

class KvAppPicker {
public:
    virtual ~KvAppPicker() = default;
    // 1 with the chosen ID, name and volume in target; 0 cancelled.
    virtual int PickOne(const KvAppListMode& mode, KvUserApp& target) = 0;
    // 1 with the chosen applications in order; 0 cancelled.
    virtual int PickMany(const KvAppListMode& mode, std::vector<KvChosenApp>& chosen) = 0;
};

// The picker over the application list dialog and the workspace's lists.
class KvDialogAppPicker : public KvAppPicker {
public:
    explicit KvDialogAppPicker(KvWorkspaceLists& lists) : m_lists(lists) {}
    int PickOne(const KvAppListMode& mode, KvUserApp& target) override;
    int PickMany(const KvAppListMode& mode, std::vector<KvChosenApp>& chosen) override;

private:
    KvWorkspaceLists& m_lists;
};
