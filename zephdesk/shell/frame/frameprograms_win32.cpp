// The frame's two program-file operations: showing the program of an application file in
// a page window, and writing the active (or a given) program to its file.
#include <io.h>
#include <windows.h>

#include <cstdlib>
#include <memory>

#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/file/programfile.h"
#include "editor/page/editmdi_win32.h"
#include "foundation/kvmsgbox.h"
#include "foundation/kvvif.h"
#include "framework/kvbeep.h"
#include "model/interface/vlx.h"
#include "owl/mdiclient.h"
#include "shell/dialogs/smalldialogs.h"
#include "shell/frame/programfilerules.h"
#include "shell/frame/uimdiframe.h"
#include "shell/workspace/kvwinapp.h"

namespace {

constexpr UINT kTextSelectProgramWindow = 33;
constexpr char kMainPage[] = "Main";
constexpr char kReadOnlyText[] = "Program is set to read only cannot save over.";

// A file that exists and may not be written (read-only attribute or rights).
bool IsWriteProtected(const char* path) { return ::_access(path, 0) == 0 && ::_access(path, 2) != 0; }

}  // namespace

ed::Program* UIMDIFrame::ActivePageProgram(bool report) {
    HWND child = ActiveChild();
    if (child && m_ports.windows) {
        for (ed::EditMDI* window : m_ports.windows->Windows())
            if (window->HWindow == child) return &window->GetProgram();
    }
    if (report) {
        ShowStatusMessage(kTextSelectProgramWindow, true);
        KvBeep(MB_ICONEXCLAMATION);
    }
    return nullptr;
}

int UIMDIFrame::OpenProgramFile(const std::string& path) {
    ed::EditWindows* windows = m_ports.windows;
    if (!windows || !m_ports.host || !m_ports.model) return 1;
    // The same path (exactly) already shown: its program becomes current and its main
    // page comes forward; nothing is read.
    for (ed::EditMDI* window : windows->Windows()) {
        ed::Program& shown = window->GetProgram();
        if (path != shown.GetFileName()) continue;
        SetCurrentProgram(&shown);
        BringMainPageForward(shown);
        return 0;
    }

    ::SetFocus(HWindow);
    ed::Program* program = LoadProgramWindow(path);
    if (!program) return 1;
    program->ClearModified();
    BringMainPageForward(*program);
    UpdateChildCaptions();
    return 0;
}

void UIMDIFrame::BringMainPageForward(ed::Program& program) {
    ed::Page* main = program.FindPage(kMainPage);
    ed::EditMDI* window = main && m_ports.windows ? m_ports.windows->FindEditWindow(main) : nullptr;
    if (window) ActivateEditWindow(window);
}

ed::Program* UIMDIFrame::LoadProgramWindow(const std::string& path) {
    ed::EditWindows* windows = m_ports.windows;
    if (!windows || !m_ports.host || !m_ports.model) return nullptr;
    std::unique_ptr<ed::Program> loaded = ed::ProgramFile::Load(path, nullptr, *m_ports.host, *m_ports.model,
                                                                m_ports.imports);
    // No window owns a program that could not be shown: it goes here.
    if (loaded && !windows->CreateEditWindow(*loaded, loaded->GetMainPage())) loaded.reset();
    if (!loaded) {
        if (ed::Program* active = ActivePageProgram(false)) active->Activate();
        return nullptr;
    }
    // From here the program's last page window deletes it.
    ed::Program* program = loaded.release();
    vlxImportAllRLLs(program->Handle(), nullptr);
    program->BuildImportGroups();
    return program;
}

int UIMDIFrame::SaveProgramFile(ed::Program* program) {
    if (!program) program = ActivePageProgram(true);
    if (!program) return 0;
    EndNoteEditing();

    if (!m_bProgramFolderSet) {
        ::SetCurrentDirectoryA(ProgramFolder(std::getenv("VLX")).c_str());
        m_bProgramFolderSet = true;
    }

    if (std::string(program->GetFileName()) == kUntitledProgram) {
        char name[kKvPathMax] = "";
        if (!desk::RunSaveProgramDialog(name)) return 0;
        program->SetFileName(name);
        UpdateChildCaptions();
    } else if (IsWriteProtected(program->GetFileName())) {
        KvMessageBoxRequest box;
        box.text = kReadOnlyText;
        box.caption = "Error!";
        box.style = kKvMbIconHand;
        box.owner = KvBoxOwner::None;
        KvMessageBox(box);
        return 0;
    }

    // A write that failed or was declined is no save: the callers (build, run) stop.
    const int written = ed::ProgramFile::Save(program->GetFileName(), *program, nullptr, g_szServerVersion);
    UpdateChildCaptions();
    return written == 1 ? 1 : 0;
}
