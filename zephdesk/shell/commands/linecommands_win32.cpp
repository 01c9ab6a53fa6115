#include "shell/commands/linecommands.h"

#include <algorithm>

#include "editor/canvas/gotoline.h"
#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/page/editmdi_win32.h"
#include "editor/support/editorhost.h"
#include "owl/window.h"
#include "shell/commands/blockcommands.h"
#include "shell/menus/gotomenuitems.h"
#include "shell/messages/uimsgbox.h"

namespace {

constexpr UINT kSelectLine = 20;

void MarkForRouting(ed::Goto& line) {
    line.ClearFlags(ed::kGotoHandEdited);
    line.SetRerouteFlag();
}

void RerouteLine(FrameCommandSite&, ed::EditMDI& window, UINT) {
    ed::PageCanvas& canvas = window.Canvas()->Canvas();
    bool marked = false;
    for (ed::UIObject* object : canvas.Selection()) {
        if (object->isA() != ed::kClassGoto) continue;
        MarkForRouting(*static_cast<ed::Goto*>(object));
        marked = true;
    }
    if (marked)
        canvas.RouteMarkedLines();
    else
        UIMessageBoxRes(kSelectLine, nullptr, MB_ICONEXCLAMATION);
}

void RerouteAll(FrameCommandSite&, ed::EditMDI& window, UINT) {
    if (ed::Page* page = window.GetPage())
        for (const auto& block : page->Blocks())
            for (const auto& line : block->Gotos()) MarkForRouting(*line);
    window.Canvas()->Canvas().RouteMarkedLines();
}

// Each selected line is stubbed (labelled when Label Stub Gotos is on) or, when stubbed
// already, drawn in full again; the first selected object must be a line.
void StubRestoreLine(FrameCommandSite&, ed::EditMDI& window, UINT) {
    ed::PageCanvas& canvas = window.Canvas()->Canvas();
    const std::vector<ed::UIObject*> selection = canvas.Selection();
    if (selection.empty() || selection.front()->isA() != ed::kClassGoto) {
        UIMessageBoxRes(kSelectLine, nullptr, MB_ICONEXCLAMATION);
        return;
    }
    const bool label = window.GetProgram().Host().IsOptionSet(kOptionLabelStubs);
    for (ed::UIObject* object : selection)
        if (object->isA() == ed::kClassGoto) static_cast<ed::Goto*>(object)->ToggleStub(label);
}

// Show all, Hide all, or one output toggled. An output the block does not have (an item
// left from another block's pop-up) changes nothing.
void HideShowOutputs(FrameCommandSite& site, ed::EditMDI& window, UINT id) {
    ed::VavurOrezo* block = TheSelectedBlock(window);
    if (block == nullptr) return;
    const auto& outputs = block->GotoBlocks();
    const std::size_t listed = block->Record() != nullptr ? block->Record()->outputs.size() : 0;
    const std::size_t count = std::min(listed, outputs.size());
    if (id == kCmShowAllOutputs || id == kCmHideAllOutputs) {
        for (std::size_t i = 0; i < count; ++i) outputs[i]->SetShown(id == kCmShowAllOutputs ? 1 : 0);
    } else {
        const std::size_t n = id - kCmOutputBase;
        if (n >= count) return;
        outputs[n]->SetShown(outputs[n]->IsShownFlag() != 0 ? 0 : 1);
    }
    ed::EditWindows& windows = *site.PageWindows();
    ed::ProgramObject* object = block;
    // The drawing goes and comes back; the block stays selected for the next output command.
    windows.NotifyChildren(object, ed::kUpdateRemovedQuietly, 2);
    windows.NotifyChildren(object, ed::kUpdateAdded, 2);
    block->MoveTo(block->X(), block->Y());
    windows.NotifyChildren(object, ed::kUpdateChanged, 0);
    ed::EditChild* canvas = window.Canvas();
    canvas->Canvas().RouteMarkedLines();
    if (HWND frame = site.FrameHandle())
        ::UpdateWindow(frame);
    ::UpdateWindow(canvas->HWindow);
}

const FrameCommandEntry kLineCommands[] = {
    {kCmRerouteLine, kCmRerouteLine, NoteEdit::End, &RerouteLine},
    {kCmRerouteAll, kCmRerouteAll, NoteEdit::End, &RerouteAll},
    {kCmStubRestoreLine, kCmStubRestoreLine, NoteEdit::End, &StubRestoreLine},
    {kCmOutputBase, kCmHideAllOutputs, NoteEdit::End, &HideShowOutputs},
};

}  // namespace

std::span<const FrameCommandEntry> LineCommands() { return kLineCommands; }
