// The Find VavurOrezo dialog: a modeless dialog, one per process and kept between uses,
// that lists the blocks of the active page window's program by name, kind and page, and
// asks the frame to show the block of a double-clicked line. Its settings live in
// SearchInfo(), so that they outlive its window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "owl/dialog.h"
#include "shell/dialogs/basedialog.h"

namespace ed {
class Program;
}

// The record of the frame's message that shows a block: the name, with its page before a
// "$" when not on the main page, then the mode (1 from this dialog).
struct LocateBlockRecord {
    char name[128];
    std::int16_t mode;
};
static_assert(offsetof(LocateBlockRecord, mode) == 128, "the mode follows the 128-byte name");
inline constexpr UINT kMsgShowBlock = WM_USER + 1003;  // 2027

// What the dialog asks of the frame: the program of the active page window (null when
// the active child is not a page window), and the window that shows a chosen block.
struct FindDialogHost {
    std::function<ed::Program*()> activeProgram;
    HWND frame = nullptr;
};

namespace desk {

class TFindPBDialog : public TBaseDialog {
public:
    TFindPBDialog(TWindow* parent, ed::Program* program, FindDialogHost host);
    void SetupWindow() override;
    bool CanClose() override;

    // The Search button: reads the entries, keeps the text in the history and searches.
    void Search();
    ed::Program* GetProgram() const { return m_program; }
    void SetHost(FindDialogHost host) { m_host = std::move(host); }
    void SetProgram(ed::Program* program) { m_program = program; }

    void CmSearch() { Search(); }
    void KindOrScopeClicked();
    void LbnMatchDblClk();

private:
    // Without a page window the dialog beeps and closes; false then.
    bool CheckPageWindow();
    void ReadRadios();
    void ReadEntries();
    void RunMatchSearch();
    void FillPageCombo();
    void SetProgramCaption();
    std::int32_t TypeIndexOf(const std::string& name) const;

    ed::Program* m_program;
    FindDialogHost m_host;
    char m_choice[512] = "";

    DECLARE_RESPONSE_TABLE(TFindPBDialog);
};

// The frame's Find command: makes the dialog once, or shows its window again (giving an
// open one the focus) and searches. The parent's window (unless host.frame names another)
// owns the dialog's window and is told of the chosen block.
TFindPBDialog& ShowFindPBDialog(TWindow* parent, ed::Program* program, FindDialogHost host);
// Searches again when the dialog's window is open (the frame's current program changed).
void RefreshFindPBDialog();
// The process's dialog; null before the first Find.
TFindPBDialog* FindPBDialog();

}  // namespace desk
