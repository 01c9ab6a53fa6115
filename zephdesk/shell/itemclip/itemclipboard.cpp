#include "shell/itemclip/itemclipboard.h"

#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "foundation/kvobarray.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvsrecmem.h"
#include "model/interface/vlx.h"
#include "shell/document/doctexts.h"
#include "shell/document/kvuserapp.h"
#include "shell/itemclip/pasteconflict.h"
#include "shell/items/itemdata.h"
#include "shell/items/itemlink.h"
#include "shell/items/itemtexts.h"
#include "shell/items/itemtransfer.h"
#include "shell/items/kvsoftitem.h"
#include "shell/workspace/kvwinapp.h"

namespace {

const KvItemFields& FieldsOf(int kind)
{
    return kind == kKvFaxItemKind ? kKvFaxItemFields : kKvVoiceItemFields;
}

WORD ListOf(int kind)
{
    return kind == kKvFaxItemKind ? F_UA_FAX_ITEMS : F_UA_VOICE_ITEMS;
}

std::int16_t MediaOf(int kind)
{
    return kind == kKvFaxItemKind ? kKvMediaFax : kKvMediaVoice;
}

// Per kind: held ID -> the ID the last paste gave it in the target.
std::map<int, int>& PastedIds(int kind)
{
    static std::map<int, int> voice;
    static std::map<int, int> fax;
    return kind == kKvFaxItemKind ? fax : voice;
}

bool IsHeld(KvWinApp& workspace, int kind)
{
    return kind == kKvFaxItemKind ? !workspace.IsNoFaxItemHeld() : !workspace.IsNoVoiceItemHeld();
}

std::string Text(KvSoftRec& record, WORD field)
{
    return static_cast<const char*>(KvFieldValue(field, &record).AsText());
}

int Id(KvSoftRec& record, WORD field)
{
    return KvFieldValue(field, &record).AsInt16();
}

// Whether the two records of the user-application definition are the same application.
bool SameApplication(KvWinApp& workspace, KvUserApp& a, KvUserApp& b)
{
    return KvIsSameApplication(workspace.IsStartedWithoutCommandLine(), a.GetText(F_UA_NAME), a.GetInt(F_UA_ID),
                               b.GetText(F_UA_NAME), b.GetInt(F_UA_ID));
}

// The record of the list of the kind whose name (field is the name field) or ID matches.
KvSoftRec* FindRecord(KvUserApp& app, int kind, WORD field, const std::string& name, int id)
{
    KvObArray& list = *app.GetList(ListOf(kind));
    for (int i = 0; i < list.GetSize(); ++i) {
        auto* record = dynamic_cast<KvSoftRec*>(list.GetAt(i));
        if (record == nullptr)
            continue;
        if (field == FieldsOf(kind).name ? Text(*record, field) == name : Id(*record, field) == id)
            return record;
    }
    return nullptr;
}

KvSoftItem* FindItem(KvUserApp& app, int kind, WORD field, const std::string& name, int id)
{
    return dynamic_cast<KvSoftItem*>(FindRecord(app, kind, field, name, id));
}

// The item a paste marked "exists" updates: the target's item of that name, else of
// that ID; null when neither is there and the copy is to be added after all.
KvSoftItem* ExistingTarget(KvUserApp& app, int kind, const KvPasteDecision& decision)
{
    const KvItemFields& f = FieldsOf(kind);
    if (KvSoftItem* byName = FindItem(app, kind, f.name, decision.name, 0))
        return byName;
    return FindItem(app, kind, f.id, std::string(), decision.id);
}

void CopyContent(KvSoftRec& from, KvSoftItem& to)
{
    const KvItemFields& f = to.Fields();
    KvFieldValue(f.description, &to) = KvFieldValue(f.description, &from).AsText();
    if (f.confirmation != 0)
        KvFieldValue(f.confirmation, &to) = KvFieldValue(f.confirmation, &from).AsText();
    to.Commit();
}

// The pasted item as the target's record: its symbol is made without a server call.
bool AddPasted(KvUserApp& target, int kind, KvSoftRec& held, const KvPasteDecision& decision)
{
    const KvItemFields& f = FieldsOf(kind);
    std::unique_ptr<KvSoftItem> item(kind == kKvFaxItemKind ? static_cast<KvSoftItem*>(new KvFaxItem(nullptr))
                                                            : new KvVoiceItem(nullptr));
    KvFieldValue(f.name, item.get()) = CString(decision.name.c_str());
    KvFieldValue(f.id, item.get()) = static_cast<short>(decision.id);
    KvFieldValue(f.description, item.get()) = KvFieldValue(f.description, &held).AsText();
    if (f.confirmation != 0)
        KvFieldValue(f.confirmation, item.get()) = KvFieldValue(f.confirmation, &held).AsText();
    KvFieldValue(f.pasteMode, item.get()) = std::int32_t{1};
    item->Commit();
    if (item->AddToServer() != 1)
        return false;
    target.GetList(ListOf(kind))->Add(item.release());
    return true;
}

}  // namespace

