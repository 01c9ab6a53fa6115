#include "shell/commands/fontcommands.h"

#include <memory>
#include <vector>

#include "editor/canvas/program.h"
#include "editor/notes/textnote.h"
#include "editor/page/editmdi_win32.h"
#include "editor/support/drawing_win32.h"
#include "framework/kvbeep.h"
#include "framework/kvnamed.h"
#include "owl/window.h"

namespace {

constexpr char kDefaultNoteFont[] = "default_textnotes";

Fonts* FontTable() { return ed::GetDrawingTables().fonts; }

// Every selected note takes a copy of the chosen font; the dialog starts from the first
// note's font. Without a selected note there is only the warning sound.
void TextNoteFont(FrameCommandSite& site, ed::EditMDI& window, UINT) {
    std::vector<ed::KvTextUI*> notes;
    for (ed::UIObject* object : window.Canvas()->Canvas().Selection())
        if (object->isA() == ed::kClassTextNote) notes.push_back(static_cast<ed::KvTextUI*>(object));
    if (notes.empty()) {
        KvBeep(MB_ICONEXCLAMATION);
        return;
    }
    const FontObject* start = notes.front()->Font().get();
    if (start == nullptr && FontTable() != nullptr) start = FontTable()->Find(kDefaultNoteFont);
    if (start == nullptr) return;
    std::unique_ptr<FontObject> chosen(start->Choose(site.FrameHandle()));
    if (!chosen) return;
    for (ed::KvTextUI* note : notes) {
        auto font = std::make_shared<FontObject>("", *chosen);
        HFONT handle = font->GetFont();
        // The file keeps the note's font by its description.
        note->SetFontSpec(ed::NoteFontSpecOf(*font));
        note->SetFont(std::move(font), handle);
        note->SetModified();
    }
    RefreshChildWindows(site, false);
    window.GetProgram().SetModified();
}

struct FontTableCommand {
    UINT id;
    const char* entry;
    bool endsNoteEdit;  // block labels: a note typed on the active page is ended first
};

const FontTableCommand kFontTableCommands[] = {
    {kCmVavurOrezoLabelFont, "vavurorezo_label", true},
    {kCmIconLabelFont, "icon_label", false},
    {kCmDefaultTextNoteFont, kDefaultNoteFont, false},
};

void ChooseTableFont(FrameCommandSite& site, const FontTableCommand& command) {
    if (command.endsNoteEdit && site.PageWindows() != nullptr) site.PageWindows()->EndSelectionMode(site.ActiveChild());
    Fonts* fonts = FontTable();
    const FontObject* entry = fonts != nullptr ? fonts->Find(command.entry) : nullptr;
    if (entry == nullptr) return;
    FontObject* chosen = entry->Choose(site.FrameHandle());
    if (chosen == nullptr) return;
    // The old entry is deleted: every window measures and draws with the new one at once.
    fonts->Add(chosen, TRUE);
    RefreshChildWindows(site, true);
}

const FrameCommandEntry kFontCommands[] = {
    {kCmTextNoteFont, kCmTextNoteFont, NoteEdit::End, &TextNoteFont},
};

}  // namespace

std::span<const FrameCommandEntry> FontCommands() { return kFontCommands; }

bool RunFontTableCommand(FrameCommandSite& site, UINT id) {
    for (const FontTableCommand& command : kFontTableCommands) {
        if (command.id != id) continue;
        ChooseTableFont(site, command);
        return true;
    }
    return false;
}

void RefreshChildWindows(FrameCommandSite& site, bool metrics) {
    HWND client = ::FindWindowExA(site.FrameHandle(), nullptr, "MDICLIENT", nullptr);
    if (client == nullptr) return;
    std::vector<ed::UIMDIChild*> children;
    for (HWND child = ::GetWindow(client, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT))
        if (auto* window = dynamic_cast<ed::UIMDIChild*>(TWindow::GetWindowPtr(child))) children.push_back(window);
    for (ed::UIMDIChild* child : children) {
        if (metrics) child->ComputeAllExtents();
        child->BuildAll();
        ::InvalidateRect(child->HWindow, nullptr, TRUE);
    }
}
