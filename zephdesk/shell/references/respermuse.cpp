#include "shell/references/respermuse.h"

#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "foundation/kvassert.h"
#include "foundation/kvobarray.h"
#include "framework/definitions/defs_ids.h"
#include "framework/shellservices.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvsoftobj.h"
#include "framework/softrec/kvsrecpbv.h"
#include "kvlink.h"
#include "model/symbol.h"
#include "shell/document/doctexts.h"
#include "shell/document/kvuserapp.h"
#include "shell/document/modelsymbols.h"
#include "shell/references/respermitem.h"
#include "shell/serverlists/kvlinkcalls.h"
#include "shell/serverlists/kvserverrec.h"

namespace {

constexpr int kMaxNamed = 10;
constexpr const char kMoreBlocks[] = "<more blocks>\n";

KvSoftRec* FindUse(KvObArray& used, std::int32_t listId, int& index)
{
    for (index = 0; index < used.GetSize(); ++index) {
        auto* record = static_cast<KvSoftRec*>(used.GetAt(index));
        if (KvFieldValue(F_RPU_LIST_ID, record).AsInt32() == listId)
            return record;
    }
    index = -1;
    return nullptr;
}

bool ResPermMissing(std::int32_t value, void* rec)
{
    return static_cast<KvServerRec*>(rec)->FindResPermIndex(value) < 0;
}

bool LanguageMissing(std::int32_t value, void* rec)
{
    return static_cast<KvServerRec*>(rec)->FindLanguageIndex(value) < 0;
}

// Takes a use out of the list; a list item takes its symbol out of the model too.
void DropUse(KvObArray& used, int index)
{
    auto* record = static_cast<KvSoftRec*>(used.GetAt(index));
    if (auto* item = dynamic_cast<KvResPermItem*>(record))
        item->DeleteFromServer();
    used.RemoveAt(index);
    delete record;
}

void DropCachedServerRec()
{
    if (ShellServices* shell = KvSoftObj::GetApplication())
        shell->FreeServerRec();
}

}  // namespace

std::string KvCollectMissing(const std::vector<ReferencePage>& pages, int type, std::int32_t none,
                             bool (*isMissing)(std::int32_t value, void* context), void* context)
{
    std::string names;
    int collected = 0;
    for (const ReferencePage& page : pages) {
        if (collected >= kMaxNamed)
            break;
        for (const BlockReference& block : page) {
            if (block.type != type || block.value == none || !isMissing(block.value, context))
                continue;
            if (collected >= kMaxNamed) {
                names += kMoreBlocks;
                break;
            }
            names += block.name + "\n";
            ++collected;
        }
    }
    return names;
}

std::vector<ReferencePage> KvDescribeReferences(ed::Program& program)
{
    std::vector<ReferencePage> pages;
    for (const auto& page : program.Pages()) {
        ReferencePage described;
        for (const auto& block : page->Blocks()) {
            const int type = block->TypeCode();
            if (type != kThruDialType && type != kSetLanguageType)
                continue;
            const bool thruDial = type == kThruDialType;
            KvSoftRecPBV parameters(thruDial ? DEF_PB_THRU_DIAL : DEF_PB_LANGUAGE, block.get(), block->Handle(), type);
            BlockReference reference;
            reference.name = block->Name();
            reference.type = type;
            reference.value = KvFieldValue(thruDial ? F_TD_RESPERM : F_LANG_SYSTEM, &parameters).AsInt32();
            described.push_back(std::move(reference));
        }
        pages.push_back(std::move(described));
    }
    return pages;
}

void KvUserApp::AddResPermUse(std::int32_t listId)
{
    KV_ASSERT(m_pProgram != nullptr);
    if (m_pProgram == nullptr || listId <= 0)
        return;
    KvObArray& used = *GetList(F_UA_RESPERM_USED);
    const CString name = CString("RP") + std::to_string(listId).c_str();
    int index = 0;
    KvSoftRec* record = FindUse(used, listId, index);
    if (record != nullptr) {
        KvFieldValue count(F_RPU_COUNT, record);
        count = count.AsInt32() + 1;
        KvFieldValue(F_RPU_NAME, record) = name;
        KvFieldValue(F_RPU_LIST_ID, record) = listId;
        record->Commit();
    } else {
        // A new use files its list in the model, as the list's commit does for an added record.
        auto* item = new KvResPermItem(static_cast<const char*>(name), listId, nullptr);
        KvFieldValue(F_RPU_COUNT, item) = std::int32_t{1};
        item->Commit();
        item->AddToServer();
        used.Add(item);
    }
    m_pProgram->SetModified();
}

