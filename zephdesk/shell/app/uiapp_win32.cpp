#include "shell/app/uiapp.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>

#include "editor/canvas/icons.h"
#include "editor/canvas/modelport.h"
#include "editor/clipboard/clipboardprogram.h"
#include "editor/clipboard/recordworkspace.h"
#include "editor/page/editmdi_win32.h"
#include "editor/panes/mdiclient_win32.h"
#include "editor/print/printcommands.h"
#include "editor/palette/palettemdi_win32.h"
#include "editor/routing/smartroute.h"
#include "editor/routing/windowsrouteui.h"
#include "editor/support/drawing_win32.h"
#include "foundation/kvflthnd.h"
#include "framework/kvimglst.h"
#include "framework/kvnamed.h"
#include "framework/kvnamedtables.h"
#include "framework/shellservices.h"
#include "owl/bwcc.h"
#include "owl/except.h"
#include "owl/mdiclient.h"
#include "owl/msgbox.h"
#include "owl/splash.h"
#include "shell/app/designerentry.h"
#include "shell/app/designerhost.h"
#include "shell/app/designerpages.h"
#include "shell/serverlists/kvlinkcalls.h"
#include "shell/app/modelcalls.h"
#include "shell/autosave/designerautosave.h"
#include "shell/batch/designerbatch.h"
#include "shell/operations/designerframe.h"
#include "shell/commands/framecommands.h"
#include "shell/dialogs/basedialog.h"
#include "shell/document/kvuserapp.h"
#include "shell/frame/uimdiframe.h"
#include "shell/items/designeritems.h"
#include "shell/paste/designerpaste.h"
#include "shell/references/imports.h"
#include "shell/memory/searchheap.h"
#include "shell/settings/fontsettings.h"
#include "shell/settings/settingsrules.h"
#include "shell/workspace/kvwinapp.h"
#include "shell/workspace/login.h"

char g_szAppTitle[80] = "";
TSplashWindow* g_pSplash = nullptr;
Fonts* g_pFonts = nullptr;
zeph::IconInfoTable g_MainIconTable;
zeph::IconInfoTable g_OldIconTable;
ed::PaletteIconList* g_pPaletteIcons = nullptr;
ed::PaletteIconList* g_pOldPaletteIcons = nullptr;

namespace {

// The named font the page canvases draw their labels in.
constexpr char kCanvasFontName[] = "vavurorezo_label";

// The workspace's active document, as the command states ask it.
class WorkspaceActiveApp : public ActiveAppSource {
public:
    explicit WorkspaceActiveApp(KvWinApp& workspace) : m_workspace(workspace) {}
    bool GetActiveAppFacts(ActiveAppFacts& facts) override {
        KvUserApp* app = m_workspace.GetActiveUserApp();
        return app != nullptr && app->GetActiveAppFacts(facts);
    }

private:
    KvWinApp& m_workspace;
};

// The model calls of the running application, for the settings reader's call-back.
DesignerModelCalls* g_toggleModel = nullptr;
void ToggleBackTypes() {
    if (g_toggleModel) g_toggleModel->ToggleBackTypes();
}

// A resource library: the module already in the process, else loaded now.
HINSTANCE ObtainLibrary(const char* name, bool& loaded) {
    loaded = false;
    if (HINSTANCE module = ::GetModuleHandleA(name)) return module;
    HINSTANCE module = ::LoadLibraryA(name);
    loaded = module != nullptr;
    return module;
}

}  // namespace

void SetSplashProgress(int percent) {
    if (g_pSplash && g_pSplash->IsWindow()) g_pSplash->SetPercentDone(percent);
}

UIApp::UIApp(const char* name, HINSTANCE instance, HINSTANCE prevInstance, const char* cmdLine, int cmdShow,
             UIAppCalls calls)
    : TApplication(name, instance, prevInstance, cmdLine, cmdShow), m_calls(calls) {
    bool paneLoaded = false;
    if (HINSTANCE pane = ObtainLibrary("zephpane.dll", paneLoaded)) {
        BWCCRegister(pane);
        m_pDialogModule = std::make_unique<TModule>("zephpane.dll", pane);
    } else {
        ShowMessageBox(nullptr, "Unable to load application dialog module.", "Error", MB_OK | MB_ICONSTOP);
    }
    m_hBitmapLib = ObtainLibrary("zephpixel.dll", m_bBitmapLibLoaded);
    if (!m_hBitmapLib)
        BWCCMessageBox(nullptr, "Unable to load application bitmap module.", "Error!", MB_OK | MB_ICONSTOP);
    m_pBitmapModule = std::make_unique<TModule>("zephpixel.dll", m_hBitmapLib);
    BWCCRegister(m_hBitmapLib);
    m_commandLine = cmdLine ? cmdLine : "";
}

