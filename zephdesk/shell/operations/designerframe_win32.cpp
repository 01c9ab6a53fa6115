#include "shell/operations/designerframe.h"

#include <memory>
#include <string>

#include "editor/canvas/program.h"
#include "editor/page/editmdi_win32.h"
#include "foundation/kvmsgbox.h"
#include "framework/definitions/defs_ids.h"
#include "model/interface/vlx.h"
#include "shell/app/designerpages.h"
#include "shell/app/uiapp.h"
#include "shell/document/kvuserapp.h"
#include "shell/document/loopcheck.h"
#include "shell/operations/documentframe.h"
#include "shell/operations/filecalls.h"
#include "shell/frame/uimdiframe.h"
#include "shell/workspace/filecommandtable.h"
#include "shell/workspace/kvwinapp.h"

namespace {

constexpr int kDiagnosticsNone = 1;

class DesignerDocumentFrame : public KvDocumentFrame {
public:
    DesignerDocumentFrame(UIApp& app, std::function<void()> autoSave) : m_app(app), m_autoSave(std::move(autoSave))
    {
    }

    int OpenProgramFile(const std::string& path) override
    {
        UIMDIFrame* frame = m_app.GetMDIFrame();
        return frame != nullptr ? frame->OpenProgramFile(path) : 1;
    }
    int SaveProgramFile() override
    {
        UIMDIFrame* frame = m_app.GetMDIFrame();
        return frame != nullptr ? frame->SaveProgramFile(frame->GetCurrentProgram()) : 0;
    }
    ed::Program* CurrentProgram() override
    {
        UIMDIFrame* frame = m_app.GetMDIFrame();
        return frame != nullptr ? frame->GetCurrentProgram() : nullptr;
    }
    ed::Page* ActivePage(ed::Program& program) override
    {
        ed::EditWindows* windows = m_app.GetPageWindows();
        if (windows == nullptr || windows->CurrentProgram() != &program)
            return nullptr;
        return windows->CurrentPage();
    }
    void CloseProgram(ed::Program&) override {}
    int BuildProgram(const std::string& path, int customerId, int applicationId) override
    {
        return vlxBuildProgram(path.c_str(), customerId, applicationId, 0, nullptr, 0, 0, 0);
    }
    void CheckLoops(ed::Program& program) override
    {
        ::CheckLoops(&program, program.Model(), m_app.GetDiagLevel(0xF));
    }
    void WarnIncomplete() override
    {
        if (m_app.GetDiagLevel(kDiagnosticsNone) != 0)
            return;
        KvMessageBoxRequest request;
        request.text = "Incomplete applications cannot be put into service.";
        request.caption = "Flowsmith Alert";
        request.style = kKvMbOk | kKvMbIconAsterisk;
        KvMessageBox(request);
    }
    void StartAutoSave() override
    {
        if (m_autoSave)
            m_autoSave();
    }
    bool IsStandAlone() override
    {
        KvWinApp* workspace = m_app.GetWorkspace();
        return workspace == nullptr || workspace->IsStartedWithoutCommandLine();
    }

private:
    UIApp& m_app;
    std::function<void()> m_autoSave;
};

// The document of the active page window: the workspace's application of the frame's
// current program.
class ActivePageApplication : public ActiveApplication {
public:
    explicit ActivePageApplication(UIApp& app) : m_app(app) {}
    bool ActiveName(std::string& name) override
    {
        KvUserApp* app = ActiveUserApp();
        if (app == nullptr)
            return false;
        name = static_cast<const char*>(app->GetText(F_UA_NAME));
        return true;
    }
    KvUserApp* ActiveUserApp() override
    {
        UIMDIFrame* frame = m_app.GetMDIFrame();
        KvWinApp* workspace = m_app.GetWorkspace();
        if (frame == nullptr || workspace == nullptr)
            return nullptr;
        return workspace->FindUserAppByProgram(frame->GetCurrentProgram());
    }

private:
    UIApp& m_app;
};

// The frame's recent entries open through the workspace.
class WorkspaceRecentOpener : public RecentProgramOpener {
public:
    explicit WorkspaceRecentOpener(UIApp& app) : m_app(app) {}
    int OpenApplication(const char* entry) override
    {
        KvWinApp* workspace = m_app.GetWorkspace();
        return workspace != nullptr ? workspace->OpenApplication(entry) : 1;
    }

private:
    UIApp& m_app;
};

// The frame's menu commands: the File commands on applications go to the workspace's
// workers, any other to the hook that was there before.
void InstallFileCommands(UIApp& app, UIMDIFrame& frame, KvWinApp& workspace)
{
    UIMDIFrame::CommandHook before = frame.GetCommandHook();
    frame.SetCommandHook([&workspace, before](UINT id) {
        return KvRunFileCommand(workspace, id) || (before && before(id));
    });
    workspace.SetRecentSink([&app](const std::string& entry) {
        if (UIMDIFrame* current = app.GetMDIFrame())
            current->AddRecentProgram(entry.c_str());
    });
}

std::unique_ptr<DesignerDocumentFrame> g_pFrame;
std::unique_ptr<ActivePageApplication> g_pActive;
std::unique_ptr<WorkspaceRecentOpener> g_pRecentOpener;

}  // namespace

void KvInstallDesignerOperations(UIApp& app, std::function<void()> autoSave)
{
    if (KvGetFileCalls() == nullptr)
        KvSetFileCalls(&KvExportFileCalls());
    g_pFrame = std::make_unique<DesignerDocumentFrame>(app, std::move(autoSave));
    KvSetDocumentFrame(g_pFrame.get());
    g_pActive = std::make_unique<ActivePageApplication>(app);
    if (KvWinApp* workspace = app.GetWorkspace()) {
        workspace->SetActiveApplication(g_pActive.get());
        workspace->SetDeleteConfirmation([&app] { return app.IsOptionSet(0x80) != 0; });
        if (UIMDIFrame* frame = app.GetMDIFrame()) {
            InstallFileCommands(app, *frame, *workspace);
            g_pRecentOpener = std::make_unique<WorkspaceRecentOpener>(app);
            frame->SetRecentOpener(g_pRecentOpener.get());
        }
    }
    if (DesignerPageServices* pages = app.GetPageServices()) {
        pages->SetApplicationCloser([&app](ed::Program& program) {
            if (KvWinApp* workspace = app.GetWorkspace())
                workspace->CloseApplication(&program);
        });
    }
}
