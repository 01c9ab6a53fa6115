#include "shell/app/designerhost.h"

#include "kvlink.h"

#include <windows.h>

#include "editor/clipboard/resolveconflictdlg.h"
#include "editor/frame/statusline.h"
#include "editor/notes/textnote.h"
#include "editor/support/boundrecord.h"
#include "framework/kvbeep.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "shell/app/uiapp.h"
#include "shell/document/kvuserapp.h"
#include "shell/frame/uimdiframe.h"
#include "shell/itemclip/itemclipboard.h"
#include "shell/items/itemcontent.h"
#include "shell/items/itemdata.h"
#include "shell/items/itemids.h"
#include "shell/items/itemworkers.h"
#include "shell/items/kvsoftitem.h"
#include "shell/workspace/customerprofile.h"
#include "shell/messages/uimsgbox.h"
#include "model/interface/vlx.h"
#include "shell/paste/pasteconflicts.h"
#include "shell/references/respermitem.h"
#include "shell/serverlists/kvserverrec.h"
#include "shell/settings/profile.h"
#include "shell/workspace/kvwinapp.h"

HINSTANCE DesignerHost::GetInstance() { return m_app.GetHandle(); }
HINSTANCE DesignerHost::GetBitmapModule() { return m_app.GetBitmapLibrary(); }
KvMainFrame* DesignerHost::GetMainFrame() { return KvWinApp::GetMainFrame(); }
// The states show in the frame's menu and tool bar: nothing to refresh once it is gone.
void DesignerHost::UpdateCommandStates() {
    if (MainWindow() != nullptr && ::IsWindow(MainWindow())) KvWinApp::UpdateCommandStates();
}
void DesignerHost::ShowHelp(unsigned contextId) {
    if (KvWinApp* workspace = m_app.GetWorkspace()) workspace->ShowHelp(contextId);
}
void DesignerHost::UpdateToolBar() { KvWinApp::UpdateToolBar(); }
bool DesignerHost::IsCommandEnabled(UINT commandId) {
    return m_app.GetCommandStates().IsEnabled(std::uint16_t(commandId));
}
bool DesignerHost::IsCommandChecked(UINT commandId) {
    return m_app.GetCommandStates().IsChecked(std::uint16_t(commandId));
}
void DesignerHost::SetArrowCursor() { KvWinApp::SetArrowCursor(); }
void DesignerHost::SetNoCursor() { KvWinApp::SetNoCursor(); }

int DesignerHost::UIMessageBox(const char* text, const char* caption, UINT style) {
    return ::UIMessageBox("%s", caption, style, text ? text : "");
}

bool DesignerHost::IsStartedWithoutCommandLine() {
    KvWinApp* workspace = m_app.GetWorkspace();
    return workspace == nullptr || workspace->IsStartedWithoutCommandLine();
}

KvSoftRec* DesignerHost::CreateTypedRecord(WORD defId) {
    switch (defId) {
    case DEF_USER_APP:
        return new KvUserApp("");
    case DEF_RESPERM_USE:
        return new KvResPermItem;
    case DEF_VOICE_ITEM:
        return new KvVoiceItem(nullptr);
    case DEF_FAX_ITEM:
        return new KvFaxItem(nullptr);
    default:
        return nullptr;
    }
}

KvSoftRec* DesignerHost::GetActiveUserApp() {
    KvWinApp* workspace = m_app.GetWorkspace();
    return workspace != nullptr ? workspace->GetActiveUserApp() : nullptr;
}

