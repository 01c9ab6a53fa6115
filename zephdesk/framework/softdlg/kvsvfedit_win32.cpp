#include "framework/softdlg/kvsvfedit.h"

#include <commctrl.h>

#include "foundation/kvassert.h"
#include "framework/shellservices.h"
#include "framework/softdlg/kvsdlg.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvrecarr.h"
#include "framework/softrec/kvsoftmsg.h"
#include "framework/softrec/kvsoftrec.h"

namespace {

constexpr UINT kWmNotify = WM_NOTIFY;
constexpr UINT kAnyName = 8122;  // a name that cannot be taken, whatever the item kind
constexpr WORD kEnabled = 0x0402;
constexpr WORD kDisabled = 0x0403;

}  // namespace

KvSoftGroupVoiceFaxEditor::KvSoftGroupVoiceFaxEditor(WORD ctrlId, KvSoftDlg* pSoftDlg, const KvStatement* pStatement)
    : KvSoftGroupCtrl(ctrlId, pSoftDlg, pStatement), m_kind(KvItemKind::OfFlags(pStatement->GetOperand(2)))
{
    KV_ASSERT(m_kind != nullptr);  // exactly one of voice and fax
}

KvSoftGroupVoiceFaxEditor::~KvSoftGroupVoiceFaxEditor() = default;

HWND KvSoftGroupVoiceFaxEditor::MemberWindow(Member m) const
{
    return m_pSoftDlg->GetCtrlHWND(MemberId(m));
}

KvFieldValue KvSoftGroupVoiceFaxEditor::ListField() const
{
    return KvFieldValue(m_kind->fax ? 25252 : 25251, m_pSoftDlg->GetSoftRec());
}

void KvSoftGroupVoiceFaxEditor::Init()
{
    if (m_setUp != 0 || m_kind == nullptr)
        return;
    m_setUp = 1;
    HWND list = MemberWindow(kList);
    ::SetWindowLongA(list, GWL_STYLE, ::GetWindowLongA(list, GWL_STYLE) | LVS_SHOWSELALWAYS);
    ::SetWindowLongA(list, GWL_EXSTYLE, ::GetWindowLongA(list, GWL_EXSTYLE) & ~WS_EX_NOPARENTNOTIFY);
    KV_ASSERT((::GetWindowLongA(list, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT);
    KV_ASSERT(m_pSoftDlg->WinCtrlHasStyle(MemberId(kList), LVS_SHOWSELALWAYS));
    const struct {
        WORD field;
        int width;
    } columns[] = {{m_kind->nameField, 100}, {m_kind->idField, 50}, {m_kind->inUseField, 50}};
    for (int c = 0; c < 3; ++c) {
        CString header;
        header.LoadString(columns[c].field);
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | (c > 0 ? LVCF_SUBITEM : 0);
        column.fmt = LVCFMT_LEFT;
        column.cx = columns[c].width;
        column.pszText = const_cast<char*>(static_cast<const char*>(header));
        column.iSubItem = c;
        ::SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&column));
    }
    Fill();
    for (Member m : {kEdit, kDelete, kCopy})
        ::EnableWindow(MemberWindow(m), FALSE);
    ShellServices* shell = KvSoftObj::GetApplication();
    const bool pastable = shell != nullptr && !m_kind->ClipboardHasNone(*shell) && !shell->IsClipboardFromActiveApp() &&
                          shell->IsClipboardWithoutBlocks();
    ::EnableWindow(MemberWindow(kPaste), pastable);
}

void KvSoftGroupVoiceFaxEditor::Fill()
{
    HWND list = MemberWindow(kList);
    ::SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    m_rows = std::make_unique<KvRecArray>(&ListField().AsRecArray());
    for (int r = 0; r < m_rows->GetSize(); ++r) {
        KvSoftRec* item = m_rows->GetAt(r);
        const CString name = KvFieldValue(m_kind->nameField, item).AsText();
        LVITEMA row = {};
        row.mask = LVIF_TEXT | LVIF_PARAM | (m_kind->fax ? 0 : LVIF_IMAGE);
        row.iItem = r;
        row.pszText = const_cast<char*>(static_cast<const char*>(name));
        row.lParam = reinterpret_cast<LPARAM>(item);
        const int index = static_cast<int>(::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row)));
        const WORD subFields[] = {m_kind->idField, m_kind->inUseField};
        for (int s = 1; s <= 2; ++s) {
            const CString text = KvFieldValue(subFields[s - 1], item).AsText();
            LVITEMA sub = {};
            sub.mask = LVIF_TEXT;
            sub.iItem = index;
            sub.iSubItem = s;
            sub.pszText = const_cast<char*>(static_cast<const char*>(text));
            ::SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&sub));
        }
    }
    Sort();
}

