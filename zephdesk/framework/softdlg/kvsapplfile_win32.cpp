#include "framework/softdlg/kvsapplfile.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "foundation/kvassert.h"
#include "framework/shellservices.h"
#include "framework/softdlg/kvsdlg.h"
#include "framework/softrec/kvrecarr.h"
#include "framework/softrec/kvsoftrec.h"
#include "framework/softrec/kvtokens.h"

namespace {

constexpr WORD kSingleFlag = 0x8001;
constexpr WORD kMultipleFlag = 0x8002;
constexpr WORD kImagesFlag = 0x8004;

constexpr WORD kFileListField = 25350;  // the dialog record's chosen files
constexpr WORD kUserAppDef = 22004;
constexpr WORD kVolumesLink = 2316;
constexpr WORD kNameField = 25256;
constexpr WORD kIdField = 25255;
constexpr WORD kVolumeField = 25281;
constexpr WORD kVolumeIdField = 25400;
constexpr COLORREF kMaskColour = 0xFF00FF;

// Members by position; each companion's label follows it.
constexpr int kFileName = 1, kApplId = 3, kVolume = 5;

struct Column {
    WORD field;  // also the header's string id
    int width;
    int format;
};
constexpr Column kColumns[] = {
    {25256, 160, LVCFMT_LEFT}, {25255, 44, LVCFMT_RIGHT}, {25281, 70, LVCFMT_RIGHT},
    {25259, 75, LVCFMT_LEFT},  {25257, 200, LVCFMT_LEFT},
};
constexpr int kColumnCount = static_cast<int>(sizeof kColumns / sizeof kColumns[0]);

constexpr WORD Code16(int code)
{
    return static_cast<WORD>(static_cast<UINT>(code) & 0xFFFF);
}

// The records behind a shell data link, or null when the shell does not know it.
KvRecArray* LinkedRecords(WORD linkId)
{
    KvFieldValue list;
    ShellServices* app = KvSoftObj::GetApplication();
    if (!KV_ASSERT(app != nullptr && app->ResolveDataLink(linkId, list)))
        return nullptr;
    return &list.AsRecArray();
}

// The text of an ID or volume: -1 means none and shows as an empty field.
CString NumberText(KvSoftRec* record, WORD field)
{
    CString text = KvFieldValue(field, record).AsText();
    return text == "-1" ? CString("") : text;
}

}  // namespace

WORD KvSoftGroupApplFileCombo::Member(int i) const
{
    return GetSubCtrlID(i);
}

HWND KvSoftGroupApplFileCombo::FileList() const
{
    return m_pSoftDlg->GetCtrlHWND(GetFileListCtrlID());
}

WORD KvSoftGroupApplFileCombo::ColumnField(int column)
{
    if (!KV_ASSERT(column >= 0 && column < kColumnCount))
        return 0;
    return kColumns[column].field;
}

int CALLBACK KvSoftGroupApplFileCombo::Compare(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    auto* first = reinterpret_cast<KvSoftRec*>(lParam1);
    auto* second = reinterpret_cast<KvSoftRec*>(lParam2);
    const WORD field = LOWORD(lParamSort);
    const bool ascending = HIWORD(lParamSort) == 1;
    int order = 0;
    if (field == kIdField) {
        const std::int32_t a = KvFieldValue(field, first).AsInt32();
        const std::int32_t b = KvFieldValue(field, second).AsInt32();
        order = a < b ? -1 : a > b ? 1 : 0;
    } else {
        const int c = ::lstrcmpA(KvFieldValue(field, first).AsText(), KvFieldValue(field, second).AsText());
        order = c < 0 ? -1 : c > 0 ? 1 : 0;
    }
    return ascending ? order : -order;
}

void KvSoftGroupApplFileCombo::Hide(int member, int& presence)
{
    ::ShowWindow(m_pSoftDlg->GetCtrlHWND(Member(member)), SW_HIDE);
    ::ShowWindow(m_pSoftDlg->GetCtrlHWND(Member(member + 1)), SW_HIDE);
    presence = 0;
}