int DesignerHost::GetCustomerProfile() {
    return KvGetCustomerProfile(IsStartedWithoutCommandLine(), &KvGetCustProf);
}
void DesignerHost::AddVoiceItemUse(int id) { KvChangeItemUse(kKvVoiceItemKind, id, true); }
void DesignerHost::ReleaseVoiceItemUse(int id) { KvChangeItemUse(kKvVoiceItemKind, id, false); }
void DesignerHost::AddFaxItemUse(int id) { KvChangeItemUse(kKvFaxItemKind, id, true); }
void DesignerHost::ReleaseFaxItemUse(int id) { KvChangeItemUse(kKvFaxItemKind, id, false); }
// A block's reference outside 1..3000 names no item: nothing to hold.
void DesignerHost::CutCopyVoiceItem(int id) {
    if (KvIsItemIdInRange(id)) KvCutCopyItem(kKvVoiceItemKind, id, 0, 0);
}
void DesignerHost::CutCopyFaxItem(int id) {
    if (KvIsItemIdInRange(id)) KvCutCopyItem(kKvFaxItemKind, id, 0, 0);
}
int DesignerHost::RunCallOut(WORD id, KvSoftRec& record) {
    KvItemWorkspace* workspace = KvGetItemWorkspace();
    if (workspace == nullptr) return -1;
    if (id == 32007) return KvDeleteFaxItem(record);
    const KvContentMember* member = KvFindContentMember(id);
    return member != nullptr ? KvRunContentMember(*member, record, *workspace) : -1;
}
KvSoftRec* DesignerHost::NewVoiceItem() { return KvNewItemRecord(kKvVoiceItemKind); }
KvSoftRec* DesignerHost::NewFaxItem() { return KvNewItemRecord(kKvFaxItemKind); }
bool DesignerHost::CheckNewVoiceItem(const char* name, int id, bool& nameFree, bool& idFree) {
    return KvCheckNewItem(kKvVoiceItemKind, name, id, nameFree, idFree);
}
bool DesignerHost::CheckNewFaxItem(const char* name, int id, bool& nameFree, bool& idFree) {
    return KvCheckNewItem(kKvFaxItemKind, name, id, nameFree, idFree);
}
void DesignerHost::HoldVoiceItem(KvSoftRec& record, bool clearFirst) {
    KvHoldItem(kKvVoiceItemKind, record, clearFirst ? 1 : 0, 1);
}
void DesignerHost::HoldFaxItem(KvSoftRec& record, bool clearFirst) {
    KvHoldItem(kKvFaxItemKind, record, clearFirst ? 1 : 0, 1);
}
bool DesignerHost::IsClipboardWithoutVoiceItem() {
    KvWinApp* workspace = m_app.GetWorkspace();
    return workspace == nullptr || workspace->IsNoVoiceItemHeld();
}
bool DesignerHost::IsClipboardWithoutFaxItem() {
    KvWinApp* workspace = m_app.GetWorkspace();
    return workspace == nullptr || workspace->IsNoFaxItemHeld();
}
bool DesignerHost::IsClipboardWithoutBlocks() {
    KvWinApp* workspace = m_app.GetWorkspace();
    return workspace == nullptr || workspace->IsNoBlocksHeld();
}
bool DesignerHost::IsClipboardFromActiveApp() { return KvIsClipboardFromActiveApp(); }
int DesignerHost::GetAllNameConflicts(std::vector<zeph::TClipInfo>& conflicts) {
    return vlxGetAllNameConflicts(conflicts);
}
int DesignerHost::ResolveConflicts(std::vector<zeph::TClipInfo>& conflicts) {
    DesignerConflictTarget target;
    ed::KvCopyConflict resolver(conflicts, target);
    ed::WindowsConflictDialogs dialogs(m_app.GetMainWindow(), vlxGetClipboardList());
    return resolver.ResolveAll(dialogs);
}
void DesignerHost::PasteClipboardVoiceItems(const std::vector<zeph::TClipInfo>& decisions) {
    KvPasteClipboardItems(kKvVoiceItemKind, decisions);
}
void DesignerHost::PasteClipboardFaxItems(const std::vector<zeph::TClipInfo>& decisions) {
    KvPasteClipboardItems(kKvFaxItemKind, decisions);
}
int DesignerHost::PastedVoiceItemId(int id) { return KvPastedItemId(kKvVoiceItemKind, id); }
int DesignerHost::PastedFaxItemId(int id) { return KvPastedItemId(kKvFaxItemKind, id); }

void DesignerHost::AddResPermUse(std::int32_t value) { KvWinApp::AddResPermUse(value); }
void DesignerHost::RemoveResPermUse(std::int32_t value) { KvWinApp::RemoveResPermUse(value); }
void DesignerHost::UpdateResPermData() { KvWinApp::UpdateResPermData(); }
void DesignerHost::UpdateLanguageUse() { KvWinApp::UpdateLanguageUse(); }

