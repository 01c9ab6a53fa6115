// UIApp: the designer's application object. It loads the two resource libraries, and at
// instance initialisation reads the settings, makes the workspace and the main frame,
// logs in, builds the block palette and shows the frame; its destructor writes the
// settings back and ends the server session. The settings file, the client library's and
// the model library's calls come in through UIAppCalls so that tests record the order.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "model/interface/vlx_records.h"
#include "owl/application.h"
#include "shell/menus/kvmenus.h"
#include "shell/states/commandpass.h"
#include "shell/states/commandstates.h"

class Brushes;
class DesignerHost;
class DesignerPageServices;
class Pens;
class DesignerModelCalls;
class DesignerPaste;
class Fonts;
class KvWinApp;
class LoginCalls;
class SettingsProfile;
class TSplashWindow;
class UIMDIFrame;
namespace ed {
class ClipboardProgram;
class EditWindows;
class MDIClientFrame;
class RecordClipboardWorkspace;
class VlxClipboard;
class ImportsPort;
class ModelPort;
class PaletteIconList;
class SmartRoute;
class WindowsRouteUi;
}

// The application title: the model library's product name.
extern char g_szAppTitle[80];
// The splash window while it shows (null without "splash.bmp").
extern TSplashWindow* g_pSplash;
// The named-font table: the built-in fonts, overridden from the settings.
extern Fonts* g_pFonts;
// The palette tables of the model library (main and old VavurOrezos) and their icons.
extern zeph::IconInfoTable g_MainIconTable;
extern zeph::IconInfoTable g_OldIconTable;
extern ed::PaletteIconList* g_pPaletteIcons;
extern ed::PaletteIconList* g_pOldPaletteIcons;

// Sets the splash window's progress when there is one.
void SetSplashProgress(int percent);

struct UIAppCalls {
    SettingsProfile& profile;
    LoginCalls& login;
    DesignerModelCalls& model;
};

class UIApp : public TApplication {
public:
    // The message that the model library's notifications arrive as (WM_USER + 1001).
    static constexpr unsigned kNotificationMessage = WM_USER + 1001;
    // The step of the page grid in page units.
    static constexpr std::int32_t kGridSize = 10;

    UIApp(const char* name, HINSTANCE instance, HINSTANCE prevInstance, const char* cmdLine, int cmdShow,
          UIAppCalls calls);
    ~UIApp() override;

    void InitInstance() override;
    void InitMainWindow() override;

    static UIApp* Current();

    int IsOptionSet(std::uint32_t mask) const { return (m_nOptions & mask) != 0 ? 1 : 0; }
    void SetOption(std::uint32_t mask, bool on) { m_nOptions = on ? (m_nOptions | mask) : (m_nOptions & ~mask); }
    std::uint32_t GetOptions() const { return m_nOptions; }
    int GetDiagLevel(int mask) const { return m_nDiagLevel & mask; }
    void SetDiagLevel(int level) { m_nDiagLevel = level; }
    int GetLogLevel() const { return m_nLogLevel; }
    void SetLogLevel(int level) { m_nLogLevel = level; }
    int IsLogLevel(int level) const { return m_nLogLevel == level ? 1 : 0; }
    int GetLogInterval() const { return m_nLogInterval; }
    void SetLogInterval(int interval) { m_nLogInterval = interval; }

    UIMDIFrame* GetMDIFrame() const;
    KvWinApp* GetWorkspace() const { return m_pWinApp.get(); }
    HINSTANCE GetBitmapLibrary() const { return m_hBitmapLib; }
    TModule* GetDialogModule() const { return m_pDialogModule.get(); }
    // The command line as given: a line longer than the log-in takes is refused there,
    // never cut here.
    const std::string& GetCommandLine() const { return m_commandLine; }
    SettingsProfile& GetProfile() const { return m_calls.profile; }
    // The page windows of the main frame and what they ask of the designer.
    ed::EditWindows* GetPageWindows() const { return m_pPageWindows.get(); }
    DesignerPageServices* GetPageServices() const { return m_pPageServices.get(); }
    // The program clipboard of the page windows' cut, copy and paste; null before the
    // session starts.
    ed::ClipboardProgram* GetClipboardProgram() const { return m_pClipboard.get(); }

    // The command states that the menus and the tool bar show.
    const KvCommandHandler& GetCommandStates() const { return m_commandStates; }
    // The user-application document's answers for the command states: the workspace's
    // active document unless another source is set (null: none open).
    void SetActiveAppSource(ActiveAppSource* source) { m_statePass.SetActiveAppSource(source); }

private:
    void ReadSettings();
    void PlaceAndShowMainWindow();
    void StartSession();
    void CreateClipboardProgram();

    std::uint32_t m_nOptions = 0;
    int m_nDiagLevel = 4;
    int m_nLogLevel = 3;
    int m_nLogInterval = 0;
    HINSTANCE m_hBitmapLib = nullptr;
    bool m_bBitmapLibLoaded = false;
    std::unique_ptr<TModule> m_pBitmapModule;
    std::unique_ptr<TModule> m_pDialogModule;
    std::string m_commandLine;
    std::unique_ptr<KvWinApp> m_pWinApp;
    std::unique_ptr<DesignerHost> m_pHost;
    KvCommandHandler m_commandStates;
    CommandStatePass m_statePass{m_commandStates};
    KvMainMenu m_mainMenu;
    // The goto-line router over the block heap, installed for the whole run.
    std::unique_ptr<ed::WindowsRouteUi> m_pRouteUi;
    std::unique_ptr<ed::SmartRoute> m_pRouter;
    // The named brushes and pens the page canvases paint with.
    std::unique_ptr<Brushes> m_pBrushes;
    std::unique_ptr<Pens> m_pPens;
    std::unique_ptr<DesignerPageServices> m_pPageServices;
    std::unique_ptr<ed::EditWindows> m_pPageWindows;
    // The model library's exports, as the programs read from files reach them.
    std::unique_ptr<ed::ModelPort> m_pModelPort;
    std::unique_ptr<ed::ImportsPort> m_pImportsPort;
    std::unique_ptr<ActiveAppSource> m_pActiveApp;
    // The program clipboard over the model's clipboard, and the paste at a page point.
    std::unique_ptr<ed::VlxClipboard> m_pClipboardModel;
    std::unique_ptr<ed::RecordClipboardWorkspace> m_pClipboardWorkspace;
    std::unique_ptr<ed::ClipboardProgram> m_pClipboard;
    std::unique_ptr<DesignerPaste> m_pPaste;
    // What the frame's MDI client asks of the frame.
    std::unique_ptr<ed::MDIClientFrame> m_pClientFrame;
    UIAppCalls m_calls;
};
