#include "framework/softdlg/kvsvfpick.h"

#include "foundation/kvassert.h"
#include "framework/shellservices.h"
#include "framework/softdlg/kvsdlg.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvrecarr.h"
#include "framework/softrec/kvsoftmsg.h"
#include "framework/softrec/kvsoftrec.h"

namespace {

constexpr WORD kFlagNone = 0x8004;
constexpr WORD kFlagDefault = 0x8008;
constexpr WORD kFlagNewItem = 0x8010;
constexpr UINT kSelChange = 1;
constexpr short kDefaultPrompt = 5000;
constexpr short kHighestId = 3000;
constexpr WORD kEnabled = 0x0402;
constexpr WORD kDisabled = 0x0403;

// The items sorted by name, as an edit layer over the application's list.
struct SortedItems {
    SortedItems(KvFieldValue list, WORD nameField) : items(&list.AsRecArray()) { items.Sort(nameField, 1); }
    KvSortRecArray items;
};

}  // namespace

KvSoftGroupVoiceFaxPicker::KvSoftGroupVoiceFaxPicker(WORD ctrlId, KvSoftDlg* pSoftDlg, const KvStatement* pStatement)
    : KvSoftGroupCtrl(ctrlId, pSoftDlg, pStatement), m_kind(KvItemKind::OfFlags(pStatement->GetOperand(2)))
{
    KV_ASSERT(m_kind != nullptr);                           // exactly one of voice and fax
    KV_ASSERT(!(m_kind != nullptr && m_kind->fax && HasFlag(kFlagDefault)));  // system prompts are voice
}

bool KvSoftGroupVoiceFaxPicker::HasFlag(WORD flag) const
{
    return (m_pStatement->GetOperand(2) & flag & 0x0FFF) != 0;
}

HWND KvSoftGroupVoiceFaxPicker::Member(int i) const
{
    return m_pSoftDlg->GetCtrlHWND(GetSubCtrlID(i));
}

bool KvSoftGroupVoiceFaxPicker::ItemList(WORD& fieldId, KvSoftRec*& record) const
{
    ShellServices* shell = KvSoftObj::GetApplication();
    KvFieldValue list;
    if (m_kind == nullptr || shell == nullptr || !shell->ResolveDataLink(m_kind->listLink, list))
        return false;
    fieldId = list.GetFieldID();
    record = list.GetSoftRec();
    return record != nullptr;
}

void KvSoftGroupVoiceFaxPicker::Init()
{
    if (m_filled == 0)
        Fill();
}

void KvSoftGroupVoiceFaxPicker::Refresh()
{
    Fill();
    Transfer(KvSoftIntrfc::FieldToCtrl);
}

void KvSoftGroupVoiceFaxPicker::Fill()
{
    const WORD listId = GetSubCtrlID(0);
    KV_ASSERT(!m_pSoftDlg->WinCtrlHasStyle(listId, CBS_SORT));
    KV_ASSERT(m_pSoftDlg->WinCtrlHasStyle(listId, CBS_DROPDOWNLIST));
    HWND list = Member(0);
    ::SendMessageA(list, CB_RESETCONTENT, 0, 0);
    m_specialCount = 0;
    const struct {
        WORD flag;
        const char* text;
    } specials[] = {{kFlagNone, "<none>"},
                    {kFlagDefault, "<default system prompt>"},
                    {kFlagNewItem, m_kind != nullptr ? m_kind->newEntry : ""}};
    for (const auto& special : specials) {
        if (HasFlag(special.flag)) {
            ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(special.text));
            ++m_specialCount;
        }
    }
    m_filled = 1;
    WORD listField = 0;
    KvSoftRec* app = nullptr;
    if (!ItemList(listField, app))
        return;
    SortedItems sorted(KvFieldValue(listField, app), m_kind->nameField);
    for (int i = 0; i < sorted.items.GetSize(); ++i) {
        const CString name = KvFieldValue(m_kind->nameField, sorted.items.GetAt(i)).AsText();
        ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<const char*>(name)));
    }
}

