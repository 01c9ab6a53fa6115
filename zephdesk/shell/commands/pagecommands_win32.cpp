#include "shell/commands/pagecommands.h"

#include <iterator>

#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/page/editmdi_win32.h"
#include "framework/kvbeep.h"
#include "model/interface/vlx.h"
#include "owl/window.h"
#include "shell/dialogs/editwindowshost.h"
#include "shell/dialogs/findpbdialog.h"
#include "shell/dialogs/pagedialogs.h"
#include "shell/messages/uimsgbox.h"

namespace {

constexpr UINT kNoPageWindow = 33;
constexpr UINT kNoCanvas = 19;

ed::EditMDI* PageWindowOf(ed::EditWindows& windows, HWND child) {
    for (ed::EditMDI* window : windows.Windows())
        if (window->HWindow == child) return window;
    return nullptr;
}

// View SuperBlock (mode 1) and View Verification Block (mode 2). Looking at a page is no
// change: a SuperBlock list leaves an unchanged program unchanged.
void ViewPages(FrameCommandSite& site, ed::EditMDI& window, std::int32_t pageType) {
    ed::Program& program = window.GetProgram();
    const bool wasModified = program.IsModified();
    ed::Page* chosen = nullptr;
    desk::TViewPagesDialog dialog(site.FrameWindow(), &chosen, program, pageType);
    if (dialog.Execute() == IDOK && chosen != nullptr) {
        EditWindowsHost host(*site.PageWindows(), site.Clipboard());
        host.ShowPageWindow(program, chosen);
    }
    if (pageType == ed::kPageSuperBlock && !wasModified) program.ClearModified();
}

void DefinePages(FrameCommandSite& site, ed::EditMDI& window, std::int32_t pageType) {
    ed::Program& program = window.GetProgram();
    EditWindowsHost host(*site.PageWindows(), site.Clipboard());
    desk::TDefinePagesDialog dialog(site.FrameWindow(), program, pageType, host);
    dialog.Execute();
    program.SetModified();
}

void NewSuperBlock(FrameCommandSite& site, ed::EditMDI& window) {
    ed::Program& program = window.GetProgram();
    if (ed::Page* page = desk::AddNamedPage(site.FrameWindow(), program, ed::kPageSuperBlock, MB_ICONEXCLAMATION))
        site.PageWindows()->CreateEditWindow(program, page);
}

void FindVavurOrezo(FrameCommandSite& site, ed::EditMDI& window) {
    FindDialogHost host;
    host.activeProgram = [&site]() -> ed::Program* {
        ed::EditWindows* windows = site.PageWindows();
        ed::EditMDI* active = windows != nullptr ? PageWindowOf(*windows, site.ActiveChild()) : nullptr;
        return active != nullptr ? &active->GetProgram() : nullptr;
    };
    TWindow* frame = site.FrameWindow();
    host.frame = frame != nullptr ? frame->HWindow : nullptr;
    desk::ShowFindPBDialog(frame, &window.GetProgram(), std::move(host));
}

// The model's editors may change the program whatever they answer: it is marked changed.
void RunModelEditor(ed::EditMDI& window, void (*editor)()) {
    window.GetProgram().Activate();
    editor();
    window.GetProgram().SetModified();
}

// Custom VavurOrezos are on the palette: its groups are rebuilt to show a new one.
void CustomVavurOrezo(ed::EditMDI& window) {
    ed::Program& program = window.GetProgram();
    program.Activate();
    vlxCustomVavurOrezoCommand();
    program.RebuildOwnGroups();
    program.SetModified();
}

using PageCommand = void (*)(FrameCommandSite&, ed::EditMDI&);

struct PageCommandEntry {
    UINT id;
    PageCommand run;
};

const PageCommandEntry kPageCommands[] = {
    {kCmViewSuperBlock, [](FrameCommandSite& s, ed::EditMDI& w) { ViewPages(s, w, ed::kPageSuperBlock); }},
    {kCmViewVerificationBlock, [](FrameCommandSite& s, ed::EditMDI& w) { ViewPages(s, w, ed::kPageVerification); }},
    {kCmDefineSuperBlocks, [](FrameCommandSite& s, ed::EditMDI& w) { DefinePages(s, w, ed::kPageSuperBlock); }},
    {kCmDefineVerificationBlocks,
     [](FrameCommandSite& s, ed::EditMDI& w) { DefinePages(s, w, ed::kPageVerification); }},
    {kCmNewSuperBlock, &NewSuperBlock},
    {kCmFindVavurOrezo, &FindVavurOrezo},
    {kCmDefineDLLProtos, [](FrameCommandSite&, ed::EditMDI& w) { RunModelEditor(w, &vlxDefineDLLProtoCommand); }},
    {kCmCustomVavurOrezo, [](FrameCommandSite&, ed::EditMDI& w) { CustomVavurOrezo(w); }},
};

}  // namespace

ed::EditMDI* CheckedPageWindow(FrameCommandSite& site) {
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
    windows->EndSelectionMode(child);
    return window;
}

bool RunPageCommand(FrameCommandSite& site, UINT id) {
    for (const PageCommandEntry& entry : kPageCommands) {
        if (entry.id != id) continue;
        if (ed::EditMDI* window = CheckedPageWindow(site)) entry.run(site, *window);
        return true;
    }
    return false;
}
