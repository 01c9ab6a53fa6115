// Export and undo export of a user-application document: the exported mark, the
// "Continue" entry block on the active page, the build and the server's save of kind 12
// or 13. A failure at any step puts the mark and the block back as they were.
#include <cstdint>

#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/support/editorhost.h"
#include "framework/definitions/defs_ids.h"
#include "kvlink.h"
#include "shell/document/kvuserapp.h"
#include "shell/operations/documentframe.h"
#include "shell/operations/filecalls.h"
#include "shell/operations/operationtexts.h"
#include "shell/serverlists/kvlinkcalls.h"

namespace {

constexpr const char kExportBlockName[] = "Continue";
constexpr std::int32_t kExportBlockX = 505;
constexpr std::int32_t kExportBlockY = 300;
constexpr int kSaveExport = 12;
constexpr int kSaveUndoExport = 13;
// The main window's refresh after a block left a page.
constexpr unsigned kMsgBlockRemoved = 0x0400 + 1005;
// The server's usage word: bit 2 marks an application another one imports.
constexpr int kUsageImported = 2;

ed::Page* ActivePageOf(ed::Program* program)
{
    KvDocumentFrame* frame = KvGetDocumentFrame();
    return program != nullptr && frame != nullptr ? frame->ActivePage(*program) : nullptr;
}

}  // namespace

void KvUserApp::AddExportBlock()
{
    ed::Page* page = ActivePageOf(m_pProgram);
    if (page == nullptr)
        return;
    ed::EditorHost& host = m_pProgram->Host();
    std::int32_t x = kExportBlockX;
    std::int32_t y = kExportBlockY;
    ed::SnapPointToGrid(x, y, host.GridSize());
    ed::VavurOrezo* block = page->AddDefaultBlock(kExportBlockName, ed::kTypeFixed401, x, y);
    if (block == nullptr)
        return;
    host.NotifyChildren(block, 4, 0);
    host.NotifyChildren(block, 1, 0);
}

void KvUserApp::RemoveExportBlock()
{
    ed::Page* page = ActivePageOf(m_pProgram);
    ed::VavurOrezo* block = page != nullptr ? page->FindVavurOrezo(kExportBlockName) : nullptr;
    if (block == nullptr)
        return;
    ed::EditorHost& host = m_pProgram->Host();
    host.NotifyChildren(block, 3, 3);
    page->RemoveVavurOrezo(block);
    host.SendMainWindowMessage(kMsgBlockRemoved, 0, 1);
}

int KvUserApp::QueryImported(bool& imported)
{
    KvLinkCalls* link = KvGetLinkCalls();
    int usage = 0;
    const int result = link != nullptr ? link->IsImported(1, GetInt(F_UA_ID), &usage) : 60;
    imported = result == 0 && (usage & kUsageImported) != 0;
    return result;
}

void KvUserApp::MarkExported(int on)
{
    SetExported(on);
    if (on != 0)
        AddExportBlock();
    else
        RemoveExportBlock();
}

int KvUserApp::ChangeExport(int exported, int saveKind, const KvResultMessage* results)
{
    MarkExported(exported);
    // A file that could not be written is never sent (the writer has said why).
    bool sent = false;
    int result = 0;
    if (ClearRestoredMarker() == 0 && WriteAndBuild(1) != 0) {
        sent = true;
        KvAppInfo info{};
        KvFileCalls* calls = KvGetFileCalls();
        // The client library takes an export only as complete; an undo export says what
        // the application is now.
        const int complete = saveKind == kSaveExport ? 1 : CompleteFlag();
        result = calls != nullptr ? calls->FileSave(1, GetInt(F_UA_ID), complete, saveKind, &info) : 60;
        if (result == 0) {
            TakeSavedInfo(info);
            return 0;
        }
    }
    MarkExported(exported != 0 ? 0 : 1);
    if (m_pProgram != nullptr)
        m_pProgram->SetModified();
    if (sent)
        KvShowResultMessage(KvFindResultMessage(results, result), nullptr, __FILE__, __LINE__);
    return 1;
}

int KvUserApp::Export() { return ChangeExport(1, kSaveExport, kKvExportResults); }

int KvUserApp::UndoExport() { return ChangeExport(0, kSaveUndoExport, kKvUndoExportResults); }