int KvSoftGroupVoiceFaxPicker::PositionOfSpecial(int value) const
{
    const bool none = HasFlag(kFlagNone);
    const bool defaultPrompt = HasFlag(kFlagDefault);
    if (value == kNewItemCode)
        return HasFlag(kFlagNewItem) ? NewItemEntry() : -1;
    if (value == kDefaultPrompt) {
        // The default system prompt shows only where the list offers it.
        if (!defaultPrompt)
            return -1;
        return none ? 1 : 0;
    }
    if (value < 0 || value >= m_specialCount)
        return -1;
    if (!none && !defaultPrompt)
        return 0;  // the new-item entry, the only special one
    if (defaultPrompt && !none && value == 1)
        return 0;
    return value;
}

short KvSoftGroupVoiceFaxPicker::ValueOfSpecial(int position) const
{
    if (position < 0)
        return -1;
    if (HasFlag(kFlagNewItem) && position == NewItemEntry())
        return kNewItemCode;
    if (!HasFlag(kFlagNone) && HasFlag(kFlagDefault) && position == 0)
        position = 1;
    return position == 1 ? kDefaultPrompt : static_cast<short>(position);
}

void KvSoftGroupVoiceFaxPicker::ShowId(KvSoftRec* item)
{
    const CString id = item != nullptr ? KvFieldValue(m_kind->idField, item).AsText() : CString("");
    ::SetWindowTextA(Member(1), id);
}

void KvSoftGroupVoiceFaxPicker::Transfer(int transfDir)
{
    if (m_kind == nullptr)
        return;
    HWND list = Member(0);
    if (transfDir == KvSoftIntrfc::FieldToCtrl) {
        const int value = Field().AsInt16();
        int position = -1;
        KvSoftRec* item = nullptr;
        if (value < 1 || value > kHighestId) {
            position = PositionOfSpecial(value);
        } else {
            // An ID that no item has (deleted elsewhere) selects nothing.
            WORD listField = 0;
            KvSoftRec* app = nullptr;
            if (ItemList(listField, app)) {
                SortedItems sorted(KvFieldValue(listField, app), m_kind->nameField);
                for (int i = 0; i < sorted.items.GetSize() && item == nullptr; ++i) {
                    if (KvFieldValue(m_kind->idField, sorted.items.GetAt(i)).AsInt16() == value) {
                        position = m_specialCount + i;
                        item = sorted.items.GetAt(i);
                    }
                }
                ShowId(item);
            }
        }
        if (item == nullptr)
            ShowId(nullptr);
        ::SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
        Queue(GetSubCtrlID(0), kKvNotifChanged);
        return;
    }
    const int selected = static_cast<int>(::SendMessageA(list, CB_GETCURSEL, 0, 0));
    if (selected < m_specialCount) {
        Field() = ValueOfSpecial(selected);
        return;
    }
    BOOL ok = FALSE;
    const UINT id = ::GetDlgItemInt(m_pSoftDlg->GetHWND(), GetSubCtrlID(1), &ok, FALSE);
    Field() = static_cast<short>(ok ? id : -1);
}

int KvSoftGroupVoiceFaxPicker::AcceptsNotification(WORD ctrlId, UINT code, LPARAM lParam)
{
    // The list is the group's only combo box, so a selection change is always its.
    if (code == kSelChange)
        return 1;
    return KvSoftGroupCtrl::AcceptsNotification(ctrlId, code, lParam);
}

void KvSoftGroupVoiceFaxPicker::BeforeNotification(const KvNotification& notification)
{
    if (notification.GetSource() == GetSubCtrlID(0) && notification.GetCode() == kKvNotifChanged)
        OnListChange();
    else if (notification.GetSource() == GetSubCtrlID(2) && notification.GetCode() == kKvNotifClicked)
        OnButtonClick();
}

void KvSoftGroupVoiceFaxPicker::OnListChange()
{
    const int selected = static_cast<int>(::SendMessageA(Member(0), CB_GETCURSEL, 0, 0));
    const bool onNewItem = selected >= 0 && HasFlag(kFlagNewItem) && selected == NewItemEntry();
    const bool onItem = selected >= m_specialCount;
    const bool enabled = onNewItem || onItem;
    HWND button = Member(2);
    ::SetWindowTextA(button, onNewItem ? "&New..." : "&Edit...");
    ::EnableWindow(button, enabled);
    Queue(GetSubCtrlID(2), enabled ? kEnabled : kDisabled);
    Queue(GetSubCtrlID(2), kKvNotifChanged);

    KvSoftRec* item = nullptr;
    WORD listField = 0;
    KvSoftRec* app = nullptr;
    if (onItem && ItemList(listField, app)) {
        SortedItems sorted(KvFieldValue(listField, app), m_kind->nameField);
        item = sorted.items.GetAt(selected - m_specialCount);
        ShowId(item);
    } else {
        ShowId(nullptr);
    }
    Queue(GetSubCtrlID(1), kKvNotifChanged);
}

