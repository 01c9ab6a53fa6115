#include "shell/app/designerpages.h"

#include <windows.h>

#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/page/editmdi_win32.h"
#include "framework/softrec/kvsoftobj.h"
#include "shell/app/uiapp.h"
#include "shell/frame/uimdiframe.h"
#include "shell/messages/uimsgbox.h"
#include "shell/workspace/kvwinapp.h"

void DesignerPageServices::ShowPage(ed::Page* page) {
    if (m_pWindows == nullptr || page == nullptr || page->GetProgram() == nullptr) return;
    if (ed::EditMDI* window = m_pWindows->FindEditWindow(page))
        m_pWindows->ActivateEditWindow(window);
    else
        m_pWindows->CreateEditWindow(*page->GetProgram(), page);
}

bool DesignerPageServices::AskBlockName(HWND owner, const std::string& caption, std::string& name) {
    return m_namer ? m_namer(owner, caption, name) : false;
}

void DesignerPageServices::ShowBlockMenu(HWND owner, ed::VavurOrezo& block, std::int32_t x, std::int32_t y) {
    if (m_menus) m_menus(owner, &block, x, y);
}

void DesignerPageServices::ShowPageMenu(HWND owner, std::int32_t x, std::int32_t y) {
    if (m_menus) m_menus(owner, nullptr, x, y);
}

void DesignerPageServices::PrintedPageSize(int firstBuild, std::int32_t& width, std::int32_t& height) {
    width = height = 0;
    if (m_measure) m_measure(firstBuild, width, height);
}

KvMainFrame* DesignerPageServices::MainFrame() { return KvWinApp::GetMainFrame(); }

bool DesignerPageServices::IsFrameClosing() {
    UIMDIFrame* frame = m_app.GetMDIFrame();
    return frame != nullptr && frame->IsClosing();
}

bool DesignerPageServices::HasApplication() { return KvSoftObj::GetApplication() != nullptr; }

// The frame writes the program (asking for a name while it is "Untitled"); 0 when written.
int DesignerPageServices::SaveApplication(ed::Program& program) {
    UIMDIFrame* frame = m_app.GetMDIFrame();
    return frame != nullptr && frame->SaveProgramFile(&program) == 1 ? 0 : -1;
}

void DesignerPageServices::CloseApplication(ed::Program& program) {
    if (m_closer) m_closer(program);
    if (m_closed) m_closed();
}

int DesignerPageServices::AskSaveChanges(HWND, const std::string& fileTitle) {
    return UIMessageBox("Save changes to %.120s?", "Flowsmith", MB_YESNOCANCEL | MB_ICONQUESTION | MB_TASKMODAL,
                        fileTitle.c_str());
}
