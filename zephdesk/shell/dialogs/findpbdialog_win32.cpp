#include "shell/dialogs/findpbdialog.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "editor/canvas/program.h"
#include "foundation/kvmsgbox.h"
#include "framework/kvbeep.h"
#include "shell/dialogs/pbsearchinfo.h"

namespace desk {

namespace {

constexpr int kTypeCombo = 103;
constexpr int kTextCombo = 104;
constexpr int kMatchList = 105;
constexpr int kAllBlocksRadio = 106;
constexpr int kSearchButton = 107;
constexpr int kIncompleteRadio = 108;
constexpr int kTypeRadio = 109;
constexpr int kOnePageRadio = 110;
constexpr int kAllPagesRadio = 111;
constexpr int kPageCombo = 112;

struct KindRadio {
    int id;
    std::int16_t kind;
};
constexpr KindRadio kKindRadios[] = {
    {kAllBlocksRadio, kFindAllBlocks}, {kIncompleteRadio, kFindIncomplete}, {kTypeRadio, kFindOfType}};

std::unique_ptr<TFindPBDialog> g_dialog;

std::string ItemText(HWND dialog, int id, std::size_t limit) {
    std::string text(limit + 1, '\0');
    const int n = ::GetDlgItemTextA(dialog, id, text.data(), int(limit + 1));
    text.resize(std::size_t(n > 0 ? n : 0));
    return text;
}

bool Checked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

}  // namespace

DEFINE_RESPONSE_TABLE(TFindPBDialog, TBaseDialog)
    EV_COMMAND(kSearchButton, CmSearch),
    EV_COMMAND(kAllBlocksRadio, KindOrScopeClicked),
    EV_COMMAND(kIncompleteRadio, KindOrScopeClicked),
    EV_COMMAND(kTypeRadio, KindOrScopeClicked),
    EV_COMMAND(kAllPagesRadio, KindOrScopeClicked),
    EV_COMMAND(kOnePageRadio, KindOrScopeClicked),
    EV_CBN_SELCHANGE(kPageCombo, KindOrScopeClicked),
    EV_LBN_DBLCLK(kMatchList, LbnMatchDblClk),
END_RESPONSE_TABLE;

TFindPBDialog::TFindPBDialog(TWindow* parent, ed::Program* program, FindDialogHost host)
    : TBaseDialog(parent, "FINDVAVUROREZO"), m_program(program), m_host(std::move(host)) {
    SetHelpName("Find VavurOrezo");
}

void TFindPBDialog::SetProgramCaption() {
    char caption[300];
    std::snprintf(caption, sizeof caption, "Find VavurOrezo : %s", m_program != nullptr ? m_program->GetFileName() : "");
    SetCaption(caption);
    if (HWindow != nullptr) ::SetWindowTextA(HWindow, caption);
}

void TFindPBDialog::SetupWindow() {
    SetProgramCaption();
    TBaseDialog::SetupWindow();
    TPBSearchInfo& info = SearchInfo();
    // The radios first: the match lines depend on the scope shown.
    for (const KindRadio& radio : kKindRadios)
        ::CheckDlgButton(HWindow, radio.id, radio.kind == info.kind ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(HWindow, kAllPagesRadio, info.scope == kFindAllPages ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(HWindow, kOnePageRadio, info.scope == kFindOnePage ? BST_CHECKED : BST_UNCHECKED);
    RunMatchSearch();

    HWND types = ::GetDlgItem(HWindow, kTypeCombo);
    ::SendMessageA(types, CB_RESETCONTENT, 0, 0);
    for (int type = 0; type < vlxMaxVavurOrezoType(); ++type)
        if (const char* name = vlxGetVavurOrezoName(type))
            ::SendMessageA(types, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    if (info.typeIndex >= 0)
        if (const char* name = vlxGetVavurOrezoName(info.typeIndex))
            ::SendMessageA(types, CB_SELECTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(name));

    HWND texts = ::GetDlgItem(HWindow, kTextCombo);
    ::SendMessageA(texts, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < info.historyCount; ++i)
        ::SendMessageA(texts, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(info.history[std::size_t(i)].c_str()));
    ::SendMessageA(texts, CB_LIMITTEXT, kFindTextMax, 0);
    ::SetWindowTextA(texts, info.searchText.c_str());
    ::EnableWindow(types, info.kind == kFindOfType);
    ::EnableWindow(::GetDlgItem(HWindow, kPageCombo), info.scope == kFindOnePage);
    CentreWindow(HWindow);
}

std::int32_t TFindPBDialog::TypeIndexOf(const std::string& name) const {
    for (int type = 0; type < vlxMaxVavurOrezoType(); ++type) {
        const char* typeName = vlxGetVavurOrezoName(type);
        if (typeName != nullptr && name == typeName) return type;
    }
    return -1;
}

bool TFindPBDialog::CanClose() {
    TPBSearchInfo& info = SearchInfo();
    info.searchText = ItemText(HWindow, kTextCombo, kFindTextMax);
    info.AddToHistory(info.searchText);
    info.typeIndex = TypeIndexOf(ItemText(HWindow, kTypeCombo, 255));
    return true;
}

bool TFindPBDialog::CheckPageWindow() {
    ed::Program* active = m_host.activeProgram ? m_host.activeProgram() : nullptr;
    if (active == nullptr) {
        KvBeep(MB_ICONEXCLAMATION);
        Destroy(IDCANCEL);
        return false;
    }
    if (active != m_program) {
        m_program = active;
        SetProgramCaption();
    }
    return true;
}

void TFindPBDialog::ReadEntries() {
    TPBSearchInfo& info = SearchInfo();
    info.pageName = ItemText(HWindow, kPageCombo, kFindPageNameMax);
    info.typeIndex = TypeIndexOf(ItemText(HWindow, kTypeCombo, 255));
    info.searchText = ItemText(HWindow, kTextCombo, kFindTextMax);
    if (info.AddToHistory(info.searchText))
        ::SendDlgItemMessageA(HWindow, kTextCombo, CB_INSERTSTRING, 0,
                              reinterpret_cast<LPARAM>(info.searchText.c_str()));
}

void TFindPBDialog::Search() {
    if (HWindow == nullptr || !CheckPageWindow()) return;
    ReadEntries();
    RunMatchSearch();
}

void TFindPBDialog::ReadRadios() {
    TPBSearchInfo& info = SearchInfo();
    for (const KindRadio& radio : kKindRadios)
        if (Checked(HWindow, radio.id)) info.kind = radio.kind;
    ::EnableWindow(::GetDlgItem(HWindow, kTypeCombo), info.kind == kFindOfType);
    if (Checked(HWindow, kAllPagesRadio)) info.scope = kFindAllPages;
    if (Checked(HWindow, kOnePageRadio)) info.scope = kFindOnePage;
    ::EnableWindow(::GetDlgItem(HWindow, kPageCombo), info.scope == kFindOnePage);
}

void TFindPBDialog::KindOrScopeClicked() {
    ReadRadios();
    Search();
}

void TFindPBDialog::RunMatchSearch() {
    if (m_program != nullptr) m_program->Activate();
    const std::vector<std::string> lines = FindMatchingBlocks(SearchInfo(), Checked(HWindow, kOnePageRadio));
    HWND list = ::GetDlgItem(HWindow, kMatchList);
    ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& line : lines) ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    FillPageCombo();
}

void TFindPBDialog::FillPageCombo() {
    bool full = false;
    const std::vector<std::string> names = FindPageNames(full);
    if (full) {
        KvMessageBoxRequest request;
        request.text = kTooManyPagesText;
        request.caption = "Error";
        request.style = kKvMbIconExclamation;
        request.owner = KvBoxOwner::Window;
        request.window = HWindow;
        KvMessageBox(request);
    }
    HWND pages = ::GetDlgItem(HWindow, kPageCombo);
    ::SendMessageA(pages, CB_RESETCONTENT, 0, 0);
    for (const std::string& name : names) ::SendMessageA(pages, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    ::SendMessageA(pages, CB_SELECTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(SearchInfo().pageName.c_str()));
}

void TFindPBDialog::LbnMatchDblClk() {
    if (!CheckPageWindow()) return;
    HWND list = ::GetDlgItem(HWindow, kMatchList);
    const LRESULT index = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR || ::SendMessageA(list, LB_GETTEXTLEN, WPARAM(index), 0) >= LRESULT(sizeof m_choice)) return;
    ::SendMessageA(list, LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(m_choice));
    if (m_choice[0] == '\0') return;
    std::string text = m_choice;
    if (Checked(HWindow, kOnePageRadio)) text = ItemText(HWindow, kPageCombo, kFindPageNameMax) + "$" + text;
    LocateBlockRecord record{};
    std::snprintf(record.name, sizeof record.name, "%s", text.c_str());
    record.mode = 1;
    if (m_host.frame != nullptr) ::SendMessageA(m_host.frame, kMsgShowBlock, 0, reinterpret_cast<LPARAM>(&record));
}

namespace {

// The dialog outlives any frame: it is nobody's child window object (a parent would delete
// it), and its window is owned by the frame's window only while that exists.
void CreateOwnedBy(TFindPBDialog& dialog, HWND owner) {
    if (!dialog.Create()) return;
    if (owner != nullptr) ::SetWindowLongPtrA(dialog.HWindow, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    CentreWindow(dialog.HWindow);
    ::ShowWindow(dialog.HWindow, SW_SHOW);
}

}  // namespace

TFindPBDialog& ShowFindPBDialog(TWindow* parent, ed::Program* program, FindDialogHost host) {
    if (host.frame == nullptr && parent != nullptr) host.frame = parent->HWindow;
    const HWND owner = host.frame;
    if (!g_dialog) {
        g_dialog = std::make_unique<TFindPBDialog>(nullptr, program, std::move(host));
        CreateOwnedBy(*g_dialog, owner);
        return *g_dialog;
    }
    g_dialog->SetHost(std::move(host));
    if (g_dialog->HWindow == nullptr) {
        // The program of the last use may have been closed since: the window is made for
        // the one given now.
        g_dialog->SetProgram(program);
        CreateOwnedBy(*g_dialog, owner);
    } else {
        ::SetFocus(g_dialog->HWindow);
    }
    g_dialog->Search();
    return *g_dialog;
}

void RefreshFindPBDialog() {
    if (g_dialog && g_dialog->HWindow != nullptr) g_dialog->Search();
}

TFindPBDialog* FindPBDialog() { return g_dialog.get(); }

}  // namespace desk
