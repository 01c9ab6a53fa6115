// The directory client's lists and queries: search, read every entry string, cut it in
// attribute order; lists are single zero-filled blocks ending with one zero entry.
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "directory_client.h"
#include "flowsmith_app.h"
#include "foundation/kvvif.h"
#include "link_log.h"
#include "session.h"

namespace zlink {
namespace {

template <class Entry>
int HandOut(const std::vector<Entry>& entries, Entry** out) {
    auto* block = static_cast<Entry*>(std::calloc(entries.size() + 1, sizeof(Entry)));
    if (!block) return 34;
    if (!entries.empty()) std::memcpy(block, entries.data(), entries.size() * sizeof(Entry));
    *out = block;
    return 0;
}

}  // namespace

// Reads the entries of the last search; 36 (lists) or 60 (queries) when a read fails.
int DirectoryClient::ReadEntries(const char*, std::vector<std::string>& entries, bool query) {
    for (;;) {
        std::optional<std::string> entry;
        if (failed(GetNext(entry))) return query ? 60 : 36;
        if (!entry) return 0;
        entries.push_back(*entry);
    }
}

int DirectoryClient::RetrieveApplicationList(KvAppListEntry** out, int mode, int customerId, int applicationId) {
    if (!out) return 60;
    const AttrList attributes{"appprofid", "customerid", "appname", "appdescr", "lockingpc", "lockinguser",
                              "lockingdatetime", "volumeid", "importable", "compiledok", "appvernum"};
    Filter filter("APPPROFILE");
    filter.Add(kEqual, "customerid", customerId);
    filter.Add(kEqual, "visible", 1);
    std::vector<KvAppListEntry> kept;
    bool havePrevious = false;
    std::int32_t lastId = 0;
    for (;;) {
        const HResult hr = Search(filter, attributes, "appprofid");
        bool more = false;
        if (failed(hr)) {
            GetLastError("CLDAP::RetrieveApplicationList");
            if (!FindCode(4)) return 36;
            more = true;
        }
        std::vector<std::string> entries;
        if (const int rc = ReadEntries("CLDAP::RetrieveApplicationList", entries, false)) return rc;
        bool advanced = false;
        const bool continued = havePrevious;
        const std::int32_t before = lastId;
        for (std::string rest : entries) {
            KvAppListEntry e{};
            std::int32_t importable = 0, compiled = 0, version = 0;
            std::int64_t seconds = 0;
            if (!(TakeField(rest, e.applicationId) && TakeField(rest, e.customerId) &&
                  TakeField(rest, e.name, sizeof e.name - 1) && TakeField(rest, e.description, sizeof e.description - 1) &&
                  TakeField(rest, e.lockingPc, sizeof e.lockingPc - 1) &&
                  TakeField(rest, e.lockingUser, sizeof e.lockingUser - 1) && TakeField(rest, seconds) &&
                  TakeField(rest, e.volumeId) && TakeField(rest, importable) && TakeField(rest, compiled) &&
                  TakeField(rest, version)))
                continue;
            // A later pass brings only what lies beyond the last id; anything else is a repeat.
            if (continued && e.applicationId <= before) continue;
            LocalTimeFields(seconds, e.lockingTime);
            if (!havePrevious || e.applicationId > lastId) {
                lastId = e.applicationId;
                havePrevious = true;
                advanced = true;
            }
            if (mode == 4 && (importable == 0 || (e.customerId == customerId && e.applicationId == applicationId)))
                continue;
            kept.push_back(e);
        }
        // A pass that brings no id beyond the last ends the paging (it would repeat).
        if (!more || !advanced) break;
        filter.Reset("APPPROFILE");
        filter.Add(kEqual, "customerid", customerId);
        filter.Add(kEqual, "visible", 1);
        filter.Add(kGreaterThan, "appprofid", lastId);
    }
    return HandOut(kept, out);
}

int DirectoryClient::RetrieveLanguageList(KvLanguageEntry** out) {
    if (!out) return 60;
    const AttrList attributes{"vpromptlangid", "locallangid", "customerid", "locallangname", "modnum"};
    Filter filter("LOCALLANGUAGE");
    filter.Add(kEqual, "customerid", 1);
    filter.Add(kAtLeast, "vpromptlangid", 1);
    if (failed(Search(filter, attributes))) {
        GetLastError("CLDAP::RetrieveLanguageList");
        return 36;
    }
    std::vector<std::string> entries;
    if (const int rc = ReadEntries("CLDAP::RetrieveLanguageList", entries, false)) return rc;
    std::vector<KvLanguageEntry> kept;
    for (std::string rest : entries) {
        KvLanguageEntry e{};
        if (TakeField(rest, e.promptLanguageId) && TakeField(rest, e.localLanguageId) && TakeField(rest, e.customerId) &&
            TakeField(rest, e.name, sizeof e.name - 1) && TakeField(rest, e.modNumber))
            kept.push_back(e);
    }
    return HandOut(kept, out);
}

int DirectoryClient::RetrieveResPermList(KvResPermListEntry** out) {
    if (!out) return 60;
    const AttrList attributes{"rplname", "rplid"};
    const Filter filter("RESTRICTIONPERMISSION");
    if (failed(Search(filter, attributes))) {
        GetLastError("CLDAP::RetrieveResPermList");
        return 36;
    }
    std::vector<std::string> entries;
    if (const int rc = ReadEntries("CLDAP::RetrieveResPermList", entries, false)) return rc;
    std::vector<KvResPermListEntry> kept;
    for (std::string rest : entries) {
        KvResPermListEntry e{};
        if (TakeField(rest, e.name, 25) && TakeField(rest, e.listId)) kept.push_back(e);
    }
    return HandOut(kept, out);
}

int DirectoryClient::RetrieveVolumeList(KvVolumeEntry** out) {
    if (!out) return 60;
    const AttrList attributes{"volumenum"};
    const Filter filter("MMFSVOLUME");
    if (failed(Search(filter, attributes))) {
        GetLastError("CLDAP::RetrieveVolumeList");
        return 36;
    }
    std::vector<std::string> entries;
    if (const int rc = ReadEntries("CLDAP::RetrieveVolumeList", entries, false)) return rc;
    std::vector<KvVolumeEntry> kept;
    for (std::string rest : entries) {
        std::string value;
        while (TakeMultiField(rest, value)) {
            const std::size_t at = value.find("_F");
            if (at == std::string::npos) continue;
            const std::string digits = value.substr(at + 2);
            KvVolumeEntry e{};
            e.number = static_cast<std::int32_t>(std::strtol(digits.c_str(), nullptr, 10));
            CopyText(e.text, 5, digits);
            kept.push_back(e);
        }
    }
    return HandOut(kept, out);
}

int DirectoryClient::QueryApplicationExists(int customerId, int applicationId, int* version, const std::string& name) {
    const AttrList attributes{"appprofid", "appvernum"};
    Filter byId("APPPROFILE");
    byId.Add(kEqual, "appprofid", applicationId);
    byId.Add(kEqual, "customerid", customerId);
    byId.Add(kEqual, "visible", 1);
    if (failed(Search(byId, attributes))) {
        GetLastError("CLDAP::QueryApplicationExists (Id)");
        return 38;
    }
    std::vector<std::string> entries;
    if (ReadEntries("CLDAP::QueryApplicationExists (Id)", entries, true)) return 60;
    bool foundById = false;
    std::int32_t idOfId = 0, versionOfId = 0;
    for (std::string rest : entries) {
        if (TakeField(rest, idOfId) && TakeField(rest, versionOfId)) {
            foundById = true;
            break;
        }
    }
    Filter byName("APPPROFILE");
    byName.Add(kEqual, "customerid", customerId);
    byName.Add(kEqual, "appname", name);
    byName.Add(kEqual, "visible", 1);
    if (byName.Refused()) return 38;
    if (failed(Search(byName, attributes))) {
        GetLastError("CLDAP::QueryApplicationExists (Name)");
        return 38;
    }
    entries.clear();
    if (ReadEntries("CLDAP::QueryApplicationExists (Name)", entries, true)) return 60;
    bool foundByName = false;
    std::int32_t idOfName = 0, versionOfName = 0;
    for (std::string rest : entries) {
        if (TakeField(rest, idOfName) && TakeField(rest, versionOfName)) {
            foundByName = true;
            break;
        }
    }
    if (!foundById && !foundByName) return 100;
    if (foundById && !foundByName) return 102;
    if (!foundById) return 103;
    if (idOfId == idOfName && versionOfId == versionOfName) {
        if (version) *version = versionOfId;
        return 101;
    }
    return 102;
}

int DirectoryClient::RetrieveInUseState(int customerId, int applicationId, int& usage) {
    Filter imports("APPIMP");
    imports.Add(kEqual, "impedappid", applicationId);
    imports.Add(kEqual, "impedcustid", customerId);
    if (failed(Search(imports, AttrList{"appimpid"}))) {
        GetLastError("CLDAP::RetrieveInUseState (AppImp)");
        return 36;
    }
    std::vector<std::string> entries;
    if (ReadEntries("CLDAP::RetrieveInUseState (AppImp)", entries, true)) return 60;
    const bool imported = !entries.empty();
    Filter services("APPSERVICEPROFILE");
    services.Add(kEqual, "appid", applicationId);
    services.Add(kEqual, "customerid", customerId);
    if (failed(Search(services, AttrList{"serviceacdn"}))) {
        GetLastError("CLDAP::RetrieveInUseState (AppServiceProfile)");
        return 36;
    }
    entries.clear();
    if (ReadEntries("CLDAP::RetrieveInUseState (AppServiceProfile)", entries, true)) return 60;
    const bool assigned = !entries.empty();
    usage = imported && assigned ? 3 : imported ? 2 : assigned ? 1 : 0;
    return 0;
}

int DirectoryClient::RetrieveInUseState(int customerId, int applicationId, KvFlowsmithApp& app) {
    int usage = 0;
    const int rc = RetrieveInUseState(customerId, applicationId, usage);
    if (rc == 0) app.state.usage = usage;
    return rc;
}

int StandAloneApplicationList(KvAppListEntry** out) {
    std::vector<KvAppListEntry> kept;
    std::string folder;
    if (ProgramFolder(kKvProductKey, folder)) {
        std::error_code error;
        std::vector<std::string> names;
        for (const auto& item : std::filesystem::directory_iterator(std::filesystem::path(folder), error)) {
            const std::filesystem::path p = item.path();
            std::string ext = p.extension().string();
            for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (item.is_regular_file(error) && ext == ".ed") names.push_back(p.stem().string());
        }
        std::sort(names.begin(), names.end());
        for (const std::string& name : names) {
            KvAppListEntry e{};
            e.customerId = 1;
            e.applicationId = 1;
            e.volumeId = 1;
            CopyText(e.name, sizeof e.name, name);
            kept.push_back(e);
        }
    }
    return HandOut(kept, out);
}

int StandAloneLanguageList(KvLanguageEntry** out) {
    struct Row { int prompt; const char* name; };
    static const Row rows[] = {{3, "English"}, {5, "French"}, {7, "Polish"}};
    std::vector<KvLanguageEntry> kept;
    for (const Row& r : rows) {
        KvLanguageEntry e{};
        e.promptLanguageId = e.localLanguageId = r.prompt;
        e.customerId = 1;
        e.modNumber = 1;
        CopyText(e.name, sizeof e.name, r.name);
        kept.push_back(e);
    }
    return HandOut(kept, out);
}

int StandAloneResPermList(KvResPermListEntry** out) {
    std::vector<KvResPermListEntry> kept(2);
    std::memset(kept.data(), 0, kept.size() * sizeof(KvResPermListEntry));
    kept[0].listId = 6;
    CopyText(kept[0].name, sizeof kept[0].name, "RPL 1");
    kept[1].listId = 4;
    CopyText(kept[1].name, sizeof kept[1].name, "RPL 2");
    return HandOut(kept, out);
}

int StandAloneVolumeList(KvVolumeEntry** out) {
    std::vector<KvVolumeEntry> kept;
    for (const char* text : {"1", "2", "11"}) {
        KvVolumeEntry e{};
        e.number = std::atoi(text);
        CopyText(e.text, sizeof e.text, text);
        kept.push_back(e);
    }
    return HandOut(kept, out);
}

}  // namespace zlink
