// The workspace's clipboard links and the parameter records' hooks on the active
// application.
#include <string>

#include "foundation/kvassert.h"
#include "foundation/kvobarray.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvsrecmem.h"
#include "shell/document/doctexts.h"
#include "shell/document/kvuserapp.h"
#include "shell/references/imports.h"
#include "shell/workspace/kvwinapp.h"

namespace {

constexpr UINT kNoWindowForImport = 8010;
constexpr UINT kNoWindowForRemoval = 8012;

KvUserApp* HookTarget(UINT message)
{
    KvWinApp* workspace = KvWinApp::GetWorkspace();
    KvUserApp* active = workspace != nullptr ? workspace->GetActiveUserApp() : nullptr;
    if (active == nullptr)
        KvDocWarning(message, nullptr, __FILE__, __LINE__);
    return active;
}

}  // namespace

KvUserApp* KvWinApp::GetActiveUserApp() const
{
    return m_pActiveApp != nullptr ? m_pActiveApp->ActiveUserApp() : nullptr;
}

void KvWinApp::ClearClipUserApp()
{
    delete m_pClipUserApp;
    m_pClipUserApp = nullptr;
    m_bImportRefHeld = false;
    m_bResPermHeld = false;
}

void KvWinApp::AddClipboardImport(const char* reference)
{
    KvUserApp* active = GetActiveUserApp();
    int id = 0;
    std::string name;
    // Blocks copied from no application, or a reference that names no application, carry
    // nothing: recorded, it would import ID 0 on paste.
    if (active == nullptr || reference == nullptr || !KvSplitLibraryName(reference, id, name))
        return;
    m_bImportRefHeld = true;
    if (m_pClipUserApp == nullptr) {
        m_pClipUserApp = new KvUserApp("");
        m_pClipUserApp->SetText(F_UA_NAME, active->GetText(F_UA_NAME));
        m_pClipUserApp->SetInt(F_UA_ID, active->GetInt(F_UA_ID));
        m_pClipUserApp->Commit();
    }
    if (m_pClipUserApp->FindImport(id) >= 0)
        return;
    auto* entry = new KvUserApp("");
    entry->SetText(F_UA_NAME, name.c_str());
    entry->SetInt(F_UA_ID, id);
    entry->Commit();
    m_pClipUserApp->GetList(F_UA_APPS)->Add(entry);
}

void KvWinApp::PasteClipboardImports()
{
    KvUserApp* active = GetActiveUserApp();
    KV_ASSERT(active != nullptr);
    if (active == nullptr || !m_bImportRefHeld)
        return;
    KV_ASSERT(m_pClipUserApp != nullptr);
    if (m_pClipUserApp == nullptr)
        return;
    KvObArray& entries = *m_pClipUserApp->GetList(F_UA_APPS);
    for (int i = 0; i < entries.GetSize(); ++i) {
        auto* entry = static_cast<KvUserApp*>(entries.GetAt(i));
        const int id = entry->GetInt(F_UA_ID);
        if (id == active->GetInt(F_UA_ID) || active->FindImport(id) >= 0)
            continue;
        auto* copy = new KvUserApp("");
        copy->SetText(F_UA_NAME, entry->GetText(F_UA_NAME));
        copy->SetInt(F_UA_ID, id);
        copy->Commit();
        if (active->AddImport(copy) != 0)
            delete copy;  // refused or failed (reported): the document did not take it
    }
    UpdateCommandStates();
}

void KvWinApp::HoldResPermItem(KvUserApp& owner, int index, int clearFirst)
{
    if (clearFirst == 1)
        ClearClipUserApp();
    m_bResPermHeld = true;
    if (m_pClipUserApp == nullptr) {
        m_pClipUserApp = new KvUserApp("");
        m_pClipUserApp->SetText(F_UA_NAME, owner.GetText(F_UA_NAME));
        m_pClipUserApp->SetInt(F_UA_ID, owner.GetInt(F_UA_ID));
        m_pClipUserApp->Commit();
    }
    auto* item = static_cast<KvSoftRec*>(owner.GetList(F_UA_RESPERM_USED)->GetAt(index));
    KvFieldValue(F_RPU_CONNECTED, item) = std::int32_t{1};
    item->Commit();
    auto* copy = new KvSoftRecMem(DEF_RESPERM_USE);
    copy->CopyFrom(*item);
    copy->Commit();
    m_pClipUserApp->GetList(F_UA_RESPERM_USED)->Add(copy);
}

int KvWinApp::CutCopyResPermItem(std::int32_t listId, int clearFirst)
{
    KvUserApp* active = GetActiveUserApp();
    if (active == nullptr)
        return 0;
    KvObArray& used = *active->GetList(F_UA_RESPERM_USED);
    for (int i = 0; i < used.GetSize(); ++i) {
        if (KvFieldValue(F_RPU_LIST_ID, static_cast<KvSoftRec*>(used.GetAt(i))).AsInt32() == listId) {
            HoldResPermItem(*active, i, clearFirst);
            return 1;
        }
    }
    return 0;
}

void KvWinApp::PasteClipboardResPerms()
{
    KvUserApp* active = GetActiveUserApp();
    KV_ASSERT(active != nullptr);
    if (active == nullptr || !m_bResPermHeld)
        return;
    KV_ASSERT(m_pClipUserApp != nullptr);
    if (m_pClipUserApp == nullptr)
        return;
    KvObArray& items = *m_pClipUserApp->GetList(F_UA_RESPERM_USED);
    for (int i = 0; i < items.GetSize(); ++i)
        active->AddResPermUse(KvFieldValue(F_RPU_LIST_ID, static_cast<KvSoftRec*>(items.GetAt(i))).AsInt32());
    active->SendResPerms(0);
}

int KvWinApp::AddResPermUse(std::int32_t listId)
{
    if (KvUserApp* active = HookTarget(kNoWindowForImport)) {
        SetWaitCursor();
        active->AddResPermUse(listId);
        SetArrowCursor();
        UpdateCommandStates();
    }
    return 0;
}

int KvWinApp::RemoveResPermUse(std::int32_t listId)
{
    if (KvUserApp* active = HookTarget(kNoWindowForRemoval)) {
        SetWaitCursor();
        active->RemoveResPermUse(listId, 0);
        SetArrowCursor();
        UpdateCommandStates();
    }
    return 0;
}

int KvWinApp::UpdateResPermData()
{
    if (KvUserApp* active = HookTarget(kNoWindowForImport)) {
        SetWaitCursor();
        active->SendResPerms(0);
        SetArrowCursor();
        UpdateCommandStates();
    }
    return 0;
}

int KvWinApp::UpdateLanguageUse()
{
    if (KvUserApp* active = HookTarget(kNoWindowForImport)) {
        SetWaitCursor();
        active->CheckLanguages();
        SetArrowCursor();
        UpdateCommandStates();
    }
    return 0;
}