void KvUserApp::RemoveResPermUse(std::int32_t listId, int removeAll)
{
    if (m_pProgram == nullptr || listId <= 0)
        return;
    KvObArray& used = *GetList(F_UA_RESPERM_USED);
    int index = 0;
    KvSoftRec* record = FindUse(used, listId, index);
    if (record == nullptr)
        return;
    KvFieldValue count(F_RPU_COUNT, record);
    if (count.AsInt32() > 1 && removeAll == 0) {
        count = count.AsInt32() - 1;
        record->Commit();
    } else {
        DropUse(used, index);
    }
    m_pProgram->SetModified();
}

void KvUserApp::LoadResPerms()
{
    KV_ASSERT(m_pProgram != nullptr);
    if (m_pProgram == nullptr)
        return;
    KvObArray& used = *GetList(F_UA_RESPERM_USED);
    for (int i = 0; i < used.GetSize(); ++i)
        delete used.GetAt(i);
    if (used.GetSize() > 0)
        used.RemoveAt(0, used.GetSize());
    for (zeph::Symbol* symbol : KvSymbolsOfType(kKvResPermSymbolType)) {
        // A symbol without its data carries no list ID: it is left out, the others still count.
        if (!KV_ASSERT(symbol->Variable()))
            continue;
        if (symbol->NotInCode == 0 && symbol->Deleted == 0)
            used.Add(new KvResPermItem(symbol));
    }
}

int KvUserApp::SendResPerms(int mode)
{
    KV_ASSERT(m_pProgram != nullptr);
    if (m_pProgram == nullptr)
        return 60;
    DropCachedServerRec();
    KvServerRec server(0);
    KvObArray& used = *GetList(F_UA_RESPERM_USED);
    // A list the server did not give judges nothing: no block is named, no use dropped.
    if (server.HasResPerms()) {
        const std::string names =
            KvCollectMissing(KvDescribeReferences(*m_pProgram), kThruDialType, 0, ResPermMissing, &server);
        if (!names.empty())
            KvDocWarning(8102, names.c_str(), __FILE__, __LINE__);
        for (int i = used.GetSize() - 1; i >= 0; --i) {
            auto* record = static_cast<KvSoftRec*>(used.GetAt(i));
            if (server.FindResPermIndex(KvFieldValue(F_RPU_LIST_ID, record).AsInt32()) < 0) {
                DropUse(used, i);
                m_pProgram->SetModified();
            }
        }
    }
    std::vector<KvResPermEntry> entries;
    for (int i = 0; i < used.GetSize(); ++i) {
        auto* record = static_cast<KvSoftRec*>(used.GetAt(i));
        KvResPermEntry entry{};
        entry.customerId = GetInt(F_UA_CUSTOMER);
        entry.applicationId = GetInt(F_UA_ID);
        entry.version = GetInt(F_UA_VERSION);
        entry.listId = KvFieldValue(F_RPU_LIST_ID, record).AsInt32();
        entry.count = KvFieldValue(F_RPU_COUNT, record).AsInt32();
        entries.push_back(entry);
    }
    entries.push_back({0, 0, 0, 0, 0});
    KvLinkCalls* link = KvGetLinkCalls();
    int result = 60;
    if (link != nullptr) {
        if (mode == 1) {
            result = link->GetResPermDataFromFS(1, GetInt(F_UA_ID), entries.data());
        } else {
            KvResPermRequest request{1, GetInt(F_UA_ID), nullptr, entries.data()};
            result = link->ResPermUsed(1, GetInt(F_UA_ID), &request);
        }
    }
    if (result != 0)
        KvDocWarning(KvServerFaultMessage(result, 8062), nullptr, __FILE__, __LINE__);
    return result;
}

void KvUserApp::CheckLanguages()
{
    KV_ASSERT(m_pProgram != nullptr);
    if (m_pProgram == nullptr)
        return;
    DropCachedServerRec();
    KvServerRec server(0);
    if (!server.HasLanguages())
        return;
    const std::string names =
        KvCollectMissing(KvDescribeReferences(*m_pProgram), kSetLanguageType, -1, LanguageMissing, &server);
    if (!names.empty())
        KvDocWarning(8103, names.c_str(), __FILE__, __LINE__);
}
