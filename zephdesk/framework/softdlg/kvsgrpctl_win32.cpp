#include "framework/softdlg/kvsgrpctl.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "foundation/kvassert.h"
#include "framework/softdlg/kvsdlg.h"
#include "framework/softrec/kvmulstm.h"
#include "framework/softrec/kvsoftrec.h"
#include "framework/softrec/kvvalue.h"
#include "framework/softrec/kvtokens.h"

namespace {

constexpr UINT kGroupCode = 10;
constexpr LONG kAutoRadio = 0x0009;

const KvMultiLineStatement& Members(const KvStatement* statement)
{
    return *static_cast<const KvMultiLineStatement*>(statement);
}

}  // namespace

int KvSoftGroupCtrl::AcceptsNotification(WORD, UINT code, LPARAM)
{
    return code == kGroupCode ? 1 : 2;
}

void KvSoftGroupCtrl::React(KvSoftDlg* dlg, const KvStatement& reaction)
{
    if (!KV_ASSERT(reaction.GetType() == kKvStmReaction))
        return;
    const WORD code = reaction.GetOperand(1);
    if (code != kKvReactEnable && code != kKvReactDisable)
        return;
    for (int i = 0; i < GetSubCtrlCount(); ++i)
        ::EnableWindow(dlg->GetCtrlHWND(GetSubCtrlID(i)), code == kKvReactEnable);
}

void KvSoftGroupCtrl::Transfer(int)
{
    KV_ASSERT(0);
}

int KvSoftGroupCtrl::GetSubCtrlCount() const
{
    return Members(m_pStatement).GetNbStatements(kKvKindBody);
}

WORD KvSoftGroupCtrl::GetSubCtrlID(int i) const
{
    if (!KV_ASSERT(i >= 0 && i < GetSubCtrlCount()))
        return 0;
    const KvStatement* member = Members(m_pStatement).GetStatement(kKvKindBody, i);
    KV_ASSERT(member->GetType() == kKvStmSubCtrl);
    return member->GetOperand(0);
}

// ---- radio group -----------------------------------------------------------------------

void KvSoftGroupRadio::Init()
{
    int starts = 0;
    for (int i = 0; i < GetSubCtrlCount(); ++i) {
        const WORD id = GetSubCtrlID(i);
        KV_ASSERT(m_pSoftDlg->WinCtrlHasStyle(id, kAutoRadio));
        if (::GetWindowLongA(m_pSoftDlg->GetCtrlHWND(id), GWL_STYLE) & WS_GROUP)
            ++starts;
    }
    KV_ASSERT(starts == 1);
}

void KvSoftGroupRadio::Transfer(int transfDir)
{
    // The field is a 16- or a 32-bit number; it is read and written as what it is.
    const bool wide = m_pSoftDlg->GetSoftRec()->GetFieldValueType(GetFieldID()) == kKvValueInt32;
    if (transfDir == KvSoftIntrfc::FieldToCtrl) {
        const std::int32_t selected = wide ? Field().AsInt32() : Field().AsInt16();
        if (selected < 0 || selected >= GetSubCtrlCount()) {
            for (int i = 0; i < GetSubCtrlCount(); ++i)
                ::SendMessageA(m_pSoftDlg->GetCtrlHWND(GetSubCtrlID(i)), BM_SETCHECK, BST_UNCHECKED, 0);
            return;
        }
        ::SendMessageA(m_pSoftDlg->GetCtrlHWND(GetSubCtrlID(selected)), BM_SETCHECK, BST_CHECKED, 0);
        Queue(GetSubCtrlID(selected), kKvNotifClicked);
        return;
    }
    int index = 0;
    while (index < GetSubCtrlCount() &&
           ::SendMessageA(m_pSoftDlg->GetCtrlHWND(GetSubCtrlID(index)), BM_GETCHECK, 0, 0) == 0)
        ++index;
    if (wide)
        Field() = static_cast<std::int32_t>(index);
    else
        Field() = static_cast<short>(index);
}

// ---- edit with spin --------------------------------------------------------------------

HWND KvSoftGroupEditUpDown::UpDown() const
{
    return m_pSoftDlg->GetCtrlHWND(GetSubCtrlID(0));
}

void KvSoftGroupEditUpDown::Init()
{
    const int lower = static_cast<short>(m_pStatement->GetOptional(0));
    const int upper = static_cast<short>(m_pStatement->GetOptional(1));
    KV_ASSERT(lower >= -32767 && lower <= 32767 && upper >= -32767 && upper <= 32767);
    KV_ASSERT(upper - lower < 32767);
    KV_ASSERT(lower <= upper);
    KV_ASSERT(m_pSoftDlg->WinCtrlHasStyle(GetSubCtrlID(0), UDS_SETBUDDYINT | UDS_AUTOBUDDY));
    KV_ASSERT(CompareClassName(::GetWindow(UpDown(), GW_HWNDPREV), "edit") == 0);
    ::SendMessageA(UpDown(), UDM_SETRANGE, 0, MAKELPARAM(upper, lower));
}

void KvSoftGroupEditUpDown::Transfer(int transfDir)
{
    HWND updown = UpDown();
    if (transfDir == KvSoftIntrfc::FieldToCtrl) {
        // The value is kept inside the range with signed comparisons on its full 32 bits: a
        // large or negative value never passes as a small one.
        int a = 0, b = 0;
        ::SendMessageA(updown, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
        const std::int32_t low = std::min(a, b);
        const std::int32_t high = std::max(a, b);
        std::int32_t value = Field().AsInt32();
        if (value < low)
            Field() = low;
        else if (value > high)
            Field() = high;
        value = std::clamp(value, low, high);
        ::SendMessageA(updown, UDM_SETPOS32, 0, static_cast<LPARAM>(value));
        Queue(GetSubCtrlID(1), kKvNotifChanged);
        return;
    }
    HWND buddy = reinterpret_cast<HWND>(::SendMessageA(updown, UDM_GETBUDDY, 0, 0));
    char text[32] = "";
    ::GetWindowTextA(buddy, text, sizeof text);
    Field() = static_cast<std::int32_t>(std::atol(text));
}