void KvSoftGroupApplFileCombo::Init()
{
    if (m_initialised)
        return;
    m_initialised = 1;
    HWND list = FileList();
    LONG style = ::GetWindowLongA(list, GWL_STYLE) | LVS_SHOWSELALWAYS;
    if (!m_pStatement->HasStyle(kMultipleFlag))
        style |= LVS_SINGLESEL;
    ::SetWindowLongA(list, GWL_STYLE, style);
    ::SetWindowLongA(list, GWL_EXSTYLE, ::GetWindowLongA(list, GWL_EXSTYLE) & ~WS_EX_NOPARENTNOTIFY);
    KV_ASSERT((::GetWindowLongA(list, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT);
    KV_ASSERT(m_pSoftDlg->WinCtrlHasStyle(GetFileListCtrlID(), LVS_SHOWSELALWAYS));

    if (m_pStatement->HasStyle(kMultipleFlag)) {
        Hide(kApplId, m_hasApplID);
        Hide(kVolume, m_hasVolumeID);
    } else if (!m_pStatement->HasStyle(kSingleFlag)) {
        Hide(kApplId, m_hasApplID);
        Hide(kVolume, m_hasVolumeID);
        Hide(kFileName, m_hasFileName);
    }
    if (m_pStatement->HasStyle(kImagesFlag)) {
        HIMAGELIST images = ImageList_LoadImageA(KvProgramInstance(), MAKEINTRESOURCEA(m_pStatement->GetOptional(1)),
                                                 16, 0, kMaskColour, IMAGE_BITMAP, 0);
        ::SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
    }
    for (int c = 0; c < kColumnCount; ++c) {
        CString header(MAKEINTRESOURCEA(kColumns[c].field));
        LVCOLUMNA column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = kColumns[c].format;
        column.cx = kColumns[c].width;
        column.pszText = const_cast<char*>(static_cast<const char*>(header));
        column.iSubItem = c;
        ::SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&column));
    }

    if (ShellServices* app = KvSoftObj::GetApplication())
        app->RefreshDataLink(m_pStatement->GetOptional(0));
    FillList(0);
    FillVolumeCombo();

    // The file chosen before, when there is one; shown once the volume list is filled, so
    // that filling it does not replace the file's volume with the first one.
    KvRecArray chosen(&KvFieldValue(kFileListField, m_pSoftDlg->GetSoftRec()).AsRecArray());
    if (chosen.GetSize() > 0 && KV_ASSERT(chosen.GetSize() == 1))
        ShowRecord(chosen.GetAt(0));
}

void KvSoftGroupApplFileCombo::FillList(int first)
{
    KvRecArray* records = LinkedRecords(m_pStatement->GetOptional(0));
    if (records == nullptr)
        return;
    HWND list = FileList();
    for (int i = first < 0 ? 0 : first; i < records->GetSize(); ++i) {
        KvSoftRec* record = records->GetAt(i);
        CString name = KvFieldValue(kNameField, record).AsText();
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = i;
        item.pszText = const_cast<char*>(static_cast<const char*>(name));
        item.lParam = reinterpret_cast<LPARAM>(record);
        if (m_pStatement->HasStyle(kSingleFlag)) {
            item.mask |= LVIF_IMAGE;
            item.iImage = 0;
        }
        const int row = static_cast<int>(::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        for (int c = 1; c < kColumnCount; ++c) {
            LVITEMA cell{};
            cell.mask = LVIF_TEXT;
            cell.iItem = row;
            cell.iSubItem = c;
            cell.pszText = LPSTR_TEXTCALLBACKA;
            ::SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&cell));
        }
    }
}

void KvSoftGroupApplFileCombo::FillVolumeCombo()
{
    if (GetVolumeIDCtrlID() == 0)
        return;
    HWND combo = m_pSoftDlg->GetCtrlHWND(GetVolumeIDCtrlID());
    ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    if (KvRecArray* volumes = LinkedRecords(kVolumesLink)) {
        for (int i = 0; i < volumes->GetSize(); ++i) {
            CString text = KvFieldValue(kVolumeIdField, volumes->GetAt(i)).AsText();
            ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<const char*>(text)));
        }
    }
    ::SendMessageA(combo, CB_SETCURSEL, 0, 0);
}

void KvSoftGroupApplFileCombo::ShowRecord(KvSoftRec* record)
{
    if (GetFileNameCtrlID() != 0)
        ::SetWindowTextA(m_pSoftDlg->GetCtrlHWND(GetFileNameCtrlID()), KvFieldValue(kNameField, record).AsText());
    if (GetApplIDCtrlID() != 0)
        ::SetWindowTextA(m_pSoftDlg->GetCtrlHWND(GetApplIDCtrlID()), NumberText(record, kIdField));
    if (GetVolumeIDCtrlID() != 0) {
        HWND combo = m_pSoftDlg->GetCtrlHWND(GetVolumeIDCtrlID());
        CString volume = NumberText(record, kVolumeField);
        // A file without a volume selects none (the empty text would select the first).
        if (volume.IsEmpty())
            ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        else
            ::SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(static_cast<const char*>(volume)));
    }
}

