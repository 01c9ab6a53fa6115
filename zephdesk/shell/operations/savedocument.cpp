// Save, save as and the local save of a user-application document.
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "editor/canvas/program.h"
#include "framework/definitions/defs_ids.h"
#include "kvlink.h"
#include "shell/document/doctexts.h"
#include "shell/document/kvuserapp.h"
#include "shell/operations/documentframe.h"
#include "shell/operations/filecalls.h"
#include "shell/operations/localfiles.h"
#include "shell/operations/operationtexts.h"
#include "shell/serverlists/kvlinkcalls.h"

namespace {

const char kRestoredMarker[] = "This application is newly restored. Administrator must reopen and resave.";

}  // namespace

int KvUserApp::ClearRestoredMarker()
{
    if (GetText(F_UA_DESCRIPTION) != kRestoredMarker)
        return 0;
    SetText(F_UA_DESCRIPTION, "");
    Commit();
    KvAppInfo info{};
    FillInfoRecord(info);
    KvLinkCalls* link = KvGetLinkCalls();
    const int result = link != nullptr ? link->FileProperties(&info) : 60;
    if (result == 0)
        return 0;
    // The server still holds the marker: the next save must clear it again.
    SetText(F_UA_DESCRIPTION, kRestoredMarker);
    Commit();
    KvShowResultMessage(KvFindResultMessage(kKvPropertiesResults, result), nullptr, __FILE__, __LINE__);
    return 1;
}

void KvUserApp::TakeSavedInfo(const KvAppInfo& info)
{
    if (!KvIsDocumentStandAlone()) {
        ApplyInfoRecord(&info);
        WriteAndBuild(0);
    }
    if (m_pProgram != nullptr)
        m_pProgram->ClearModified();
}

int KvUserApp::CompleteFlag() { return IsComplete() != 0 && !m_bBuildFailed ? 1 : 0; }

int KvUserApp::Save(int toServer)
{
    if (ClearRestoredMarker() != 0)
        return 1;
    // A file that could not be written is never sent: the writer has said why.
    if (WriteAndBuild(toServer) == 0) {
        if (m_pProgram != nullptr)
            m_pProgram->SetModified();
        return 1;
    }
    if (toServer == 0)
        return 0;
    KvDocumentFrame* frame = KvGetDocumentFrame();
    const int complete = CompleteFlag();
    if (IsComplete() == 0 && frame != nullptr)
        frame->WarnIncomplete();
    KvAppInfo info{};
    KvFileCalls* calls = KvGetFileCalls();
    const int result = calls != nullptr ? calls->FileSave(1, GetInt(F_UA_ID), complete, 11, &info) : 60;
    if (result == 0) {
        TakeSavedInfo(info);
        return 0;
    }
    if (m_pProgram != nullptr)
        m_pProgram->SetModified();
    KvShowResultMessage(KvFindResultMessage(kKvSaveResults, result), nullptr, __FILE__, __LINE__);
    return 1;
}

int KvUserApp::SaveAs(KvUserApp& target)
{
    const CString oldName = GetText(F_UA_NAME);
    const std::int32_t oldId = GetInt(F_UA_ID);
    const std::int32_t oldVolume = GetInt(F_UA_VOLUME);
    const CString newName = target.GetText(F_UA_NAME);
    const std::int32_t newId = target.GetInt(F_UA_ID);
    const std::int32_t newVolume = target.GetInt(F_UA_VOLUME);
    KvDocumentFrame* frame = KvGetDocumentFrame();
    // Files of the new name that are there already (another application's recovery copy)
    // are set aside, so that a failed save can give them back.
    KvLocalFilesGuard guard(KvProgramFolder(), static_cast<const char*>(newName));

    SetText(F_UA_NAME, newName);
    SetInt(F_UA_ID, newId);
    SetInt(F_UA_VOLUME, newVolume);
    Commit();
    auto restore = [&]() {
        guard.Restore();
        SetText(F_UA_NAME, oldName);
        SetInt(F_UA_ID, oldId);
        SetInt(F_UA_VOLUME, oldVolume);
        Commit();
        if (m_pProgram != nullptr)
            m_pProgram->SetModified();
    };
    if (WriteAndBuild(1) == 0) {
        restore();
        return 1;
    }
    if (IsComplete() == 0 && frame != nullptr)
        frame->WarnIncomplete();
    KvAppInfo info{};
    KvFileCalls* calls = KvGetFileCalls();
    const int result = calls != nullptr ? calls->FileSaveAs(1, oldId, CompleteFlag(), 1, newId, newName, newVolume,
                                                            GetInt(F_UA_MODIFICATION), &info)
                                        : 60;
    if (result != 0) {
        if (m_pProgram != nullptr)
            m_pProgram->SetModified();
        KvShowResultMessage(KvFindResultMessage(kKvSaveAsResults, result), nullptr, __FILE__, __LINE__);
        restore();
        // The edit goes to the document's own local copy, as a refused save leaves it, so a
        // designer that ends now offers it back at the next start instead of losing it.
        WriteAndBuild(0);
        if (m_pProgram != nullptr)
            m_pProgram->SetModified();
        return 1;
    }
    guard.Commit();
    ApplyInfoRecord(&info);
    WriteAndBuild(1);
    if (!KvIsDocumentStandAlone())
        DeleteLocalFiles(oldName);
    if (m_pProgram != nullptr)
        m_pProgram->ClearModified();
    return 0;
}

int KvUserApp::SaveLocal()
{
    if (ClearRestoredMarker() != 0)
        return 1;
    StoreProgramHeader();
    if (KvDocumentFrame* frame = KvGetDocumentFrame())
        frame->SaveProgramFile();
    return 0;
}
