#include "shell/frame/uimdiframe.h"

#include <commctrl.h>

#include <string>

#include "editor/canvas/icons.h"
#include "editor/frame/iconbox.h"
#include "editor/frame/statusline.h"
#include "editor/page/editmdi_win32.h"
#include "editor/palette/palettemdi_win32.h"
#include "foundation/kvassert.h"
#include "foundation/kvbasedlghelp.h"
#include "foundation/kvvif.h"
#include "framework/kvbeep.h"
#include "framework/kvbitbtn.h"
#include "framework/kvintabw.h"
#include "framework/kvmainfr.h"
#include "framework/kvtoolbr.h"
#include "owl/mdiclient.h"
#include "owl/module.h"
#include "shell/commands/menupopups.h"
#include "shell/dialogs/smalldialogs.h"
#include "shell/menus/kvmenus.h"
#include "shell/frame/framelauncher.h"
#include "shell/frame/programfilerules.h"
#include "shell/messages/uimsgbox.h"
#include "shell/workspace/kvwinapp.h"

DEFINE_RESPONSE_TABLE(UIMDIFrame, TMDIFrame)
  EV_WM_CLOSE,
  EV_WM_GETMINMAXINFO,
  EV_WM_INITMENUPOPUP,
  EV_WM_MENUSELECT,
  EV_WM_TIMER,
  EV_WM_NCMOUSEMOVE,
  EV_WM_SIZE,
  EV_MESSAGE(kFrameMsgLayOut, EvLayOut),
  EV_MESSAGE(kFrameMsgSelectGroup, EvSelectGroup),
  EV_MESSAGE(kFrameMsgEndCanvasMode, EvEndCanvasMode),
  EV_MESSAGE(kFrameMsgAnswerZero, EvAnswerZero),
  EV_MESSAGE(kFrameMsgCanvasQuery, EvCanvasQuery),
  EV_MESSAGE(kFrameMsgBlockChanged, EvAnswerZero),
  EV_MESSAGE(kFrameMsgArrange, EvArrange),
  EV_MESSAGE(kFrameMsgNotification, EvNotification),
  EV_MESSAGE(kFrameMsgShowBlock, EvShowBlock),
  EV_MESSAGE(kFrameMsgOpenProgram, EvOpenProgram),
  EV_MESSAGE(kFrameMsgBusyText, EvAnswerZero),
  EV_COMMAND(kCmClose, CmClose),
  EV_COMMAND(kCmExit, CmExit),
  EV_COMMAND(kCmHelpTopics, CmHelpTopics),
  EV_COMMAND(kCmHelpOnDesigner, CmHelpOnDesigner),
  EV_COMMAND(kCmHelpOnHelp, CmHelpOnHelp),
  EV_COMMAND(kCmTutorial, CmTutorial),
  EV_COMMAND(kCmOnlineDocumentation, CmOnlineDocumentation),
  EV_COMMAND(kCmAbout, CmAbout),
  EV_COMMAND(kCmBuildLibrary, CmBuildLibrary),
  EV_COMMAND(kCmRunCheck, CmRunCheck),
  EV_COMMAND(kCmBusyState, CmIgnored),
  EV_COMMAND(kCmDebugFirst, CmIgnored),
  EV_COMMAND(kCmDebugFirst + 1, CmIgnored),
  EV_COMMAND(kCmDebugFirst + 2, CmIgnored),
  EV_COMMAND(kCmDebugFirst + 3, CmIgnored),
  EV_COMMAND(kCmDebugFirst + 4, CmIgnored),
  EV_COMMAND(kCmDebugFirst + 5, CmIgnored),
  EV_COMMAND(kCmDebugFirst + 6, CmIgnored),
  EV_COMMAND(kCmDebugFirst + 7, CmIgnored),
  EV_COMMAND(kCmDebugFirst + 8, CmIgnored),
  EV_COMMAND(kCmDebugFirst + 9, CmIgnored),
  EV_COMMAND(kCmDebugFirst + 10, CmIgnored),
  EV_COMMAND_AND_ID(kCmOpenRecentBase + 1, CmOpenRecent),
  EV_COMMAND_AND_ID(kCmOpenRecentBase + 2, CmOpenRecent),
  EV_COMMAND_AND_ID(kCmOpenRecentBase + 3, CmOpenRecent),
  EV_COMMAND_AND_ID(kCmOpenRecentBase + 4, CmOpenRecent),
  EV_COMMAND_AND_ID(kCmOpenRecentBase + 5, CmOpenRecent),
  EV_COMMAND_AND_ID(kCmOpenRecentBase + 6, CmOpenRecent),
  EV_COMMAND_AND_ID(kCmOpenRecentBase + 7, CmOpenRecent),
  EV_COMMAND_AND_ID(kCmOpenRecentBase + 8, CmOpenRecent),
  EV_COMMAND_AND_ID(kCmOpenRecentBase + 9, CmOpenRecent),
  EV_COMMAND_AND_ID(kCmOpenRecentBase + 10, CmOpenRecent),
