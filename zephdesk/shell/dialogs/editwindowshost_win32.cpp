#include "shell/dialogs/editwindowshost.h"

#include <vector>

#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/page/editmdi_win32.h"

namespace {

constexpr int kPageGoes = 3;

}  // namespace

void EditWindowsHost::ShowPageWindow(ed::Program& program, ed::Page* page) {
    if (ed::EditMDI* window = m_windows.FindEditWindow(page))
        m_windows.ActivateEditWindow(window);
    else
        m_windows.CreateEditWindow(program, page);
}

void EditWindowsHost::ClosePageWindows(ed::Program& program, ed::Page* page) {
    std::vector<ed::EditMDI*> closing;
    for (ed::EditMDI* window : m_windows.Windows())
        if (window->GetPage() == page) closing.push_back(window);
    ed::Page* main = program.GetMainPage();
    if (!closing.empty() && std::int32_t(closing.size()) >= program.PageWindows() && main != nullptr && main != page)
        m_windows.CreateEditWindow(program, main);
    // The windows forget the page at once; each then closes, which takes it off the list,
    // before the caller removes the page.
    m_windows.NotifyChildren(static_cast<ed::ProgramObject*>(page), kPageGoes, 0);
    for (ed::EditMDI* window : closing)
        if (window->HWindow != nullptr) ::SendMessageA(window->HWindow, ed::kMsgPageRemoved, 0, 0);
}

void EditWindowsHost::UpdateChildCaptions() { m_windows.UpdateChildCaptions(); }

ed::Page* EditWindowsHost::ActivePage() { return m_windows.CurrentPage(); }

void EditWindowsHost::RefreshPalette(ed::Program& program) { program.RebuildOwnGroups(); }
