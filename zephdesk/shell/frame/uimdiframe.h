// UIMDIFrame: the designer's main window, an MDI frame with the menu "MAINMENU" around the
// client that holds the page windows. It keeps the framework's main-frame object (palette,
// drag feedback, full screen) and the tabbed block palette, marks the options that are on
// in the menus, keeps the recent-programs list of the settings, and on closing writes the
// window placement and the active page's zoom.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "owl/mdiframe.h"
#include "shell/frame/framepages.h"
#include "shell/recent/recentprograms.h"
#include "shell/settings/settingsrules.h"

class KvMainFrame;
class KvPaletteManager;
class TMDIClient;
class FontObject;
namespace ed {
class EditMDI;
class EditWindows;
class EditorHost;
class GroupIcon;
class IconBoxChild;
class ImportsPort;
class ModelPort;
class Page;
class Program;
class VavurOrezo;
class PaletteIconList;
class PaletteMDI;
class StatusLineChild;
}

// Private messages of the frame.
inline constexpr UINT kFrameMsgLayOut = WM_USER + 1000;        // 2024
inline constexpr UINT kFrameMsgNotification = WM_USER + 1001;  // 2025, the model library's
// lParam: the GroupIcon. Both the palette window and the tabbed palette (on a tab change,
// with the tab's data) send it.
inline constexpr UINT kFrameMsgSelectGroup = 1232;
inline constexpr UINT kFrameMsgEndCanvasMode = 1234;
inline constexpr UINT kFrameMsgAnswerZero = 2126;
inline constexpr UINT kFrameMsgCanvasQuery = WM_USER + 1002;   // 2026: answered 1
inline constexpr UINT kFrameMsgShowBlock = WM_USER + 1003;     // 2027: lParam FrameShowBlockRecord
inline constexpr UINT kFrameMsgOpenProgram = WM_USER + 1004;   // 2028: lParam the path
inline constexpr UINT kFrameMsgBlockChanged = WM_USER + 1005;  // 2029: accepted, nothing to do
inline constexpr UINT kFrameMsgBusyText = WM_USER + 1006;      // 2030: accepted, nothing to do
inline constexpr UINT kFrameMsgArrange = WM_USER + 1007;       // 2031: 0 tiles, 1 cascades

// What 2027 carries: a block's name, "page$block" or a bare name on "Main", and what to
// do: 16 highlights it (and 32 takes the highlight away), 2 toggles its mark, 4 sets and
// 8 clears it, any other mode shows and selects it. A first parameter of -1 forgets the
// highlighted block.
struct FrameShowBlockRecord {
    char name[128];
    std::int16_t mode;
};
static_assert(offsetof(FrameShowBlockRecord, mode) == 128, "the mode follows the 128 bytes of the name");

// Commands of the frame.
inline constexpr UINT kCmFileNew = 4128;
inline constexpr UINT kCmClose = 4132;
inline constexpr UINT kCmExit = 24310;
inline constexpr UINT kCmHelpTopics = 4160;
inline constexpr UINT kCmAbout = 4161;
inline constexpr UINT kCmHelpOnDesigner = 4204;
inline constexpr UINT kCmHelpOnHelp = 4205;
inline constexpr UINT kCmTutorial = 4234;
inline constexpr UINT kCmBuildLibrary = 102;
inline constexpr UINT kCmRunCheck = 4193;
// Accepted and ignored: the busy state and the debugger's commands.
inline constexpr UINT kCmBusyState = 4194;
inline constexpr UINT kCmDebugFirst = 4182;
inline constexpr UINT kCmOnlineDocumentation = 4235;

// What the frame's recent-programs commands ask of the workspace: opening an application
// from its entry text (0 when opened or ended without failure).
class RecentProgramOpener {
public:
    virtual ~RecentProgramOpener() = default;
    virtual int OpenApplication(const char* entry) = 0;
};

// The page windows that show programs, and what a program read from its file is made
// with (the designer's host and the model library's ports).
struct FrameProgramPorts {
    ed::EditWindows* windows = nullptr;
    ed::EditorHost* host = nullptr;
    ed::ModelPort* model = nullptr;
    ed::ImportsPort* imports = nullptr;
    // The clipboard program, whose imports follow the model's notices too (null: none).
    ed::Program* clipboard = nullptr;
};

// Menu items that carry an option's check mark.
inline constexpr UINT kCmStatusLine = 4157;
inline constexpr UINT kCmToolBar = 4156;

