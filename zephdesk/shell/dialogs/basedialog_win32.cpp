#include "shell/dialogs/basedialog.h"

#include <optional>
#include <string>

#include "foundation/kvbasedlghelp.h"
#include "foundation/kvmsgbox.h"
#include "foundation/kvvif.h"
#include "owl/module.h"
#include "scribe/scribe.h"
#include "shell/dialogs/dialogchecks.h"
#include "shell/messages/uimsgbox.h"

namespace desk {

namespace {

constexpr int kHelpButtonId = 9;
constexpr char kHelpFile[] = "zephdesk.hlp>proc4";
TModule* g_programModule = nullptr;
TModule* g_dialogLibrary = nullptr;

bool HasTemplate(const TModule* module, const TResId& id) {
    return module && module->GetHandle() && module->FindResource(id, MAKEINTRESOURCEA(5)) != nullptr;
}

}  // namespace

void SetDialogModules(TModule* program, TModule* library) {
    g_programModule = program;
    g_dialogLibrary = library;
}

DEFINE_RESPONSE_TABLE(TBaseDialog, TDialog)
    EV_COMMAND(kHelpButtonId, CmHelp),
END_RESPONSE_TABLE;

TBaseDialog::TBaseDialog(TWindow* parent, TResId resId, TModule* module) : TDialog(parent, std::move(resId), module) {
    TModule* first = module ? module : g_programModule;
    if (HasTemplate(first, TemplateId)) {
        SetModule(first);
        return;
    }
    if (HasTemplate(g_dialogLibrary, TemplateId)) {
        SetModule(g_dialogLibrary);
        return;
    }
    // No window yet: the box has no owner. Running the dialog then answers -1.
    KvMessageBoxRequest box;
    box.text = "Unable to load dialog.";
    box.caption = "Error";
    box.style = kKvMbOk | kKvMbIconExclamation;
    box.owner = KvBoxOwner::None;
    KvMessageBox(box);
}

int TBaseDialog::SetHelpName(const char* name) {
    m_helpId = scribe::FindHelpID(name);
    return m_helpId;
}

void TBaseDialog::CmHelp() {
    char folder[kKvPathMax] = "";
    GetHelpDir(folder);
    const std::string path = std::string(folder) + kHelpFile;
    KvHelpEngine& engine = KvGetHelpEngine();
    const bool shown = m_helpId != 0 ? engine.Show(HWindow, path.c_str(), kKvHelpContext, std::uint32_t(m_helpId))
                                     : engine.Show(HWindow, path.c_str(), kKvHelpContents, 0);
    if (!shown) UIMessageBox("%s", nullptr, MB_ICONEXCLAMATION, "Could not load WinHelp program.");
}

void TBaseDialog::GetWindowClass(WNDCLASSA& wndClass) {
    TDialog::GetWindowClass(wndClass);
    wndClass.style &= ~UINT(CS_GLOBALCLASS);
}

void CentreWindow(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    std::optional<WindowRect> owner;
    HWND parent = ::GetParent(window);
    if (parent && ::IsWindow(parent)) {
        RECT o{};
        ::GetWindowRect(parent, &o);
        owner = WindowRect{o.left, o.top, o.right, o.bottom};
    }
    const WindowOrigin at = CentreOver(WindowRect{r.left, r.top, r.right, r.bottom}, owner,
                                       ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    ::SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(window, nullptr, TRUE);
}

}  // namespace desk
