#include "shell/commands/reportcommands.h"

#include "editor/page/editmdi_win32.h"
#include "editor/print/printcommands.h"
#include "framework/definitions/defs_ids.h"
#include "framework/kvbeep.h"
#include "framework/shellservices.h"
#include "framework/softrec/kvfldvlu.h"
#include "shell/commands/fontcommands.h"
#include "shell/commands/reportlookups.h"
#include "shell/document/kvuserapp.h"
#include "shell/workspace/kvwinapp.h"

namespace {

constexpr UINT kNoProgram = 33;

struct ItemFields {
    WORD list, name, id, description, confirmation;  // confirmation 0: none
};
constexpr ItemFields kVoiceItems{F_UA_VOICE_ITEMS, F_VI_NAME, F_VI_ID, F_VI_DESCRIPTION, 0};
constexpr ItemFields kFaxItems{F_UA_FAX_ITEMS, F_FI_NAME, F_FI_ID, F_FI_DESCRIPTION, F_FI_CONFIRM_DESCRIPTION};

std::vector<ed::ReportItem> ItemsOf(KvUserApp& app, const ItemFields& fields) {
    std::vector<ed::ReportItem> items;
    KvObArray* list = app.GetList(fields.list);
    for (int i = 0; list != nullptr && i < list->GetSize(); ++i) {
        auto* record = dynamic_cast<KvSoftRec*>(list->GetAt(i));
        if (record == nullptr) continue;
        ed::ReportItem item;
        item.name = static_cast<const char*>(KvFieldValue(fields.name, record).AsText());
        item.id = KvFieldValue(fields.id, record).AsInt16();
        item.description = static_cast<const char*>(KvFieldValue(fields.description, record).AsText());
        if (fields.confirmation != 0)
            item.confirmation = static_cast<const char*>(KvFieldValue(fields.confirmation, record).AsText());
        items.push_back(std::move(item));
    }
    return items;
}

// The workspace's active user application as the reports show it; empty without one.
ed::ItemsReportData ActiveApplicationData() {
    ed::ItemsReportData data;
    KvWinApp* workspace = KvWinApp::GetWorkspace();
    KvUserApp* app = workspace != nullptr ? workspace->GetActiveUserApp() : nullptr;
    if (app == nullptr) return data;
    data.appName = static_cast<const char*>(app->GetText(F_UA_NAME));
    data.appId = app->GetInt(F_UA_ID);
    data.voice = ItemsOf(*app, kVoiceItems);
    data.fax = ItemsOf(*app, kFaxItems);
    return data;
}

// The block details report's display-text tables from the lists the shell resolves; only
// the server's lists without an active application.
std::unique_ptr<ReportLookupTables> ShellLookupTables() {
    ShellServices* shell = KvGetShellServices();
    return std::make_unique<ReportLookupTables>(
        [shell](WORD linkId, KvFieldValue& list) { return shell != nullptr && shell->ResolveDataLink(linkId, list); },
        shell != nullptr && shell->GetActiveUserApp() != nullptr);
}

// The printer chosen: label sizes follow it, and the active page measures its sheet again.
void PrintSetup(FrameCommandSite& site) {
    ed::PrintSetup(site.FrameHandle());
    RefreshChildWindows(site, true);
    ed::EditWindows* windows = site.PageWindows();
    ed::EditMDI* window = windows != nullptr ? PageWindowOf(*windows, site.ActiveChild()) : nullptr;
    if (window == nullptr || window->Canvas() == nullptr) return;
    window->Canvas()->Canvas().MeasurePrinterAgain();
    window->Canvas()->BuildDisplay();
}

void PrintReport(FrameCommandSite& site, UINT id) {
    ed::Program* program = site.CurrentProgram();
    if (program == nullptr) {
        site.ShowStatusMessage(kNoProgram, true);
        KvBeep(MB_ICONEXCLAMATION);
        return;
    }
    const HWND frame = site.FrameHandle();
    if (id == kCmSuperBlockReport)
        ed::PrintSuperBlockReport(frame, *program);
    else if (id == kCmPrintVoiceFaxItems)
        ed::PrintVoiceFaxItems(frame, ActiveApplicationData());
    else {
        const std::unique_ptr<ReportLookupTables> tables = ShellLookupTables();
        ed::PrintBlockDetails(frame, *program, ActiveApplicationData(), tables->Tables());
    }
}

}  // namespace

bool RunReportCommand(FrameCommandSite& site, UINT id) {
    switch (id) {
    case kCmPrintSetup:
        PrintSetup(site);
        return true;
    case kCmSuperBlockReport:
    case kCmPrintVoiceFaxItems:
    case kCmPrintBlockDetails:
        PrintReport(site, id);
        return true;
    default:
        return false;
    }
}