END_RESPONSE_TABLE;

namespace {

constexpr UINT kHelpFinder = 0x000B;  // HELP_FINDER
constexpr UINT kHelpOnHelp = 0x0004;  // HELP_HELPONHELP
constexpr std::uintptr_t kDesignerTopic = 10020;

// The pop-up at any depth below menu whose own items hold id.
HMENU FindNestedPopup(HMENU menu, UINT id) {
    if (!menu) return nullptr;
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        HMENU sub = ::GetSubMenu(menu, i);
        if (!sub) continue;
        for (int j = 0; j < ::GetMenuItemCount(sub); ++j)
            if (::GetMenuItemID(sub, j) == id) return sub;
        if (HMENU deeper = FindNestedPopup(sub, id)) return deeper;
    }
    return nullptr;
}

std::string HelpFolder() {
    char folder[kKvPathMax] = "";
    GetHelpDir(folder);
    return folder;
}

constexpr UINT kMsgNoCanvas = 19;
constexpr std::uint32_t kOptionStatusLine = 0x4;
constexpr std::uint32_t kOptionToolBar = 0x8;
constexpr UINT kTextSelectProgramWindow = 33;
constexpr char kZoomKey[] = "Zoom Level";

// The option bits and the menu items that show them.
struct OptionMark {
    std::uint32_t bit;
    UINT item;
};
constexpr OptionMark kOptionMarks[] = {
    {kOptionStatusLine, kCmStatusLine}, {kOptionToolBar, kCmToolBar}, {0x1, 4163}, {0x10, 4172}, {0x80, 4210},
    {0x400, 4247},        {0x40, 4200},      {0x20, 4175}, {0x100, 4195}, {0x200, 4196},
};

// The File menu's recent-program items, changed by command.
class FileMenuItems : public RecentMenu {
public:
    explicit FileMenuItems(HMENU popup) : m_popup(popup) {}
    void AppendSeparator() override {
        if (m_popup) ::AppendMenuA(m_popup, MF_SEPARATOR, 0, nullptr);
    }
    void AppendItem(std::uint16_t id, const std::string& label) override {
        if (m_popup) ::AppendMenuA(m_popup, MF_STRING, id, label.c_str());
    }
    void SetItemLabel(std::uint16_t id, const std::string& label) override {
        if (m_popup) ::ModifyMenuA(m_popup, id, MF_BYCOMMAND | MF_STRING, id, label.c_str());
    }
    void DeleteItem(std::uint16_t id) override {
        if (m_popup) ::DeleteMenu(m_popup, id, MF_BYCOMMAND);
    }

private:
    HMENU m_popup;
};

}  // namespace

UIMDIFrame::UIMDIFrame(const char* title, TMDIClient& client, SettingsProfile& profile, const std::uint32_t& options,
                       const FontObject* statusFont, TModule* module)
    : TMDIFrame(title, "MAINMENU", client, false, module),
      m_profile(profile),
      m_options(options),
      m_recent(ReadPastPrograms(profile)),
      m_pMainFrame(std::make_unique<KvMainFrame>()),
      m_pStatusLine(new ed::StatusLineChild(this, statusFont)),
      m_pIconBox(new ed::IconBoxChild(this, ed::DesignerIconBoxTable(),
                                      [this](const char* text) { ShowStatusMessage(text, false); })) {
    KvWinApp::SetMainFrame(m_pMainFrame.get());
    RegisterBitButtonClass();
}

