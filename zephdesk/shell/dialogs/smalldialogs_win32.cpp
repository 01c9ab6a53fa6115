#include "shell/dialogs/smalldialogs.h"

#include <cstdio>
#include <cstring>
#include <fstream>

#include "foundation/kvmsgbox.h"
#include "foundation/kvvif.h"
#include "owl/application.h"
#include "shell/dialogs/dialogchecks.h"
#include "editor/page/closerules.h"
#include "shell/messages/uimsgbox.h"

namespace desk {

namespace {

constexpr int kNameEdit = 101;
constexpr int kZoomShown = 204;
constexpr int kZoomCombo = 205;
constexpr int kVersionText = 102;
constexpr int kFileNameEdit = 100;
constexpr int kFileList = 101;
constexpr int kDescriptionEdit = 102;

std::string ItemText(HWND dialog, int id, int limit) {
    std::string text(std::size_t(limit) + 1, '\0');
    const int n = ::GetDlgItemTextA(dialog, id, text.data(), limit + 1);
    text.resize(std::size_t(n > 0 ? n : 0));
    return text;
}

// The first line of a program's description file.
std::string ReadDescription(const std::string& folder, const std::string& name) {
    std::ifstream in(folder + name + ".dsc");
    std::string line;
    std::getline(in, line);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

}  // namespace

// ----- block name -----

TNamePBDialog::TNamePBDialog(TWindow* parent, char* name, const char* caption, bool rename)
    : TBaseDialog(parent, "NAMEPB"), m_name(name) {
    if (caption) SetCaption(caption);
    SetHelpName(rename ? "Rename block" : "Add block");
}

void TNamePBDialog::SetupWindow() {
    TBaseDialog::SetupWindow();
    ::SendDlgItemMessageA(HWindow, kNameEdit, EM_LIMITTEXT, kBlockNameMax, 0);
    ::SetDlgItemTextA(HWindow, kNameEdit, m_name);
    CentreWindow(HWindow);
}

bool TNamePBDialog::CanClose() {
    const std::string name = CleanBlockName(ItemText(HWindow, kNameEdit, int(kBlockNameMax)));
    std::memcpy(m_name, name.c_str(), name.size() + 1);
    return true;
}

// ----- zoom -----

DEFINE_RESPONSE_TABLE(TScaleDialog, TBaseDialog)
    EV_CBN_SELCHANGE(kZoomCombo, CbnSelChange),
END_RESPONSE_TABLE;

TScaleDialog::TScaleDialog(TWindow* parent, std::int32_t* zoom) : TBaseDialog(parent, "SCALE"), m_zoom(zoom) {}

void TScaleDialog::SetupWindow() {
    TBaseDialog::SetupWindow();
    HWND combo = ::GetDlgItem(HWindow, kZoomCombo);
    for (const char* step : {"50", "60", "70", "80", "90", "100"})
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(step));
    char current[16];
    std::snprintf(current, sizeof current, "%d", int(*m_zoom));
    ::SendDlgItemMessageA(HWindow, kZoomShown, EM_LIMITTEXT, 10, 0);
    ::SetDlgItemTextA(HWindow, kZoomShown, current);
    ::SetWindowTextA(combo, current);
}

// A choice in the list fills the entry field.
void TScaleDialog::CbnSelChange() {
    HWND combo = ::GetDlgItem(HWindow, kZoomCombo);
    const LRESULT index = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (index != CB_ERR) ::SendMessageA(combo, CB_SETCURSEL, WPARAM(index), 0);
}

bool TScaleDialog::CanClose() {
    // Five characters are read, so that an entry too long to be valid is seen as such.
    const auto value = ParseZoomEntry(ItemText(HWindow, kZoomCombo, 5));
    if (!value) {
        UIMessageBoxWnd(HWindow, "%s", nullptr, 0, kInvalidZoomText);
        return false;
    }
    *m_zoom = *value;
    return true;
}

// ----- about -----

TAboutDialog::TAboutDialog(TWindow* parent, const char* productKey)
    : TDialog(parent, "ABOUT"), m_key(productKey ? productKey : kKvProductKey) {}

void TAboutDialog::SetupWindow() {
    TDialog::SetupWindow();
    HKEY key = nullptr;
    // Read access is enough, and all that a user without administrator rights gets.
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, m_key.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        char version[32] = "";
        DWORD size = sizeof version - 1;
        DWORD type = 0;
        if (::RegQueryValueExA(key, "Flowsmith Version", nullptr, &type, reinterpret_cast<BYTE*>(version), &size) !=
                ERROR_SUCCESS ||
            type != REG_SZ)
            version[0] = '\0';
        version[sizeof version - 1] = '\0';
        ::RegCloseKey(key);
        ::SetDlgItemTextA(HWindow, kVersionText, AboutVersionLine(version).c_str());
    }
    CentreWindow(HWindow);
}

