#include "shell/commands/optioncommands.h"

#include <string_view>

#include "editor/frame/iconbox.h"
#include "editor/frame/statusline.h"
#include "editor/page/editmdi_win32.h"
#include "model/interface/vlx.h"
#include "shell/commands/refusal.h"
#include "shell/frame/uimdiframe.h"

namespace {

constexpr UINT kNoDefaultPrinter = 8051;

enum class Extra { None, BackTypes, PageGrid, ToolBar, StatusLine };

struct OptionToggle {
    UINT id;
    std::uint32_t bit;
    Extra extra;
};
constexpr OptionToggle kToggles[] = {
    {0x104C, 0x10, Extra::None},        // label stubbed lines
    {0x104F, 0x20, Extra::None},        // snap to grid
    {0x1068, 0x40, Extra::BackTypes},   // obsolete data types
    {0x1072, 0x80, Extra::None},        // Confirm Paste/Delete
    {0x1064, 0x200, Extra::None},       // Print Frame
    {0x1097, 0x400, Extra::None},       // Auto Name
    {kCmPageGrid, 0x100, Extra::PageGrid},
    {kCmToolBar, 0x8, Extra::ToolBar},
    {kCmStatusLine, 0x4, Extra::StatusLine},
};

// The page grid follows the printer's page: without a default printer it stays off.
bool HasDefaultPrinter() {
    char device[256] = "";
    ::GetProfileStringA("windows", "device", "NONE", device, sizeof device);
    return std::string_view(device) != "NONE";
}

void RebuildPages(ed::EditWindows& windows) {
    for (ed::EditMDI* window : windows.Windows())
        if (ed::EditChild* canvas = window->Canvas()) {
            canvas->ComputeExtent();
            canvas->BuildDisplay();
            canvas->InvalidateAll();
        }
}

// The levels in their pop-ups' order: diagnostics levels are bits (a level is set when its
// bit is), log levels numbers.
struct LevelCommand {
    UINT id;
    bool diagnostics;
    int level;
    const char* text;
};
constexpr LevelCommand kLevels[] = {
    {kCmDiagNone, true, 1, "None"}, {0x109A, true, 2, "Low"},  {0x109B, true, 4, "Medium"},
    {kCmDiagHigh, true, 8, "High"}, {kCmLogLow, false, 1, "Low"}, {0x109F, false, 2, "Medium"},
    {kCmLogHigh, false, 3, "High"},
};

bool IsLevelSet(const LevelCommand& command, const AppOptionsPort& options) {
    return command.diagnostics ? (options.DiagLevel() & command.level) != 0 : options.LogLevel() == command.level;
}

bool RunLevel(AppOptionsPort& options, UINT id) {
    for (const LevelCommand& each : kLevels) {
        if (each.id != id) continue;
        if (IsLevelSet(each, options)) return true;
        if (each.diagnostics)
            options.SetDiagLevel(each.level);
        else
            options.SetLogLevel(each.level);
        return true;
    }
    return false;
}

}  // namespace

bool RunOptionCommand(UIMDIFrame& frame, ed::EditWindows& windows, AppOptionsPort& options, UINT id) {
    if (RunLevel(options, id)) return true;
    const OptionToggle* toggle = nullptr;
    for (const OptionToggle& each : kToggles)
        if (each.id == id) toggle = &each;
    if (toggle == nullptr) return false;
    if (toggle->extra == Extra::BackTypes) vlxToggleBackTypes();
    bool on = !frame.GetMenuCheck(id);
    if (on && toggle->extra == Extra::PageGrid && !HasDefaultPrinter()) {
        REPORT_REFUSAL(kNoDefaultPrinter);
        on = false;
    }
    frame.CheckMenuItem(id, on ? MF_CHECKED : MF_UNCHECKED);
    options.SetOption(toggle->bit, on);
    switch (toggle->extra) {
        case Extra::PageGrid:
            RebuildPages(windows);
            break;
        case Extra::ToolBar:
            if (ed::IconBoxChild* box = frame.GetIconBox(); box != nullptr && box->HWindow != nullptr) box->ShowBox(on);
            frame.SendMessage(kFrameMsgLayOut, 0, 0);
            break;
        case Extra::StatusLine:
            if (ed::StatusLineChild* line = frame.GetStatusLine(); line != nullptr && line->HWindow != nullptr)
                line->ShowLine(on);
            frame.SendMessage(kFrameMsgLayOut, 0, 0);
            break;
        default:
            break;
    }
    return true;
}

void RebuildLevelPopup(HMENU popup, const AppOptionsPort& options) {
    if (popup == nullptr || ::GetMenuItemCount(popup) <= 0) return;
    const UINT first = ::GetMenuItemID(popup, 0);
    if (first != kCmDiagNone && first != kCmLogLow) return;
    const bool diagnostics = first == kCmDiagNone;
    while (::GetMenuItemCount(popup) > 0) ::DeleteMenu(popup, 0, MF_BYPOSITION);
    for (const LevelCommand& each : kLevels)
        if (each.diagnostics == diagnostics)
            ::AppendMenuA(popup, MF_STRING | (IsLevelSet(each, options) ? MF_CHECKED : MF_UNCHECKED), each.id,
                          each.text);
}