bool KvIsSameApplication(bool standAlone, const char* nameA, std::int32_t idA, const char* nameB, std::int32_t idB)
{
    if (standAlone)
        return std::strcmp(nameA, nameB) == 0;
    return idA == idB;
}

KvUserApp& KvWinApp::ClipUserAppFor(KvUserApp& source)
{
    if (m_pClipUserApp == nullptr) {
        m_pClipUserApp = new KvUserApp("");
        m_pClipUserApp->SetText(F_UA_NAME, source.GetText(F_UA_NAME));
    }
    m_pClipUserApp->SetInt(F_UA_ID, source.GetInt(F_UA_ID));
    m_pClipUserApp->Commit();
    return *m_pClipUserApp;
}

void KvWinApp::ClearItemClipboard()
{
    ClearClipUserApp();
    PastedIds(kKvVoiceItemKind).clear();
    PastedIds(kKvFaxItemKind).clear();
    m_bBlocksHeld = false;
    m_bVoiceItemHeld = false;
    m_bFaxItemHeld = false;
}

int KvWinApp::HoldBlocks()
{
    ClearItemClipboard();
    m_bBlocksHeld = true;
    UpdateCommandStates();
    return 0;
}

int KvHoldItem(int kind, KvSoftRec& item, int clearFirst, int resetInUse)
{
    KvWinApp* workspace = KvWinApp::GetWorkspace();
    KvUserApp* active = workspace != nullptr ? workspace->GetActiveUserApp() : nullptr;
    if (active == nullptr)
        return -1;
    if (clearFirst == 1)
        workspace->ClearItemClipboard();
    if (kind == kKvFaxItemKind)
        workspace->SetFaxItemHeld(true);
    else
        workspace->SetVoiceItemHeld(true);
    KvUserApp& clip = workspace->ClipUserAppFor(*active);

    const KvItemFields& f = FieldsOf(kind);
    auto* copy = new KvSoftRecMem(f.definition);
    copy->CopyFrom(item);
    KvFieldValue(f.connected, copy) = std::int32_t{1};
    if (resetInUse != 0)
        KvFieldValue(f.inUse, copy) = std::int32_t{0};
    copy->Commit();
    clip.GetList(ListOf(kind))->Add(copy);
    vlxAddSymToClipboard(Text(*copy, f.name).c_str());
    return 0;
}

int KvCutCopyItem(int kind, int id, int clearFirst, int resetInUse)
{
    KvWinApp* workspace = KvWinApp::GetWorkspace();
    KvUserApp* active = workspace != nullptr ? workspace->GetActiveUserApp() : nullptr;
    KvSoftItem* item = active != nullptr ? FindItem(*active, kind, FieldsOf(kind).id, std::string(), id) : nullptr;
    if (item == nullptr)
        return -1;
    return KvHoldItem(kind, *item, clearFirst, resetInUse);
}

