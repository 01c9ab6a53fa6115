// A shell with an active user application whose voice and fax item lists are real soft
// records (22801 and 22802 in the application's fields 25251 and 25252), the model's other
// names, an item clipboard and the paste-conflict resolver; it counts the application's
// commits, the resolver's questions and the pastes.
#pragma once

#include <algorithm>
#include <map>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvdefstore.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvrecarr.h"
#include "framework/softrec/kvsrecmem.h"
#include "softrec_fixture.h"

// The user application: a memory record that counts its commits.
class CountingApp : public KvSoftRecMem {
public:
    CountingApp() : KvSoftRecMem(DEF_USER_APP) {}
    ~CountingApp() override { DiscardEdits(); }
    int Commit() override
    {
        ++commits;
        return KvSoftRecMem::Commit();
    }
    int commits = 0;
};

struct ShownItem {
    std::string name;
    int id;
    bool operator==(const ShownItem& other) const { return name == other.name && id == other.id; }
};

class ItemShell : public SoftRecShell {
public:
    ItemShell() = default;

    // Adds an item to the application's list (committed; the commit is not counted).
    void AddItem(bool fax, const char* name, int id, bool inUse = false)
    {
        auto* item = new KvSoftRecMem(fax ? DEF_FAX_ITEM : DEF_VOICE_ITEM);
        KvFieldValue(fax ? F_FI_NAME : F_VI_NAME, item) = CString(name);
        KvFieldValue(fax ? F_FI_ID : F_VI_ID, item) = static_cast<short>(id);
        KvFieldValue(fax ? F_FI_IN_USE : F_VI_IN_USE, item) = CString(inUse ? "Yes" : "No");
        item->Commit();
        KvFieldValue list(ListField(fax), &app);
        KvRecArray layer(&list.AsRecArray());
        layer.Add(item);
        list = layer;
        app.Commit();
        app.commits = 0;
    }
    // The application's items in list order.
    std::vector<ShownItem> Items(bool fax)
    {
        std::vector<ShownItem> items;
        KvRecArray layer(&KvFieldValue(ListField(fax), &app).AsRecArray());
        for (int i = 0; i < layer.GetSize(); ++i) {
            KvSoftRec* item = layer.GetAt(i);
            items.push_back({static_cast<const char*>(KvFieldValue(fax ? F_FI_NAME : F_VI_NAME, item).AsText()),
                             KvFieldValue(fax ? F_FI_ID : F_VI_ID, item).AsInt16()});
        }
        return items;
    }

    static WORD ListField(bool fax) { return fax ? F_UA_FAX_ITEMS : F_UA_VOICE_ITEMS; }

    // The application's lists (2301-2303, 2314, 2315), each file-list kind's server record
    // (2305-2310, its file list) and the server record's other lists (2311-2313, 2316).
    bool ResolveDataLink(WORD linkId, KvFieldValue& field) override
    {
        const struct {
            WORD link, field;
            bool onServer;
        } links[] = {
            {LINK_APP_FUNCTIONS, F_UA_FUNCTIONS, false}, {LINK_APP_VOICE_ITEMS, F_UA_VOICE_ITEMS, false},
            {LINK_APP_FAX_ITEMS, F_UA_FAX_ITEMS, false}, {LINK_APP_APPS, F_UA_APPS, false},
            {LINK_APP_RESPERM_USED, F_UA_RESPERM_USED, false}, {LINK_FILES_KIND2, F_SRV_APPS, true},
            {LINK_FILES_KIND1, F_SRV_APPS, true}, {LINK_FILES_KIND6, F_SRV_APPS, true},
            {LINK_FILES_KIND3, F_SRV_APPS, true}, {LINK_FILES_KIND4, F_SRV_APPS, true},
            {LINK_FILES_KIND5, F_SRV_APPS, true}, {LINK_SRV_DIRECTORIES, F_SRV_DIRECTORIES, true},
            {LINK_SRV_RESPERM, F_SRV_RESPERM, true}, {LINK_SRV_LANGUAGES, F_SRV_LANGUAGES, true},
            {LINK_SRV_VOLUMES, F_SRV_VOLUMES, true},
        };
        for (const auto& l : links) {
            if (l.link != linkId)
                continue;
            field.SetFieldID(l.field);
            field.SetSoftRec(l.onServer ? &Server(linkId) : static_cast<KvSoftRec*>(&app));
            return true;
        }
        return false;
    }
    // The server record a data link reads: one per file-list kind, one for the other lists.
    KvSoftRecMem& Server(WORD linkId)
    {
        const WORD key = linkId >= LINK_FILES_KIND2 && linkId <= LINK_FILES_KIND5 ? linkId : 0;
        auto& server = servers[key];
        if (!server)
            server = std::make_unique<KvSoftRecMem>(DEF_SERVER);
        return *server;
    }
    void RefreshDataLink(WORD linkId) override { calls.push_back("Refresh " + std::to_string(linkId)); }
    void PumpDataLink(WORD linkId, int position) override
    {
        calls.push_back("Pump " + std::to_string(linkId) + " " + std::to_string(position));
    }
    KvSoftRec* GetActiveUserApp() override { return &app; }
    KvSoftRec* NewVoiceItem() override { return NewItem(false); }
    KvSoftRec* NewFaxItem() override { return NewItem(true); }
    bool CheckNewVoiceItem(const char* name, int id, bool& nameFree, bool& idFree) override
    {
        return Check(false, name, id, nameFree, idFree);
    }
    bool CheckNewFaxItem(const char* name, int id, bool& nameFree, bool& idFree) override
    {
        return Check(true, name, id, nameFree, idFree);
    }

