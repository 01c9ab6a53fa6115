// Answers a chain of (possibly nested) modal dialogs: each step waits until the enabled,
// shown window of this thread with its caption is there, then acts on it once. A step
// left when the time is up cancels every window, so that no test hangs.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class DialogScript {
public:
    struct Step {
        std::string caption;
        std::function<void(HWND)> action;
    };

    explicit DialogScript(std::vector<Step> steps, DWORD limitMs = 8000)
        : m_steps(std::move(steps)), m_deadline(::GetTickCount() + limitMs)
    {
        s_current = this;
        m_timer = ::SetTimer(nullptr, 0, 20, &DialogScript::Tick);
    }
    ~DialogScript()
    {
        ::KillTimer(nullptr, m_timer);
        s_current = nullptr;
    }
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    bool Done() const { return m_next == m_steps.size(); }
    bool TimedOut() const { return m_timedOut; }
    std::size_t StepsRun() const { return m_next; }

private:
    struct Search {
        const std::string* caption;
        HWND found;
    };

    static BOOL CALLBACK Match(HWND window, LPARAM param)
    {
        auto* search = reinterpret_cast<Search*>(param);
        char caption[256] = "";
        ::GetWindowTextA(window, caption, sizeof caption);
        if (!::IsWindowVisible(window) || !::IsWindowEnabled(window) || *search->caption != caption)
            return TRUE;
        search->found = window;
        return FALSE;
    }

    static BOOL CALLBACK Cancel(HWND window, LPARAM)
    {
        ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return TRUE;
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_current != nullptr)
            s_current->OnTick();
    }

    void OnTick()
    {
        if (Done())
            return;
        if (static_cast<LONG>(::GetTickCount() - m_deadline) > 0) {
            m_timedOut = true;
            ::EnumThreadWindows(::GetCurrentThreadId(), &Cancel, 0);
            return;
        }
        Search search{&m_steps[m_next].caption, nullptr};
        ::EnumThreadWindows(::GetCurrentThreadId(), &Match, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr)
            return;
        // The step's posts are handled before the next tick looks again.
        Step& step = m_steps[m_next++];
        step.action(search.found);
    }

    static inline DialogScript* s_current = nullptr;
    std::vector<Step> m_steps;
    DWORD m_deadline;
    UINT_PTR m_timer = 0;
    std::size_t m_next = 0;
    bool m_timedOut = false;
};