int KvPasteClipboardItems(int kind, const std::vector<zeph::TClipInfo>& conflicts)
{
    KvWinApp* workspace = KvWinApp::GetWorkspace();
    KvUserApp* active = workspace != nullptr ? workspace->GetActiveUserApp() : nullptr;
    KvUserApp* clip = workspace != nullptr ? workspace->GetClipUserApp() : nullptr;
    if (active == nullptr || !IsHeld(*workspace, kind) || clip == nullptr)
        return -1;
    std::map<int, int>& pastedIds = PastedIds(kind);
    pastedIds.clear();
    if (SameApplication(*workspace, *clip, *active))
        return 0;

    const KvItemFields& f = FieldsOf(kind);
    KvObArray& held = *clip->GetList(ListOf(kind));
    KvItemLink* link = KvGetItemLink();
    for (int i = 0; i < held.GetSize(); ++i) {
        auto* record = static_cast<KvSoftRec*>(held.GetAt(i));
        const std::string name = Text(*record, f.name);
        const int id = Id(*record, f.id);
        const KvPasteDecision decision = KvApplyPasteConflict(conflicts, kind, name, id);
        if (decision.skip)
            continue;
        const std::string description = Text(*record, f.description);
        KvItemTransfer source = KvMakeItemTransfer(id, MediaOf(kind), name.c_str(), description.c_str());
        KvItemTransfer target =
            KvMakeItemTransfer(decision.id, MediaOf(kind), decision.name.c_str(), description.c_str());
        const int result = link != nullptr ? link->CutCopyPasteItem(0, 1, clip->GetInt(F_UA_ID), &source, 1,
                                                                     active->GetInt(F_UA_ID), &target)
                                           : -1;
        if (result != 0) {
            KvItemWarning(KvServerFaultMessage(result, f.addFailed));
            return 1;
        }
        KvSoftItem* existing = decision.exists ? ExistingTarget(*active, kind, decision) : nullptr;
        if (existing != nullptr)
            CopyContent(*record, *existing);
        else if (!AddPasted(*active, kind, *record, decision))
            return 1;
        const int targetId = existing != nullptr ? Id(*existing, f.id) : decision.id;
        if (targetId != id)
            pastedIds[id] = targetId;
    }
    active->SetModified();
    return 0;
}

int KvPastedItemId(int kind, int id)
{
    const std::map<int, int>& pastedIds = PastedIds(kind);
    const auto found = pastedIds.find(id);
    return found != pastedIds.end() ? found->second : id;
}

bool KvIsClipboardFromActiveApp()
{
    KvWinApp* workspace = KvWinApp::GetWorkspace();
    if (workspace == nullptr)
        return false;
    if (workspace->IsNoBlocksHeld() && workspace->IsNoVoiceItemHeld() && workspace->IsNoFaxItemHeld() &&
        !workspace->IsImportRefHeld())
        return false;
    KvUserApp* clip = workspace->GetClipUserApp();
    KvUserApp* active = workspace->GetActiveUserApp();
    if (clip == nullptr || active == nullptr)
        return false;
    return SameApplication(*workspace, *clip, *active);
}

bool KvFindClipboardItem(int media, int id, const char* name)
{
    KvWinApp* workspace = KvWinApp::GetWorkspace();
    KvUserApp* clip = workspace != nullptr ? workspace->GetClipUserApp() : nullptr;
    if (clip == nullptr)
        return false;
    const std::string wanted = name != nullptr ? name : "";
    auto byName = [&](int kind) {
        return !wanted.empty() && FindRecord(*clip, kind, FieldsOf(kind).name, wanted, 0) != nullptr;
    };
    if (media == kKvVoiceItemKind || media == kKvFaxItemKind) {
        if (id != 0)
            return FindRecord(*clip, media, FieldsOf(media).id, std::string(), id) != nullptr;
        return byName(media);
    }
    return byName(kKvVoiceItemKind) || byName(kKvFaxItemKind);
}
