#include "shell/dialogs/pagedialogs.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "editor/canvas/icons.h"
#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/clipboard/clipboardprogram.h"
#include "foundation/kvmsgbox.h"
#include "shell/dialogs/pagedialoghost.h"
#include "shell/dialogs/pagelines.h"
#include "shell/messages/uimsgbox.h"

namespace desk {

namespace {

constexpr int kNameEdit = 100;
constexpr int kNamePrompt = 103;
constexpr int kPageList = 100;
constexpr int kAddButton = 101;
constexpr int kEditButton = 102;
constexpr int kDeleteButton = 103;
constexpr int kRenameButton = 104;
constexpr int kCopyButton = 105;
constexpr int kTitleText = 106;
constexpr int kExportBox = 107;
constexpr int kPasteButton = 108;

// Texts of the designer's string table.
constexpr UINT kSelectToDelete = 1;
constexpr UINT kSelectToEdit = 5;
constexpr UINT kSelectToRename = 6;
constexpr UINT kPageInUse = 7;
constexpr UINT kOutOfMemory = 8;
constexpr UINT kSelectToView = 9;

bool IsSuperBlock(std::int32_t pageType) { return pageType == ed::kPageSuperBlock; }

// A box with a caption of its own (the designer's boxes always carry the product word).
int CaptionedBox(HWND owner, const char* text, const char* caption, std::uint32_t style) {
    KvMessageBoxRequest request;
    request.text = text;
    request.caption = caption;
    request.style = style;
    request.owner = KvBoxOwner::Window;
    request.window = owner;
    return KvMessageBox(request);
}

void ReadName(HWND dialog, char* buffer) {
    char typed[kPageNameMax + 1] = "";
    ::GetDlgItemTextA(dialog, kNameEdit, typed, sizeof typed);
    std::memcpy(buffer, typed, sizeof typed);
}

ed::Page* LinePage(HWND list, LRESULT index) {
    if (index == LB_ERR) return nullptr;
    const LRESULT data = ::SendMessageA(list, LB_GETITEMDATA, WPARAM(index), 0);
    return data == LB_ERR ? nullptr : reinterpret_cast<ed::Page*>(data);
}

int InsertLine(HWND list, ed::Page& page, int index) {
    const std::string line = PageListLine(page);
    const UINT message = index < 0 ? LB_ADDSTRING : LB_INSERTSTRING;
    const LRESULT at = ::SendMessageA(list, message, WPARAM(index), reinterpret_cast<LPARAM>(line.c_str()));
    if (at >= 0) ::SendMessageA(list, LB_SETITEMDATA, WPARAM(at), reinterpret_cast<LPARAM>(&page));
    return int(at);
}

void FillPageList(HWND list, const ed::Program& program, std::int32_t pageType) {
    ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (ed::Page* page : PagesOfType(program, pageType)) InsertLine(list, *page, -1);
}

}  // namespace

// ----- name of a new page -----

TNamePageDialog::TNamePageDialog(TWindow* parent, char* name, std::int32_t pageType)
    : TBaseDialog(parent, "NAMEPAGE"), m_name(name), m_pageType(pageType) {}

void TNamePageDialog::SetupWindow() {
    TBaseDialog::SetupWindow();
    ::SendDlgItemMessageA(HWindow, kNameEdit, EM_LIMITTEXT, 16, 0);
    ::SendDlgItemMessageA(HWindow, kNamePrompt, EM_LIMITTEXT, 50, 0);
    ::SetDlgItemTextA(HWindow, kNameEdit, m_name);
    const bool superBlock = IsSuperBlock(m_pageType);
    ::SetDlgItemTextA(HWindow, kNamePrompt,
                      superBlock ? "Enter new SuperBlock name:" : "Enter new Verification Block name:");
    ::SetWindowTextA(HWindow, superBlock ? "Add New SuperBlock" : "Add New Verification Block");
    CentreWindow(HWindow);
}

bool TNamePageDialog::CanClose() {
    ReadName(HWindow, m_name);
    return true;
}

// ----- new name of a page -----

TRenamePageDialog::TRenamePageDialog(TWindow* parent, char* oldName, const char* caption, char* newName)
    : TNamePageDialog(parent, oldName, ed::kPageSuperBlock), m_caption(caption), m_newName(newName) {
    SetHelpName("Rename");
}

void TRenamePageDialog::SetupWindow() {
    TNamePageDialog::SetupWindow();
    if (m_caption != nullptr && m_caption[0] != '\0') ::SetWindowTextA(HWindow, m_caption);
}

bool TRenamePageDialog::CanClose() {
    ReadName(HWindow, m_newName);
    if (vlxIsNameInUse(m_newName) != 0) {
        UIMessageBoxWnd(HWindow, "%s", nullptr, MB_ICONSTOP, "A Symbol with this name already exists.");
        return false;
    }
    return true;
}

// ----- view a page -----

DEFINE_RESPONSE_TABLE(TViewPagesDialog, TBaseDialog)
    EV_LBN_DBLCLK(kPageList, LbnDblClk),
END_RESPONSE_TABLE;

TViewPagesDialog::TViewPagesDialog(TWindow* parent, ed::Page** result, ed::Program& program,
                                   std::int32_t pageType)
    : TBaseDialog(parent, "VIEWPAGES"), m_result(result), m_program(program), m_pageType(pageType) {}

void TViewPagesDialog::SetupWindow() {
    TBaseDialog::SetupWindow();
    ::SetWindowTextA(HWindow, IsSuperBlock(m_pageType) ? "View SuperBlock" : "View Verification Block");
    FillPageList(::GetDlgItem(HWindow, kPageList), m_program, m_pageType);
    CentreWindow(HWindow);
}

void TViewPagesDialog::LbnDblClk() { CmOk(); }

bool TViewPagesDialog::CanClose() {
    HWND list = ::GetDlgItem(HWindow, kPageList);
    ed::Page* page = LinePage(list, ::SendMessageA(list, LB_GETCURSEL, 0, 0));
    if (page == nullptr) {
        UIMessageBoxResWnd(HWindow, kSelectToView, nullptr, MB_ICONEXCLAMATION);
        return false;
    }
    *m_result = page;
    return true;
}

// ----- define pages -----

DEFINE_RESPONSE_TABLE(TDefinePagesDialog, TBaseDialog)
    EV_LBN_SELCHANGE(kPageList, LbnSelChange),
    EV_LBN_DBLCLK(kPageList, LbnDblClk),
    EV_COMMAND(kExportBox, CmExport),
    EV_COMMAND(kAddButton, CmAdd),
    EV_COMMAND(kEditButton, CmEdit),
    EV_COMMAND(kDeleteButton, CmDelete),
    EV_COMMAND(kRenameButton, CmRename),
    EV_COMMAND(kCopyButton, CmCopy),
    EV_COMMAND(kPasteButton, CmPaste),
END_RESPONSE_TABLE;

TDefinePagesDialog::TDefinePagesDialog(TWindow* parent, ed::Program& program, std::int32_t pageType,
                                       PageDialogHost& host)
    : TBaseDialog(parent, "DEFINEPAGES"), m_program(program), m_pageType(pageType), m_host(host) {
    SetHelpName(IsSuperBlock(pageType) ? "Define SuperBlocks" : "Define Verification Blocks");
}

void TDefinePagesDialog::SetupWindow() {
    TBaseDialog::SetupWindow();
    ::SendDlgItemMessageA(HWindow, kTitleText, EM_LIMITTEXT, 50, 0);
    SetExportBox(false, false);
    if (IsSuperBlock(m_pageType)) {
        ::SetWindowTextA(HWindow, "Define SuperBlocks");
        ::SetDlgItemTextA(HWindow, kTitleText, "Available SuperBlocks");
    } else {
        ::SetWindowTextA(HWindow, "Define Verification Blocks");
        ::SetDlgItemTextA(HWindow, kTitleText, "Available Verification Blocks");
        ::ShowWindow(::GetDlgItem(HWindow, kExportBox), SW_HIDE);
    }
    FillList();
    CentreWindow(HWindow);
}

ed::Page* TDefinePagesDialog::SelectedPage(int* index) const {
    HWND list = ::GetDlgItem(HWindow, kPageList);
    const LRESULT selected = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index != nullptr) *index = int(selected);
    return LinePage(list, selected);
}

