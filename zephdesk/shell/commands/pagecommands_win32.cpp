#include "shell/commands/pagecommands.h"

#include <cstring>

#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/page/editmdi_win32.h"
#include "editor/print/printedit_win32.h"
#include "editor/support/editorhost.h"
#include "framework/kvbeep.h"
#include "model/interface/vlx.h"
#include "owl/window.h"
#include "shell/dialogs/editwindowshost.h"
#include "shell/dialogs/findpbdialog.h"
#include "shell/dialogs/pagedialogs.h"
#include "shell/messages/uimsgbox.h"

namespace {

constexpr UINT kMustSaveBeforeBuilding = 21;
constexpr std::uint32_t kOptionPrintFrame = 0x200;

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
    host.frame = site.FrameHandle();
    desk::ShowFindPBDialog(site.FrameWindow(), &window.GetProgram(), std::move(host));
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

// Check for incomplete blocks: a program never saved is saved first; a complete program
// gets no message.
void CheckComplete(FrameCommandSite& site, ed::EditMDI& window) {
    ed::Program& program = window.GetProgram();
    if (std::strcmp(program.GetFileName(), "Untitled") == 0) {
        UIMessageBoxRes(kMustSaveBeforeBuilding, nullptr, MB_ICONEXCLAMATION);
        if (!site.SaveProgram(program)) return;
    }
    if (program.SearchPages(0) == 0)
        UIMessageBox("This application contains incomplete blocks and cannot be built", nullptr, MB_ICONEXCLAMATION);
}

// Printing alone never leaves a program marked as changed.
void PrintFlowOfPage(FrameCommandSite& site, ed::EditMDI& window) {
    ed::Program& program = window.GetProgram();
    const bool wasModified = program.IsModified();
    if (ed::Page* page = window.GetPage())
        ed::PrintFlow(site.FrameHandle(), *page, program.Host().IsOptionSet(kOptionPrintFrame));
    window.Canvas()->BuildDisplay();
    if (!wasModified) program.ClearModified();
}

template <void (*Run)(FrameCommandSite&, ed::EditMDI&)>
constexpr FrameCommandEntry Entry(UINT id) {
    return {id, id, NoteEdit::End, [](FrameCommandSite& s, ed::EditMDI& w, UINT) { Run(s, w); }};
}

void ViewSuperBlocks(FrameCommandSite& s, ed::EditMDI& w) { ViewPages(s, w, ed::kPageSuperBlock); }
void ViewVerificationBlocks(FrameCommandSite& s, ed::EditMDI& w) { ViewPages(s, w, ed::kPageVerification); }
void DefineSuperBlocks(FrameCommandSite& s, ed::EditMDI& w) { DefinePages(s, w, ed::kPageSuperBlock); }
void DefineVerificationBlocks(FrameCommandSite& s, ed::EditMDI& w) { DefinePages(s, w, ed::kPageVerification); }
void DefineStructures(FrameCommandSite&, ed::EditMDI& w) { RunModelEditor(w, &vlxDefineStructureCommand); }
void DefineDLLProtos(FrameCommandSite&, ed::EditMDI& w) { RunModelEditor(w, &vlxDefineDLLProtoCommand); }
void CustomVavurOrezoCommand(FrameCommandSite&, ed::EditMDI& w) { CustomVavurOrezo(w); }

const FrameCommandEntry kPageCommands[] = {
    Entry<&ViewSuperBlocks>(kCmViewSuperBlock),
    Entry<&ViewVerificationBlocks>(kCmViewVerificationBlock),
    Entry<&DefineSuperBlocks>(kCmDefineSuperBlocks),
    Entry<&DefineVerificationBlocks>(kCmDefineVerificationBlocks),
    Entry<&NewSuperBlock>(kCmNewSuperBlock),
    Entry<&FindVavurOrezo>(kCmFindVavurOrezo),
    Entry<&DefineStructures>(kCmDefineStructures),
    Entry<&DefineDLLProtos>(kCmDefineDLLProtos),
    Entry<&CustomVavurOrezoCommand>(kCmCustomVavurOrezo),
    Entry<&CheckComplete>(kCmCheckComplete),
    Entry<&PrintFlowOfPage>(kCmPrintFlow),
};

}  // namespace

std::span<const FrameCommandEntry> PageCommands() { return kPageCommands; }