void KvSoftGroupVoiceFaxEditor::Sort()
{
    const WORD fields[] = {m_kind->nameField, m_kind->idField, m_kind->inUseField};
    const LPARAM sort = MAKELPARAM(fields[m_sortColumn], m_ascending);
    ::SendMessageA(MemberWindow(kList), LVM_SORTITEMS, static_cast<WPARAM>(sort),
                   reinterpret_cast<LPARAM>(&KvSoftGroupVoiceFaxEditor::CompareRows));
}

int CALLBACK KvSoftGroupVoiceFaxEditor::CompareRows(LPARAM a, LPARAM b, LPARAM sort)
{
    auto* left = reinterpret_cast<KvSoftRec*>(a);
    auto* right = reinterpret_cast<KvSoftRec*>(b);
    const WORD field = LOWORD(sort);
    const bool ascending = HIWORD(sort) != 0;
    int order = 0;
    if (field == 25301 || field == 25321) {
        // IDs compare as numbers: 9 before 10.
        const int l = KvFieldValue(field, left).AsInt16();
        const int r = KvFieldValue(field, right).AsInt16();
        order = l < r ? -1 : (l > r ? 1 : 0);
    } else {
        const int c = ::lstrcmpA(KvFieldValue(field, left).AsText(), KvFieldValue(field, right).AsText());
        order = c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    return ascending ? order : -order;
}

std::vector<KvSoftRec*> KvSoftGroupVoiceFaxEditor::SelectedRecords() const
{
    std::vector<KvSoftRec*> records;
    HWND list = MemberWindow(kList);
    int row = -1;
    while ((row = static_cast<int>(::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED))) >= 0) {
        LVITEMA item = {};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        ::SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        records.push_back(reinterpret_cast<KvSoftRec*>(item.lParam));
    }
    return records;
}

int KvSoftGroupVoiceFaxEditor::AcceptsNotification(WORD ctrlId, UINT code, LPARAM lParam)
{
    if (code != kWmNotify)
        return KvSoftGroupCtrl::AcceptsNotification(ctrlId, code, lParam);
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header == nullptr || header->idFrom != MemberId(kList))
        return 2;
    switch (header->code) {
    case LVN_GETDISPINFOA:
    case LVN_COLUMNCLICK:
        return 1;
    case LVN_ITEMCHANGED: {
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
        const bool selection = ((change->uNewState | change->uOldState) & LVIS_SELECTED) != 0;
        return change->uChanged == LVIF_STATE && selection ? 1 : 2;
    }
    default:
        return 2;
    }
}

void KvSoftGroupVoiceFaxEditor::BeforeNotification(const KvNotification& n)
{
    if (m_kind == nullptr)
        return;
    if (n.GetSource() == MemberId(kList)) {
        if (n.GetCode() == kKvNotifItemChanged)
            OnSelectionChanged();
        else if (n.GetCode() == kKvNotifGetDispInfo)
            OnDisplayInfo(n.GetData());
        else if (n.GetCode() == kKvNotifColumnClick)
            OnColumnClick(n.GetData());
        return;
    }
    if (n.GetCode() != kKvNotifClicked)
        return;
    const WORD source = n.GetSource();
    bool followSelection = true;
    if (source == MemberId(kAdd))
        OnAdd();
    else if (source == MemberId(kEdit))
        OnEdit();
    else if (source == MemberId(kDelete))
        OnDelete();
    else if (source == MemberId(kCopy))
        OnCopy();
    else if (source == MemberId(kPaste))
        followSelection = OnPaste();
    else
        return;
    if (followSelection)
        Queue(MemberId(kList), kKvNotifItemChanged);
}

void KvSoftGroupVoiceFaxEditor::OnSelectionChanged()
{
    const std::vector<KvSoftRec*> selected = SelectedRecords();
    const std::size_t n = selected.size();
    bool anyInUse = false;
    for (KvSoftRec* record : selected) {
        if (::lstrcmpA(KvFieldValue(m_kind->inUseField, record).AsText(), "Yes") == 0) {
            anyInUse = true;
            break;
        }
    }
    const struct {
        Member member;
        bool enabled;
    } states[] = {{kEdit, n == 1}, {kDelete, n >= 1 && !anyInUse}, {kCopy, n >= 1}};
    for (const auto& state : states) {
        ::EnableWindow(MemberWindow(state.member), state.enabled);
        Queue(MemberId(state.member), state.enabled ? kEnabled : kDisabled);
    }
}

void KvSoftGroupVoiceFaxEditor::OnDisplayInfo(std::uintptr_t data)
{
    auto* info = reinterpret_cast<NMLVDISPINFOA*>(data);
    if (info == nullptr)
        return;
    const WORD fields[] = {m_kind->nameField, m_kind->idField, m_kind->inUseField};
    const int column = info->item.iSubItem;
    auto* record = reinterpret_cast<KvSoftRec*>(info->item.lParam);
    if (record == nullptr || column < 0 || column > 2)
        return;
    m_display = KvFieldValue(fields[column], record).AsText();
    info->item.pszText = const_cast<char*>(static_cast<const char*>(m_display));
    info->item.cchTextMax = m_display.GetLength();
}