UIApp* UIApp::Current() { return dynamic_cast<UIApp*>(TApplication::GetCurrent()); }

UIMDIFrame* UIApp::GetMDIFrame() const { return dynamic_cast<UIMDIFrame*>(GetMainWindow()); }

void UIApp::ReadSettings() {
    g_toggleModel = &m_calls.model;
    const MainSettings main = ReadMainSettings(m_calls.profile, &ToggleBackTypes);
    g_toggleModel = nullptr;
    m_nOptions = main.options;
    m_nDiagLevel = main.diagLevel;
    m_nLogLevel = main.logLevel;
    m_nLogInterval = main.logInterval;
    ApplyFontSettings(m_calls.profile, *g_pFonts);
}

void UIApp::InitInstance() {
    // The framework's module, its image lists and the custom-control dialogs.
    m_pHost = std::make_unique<DesignerHost>(*this);
    KvSetShellServices(m_pHost.get());
    desk::SetDialogModules(this, m_pDialogModule.get());
    m_pRouteUi = std::make_unique<ed::WindowsRouteUi>();
    m_pRouter = std::make_unique<ed::SmartRoute>(&BlockHeapSearchPool::Make, *m_pRouteUi);
    ed::SetSmartRouter(m_pRouter.get());
    // The documents and server lists reach the server through the client library's exports.
    if (KvGetLinkCalls() == nullptr) KvSetLinkCalls(&KvExportLinkCalls());
    KvInstallDesignerItems();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    CreateGlobalImageLists();
    EnableBWCC();
    SetSplashProgress(55);

    delete g_pFonts;
    g_pFonts = new Fonts(kKvFontTable);
    ReadSettings();
    m_pBrushes = std::make_unique<Brushes>(kKvBrushTable);
    m_pPens = std::make_unique<Pens>(kKvPenTable);
    ed::DrawingTables tables;
    tables.brushes = m_pBrushes.get();
    tables.pens = m_pPens.get();
    tables.fonts = g_pFonts;
    ed::SetDrawingTables(tables);
    m_calls.model.LoadUserDefIni();

    m_pWinApp = std::make_unique<KvWinApp>(GetHandle());
    KvSetFaultHandler(m_pWinApp.get());
    m_pActiveApp = std::make_unique<WorkspaceActiveApp>(*m_pWinApp);
    m_statePass.SetActiveAppSource(m_pActiveApp.get());
    m_statePass.SetWorkspaceSource([this] {
        return WorkspaceFacts{KvWinApp::IsPaletteShown(), KvWinApp::IsFullScreen(), !m_pWinApp->IsNoBlocksHeld()};
    });
    m_statePass.SetPageSource([this] {
        UIMDIFrame* frame = GetMDIFrame();
        return frame ? frame->ActivePageSelection() : PageSelectionFacts{};
    });
    m_pWinApp->SetCommandHandler(&m_statePass);
    InitMainWindow();
    if (!GetMainWindow()) throw TXInvalidMainWindow();
    if (!GetMainWindow()->Create()) throw TXInvalidMainWindow();
    // The menu bar shows the states from the first pass on; the frame destroys it.
    m_mainMenu.Attach(::GetMenu(GetMainWindow()->HWindow));
    m_pWinApp->SetMainMenu(&m_mainMenu);
    ed::SetEditorMainWindow(GetMainWindow()->HWindow);
    PlaceAndShowMainWindow();
    HAccTable = LoadAccelerators("KEYS");

    if (GetMDIFrame()) StartSession();
    KvInstallDesignerOperations(*this, KvInstallDesignerAutoSave(*this));
    if (GetMDIFrame()) KvInstallItemCommands(*GetMDIFrame());
    // Copies of applications that an earlier run left open are offered again (not to a
    // command-line build).
    if (!IsBatchLine(m_commandLine)) m_pWinApp->RecoverApplications();
    SetSplashProgress(100);
    // A command-line build runs once the designer has started; its answer 1 ends it.
    if (IsBatchLine(m_commandLine) &&
        RunDesignerBatch(m_commandLine, *m_pHost, GetPageWindows(), GetMainWindow()->HWindow, g_szServerVersion) == 1)
        ::PostQuitMessage(0);
}

