// The workspace's workers of the File commands on whole applications: new, open (also
// from a recent entry), save, save as, delete, the close of an application's window and
// the offer of recovery copies at start-up.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "editor/canvas/program.h"
#include "foundation/kvassert.h"
#include "foundation/kvflthnd.h"
#include "foundation/kvvif.h"
#include "framework/definitions/defs_ids.h"
#include "kvlink.h"
#include "shell/document/doctexts.h"
#include "shell/document/kvuserapp.h"
#include "shell/operations/filecalls.h"
#include "shell/operations/operationtexts.h"
#include "shell/workspace/apppicker.h"
#include "shell/workspace/kvwinapp.h"

namespace {

// A question of the fault handler; true for Yes.
bool AskYesNo(UINT id, const char* insert, int defaultButton, const char* file, int line)
{
    std::string text = KvDocText(id) != nullptr ? KvDocText(id) : "";
    const std::size_t at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, insert != nullptr ? insert : "");
    const KvFaultMessage message = KvFaultMessage::FromText(id, text.c_str());
    return KvGetFaultHandler()->Report(0x8000000, kKvSeverityQuestion, kKvButtonsYesNo, defaultButton, &message,
                                       nullptr, 0, file, line) == kKvFaultYes;
}

}  // namespace

void KvWinApp::AddUserApp(KvUserApp* app)
{
    KV_ASSERT(app != nullptr);
    if (app != nullptr)
        m_userApps.push_back(app);
}

void KvWinApp::RemoveUserApp(KvUserApp* app)
{
    auto it = std::find(m_userApps.begin(), m_userApps.end(), app);
    if (it != m_userApps.end())
        m_userApps.erase(it);
    delete app;
}

KvUserApp* KvWinApp::FindUserAppByName(const char* name) const
{
    for (KvUserApp* app : m_userApps) {
        if (name != nullptr && app->GetText(F_UA_NAME) == name)
            return app;
    }
    return nullptr;
}

KvUserApp* KvWinApp::FindUserAppById(std::int32_t id) const
{
    for (KvUserApp* app : m_userApps) {
        if (app->GetInt(F_UA_ID) == id)
            return app;
    }
    return nullptr;
}

KvUserApp* KvWinApp::FindUserAppByProgram(const ed::Program* program) const
{
    for (KvUserApp* app : m_userApps) {
        if (program != nullptr && app->GetProgram() == program)
            return app;
    }
    return nullptr;
}

std::string KvWinApp::RecentEntry(KvUserApp& app)
{
    return std::string(app.GetText(F_UA_NAME)) + "|" + std::to_string(app.GetInt(F_UA_ID)) + "|" +
           std::to_string(app.GetInt(F_UA_VOLUME));
}

KvAppPicker& KvWinApp::Picker()
{
    if (m_pPicker != nullptr)
        return *m_pPicker;
    if (!m_pDialogPicker)
        m_pDialogPicker = std::make_unique<KvDialogAppPicker>(m_lists);
    return *m_pDialogPicker;
}

void KvWinApp::AddRecent(KvUserApp& app)
{
    if (m_recentSink)
        m_recentSink(RecentEntry(app));
}

KvUserApp* KvWinApp::PickNewApplication(const KvAppListMode& mode)
{
    for (;;) {
        auto* app = new KvUserApp("");
        if (Picker().PickOne(mode, *app) == 0) {
            delete app;
            return nullptr;
        }
        if (KvIsFileNameText(app->GetText(F_UA_NAME)))
            return app;
        KvDocWarning(8121, nullptr, __FILE__, __LINE__);
        delete app;
    }
}

int KvWinApp::NewApplication()
{
    KvUserApp* app = PickNewApplication(kKvNewMode);
    if (app == nullptr)
        return -1;
    SetWaitCursor();
    if (app->Load(KvUserApp::kLoadNew) != 0) {
        delete app;
        SetArrowCursor();
        return 1;
    }
    AddRecent(*app);
    AddUserApp(app);
    SetArrowCursor();
    UpdateCommandStates();
    return 0;
}

int KvWinApp::OpenApplication(const char* recentEntry)
{
    if (recentEntry != nullptr) {
        const std::string entry = recentEntry;
        const std::size_t first = entry.find('|');
        const std::size_t second = first == std::string::npos ? first : entry.find('|', first + 1);
        const std::string name = entry.substr(0, first);
        const std::int32_t id =
            first == std::string::npos ? 1 : std::atoi(entry.substr(first + 1, second - first - 1).c_str());
        const std::int32_t volume = second == std::string::npos ? 0 : std::atoi(entry.substr(second + 1).c_str());
        KvUserApp* app = KvMakeChosenApp(KvChosenApp{id, name, volume, 0});
        SetWaitCursor();
        const int result = app->Load(KvUserApp::kLoadOpen);
        SetArrowCursor();
        if (result != 0) {
            // Whatever the refusal, the document that was never opened goes.
            delete app;
            return result == 1 ? 1 : 0;
        }
        AddUserApp(app);
        UpdateCommandStates();
        return 0;
    }
    std::vector<KvChosenApp> chosen;
    if (Picker().PickMany(kKvOpenMode, chosen) == 0)
        return -1;
    SetWaitCursor();
    for (const KvChosenApp& pick : chosen) {
        KvUserApp* app = KvMakeChosenApp(pick);
        if (app->Load(KvUserApp::kLoadOpen) != 0) {
            delete app;
            SetArrowCursor();
            UpdateCommandStates();
            return 1;
        }
        AddRecent(*app);
        AddUserApp(app);
    }
    SetArrowCursor();
    UpdateCommandStates();
    return 0;
}