void DesignerHost::FreeServerRec() {
    if (KvWinApp* workspace = m_app.GetWorkspace()) workspace->Lists().FreeServerRec();
}
int DesignerHost::FindServerResPermIndex(std::int32_t value) {
    KvWinApp* workspace = m_app.GetWorkspace();
    return workspace ? workspace->Lists().GetServerRec(kKvNoAppList).FindResPermIndex(value) : -1;
}
int DesignerHost::FindServerLanguageIndex(std::int32_t value) {
    KvWinApp* workspace = m_app.GetWorkspace();
    return workspace ? workspace->Lists().GetServerRec(kKvNoAppList).FindLanguageIndex(value) : -1;
}
bool DesignerHost::ResolveDataLink(WORD linkId, KvFieldValue& field) {
    KvWinApp* workspace = m_app.GetWorkspace();
    return workspace != nullptr && workspace->Lists().ResolveDataLink(linkId, field, workspace->GetActiveUserApp());
}
void DesignerHost::RefreshDataLink(WORD linkId) {
    KvWinApp* workspace = m_app.GetWorkspace();
    if (workspace == nullptr) return;
    KvUserApp* active = workspace->GetActiveUserApp();
    workspace->Lists().RefreshDataLink(linkId, active ? KvFieldValue(F_UA_ID, active).AsInt32() : 0);
}
void DesignerHost::PumpDataLink(WORD linkId, int position) {
    if (KvWinApp* workspace = m_app.GetWorkspace()) workspace->Lists().PumpDataLink(linkId, position);
}

HWND DesignerHost::MainWindow() {
    UIMDIFrame* frame = m_app.GetMDIFrame();
    return frame ? frame->HWindow : nullptr;
}

bool DesignerHost::IsOptionSet(std::uint32_t mask) { return m_app.IsOptionSet(mask) != 0; }
std::int32_t DesignerHost::GridSize() { return UIApp::kGridSize; }
ed::PaletteIconList* DesignerHost::Palette() { return g_pPaletteIcons; }

void DesignerHost::NotifyChildren(ed::ProgramObject* object, int kind, int scope) {
    if (UIMDIFrame* frame = m_app.GetMDIFrame()) frame->NotifyChildren(object, kind, scope);
}

void DesignerHost::UpdateChildCaptions() {
    if (UIMDIFrame* frame = m_app.GetMDIFrame()) frame->UpdateChildCaptions();
}

void DesignerHost::SetStatusText(const char* text, bool transient) {
    if (UIMDIFrame* frame = m_app.GetMDIFrame()) frame->ShowStatusMessage(text ? text : "", transient);
}

bool DesignerHost::HasStatusLine() {
    UIMDIFrame* frame = m_app.GetMDIFrame();
    return frame != nullptr && frame->GetStatusLine() != nullptr && frame->GetStatusLine()->HWindow != nullptr;
}

void DesignerHost::SetStatusLevelText(int level, const char* text) {
    if (!HasStatusLine()) return;
    ed::StatusLineChild* line = m_app.GetMDIFrame()->GetStatusLine();
    // An empty text at a level gives the line back to the hints.
    if (text == nullptr || *text == '\0')
        line->ClearMessage(level);
    else
        line->SetMessage(level, text, true);
}

void DesignerHost::AppendStatusLevelText(int level, const char* text) {
    if (HasStatusLine()) m_app.GetMDIFrame()->GetStatusLine()->AppendMessage(level, text, true);
}

void DesignerHost::Beep(unsigned type) { KvBeep(type); }

int DesignerHost::MessageBoxRes(int stringId, unsigned style) {
    return UIMessageBoxRes(UINT(stringId), nullptr, style);
}

std::intptr_t DesignerHost::SendMainWindowMessage(unsigned message, std::intptr_t wParam, std::intptr_t lParam) {
    HWND window = MainWindow();
    return window ? ::SendMessageA(window, message, WPARAM(wParam), LPARAM(lParam)) : 0;
}

std::int32_t DesignerHost::ReadDefaultPosition(const char* key, std::int32_t fallback) {
    return m_app.GetProfile().ReadNumber(kDefaultPositionsSection, key, fallback);
}

int DesignerHost::UpdateIconFinished(ed::VavurOrezo& block) { return ed::BoundRecord(block).UpdateIconFinished(); }
void DesignerHost::ReleaseReferences(ed::VavurOrezo& block) { ed::BoundRecord(block).ReleaseReferences(); }
int DesignerHost::EditProperties(ed::VavurOrezo& block) { return ed::BoundRecord(block).EditProperties(); }

void DesignerHost::MakeNoteFont(ed::KvTextUI& note) { ed::CreateNoteFont(note); }
