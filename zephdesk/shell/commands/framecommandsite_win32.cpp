#include "shell/commands/framecommandsite.h"

#include "editor/page/editmdi_win32.h"
#include "framework/kvbeep.h"
#include "owl/window.h"
#include "shell/messages/uimsgbox.h"

namespace {

constexpr UINT kNoPageWindow = 33;
constexpr UINT kNoCanvas = 19;

}  // namespace

ed::Program* FrameCommandSite::CurrentProgram() {
    ed::EditWindows* windows = PageWindows();
    return windows != nullptr ? windows->CurrentProgram() : nullptr;
}

HWND FrameCommandSite::FrameHandle() {
    TWindow* frame = FrameWindow();
    return frame != nullptr ? frame->HWindow : nullptr;
}

ed::EditMDI* PageWindowOf(ed::EditWindows& windows, HWND child) {
    for (ed::EditMDI* window : windows.Windows())
        if (window->HWindow == child) return window;
    return nullptr;
}

ed::EditMDI* ActivePageWindow(FrameCommandSite& site) {
    ed::EditWindows* windows = site.PageWindows();
    const HWND child = site.ActiveChild();
    ed::EditMDI* window = windows != nullptr && child != nullptr ? PageWindowOf(*windows, child) : nullptr;
    if (window == nullptr) {
        site.ShowStatusMessage(kNoPageWindow, true);
        KvBeep(MB_ICONEXCLAMATION);
        return nullptr;
    }
    if (window->Canvas() == nullptr) {
        UIMessageBoxRes(kNoCanvas, nullptr, MB_ICONEXCLAMATION);
        return nullptr;
    }
    return window;
}

ed::EditMDI* CheckedPageWindow(FrameCommandSite& site) {
    ed::EditMDI* window = ActivePageWindow(site);
    if (window != nullptr) site.PageWindows()->EndSelectionMode(window->HWindow);
    return window;
}

void PressKeyInNote(HWND note, UINT key) {
    ::SendMessageA(note, WM_KEYDOWN, key, 0);
    ::SendMessageA(note, WM_KEYUP, key, 0);
}

bool RunFrameCommandFrom(std::span<const FrameCommandEntry> entries, FrameCommandSite& site, UINT id) {
    for (const FrameCommandEntry& entry : entries) {
        if (id < entry.first || id > entry.last) continue;
        ed::EditMDI* window = entry.noteEdit == NoteEdit::End ? CheckedPageWindow(site) : ActivePageWindow(site);
        if (window != nullptr) entry.run(site, *window, id);
        return true;
    }
    return false;
}
