#include "shell/commands/framecommands.h"

#include <memory>

#include "editor/clipboard/clipboardprogram.h"
#include "owl/mdiclient.h"
#include "shell/app/uiapp.h"
#include "shell/commands/blockcommands.h"
#include "shell/commands/editcommands.h"
#include "shell/commands/linecommands.h"
#include "shell/commands/menupopups.h"
#include "shell/commands/notecommands.h"
#include "shell/commands/pagecommands.h"
#include "shell/commands/viewcommands.h"
#include "shell/frame/uimdiframe.h"
#include "shell/workspace/kvwinapp.h"

namespace {

class MainFrameSite : public FrameCommandSite {
public:
    MainFrameSite(UIMDIFrame& frame, ed::EditWindows& windows) : m_frame(frame), m_windows(windows) {}

    TWindow* FrameWindow() override { return &m_frame; }
    HWND ActiveChild() override {
        TMDIClient* client = m_frame.GetClientWindow();
        if (client == nullptr || client->HWindow == nullptr) return nullptr;
        return reinterpret_cast<HWND>(::SendMessageA(client->HWindow, WM_MDIGETACTIVE, 0, 0));
    }
    ed::EditWindows* PageWindows() override { return &m_windows; }
    void ShowStatusMessage(UINT stringId, bool transient) override { m_frame.ShowStatusMessage(stringId, transient); }
    ed::ClipboardProgram* Clipboard() override
    {
        return dynamic_cast<ed::ClipboardProgram*>(m_frame.GetProgramPorts().clipboard);
    }
    void HoldBlocks() override
    {
        if (KvWinApp* workspace = KvWinApp::GetWorkspace()) workspace->HoldBlocks();
    }
    bool SaveProgram(ed::Program& program) override { return m_frame.SaveProgramFile(&program) != 0; }

private:
    UIMDIFrame& m_frame;
    ed::EditWindows& m_windows;
};

// The options of the application that runs when a command comes.
class RunningAppOptions : public AppOptionsPort {
public:
    void SetOption(std::uint32_t mask, bool on) override { App().SetOption(mask, on); }
    int DiagLevel() const override { return App().GetDiagLevel(~0); }
    void SetDiagLevel(int level) override { App().SetDiagLevel(level); }
    int LogLevel() const override { return App().GetLogLevel(); }
    void SetLogLevel(int level) override { App().SetLogLevel(level); }

private:
    static UIApp& App() { return *UIApp::Current(); }
};

}  // namespace

bool RunFrameCommand(FrameCommandSite& site, UINT id) {
    using Module = std::span<const FrameCommandEntry> (*)();
    for (Module module : {&PageCommands, &EditCommands, &LineCommands, &BlockCommands, &ViewCommands, &NoteCommands})
        if (RunFrameCommandFrom(module(), site, id)) return true;
    return RunEscape(site, id);
}

void InstallFrameCommands(UIMDIFrame& frame, ed::EditWindows& windows, std::shared_ptr<AppOptionsPort> options) {
    auto site = std::make_shared<MainFrameSite>(frame, windows);
    frame.SetCommandHook([site, &frame, &windows, options](UINT id) {
        return RunOptionCommand(frame, windows, *options, id) || RunFrameCommand(*site, id);
    });
    frame.SetPopupHook([site, options](HMENU popup) { RefreshMenuPopup(popup, *site, *options); });
}

void InstallFrameCommands(UIMDIFrame& frame, ed::EditWindows& windows) {
    InstallFrameCommands(frame, windows, std::make_shared<RunningAppOptions>());
}
