#include "framework/softdlg/kvsdlg.h"

#include "foundation/kvassert.h"
#include "framework/kvmainfr.h"
#include "framework/shellservices.h"
#include "framework/softdlg/kvsapplfile.h"
#include "framework/softdlg/kvsgrpctl.h"
#include "framework/softdlg/kvsplainkinds.h"
#include "framework/softdlg/kvsvfedit.h"
#include "framework/softdlg/kvsvfpick.h"
#include "framework/softrec/kvcondst.h"
#include "framework/softrec/kvmulstm.h"
#include "framework/softrec/kvrecarr.h"
#include "framework/softrec/kvrecset.h"
#include "framework/softrec/kvsoftrec.h"
#include "framework/softrec/kvtokens.h"

namespace {

// Control kinds of SOFTCONTROL statements that this dialog makes.
constexpr WORD kKindIconButton = 0x4001;
constexpr WORD kKindListView = 0x4003;
constexpr WORD kKindEdit = 0x4004;
constexpr WORD kKindComboBox = 0x4006;
constexpr WORD kKindGroup = 0x4071;
constexpr WORD kKindRadio = 0x4072;
constexpr WORD kKindEditUpDown = 0x4078;
constexpr WORD kKindItemPicker = 0x4076;
constexpr WORD kKindItemEditor = 0x4077;
constexpr WORD kKindApplFile = 0x4079;

// A data link that also writes a field of a record in a record set.
constexpr WORD kIndirectLinkFlag = 0x8002;

HINSTANCE ResourceInstance()
{
    ShellServices* app = KvSoftObj::GetApplication();
    HINSTANCE instance = app != nullptr ? app->GetInstance() : nullptr;
    return instance != nullptr ? instance : ::GetModuleHandleA(nullptr);
}

}  // namespace

KvSoftDlg::KvSoftDlg(WORD defId, KvSoftRec* pRecord, WORD helpId)
    : m_helpId(helpId), m_pSoftDlgDef(KvSoftDlgDef::Create(defId)), m_pRecord(pRecord)
{
}

KvSoftDlg::~KvSoftDlg()
{
    // A soft dialog deleted before it ran (an exception on the way) has no window: that is
    // no fault, there is just nothing to delete.
    if (!m_dialogNotOwned)
        delete m_pDialog;
    m_controls.clear();
    if (KV_ASSERT(m_pSoftDlgDef != nullptr) && m_pSoftDlgDef->Release() == 0)
        delete m_pSoftDlgDef;
}

int KvSoftDlg::Execute(int mode)
{
    if (!KV_ASSERT(mode == 1) || !KV_ASSERT(m_pDialog == nullptr))
        return IDCANCEL;
    // The parent is the active window; without one, the main frame's window (and without
    // that, the dialog has no owner).
    TWindow* parent = nullptr;
    HWND owner = ::GetActiveWindow();
    if (owner == nullptr) {
        ShellServices* app = KvSoftObj::GetApplication();
        KvMainFrame* frame = app != nullptr ? app->GetMainFrame() : nullptr;
        owner = frame != nullptr ? frame->m_hWnd : nullptr;
    }
    if (owner != nullptr) {
        m_parentAlias = std::make_unique<TWindow>(owner);
        parent = m_parentAlias.get();
    }
    m_module = std::make_unique<TModule>("softdlg", ResourceInstance());
    m_pDialog = new KvDialog(parent, GetDlgResID(), m_module.get(), this);
    return m_pDialog->Execute();
}

void KvSoftDlg::SetPropPage(TDialog* page)
{
    m_pDialog = page;
    m_dialogNotOwned = true;
}

HWND KvSoftDlg::GetHWND() const
{
    if (!KV_ASSERT(m_pDialog != nullptr))
        return nullptr;
    HWND window = m_pDialog->GetHandle();
    KV_ASSERT(::IsWindow(window));
    return window;
}

HWND KvSoftDlg::GetCtrlHWND(WORD ctrlId) const
{
    HWND control = ::GetDlgItem(GetHWND(), ctrlId);
    KV_ASSERT(::IsWindow(control));
    return control;
}

