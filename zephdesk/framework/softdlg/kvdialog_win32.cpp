#include "framework/softdlg/kvdialog.h"

KvDialog::KvDialog(TWindow* parent, TResId templateId, TModule* module, KvDialogOwner* owner)
    : TDialog(parent, templateId, module), m_pOwner(owner), m_notifier(owner)
{
}

void KvDialog::SetupWindow()
{
    TDialog::SetupWindow();
    // Centred on the desktop, without a clamp: a dialog larger than the desktop starts
    // above and left of it.
    RECT desktop{}, box{};
    ::GetWindowRect(::GetDesktopWindow(), &desktop);
    ::GetWindowRect(HWindow, &box);
    const int x = ::MulDiv(desktop.right - desktop.left, 1, 2) - ::MulDiv(box.right - box.left, 1, 2);
    const int y = ::MulDiv(desktop.bottom - desktop.top, 1, 2) - ::MulDiv(box.bottom - box.top, 1, 2);
    ::SetWindowPos(HWindow, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

LRESULT KvDialog::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    bool closing = false;
    if (msg == WM_COMMAND && HIWORD(wParam) == 0) {
        const WORD id = LOWORD(wParam);
        if (id == IDOK || id == IDCANCEL) {
            // A refused OK or Cancel leaves the window open and reaches nobody else.
            if (m_pOwner->CanClose(id) == 0)
                return 0;
            closing = true;
        } else if (id == IDHELP) {
            m_notifier.ShowHelp();
        }
    }
    const LRESULT result = TDialog::WindowProc(msg, wParam, lParam);
    // An accepted OK or Cancel ends the dialog in the framework, not in the notifier.
    if (!closing)
        m_notifier.OnMessage(msg, static_cast<std::uintptr_t>(wParam), static_cast<std::intptr_t>(lParam));
    return result;
}
