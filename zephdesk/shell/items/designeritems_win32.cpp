#include "shell/items/designeritems.h"

#include <windows.h>

#include <commdlg.h>

#include <string>

#include "framework/softdlg/kvrecedit.h"
#include "shell/app/uiapp.h"
#include "shell/frame/uimdiframe.h"
#include "shell/items/itemdata.h"
#include "shell/items/itemlink.h"
#include "shell/items/itemworkers.h"
#include "shell/workspace/kvwinapp.h"

namespace {

constexpr std::uint32_t kConfirmDeletesOption = 0x80;

}  // namespace

KvItemApplication* KvDesignerItemWorkspace::ActiveItemApplication()
{
    KvWinApp* workspace = KvWinApp::GetWorkspace();
    KvUserApp* document = workspace != nullptr ? workspace->GetActiveUserApp() : nullptr;
    if (document == nullptr)
        return nullptr;
    if (document != m_activeDocument || !m_active) {
        m_active = std::make_unique<KvUserAppItems>(*document);
        m_activeDocument = document;
    }
    return m_active.get();
}

bool KvDesignerItemWorkspace::ChooseImportFile(const KvItemFileDialog& dialog, char (&path)[kKvImportPathRoom])
{
    // One filter entry: its description and pattern, each ended by a zero, then the end.
    std::string filter = std::string(dialog.filter) + '\0' + dialog.pattern + '\0' + '\0';
    path[0] = '\0';
    OPENFILENAMEA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = ::GetActiveWindow();
    choice.lpstrFilter = filter.c_str();
    choice.nFilterIndex = 1;
    choice.lpstrFile = path;
    choice.nMaxFile = kKvImportPathRoom;
    choice.lpstrTitle = dialog.title;
    choice.lpstrDefExt = dialog.extension;
    choice.Flags = OFN_FILEMUSTEXIST;
    return ::GetOpenFileNameA(&choice) != FALSE;
}

void KvDesignerItemWorkspace::SetWaitCursor()
{
    KvWinApp::SetWaitCursor();
}

void KvDesignerItemWorkspace::SetArrowCursor()
{
    KvWinApp::SetArrowCursor();
}

void KvDesignerItemWorkspace::UpdateCommandStates()
{
    KvWinApp::UpdateCommandStates();
}

bool KvDesignerItemWorkspace::ConfirmsDeletes()
{
    UIApp* app = UIApp::Current();
    return app != nullptr && app->IsOptionSet(kConfirmDeletesOption) != 0;
}

void KvInstallDesignerItems()
{
    static KvDesignerItemWorkspace workspace;
    if (KvGetItemWorkspace() == nullptr)
        KvSetItemWorkspace(&workspace);
    if (KvGetItemLink() == nullptr)
        KvSetItemLink(&KvExportItemLink());
    // The items' list, add, content and edit dialogs are the records' soft dialogs.
    static KvSoftRecordEditor editor;
    if (KvSoftObj::GetRecordEditor() == nullptr)
        KvSoftObj::SetRecordEditor(&editor);
}

void KvInstallItemCommands(UIMDIFrame& frame)
{
    frame.AddCommandHook([](UINT id) {
        if (id != kCmDefineVoiceItems && id != kCmDefineFaxItems)
            return false;
        KvDefineItems(id == kCmDefineVoiceItems ? kKvVoiceItemKind : kKvFaxItemKind);
        return true;
    });
}
