#include "shell/commands/blockcommands.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "editor/canvas/page.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/page/editmdi_win32.h"
#include "shell/commands/refusal.h"
#include "shell/dialogs/smalldialogs.h"
#include "shell/messages/uimsgbox.h"

namespace {

constexpr UINT kSelectBlock = 23;
constexpr UINT kOnlyOneBlock = 24;
constexpr UINT kNoRenameVerificationEnd = 26;
constexpr UINT kNoDialogMemory = 27;

// The blocks every program keeps cannot be renamed.
struct UnrenamableBlock {
    int type;
    UINT text;
};
constexpr UnrenamableBlock kUnrenamable[] = {
    {ed::kTypeBegin, 25},
    {ed::kTypeEnd, 74},
    {ed::kTypeFixed401, 75},
    {ed::kTypeRotary, 73},
};

bool MayRename(const ed::VavurOrezo& block) {
    for (const UnrenamableBlock& entry : kUnrenamable) {
        if (entry.type != block.TypeCode()) continue;
        REPORT_REFUSAL(entry.text);
        return false;
    }
    const ed::Page* page = const_cast<ed::VavurOrezo&>(block).GetPage();
    if (block.TypeCode() == ed::kTypeSubFlowEnd && page != nullptr && page->PageType() == ed::kPageVerification) {
        UIMessageBoxRes(kNoRenameVerificationEnd, nullptr, MB_ICONSTOP);
        return false;
    }
    return true;
}

// The name dialog is shown again with the typed name while the model refuses it and asks
// for another try.
void Rename(FrameCommandSite& site, ed::EditMDI& window, UINT) {
    ed::VavurOrezo* block = TheSelectedBlock(window);
    if (block == nullptr || !MayRename(*block)) return;
    char caption[80];
    std::snprintf(caption, sizeof caption, "Rename Block %.50s", block->Name().c_str());
    char name[64] = "";
    std::snprintf(name, sizeof name, "%s", block->Name().c_str());
    for (;;) {
        std::unique_ptr<desk::TNamePBDialog> dialog(new (std::nothrow)
                                                        desk::TNamePBDialog(site.FrameWindow(), name, caption, true));
        if (!dialog) {
            UIMessageBoxRes(kNoDialogMemory, nullptr, MB_ICONEXCLAMATION);
            return;
        }
        if (dialog->Execute() != IDOK) return;
        int refused = 0;
        if (block->Rename(name, refused) != 0) {
            window.Canvas()->BuildDisplay();
            window.Canvas()->InvalidateAll();
            return;
        }
        if (refused == 0) return;
    }
}

// A change of the block's lines rebuilds them; otherwise only the block is drawn again.
void BlockProperties(FrameCommandSite&, ed::EditMDI& window, UINT) {
    ed::VavurOrezo* block = TheSelectedBlock(window);
    if (block == nullptr) return;
    int linesDiffer = 0;
    block->EditProperties(linesDiffer);
    ed::PageCanvas& canvas = window.Canvas()->Canvas();
    if (linesDiffer != 0) {
        canvas.ObjectUpdate(block, ed::kUpdateRemoved, 2);
        block->ConnectGotos(0, 1, 0);
        canvas.ObjectUpdate(block, ed::kUpdateAdded, 2);
    } else {
        canvas.ObjectUpdate(block, ed::kUpdateRedraw, 0);
    }
}

void ConfigureBlock(FrameCommandSite&, ed::EditMDI& window, UINT) { TheSelectedBlock(window); }

const FrameCommandEntry kBlockCommands[] = {
    {kCmRenameBlock, kCmRenameBlock, NoteEdit::End, &Rename},
    {kCmConfigureBlock, kCmConfigureBlock, NoteEdit::End, &ConfigureBlock},
    {kCmBlockProperties, kCmBlockProperties, NoteEdit::End, &BlockProperties},
};

}  // namespace

ed::VavurOrezo* TheSelectedBlock(ed::EditMDI& window) {
    const ed::PageCanvas& canvas = window.Canvas()->Canvas();
    ed::UIObject* first = canvas.FirstSelected();
    if (first == nullptr || first->isA() != ed::kClassVavurOrezo) {
        UIMessageBoxRes(kSelectBlock, nullptr, MB_ICONEXCLAMATION);
        return nullptr;
    }
    if (canvas.SelectionCount() > 1) {
        UIMessageBoxRes(kOnlyOneBlock, nullptr, MB_ICONEXCLAMATION);
        return nullptr;
    }
    return static_cast<ed::VavurOrezo*>(first);
}

std::span<const FrameCommandEntry> BlockCommands() { return kBlockCommands; }
