#include "shell/frame/uimdiframe.h"

#include <commctrl.h>

#include "editor/canvas/icons.h"
#include "editor/frame/iconbox.h"
#include "editor/frame/statusline.h"
#include "foundation/kvassert.h"
#include "framework/kvbeep.h"
#include "framework/kvbitbtn.h"
#include "framework/kvintabw.h"
#include "framework/kvmainfr.h"
#include "framework/kvtoolbr.h"
#include "owl/mdiclient.h"
#include "owl/module.h"
#include "shell/messages/uimsgbox.h"
#include "shell/workspace/kvwinapp.h"

DEFINE_RESPONSE_TABLE(UIMDIFrame, TMDIFrame)
  EV_WM_CLOSE,
  EV_WM_GETMINMAXINFO,
  EV_WM_TIMER,
  EV_WM_NCMOUSEMOVE,
  EV_WM_SIZE,
  EV_MESSAGE(kFrameMsgLayOut, EvLayOut),
  EV_MESSAGE(kFrameMsgSelectGroup, EvSelectGroup),
  EV_MESSAGE(kFrameMsgEndCanvasMode, EvEndCanvasMode),
  EV_MESSAGE(kFrameMsgAnswerZero, EvAnswerZero),
  EV_MESSAGE(kKvMsgTabSelected, EvTabSelected),
END_RESPONSE_TABLE;

namespace {

constexpr UINT kMsgNoCanvas = 19;
constexpr std::uint32_t kOptionStatusLine = 0x4;
constexpr std::uint32_t kOptionToolBar = 0x8;
constexpr UINT kTextSelectProgramWindow = 33;
constexpr char kZoomKey[] = "Zoom Level";
// Palette entries are listed by name; their pictures come with the page editor's icons.
constexpr DWORD kNoImage = DWORD(-2);  // I_IMAGENONE

// The option bits and the menu items that show them.
struct OptionMark {
    std::uint32_t bit;
    UINT item;
};
constexpr OptionMark kOptionMarks[] = {
    {kOptionStatusLine, kCmStatusLine}, {kOptionToolBar, kCmToolBar}, {0x1, 4163}, {0x10, 4172}, {0x80, 4210},
    {0x400, 4247},        {0x40, 4200},      {0x20, 4175}, {0x100, 4195}, {0x200, 4196},
};

}  // namespace

UIMDIFrame::UIMDIFrame(const char* title, TMDIClient& client, SettingsProfile& profile, const std::uint32_t& options,
                       const FontObject* statusFont, TModule* module)
    : TMDIFrame(title, "MAINMENU", client, false, module),
      m_profile(profile),
      m_options(options),
      m_pMainFrame(std::make_unique<KvMainFrame>()),
      m_pStatusLine(new ed::StatusLineChild(this, statusFont)),
      m_pIconBox(new ed::IconBoxChild(this, ed::DesignerIconBoxTable(),
                                      [this](const char* text) { ShowStatusMessage(text, false); })) {
    KvWinApp::SetMainFrame(m_pMainFrame.get());
    m_pastPrograms = ReadPastPrograms(m_profile);
    RegisterBitButtonClass();
}

UIMDIFrame::~UIMDIFrame() {
    m_bClosing = true;
    WritePastPrograms(m_profile, m_pastPrograms);
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
    KvWinApp::UpdateCommandStates();
}

