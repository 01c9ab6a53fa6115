// Drives the modal loops of GUI tests from a thread timer, so that no test ever waits on a
// window. Once a window the driver looks for is shown (by default a dialog of the layer or
// a property sheet; with no step, any window of the thread), the step runs on it (it posts
// the clicks the test wants). The time limit starts when that window appears, not when
// the driver is made, so a slow start under a loaded machine is not a failure; a window
// still open when the time is up is cancelled and the test fails instead of hanging.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class DialogDriver {
public:
    using Step = std::function<void(HWND window)>;

    explicit DialogDriver(Step step = nullptr, UINT timeoutMs = 5000);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // Whether the window was shown (and the step, if any, ran).
    bool Ran() const { return m_ran; }
    // Whether the windows had to be cancelled.
    bool TimedOut() const { return m_timedOut; }
    bool Fired() const { return m_timedOut; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void OnTick();
    void CancelAll();

    Step m_step;
    UINT m_timeout;
    DWORD m_started;
    DWORD m_deadline = 0;
    UINT_PTR m_timer = 0;
    DialogDriver* m_outer = nullptr;
    bool m_ran = false;
    bool m_timedOut = false;
};

// A guard around a modal loop that a test ends itself: it only cancels what is still open
// when the time is up.
using ModalGuard = DialogDriver;

// Dispatches this thread's messages until done() holds or the time runs out.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 3000);
// Dispatches what is waiting now.
void PumpPending();

// Posts a click to the dialog's control id (a button or check box).
void PostClick(HWND dialog, int controlId);
// Posts the close-box command to the dialog.
void PostCloseBox(HWND dialog);
// The text of a control of the dialog.
std::string ControlText(HWND dialog, int controlId);
// The text of a list view's cell.
std::string ListViewCell(HWND list, int row, int column);
