#include "shell/batch/designerbatch.h"

#include <cstdlib>
#include <iostream>
#include <memory>
#include <vector>

#include "editor/canvas/program.h"
#include "editor/page/editmdi_win32.h"
#include "shell/batch/batchrun.h"
#include "shell/batch/fileprograms.h"

namespace {

// Loaded programs live in page windows; the program's last window deletes it.
class PageWindowPrograms : public FileBatchPrograms {
public:
    PageWindowPrograms(ed::EditorHost& host, ed::EditWindows* windows, const std::string& serverVersion)
        : FileBatchPrograms(host, serverVersion), m_pWindows(windows)
    {
    }

protected:
    void Show(std::unique_ptr<ed::Program> program) override
    {
        if (m_pWindows == nullptr || program->GetMainPage() == nullptr) {
            FileBatchPrograms::Show(std::move(program));
            return;
        }
        ed::Program& shown = *program;
        if (m_pWindows->CreateEditWindow(shown, shown.GetMainPage()) == nullptr && shown.PageWindows() == 0) {
            FileBatchPrograms::Show(std::move(program));
            return;
        }
        program.release();
    }
    void Close(ed::Program& program) override
    {
        if (m_pWindows == nullptr) {
            FileBatchPrograms::Close(program);
            return;
        }
        bool shownInWindow = false;
        for (ed::EditMDI* window : std::vector<ed::EditMDI*>(m_pWindows->Windows())) {
            if (&window->GetProgram() != &program)
                continue;
            shownInWindow = true;
            window->Destroy();
            delete window;
        }
        if (!shownInWindow)
            FileBatchPrograms::Close(program);
    }

private:
    ed::EditWindows* m_pWindows;
};

class StatusDialog : public BatchStatus {
public:
    explicit StatusDialog(HWND owner) : m_owner(owner) {}
    ~StatusDialog() override { Close(); }

    void Open() override
    {
        if (m_dialog == nullptr)
            m_dialog = ::CreateDialogParamA(::GetModuleHandleA(nullptr), "IDD_CLB_STATUS", m_owner, &Procedure, 0);
        if (m_dialog != nullptr)
            ::ShowWindow(m_dialog, SW_SHOWNOACTIVATE);
    }
    void Show(const std::string& text, const std::string& caption) override
    {
        if (m_dialog == nullptr)
            return;
        ::SetDlgItemTextA(m_dialog, 1, text.c_str());
        ::SetWindowTextA(m_dialog, caption.c_str());
        ::UpdateWindow(m_dialog);
    }
    void Close() override
    {
        if (m_dialog != nullptr)
            ::DestroyWindow(m_dialog);
        m_dialog = nullptr;
    }

private:
    static INT_PTR CALLBACK Procedure(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

    HWND m_owner;
    HWND m_dialog = nullptr;
};

class FrameWindow : public BatchWindow {
public:
    explicit FrameWindow(HWND frame) : m_frame(frame) {}
    void Show(bool visible) override
    {
        if (m_frame == nullptr)
            return;
        ::ShowWindow(m_frame, visible ? SW_SHOW : SW_HIDE);
        if (visible)
            ::UpdateWindow(m_frame);
    }

private:
    HWND m_frame;
};

}  // namespace

std::unique_ptr<BatchStatus> MakeBatchStatusDialog(HWND owner)
{
    return std::make_unique<StatusDialog>(owner);
}

int RunDesignerBatch(const std::string& commandLine, ed::EditorHost& host, ed::EditWindows* windows, HWND frame,
                     const std::string& serverVersion)
{
    PageWindowPrograms programs(host, windows, serverVersion);
    StatusDialog status(frame);
    FrameWindow window(frame);
    SystemBatchClock clock;
    BatchRun run(BatchContext{programs, status, window, clock, DefaultBatchLogPath(std::getenv("VLX")), std::cerr});
    const int answer = run.RunCommandLine(commandLine);
    std::cerr.flush();
    return answer;
}
