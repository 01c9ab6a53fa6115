// UIMDIFrame: the designer's main window, an MDI frame with the menu "MAINMENU" around the
// client that holds the page windows. It keeps the framework's main-frame object (palette,
// drag feedback, full screen) and the tabbed block palette, marks the options that are on
// in the menus, keeps the recent-programs list of the settings, and on closing writes the
// window placement and the active page's zoom.
#pragma once

#include <cstdint>
#include <memory>

#include "owl/mdiframe.h"
#include "shell/frame/framepages.h"
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
    const PastPrograms& GetPastPrograms() const { return m_pastPrograms; }
    bool IsClosing() const { return m_bClosing; }

    void SetPageWindows(FramePageWindows* pages) { m_pPages = pages; }
    // A normal text, or a transient one that shows at once and in red.
    void ShowStatusMessage(const char* text, bool transient);
    ed::StatusLineChild* GetStatusLine() const { return m_pStatusLine; }
    ed::IconBoxChild* GetIconBox() const { return m_pIconBox; }
    // Handed on to the page windows.
    void NotifyChildren(void* object, int kind, int scope);
    void UpdateChildCaptions();

    void EvClose();
    void EvGetMinMaxInfo(MINMAXINFO& info);
    void EvTimer(UINT timerId);
    void EvNCMouseMove(UINT hitTest, const TPoint& point);
    // The status line, the icon box, the client and the docked palette share the frame.
    void EvSize(UINT sizeType, const TSize& size);

private:
    LRESULT EvLayOut(WPARAM wParam, LPARAM lParam);
    LRESULT EvSelectGroup(WPARAM wParam, LPARAM lParam);
    LRESULT EvEndCanvasMode(WPARAM wParam, LPARAM lParam);
    LRESULT EvAnswerZero(WPARAM wParam, LPARAM lParam);
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
    PastPrograms m_pastPrograms;
    bool m_bClosing = false;

    DECLARE_RESPONSE_TABLE(UIMDIFrame);
};