// The active application when it may be saved; else the message why not and null. An
// exported application must stay complete (Save asks with the question icon).
static KvUserApp* SavableApplication(KvUserApp* app, int exportedSeverity)
{
    if (app == nullptr) {
        KvDocWarning(8008, nullptr, __FILE__, __LINE__);
        return nullptr;
    }
    if (app->IsExported() != 0 && app->IsComplete() == 0) {
        const KvFaultMessage message = KvFaultMessage::FromText(8023, KvDocText(8023));
        KvGetFaultHandler()->Report(0x20000, exportedSeverity, kKvButtonsOk, 0, &message, nullptr, 0, __FILE__,
                                    __LINE__);
        return nullptr;
    }
    return app;
}

int KvWinApp::SaveApplication()
{
    KvUserApp* app = SavableApplication(GetActiveUserApp(), kKvSeverityQuestion);
    if (app == nullptr)
        return -1;
    SetWaitCursor();
    const int result = app->Save(1);
    SetArrowCursor();
    UpdateCommandStates();
    return result;
}

int KvWinApp::SaveApplicationAs()
{
    KvUserApp* app = SavableApplication(GetActiveUserApp(), kKvSeverityWarning);
    if (app == nullptr)
        return -1;
    std::unique_ptr<KvUserApp> target;
    for (;;) {
        target.reset(PickNewApplication(kKvSaveAsMode));
        if (!target)
            return -1;
        if (FindUserAppById(target->GetInt(F_UA_ID)) == nullptr &&
            FindUserAppByName(target->GetText(F_UA_NAME)) == nullptr)
            break;
        const KvFaultMessage message = KvFaultMessage::FromText(8024, KvDocText(8024));
        if (KvGetFaultHandler()->Report(0x20000, kKvSeverityWarning, kKvButtonsOkCancel, 0, &message, nullptr, 0,
                                        __FILE__, __LINE__) == kKvFaultCancel)
            return -1;
    }
    AddRecent(*target);
    SetWaitCursor();
    app->SaveAs(*target);
    SetArrowCursor();
    UpdateCommandStates();
    return 0;
}

int KvWinApp::DeleteApplication()
{
    std::vector<KvChosenApp> chosen;
    if (Picker().PickMany(kKvDeleteMode, chosen) == 0)
        return -1;
    SetWaitCursor();
    KvFileCalls* calls = KvGetFileCalls();
    const bool confirm = !m_confirmDeletes || m_confirmDeletes();
    for (const KvChosenApp& pick : chosen) {
        if (confirm && !AskYesNo(8112, pick.name.c_str(), kKvFaultNo, __FILE__, __LINE__)) {
            SetArrowCursor();
            return 1;
        }
        const int result = calls != nullptr ? calls->FileDelete(1, pick.id, pick.name.c_str(), pick.modification) : 60;
        if (result != 0) {
            SetArrowCursor();
            KvShowResultMessage(KvFindResultMessage(kKvDeleteResults, result), pick.name.c_str(), __FILE__, __LINE__);
            return 1;
        }
    }
    SetArrowCursor();
    UpdateCommandStates();
    return 0;
}

int KvWinApp::CloseApplication(const ed::Program* closing)
{
    // Another window still shows the program: the application stays open.
    if (closing != nullptr && closing->PageWindows() > 1)
        return -1;
    KvUserApp* app = closing != nullptr ? FindUserAppByProgram(closing) : GetActiveUserApp();
    if (app == nullptr)
        return -1;
    SetWaitCursor();
    int result = 0;
    if (app->Close() != 0) {
        // The window and its program go whatever the server says: the local copy is
        // written and offered for recovery at the next start.
        KvDocWarning(8071, nullptr, __FILE__, __LINE__);
        app->Save(0);
        result = 1;
    }
    app->SetProgram(nullptr);
    RemoveUserApp(app);
    SetArrowCursor();
    UpdateCommandStates();
    return result;
}

int KvWinApp::RecoverApplications()
{
    if (m_bNoCommandLine)
        return 0;
    char path[kKvPathMax] = "";
    for (int found = FindFirstProgramFile(path); found != 0; found = FindNextProgramFile(path)) {
        KvUserApp probe(path);
        const std::string name = static_cast<const char*>(probe.GetText(F_UA_NAME));
        if (!AskYesNo(8007, name.c_str(), kKvFaultYes, __FILE__, __LINE__))
            continue;
        auto* app = new KvUserApp(path);
        if (app->Load(KvUserApp::kLoadRecover) != 0) {
            delete app;
            continue;
        }
        AddUserApp(app);
    }
    UpdateCommandStates();
    return 0;
}
