// The end of a page canvas's paste placement in the designer: the clipboard goes into
// the page under the click. The name conflicts of the model's clipboard are settled with
// the user first (a cancel pastes nothing); the clipboard's items, imports and resource
// permissions go into the active application; then the clipboard program pastes its
// blocks and pages at the point, and its text notes; every window of the page is drawn
// again, what was placed is selected, and the palette shows the program's SuperBlocks as
// they now are.
#pragma once

#include <functional>
#include <vector>

#include "editor/support/geometry.h"
#include "programfile/clipboard/clipinfo.h"

class ShellServices;
namespace ed {
class ClipboardProgram;
class EditWindows;
class PageCanvas;
class PaletteMDI;
class Program;
}

class DesignerPaste {
public:
    // What the paste asks of the designer around the clipboard program.
    struct Site {
        // Name conflicts (ShellServices::GetAllNameConflicts and ResolveConflicts) and the
        // paste of the item clipboard's voice and fax items.
        ShellServices* shell = nullptr;
        // The workspace's imports and resource permissions of the clipboard application.
        std::function<void()> pasteWorkspaceParts;
        // The page windows, drawn again after the paste.
        ed::EditWindows* windows = nullptr;
        // The palette window to point at the program again; null: none.
        std::function<ed::PaletteMDI*()> palette;
    };

    DesignerPaste(ed::ClipboardProgram& clipboard, Site site) : m_clipboard(clipboard), m_site(std::move(site)) {}

    // Pastes at a canvas point of the canvas's page; false when the user cancelled over a
    // conflict or the model refused the paste (nothing is pasted then).
    bool PasteAt(ed::PageCanvas& canvas, ed::Point at);

private:
    bool SettleConflicts(std::vector<zeph::TClipInfo>& conflicts);
    void Redraw(ed::Program& program);

    ed::ClipboardProgram& m_clipboard;
    Site m_site;
};
