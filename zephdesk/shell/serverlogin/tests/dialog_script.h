// Answers the modal dialogs of a flow that opens one from another, in order: each new dialog
// of the thread gets the next step, which reads it and posts its button. A step may also
// send clicks that open further dialogs; their steps run inside that call, from the same
// thread timer. A dialog the script has no step for is cancelled and noted, and so is
// everything still open after the time limit, so that a test fails and never hangs.
#pragma once

#include <windows.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

class DialogScript {
public:
    using Step = std::function<void(HWND dialog)>;

    explicit DialogScript(std::vector<Step> steps, DWORD limitMs = 30000)
        : m_steps(std::move(steps)), m_deadline(::GetTickCount() + limitMs), m_outer(Current())
    {
        Current() = this;
        m_timer = ::SetTimer(nullptr, 0, 20, &DialogScript::Tick);
    }
    ~DialogScript()
    {
        ::KillTimer(nullptr, m_timer);
        Current() = m_outer;
    }
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // The captions of the dialogs met, in order.
    const std::vector<std::string>& Captions() const { return m_captions; }
    std::size_t StepsRun() const { return m_next; }
    bool Unexpected() const { return m_unexpected; }
    bool TimedOut() const { return m_timedOut; }

private:
    static constexpr const char* kSeen = "zeph.script.seen";

    static DialogScript*& Current()
    {
        static thread_local DialogScript* current = nullptr;
        return current;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (Current() != nullptr)
            Current()->OnTick();
    }
    static bool IsDialog(HWND window)
    {
        char name[64] = "";
        ::GetClassNameA(window, name, sizeof name);
        return std::strncmp(name, "ZephDialog", 10) == 0 || std::strcmp(name, "#32770") == 0;
    }
    // A dialog not met before that takes input: the top of the modal stack.
    static BOOL CALLBACK FindNew(HWND window, LPARAM param)
    {
        if (!::IsWindowVisible(window) || !::IsWindowEnabled(window) || !IsDialog(window) ||
            ::GetPropA(window, kSeen) != nullptr)
            return TRUE;
        *reinterpret_cast<HWND*>(param) = window;
        return FALSE;
    }
    static BOOL CALLBACK Cancel(HWND window, LPARAM)
    {
        ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return TRUE;
    }

    void OnTick()
    {
        if (static_cast<LONG>(::GetTickCount() - m_deadline) > 0) {
            m_timedOut = true;
            ::EnumThreadWindows(::GetCurrentThreadId(), &Cancel, 0);
            return;
        }
        HWND found = nullptr;
        ::EnumThreadWindows(::GetCurrentThreadId(), &FindNew, reinterpret_cast<LPARAM>(&found));
        if (found == nullptr)
            return;
        // Marked on the window itself: a later dialog given the same handle is still new.
        ::SetPropA(found, kSeen, reinterpret_cast<HANDLE>(1));
        char caption[128] = "";
        ::GetWindowTextA(found, caption, sizeof caption);
        m_captions.push_back(caption);
        if (m_next >= m_steps.size()) {
            m_unexpected = true;
            Cancel(found, 0);
            return;
        }
        // The step may send clicks whose dialogs tick this timer again: count it as run first.
        const Step& step = m_steps[m_next++];
        step(found);
    }

    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    DWORD m_deadline;
    DialogScript* m_outer;
    UINT_PTR m_timer = 0;
    std::vector<std::string> m_captions;
    bool m_unexpected = false;
    bool m_timedOut = false;
};
