// The designer's workspace: one object per process, the process's fault handler, holder of
// the server connection's texts, the start-up facts and the clipboard flags, and the one
// place that refreshes the command states, the main menu and the tool bar in that order.
// Open applications and the server record come with the document classes; the workspace
// reaches the active application's name through ActiveApplication.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "foundation/kvflthnd.h"
#include "shell/serverlists/applistdialog.h"
#include "shell/serverlists/workspacelists.h"
#include "shell/workspace/login.h"

struct HINSTANCE__;
typedef HINSTANCE__* HINSTANCE;
class KvCmdInterface;
class KvMainFrame;
class KvServerRec;
class KvSoftRec;
class KvUserApp;
class KvAppPicker;
namespace ed {
class Program;
}

// The server version that log-in stored; empty until then.
extern char g_szServerVersion[kServerVersionSize];

// The name of the active user application, when there is one.
class ActiveApplication {
public:
    virtual ~ActiveApplication() = default;
    // False when no application is active.
    virtual bool ActiveName(std::string& name) = 0;
    // The document of the active page window, or null.
    virtual KvUserApp* ActiveUserApp() { return nullptr; }
};

class KvWinApp : public KvFaultHandlerObj {
public:
    explicit KvWinApp(HINSTANCE instance);
    ~KvWinApp() override;
    KvWinApp(const KvWinApp&) = delete;
    KvWinApp& operator=(const KvWinApp&) = delete;

    // The report caption: "%1 - Flowsmith" with the active application's name, else the
    // product name.
    void LoadTitle() override;

    static KvWinApp* GetWorkspace() { return s_pInstance; }

    // The mouse pointer, set at once: hourglass, arrow, cross, and the "no" sign while a
    // drag is over a place that takes no drop.
    static void SetWaitCursor();
    static void SetArrowCursor();
    static void SetCrossCursor();
    static void SetNoCursor();
    static HINSTANCE GetInstance() { return s_hInstance; }

    // Opens the client library's connection from the argument line; on a refusal reports
    // it and ends the process with exit code 1.
    void LogInToServer(const char* commandLine, HWND mainWindow, std::int32_t logLevel, std::int32_t logInterval,
                       LoginCalls& calls);
    // Ends the session at shut-down; true when that failed.
    bool LogOffServer(LoginCalls& calls);
    const char* GetServerName() const { return m_szServerName; }
    const char* GetSystemValue() const { return m_szSystemValue; }
    bool IsStartedWithoutCommandLine() const { return m_bNoCommandLine; }
    int IsNewServer() const;

    bool IsNoBlocksHeld() const { return !m_bBlocksHeld; }
    bool IsNoVoiceItemHeld() const { return !m_bVoiceItemHeld; }
    bool IsNoFaxItemHeld() const { return !m_bFaxItemHeld; }
    void SetBlocksHeld(bool held) { m_bBlocksHeld = held; }
    void SetVoiceItemHeld(bool held) { m_bVoiceItemHeld = held; }
    void SetFaxItemHeld(bool held) { m_bFaxItemHeld = held; }
    void SetImportRefHeld(bool held) { m_bImportRefHeld = held; }
    void SetResPermHeld(bool held) { m_bResPermHeld = held; }
    bool IsImportRefHeld() const { return m_bImportRefHeld; }
    bool IsResPermHeld() const { return m_bResPermHeld; }

    std::uint32_t GetView() const { return m_hView; }
    void SetView(std::uint32_t view) { m_hView = view; }

    void SetActiveApplication(ActiveApplication* source) { m_pActiveApp = source; }
    // The document of the active page window, or null.
    KvUserApp* GetActiveUserApp() const;

    // Application-level data that travels with blocks through the clipboard: the imported
    // applications that import blocks name ("Name.1234") and the restriction/permission
    // lists that parameters name, carried on a clipboard application of the workspace.
    void AddClipboardImport(const char* reference);
    void PasteClipboardImports();
    void HoldResPermItem(KvUserApp& owner, int index, int clearFirst);
    // 1 when the active application uses the list and it is now held, else 0.
    int CutCopyResPermItem(std::int32_t listId, int clearFirst);
    void PasteClipboardResPerms();
    KvUserApp* GetClipUserApp() const { return m_pClipUserApp; }
    // Drops the clipboard application and both of its flags.
    void ClearClipUserApp();
    // The item clipboard's application, made on first use with the source's name; its ID
    // is set to the source's at every call.
    KvUserApp& ClipUserAppFor(KvUserApp& source);
    // Drops the clipboard application and every held flag.
    void ClearItemClipboard();
    // Cut and Copy of blocks: the item clipboard is dropped and the clipboard now holds
    // blocks. Always 0.
    int HoldBlocks();

    // Hooks of the parameter records on the active application; without one they show
    // their message and change nothing. Each answers 0.
    static int AddResPermUse(std::int32_t listId);
    static int RemoveResPermUse(std::int32_t listId);
    static int UpdateResPermData();
    static int UpdateLanguageUse();