void UIApp::PlaceAndShowMainWindow() {
    HWND window = GetMainWindow()->HWindow;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    ::GetWindowPlacement(window, &placement);
    const RECT& r = placement.rcNormalPosition;
    const PlacementSetting saved = ReadPlacement(
        m_calls.profile, PlacementSetting{r.left, r.top, r.right, r.bottom, std::int32_t(placement.showCmd)});
    placement.rcNormalPosition = RECT{saved.left, saved.top, saved.right, saved.bottom};
    // A frame closed minimised opens maximised.
    int show = saved.showState == SW_SHOWMINIMIZED ? SW_SHOWMAXIMIZED : saved.showState;
    placement.showCmd = UINT(show);
    placement.flags = 0;
    // A command-line build works without showing the frame.
    if (IsBatchLine(m_commandLine)) placement.showCmd = SW_HIDE;
    ::SetWindowPlacement(window, &placement);
    if (IsBatchLine(m_commandLine)) return;
    ::ShowWindow(window, show);
    ::UpdateWindow(window);
}

void UIApp::StartSession() {
    UIMDIFrame* frame = GetMDIFrame();
    m_pWinApp->LogInToServer(m_commandLine.c_str(), frame->HWindow, m_nLogLevel, m_nLogInterval, m_calls.login);
    if (!m_pWinApp->IsStartedWithoutCommandLine()) {
        char caption[400];
        std::snprintf(caption, sizeof caption, "%s - %s", m_calls.model.ProductName(), m_pWinApp->GetServerName());
        frame->SetCaption(caption);
    }
    m_calls.model.GetVavurOrezoList(g_MainIconTable, 0, m_pWinApp->IsNewServer());
    m_calls.model.GetVavurOrezoList(g_OldIconTable, 1, 0);
    m_calls.model.SetNotificationMessage(kNotificationMessage);

    g_pPaletteIcons = new ed::PaletteIconList(g_MainIconTable, m_pHost.get());
    g_pOldPaletteIcons = new ed::PaletteIconList(g_OldIconTable, m_pHost.get());
    frame->CreatePaletteWindow(g_pPaletteIcons, true);
    KvSetPaletteRefresher([this](ed::Program* program) {
        UIMDIFrame* shown = GetMDIFrame();
        if (ed::PaletteMDI* palette = shown ? shown->GetPaletteWindow() : nullptr) palette->SetProgram(program);
    });
    CreateClipboardProgram();
    // Recovery copies are looked for by the document issue's recovery scan.
}

void UIApp::CreateClipboardProgram() {
    UIMDIFrame* frame = GetMDIFrame();
    m_pClipboardModel = std::make_unique<ed::VlxClipboard>();
    m_pClipboardWorkspace = std::make_unique<ed::RecordClipboardWorkspace>(
        [this](const std::string& reference) { m_pWinApp->AddClipboardImport(reference.c_str()); });
    m_pClipboard = std::make_unique<ed::ClipboardProgram>(*m_pHost, *m_pModelPort, m_pImportsPort.get(),
                                                          *m_pClipboardModel, *m_pClipboardWorkspace);
    FrameProgramPorts ports = frame->GetProgramPorts();
    ports.clipboard = m_pClipboard.get();
    frame->SetProgramPorts(ports);
    DesignerPaste::Site site;
    site.shell = m_pHost.get();
    site.pasteWorkspaceParts = [this] {
        m_pWinApp->PasteClipboardImports();
        m_pWinApp->PasteClipboardResPerms();
    };
    site.windows = m_pPageWindows.get();
    site.palette = [this]() -> ed::PaletteMDI* {
        UIMDIFrame* shown = GetMDIFrame();
        return shown ? shown->GetPaletteWindow() : nullptr;
    };
    m_pPaste = std::make_unique<DesignerPaste>(*m_pClipboard, std::move(site));
    ed::SetPasteHandler([this](ed::PageCanvas& canvas, ed::Point at) { m_pPaste->PasteAt(canvas, at); });
}

