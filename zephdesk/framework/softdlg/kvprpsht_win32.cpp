#include "framework/softdlg/kvprpsht.h"

#include "foundation/kvassert.h"

namespace {

// A page notification the pages answer themselves, with 0.
constexpr UINT kPageAnswersZero = 9;

}  // namespace

KvPropSheet::KvPropSheet(KvPropSheetOwner* owner, TWindow* parent, const char* caption, TModule* module)
    : TPropertySheet(parent, caption, 0, false, PSH_HASHELP, module), m_caption(caption), m_pOwner(owner)
{
}

void KvPropSheet::SetupWindow()
{
    TPropertySheet::SetupWindow();
    if (!KV_ASSERT(::IsWindow(HWindow)))
        return;
    // Help is the sheet's button, not a help box in the caption.
    ::SetWindowLongA(HWindow, GWL_EXSTYLE, ::GetWindowLongA(HWindow, GWL_EXSTYLE) & ~WS_EX_CONTEXTHELP);
    ::SetWindowLongA(HWindow, GWL_STYLE, ::GetWindowLongA(HWindow, GWL_STYLE) & ~DS_CONTEXTHELP);
}

LRESULT KvPropSheet::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND && HIWORD(wParam) == 0 && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        if (!m_pOwner->CanClose(LOWORD(wParam)))
            return 0;  // refused: the sheet stays open
    } else if (msg == WM_DESTROY) {
        // However the sheet ends (its close box included), what OK did not commit is
        // discarded. The message still goes on: the common controls free the sheet there.
        m_pOwner->CanClose(IDCANCEL);
    }
    return TPropertySheet::WindowProc(msg, wParam, lParam);
}

KvPropPage::KvPropPage(TPropertySheet* sheet, WORD dlgResId, KvNotifierOwner* softDlg, TModule* module)
    : TPropertyPage(sheet, TResId(dlgResId), nullptr, TResId(), module), m_notifier(softDlg)
{
}

KvPropPage::~KvPropPage()
{
    if (HWindow != nullptr && ::IsWindow(HWindow))
        ::DestroyWindow(HWindow);
}

LRESULT KvPropPage::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == kPageAnswersZero)
        result = 0;
    else
        result = TPropertyPage::WindowProc(msg, wParam, lParam);
    m_notifier.OnMessage(msg, static_cast<std::uintptr_t>(wParam), static_cast<std::intptr_t>(lParam));
    return result;
}