class UIMDIFrame : public TMDIFrame {
public:
    // options: the application's option word, read when the window is set up;
    // statusFont: the named font of the status line.
    UIMDIFrame(const char* title, TMDIClient& client, SettingsProfile& profile, const std::uint32_t& options,
               const FontObject* statusFont, TModule* module = nullptr);
    // Writes the recent programs, then destroys the frame.
    ~UIMDIFrame() override;

    const char* GetClassName() override { return "UIFRAME"; }
    void GetWindowClass(WNDCLASSA& wndClass) override;
    void SetupWindow() override;
    bool CanClose() override;

    // Makes a palette window over icons in the client ("Blocks" when main, else "Old
    // VavurOrezos"), which fills the tabbed palette; the main one is kept, shows the
    // current program's own groups and follows it. Null without the designer's host.
    ed::PaletteMDI* CreatePaletteWindow(ed::PaletteIconList* icons, bool main);
    // The main palette window; null before it is made and after it is gone.
    ed::PaletteMDI* GetPaletteWindow() const { return m_pPaletteWnd; }

    KvMainFrame* GetMainFrame() const { return m_pMainFrame.get(); }
    const char* GetPaletteTitle() const { return m_paletteTitle; }
    const RecentPrograms& GetRecentPrograms() const { return m_recent; }
    // The recent-programs list on the File menu (found by its New item).
    void AddRecentProgram(const char* entry);
    bool RemoveRecentProgram(const char* entry);
    bool MoveRecentToTop(std::int32_t index);
    const char* GetRecentSlot(std::int32_t index) const { return m_recent.GetSlot(index); }
    void SetRecentOpener(RecentProgramOpener* opener) { m_pRecentOpener = opener; }
    bool IsClosing() const { return m_bClosing; }

    void SetPageWindows(FramePageWindows* pages) { m_pPages = pages; }
    void SetProgramPorts(const FrameProgramPorts& ports) { m_ports = ports; }
    const FrameProgramPorts& GetProgramPorts() const { return m_ports; }

    // Shows the program of an application file: the window of its page "Main" comes
    // forward when a page window already shows that path, else the file is read into a new
    // page window. 0 when shown, 1 when it could not be read.
    int OpenProgramFile(const std::string& path);
    // Writes a program to its application file, asking for a name first while it is
    // "Untitled"; null: the active page window's program. 1 when written, 0 when not.
    int SaveProgramFile(ed::Program* program = nullptr);
    // The current program and page follow the active page window. A page with a window
    // brings it forward; a null page leaves no current program either.
    void SetCurrentProgram(ed::Program* program);
    void SetCurrentPage(ed::Page* page);
    ed::Program* GetCurrentProgram() const;
    ed::Page* GetCurrentPage() const;
    // Shows the page window restored unless maximised, on top with the focus and active in
    // the client; the now active child must then be a page window with its canvas.
    void ActivateEditWindow(ed::EditMDI* window);
    // The program of the active page window; null (after string 33 on the status line and
    // a beep) when the active child is not a page window.
    ed::Program* ActivePageProgram(bool report);
    // A normal text, or a transient one that shows at once and in red.
    void ShowStatusMessage(const char* text, bool transient);
    void SetStatusText(const char* text, bool transient) { ShowStatusMessage(text, transient); }
    // A text of the string table; nothing (the old text stays) when the id has none.
    void ShowStatusMessage(UINT stringId, bool transient);
    // The popup of the menu bar that holds the item, searched in order; null when none.
    HMENU FindMenuPopup(UINT itemId) const;
    void CheckMenuItem(UINT itemId, UINT checkFlags);
    bool GetMenuCheck(UINT itemId) const;
    // The selection of the active page window, as the command states read it.
    PageSelectionFacts ActivePageSelection() const;
    ed::StatusLineChild* GetStatusLine() const { return m_pStatusLine; }
    ed::IconBoxChild* GetIconBox() const { return m_pIconBox; }
    // Handed on to the page windows.
    void NotifyChildren(void* object, int kind, int scope);
    void UpdateChildCaptions();

    // Menu and accelerator commands go to the hook first; true: it handled the command.
    using CommandHook = std::function<bool(UINT id)>;
    void SetCommandHook(CommandHook hook) { m_commandHook = std::move(hook); }
    const CommandHook& GetCommandHook() const { return m_commandHook; }
    // A further hook in front of the one set: the earlier one gets what it declines.
    void AddCommandHook(CommandHook hook) {
        m_commandHook = [first = std::move(hook), rest = std::move(m_commandHook)](UINT id) {
            return first(id) || (rest && rest(id));
        };
    }
    // Every pop-up of the frame's menu goes to the hook as it opens.
    using PopupHook = std::function<void(HMENU popup)>;
    void SetPopupHook(PopupHook hook) { m_popupHook = std::move(hook); }
    // The frame's timer messages go to the hook (auto-save runs timer 7 of the frame).
    using TimerHook = std::function<void(UINT id)>;
    void SetTimerHook(TimerHook hook) { m_timerHook = std::move(hook); }
    LRESULT EvCommand(UINT id, HWND hWndCtl, UINT notifyCode) override;