namespace {

// The frame as its MDI client sees it: the status line, and the palette window that
// "Reposition all windows" brings back.
class ClientFrame : public ed::MDIClientFrame {
public:
    explicit ClientFrame(UIApp& app) : m_app(app) {}
    void ClearStatusText() override {
        if (UIMDIFrame* frame = m_app.GetMDIFrame()) frame->ShowStatusMessage("", false);
    }
    HWND PaletteWindow() override {
        UIMDIFrame* frame = m_app.GetMDIFrame();
        ed::PaletteMDI* palette = frame ? frame->GetPaletteWindow() : nullptr;
        return palette ? palette->HWindow : nullptr;
    }
    void ShowPalette() override {
        UIMDIFrame* frame = m_app.GetMDIFrame();
        if (!frame) return;
        if (ed::PaletteMDI* palette = frame->GetPaletteWindow())
            ::ShowWindow(palette->HWindow, SW_SHOWNORMAL);
        else if (g_pPaletteIcons)
            frame->CreatePaletteWindow(g_pPaletteIcons, true);
    }

private:
    UIApp& m_app;
};

}  // namespace

void UIApp::InitMainWindow() {
    m_pClientFrame = std::make_unique<ClientFrame>(*this);
    auto* client = new ed::UIMDIClient(*m_pClientFrame, this);
    auto* frame = new UIMDIFrame(g_szAppTitle, *client, m_calls.profile, m_nOptions, g_pFonts->Find("status_line"), this);
    SetMainWindow(frame);
    m_pPageServices = std::make_unique<DesignerPageServices>(*this);
    m_pPageWindows = std::make_unique<ed::EditWindows>(*client, *m_pPageServices);
    m_pPageServices->SetWindows(m_pPageWindows.get());
    // The print grid marks the printed sheets: the printable page for the canvas's font.
    m_pPageServices->SetSheetMeasure([this](int firstBuild, std::int32_t& width, std::int32_t& height) {
        const FontObject* font = g_pFonts ? g_pFonts->Find(kCanvasFontName) : nullptr;
        const ed::PrintPageSize size =
            font ? ed::GetPrintPageSize(GetMainWindow() ? GetMainWindow()->HWindow : nullptr, font->GetFace(),
                                        font->GetCharHeight(), font->GetWeight(), font->IsItalic() != 0,
                                        firstBuild != 0)
                 : ed::PrintPageSize{};
        width = size.width;
        height = size.height;
    });
    frame->SetPageWindows(m_pPageWindows.get());
    m_pModelPort = std::make_unique<ed::VlxModel>();
    m_pImportsPort = std::make_unique<ed::VlxImports>();
    frame->SetProgramPorts(FrameProgramPorts{m_pPageWindows.get(), m_pHost.get(), m_pModelPort.get(), m_pImportsPort.get()});
    InstallFrameCommands(*frame, *m_pPageWindows);
}

UIApp::~UIApp() {
    WriteMainSettings(m_calls.profile, MainSettings{m_nOptions, m_nDiagLevel, m_nLogLevel, m_nLogInterval});
    if (g_pFonts) WriteFontSettings(m_calls.profile, *g_pFonts);
    KvSetPaletteRefresher(nullptr);
    ed::SetPasteHandler(nullptr);
    delete g_pPaletteIcons;
    g_pPaletteIcons = nullptr;
    delete g_pOldPaletteIcons;
    g_pOldPaletteIcons = nullptr;
    delete g_pFonts;
    g_pFonts = nullptr;
    WriteUserTypesExample(m_calls.profile);
    CloseStartupEvent();
    if (m_pWinApp) {
        m_pWinApp->LogOffServer(m_calls.login);
        if (KvGetFaultHandler() == m_pWinApp.get()) KvSetFaultHandler(nullptr);
    }
    // The frame goes before the workspace it reports through, and takes its menu bar along;
    // its page windows leave the list of page windows as they go, so the list goes after it.
    if (m_pWinApp) m_pWinApp->SetMainMenu(nullptr);
    m_mainMenu.Detach();
    delete SetMainWindow(nullptr);
    m_pPaste.reset();
    m_pClipboard.reset();
    m_pPageWindows.reset();
    m_pPageServices.reset();
    ed::SetEditorMainWindow(nullptr);
    ed::SetDrawingTables(ed::DrawingTables());
    ed::SetSmartRouter(nullptr);
    m_pRouter.reset();
    m_statePass.SetActiveAppSource(nullptr);
    m_pActiveApp.reset();
    m_pWinApp.reset();
    m_calls.model.FreeUserDefIni();
    FreePaletteTable(g_MainIconTable);
    FreePaletteTable(g_OldIconTable);
    if (KvGetShellServices() == m_pHost.get()) KvSetShellServices(nullptr);
    desk::SetDialogModules(nullptr, nullptr);
    m_pBitmapModule.reset();
    if (m_bBitmapLibLoaded) ::FreeLibrary(m_hBitmapLib);
    DestroyGlobalImageLists();
}
