#include "owl/testing/dialog_driver.h"

#include <commctrl.h>

#include <cstring>

namespace {

// The innermost driver of this thread: nested modal loops each have their own.
thread_local DialogDriver* g_driver = nullptr;

// How long a driver waits for its window at all: past this, something else is wrong.
constexpr DWORD kAppearanceLimitMs = 60000;

bool IsShownDialog(HWND window)
{
    if (!::IsWindowVisible(window))
        return false;
    char name[64] = "";
    ::GetClassNameA(window, name, sizeof name);
    return std::strncmp(name, "ZephDialog", 10) == 0 || std::strcmp(name, "#32770") == 0;
}

struct TSearch {
    bool anyWindow;
    HWND found;
};

BOOL CALLBACK FindWindowOfThread(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<TSearch*>(param);
    if (search->anyWindow ? !::IsWindowVisible(window) : !IsShownDialog(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK CancelWindow(HWND window, LPARAM)
{
    ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

bool Passed(DWORD deadline) { return static_cast<LONG>(::GetTickCount() - deadline) > 0; }

}  // namespace

DialogDriver::DialogDriver(Step step, UINT timeoutMs)
    : m_step(std::move(step)), m_timeout(timeoutMs), m_started(::GetTickCount())
{
    m_outer = g_driver;
    g_driver = this;
    // A step waits for its window and should act at once; a bare guard only needs to notice
    // a window that stays too long, and its rarer ticks disturb idle-time tests less.
    m_timer = ::SetTimer(nullptr, 0, m_step ? 10 : 250, &DialogDriver::Tick);
}

DialogDriver::~DialogDriver()
{
    ::KillTimer(nullptr, m_timer);
    g_driver = m_outer;
}

void CALLBACK DialogDriver::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_driver != nullptr)
        g_driver->OnTick();
}

void DialogDriver::CancelAll()
{
    m_timedOut = true;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CancelWindow, 0);
}

void DialogDriver::OnTick()
{
    if (m_ran) {
        if (Passed(m_deadline))
            CancelAll();
        return;
    }
    if (Passed(m_started + kAppearanceLimitMs)) {
        CancelAll();
        return;
    }
    TSearch search{!m_step, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindWindowOfThread, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr)
        return;
    m_ran = true;
    m_deadline = ::GetTickCount() + m_timeout;
    if (m_step)
        m_step(search.found);
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs)
{
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (static_cast<int>(::GetTickCount() - start) > timeoutMs)
            return false;
        PumpPending();
        if (!done())
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void PostClick(HWND dialog, int controlId)
{
    ::PostMessageA(::GetDlgItem(dialog, controlId), BM_CLICK, 0, 0);
}

void PostCloseBox(HWND dialog)
{
    ::PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

std::string ControlText(HWND dialog, int controlId)
{
    char text[512] = "";
    ::GetDlgItemTextA(dialog, controlId, text, sizeof text);
    return text;
}

std::string ListViewCell(HWND list, int row, int column)
{
    char text[512] = "";
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ::SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}