void KvSoftGroupVoiceFaxEditor::OnColumnClick(std::uintptr_t data)
{
    const auto* click = reinterpret_cast<const NMLISTVIEW*>(data);
    if (click == nullptr)
        return;
    if (click->iSubItem == m_sortColumn) {
        m_ascending = m_ascending ? 0 : 1;
    } else {
        m_sortColumn = click->iSubItem;
        m_ascending = 1;
    }
    Sort();
}

void KvSoftGroupVoiceFaxEditor::Store()
{
    // The rows show the layer's records until the list is filled again.
    KvFieldValue list = ListField();
    list = *m_rows;
    if (ShellServices* shell = KvSoftObj::GetApplication()) {
        if (KvSoftRec* app = shell->GetActiveUserApp())
            app->Commit();
    }
    Fill();
}

int KvSoftGroupVoiceFaxEditor::FindById(KvRecArray& items, short id) const
{
    for (int i = 0; i < items.GetSize(); ++i) {
        if (KvFieldValue(m_kind->idField, items.GetAt(i)).AsInt16() == id)
            return i;
    }
    return -1;
}

void KvSoftGroupVoiceFaxEditor::OnAdd()
{
    ShellServices* shell = KvSoftObj::GetApplication();
    KvSoftRec* record = shell != nullptr ? m_kind->NewItem(*shell) : nullptr;
    if (record == nullptr)
        return;
    const int index = m_rows->Add(record);
    for (;;) {
        if (record->EditInDialog(m_kind->addDialog, m_kind->addHelp) != IDOK) {
            m_rows->RemoveAt(index);
            return;
        }
        bool nameFree = true, idFree = true;
        if (m_kind->CheckRecord(*shell, *record, nameFree, idFree))
            break;
        KvSoftShowMessage(nameFree ? m_kind->idInUse : kAnyName);
    }
    const short id = KvFieldValue(m_kind->idField, record).AsInt16();
    Store();
    // The item exists now (the check fails on it): offer its content.
    const int stored = FindById(*m_rows, id);
    if (stored < 0)
        return;
    KvSoftRec* item = m_rows->GetAt(stored);
    bool nameFree = true, idFree = true;
    // What the content dialog changes (its description) is a change of its own.
    if (!m_kind->CheckRecord(*shell, *item, nameFree, idFree) &&
        item->EditInDialog(m_kind->contentDialog, m_kind->contentHelp) == IDOK)
        Store();
}

void KvSoftGroupVoiceFaxEditor::OnEdit()
{
    ShellServices* shell = KvSoftObj::GetApplication();
    const std::vector<KvSoftRec*> selected = SelectedRecords();
    if (shell == nullptr || selected.empty())
        return;
    const int index = FindById(*m_rows, KvFieldValue(m_kind->idField, selected.front()).AsInt16());
    if (index < 0)
        return;
    KvSoftRec* item = m_rows->GetAt(index);
    const CString oldName = KvFieldValue(m_kind->nameField, item).AsText();
    for (;;) {
        if (item->EditInDialog(m_kind->editDialog, m_kind->editHelp) != IDOK) {
            Fill();
            return;
        }
        const CString name = KvFieldValue(m_kind->nameField, item).AsText();
        if (::lstrcmpA(name, oldName) == 0 || m_kind->IsNameFree(*shell, name)) {
            Store();
            return;
        }
        KvSoftShowMessage(m_kind->nameInUse);
    }
}

void KvSoftGroupVoiceFaxEditor::OnDelete()
{
    std::vector<short> ids;
    for (KvSoftRec* record : SelectedRecords())
        ids.push_back(KvFieldValue(m_kind->idField, record).AsInt16());
    if (ids.empty())
        return;
    for (short id : ids) {
        const int index = FindById(*m_rows, id);
        if (KV_ASSERT(index >= 0))
            m_rows->RemoveAt(index);
    }
    Store();
}

void KvSoftGroupVoiceFaxEditor::OnCopy()
{
    ShellServices* shell = KvSoftObj::GetApplication();
    if (shell == nullptr)
        return;
    bool first = true;
    for (KvSoftRec* record : SelectedRecords()) {
        m_kind->Hold(*shell, *record, first);
        first = false;
    }
    // The clipboard now comes from this application: pasting it here is not offered.
    ::EnableWindow(MemberWindow(kPaste), FALSE);
}

bool KvSoftGroupVoiceFaxEditor::OnPaste()
{
    ShellServices* shell = KvSoftObj::GetApplication();
    if (shell == nullptr)
        return false;
    std::vector<zeph::TClipInfo> conflicts;
    if (shell->GetAllNameConflicts(conflicts) > 0 && shell->ResolveConflicts(conflicts) != 1)
        return false;
    m_kind->Paste(*shell, conflicts);
    m_rows.reset();
    if (KvSoftRec* app = shell->GetActiveUserApp())
        app->Commit();
    Fill();
    return true;
}