void TDefinePagesDialog::PutLine(ed::Page& page, int index, bool replace) {
    HWND list = ::GetDlgItem(HWindow, kPageList);
    if (replace) ::SendMessageA(list, LB_DELETESTRING, WPARAM(index), 0);
    const int at = InsertLine(list, page, replace ? index : -1);
    ::SendMessageA(list, LB_SETCURSEL, WPARAM(at), 0);
}

void TDefinePagesDialog::FillList() { FillPageList(::GetDlgItem(HWindow, kPageList), m_program, m_pageType); }

void TDefinePagesDialog::SetExportBox(bool enabled, bool checked) {
    HWND box = ::GetDlgItem(HWindow, kExportBox);
    ::EnableWindow(box, enabled ? TRUE : FALSE);
    ::SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TDefinePagesDialog::LbnSelChange() {
    ed::Page* page = SelectedPage();
    if (page == nullptr) {
        ::EnableWindow(::GetDlgItem(HWindow, kExportBox), FALSE);
        return;
    }
    if (IsSuperBlock(m_pageType))
        SetExportBox(true, vlxGetPageType(m_program.Handle(), page->Name().c_str()) == 1);
}

void TDefinePagesDialog::LbnDblClk() { PostMessage(WM_COMMAND, kEditButton); }

void TDefinePagesDialog::CmExport() {
    int index = -1;
    ed::Page* page = SelectedPage(&index);
    if (page == nullptr || !IsSuperBlock(m_pageType)) return;
    const bool checked = ::IsDlgButtonChecked(HWindow, kExportBox) == BST_CHECKED;
    vlxSetPageType(m_program.Handle(), page->Name().c_str(), checked ? 1 : 0);
    PutLine(*page, index, true);
}

ed::Page* AddNamedPage(TWindow* parent, ed::Program& program, std::int32_t pageType, UINT outOfMemoryIcon) {
    for (;;) {
        char name[kPageNameMax + 1] = "";
        TNamePageDialog ask(parent, name, pageType);
        if (ask.Execute() != IDOK) return nullptr;
        auto* page = new (std::nothrow) ed::Page(&program, name, pageType, 0);
        if (page == nullptr) {
            UIMessageBoxResWnd(parent != nullptr ? parent->HWindow : nullptr, kOutOfMemory, nullptr, outOfMemoryIcon);
            return nullptr;
        }
        // A name the model refused gives a page without a handle: it goes before the name
        // is asked again.
        if (page->Handle() == nullptr) {
            delete page;
            continue;
        }
        program.AddPage(page);
        if (page->AddSuperBlockDefaultBlocks(pageType) == 0) {
            program.RemovePage(page);
            return nullptr;
        }
        return page;
    }
}

void TDefinePagesDialog::CmAdd() {
    ed::Page* previous = m_host.ActivePage();
    if (ed::Page* page = AddNamedPage(this, m_program, m_pageType, MB_ICONSTOP)) {
        PutLine(*page, -1, false);
        SetExportBox(true, false);
    }
    if (previous != nullptr) previous->Activate();
}

void TDefinePagesDialog::CmEdit() {
    ed::Page* page = SelectedPage();
    if (page == nullptr) {
        UIMessageBoxResWnd(HWindow, kSelectToEdit, nullptr, MB_ICONSTOP);
        return;
    }
    m_host.ShowPageWindow(m_program, page);
    CloseWindow(IDOK);
}

void TDefinePagesDialog::CmDelete() {
    int index = -1;
    ed::Page* page = SelectedPage(&index);
    if (page == nullptr) {
        UIMessageBoxResWnd(HWindow, kSelectToDelete, nullptr, MB_ICONSTOP);
        return;
    }
    if (vlxPageInUse(page->Handle()) != 0) {
        UIMessageBoxResWnd(HWindow, kPageInUse, nullptr, MB_ICONSTOP);
        return;
    }
    char question[128];
    std::snprintf(question, sizeof question, "Are you sure you want to delete %s?", page->Name().c_str());
    if (CaptionedBox(HWindow, question, "Warning", kKvMbYesNoCancel) != kKvIdYes) return;
    m_host.ClosePageWindows(m_program, page);
    m_program.RemovePage(page);
    ::SendDlgItemMessageA(HWindow, kPageList, LB_DELETESTRING, WPARAM(index), 0);
    SetExportBox(false, false);
}

void TDefinePagesDialog::CmRename() {
    int index = -1;
    ed::Page* page = SelectedPage(&index);
    if (page == nullptr) {
        UIMessageBoxResWnd(HWindow, kSelectToRename, nullptr, MB_ICONSTOP);
        return;
    }
    const std::string oldName = page->Name();
    char shown[kPageNameMax + 1] = "";
    std::snprintf(shown, sizeof shown, "%s", oldName.c_str());
    char caption[64];
    std::snprintf(caption, sizeof caption, "Renaming %s.", oldName.c_str());
    char newName[kPageNameMax + 1] = "";
    TRenamePageDialog ask(this, shown, caption, newName);
    if (ask.Execute() != IDOK) return;
    vlxRenamePage(page->Handle(), newName, page->PageType(), 0);
    // The rename gives no result: only a page the model now knows by the new name is
    // renamed on the canvas, so canvas and model never disagree.
    if (vlxFindPage(newName) != page->Handle()) return;
    ed::PageNamePair names(oldName.c_str(), newName);
    m_program.ForEachPage([](ed::Page* each, void* pair) { each->RenameSuperBlockRefs(*static_cast<ed::PageNamePair*>(pair)); },
                          &names);
    page->SetName(newName);
    PutLine(*page, index, true);
    SetExportBox(false, false);
    m_host.UpdateChildCaptions();
}

void TDefinePagesDialog::CmCopy() {
    ed::Page* page = SelectedPage();
    if (page == nullptr) {
        UIMessageBoxWnd(HWindow, "%s", nullptr, MB_ICONEXCLAMATION, "Please select a block to copy.");
        return;
    }
    ed::ClipboardProgram* clipboard = m_host.Clipboard();
    if (clipboard == nullptr) return;
    clipboard->Empty();
    clipboard->SetCopyMode(2);
    // Remembered before the copy, so that the clipboard keeps its own copy of the page
    // rather than the program's page, which may go while the clipboard holds it.
    clipboard->SetCurrentCopiedPage(page);
    clipboard->CopyPage(page, page);
    clipboard->CopyGotoLines(page);
    vlxPageToCopy(page->Name().c_str(), 0);
    m_program.Activate();
}

void TDefinePagesDialog::CmPaste() {
    ed::ClipboardProgram* clipboard = m_host.Clipboard();
    if (clipboard == nullptr || clipboard->CopyMode() != 2 || clipboard->CurrentCopiedPage() == nullptr ||
        vlxCanIPaste(1) == 0) {
        UIMessageBoxWnd(HWindow, "%s", nullptr, MB_ICONEXCLAMATION,
                        "You must first select a superblock or verification block to copy.");
        return;
    }
    ed::Page* target = m_host.ActivePage();
    if (target == nullptr || target->GetProgram() == nullptr) return;
    vlxSetupPasteSuperVerBlock(1);
    const int result = clipboard->PasteInto(target, nullptr, 0);
    if (result == 0) m_host.RefreshPalette(*target->GetProgram());
    vlxSetupPasteSuperVerBlock(0);
    ::SetFocus(HWindow);
    if (result == 0) FillList();
}

}  // namespace desk