    void HoldVoiceItem(KvSoftRec& record, bool clearFirst) override { Hold(false, record, clearFirst); }
    void HoldFaxItem(KvSoftRec& record, bool clearFirst) override { Hold(true, record, clearFirst); }
    bool IsClipboardWithoutVoiceItem() override { return std::count(held.begin(), held.end(), false) == 0; }
    bool IsClipboardWithoutFaxItem() override { return std::count(held.begin(), held.end(), true) == 0; }
    bool IsClipboardWithoutBlocks() override { return !clipboardHasBlocks; }
    bool IsClipboardFromActiveApp() override { return !held.empty() && clipboardFromActiveApp; }
    int GetAllNameConflicts(std::vector<zeph::TClipInfo>& conflicts) override
    {
        conflicts.insert(conflicts.end(), pasteConflicts.begin(), pasteConflicts.end());
        return static_cast<int>(pasteConflicts.size());
    }
    int ResolveConflicts(std::vector<zeph::TClipInfo>& conflicts) override
    {
        resolverQuestions += static_cast<int>(conflicts.size());
        return resolverAnswer;
    }
    void PasteClipboardVoiceItems(const std::vector<zeph::TClipInfo>&) override { Paste(false); }
    void PasteClipboardFaxItems(const std::vector<zeph::TClipInfo>&) override { Paste(true); }

    CountingApp app;
    std::map<WORD, std::unique_ptr<KvSoftRecMem>> servers;
    std::set<std::string> modelNames;  // names the model uses besides the items
    // The clipboard: the held items' names and IDs, and their kinds (true: fax).
    std::vector<ShownItem> heldItems;
    std::vector<bool> held;
    bool clipboardFromActiveApp = false;
    bool clipboardHasBlocks = false;
    std::vector<zeph::TClipInfo> pasteConflicts;
    int resolverAnswer = 1;
    int resolverQuestions = 0;
    int pastes = 0;

private:
    KvSoftRec* NewItem(bool fax)
    {
        int next = 1;
        for (const auto& item : Items(fax))
            next = std::max(next, item.id + 1);
        auto* item = new KvSoftRecMem(fax ? DEF_FAX_ITEM : DEF_VOICE_ITEM);
        KvFieldValue(fax ? F_FI_ID : F_VI_ID, item) = static_cast<short>(next);
        item->Commit();
        return item;
    }
    bool Check(bool fax, const char* name, int id, bool& nameFree, bool& idFree)
    {
        nameFree = *name != '\0' && modelNames.count(name) == 0;
        for (bool kind : {false, true}) {
            for (const auto& item : Items(kind))
                nameFree = nameFree && item.name != name;
        }
        idFree = true;
        for (const auto& item : Items(fax))
            idFree = idFree && item.id != id;
        return nameFree && idFree;
    }
    void Hold(bool fax, KvSoftRec& record, bool clearFirst)
    {
        if (clearFirst) {
            held.clear();
            heldItems.clear();
        }
        held.push_back(fax);
        heldItems.push_back({static_cast<const char*>(KvFieldValue(fax ? F_FI_NAME : F_VI_NAME, &record).AsText()),
                             KvFieldValue(fax ? F_FI_ID : F_VI_ID, &record).AsInt16()});
        clipboardFromActiveApp = true;
    }
    void Paste(bool fax)
    {
        ++pastes;
        for (std::size_t i = 0; i < held.size(); ++i) {
            if (held[i] != fax)
                continue;
            KvSoftRec* item = NewItem(fax);
            KvFieldValue(fax ? F_FI_NAME : F_VI_NAME, item) = CString((heldItems[i].name + " copy").c_str());
            item->Commit();
            KvFieldValue list(ListField(fax), &app);
            KvRecArray layer(&list.AsRecArray());
            layer.Add(item);
            list = layer;
        }
    }
};

// Answers the items' dialogs without showing them: each call runs the next scripted step on
// the record and answers what the step returns (Cancel once the script has run out).
class ScriptedItemDialogs : public KvRecordEditor {
public:
    using Step = std::function<int(KvSoftRec&)>;
    std::vector<Step> steps;
    std::vector<WORD> dialogs;
    int RunSoftDialog(WORD dialogId, WORD, KvSoftRec& record) override
    {
        dialogs.push_back(dialogId);
        if (dialogs.size() > steps.size())
            return 2;
        const int answer = steps[dialogs.size() - 1](record);
        if (answer == 1 && !record.Commit())
            return 2;
        if (answer != 1)
            record.DiscardEdits();
        return answer;
    }
    int RunPropertySheet(WORD, KvSoftRec&) override { return 2; }

    // A step that types a name and (unless 0) an ID, then OK.
    static Step Set(const char* name, int id, bool fax = false)
    {
        return [=](KvSoftRec& record) {
            KvFieldValue(fax ? F_FI_NAME : F_VI_NAME, &record) = CString(name);
            if (id != 0)
                KvFieldValue(fax ? F_FI_ID : F_VI_ID, &record) = static_cast<short>(id);
            return 1;
        };
    }
};

// Definitions of a test first, then the program's own.
class LayeredStore : public KvMemoryDefinitionStore {
public:
    bool Find(WORD defId, const WORD*& words, int& count) override
    {
        return KvMemoryDefinitionStore::Find(defId, words, count) ||
               KvPlatformDefinitionStore().Find(defId, words, count);
    }
};