void UIMDIFrame::MarkOptions() {
    HMENU menu = ::GetMenu(HWindow);
    for (const OptionMark& mark : kOptionMarks)
        if (m_options & mark.bit) ::CheckMenuItem(menu, mark.item, MF_BYCOMMAND | MF_CHECKED);
    // Both bars start hidden; each shows when its option is on.
    m_pStatusLine->ShowLine((m_options & kOptionStatusLine) != 0);
    m_pIconBox->ShowBox((m_options & kOptionToolBar) != 0);
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
    FillPaletteTabs();
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

// Timer 7 (auto-save) is started by the document commands; no other timer runs here.
void UIMDIFrame::EvTimer(UINT) {}

void UIMDIFrame::EvNCMouseMove(UINT, const TPoint&) { ShowStatusMessage("", false); }

void UIMDIFrame::EvSize(UINT sizeType, const TSize&) {
    if (sizeType != SIZE_MINIMIZED) EvLayOut(0, 0);
}

LRESULT UIMDIFrame::EvLayOut(WPARAM, LPARAM) {
    RECT rect{};
    GetClientRect(rect);
    m_pStatusLine->Layout(rect);
    m_pIconBox->Layout(rect);
    if (TMDIClient* client = GetClientWindow(); client && client->HWindow)
        ::MoveWindow(client->HWindow, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
    if (m_pPaletteManager) m_pPaletteManager->Resize(rect.right);
    return 0;
}

LRESULT UIMDIFrame::EvSelectGroup(WPARAM, LPARAM lParam) {
    using ed::GroupIcon;
    const auto* group = reinterpret_cast<const GroupIcon*>(lParam);
    if (!KV_ASSERT(((GroupIcon*)lParam)!=0)) return 0;
    if (!m_pPaletteIcons) return 0;
    KvInTabWnd* tabs = dynamic_cast<KvInTabWnd*>(m_pMainFrame->GetInWnd());
    if (!tabs) return 0;
    int index = 0;
    for (const auto& shown : m_pPaletteIcons->Groups()) {
        if (!shown->IsShown()) continue;
        if (shown.get() == group) {
            ::SendMessageA(tabs->m_hWnd, 0x4CC, WPARAM(index), 0);
            ShowGroup(group);
            break;
        }
        ++index;
    }
    return 0;
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

LRESULT UIMDIFrame::EvTabSelected(WPARAM, LPARAM lParam) {
    ShowGroup(reinterpret_cast<const ed::GroupIcon*>(lParam));
    return 0;
}

const ed::PaletteIconList* UIMDIFrame::CreatePaletteWindow(const ed::PaletteIconList* icons, bool main) {
    m_paletteTitle = main ? "Blocks" : "Old VavurOrezos";
    if (main) m_pPaletteIcons = icons;
    FillPaletteTabs();
    return icons;
}

void UIMDIFrame::FillPaletteTabs() {
    KvInTabWnd* tabs = m_pMainFrame ? dynamic_cast<KvInTabWnd*>(m_pMainFrame->GetInWnd()) : nullptr;
    if (!tabs || !m_pPaletteIcons) return;
    ::SendMessageA(tabs->m_hWnd, 0x4D1, 0, 0);
    const ed::GroupIcon* first = nullptr;
    for (const auto& group : m_pPaletteIcons->Groups()) {
        if (!group->IsShown()) continue;
        if (!first) first = group.get();
        ::SendMessageA(tabs->m_hWnd, 0x4CB, reinterpret_cast<WPARAM>(group->Text().c_str()),
                       reinterpret_cast<LPARAM>(group.get()));
    }
    if (!first) return;
    ::SendMessageA(tabs->m_hWnd, 0x4CC, 0, 0);
    ShowGroup(first);
}

void UIMDIFrame::ShowGroup(const ed::GroupIcon* group) {
    KvInTabWnd* tabs = m_pMainFrame ? dynamic_cast<KvInTabWnd*>(m_pMainFrame->GetInWnd()) : nullptr;
    if (!tabs || !group) return;
    tabs->BeginListUpdate();
    ::SendMessageA(tabs->m_hWnd, 0x4CA, 0, 0);
    for (const auto& icon : group->Icons()) {
        KvPalettePBItem entry(CString(icon->Text().c_str()), kNoImage, DWORD(icon->TypeCode()));
        ::SendMessageA(tabs->m_hWnd, 0x4C9, 0, reinterpret_cast<LPARAM>(&entry));
    }
    tabs->EndListUpdate();
}
