#include "shell/serverlists/applistdialog.h"

#include <string>

#include "foundation/kvassert.h"
#include "foundation/kvobarray.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvrecarr.h"
#include "framework/softrec/kvsrecmem.h"
#include "shell/document/doctexts.h"
#include "shell/document/kvuserapp.h"
#include "shell/serverlists/kvlinkcalls.h"
#include "shell/serverlists/kvserverrec.h"
#include "shell/serverlists/namelist.h"
#include "shell/serverlists/workspacelists.h"
#include "shell/workspace/kvwinapp.h"

namespace {

constexpr int kDone = 1;
constexpr int kCancel = 2;

std::int32_t Int(KvSoftRec* record, WORD field)
{
    return KvFieldValue(field, record).AsInt32();
}

std::string Text(KvSoftRec* record, WORD field)
{
    return static_cast<const char*>(KvFieldValue(field, record).AsText());
}

std::string Trimmed(const std::string& text)
{
    const char* blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool SameIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if ((x >= 'A' && x <= 'Z' ? x + 32 : x) != (y >= 'A' && y <= 'Z' ? y + 32 : y))
            return false;
    }
    return true;
}

KvSoftRec* FindByName(KvObArray& apps, const std::string& name)
{
    for (int i = 0; i < apps.GetSize(); ++i) {
        auto* app = static_cast<KvSoftRec*>(apps.GetAt(i));
        if (SameIgnoringCase(Text(app, F_UA_NAME), name))
            return app;
    }
    return nullptr;
}

void CopyIdentity(KvSoftRec* from, KvSoftRec* to)
{
    KvFieldValue(F_UA_ID, to) = from != nullptr ? Int(from, F_UA_ID) : std::int32_t(-1);
    KvFieldValue(F_UA_VOLUME, to) = from != nullptr ? Int(from, F_UA_VOLUME) : std::int32_t(-1);
}

void DeleteAll(KvObArray& records)
{
    for (int i = 0; i < records.GetSize(); ++i)
        delete static_cast<KvSoftRec*>(records.GetAt(i));
    if (records.GetSize() > 0)
        records.RemoveAt(0, records.GetSize());
}

// The names of one pass as records of their own, each with the ID and volume of the
// application it names (-1 for both when none matches). The first chosen record says
// whether the user typed (ID -1) or picked.
void ResolveChoice(KvWorkspaceLists& lists, KvSoftRec* first, KvObArray& resolved)
{
    const bool typed = Int(first, F_UA_ID) == -1;
    const std::string name = Text(first, F_UA_NAME);
    // The applications typed names are matched against: the server's transfer list.
    lists.FreeServerRec();
    KvServerRec& base = lists.GetServerRec(kKvNoAppList);
    base.LoadPumpList(0);
    if (typed) {
        SplitNameList(name.c_str(), resolved);
    } else {
        auto* record = new KvSoftRecMem(DEF_USER_APP);
        KvFieldValue(F_UA_NAME, record) = CString(Trimmed(name).c_str());
        resolved.Add(record);
    }
    for (int i = 0; i < resolved.GetSize(); ++i) {
        auto* record = static_cast<KvSoftRec*>(resolved.GetAt(i));
        CopyIdentity(typed ? FindByName(base.List(F_SRV_APPS), Text(record, F_UA_NAME)) : first, record);
        record->Commit();
    }
}

// Hands every resolved record to the holder when all pass the checks; else none.
bool HandToHolder(const KvAppListMode& mode, KvObArray& resolved, KvServerRec& holder)
{
    if (resolved.GetSize() == 0)
        return false;
    for (int i = 0; i < resolved.GetSize(); ++i) {
        if (!KvValidateAppChoice(mode.checkId, mode.checkName, *static_cast<KvSoftRec*>(resolved.GetAt(i))))
            return false;
    }
    KvObArray& list = holder.List(F_SRV_APPS);
    for (int i = 0; i < resolved.GetSize(); ++i) {
        auto* record = static_cast<KvSoftRec*>(resolved.GetAt(i));
        record->Commit();
        list.Add(record);
    }
    resolved.RemoveAt(0, resolved.GetSize());
    holder.DiscardEdits();
    return true;
}

