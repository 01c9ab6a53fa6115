// The frame's current program and page, and bringing a page window forward.
#include <windows.h>

#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/page/editmdi_win32.h"
#include "framework/kvbeep.h"
#include "owl/mdiclient.h"
#include "shell/frame/uimdiframe.h"
#include "shell/messages/uimsgbox.h"

namespace {

constexpr UINT kTextSelectProgramWindow = 33;
constexpr UINT kMsgNoCanvas = 19;

}  // namespace

ed::Program* UIMDIFrame::GetCurrentProgram() const {
    return m_ports.windows ? m_ports.windows->CurrentProgram() : nullptr;
}

ed::Page* UIMDIFrame::GetCurrentPage() const { return m_ports.windows ? m_ports.windows->CurrentPage() : nullptr; }

void UIMDIFrame::SetCurrentProgram(ed::Program* program) {
    ed::EditWindows* windows = m_ports.windows;
    if (!windows || windows->CurrentProgram() == program) return;
    // The current page belongs to the current program; another program has none yet.
    ed::Page* page = windows->CurrentPage();
    if (page && page->GetProgram() != program) page = nullptr;
    windows->SetCurrent(program, page);
}

void UIMDIFrame::SetCurrentPage(ed::Page* page) {
    ed::EditWindows* windows = m_ports.windows;
    if (!windows || windows->CurrentPage() == page) return;
    if (ed::EditMDI* window = page ? windows->FindEditWindow(page) : nullptr) ActivateEditWindow(window);
    ed::Program* program = page ? page->GetProgram() : nullptr;
    windows->SetCurrent(program, page);
}

void UIMDIFrame::ActivateEditWindow(ed::EditMDI* window) {
    if (!window || !window->HWindow) return;
    if (!::IsZoomed(window->HWindow)) ::ShowWindow(window->HWindow, SW_SHOWNORMAL);
    ::BringWindowToTop(window->HWindow);
    ::SetFocus(window->HWindow);
    if (TMDIClient* client = GetClientWindow(); client && client->HWindow)
        ::SendMessageA(client->HWindow, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window->HWindow), 0);

    HWND active = ActiveChild();
    bool hasCanvas = false;
    std::int32_t zoom = 0;
    if (!active || !m_pPages || !m_pPages->DescribePage(active, hasCanvas, zoom)) {
        ShowStatusMessage(kTextSelectProgramWindow, true);
        KvBeep(MB_ICONEXCLAMATION);
        return;
    }
    if (!hasCanvas) {
        UIMessageBoxRes(kMsgNoCanvas, nullptr, MB_ICONEXCLAMATION);
        return;
    }
    for (ed::EditMDI* shown : m_ports.windows ? m_ports.windows->Windows() : std::vector<ed::EditMDI*>{}) {
        if (shown->HWindow != active) continue;
        if (ed::EditChild* canvas = shown->Canvas(); canvas && canvas->HWindow) ::SetFocus(canvas->HWindow);
    }
}
