// Drives a modal dialog of this thread from a thread timer: once a dialog window of ours is
// shown, the step runs on it (it posts the clicks the test wants). A dialog still open when
// the time is up is cancelled, so a broken test fails instead of waiting forever.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class DialogDriver {
public:
    using Step = std::function<void(HWND dialog)>;

    explicit DialogDriver(Step step, UINT timeoutMs = 5000);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // Whether the step ran (a dialog was shown).
    bool Ran() const { return m_ran; }
    // Whether the dialog had to be cancelled.
    bool TimedOut() const { return m_timedOut; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void OnTick();

    Step m_step;
    DWORD m_deadline;
    UINT_PTR m_timer = 0;
    bool m_ran = false;
    bool m_timedOut = false;
};

// Posts a click to the dialog's control id (a button or check box).
void PostClick(HWND dialog, int controlId);
// Posts the close-box command to the dialog.
void PostCloseBox(HWND dialog);
// The text of a control of the dialog.
std::string ControlText(HWND dialog, int controlId);
