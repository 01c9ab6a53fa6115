#include "foundation/kvbasedlg.h"

#include <windows.h>

#include <cctype>
#include <string>

#include "foundation/kvbasedlghelp.h"
#include "foundation/kvbasedlgmod.h"
#include "foundation/kvmsgbox.h"
#include "foundation/kvvif.h"
#include "owl/module.h"
#include "scribe/scribe.h"

namespace {

constexpr int kHelpButtonId = 9;

bool IsFakeName(const TResId& resId)
{
    const char* name = resId.GetName();
    if (name == nullptr)
        return false;
    const char fake[] = "FAKE";
    for (int i = 0;; ++i) {
        const int c = std::toupper(static_cast<unsigned char>(name[i]));
        if (c != fake[i])
            return false;
        if (c == '\0')
            return true;
    }
}

bool HasDialogTemplate(const TModule* module, const TResId& resId)
{
    return module != nullptr && module->GetHandle() != nullptr &&
           module->FindResource(resId, MAKEINTRESOURCEA(5)) != nullptr;
}

void ShowError(const char* text, KvBoxOwner owner, HWND window)
{
    KvMessageBoxRequest box;
    box.text = text;
    box.caption = "Error";
    box.style = kKvMbOk | kKvMbIconExclamation;
    box.owner = owner;
    box.window = window;
    KvMessageBox(box);
}

}  // namespace

DEFINE_RESPONSE_TABLE(TBaseDialog, TDialog)
    EV_COMMAND(kHelpButtonId, CmHelp),
END_RESPONSE_TABLE;

TBaseDialog::TBaseDialog(TWindow* parent, TResId resId, TModule* module)
    : TDialog(parent, std::move(resId), module)
{
    if (!IsFakeName(TemplateId))
        ResolveTemplate(module);
}

TBaseDialog::~TBaseDialog() = default;

// The dialog runs from the module that holds its template. A template that no module
// has leaves the module as given; running the dialog then fails.
void TBaseDialog::ResolveTemplate(TModule* module)
{
    KvDialogModules* program = KvGetDialogModules();
    TModule* first = module != nullptr ? module : (program != nullptr ? program->MainModule() : nullptr);
    if (HasDialogTemplate(first, TemplateId)) {
        SetModule(first);
        return;
    }
    TModule* library = program != nullptr ? program->DialogLibrary() : nullptr;
    if (HasDialogTemplate(library, TemplateId)) {
        SetModule(library);
        return;
    }
    // The dialog window does not exist yet: the box has no owner.
    ShowError("Unable to load dialog.", KvBoxOwner::None, nullptr);
}

int TBaseDialog::SetHelpName(const char* name)
{
    m_helpContextId = scribe::FindHelpID(name);
    return m_helpContextId;
}

void TBaseDialog::CmHelp()
{
    char folder[kKvPathMax] = "";
    GetHelpDir(folder);
    const std::string path = std::string(folder) + kKvDialogHelpFile;
    KvHelpEngine& engine = KvGetHelpEngine();
    const bool shown = m_helpContextId != 0
                           ? engine.Show(HWindow, path.c_str(), kKvHelpContext, static_cast<std::uint32_t>(m_helpContextId))
                           : engine.Show(HWindow, path.c_str(), kKvHelpContents, 0);
    if (!shown)
        ShowError("Could not load WinHelp program.", KvBoxOwner::Window, HWindow);
}

void TBaseDialog::GetWindowClass(WNDCLASSA& wndClass)
{
    TDialog::GetWindowClass(wndClass);
    wndClass.style &= ~UINT(CS_GLOBALCLASS);
}
