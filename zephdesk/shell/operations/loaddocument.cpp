// Open, new and recover of a user-application document.
#include <cstring>
#include <vector>

#include "editor/canvas/program.h"
#include "foundation/kvassert.h"
#include "framework/definitions/defs_ids.h"
#include "kvlink.h"
#include "shell/document/doctexts.h"
#include "shell/document/kvuserapp.h"
#include "shell/items/itemdata.h"
#include "shell/operations/documentframe.h"
#include "shell/operations/filecalls.h"
#include "shell/operations/operationtexts.h"
#include "shell/references/imports.h"
#include "shell/workspace/kvwinapp.h"

namespace {

// Whether another document of the workspace already holds the application.
bool IsOpenInWorkspace(KvUserApp& app)
{
    KvWinApp* workspace = KvWinApp::GetWorkspace();
    if (workspace == nullptr)
        return false;
    for (KvUserApp* open : workspace->UserApps()) {
        if (open != &app && (open->GetInt(F_UA_ID) == app.GetInt(F_UA_ID) ||
                             open->GetText(F_UA_NAME) == app.GetText(F_UA_NAME)))
            return true;
    }
    return false;
}

}  // namespace

int KvUserApp::Load(int mode)
{
    KvFileCalls* calls = KvGetFileCalls();
    if (mode != kLoadRecover) {
        // Stand-alone work has no server to refuse a second open, so the workspace does.
        if (mode == kLoadOpen && IsOpenInWorkspace(*this)) {
            KvDocWarning(8114, nullptr, __FILE__, __LINE__);
            return -1;
        }
        KvAppListEntry record{};
        FillAppRecord(record);
        KvAppInfo info{};
        int result = 60;
        if (calls != nullptr)
            result = mode == kLoadNew ? calls->FileNew(&record, &info) : calls->FileOpen(&record, &info);
        if (result != 0) {
            const KvResultMessage& row =
                KvFindResultMessage(mode == kLoadNew ? kKvNewResults : kKvOpenResults, result);
            KvShowResultMessage(row, nullptr, __FILE__, __LINE__);
            return mode == kLoadOpen && result == 28 ? -1 : 1;
        }
        if (!KvIsDocumentStandAlone())
            ApplyInfoRecord(&info);
    }
    return LoadLocalProgram(mode);
}

int KvUserApp::LoadLocalProgram(int mode)
{
    KvDocumentFrame* frame = KvGetDocumentFrame();
    KvFileCalls* calls = KvGetFileCalls();
    if (frame == nullptr || OpenLocalProgram() != 0) {
        // Nothing of the application is shown: the server's lock and the downloaded copy
        // go again. A recovery copy, and the file of stand-alone work, stay.
        if (mode != kLoadRecover && !KvIsDocumentStandAlone()) {
            if (calls != nullptr)
                calls->FileClose(1, GetInt(F_UA_ID));
            DeleteLocalFiles("");
        }
        return 1;
    }
    m_pProgram = frame->CurrentProgram();
    KV_ASSERT(m_pProgram != nullptr);
    if (m_pProgram == nullptr)
        return 1;
    LoadItemsFromModel(kKvVoiceItemKind);
    LoadItemsFromModel(kKvFaxItemKind);
    LoadImports(nullptr);
    // The restriction lists in use are counted from the program's own symbols.
    LoadResPerms();
    if (mode != kLoadRecover && KvIsDocumentStandAlone()) {
        // The file is all there is: its header keeps the application's attributes; the
        // caller's identity stays.
        const CString name = GetText(F_UA_NAME);
        const std::int32_t id = GetInt(F_UA_ID);
        const std::int32_t volume = GetInt(F_UA_VOLUME);
        LoadProgramHeader();
        SetText(F_UA_NAME, name);
        SetInt(F_UA_ID, id);
        SetInt(F_UA_VOLUME, volume);
        Commit();
    }
    if (mode != kLoadRecover) {
        WriteAndBuild(0);
    } else {
        LoadProgramHeader();
        Commit();
        KvAppInfo info{};
        FillInfoRecord(info);
        std::vector<KvImportEntry> imports;
        KvObArray* list = GetList(F_UA_APPS);
        for (int i = 0; list != nullptr && i < list->GetSize(); ++i) {
            auto* imported = dynamic_cast<KvUserApp*>(list->GetAt(i));
            if (imported != nullptr)
                imports.push_back({1, imported->GetInt(F_UA_ID), 0});
        }
        imports.push_back({0, 0, 0});
        std::vector<KvResPermEntry> resPerms(1, KvResPermEntry{});
        KvRecoveryRecord record{};
        std::memcpy(record.serverProfile, &info, kKvProfileImageSize);
        std::memcpy(record.workingProfile, &info, kKvProfileImageSize);
        record.importsSaved = record.imports = imports.data();
        record.resPermsSaved = record.resPerms = resPerms.data();
        const int result = calls != nullptr ? calls->FileOpenOnRecovery(&record) : 60;
        if (result != 0)
            KvDocWarning(8041, nullptr, __FILE__, __LINE__);
    }
    if (!KvIsDocumentStandAlone()) {
        KvSendImports(*this, 1);
        SendResPerms(1);
        CheckLanguages();
    }
    Commit();
    // A restored copy differs from what the server holds: it must be saved.
    if (mode == kLoadRecover)
        m_pProgram->SetModified();
    else
        m_pProgram->ClearModified();
    return 0;
}

int KvUserApp::OpenLocalProgram()
{
    KvDocumentFrame* frame = KvGetDocumentFrame();
    if (frame == nullptr)
        return 1;
    const int result = frame->OpenProgramFile(GetLocalFilePath());
    if (result == 0)
        frame->StartAutoSave();
    return result;
}
