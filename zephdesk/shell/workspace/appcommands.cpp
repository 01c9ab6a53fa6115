// The workspace's workers of the File commands on the active application: export, undo
// export, import, remove import and properties; and the server's lock list.
#include <functional>
#include <vector>

#include "foundation/kvwintypes.h"
#include "shell/document/doctexts.h"
#include "shell/document/kvuserapp.h"
#include "shell/workspace/apppicker.h"
#include "shell/workspace/kvwinapp.h"

namespace {

// The active application; without one the command's message and null.
KvUserApp* ActiveOrWarn(KvUserApp* app, UINT message)
{
    if (app == nullptr)
        KvDocWarning(message, nullptr, __FILE__, __LINE__);
    return app;
}

// Checks in order; the message of the first that fails, or 0 when all pass.
struct Precondition {
    bool failed;
    UINT message;
};

bool Refused(std::initializer_list<Precondition> checks)
{
    for (const Precondition& check : checks) {
        if (check.failed) {
            KvDocWarning(check.message, nullptr, __FILE__, __LINE__);
            return true;
        }
    }
    return false;
}

}  // namespace

int KvWinApp::ExportApplication()
{
    KvUserApp* app = ActiveOrWarn(GetActiveUserApp(), 8011);
    if (app == nullptr || Refused({{app->IsComplete() == 0, 8025}, {app->IsExported() != 0, 8026}}))
        return -1;
    SetWaitCursor();
    app->Export();
    SetArrowCursor();
    UpdateCommandStates();
    return 0;
}

int KvWinApp::UndoExport()
{
    KvUserApp* app = ActiveOrWarn(GetActiveUserApp(), 8013);
    if (app == nullptr || Refused({{app->IsExported() == 0, 8027}}))
        return -1;
    bool imported = false;
    const int query = app->QueryImported(imported);
    if (Refused({{query != 0, 8038}, {imported, 8085}}))
        return -1;
    SetWaitCursor();
    app->UndoExport();
    SetArrowCursor();
    UpdateCommandStates();
    return 0;
}

int KvWinApp::ForEachChosenImport(UINT noAppMessage, const KvAppListMode& mode,
                                  const std::function<void(KvUserApp& app, KvUserApp* chosen)>& change)
{
    KvUserApp* app = ActiveOrWarn(GetActiveUserApp(), noAppMessage);
    std::vector<KvChosenApp> chosen;
    if (app == nullptr || Picker().PickMany(mode, chosen) == 0)
        return -1;
    SetWaitCursor();
    for (const KvChosenApp& pick : chosen)
        change(*app, KvMakeChosenApp(pick));
    SetArrowCursor();
    UpdateCommandStates();
    return 0;
}

int KvWinApp::ImportApplication()
{
    return ForEachChosenImport(8010, kKvImportMode, [](KvUserApp& app, KvUserApp* chosen) {
        // Taken by the document only when imported.
        if (app.AddImport(chosen) != 0)
            delete chosen;
    });
}

int KvWinApp::RemoveImport()
{
    return ForEachChosenImport(8012, kKvRemoveImportMode, [](KvUserApp& app, KvUserApp* chosen) {
        app.RemoveImport(*chosen);
        delete chosen;
    });
}

int KvWinApp::EditProperties()
{
    KvUserApp* app = ActiveOrWarn(GetActiveUserApp(), 8009);
    if (app == nullptr)
        return -1;
    app->EditProperties(1);
    UpdateCommandStates();
    return 0;
}

int KvWinApp::ShowLocks()
{
    // The list only shows the locks: nothing chosen is used.
    std::vector<KvChosenApp> shown;
    Picker().PickMany(kKvLocksMode, shown);
    UpdateCommandStates();
    return 0;
}
