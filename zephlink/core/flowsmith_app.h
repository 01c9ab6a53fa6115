// KvFlowsmithApp: one server application open in the designer, and the process-wide list
// of them. Opening (new, open, recovery, close) is app_open.cpp, saving app_save.cpp,
// voice and fax items app_items.cpp.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app_profile.h"
#include "app_state.h"
#include "kvlink.h"

namespace zlink {

class KvFlowsmithApp {
public:
    virtual ~KvFlowsmithApp() = default;

    std::int32_t customerId = 0;
    std::int32_t applicationId = 0;
    std::string name;
    std::vector<KvResPermEntry> resPermsSaved;
    std::vector<KvResPermEntry> resPerms;
    std::vector<KvImportEntry> importsSaved;
    std::vector<KvImportEntry> imports;
    std::string currentEdPath;
    std::string newEdPath;
    KvAppProfile serverProfile;
    KvAppProfile workingProfile;
    KvAppState state;
    KvAppService service;

    // Opening (results: 0 or a code).
    static int fileNew(int customerId, int applicationId, const std::string& name, int volumeId);
    static int fileOpen(int customerId, int applicationId, const std::string& name, int volumeId);
    static int fileOpenOnRecovery(int customerId, int applicationId, const std::string& name,
                                  const KvAppInfo& serverRecord, const KvAppInfo& workingRecord,
                                  const KvImportEntry* importsSaved, const KvImportEntry* imports,
                                  const KvResPermEntry* resPermsSaved, const KvResPermEntry* resPerms);
    static int postFileOpen(std::unique_ptr<KvFlowsmithApp> app, int applicationId, const std::string& name, int flag);
    static int fileClose(KvFlowsmithApp* app);
    static KvFlowsmithApp* find(int customerId, int applicationId);
    static std::vector<std::unique_ptr<KvFlowsmithApp>>& openApplications();
    static int getUnusedId(std::int32_t* out);
    static int encryptString(const char* input, char* output);

    int writeImports();
    int writeResPerms();
    int setProperties(const KvAppInfo& record);

    // Saving.
    int realFileSaveIncomplete(int mode);
    int realFileSaveComplete(int mode);
    int fileSaveAsIncomplete(int customerId, int applicationId, const std::string& name, int volumeId, int flag);
    int fileSaveAsComplete(int customerId, int applicationId, const std::string& name, int volumeId, int flag);
    int copy(bool targetIsNew, int customerId, int applicationId, int version, const std::string& name, int volumeId,
             int complete, int flag);
    static int fileDelete(int customerId, int applicationId, const std::string& name, int flag);
    static int realFileDelete(int customerId, int applicationId, const std::string& name);
    // The state check and dispatch of one of the application's own save actions.
    int runOwnAction(StateActionKind action);

    // Items.
    int manipulateItem(int operation, int itemId, int mediaType);
    int recordVoice(int itemId, int mediaType);
    int importItem(int operation, int itemId, int mediaType, const std::string& sourceFile);
    int cutCopyPasteItem(int operation, const KvItemRecord& source, int targetCustomerId, int targetApplicationId,
                         const KvItemRecord& target);

    // The information record of the application (server profile and the next .ED path).
    void fillInfo(KvAppInfo& info) const;

private:
    int saveAs(bool complete, int customerId, int applicationId, const std::string& name, int volumeId, int flag);
    // Commits a save whose steps gave rc (31 when the commit fails), or reverts the lists.
    int commitSave(int rc);
    // Writes the saved lists back when the edited ones differ (undoing unsaved edits).
    int revertLists();
};

bool SameImports(const std::vector<KvImportEntry>& saved, const std::vector<KvImportEntry>& edited);
bool SameResPerms(const std::vector<KvResPermEntry>& saved, const std::vector<KvResPermEntry>& edited);
// Arrays the designer passes: imports end at the first customer or application id 0
// (with `saved`, also a version 0); lists use five ints an entry.
std::vector<KvImportEntry> ImportsOf(const KvImportEntry* entries, bool saved);
std::vector<KvResPermEntry> ResPermsOf(const KvResPermEntry* entries, bool saved);

}  // namespace zlink
