// The page dialogs' host over the designer's list of page windows and its program
// clipboard.
#pragma once

#include "shell/dialogs/pagedialoghost.h"

namespace ed {
class EditWindows;
}

class EditWindowsHost : public PageDialogHost {
public:
    EditWindowsHost(ed::EditWindows& windows, ed::ClipboardProgram* clipboard)
        : m_windows(windows), m_clipboard(clipboard) {}

    void ShowPageWindow(ed::Program& program, ed::Page* page) override;
    // When the page's windows are all the program has, its main page is shown first: the
    // program's last window deletes the program, which the dialog still works on.
    void ClosePageWindows(ed::Program& program, ed::Page* page) override;
    void UpdateChildCaptions() override;
    ed::Page* ActivePage() override;
    ed::ClipboardProgram* Clipboard() override { return m_clipboard; }
    void RefreshPalette(ed::Program& program) override;

private:
    ed::EditWindows& m_windows;
    ed::ClipboardProgram* m_clipboard;
};
