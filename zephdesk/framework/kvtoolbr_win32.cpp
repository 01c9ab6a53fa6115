#include "kvtoolbr.h"

#include "foundation/kvassert.h"
#include "kvbitbtn.h"

namespace {

// The commands whose buttons follow the command states, in refresh order: save, cut, copy,
// paste, zoom in, zoom out, print, normal view, delete, block properties, line or label,
// new text note.
constexpr WORD kToolBarCommands[] = {4130, 4138, 4139, 4140, 4142, 4143, 4135, 4165, 4141, 4202, 4174, 4221};

}  // namespace

void KvToolBar::UpdateCommandStates()
{
    for (WORD id : kToolBarCommands)
        UpdateButton(id);
}

void KvToolBar::UpdateButton(WORD id)
{
    HWND hWnd = m_hOwner;
    if (!KV_ASSERT(::IsWindow(hWnd)))
        return;
    hWnd = ::GetDlgItem(m_hOwner, id);
    if (!KV_ASSERT(::IsWindow(hWnd)))
        return;
    KvBitButtonState* state = GetBitButtonState(hWnd);
    if (state == nullptr)
        return;
    const bool enabled = IsEnabled(id);
    const bool shownEnabled = (state->state & kBitButtonDisabled) == 0;
    if (enabled == shownEnabled)
        return;
    if (enabled)
        state->state &= ~kBitButtonDisabled;
    else
        state->state |= kBitButtonDisabled;
    ::InvalidateRect(hWnd, nullptr, TRUE);
    ::UpdateWindow(hWnd);
}