    void EvClose();
    // Close: the active page window closes; the palette never does. Exit: the frame.
    void CmClose();
    void CmExit();
    void CmOpenRecent(WPARAM id);
    // Help: the contents finder, the designer's own topic, help on help, the tutorial, the
    // online documentation and the about box.
    void CmHelpTopics();
    void CmHelpOnDesigner();
    void CmHelpOnHelp();
    void CmTutorial();
    void CmOnlineDocumentation();
    void CmAbout();
    // Builds the SuperBlock library of the active page window's program (saved first when
    // "Untitled"); a program with only its "Main" page has none to build.
    void CmBuildLibrary();
    // Asks whether an older run file is to be rebuilt and about unfinished blocks; it
    // builds and starts nothing.
    void CmRunCheck();
    void CmIgnored() {}
    void EvGetMinMaxInfo(MINMAXINFO& info);
    // The Hide/Show Outputs pop-up is rebuilt for the one selected block each time it opens.
    void EvInitMenuPopup(HMENU popup, UINT index, bool sysMenu);
    HMENU GetOutputsPopup() const { return m_outputsPopup; }
    // The status line tells what the pop-up or item under the user does; cleared when the
    // menu closes.
    void EvMenuSelect(UINT item, UINT flags, HMENU menu);
    void EvTimer(UINT timerId);
    void EvNCMouseMove(UINT hitTest, const TPoint& point);
    // The status line, the icon box, the client and the docked palette share the frame.
    void EvSize(UINT sizeType, const TSize& size);

private:
    LRESULT EvLayOut(WPARAM wParam, LPARAM lParam);
    LRESULT EvSelectGroup(WPARAM wParam, LPARAM lParam);
    LRESULT EvEndCanvasMode(WPARAM wParam, LPARAM lParam);
    LRESULT EvAnswerZero(WPARAM wParam, LPARAM lParam);
    LRESULT EvCanvasQuery(WPARAM wParam, LPARAM lParam);
    LRESULT EvArrange(WPARAM wParam, LPARAM lParam);
    // 2025: the model library's notice code and its record.
    LRESULT EvNotification(WPARAM code, LPARAM lParam);
    LRESULT EvShowBlock(WPARAM wParam, LPARAM lParam);
    LRESULT EvOpenProgram(WPARAM wParam, LPARAM lParam);
    // The named page of the first page window's program with the model handle comes
    // forward (a window is made for it when it has none).
    void ShowNoticePage(void* programHandle, const char* pageName);
    void SetFlagAndRedraw(ed::VavurOrezo* block, std::uint32_t set, std::uint32_t clear);
    // Reads the file into a new window of its main page, with its libraries imported;
    // null when it could not be read (the active page window's program is current again).
    ed::Program* LoadProgramWindow(const std::string& path);
    // The window of the program's page "Main", when both exist, comes forward.
    void BringMainPageForward(ed::Program& program);
    // Ends the in-place editing of a text note on the active page window.
    void EndNoteEditing();
    // The tab of the tabbed palette whose data is the group becomes the selected one.
    void SelectGroupTab(const ed::GroupIcon* group);
    void MarkOptions();
    HWND ActiveChild() const;

    SettingsProfile& m_profile;
    const std::uint32_t& m_options;
    std::unique_ptr<KvMainFrame> m_pMainFrame;
    std::unique_ptr<KvPaletteManager> m_pPaletteManager;
    ed::PaletteMDI* m_pPaletteWnd = nullptr;  // a child of the client
    const char* m_paletteTitle = "";
    FramePageWindows* m_pPages = nullptr;
    ed::StatusLineChild* m_pStatusLine;  // children of the frame, deleted with it
    ed::IconBoxChild* m_pIconBox;
    RecentPrograms m_recent;
    RecentProgramOpener* m_pRecentOpener = nullptr;
    FrameProgramPorts m_ports;
    // The first save of a run switches the current folder to the program folder.
    bool m_bProgramFolderSet = false;
    ed::VavurOrezo* m_pHighlighted = nullptr;
    HMENU m_outputsPopup = nullptr;
    bool m_bClosing = false;
    CommandHook m_commandHook;
    TimerHook m_timerHook;
    PopupHook m_popupHook;

    DECLARE_RESPONSE_TABLE(UIMDIFrame);
};
