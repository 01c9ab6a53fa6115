#include "shell/autosave/designerautosave.h"

#include <windows.h>

#include <memory>

#include "shell/app/designerpages.h"
#include "shell/app/uiapp.h"
#include "shell/autosave/autosave.h"
#include "shell/autosave/autosaveoptions.h"
#include "shell/document/kvuserapp.h"
#include "shell/frame/uimdiframe.h"
#include "shell/workspace/kvwinapp.h"

namespace {

class UserAppAutoSave : public KvAutoSaveDocument {
public:
    explicit UserAppAutoSave(KvUserApp& app) : m_app(app) {}
    int IsModified() override { return m_app.IsModified(); }
    int SaveLocal() override { return m_app.SaveLocal(); }
    void SetModified() override { m_app.SetModified(); }

private:
    KvUserApp& m_app;
};

class DesignerAutoSaveHost : public KvAutoSaveHost {
public:
    explicit DesignerAutoSaveHost(UIApp& app) : m_app(app) {}

    KvAutoSaveDocument* ActiveDocument() override
    {
        KvWinApp* workspace = m_app.GetWorkspace();
        KvUserApp* active = workspace != nullptr ? workspace->GetActiveUserApp() : nullptr;
        m_active.reset(active != nullptr ? new UserAppAutoSave(*active) : nullptr);
        return m_active.get();
    }
    int OpenApplicationCount() override
    {
        KvWinApp* workspace = m_app.GetWorkspace();
        return workspace != nullptr ? static_cast<int>(workspace->UserApps().size()) : 0;
    }
    void SetTimer(unsigned id, std::uint32_t periodMs) override
    {
        if (HWND frame = FrameWindow())
            ::SetTimer(frame, id, periodMs, nullptr);
    }
    void KillTimer(unsigned id) override
    {
        if (HWND frame = FrameWindow())
            ::KillTimer(frame, id);
    }
    void UpdateCommandStates() override { KvWinApp::UpdateCommandStates(); }
    void EditOptions(bool& enabled, std::int32_t& minutes) override { KvRunAutoSaveOptions(enabled, minutes); }

private:
    HWND FrameWindow() const
    {
        UIMDIFrame* frame = m_app.GetMDIFrame();
        return frame != nullptr ? frame->HWindow : nullptr;
    }

    UIApp& m_app;
    std::unique_ptr<UserAppAutoSave> m_active;
};

struct DesignerAutoSave {
    explicit DesignerAutoSave(UIApp& app) : host(app), autoSave(app.GetProfile(), host) {}
    DesignerAutoSaveHost host;
    KvAutoSave autoSave;
};

}  // namespace

std::function<void()> KvInstallDesignerAutoSave(UIApp& app)
{
    UIMDIFrame* frame = app.GetMDIFrame();
    if (frame == nullptr)
        return {};
    // The frame's hooks own auto-save: it goes with the frame, and the other callers then
    // find nothing to start or stop.
    auto owned = std::make_shared<DesignerAutoSave>(app);
    std::weak_ptr<DesignerAutoSave> weak = owned;
    frame->SetTimerHook([owned](UINT id) {
        if (id == kAutoSaveTimerId)
            owned->autoSave.OnTimer();
    });
    frame->AddCommandHook([weak](UINT id) {
        std::shared_ptr<DesignerAutoSave> live = weak.lock();
        if (id != kCmAutoSaveOptions || !live)
            return false;
        live->autoSave.EditOptions();
        return true;
    });
    if (DesignerPageServices* pages = app.GetPageServices()) {
        pages->SetApplicationClosed([weak] {
            if (std::shared_ptr<DesignerAutoSave> live = weak.lock())
                live->autoSave.Stop();
        });
    }
    return [weak] {
        if (std::shared_ptr<DesignerAutoSave> live = weak.lock())
            live->autoSave.Start();
    };
}
