#include "shell/paste/designerpaste.h"

#include <windows.h>

#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/clipboard/clipboardprogram.h"
#include "editor/page/editmdi_win32.h"
#include "editor/page/pagecanvas.h"
#include "editor/palette/palettemdi_win32.h"
#include "framework/shellservices.h"
#include "model/interface/vlx.h"
#include "shell/paste/pasteconflicts.h"

namespace {

constexpr int kConflictsSettled = 1;

// What the paste places joins the canvas's selection.
class CanvasSelection : public ed::PasteSelection {
public:
    explicit CanvasSelection(ed::PageCanvas& canvas) : m_canvas(canvas) {}
    void Select(ed::ProgramObject* object) override { m_canvas.SelectObject(object, 0, 1); }

private:
    ed::PageCanvas& m_canvas;
};

// The wait cursor while the paste runs, the arrow after it.
class WaitCursor {
public:
    WaitCursor() { ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT)); }
    ~WaitCursor() { ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW)); }
};

}  // namespace

bool DesignerPaste::SettleConflicts(std::vector<zeph::TClipInfo>& conflicts)
{
    if (m_site.shell == nullptr || m_site.shell->GetAllNameConflicts(conflicts) <= 0)
        return true;
    if (m_site.shell->ResolveConflicts(conflicts) != kConflictsSettled)
        return false;
    KvApplyConflictDecisions(conflicts, *vlxGetClipboardList());
    return true;
}

bool DesignerPaste::PasteAt(ed::PageCanvas& canvas, ed::Point at)
{
    ed::Page* page = canvas.GetShownPage();
    if (page == nullptr)
        return false;
    ed::Program& program = canvas.GetProgram();
    const ed::Point onPage = canvas.Scale().CanvasToPage(canvas.SnapCanvasPoint(at));
    WaitCursor wait;
    // The conflicts are judged in the program and page pasted into.
    program.Activate();
    page->Activate();
    std::vector<zeph::TClipInfo> conflicts;
    if (!SettleConflicts(conflicts))
        return false;
    if (m_site.shell != nullptr) {
        m_site.shell->PasteClipboardVoiceItems(conflicts);
        m_site.shell->PasteClipboardFaxItems(conflicts);
    }
    if (m_site.pasteWorkspaceParts)
        m_site.pasteWorkspaceParts();

    m_clipboard.SetPastePoint(onPage.x, onPage.y);
    CanvasSelection selection(canvas);
    canvas.ClearSelection();
    const ed::Page* clipboardPage = m_clipboard.ClipboardPage();
    const bool holdsBlocks = m_clipboard.Pages().size() > 1 || !clipboardPage->Blocks().empty();
    const int refused = holdsBlocks ? m_clipboard.PasteInto(page, &selection, 0) : 0;
    if (refused == 0 && !clipboardPage->Notes().empty())
        m_clipboard.PasteTextNotes(page, &selection);

    Redraw(program);
    if (ed::PaletteMDI* palette = m_site.palette ? m_site.palette() : nullptr) {
        palette->SetProgram(nullptr);
        palette->SetProgram(&program);
    }
    return refused == 0;
}

void DesignerPaste::Redraw(ed::Program& program)
{
    if (m_site.windows == nullptr)
        return;
    for (ed::EditMDI* window : m_site.windows->Windows()) {
        if (&window->GetProgram() == &program)
            window->BuildAll();
    }
}