    // The cached server record and the soft dialogs' data links.
    KvWorkspaceLists& Lists() { return m_lists; }
    // The application list dialog in a File command's mode, on the workspace's lists.
    int ChooseApplications(const KvAppListMode& mode, KvSoftRec* single, KvServerRec* holder)
    {
        return KvChooseApplications(m_lists, mode, single, holder);
    }

    // The command-state table and the main menu's refresher (owned by their makers).
    void SetCommandHandler(KvCmdInterface* handler) { m_pCommandHandler = handler; }
    void SetMainMenu(KvCmdInterface* menu) { m_pMainMenu = menu; }
    // The framework's object over the main frame, published by the frame.
    static KvMainFrame* GetMainFrame() { return s_pMainFrame; }
    static void SetMainFrame(KvMainFrame* frame) { s_pMainFrame = frame; }
    // The frame's tool bar, set when the tool bar is made.
    static void SetToolBar(KvCmdInterface* toolBar) { m_pToolBar = toolBar; }
    static KvCmdInterface* GetToolBar() { return m_pToolBar; }

    // Whether the main frame's palette manager holds its palette window, and whether the
    // frame is in full-screen mode (Windows).
    static bool IsPaletteShown();
    static bool IsFullScreen();
    // Opens the designer's help file in its window "proc4": the topic of contextId, or the
    // contents for 0 (Windows).
    void ShowHelp(unsigned contextId);

    // ---- Open applications and the File commands' workers --------------------------
    // Workers answer -1 when the command did not start, 0 when it ran, 1 after a reported
    // failure.
    const std::vector<KvUserApp*>& UserApps() const { return m_userApps; }
    // Takes the application into the workspace.
    void AddUserApp(KvUserApp* app);
    // Removes the application from the workspace and deletes it.
    void RemoveUserApp(KvUserApp* app);
    KvUserApp* FindUserAppByName(const char* name) const;
    KvUserApp* FindUserAppById(std::int32_t id) const;
    // The document that shows program, or null.
    KvUserApp* FindUserAppByProgram(const ed::Program* program) const;
    int NewApplication();
    // From a recent entry ("name|ID|volume ID") or, with null, the list dialog.
    int OpenApplication(const char* recentEntry);
    int SaveApplication();
    int SaveApplicationAs();
    int DeleteApplication();
    // The File commands on the active application (each with its message when there is
    // none) and the server's lock list.
    int ExportApplication();
    int UndoExport();
    int ImportApplication();
    int RemoveImport();
    int EditProperties();
    int ShowLocks();
    // A page window of program is closing; only its last one closes the application.
    int CloseApplication(const ed::Program* closing);
    // Offers the recovery copies left in the program folder (not in stand-alone work).
    int RecoverApplications();
    // The entry of the recent-programs list: name, ID and volume ID joined by "|".
    static std::string RecentEntry(KvUserApp& app);
    // Where opened applications' recent entries go (the frame's recent list).
    void SetRecentSink(std::function<void(const std::string&)> sink) { m_recentSink = std::move(sink); }
    // Whether deletes are confirmed (the option "Confirm PB Deletes").
    void SetDeleteConfirmation(std::function<bool()> confirm) { m_confirmDeletes = std::move(confirm); }
    // The picker of the list dialogs (null: the dialog over the workspace's lists).
    void SetAppPicker(KvAppPicker* picker) { m_pPicker = picker; }

    // The command states, then the main menu, then the tool bar.
    static void UpdateCommandStates();
    void UpdateMainMenu();
    static void UpdateToolBar();

private:
    static KvWinApp* s_pInstance;
    static HINSTANCE s_hInstance;
    static KvCmdInterface* m_pToolBar;
    static KvMainFrame* s_pMainFrame;

    char m_szSystemValue[kServerTextMax + 1] = {};
    char m_szServerName[kServerTextMax + 1] = {};
    bool m_bNoCommandLine = false;
    bool m_bBlocksHeld = false;
    bool m_bVoiceItemHeld = false;
    bool m_bFaxItemHeld = false;
    bool m_bImportRefHeld = false;
    bool m_bResPermHeld = false;
    std::uint32_t m_hView = 0;
    ActiveApplication* m_pActiveApp = nullptr;
    KvUserApp* m_pClipUserApp = nullptr;
    KvWorkspaceLists m_lists;
    KvCmdInterface* m_pCommandHandler = nullptr;
    KvCmdInterface* m_pMainMenu = nullptr;
    std::vector<KvUserApp*> m_userApps;
    std::function<void(const std::string&)> m_recentSink;
    std::function<bool()> m_confirmDeletes;
    KvAppPicker* m_pPicker = nullptr;
    std::unique_ptr<KvAppPicker> m_pDialogPicker;

    KvAppPicker& Picker();
    // Import and Remove Import: each application chosen in the dialog of mode, as a new
    // document, goes to change with the active one (which owns it then).
    int ForEachChosenImport(UINT noAppMessage, const KvAppListMode& mode,
                            const std::function<void(KvUserApp& app, KvUserApp* chosen)>& change);
    void AddRecent(KvUserApp& app);
    // A new application with a name the list dialog checked and that is a file name; null
    // when cancelled.
    KvUserApp* PickNewApplication(const KvAppListMode& mode);
};
