#include "shell/commands/editcommands.h"

#include <algorithm>
#include <vector>

#include "editor/canvas/gotoline.h"
#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/clipboard/clipboardprogram.h"
#include "editor/notes/textnote.h"
#include "editor/page/editmdi_win32.h"
#include "editor/support/editorhost.h"
#include "framework/kvbeep.h"
#include "model/interface/vlx.h"
#include "shell/commands/refusal.h"
#include "shell/messages/uimsgbox.h"

namespace {

constexpr UINT kAskRemove = 64;
constexpr UINT kAskPaste = 65;

// The blocks every program keeps, and the text of each command's refusal.
struct ProtectedBlock {
    int type;
    UINT cutText;
    UINT copyText;
    UINT deleteText;
};
constexpr ProtectedBlock kProtectedBlocks[] = {
    {ed::kTypeBegin, 69, 76, 43},
    {ed::kTypeEnd, 66, 77, 72},
    {ed::kTypeRotary, 67, 78, 70},
    {ed::kTypeFixed401, 68, 79, 71},
};

const ProtectedBlock* ProtectionOf(const ed::VavurOrezo& block) {
    for (const ProtectedBlock& entry : kProtectedBlocks)
        if (entry.type == block.TypeCode()) return &entry;
    return nullptr;
}

bool ConfirmsDeletes(ed::EditMDI& window) { return window.GetProgram().Host().IsOptionSet(kOptionConfirmDeletes); }

bool Asked(UINT question) { return UIMessageBoxRes(question, nullptr, MB_YESNO | MB_ICONEXCLAMATION) == IDYES; }

// While a text note is typed in, the command is the note's: true when it was passed on
// (or dropped because no note is open).
bool PassedToNote(ed::EditMDI& window, UINT message, WPARAM key) {
    ed::EditChild* canvas = window.Canvas();
    if (canvas->Canvas().Mode() != ed::kMouseNoteEditing) return false;
    if (HWND note = canvas->EditedNoteWindow()) {
        if (message == WM_KEYDOWN)
            PressKeyInNote(note, key);
        else
            ::SendMessageA(note, message, 0, 0);
    }
    return true;
}

// The lines a block's removal takes with it: its own and those of other blocks ending at it.
void AddLinesGoingWith(const ed::VavurOrezo& block, const ed::Page& page, std::vector<ed::UIObject*>& gone) {
    for (const auto& line : block.Gotos()) gone.push_back(line.get());
    for (const auto& other : page.Blocks())
        for (const auto& line : other->Gotos())
            if (line->EndBlock() == &block) gone.push_back(line.get());
}

// Removes what is selected on the page. Each object of the snapshot is acted on only while
// it is still selected and was not taken away with a block removed before it.
void DeleteSelection(FrameCommandSite& site, ed::EditMDI& window) {
    ed::PageCanvas& canvas = window.Canvas()->Canvas();
    ed::Page* page = window.GetPage();
    const std::vector<ed::UIObject*> snapshot = canvas.Selection();
    if (snapshot.empty() || page == nullptr) return;
    if (ConfirmsDeletes(window) && !Asked(kAskRemove)) return;
    ed::EditWindows& windows = *site.PageWindows();
    std::vector<ed::UIObject*> gone;
    for (ed::UIObject* object : snapshot) {
        if (std::find(gone.begin(), gone.end(), object) != gone.end() || !canvas.IsSelected(object)) continue;
        switch (object->isA()) {
            case ed::kClassVavurOrezo: {
                auto* block = static_cast<ed::VavurOrezo*>(object);
                if (block->CanDelete() == 0) {
                    if (const ProtectedBlock* entry = ProtectionOf(*block)) REPORT_REFUSAL(entry->deleteText);
                    break;
                }
                std::vector<ed::UIObject*> lines;
                AddLinesGoingWith(*block, *page, lines);
                for (ed::UIObject* line : lines) canvas.DeselectObject(line);
                gone.insert(gone.end(), lines.begin(), lines.end());
                gone.push_back(block);
                windows.NotifyChildren(static_cast<ed::ProgramObject*>(block), 3, 3);
                page->RemoveVavurOrezo(block);
                break;
            }
            case ed::kClassTextNote: {
                auto* note = static_cast<ed::KvTextUI*>(object);
                gone.push_back(note);
                windows.NotifyChildren(static_cast<ed::ProgramObject*>(note), 3, 3);
                page->RemoveTextNote(note);
                break;
            }
            case ed::kClassGoto: {
                auto* line = static_cast<ed::Goto*>(object);
                windows.NotifyChildren(static_cast<ed::ProgramObject*>(line), 3, 0);
                ed::VavurOrezo* owner = line->Block();
                if (owner == nullptr || owner->CanRemoveGoto(line) == 0) break;
                // A grouped output takes the lines of the group's other outputs along.
                std::vector<ed::UIObject*> ownerLines;
                for (const auto& each : owner->Gotos()) ownerLines.push_back(each.get());
                owner->DeleteGoto(line);
                for (ed::UIObject* each : ownerLines) {
                    const bool kept = std::any_of(owner->Gotos().begin(), owner->Gotos().end(),
                                                  [each](const auto& l) { return l.get() == each; });
                    if (!kept) gone.push_back(each);
                }
                break;
            }
            case ed::kClassGotoBlock:
                KvBeep(MB_ICONEXCLAMATION);
                break;
            default:
                break;
        }
    }
}

struct Choice {
    std::vector<ed::VavurOrezo*> blocks;
    std::vector<ed::KvTextUI*> notes;
    bool refused = false;
};

// The blocks and notes of the selection that may go to the clipboard; each protected block
// is reported, and for a cut taken out of the selection.
Choice ChooseForClipboard(ed::EditMDI& window, bool cut) {
    ed::PageCanvas& canvas = window.Canvas()->Canvas();
    Choice choice;
    const std::vector<ed::UIObject*> selection = canvas.Selection();
    for (ed::UIObject* object : selection) {
        if (object->isA() == ed::kClassVavurOrezo) {
            auto* block = static_cast<ed::VavurOrezo*>(object);
            if (const ProtectedBlock* entry = ProtectionOf(*block)) {
                REPORT_REFUSAL(cut ? entry->cutText : entry->copyText);
                if (cut) canvas.DeselectObject(block);
                choice.refused = true;
                continue;
            }
            choice.blocks.push_back(block);
        } else if (object->isA() == ed::kClassTextNote) {
            choice.notes.push_back(static_cast<ed::KvTextUI*>(object));
        }
    }
    return choice;
}

// 0 when the choice is on the clipboard. A cut copies the notes only after the blocks went.
int CopyToClipboard(FrameCommandSite& site, ed::EditMDI& window, const Choice& choice, bool cut) {
    ed::ClipboardProgram* clipboard = site.Clipboard();
    if (clipboard == nullptr) return -1;
    clipboard->Empty();
    site.HoldBlocks();
    int result = 0;
    if (!choice.blocks.empty()) result = clipboard->CopySelection(choice.blocks, window.GetPage());
    if (!choice.notes.empty() && (result == 0 || !cut))
        clipboard->CopyTextNotes(choice.notes, window.GetPage(), !choice.blocks.empty());
    return result;
}

void Cut(FrameCommandSite& site, ed::EditMDI& window, UINT) {
    if (PassedToNote(window, WM_CUT, 0)) return;
    const Choice choice = ChooseForClipboard(window, true);
    if (choice.blocks.empty() && choice.notes.empty()) {
        if (!choice.refused) UIMessageBox("You must select the blocks you wish to cut.", nullptr, MB_ICONEXCLAMATION);
        return;
    }
    if (CopyToClipboard(site, window, choice, true) == 0) DeleteSelection(site, window);
}

void Copy(FrameCommandSite& site, ed::EditMDI& window, UINT) {
    if (PassedToNote(window, WM_COPY, 0)) return;
    const Choice choice = ChooseForClipboard(window, false);
    if (choice.blocks.empty() && choice.notes.empty()) {
        if (!choice.refused)
            UIMessageBox("You must select the vavurorezos you wish to copy!", nullptr, MB_ICONEXCLAMATION);
        return;
    }
    CopyToClipboard(site, window, choice, false);
}

void Paste(FrameCommandSite& site, ed::EditMDI& window, UINT) {
    if (PassedToNote(window, WM_PASTE, 0)) return;
    ed::ClipboardProgram* clipboard = site.Clipboard();
    ed::Page* held = clipboard != nullptr ? clipboard->ClipboardPage() : nullptr;
    if (clipboard == nullptr || clipboard->SourceProgramId() == -1 || held == nullptr ||
        (held->Blocks().empty() && held->Notes().empty())) {
        UIMessageBox("The clipboard is empty!", nullptr, MB_ICONEXCLAMATION);
        return;
    }
    if (vlxCanIPaste(0) == 0) {
        UIMessageBox("The last cut/copy operation was not a vavurorezo!", nullptr, MB_ICONEXCLAMATION);
        return;
    }
    const std::int32_t pageType = window.GetPage() != nullptr ? window.GetPage()->PageType() : -1;
    if (clipboard->HoldsEndBlock() && pageType == ed::kPageMain) {
        UIMessageBox("The clipboard contains an End Block, which cannot be added to Main.", nullptr, MB_ICONEXCLAMATION);
        return;
    }
    if (clipboard->HoldsEndBlock() && pageType == ed::kPageVerification) {
        UIMessageBox("The clipboard contains an End Block, which cannot be added to verification blocks.", nullptr,
                     MB_ICONEXCLAMATION);
        return;
    }
    if (ConfirmsDeletes(window) && !Asked(kAskPaste)) return;
    ed::EditChild* canvas = window.Canvas();
    canvas->Canvas().ClearSelection();
    canvas->Mouse().BeginPastePlacement();
}

void Delete(FrameCommandSite& site, ed::EditMDI& window, UINT) {
    if (PassedToNote(window, WM_KEYDOWN, VK_DELETE)) return;
    DeleteSelection(site, window);
}

const FrameCommandEntry kEditCommands[] = {
    {kCmEditCut, kCmEditCut, NoteEdit::Keep, &Cut},
    {kCmEditCopy, kCmEditCopy, NoteEdit::Keep, &Copy},
    {kCmEditPaste, kCmEditPaste, NoteEdit::Keep, &Paste},
    {kCmEditDelete, kCmEditDelete, NoteEdit::Keep, &Delete},
};

}  // namespace

std::span<const FrameCommandEntry> EditCommands() { return kEditCommands; }

bool RunEscape(FrameCommandSite& site, UINT id) {
    if (id != kCmEscape) return false;
    ed::EditWindows* windows = site.PageWindows();
    ed::EditMDI* window = windows != nullptr ? PageWindowOf(*windows, site.ActiveChild()) : nullptr;
    ed::EditChild* canvas = window != nullptr ? window->Canvas() : nullptr;
    if (canvas == nullptr || canvas->Canvas().Mode() != ed::kMousePastePlacement) return true;
    canvas->ReleaseCapture();
    canvas->Canvas().SetMode(ed::kMouseIdle);
    canvas->CancelPaste();
    return true;
}