KvSoftCtrl* KvSoftDlg::GetSoftCtrl(WORD ctrlId)
{
    if (ctrlId == 0)
        return nullptr;
    const auto known = m_controls.find(ctrlId);
    if (known != m_controls.end())
        return known->second.get();
    const KvStatement* statement =
        m_pSoftDlgDef->GetSoftControlSection() != nullptr ? m_pSoftDlgDef->GetSoftCtrlStatement(ctrlId) : nullptr;
    if (statement == nullptr && ctrlId != GetID() && ::GetDlgItem(GetHWND(), ctrlId) == nullptr)
        return nullptr;
    KvSoftCtrl* control = MakeSoftCtrl(ctrlId, statement);
    if (control != nullptr)
        m_controls[ctrlId].reset(control);
    return control;
}

KvSoftCtrl* KvSoftDlg::MakeSoftCtrl(WORD ctrlId, const KvStatement* statement)
{
    if (statement == nullptr)
        return new KvSoftPlainCtrl(ctrlId, this, nullptr);
    switch (statement->GetOperand(1)) {
    case kKindIconButton:
        return new KvSoftBitmapButton(ctrlId, this, statement);
    case kKindListView:
        return new KvSoftListView(ctrlId, this, statement);
    case kKindEdit:
        return new KvSoftEdit(ctrlId, this, statement);
    case kKindComboBox:
        return new KvSoftComboBox(ctrlId, this, statement);
    case kKindGroup:
        return new KvSoftGroupCtrl(ctrlId, this, statement);
    case kKindRadio:
        return new KvSoftGroupRadio(ctrlId, this, statement);
    case kKindEditUpDown:
        return new KvSoftGroupEditUpDown(ctrlId, this, statement);
    case kKindItemPicker:
        return new KvSoftGroupVoiceFaxPicker(ctrlId, this, statement);
    case kKindItemEditor:
        return new KvSoftGroupVoiceFaxEditor(ctrlId, this, statement);
    case kKindApplFile:
        return new KvSoftGroupApplFileCombo(ctrlId, this, statement);
    default:
        KV_ASSERT(0);  // a kind this dialog does not make
        return nullptr;
    }
}

KvSoftCtrl* KvSoftDlg::GetGroupCtrl(WORD ctrlId)
{
    const WORD group = m_pSoftDlgDef->GetGroupCtrlID(ctrlId);
    return group != 0 ? GetSoftCtrl(group) : nullptr;
}

const KvStatement* KvSoftDlg::GetDataLinkStatement(WORD ctrlId) const
{
    const KvSection* links = m_pSoftDlgDef->GetDataLinkSection();
    for (int i = 0; links != nullptr && i < links->GetNbStatements(kKvKindBody); ++i) {
        const KvStatement* link = links->GetStatement(kKvKindBody, i);
        if (link->GetType() == kKvStmDataLink && link->GetOperand(0) == ctrlId)
            return link;
    }
    return nullptr;
}

WORD KvSoftDlg::GetDataLinkFieldID(WORD ctrlId) const
{
    const KvStatement* link = GetDataLinkStatement(ctrlId);
    return link != nullptr ? link->GetOperand(1) : 0;
}

// An indirect link shows a field of one record of a record set of the dialog's record: the
// first parameter names the RECORDSET field, the key field and the string whose text the
// key field holds; the second names the field shown.
KvSoftDlg::IndirectTarget KvSoftDlg::FindIndirect(WORD ctrlId, WORD valueType) const
{
    IndirectTarget target;
    const auto* link = static_cast<const KvMultiLineStatement*>(GetDataLinkStatement(ctrlId));
    if (!KV_ASSERT(link != nullptr && link->HasStyle(kIndirectLinkFlag)))
        return target;
    if (!KV_ASSERT(link->GetNbStatements(kKvKindBody) == 2) || !KV_ASSERT(valueType == kKvValueInt16))
        return target;
    const KvStatement* set = link->GetStatement(kKvKindBody, 0);
    target.setField = set->GetOperand(0);
    target.shownField = link->GetStatement(kKvKindBody, 1)->GetOperand(0);
    auto layer = std::make_unique<KvRecArray>(&KvFieldValue(target.setField, m_pRecord).AsRecArray());
    target.index = KvSoftRecSet::FindByStringID(set->GetOptional(0), set->GetOptional(1), layer.get());
    if (KV_ASSERT(target.index != -1))
        target.layer = std::move(layer);
    return target;
}

