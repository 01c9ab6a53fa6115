#include "framework/softdlg/kvsplainkinds.h"

#include <commctrl.h>

#include "foundation/kvassert.h"
#include "framework/shellservices.h"
#include "framework/softdlg/kvsdlg.h"
#include "framework/softrec/kvmulstm.h"
#include "framework/softrec/kvrecarr.h"
#include "framework/softrec/kvrecset.h"
#include "framework/softrec/kvsoftrec.h"
#include "framework/softrec/kvtokens.h"

namespace {

constexpr WORD kLimitFlag = 0x8001;
constexpr WORD kZeroShowsEmptyFlag = 0x8002;
constexpr WORD kByKeyFlag = 0x8004;
constexpr WORD kFirstWhenNoneFlag = 0x8008;
constexpr WORD kSmallImagesFlag = 0x8001;
constexpr WORD kStateImagesFlag = 0x8002;
constexpr WORD kStateImagesBitmap = 123;
constexpr COLORREF kMaskColour = 0xFF00FF;
constexpr int kColumnWidth = 150;

// The state image of every row: image 2 of the state list (state bits 12-15).
constexpr UINT kRowStateImage = 0x2000;
constexpr UINT kStateImageMask = 0xF000;

HIMAGELIST LoadStrip(WORD bitmapId)
{
    return ImageList_LoadImageA(KvProgramInstance(), MAKEINTRESOURCEA(bitmapId), 16, 0, kMaskColour, IMAGE_BITMAP, 0);
}

}  // namespace

// ---- edit ------------------------------------------------------------------------------

void KvSoftEdit::Init()
{
    if (m_pStatement->HasStyle(kLimitFlag))
        ::SendMessageA(GetHWND(), EM_LIMITTEXT, m_pStatement->GetOptional(0), 0);
}

void KvSoftEdit::Transfer(int transfDir)
{
    if (transfDir != KvSoftIntrfc::FieldToCtrl || !m_pStatement->HasStyle(kZeroShowsEmptyFlag)) {
        KvSoftPlainCtrl::Transfer(transfDir);
        return;
    }
    // A number field whose 0 means "none" shows an empty box; storing the empty box
    // stores the empty text (the plain transfer).
    CString text = Field().AsText();
    ::SetWindowTextA(GetHWND(), text == "0" ? "" : static_cast<const char*>(text));
    Queue(GetCtrlID(), kKvNotifChanged);
}

// ---- combo box -------------------------------------------------------------------------

KvFieldValue KvSoftComboBox::List()
{
    KvFieldValue list;
    ShellServices* app = KvSoftObj::GetApplication();
    KV_ASSERT(app != nullptr && app->ResolveDataLink(m_pStatement->GetOptional(0), list));
    return list;
}

int KvSoftComboBox::AcceptsNotification(WORD, UINT code, LPARAM)
{
    return code == CBN_SELCHANGE ? 1 : 0;
}

void KvSoftComboBox::Init()
{
    KV_ASSERT(m_pSoftDlg->WinCtrlHasStyle(GetCtrlID(), CBS_DROPDOWNLIST));
    if (m_filled)
        return;
    KvFieldValue list = List();
    HWND combo = GetHWND();
    ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    if (list.GetSoftRec() != nullptr) {
        KvRecArray records(&list.AsRecArray());
        const WORD display = m_pStatement->GetOptional(1);
        for (int i = 0; i < records.GetSize(); ++i) {
            CString text = KvFieldValue(display, records.GetAt(i)).AsText();
            ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<const char*>(text)));
        }
    }
    m_filled = 1;
}

void KvSoftComboBox::Transfer(int transfDir)
{
    HWND combo = GetHWND();
    const bool byKey = m_pStatement->HasStyle(kByKeyFlag) != 0;
    if (transfDir == KvSoftIntrfc::FieldToCtrl) {
        int index = -1;
        if (byKey) {
            KvFieldValue list = List();
            if (list.GetSoftRec() != nullptr) {
                KvRecArray records(&list.AsRecArray());
                index = KvSoftRecSet::FindByInt32(m_pStatement->GetOptional(2), Field().AsInt32(), &records);
            }
        } else {
            index = Field().AsInt16();
        }
        if (index < 0)
            index = m_pStatement->HasStyle(kFirstWhenNoneFlag) ? 0 : -1;
        ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        Queue(GetCtrlID(), kKvNotifChanged);
        return;
    }
    const int selected = static_cast<int>(::SendMessageA(combo, CB_GETCURSEL, 0, 0));
    if (!byKey) {
        Field() = static_cast<short>(selected);
        return;
    }
    std::int32_t key = -1;
    if (selected >= 0) {
        KvFieldValue list = List();
        if (list.GetSoftRec() != nullptr) {
            KvRecArray records(&list.AsRecArray());
            if (KV_ASSERT(selected < records.GetSize()))
                key = KvFieldValue(m_pStatement->GetOptional(2), records.GetAt(selected)).AsInt32();
        }
    }
    Field() = key;
}

