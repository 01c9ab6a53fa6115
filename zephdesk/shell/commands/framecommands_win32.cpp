#include "shell/commands/framecommands.h"

#include <memory>

#include "editor/clipboard/clipboardprogram.h"
#include "owl/mdiclient.h"
#include "shell/commands/pagecommands.h"
#include "shell/frame/uimdiframe.h"

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

private:
    UIMDIFrame& m_frame;
    ed::EditWindows& m_windows;
};

}  // namespace

void InstallFrameCommands(UIMDIFrame& frame, ed::EditWindows& windows) {
    auto site = std::make_shared<MainFrameSite>(frame, windows);
    frame.SetCommandHook([site](UINT id) { return RunPageCommand(*site, id); });
}