// ----- save application -----

DEFINE_RESPONSE_TABLE(TSaveProgramDialog, TBaseDialog)
    EV_LBN_SELCHANGE(kFileList, LbnSelChange),
END_RESPONSE_TABLE;

TSaveProgramDialog::TSaveProgramDialog(TWindow* parent, char* name) : TBaseDialog(parent, "SAVEAS"), m_name(name) {
    m_name[0] = '\0';
}

void TSaveProgramDialog::SetupWindow() {
    TBaseDialog::SetupWindow();
    HWND list = ::GetDlgItem(HWindow, kFileList);
    int tabStop = 76;
    ::SendMessageA(list, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    ::SendDlgItemMessageA(HWindow, kFileNameEdit, EM_LIMITTEXT, kProgramFileNameMax, 0);
    ::SendDlgItemMessageA(HWindow, kDescriptionEdit, EM_LIMITTEXT, kProgramDescriptionMax, 0);
    char folder[kKvPathMax] = "";
    GetProgDir(folder);
    char path[kKvPathMax] = "";
    for (int more = FindFirstProgramFile(path); more; more = FindNextProgramFile(path)) {
        const std::string name = ed::ProgramFileTitle(path);
        const std::string line = SaveListLine(name, ReadDescription(folder, name));
        ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
    CentreWindow(HWindow);
}

void TSaveProgramDialog::LbnSelChange() {
    HWND list = ::GetDlgItem(HWindow, kFileList);
    const LRESULT index = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return;
    std::string line(std::size_t(::SendMessageA(list, LB_GETTEXTLEN, WPARAM(index), 0)) + 1, '\0');
    ::SendMessageA(list, LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(line.data()));
    line.resize(std::strlen(line.c_str()));
    ::SetDlgItemTextA(HWindow, kFileNameEdit, SaveListName(line).c_str());
}

bool TSaveProgramDialog::CanClose() {
    const std::string name = ItemText(HWindow, kFileNameEdit, int(kProgramFileNameMax));
    const std::string description = ItemText(HWindow, kDescriptionEdit, int(kProgramDescriptionMax));
    if (!IsValidProgramFileName(name)) {
        UIMessageBoxWnd(HWindow, "%s", nullptr, MB_ICONSTOP, "Invalid filename.");
        return false;
    }
    if (ProgramDescriptionExists(name.c_str())) {
        KvMessageBoxRequest box;
        box.text = "That file already exists. Do you wish to overwrite it?";
        box.caption = "Warning";
        box.style = kKvMbYesNoCancel;
        box.owner = KvBoxOwner::Window;
        box.window = HWindow;
        const int answer = KvMessageBox(box);
        if (answer == IDNO) return false;
        if (answer != IDYES) {
            // Cancel gives up the save: nothing is deleted or written.
            Destroy(IDCANCEL);
            return false;
        }
        char path[kKvPathMax] = "";
        GetProgDir(path);
        DeleteProgramFiles((std::string(path) + name + ".ed").c_str());
    }
    if (!WriteProgramDescription(name.c_str(), description.c_str())) {
        UIMessageBoxWnd(HWindow, "%s", nullptr, MB_ICONSTOP, "Could not create the file.");
        return false;
    }
    std::memcpy(m_name, name.c_str(), name.size() + 1);
    std::memcpy(m_description, description.c_str(), description.size() + 1);
    return true;
}

bool RunSaveProgramDialog(char* name) {
    TWindow* main = TApplication::GetCurrent() ? TApplication::GetCurrent()->GetMainWindow() : nullptr;
    TSaveProgramDialog dialog(main, name);
    if (dialog.Execute() != IDOK) return false;
    std::strcat(name, ".ed");
    return true;
}

}  // namespace desk
