#include "dialog_driver.h"

#include <cstring>
#include <string>

namespace {

DialogDriver* g_driver = nullptr;

// Our dialogs run in the window-class layer's dialog class.
bool IsOurDialog(HWND window)
{
    char name[64] = "";
    ::GetClassNameA(window, name, sizeof name);
    return ::IsWindowVisible(window) && std::strncmp(name, "ZephDialog", 10) == 0;
}

BOOL CALLBACK FindDialog(HWND window, LPARAM found)
{
    if (!IsOurDialog(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

BOOL CALLBACK CancelWindow(HWND window, LPARAM)
{
    ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return TRUE;
}

}  // namespace

DialogDriver::DialogDriver(Step step, UINT timeoutMs)
    : m_step(std::move(step)), m_deadline(::GetTickCount() + timeoutMs)
{
    g_driver = this;
    m_timer = ::SetTimer(nullptr, 0, 10, &DialogDriver::Tick);
}

DialogDriver::~DialogDriver()
{
    ::KillTimer(nullptr, m_timer);
    g_driver = nullptr;
}

void CALLBACK DialogDriver::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_driver != nullptr)
        g_driver->OnTick();
}

void DialogDriver::OnTick()
{
    if (static_cast<LONG>(::GetTickCount() - m_deadline) > 0) {
        m_timedOut = true;
        ::EnumThreadWindows(::GetCurrentThreadId(), &CancelWindow, 0);
        return;
    }
    if (m_ran)
        return;
    HWND dialog = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr)
        return;
    m_ran = true;
    if (m_step)
        m_step(dialog);
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
