// UIMDIFrame: the designer's main window, an MDI frame with the menu "MAINMENU" around the
// client that holds the page windows. It keeps the framework's main-frame object (palette,
// drag feedback, full screen) and the tabbed block palette, marks the options that are on
// in the menus, keeps the recent-programs list of the settings, and on closing writes the
// window placement and the active page's zoom.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "owl/mdiframe.h"
#include "shell/frame/framepages.h"
#include "shell/recent/recentprograms.h"
#include "shell/settings/settingsrules.h"

class KvMainFrame;
class KvPaletteManager;
class TMDIClient;
class FontObject;
namespace ed {
class GroupIcon;
class IconBoxChild;
class PaletteIconList;
class StatusLineChild;
}

// Private messages of the frame.
inline constexpr UINT kFrameMsgLayOut = WM_USER + 1000;        // 2024
inline constexpr UINT kFrameMsgNotification = WM_USER + 1001;  // 2025, the model library's
inline constexpr UINT kFrameMsgSelectGroup = 1232;             // lParam: the GroupIcon
inline constexpr UINT kFrameMsgEndCanvasMode = 1234;
inline constexpr UINT kFrameMsgAnswerZero = 2126;
inline constexpr UINT kFrameMsgCanvasQuery = WM_USER + 1002;   // 2026: answered 1
inline constexpr UINT kFrameMsgBlockChanged = WM_USER + 1005;  // 2029: accepted, nothing to do
inline constexpr UINT kFrameMsgArrange = WM_USER + 1007;       // 2031: 0 tiles, 1 cascades

// Commands of the frame.
inline constexpr UINT kCmFileNew = 4128;
inline constexpr UINT kCmClose = 4132;
inline constexpr UINT kCmExit = 24310;
inline constexpr UINT kCmHelpTopics = 4160;
inline constexpr UINT kCmAbout = 4161;
inline constexpr UINT kCmHelpOnDesigner = 4204;
inline constexpr UINT kCmHelpOnHelp = 4205;
inline constexpr UINT kCmTutorial = 4234;
inline constexpr UINT kCmOnlineDocumentation = 4235;

// What the frame's recent-programs commands ask of the workspace: opening an application
// from its entry text (0 when opened or ended without failure).
class RecentProgramOpener {
public:
    virtual ~RecentProgramOpener() = default;
    virtual int OpenApplication(const char* entry) = 0;
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

    // Makes the block palette's tabs over icons ("Blocks" when main, else "Old
    // VavurOrezos") and answers the tab window's list; the main one is kept.
    const ed::PaletteIconList* CreatePaletteWindow(const ed::PaletteIconList* icons, bool main);

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
    void EvGetMinMaxInfo(MINMAXINFO& info);
    // The Hide/Show Outputs pop-up is rebuilt for the one selected block each time it opens.
    void EvInitMenuPopup(HMENU popup, UINT index, bool sysMenu);
    HMENU GetOutputsPopup() const { return m_outputsPopup; }
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
    // Ends the in-place editing of a text note on the active page window.
    void EndNoteEditing();
    LRESULT EvTabSelected(WPARAM wParam, LPARAM lParam);
    // The palette's tabs, one per shown group of the kept list, the first selected.
    void FillPaletteTabs();
    void ShowGroup(const ed::GroupIcon* group);
    void MarkOptions();
    HWND ActiveChild() const;

    SettingsProfile& m_profile;
    const std::uint32_t& m_options;
    std::unique_ptr<KvMainFrame> m_pMainFrame;
    std::unique_ptr<KvPaletteManager> m_pPaletteManager;
    const ed::PaletteIconList* m_pPaletteIcons = nullptr;
    const char* m_paletteTitle = "";
    FramePageWindows* m_pPages = nullptr;
    ed::StatusLineChild* m_pStatusLine;  // children of the frame, deleted with it
    ed::IconBoxChild* m_pIconBox;
    RecentPrograms m_recent;
    RecentProgramOpener* m_pRecentOpener = nullptr;
    HMENU m_outputsPopup = nullptr;
    bool m_bClosing = false;
    CommandHook m_commandHook;

    DECLARE_RESPONSE_TABLE(UIMDIFrame);
};
