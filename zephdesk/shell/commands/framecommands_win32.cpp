#include "shell/commands/framecommands.h"

#include <memory>

#include "owl/mdiclient.h"
#include "shell/commands/blockcommands.h"
#include "shell/commands/editcommands.h"
#include "shell/commands/linecommands.h"
#include "shell/commands/notecommands.h"
#include "shell/commands/pagecommands.h"
#include "shell/commands/viewcommands.h"
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
    // The designer keeps no program clipboard yet: page copy and paste have none to use.
    ed::ClipboardProgram* Clipboard() override { return nullptr; }
    bool SaveProgram(ed::Program& program) override { return m_frame.SaveProgramFile(&program) != 0; }

private:
    UIMDIFrame& m_frame;
    ed::EditWindows& m_windows;
};

}  // namespace

bool RunFrameCommand(FrameCommandSite& site, UINT id) {
    using Module = std::span<const FrameCommandEntry> (*)();
    for (Module module : {&PageCommands, &EditCommands, &LineCommands, &BlockCommands, &ViewCommands, &NoteCommands})
        if (RunFrameCommandFrom(module(), site, id)) return true;
    return RunEscape(site, id);
}

void InstallFrameCommands(UIMDIFrame& frame, ed::EditWindows& windows, OptionSetter setOption) {
    auto site = std::make_shared<MainFrameSite>(frame, windows);
    frame.SetCommandHook([site, &frame, &windows, setOption = std::move(setOption)](UINT id) {
        return RunOptionToggle(frame, windows, setOption, id) || RunFrameCommand(*site, id);
    });
}
