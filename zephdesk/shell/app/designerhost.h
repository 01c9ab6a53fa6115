// What the window framework and the graphical editor ask of the designer around them,
// answered from the application object, the workspace, the main frame and the settings
// file. The application object makes one at start-up and installs it as the framework's
// shell services; the editor's programs get it as their host.
#pragma once

#include "editor/support/editorhost.h"
#include "framework/shellservices.h"

class UIApp;

inline constexpr const char kDefaultPositionsSection[] = "Default Positions";

class DesignerHost : public ShellServices, public ed::EditorHost {
public:
    explicit DesignerHost(UIApp& app) : m_app(app) {}

    // ShellServices
    HINSTANCE GetInstance() override;
    HINSTANCE GetBitmapModule() override;
    KvMainFrame* GetMainFrame() override;
    void ShowHelp(unsigned contextId) override;
    void UpdateCommandStates() override;
    void UpdateToolBar() override;
    bool IsCommandEnabled(UINT commandId) override;
    bool IsCommandChecked(UINT commandId) override;
    void SetArrowCursor() override;
    void SetNoCursor() override;
    int UIMessageBox(const char* text, const char* caption, UINT style) override;
    bool IsStartedWithoutCommandLine() override;
    KvSoftRec* CreateTypedRecord(WORD defId) override;
    // Items: use counts, clipboard, call-outs and the customer profile.
    int GetCustomerProfile() override;
    void AddVoiceItemUse(int id) override;
    void ReleaseVoiceItemUse(int id) override;
    void AddFaxItemUse(int id) override;
    void ReleaseFaxItemUse(int id) override;
    void CutCopyVoiceItem(int id) override;
    void CutCopyFaxItem(int id) override;
    int RunCallOut(WORD id, KvSoftRec& record) override;
    KvSoftRec* NewVoiceItem() override;
    KvSoftRec* NewFaxItem() override;
    bool CheckNewVoiceItem(const char* name, int id, bool& nameFree, bool& idFree) override;
    bool CheckNewFaxItem(const char* name, int id, bool& nameFree, bool& idFree) override;
    void HoldVoiceItem(KvSoftRec& record, bool clearFirst) override;
    void HoldFaxItem(KvSoftRec& record, bool clearFirst) override;
    bool IsClipboardWithoutVoiceItem() override;
    bool IsClipboardWithoutFaxItem() override;
    bool IsClipboardWithoutBlocks() override;
    bool IsClipboardFromActiveApp() override;
    // The model's conflicts in its current program, settled with the user one dialog each.
    int GetAllNameConflicts(std::vector<zeph::TClipInfo>& conflicts) override;
    int ResolveConflicts(std::vector<zeph::TClipInfo>& conflicts) override;
    void PasteClipboardVoiceItems(const std::vector<zeph::TClipInfo>& decisions) override;
    int PastedVoiceItemId(int id) override;
    int PastedFaxItemId(int id) override;
    void PasteClipboardFaxItems(const std::vector<zeph::TClipInfo>& decisions) override;
    KvSoftRec* GetActiveUserApp() override;
    void AddResPermUse(std::int32_t value) override;
    void RemoveResPermUse(std::int32_t value) override;
    void UpdateResPermData() override;
    void UpdateLanguageUse() override;
    void FreeServerRec() override;
    int FindServerResPermIndex(std::int32_t value) override;
    int FindServerLanguageIndex(std::int32_t value) override;
    bool ResolveDataLink(WORD linkId, KvFieldValue& field) override;
    void RefreshDataLink(WORD linkId) override;
    void PumpDataLink(WORD linkId, int position) override;

    // EditorHost
    HWND MainWindow() override;
    bool IsOptionSet(std::uint32_t mask) override;
    std::int32_t GridSize() override;
    ed::PaletteIconList* Palette() override;
    void NotifyChildren(ed::ProgramObject* object, int kind, int scope) override;
    void UpdateChildCaptions() override;
    void SetStatusText(const char* text, bool transient) override;
    bool HasStatusLine() override;
    void SetStatusLevelText(int level, const char* text) override;
    void AppendStatusLevelText(int level, const char* text) override;
    void Beep(unsigned type) override;
    int MessageBoxRes(int stringId, unsigned style) override;
    std::intptr_t SendMainWindowMessage(unsigned message, std::intptr_t wParam, std::intptr_t lParam) override;
    std::int32_t ReadDefaultPosition(const char* key, std::int32_t fallback) override;
    int UpdateIconFinished(ed::VavurOrezo& block) override;
    void ReleaseReferences(ed::VavurOrezo& block) override;
    int EditProperties(ed::VavurOrezo& block) override;
    void MakeNoteFont(ed::KvTextUI& note) override;

private:
    UIApp& m_app;
};