UIMDIFrame::~UIMDIFrame() {
    m_bClosing = true;
    // The page windows and the palette may outlive this object by a little; they must not
    // reach it any more.
    if (m_ports.windows) m_ports.windows->SetCurrentProgramListener(nullptr);
    if (m_pPaletteWnd) m_pPaletteWnd->SetGoneHandler(nullptr);
    m_pPaletteWnd = nullptr;
    WritePastPrograms(m_profile, m_recent.Stored());
    if (KvWinApp::GetToolBar() == m_pIconBox->GetToolBar()) KvWinApp::SetToolBar(nullptr);
    if (m_pPaletteManager && m_pPaletteManager->m_pPalette) m_pPaletteManager->Close();
    if (KvWinApp::GetMainFrame() == m_pMainFrame.get()) KvWinApp::SetMainFrame(nullptr);
    if (UIGetMainWindow() == HWindow) UISetMainWindow(nullptr);
}

void UIMDIFrame::GetWindowClass(WNDCLASSA& wndClass) {
    TMDIFrame::GetWindowClass(wndClass);
    wndClass.hIcon = ::LoadIconA(GetModule() ? GetModule()->GetHandle() : nullptr, "VLXICON");
}

void UIMDIFrame::SetupWindow() {
    TMDIFrame::SetupWindow();
    KV_ASSERT(m_pMainFrame!=0);
    KV_ASSERT(::IsWindow(HWindow));
    HINSTANCE module = GetModule() ? GetModule()->GetHandle() : nullptr;
    if (HICON icon = ::LoadIconA(module, "VLXICON")) {
        SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    UISetMainWindow(HWindow);
    // The icon box exists now; every command-state refresh from here on reaches its buttons.
    KvWinApp::SetToolBar(m_pIconBox->GetToolBar());
    m_pMainFrame->m_hWnd = HWindow;
    m_pMainFrame->m_hWndMDIClient = GetClientWindow()->HWindow;
    m_pPaletteManager = std::make_unique<KvTabPaletteMgr>(m_pMainFrame.get());
    m_pMainFrame->m_pPaletteManager = m_pPaletteManager.get();
    m_pPaletteManager->CreatePalette();
    MarkOptions();
    FileMenuItems fileMenu(FindMenuPopup(kCmFileNew));
    m_recent.Build(fileMenu);
    // The pop-up is known by its handle: its first item changes with every rebuild.
    m_outputsPopup = FindNestedPopup(::GetMenu(HWindow), kCmOutputBase);
    KvWinApp::UpdateCommandStates();
}

void UIMDIFrame::EvInitMenuPopup(HMENU popup, UINT, bool sysMenu) {
    if (sysMenu || !popup) return;
    if (m_popupHook) m_popupHook(popup);
    if (popup != m_outputsPopup) return;
    while (::GetMenuItemCount(popup) > 0) ::DeleteMenu(popup, 0, MF_BYPOSITION);
    const PageSelectionFacts selection = ActivePageSelection();
    HWND child = ActiveChild();
    ed::VavurOrezo* block = nullptr;
    if (selection.kind == SelectionKind::Block && selection.count == 1 && child && m_pPages)
        block = m_pPages->FirstSelectedBlock(child);
    if (!block) {
        ::AppendMenuA(popup, MF_STRING | MF_GRAYED, kCmOutputBase, "(No block selected)");
        return;
    }
    KvGotoMenu outputs(block);
    outputs.Attach(popup);
    outputs.Build();
    outputs.Detach();
}

void UIMDIFrame::EvMenuSelect(UINT item, UINT flags, HMENU menu) {
    const std::optional<UINT> id = MenuStatusTextId(item, flags, menu);
    if (!id) return;
    char text[128] = "";
    HINSTANCE module = GetModule() ? GetModule()->GetHandle() : nullptr;
    if (*id == 0 || ::LoadStringA(module, *id, text, sizeof text) <= 0) text[0] = '\0';
    ShowStatusMessage(text, false);
}

void UIMDIFrame::AddRecentProgram(const char* entry) {
    FileMenuItems fileMenu(FindMenuPopup(kCmFileNew));
    if (entry)
        m_recent.Add(entry, fileMenu);
    else
        m_recent.Build(fileMenu);
}

bool UIMDIFrame::RemoveRecentProgram(const char* entry) {
    FileMenuItems fileMenu(FindMenuPopup(kCmFileNew));
    return entry && m_recent.Remove(entry, fileMenu);
}

bool UIMDIFrame::MoveRecentToTop(std::int32_t index) {
    FileMenuItems fileMenu(FindMenuPopup(kCmFileNew));
    return m_recent.MoveToTop(index, fileMenu);
}

// An entry whose application does not open leaves the list; one that opens goes first.
void UIMDIFrame::CmOpenRecent(WPARAM id) {
    const std::int32_t index = std::int32_t(id) - std::int32_t(kCmOpenRecentBase);
    const char* slot = m_recent.GetSlot(index);
    if (!slot || !m_pRecentOpener) return;
    const std::string entry = slot;
    if (m_pRecentOpener->OpenApplication(entry.c_str()) != 0) {
        RemoveRecentProgram(entry.c_str());
        return;
    }
    AddRecentProgram(entry.c_str());
}

HMENU UIMDIFrame::FindMenuPopup(UINT itemId) const {
    HMENU bar = HWindow ? ::GetMenu(HWindow) : nullptr;
    if (!bar) return nullptr;
    const int popups = ::GetMenuItemCount(bar);
    for (int i = 0; i < popups; ++i) {
        HMENU popup = ::GetSubMenu(bar, i);
        if (!popup) continue;
        const int items = ::GetMenuItemCount(popup);
        for (int j = 0; j < items; ++j)
            if (::GetMenuItemID(popup, j) == itemId) return popup;
    }
    return nullptr;
}

void UIMDIFrame::CheckMenuItem(UINT itemId, UINT checkFlags) {
    if (HMENU popup = FindMenuPopup(itemId)) ::CheckMenuItem(popup, itemId, MF_BYCOMMAND | checkFlags);
}

bool UIMDIFrame::GetMenuCheck(UINT itemId) const {
    HMENU popup = FindMenuPopup(itemId);
    return popup && (::GetMenuState(popup, itemId, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void UIMDIFrame::ShowStatusMessage(UINT stringId, bool transient) {
    char text[128] = "";
    HINSTANCE module = GetModule() ? GetModule()->GetHandle() : nullptr;
    if (::LoadStringA(module, stringId, text, sizeof text) <= 0) return;
    ShowStatusMessage(text, transient);
}

PageSelectionFacts UIMDIFrame::ActivePageSelection() const {
    PageSelectionFacts facts;
    HWND child = ActiveChild();
    if (child && m_pPages) m_pPages->DescribeSelection(child, facts);
    return facts;
}

void UIMDIFrame::EndNoteEditing() {
    HWND child = ActiveChild();
    bool hasCanvas = false;
    std::int32_t zoom = 0;
    if (child && m_pPages && m_pPages->DescribePage(child, hasCanvas, zoom) && hasCanvas)
        m_pPages->EndSelectionMode(child);
}

void UIMDIFrame::CmClose() {
    EndNoteEditing();
    HWND child = ActiveChild();
    bool hasCanvas = false;
    std::int32_t zoom = 0;
    // Only page windows close here; any other child (the palette) stays.
    if (child && m_pPages && m_pPages->DescribePage(child, hasCanvas, zoom))
        ::SendMessageA(child, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void UIMDIFrame::CmExit() {
    EndNoteEditing();
    SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
}

void UIMDIFrame::CmHelpTopics() {
    KvGetHelpEngine().Show(HWindow, (HelpFolder() + "zephdesk.hlp").c_str(), kHelpFinder, 0);
}

void UIMDIFrame::CmHelpOnDesigner() {
    KvGetHelpEngine().Show(HWindow, (HelpFolder() + "zephdesk.hlp>proc4").c_str(), kKvHelpContext, kDesignerTopic);
}

void UIMDIFrame::CmHelpOnHelp() {
    KvGetHelpEngine().Show(HWindow, (HelpFolder() + "zephdesk.hlp>proc4").c_str(), kHelpOnHelp, 0);
}

// No tutorial ships; it starts when one is there.
void UIMDIFrame::CmTutorial() { GetFrameLauncher().StartProgram(TutorialPath(HelpFolder())); }

void UIMDIFrame::CmOnlineDocumentation() {
    KvWinApp* workspace = KvWinApp::GetWorkspace();
    GetFrameLauncher().OpenAddress(DocumentationAddress(workspace ? workspace->GetServerName() : ""));
}

void UIMDIFrame::CmAbout() {
    desk::TAboutDialog dialog(this);
    dialog.Execute();
}

LRESULT UIMDIFrame::EvCanvasQuery(WPARAM, LPARAM) { return 1; }

// Any other value is a caller's mistake and changes nothing.
LRESULT UIMDIFrame::EvArrange(WPARAM wParam, LPARAM) {
    TMDIClient* client = GetClientWindow();
    if (!client || !client->HWindow) return 0;
    if (wParam == 0)
        ::SendMessageA(client->HWindow, WM_MDITILE, MDITILE_HORIZONTAL | MDITILE_SKIPDISABLED, 0);
    else if (wParam == 1)
        ::SendMessageA(client->HWindow, WM_MDICASCADE, MDITILE_SKIPDISABLED, 0);
    return 0;
}

void UIMDIFrame::MarkOptions() {
    HMENU menu = ::GetMenu(HWindow);
    for (const OptionMark& mark : kOptionMarks)
        if (m_options & mark.bit) ::CheckMenuItem(menu, mark.item, MF_BYCOMMAND | MF_CHECKED);
    // Both bars start hidden; each shows when its option is on.
    m_pStatusLine->ShowLine((m_options & kOptionStatusLine) != 0);
    m_pIconBox->ShowBox((m_options & kOptionToolBar) != 0);
}

LRESULT UIMDIFrame::EvCommand(UINT id, HWND hWndCtl, UINT notifyCode) {
    if (hWndCtl == nullptr && m_commandHook && m_commandHook(id)) return 0;
    return TMDIFrame::EvCommand(id, hWndCtl, notifyCode);
}

HWND UIMDIFrame::ActiveChild() const {
    TMDIClient* client = GetClientWindow();
    if (!client || !client->HWindow) return nullptr;
    return reinterpret_cast<HWND>(::SendMessageA(client->HWindow, WM_MDIGETACTIVE, 0, 0));
}

void UIMDIFrame::ShowStatusMessage(const char* text, bool transient) {
    if (!m_pStatusLine->HWindow) return;
    if (transient)
        m_pStatusLine->SetMessage(ed::kStatusTransient, text, true);
    else
        m_pStatusLine->SetMessage(ed::kStatusNormal, text, false);
}

void UIMDIFrame::NotifyChildren(void* object, int kind, int scope) {
    if (m_pPages) m_pPages->NotifyChildren(object, kind, scope);
}

void UIMDIFrame::UpdateChildCaptions() {
    if (m_pPages) m_pPages->UpdateChildCaptions();
}

bool UIMDIFrame::CanClose() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (::GetWindowPlacement(HWindow, &placement) && placement.showCmd != 0) {
        const RECT& r = placement.rcNormalPosition;
        WritePlacement(m_profile, PlacementSetting{r.left, r.top, r.right, r.bottom, std::int32_t(placement.showCmd)});
    }

    HWND child = ActiveChild();
    bool hasCanvas = false;
    std::int32_t zoom = 0;
    if (child && m_pPages && m_pPages->DescribePage(child, hasCanvas, zoom)) {
        if (hasCanvas)
            WriteZoomLevel(m_profile, zoom);
        else
            UIMessageBoxRes(kMsgNoCanvas, nullptr, MB_ICONEXCLAMATION);
    } else {
        char text[128] = "";
        UILoadBoxString(nullptr, kTextSelectProgramWindow, text, sizeof text);
        ShowStatusMessage(text, true);
        KvBeep(MB_ICONEXCLAMATION);
    }

    m_bClosing = true;
    const bool result = TMDIFrame::CanClose();
    m_bClosing = false;
    return result;
}

void UIMDIFrame::EvClose() {
    KV_ASSERT(m_pMainFrame!=0);
    KV_ASSERT(m_pMainFrame->m_pPaletteManager!=0);
    if (m_pPaletteManager) m_pPaletteManager->Close();
    const HWND window = HWindow;
    TMDIFrame::EvClose();
    if (!::IsWindow(window) || !m_pPaletteManager) return;
    // The close was refused: the palette comes back with its tabs.
    m_pPaletteManager->CreatePalette();
    if (m_pPaletteWnd) m_pPaletteWnd->BuildGroupTabs();
    RECT client{};
    GetClientRect(client);
    m_pPaletteManager->Resize(client.right - client.left);
}

void UIMDIFrame::EvGetMinMaxInfo(MINMAXINFO& info) {
    if (!m_pMainFrame || !m_pMainFrame->IsFullScreen()) {
        DefaultProcessing();
        return;
    }
    const RECT& full = m_pMainFrame->GetFullScreenRect();
    const POINT size{full.right - full.left, full.bottom - full.top};
    info.ptMaxSize = size;
    info.ptMaxTrackSize = size;
}

// Timer 7 (auto-save) is started by the document commands and served by the timer hook.
void UIMDIFrame::EvTimer(UINT timerId) {
    if (m_timerHook) m_timerHook(timerId);
}

void UIMDIFrame::EvNCMouseMove(UINT, const TPoint&) { ShowStatusMessage("", false); }

void UIMDIFrame::EvSize(UINT sizeType, const TSize&) {
    if (sizeType != SIZE_MINIMIZED) EvLayOut(0, 0);
}

LRESULT UIMDIFrame::EvLayOut(WPARAM, LPARAM) {
    RECT rect{};
    GetClientRect(rect);
    m_pStatusLine->Layout(rect);
    m_pIconBox->Layout(rect);
    TMDIClient* client = GetClientWindow();
    const HWND clientWindow = client ? client->HWindow : nullptr;
    if (clientWindow && !::IsIconic(clientWindow))
        ::SetWindowPos(clientWindow, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_pPaletteManager) m_pPaletteManager->Resize(rect.right);
    // The page windows' background is drawn again at once where a bar came or went.
    if (clientWindow) {
        ::InvalidateRect(clientWindow, nullptr, TRUE);
        ::UpdateWindow(clientWindow);
    }
    return 0;
}

LRESULT UIMDIFrame::EvSelectGroup(WPARAM, LPARAM lParam) {
    using ed::GroupIcon;
    auto* group = reinterpret_cast<GroupIcon*>(lParam);
    if (!KV_ASSERT(((GroupIcon*)lParam)!=0)) return 0;
    if (m_pPaletteWnd) m_pPaletteWnd->SelectGroup(group);
    // The palette window's own choice (its third group, say) shows on the tabs too.
    SelectGroupTab(group);
    return 0;
}

void UIMDIFrame::SelectGroupTab(const ed::GroupIcon* group) {
    KvInTabWnd* tabs = m_pMainFrame ? dynamic_cast<KvInTabWnd*>(m_pMainFrame->GetInWnd()) : nullptr;
    if (!tabs || !tabs->GetTabCtrl()) return;
    HWND control = tabs->GetTabCtrl()->m_hWnd;
    const int count = int(::SendMessageA(control, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TCITEMA item{};
        item.mask = TCIF_PARAM;
        if (::SendMessageA(control, TCM_GETITEMA, WPARAM(i), LPARAM(&item)) &&
            reinterpret_cast<const ed::GroupIcon*>(item.lParam) == group) {
            // Selecting from code tells nobody, so this does not come back as 1232.
            ::SendMessageA(tabs->m_hWnd, 0x4CC, WPARAM(i), 0);
            return;
        }
    }
}

LRESULT UIMDIFrame::EvEndCanvasMode(WPARAM, LPARAM) {
    HWND child = ActiveChild();
    bool hasCanvas = false;
    std::int32_t zoom = 0;
    if (child && m_pPages && m_pPages->DescribePage(child, hasCanvas, zoom) && hasCanvas)
        m_pPages->EndSelectionMode(child);
    return 0;
}

LRESULT UIMDIFrame::EvAnswerZero(WPARAM, LPARAM) { return 0; }

ed::PaletteMDI* UIMDIFrame::CreatePaletteWindow(ed::PaletteIconList* icons, bool main) {
    m_paletteTitle = main ? "Blocks" : "Old VavurOrezos";
    TMDIClient* client = GetClientWindow();
    if (!icons || !m_ports.host || !client) return nullptr;
    auto tabs = [this]() -> HWND {
        KvInTabWnd* inner = m_pMainFrame ? dynamic_cast<KvInTabWnd*>(m_pMainFrame->GetInWnd()) : nullptr;
        return inner ? inner->m_hWnd : nullptr;
    };
    auto* palette = new ed::PaletteMDI(*client, *m_ports.host, *icons, m_paletteTitle, tabs, HWindow);
    if (!palette->Create()) {
        delete palette;
        return nullptr;
    }
    if (!main) return palette;
    m_pPaletteWnd = palette;
    palette->SetGoneHandler([this] { m_pPaletteWnd = nullptr; });
    palette->BuildGroupTabs();
    // The palette follows the current program: its own groups come and go with it.
    if (m_ports.windows) {
        palette->SetProgram(m_ports.windows->CurrentProgram());
        m_ports.windows->SetCurrentProgramListener([this](ed::Program* program) {
            if (m_pPaletteWnd) m_pPaletteWnd->SetProgram(program);
        });
    }
    return palette;
}