void KvSoftGroupVoiceFaxPicker::OnButtonClick()
{
    // Without a selection (or on a special entry other than the new item) the button does
    // nothing: it is disabled then, and a click that still arrives is ignored.
    const int selected = static_cast<int>(::SendMessageA(Member(0), CB_GETCURSEL, 0, 0));
    WORD listField = 0;
    KvSoftRec* app = nullptr;
    if (selected < 0 || !ItemList(listField, app))
        return;
    if (HasFlag(kFlagNewItem) && selected == NewItemEntry())
        AddNewItem(app, listField);
    else if (selected >= m_specialCount)
        EditItem(app, listField, selected - m_specialCount);
    else
        return;
    m_pSoftDlg->RefreshControls();
}

void KvSoftGroupVoiceFaxPicker::AddNewItem(KvSoftRec* app, WORD listField)
{
    ShellServices& shell = *KvSoftObj::GetApplication();
    KvSoftRec* record = m_kind->NewItem(shell);
    if (record == nullptr)
        return;
    KvFieldValue list(listField, app);
    KvRecArray items(&list.AsRecArray());
    const int index = items.Add(record);
    for (;;) {
        if (record->EditInDialog(m_kind->addDialog, m_kind->addHelp) != IDOK) {
            items.RemoveAt(index);
            Field() = static_cast<short>(0);
            return;
        }
        bool nameFree = true, idFree = true;
        if (m_kind->CheckRecord(shell, *record, nameFree, idFree))
            break;
        KvSoftShowMessage(nameFree ? m_kind->idInUse : m_kind->nameInUse);
    }
    const short newId = KvFieldValue(m_kind->idField, record).AsInt16();
    list = items;
    app->Commit();
    bool nameFree = true, idFree = true;
    if (m_kind->CheckRecord(shell, *record, nameFree, idFree))
        return;
    // The item is in the application now: show it, and offer its content, whose changes
    // (its description) are a change of their own.
    Field() = newId;
    KvRecArray stored(&list.AsRecArray());
    for (int i = 0; i < stored.GetSize(); ++i) {
        KvSoftRec* item = stored.GetAt(i);
        if (KvFieldValue(m_kind->idField, item).AsInt16() != newId)
            continue;
        if (item->EditInDialog(m_kind->contentDialog, m_kind->contentHelp) == IDOK) {
            list = stored;
            app->Commit();
        }
        break;
    }
}

void KvSoftGroupVoiceFaxPicker::EditItem(KvSoftRec* app, WORD listField, int position)
{
    ShellServices& shell = *KvSoftObj::GetApplication();
    KvFieldValue list(listField, app);
    SortedItems sorted(list, m_kind->nameField);
    KvSoftRec* item = sorted.items.GetAt(position);
    if (item == nullptr)
        return;
    const CString oldName = KvFieldValue(m_kind->nameField, item).AsText();
    while (item->EditInDialog(m_kind->editDialog, m_kind->editHelp) == IDOK) {
        const CString name = KvFieldValue(m_kind->nameField, item).AsText();
        if (::lstrcmpA(name, oldName) == 0 || m_kind->IsNameFree(shell, name)) {
            list = sorted.items;
            app->Commit();
            return;
        }
        KvSoftShowMessage(m_kind->nameInUse);
    }
}

BOOL KvSoftGroupVoiceFaxPicker::Validate(BOOL)
{
    HWND list = Member(0);
    const int selected = static_cast<int>(::SendMessageA(list, CB_GETCURSEL, 0, 0));
    if (HasFlag(kFlagNewItem) && selected >= 0 && selected == NewItemEntry() && ::IsWindowEnabled(list)) {
        KvSoftShowMessage(m_kind->newLeftSelected);
        return FALSE;
    }
    return TRUE;
}