bool CopyToSingle(const KvAppListMode& mode, KvObArray& resolved, KvSoftRec& single)
{
    if (resolved.GetSize() == 0)
        return false;
    auto* record = static_cast<KvSoftRec*>(resolved.GetAt(0));
    if (!KvValidateAppChoice(mode.checkId, mode.checkName, *record))
        return false;
    record->Commit();
    KvFieldValue(F_UA_ID, &single) = Int(record, F_UA_ID);
    KvFieldValue(F_UA_NAME, &single) = CString(Text(record, F_UA_NAME).c_str());
    KvFieldValue(F_UA_VOLUME, &single) = Int(record, F_UA_VOLUME);
    return true;
}

}  // namespace

void KvGetUnusedAppId(KvServerRec& record)
{
    KvWinApp::SetWaitCursor();
    int id = 0;
    KvLinkCalls* link = KvGetLinkCalls();
    const int result = link != nullptr ? link->GetUnusedID(&id) : -1;
    KvWinApp::SetArrowCursor();
    if (result != 0)
        return;
    KvObArray& apps = record.List(F_SRV_APPS);
    if (!KV_ASSERT(apps.GetSize() == 0))
        return;
    auto* app = new KvSoftRecMem(DEF_USER_APP);
    KvFieldValue(F_UA_ID, app) = std::int32_t(id);
    KvFieldValue(F_UA_VOLUME, app) = std::int32_t(1);
    app->Commit();
    apps.Add(app);
    record.DiscardEdits();
}

int KvValidateAppChoice(bool checkId, bool checkName, KvSoftRec& record)
{
    const std::int32_t id = Int(&record, F_UA_ID);
    const std::string name = Text(&record, F_UA_NAME);
    if (id == -1)
        KvFieldValue(F_UA_ID, &record) = std::int32_t(0);
    if (checkId && !KvUserApp::IsValidID(id)) {
        KvDocWarning(8004, nullptr, __FILE__, __LINE__);
        return 0;
    }
    if (checkName && (id == -1 || name.empty())) {
        if (name.empty())
            KvDocWarning(8006, nullptr, __FILE__, __LINE__);
        else
            KvDocWarning(8005, name.c_str(), __FILE__, __LINE__);
        return 0;
    }
    return 1;
}

int KvChooseApplications(KvWorkspaceLists& lists, const KvAppListMode& mode, KvSoftRec* single, KvServerRec* holder)
{
    if (holder != nullptr && !KV_ASSERT(holder->List(F_SRV_APPS).GetSize() == 0))
        return 0;
    for (;;) {
        // Every pass fetches the side lists anew, so their failures show on every pass.
        KvServerRec dialogRecord(kKvNoAppList);
        if (mode.seedNewId)
            KvGetUnusedAppId(dialogRecord);
        const int result = dialogRecord.EditInDialog(mode.defId, mode.helpId);
        if (result == kCancel)
            return 0;
        // A dialog that cannot be shown would fail the same way on every pass.
        if (!KV_ASSERT(result == kDone))
            return 0;
        KvWinApp::SetWaitCursor();
        if (!mode.checkId && !mode.checkName) {
            KvWinApp::SetArrowCursor();
            return 1;
        }
        KvRecArray& chosen = KvFieldValue(F_SRV_APPS, &dialogRecord).AsRecArray();
        if (chosen.GetSize() == 0) {
            KvWinApp::SetArrowCursor();
            continue;
        }
        KvObArray resolved;
        ResolveChoice(lists, chosen.GetAt(0), resolved);
        const bool done = holder != nullptr ? HandToHolder(mode, resolved, *holder)
                                            : single != nullptr && CopyToSingle(mode, resolved, *single);
        DeleteAll(resolved);
        KvWinApp::SetArrowCursor();
        if (done)
            return 1;
    }
}
