// A scripted server link for the document and list tests: lists handed out as the client
// library hands them (arrays ended by a zero entry, freed by the caller), result codes set
// per call, and every import or permission request recorded as sent.
#pragma once

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "kvlink.h"
#include "shell/serverlists/kvlinkcalls.h"

class FakeLink : public KvLinkCalls {
public:
    std::vector<KvAppListEntry> apps, pump;
    std::vector<KvResPermListEntry> resPerms;
    std::vector<KvLanguageEntry> languages;
    std::vector<KvVolumeEntry> volumes;
    std::map<std::string, int> results;  // call name -> result code (0 when absent)
    std::vector<std::string> calls;
    int outstanding = 0;  // lists handed out and not freed
    std::vector<std::vector<KvImportEntry>> importsSent;
    std::vector<std::vector<KvResPermEntry>> resPermsSent;
    int lastKind = 0, lastAppId = 0;

    int FilesToDisplay(KvAppListEntry** list, int kind, int, int applicationId) override
    {
        lastKind = kind;
        lastAppId = applicationId;
        return HandOut("FilesToDisplay", apps, list);
    }
    int FilesToPump(KvAppListEntry** list) override { return HandOut("FilesToPump", pump, list); }
    int ResPermToDisplay(KvResPermListEntry** list) override { return HandOut("ResPermToDisplay", resPerms, list); }
    int LanguagesToDisplay(KvLanguageEntry** list) override { return HandOut("LanguagesToDisplay", languages, list); }
    int VolumeToDisplay(KvVolumeEntry** list) override { return HandOut("VolumeToDisplay", volumes, list); }
    int FreeAllocatedMemory(void* list) override
    {
        --outstanding;
        delete[] static_cast<char*>(list);
        return 0;
    }
    int FileImport(KvImportRequest* request) override { return Imports("FileImport", request); }
    int GetDataFromFS(KvImportRequest* request) override { return Imports("GetDataFromFS", request); }
    int ResPermUsed(int, int, KvResPermRequest* request) override
    {
        calls.push_back("ResPermUsed");
        std::vector<KvResPermEntry> sent;
        for (KvResPermEntry* e = request != nullptr ? request->resPerms : nullptr; e != nullptr && e->customerId != 0;
             ++e)
            sent.push_back(*e);
        resPermsSent.push_back(sent);
        return Result("ResPermUsed");
    }
    int GetResPermDataFromFS(int, int, KvResPermEntry*) override { return Result("GetResPermDataFromFS"); }
    int importUsage = 0;  // the usage word IsImported answers
    int IsImported(int, int, int* out) override
    {
        if (out != nullptr)
            *out = importUsage;
        return Result("IsImported");
    }
    int FileProperties(KvAppInfo* info) override
    {
        calls.push_back("FileProperties");
        if (info != nullptr)
            lastInfo = *info;
        return Result("FileProperties");
    }
    int EncryptString(const char* text, char* out) override
    {
        ++encodes;
        const std::size_t n = std::strlen(text);
        for (int i = 0; i < 8; ++i)
            out[i] = n != 0 ? static_cast<char>(text[i % n] + 1) : 0;
        return 0;
    }

    int GetUnusedID(int* out) override
    {
        calls.push_back("GetUnusedID");
        *out = unusedId;
        return Result("GetUnusedID");
    }
    int unusedId = 4321;
    KvAppInfo lastInfo{};
    int encodes = 0;

    static KvAppListEntry App(int id, const char* name)
    {
        KvAppListEntry e{};
        e.customerId = 1;
        e.applicationId = id;
        std::strncpy(e.name, name, sizeof e.name - 1);
        e.volumeId = 1;
        return e;
    }

private:
    int Result(const std::string& call)
    {
        auto it = results.find(call);
        return it != results.end() ? it->second : 0;
    }

    template <class Entry>
    int HandOut(const std::string& call, const std::vector<Entry>& entries, Entry** list)
    {
        calls.push_back(call);
        const int result = Result(call);
        if (result != 0)
            return result;
        char* block = new char[(entries.size() + 1) * sizeof(Entry)]();
        if (!entries.empty())
            std::memcpy(block, entries.data(), entries.size() * sizeof(Entry));
        *list = reinterpret_cast<Entry*>(block);
        ++outstanding;
        return 0;
    }

    int Imports(const std::string& call, KvImportRequest* request)
    {
        calls.push_back(call);
        std::vector<KvImportEntry> sent;
        for (KvImportEntry* e = request != nullptr ? request->imports : nullptr;
             e != nullptr && (e->customerId != 0 || e->applicationId != 0); ++e)
            sent.push_back(*e);
        importsSent.push_back(sent);
        return Result(call);
    }
};

// Installs a fake link for the lifetime of the object.
class ScopedLink {
public:
    explicit ScopedLink(KvLinkCalls* calls) : m_previous(KvGetLinkCalls()) { KvSetLinkCalls(calls); }
    ~ScopedLink() { KvSetLinkCalls(m_previous); }

private:
    KvLinkCalls* m_previous;
};