void KvSoftGroupApplFileCombo::SetTexts(const char* name, const char* id, const char* volume)
{
    if (GetFileNameCtrlID() != 0)
        ::SetWindowTextA(m_pSoftDlg->GetCtrlHWND(GetFileNameCtrlID()), name);
    if (GetApplIDCtrlID() != 0)
        ::SetWindowTextA(m_pSoftDlg->GetCtrlHWND(GetApplIDCtrlID()), id);
    if (GetVolumeIDCtrlID() != 0)
        ::SendMessageA(m_pSoftDlg->GetCtrlHWND(GetVolumeIDCtrlID()), CB_SELECTSTRING, static_cast<WPARAM>(-1),
                       reinterpret_cast<LPARAM>(volume));
}

KvSoftRec* KvSoftGroupApplFileCombo::RowRecord(int row) const
{
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    ::SendMessageA(FileList(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return reinterpret_cast<KvSoftRec*>(item.lParam);
}

int KvSoftGroupApplFileCombo::ItemChangeAnswer(LPARAM lParam) const
{
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
    if (change->uChanged != LVIF_STATE)
        return 2;
    const UINT marks = LVIS_SELECTED | LVIS_FOCUSED;
    const bool selectedNow = (change->uNewState & LVIS_SELECTED) != 0;
    if ((change->uOldState & marks) == 0 && selectedNow)
        return 1;  // a row without selection or focus is selected
    if ((change->uNewState & LVIS_FOCUSED) != 0 && (change->uOldState & LVIS_FOCUSED) == 0)
        return 1;  // a row gains the focus
    if ((change->uOldState & LVIS_SELECTED) != 0 && !selectedNow) {
        const int focused = static_cast<int>(::SendMessageA(FileList(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                                            LVNI_FOCUSED));
        if (focused == change->iItem)
            return 0;  // the focused row loses its selection: another change follows
    }
    return 2;
}

int KvSoftGroupApplFileCombo::AcceptsNotification(WORD ctrlId, UINT code, LPARAM lParam)
{
    if (ctrlId == GetFileListCtrlID()) {
        if (code == kKvNotifServer)
            return 1;
        if (code == WM_NOTIFY) {
            const WORD listCode = Code16(static_cast<int>(reinterpret_cast<const NMHDR*>(lParam)->code));
            if (listCode == Code16(LVN_GETDISPINFOA) || listCode == Code16(LVN_COLUMNCLICK))
                return 1;
            if (listCode == Code16(LVN_ITEMCHANGED))
                return ItemChangeAnswer(lParam);
            if (listCode == Code16(NM_DBLCLK)) {
                if (!m_pStatement->HasStyle(kSingleFlag) && !m_pStatement->HasStyle(kMultipleFlag))
                    return 0;
                return ::SendMessageA(FileList(), LVM_GETSELECTEDCOUNT, 0, 0) == 1 ? 1 : 0;
            }
        }
        return KvSoftGroupCtrl::AcceptsNotification(ctrlId, code, lParam);
    }
    if (ctrlId != 0 && (ctrlId == GetFileNameCtrlID() || ctrlId == GetApplIDCtrlID()))
        return code == EN_SETFOCUS || code == EN_KILLFOCUS ? 1 : 0;
    return KvSoftGroupCtrl::AcceptsNotification(ctrlId, code, lParam);
}

void KvSoftGroupApplFileCombo::BeforeNotification(const KvNotification& n)
{
    const WORD source = n.GetSource();
    if (source != GetFileListCtrlID()) {
        if (!KV_ASSERT(source == GetFileNameCtrlID() || source == GetApplIDCtrlID() || source == GetVolumeIDCtrlID()))
            return;
        if (n.GetCode() == kKvNotifSetFocus) {
            // The user types a file of his own: the list's choice lets go.
            const int selected = static_cast<int>(::SendMessageA(FileList(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                                                 LVNI_SELECTED));
            if (selected >= 0) {
                LVITEMA item{};
                item.stateMask = 0xF;
                item.state = 0;
                ::SendMessageA(FileList(), LVM_SETITEMSTATE, static_cast<WPARAM>(selected),
                               reinterpret_cast<LPARAM>(&item));
            }
        }
        return;
    }
    HWND list = FileList();
    switch (n.GetCode()) {
    case kKvNotifItemChanged: {
        const int count = static_cast<int>(::SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0));
        if (count == 1) {
            const int row = static_cast<int>(::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
            ShowRecord(RowRecord(row));
        } else if (count > 1) {
            std::string names;
            for (int row = static_cast<int>(::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
                 row >= 0;
                 row = static_cast<int>(::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED))) {
                names += "\"";
                names += static_cast<const char*>(KvFieldValue(kNameField, RowRecord(row)).AsText());
                names += "\" ";
            }
            SetTexts(names.c_str(), "", "");
        }
        break;
    }
    case kKvNotifGetDispInfo: {
        auto* info = reinterpret_cast<NMLVDISPINFOA*>(n.GetData());
        m_dispText = KvFieldValue(ColumnField(info->item.iSubItem), reinterpret_cast<KvSoftRec*>(info->item.lParam)).AsText();
        info->item.pszText = const_cast<char*>(static_cast<const char*>(m_dispText));
        info->item.cchTextMax = m_dispText.GetLength() + 1;
        break;
    }
    case kKvNotifColumnClick: {
        const int column = reinterpret_cast<const NMLISTVIEW*>(n.GetData())->iSubItem;
        m_sortAscending = column == m_sortColumn ? !m_sortAscending : 1;
        m_sortColumn = column;
        ::SendMessageA(list, LVM_SORTITEMS, MAKEWPARAM(ColumnField(column), m_sortAscending ? 1 : 0),
                       reinterpret_cast<LPARAM>(&Compare));
        break;
    }
    case kKvNotifDblClick:
        ::PostMessageA(m_pSoftDlg->GetHWND(), WM_COMMAND, IDOK, 0);
        break;
    case kKvNotifServer:
        if (ShellServices* app = KvSoftObj::GetApplication())
            app->PumpDataLink(m_pStatement->GetOptional(0), static_cast<int>(n.GetData()));
        break;
    default:
        break;
    }
}

void KvSoftGroupApplFileCombo::AfterNotification(const KvNotification& n)
{
    KvSoftGroupCtrl::AfterNotification(n);
    if (n.GetSource() == GetFileListCtrlID() && n.GetCode() == kKvNotifServer)
        FillList(static_cast<int>(n.GetData()));
}

void KvSoftGroupApplFileCombo::Transfer(int transfDir)
{
    const bool single = m_pStatement->HasStyle(kSingleFlag) != 0;
    const bool multiple = m_pStatement->HasStyle(kMultipleFlag) != 0;
    if (transfDir == KvSoftIntrfc::FieldToCtrl || (!single && !multiple))
        return;  // the list shows the server's files; only a choice is stored
    KvFieldValue files(kFileListField, m_pSoftDlg->GetSoftRec());
    KvRecArray layer(&files.AsRecArray());
    if (layer.GetSize() == 0)
        layer.Add(KvSoftRec::Create(kUserAppDef, 0));
    if (!KV_ASSERT(layer.GetSize() >= 1))
        return;
    KvSoftRec* choice = layer.GetAt(0);
    std::vector<char> name(static_cast<size_t>(::GetWindowTextLengthA(m_pSoftDlg->GetCtrlHWND(Member(kFileName)))) + 1);
    ::GetWindowTextA(m_pSoftDlg->GetCtrlHWND(Member(kFileName)), name.data(), static_cast<int>(name.size()));
    KvFieldValue(kNameField, choice) = CString(name.data());
    if (multiple) {
        KvFieldValue(kIdField, choice) = static_cast<std::int32_t>(-1);
        KvFieldValue(kVolumeField, choice) = static_cast<std::int32_t>(-1);
    } else {
        HWND dialog = m_pSoftDlg->GetHWND();
        KvFieldValue(kIdField, choice) = static_cast<std::int32_t>(::GetDlgItemInt(dialog, Member(kApplId), nullptr, TRUE));
        KvFieldValue(kVolumeField, choice) =
            static_cast<std::int32_t>(::GetDlgItemInt(dialog, Member(kVolume), nullptr, TRUE));
    }
    files = layer;
}