// ---- icon button -----------------------------------------------------------------------

int KvSoftBitmapButton::AcceptsNotification(WORD, UINT code, LPARAM)
{
    return code == BN_CLICKED ? 1 : 0;
}

void KvSoftBitmapButton::Init()
{
    KV_ASSERT(m_pSoftDlg->WinCtrlHasStyle(GetCtrlID(), BS_ICON));
    HICON icon = ::LoadIconA(KvProgramInstance(), MAKEINTRESOURCEA(m_pStatement->GetOptional(0)));
    ::SendMessageA(GetHWND(), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
}

void KvSoftBitmapButton::Transfer(int)
{
    KV_ASSERT(0);  // an icon button has no data link
}

// ---- list view -------------------------------------------------------------------------

int KvSoftListView::ColumnCount() const
{
    const auto* link = static_cast<const KvMultiLineStatement*>(GetDataLinkStatement());
    return link != nullptr ? link->GetNbStatements(kKvKindBody) : 0;
}

WORD KvSoftListView::ColumnField(int column) const
{
    const auto* link = static_cast<const KvMultiLineStatement*>(GetDataLinkStatement());
    return link->GetStatement(kKvKindBody, column)->GetOperand(0);
}

void KvSoftListView::SizeColumns()
{
    for (int c = 0; c < ColumnCount(); ++c)
        ::SendMessageA(GetHWND(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(c), LVSCW_AUTOSIZE_USEHEADER);
}

void KvSoftListView::Init()
{
    if (m_setUp)
        return;
    KV_ASSERT(GetDataLinkStatement() != nullptr);
    KV_ASSERT(ColumnCount() > 0);
    HWND list = GetHWND();
    if (m_pStatement->HasStyle(kSmallImagesFlag)) {
        ::SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL,
                       reinterpret_cast<LPARAM>(LoadStrip(m_pStatement->GetOptional(0))));
    }
    if (m_pStatement->HasStyle(kStateImagesFlag))
        ::SendMessageA(list, LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(LoadStrip(kStateImagesBitmap)));
    for (int c = 0; c < ColumnCount(); ++c) {
        CString header(MAKEINTRESOURCEA(ColumnField(c)));
        LVCOLUMNA column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        column.fmt = LVCFMT_LEFT;
        column.cx = kColumnWidth;
        column.pszText = const_cast<char*>(static_cast<const char*>(header));
        if (c > 0) {
            column.mask |= LVCF_SUBITEM;
            column.iSubItem = c;
        }
        ::SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&column));
        ::SendMessageA(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(c), LVSCW_AUTOSIZE_USEHEADER);
    }
    m_setUp = 1;
}

void KvSoftListView::Transfer(int transfDir)
{
    if (transfDir != KvSoftIntrfc::FieldToCtrl)
        return;  // the list only shows its field
    HWND list = GetHWND();
    ::SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    KvRecArray records(&Field().AsRecArray());
    for (int r = 0; r < records.GetSize(); ++r) {
        for (int c = 0; c < ColumnCount(); ++c) {
            CString text = KvFieldValue(ColumnField(c), records.GetAt(r)).AsText();
            LVITEMA item{};
            item.mask = LVIF_TEXT;
            item.iItem = r;
            item.iSubItem = c;
            item.pszText = const_cast<char*>(static_cast<const char*>(text));
            if (c > 0) {
                ::SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
                continue;
            }
            if (m_pStatement->HasStyle(kSmallImagesFlag)) {
                item.mask |= LVIF_IMAGE;
                item.iImage = 0;
            }
            if (m_pStatement->HasStyle(kStateImagesFlag)) {
                item.mask |= LVIF_STATE;
                item.state = kRowStateImage;
                item.stateMask = kStateImageMask;
            }
            ::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        }
    }
    SizeColumns();
}
