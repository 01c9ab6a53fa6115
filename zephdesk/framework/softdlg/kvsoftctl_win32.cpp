#include "framework/softdlg/kvsoftctl.h"

#include <vector>

#include "foundation/kvassert.h"
#include "framework/softdlg/kvsdlg.h"
#include "framework/softrec/kvtokens.h"
#include "framework/softrec/kvvalue.h"

namespace {

constexpr LONG kAutoCheckBox = 0x0003;
constexpr LONG kAutoThreeState = 0x0006;
constexpr WORD kIndirectLinkFlag = 0x8002;

}  // namespace

KvSoftCtrl::KvSoftCtrl(WORD ctrlId, KvSoftDlg* pSoftDlg, const KvStatement* pStatement)
    : m_pStatement(pStatement), m_pSoftDlg(pSoftDlg), m_ctrlId(ctrlId)
{
}

int KvSoftCtrl::AcceptsNotification(WORD, UINT, LPARAM)
{
    KV_ASSERT(0);
    return 0;
}

void KvSoftCtrl::React(KvSoftDlg*, const KvStatement&)
{
    KV_ASSERT(0);
}

void KvSoftCtrl::Transfer(int)
{
    KV_ASSERT(0);
}

HWND KvSoftCtrl::GetHWND() const
{
    KV_ASSERT(m_pStatement == nullptr || m_pStatement->GetType() != kKvStmGroupCtrl);
    return m_pSoftDlg->GetCtrlHWND(m_ctrlId);
}

WORD KvSoftCtrl::GetFieldID()
{
    if (m_fieldId == 0)
        m_fieldId = m_pSoftDlg->GetDataLinkFieldID(m_ctrlId);
    return m_fieldId;
}

const KvStatement* KvSoftCtrl::GetDataLinkStatement() const
{
    return m_pSoftDlg->GetDataLinkStatement(m_ctrlId);
}

void KvSoftCtrl::TransferToField()
{
    if (IsDataLinked()) {
        Transfer(KvSoftIntrfc::CtrlToField);
        return;
    }
    KvSoftCtrl* group = m_pSoftDlg->GetGroupCtrl(m_ctrlId);
    if (group != nullptr && group->IsDataLinked())
        group->Transfer(KvSoftIntrfc::CtrlToField);
}

int KvSoftCtrl::CompareClassName(HWND window, const char* name)
{
    char className[99] = "";
    ::GetClassNameA(window, className, sizeof className);
    return ::lstrcmpiA(className, name);
}

KvFieldValue KvSoftCtrl::Field()
{
    return KvFieldValue(GetFieldID(), m_pSoftDlg->GetSoftRec());
}

void KvSoftCtrl::Queue(WORD ctrlId, WORD code)
{
    m_pSoftDlg->PostNotification(KvNotification(ctrlId, code, 0));
}

// ---- plain control ---------------------------------------------------------------------

CString KvSoftPlainCtrl::WindowText() const
{
    HWND window = GetHWND();
    std::vector<char> text(static_cast<size_t>(::GetWindowTextLengthA(window)) + 1, '\0');
    ::GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return CString(text.data());
}

int KvSoftPlainCtrl::AcceptsNotification(WORD, UINT code, LPARAM)
{
    if (CompareClassName("edit") == 0)
        return code == EN_CHANGE ? 1 : 0;
    if (CompareClassName("button") == 0)
        return code == BN_CLICKED ? 1 : 0;
    return 0;
}

BOOL KvSoftPlainCtrl::Validate(BOOL bReport)
{
    if (CompareClassName("edit") != 0 || !IsDataLinked())
        return TRUE;
    CString text = WindowText();
    if (text.IsEmpty())
        return TRUE;
    return Field().CheckText(text, !bReport) ? TRUE : FALSE;
}

void KvSoftPlainCtrl::React(KvSoftDlg* dlg, const KvStatement& reaction)
{
    if (!KV_ASSERT(reaction.GetType() == kKvStmReaction))
        return;
    switch (reaction.GetOperand(1)) {
    case kKvReactEnable:
        ::EnableWindow(GetHWND(), TRUE);
        break;
    case kKvReactDisable:
        ::EnableWindow(::GetDlgItem(dlg->GetHWND(), GetCtrlID()), FALSE);
        break;
    case kKvReactSetText:
        ::SetWindowTextA(GetHWND(), CString(MAKEINTRESOURCEA(reaction.GetOptional(0))));
        break;
    case kKvReactSetFocus:
        ::SetFocus(GetHWND());
        break;
    default:
        break;
    }
}

void KvSoftPlainCtrl::Transfer(int transfDir)
{
    HWND window = GetHWND();
    if (CompareClassName("edit") == 0) {
        if (transfDir == KvSoftIntrfc::FieldToCtrl) {
            ::SetWindowTextA(window, Field().AsText());
            Queue(GetCtrlID(), kKvNotifChanged);
            return;
        }
        CString text = WindowText();
        // Text that fails the field's check (a bad date or time) leaves the field empty.
        if (!text.IsEmpty() && !Field().CheckText(text, 0))
            text = CString("");
        Field() = text;
        return;
    }
    if (CompareClassName("button") == 0) {
        if (!KV_ASSERT(m_pSoftDlg->WinCtrlHasStyle(GetCtrlID(), kAutoCheckBox) ||
                       m_pSoftDlg->WinCtrlHasStyle(GetCtrlID(), kAutoThreeState)))
            return;
        if (transfDir == KvSoftIntrfc::FieldToCtrl) {
            const bool on = Field().AsInt16() != 0;
            ::SendMessageA(window, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
            Queue(GetCtrlID(), on ? kKvNotifChecked : kKvNotifUnchecked);
            return;
        }
        const auto check = static_cast<short>(::SendMessageA(window, BM_GETCHECK, 0, 0));
        Field() = check;
        // An indirect link also writes the check state into its record set's record.
        const KvStatement* link = GetDataLinkStatement();
        if (link != nullptr && link->HasStyle(kIndirectLinkFlag))
            m_pSoftDlg->SetIndirectValue(GetCtrlID(), kKvValueInt16, &check);
        return;
    }
    KV_ASSERT(0);
}
