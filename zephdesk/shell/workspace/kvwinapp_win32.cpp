#include <windows.h>

#include <string>

#include "foundation/kvbasedlghelp.h"
#include "foundation/kvvif.h"
#include "framework/kvmainfr.h"
#include "framework/kvpalmgr.h"
#include "shell/workspace/kvwinapp.h"

bool KvWinApp::IsPaletteShown() {
    return s_pMainFrame && s_pMainFrame->m_pPaletteManager && s_pMainFrame->m_pPaletteManager->m_pPalette;
}

bool KvWinApp::IsFullScreen() { return s_pMainFrame && s_pMainFrame->IsFullScreen(); }

void KvWinApp::ShowHelp(unsigned contextId) {
    char folder[kKvPathMax] = "";
    GetHelpDir(folder);
    const std::string path = std::string(folder) + "zephdesk.hlp>proc4";
    KvGetHelpEngine().Show(GetParent(), path.c_str(), contextId ? kKvHelpContext : kKvHelpContents, contextId);
}