void KvSoftDlg::GetIndirectValue(WORD ctrlId, WORD valueType, short* pValue)
{
    IndirectTarget target = FindIndirect(ctrlId, valueType);
    if (target.layer != nullptr)
        *pValue = KvFieldValue(target.shownField, target.layer->GetAt(target.index)).AsInt16();
}

void KvSoftDlg::SetIndirectValue(WORD ctrlId, WORD valueType, const short* pValue)
{
    IndirectTarget target = FindIndirect(ctrlId, valueType);
    if (target.layer == nullptr)
        return;
    KvFieldValue(target.shownField, target.layer->GetAt(target.index)) = *pValue;
    KvFieldValue(target.setField, m_pRecord) = *target.layer;
}

void KvSoftDlg::InitControls()
{
    const KvSection* controls = m_pSoftDlgDef->GetSoftControlSection();
    for (int i = 0; controls != nullptr && i < controls->GetNbStatements(kKvKindBody); ++i) {
        const KvStatement* s = controls->GetStatement(kKvKindBody, i);
        KV_ASSERT(s->GetType() == kKvStmPlainCtrl || s->GetType() == kKvStmGroupCtrl);
        if (KvSoftCtrl* control = GetSoftCtrl(s->GetOperand(0)))
            control->Init();
    }
}

void KvSoftDlg::TransferData(int transfDir)
{
    // Control to field runs one control at a time while notifications are processed.
    if (!KV_ASSERT(transfDir == KvSoftIntrfc::FieldToCtrl))
        return;
    const KvSection* links = m_pSoftDlgDef->GetDataLinkSection();
    for (int i = 0; links != nullptr && i < links->GetNbStatements(kKvKindBody); ++i) {
        if (KvSoftCtrl* control = GetSoftCtrl(links->GetStatement(kKvKindBody, i)->GetOperand(0)))
            control->Transfer(KvSoftIntrfc::FieldToCtrl);
        ProcessNotifications();
    }
}

BOOL KvSoftDlg::ValidateControls(BOOL bReport)
{
    const KvSection* links = m_pSoftDlgDef->GetDataLinkSection();
    for (int i = 0; links != nullptr && i < links->GetNbStatements(kKvKindBody); ++i) {
        KvSoftCtrl* control = GetSoftCtrl(links->GetStatement(kKvKindBody, i)->GetOperand(0));
        if (control != nullptr && !control->Validate(bReport))
            return FALSE;
    }
    return TRUE;
}

void KvSoftDlg::RefreshControls()
{
    const KvSection* controls = m_pSoftDlgDef->GetSoftControlSection();
    for (int i = 0; controls != nullptr && i < controls->GetNbStatements(kKvKindBody); ++i) {
        if (KvSoftCtrl* control = GetSoftCtrl(controls->GetStatement(kKvKindBody, i)->GetOperand(0)))
            control->Refresh();
    }
}

int KvSoftDlg::CanClose(WORD id)
{
    int answer = 0;
    if (id == IDOK) {
        answer = ValidateControls(FALSE) && m_pRecord->Commit() ? 1 : 0;
    } else if (id == IDCANCEL) {
        m_pRecord->DiscardEdits();
        answer = 1;
    } else {
        KV_ASSERT(0);
    }
    DetachServerView();
    return answer;
}

int KvSoftDlg::FilterNotification(WORD filterId, WORD sourceId, WORD code, std::uintptr_t data)
{
    KvSoftCtrl* control = GetSoftCtrl(filterId);
    if (control == nullptr)
        return -1;
    // A group decides for the member the notification comes from.
    return control->AcceptsNotification(sourceId, code, static_cast<LPARAM>(data));
}

bool KvSoftDlg::WinCtrlHasStyle(WORD ctrlId, std::uint32_t bits) const
{
    KV_ASSERT(bits != 0);
    const auto style = static_cast<std::uint32_t>(::GetWindowLongA(GetCtrlHWND(ctrlId), GWL_STYLE));
    return (style & bits) == bits;
}

int KvSoftDlg::GetCheck(WORD ctrlId) const
{
    return static_cast<int>(::SendMessageA(GetCtrlHWND(ctrlId), BM_GETCHECK, 0, 0));
}

void KvSoftDlg::PostNotification(const KvNotification& notification)
{
    // One already posted in this pass is dropped: a reaction that raises the notification
    // being processed cannot make the pass loop.
    m_pass.Post(notification);
}

void KvSoftDlg::ProcessNotifications()
{
    while (!m_pass.IsEmpty()) {
        const KvNotification n = m_pass.Take();
        if (n.GetCode() == kKvNotifActivate)
            Start(n);
        if (!m_started)
            continue;
        KvSoftCtrl* control = GetSoftCtrl(n.GetSource());
        if (control == nullptr)
            continue;
        KvSoftCtrl* group = GetGroupCtrl(n.GetSource());
        control->BeforeNotification(n);
        if (group != nullptr)
            group->BeforeNotification(n);
        if (m_transfersOn)
            control->TransferToField();
        RunReactions(n);
        control->AfterNotification(n);
        if (group != nullptr)
            group->AfterNotification(n);
    }
    if (m_startingUp)
        m_pass.EndKeeping(KvNotification(GetID(), kKvNotifActivate, 0));
    else
        m_pass.End();
}

void KvSoftDlg::Start(const KvNotification& start)
{
    AttachView();
    m_started = true;
    InitControls();
    m_startingUp = true;
    TransferData(KvSoftIntrfc::FieldToCtrl);
    m_startingUp = false;
    m_transfersOn = true;
    if (m_pass.IsEmpty())
        m_pass.EndKeeping(start);
}

void KvSoftDlg::RunReactions(const KvNotification& n)
{
    KvStatement key(kKvStmNotif);
    key.InsertParam(0, kKvStmNotif);
    key.InsertParam(1, n.GetSource());
    key.InsertParam(2, n.GetCode());
    KvSection* section = m_pSoftDlgDef->FindSectionByHeader(kKvSecNotification, key);
    if (section == nullptr)
        return;
    KvStatementPos* pos = nullptr;
    for (section->GetFirst(kKvKindBody, *m_pRecord, pos, 1); pos != nullptr;
         section->GetNext(kKvKindBody, *m_pRecord, pos)) {
        const KvStatement* s = section->GetStatementAtPos(kKvKindBody, pos);
        if (s == nullptr)
            continue;
        if (s->GetType() == kKvStmReaction) {
            if (s->GetOperand(0) == GetID()) {
                // The dialog's own reaction: a new caption, then its content-changed notification.
                if (KV_ASSERT(s->GetOperand(1) == kKvReactSetText)) {
                    ::SetWindowTextA(GetHWND(), CString(MAKEINTRESOURCEA(s->GetOptional(0))));
                    PostNotification(KvNotification(GetID(), kKvNotifChanged, 0));
                }
            } else if (KvSoftCtrl* target = GetSoftCtrl(s->GetOperand(0))) {
                target->React(this, *s);
            }
        } else if (KV_ASSERT(s->GetType() == kKvStmExtension)) {
            short result = 0;
            KvSoftObj::CallOut(s->GetOperand(0), m_pRecord, 0, &result);
        }
    }
}

void KvSoftDlg::ShowHelp()
{
    if (ShellServices* app = KvSoftObj::GetApplication())
        app->ShowHelp(m_helpId);
}

void KvSoftDlg::AttachView()
{
    // Each start attaches again: a page the user returns to becomes the view once more.
    m_viewWindow = GetHWND();
    if (ShellServices* app = KvSoftObj::GetApplication())
        app->AttachView(m_viewWindow);
    m_viewAttached = true;
}

void KvSoftDlg::DetachServerView()
{
    if (m_viewAttached) {
        if (ShellServices* app = KvSoftObj::GetApplication())
            app->DetachView(m_viewWindow);
    }
    m_viewAttached = false;
    m_viewWindow = nullptr;
}
