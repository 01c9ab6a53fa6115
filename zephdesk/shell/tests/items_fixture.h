// Item tests: the documents' fixture with the definitions' texts as the string table, so
// that the records' own verification messages read as the program shows them, and a fake
// workspace and application that record what the item workers ask of them.
#pragma once

#include <string>
#include <vector>

#include "framework/softrec/kvdefstrings.h"
#include "shell/items/itemworkspace.h"
#include "userapp_fixture.h"

// The model's dialog module, which tests never open.
inline void* ItemsNoDialogModule()
{
    static int module = 1;
    return &module;
}

class FakeItemApplication : public KvItemApplication {
public:
    int modified = 0;
    bool spokenName = false;
    int spokenNameAdds = 0;
    int serverResult = 0;  // of the add, remove and content delete
    std::vector<std::string> serverCalls;
    KvSoftRec* document = nullptr;

    std::int32_t ApplicationId() override { return 4711; }
    void SetModified() override { modified = 1; }
    bool IsSpokenNameRecorded() override { return spokenName; }
    int AddSpokenNameItem() override
    {
        ++spokenNameAdds;
        spokenName = true;
        return 0;
    }
    int AddItemOnServer(int kind, const char* name, int id, const char*) override
    {
        return Call("add", kind, name, id);
    }
    int RemoveItemOnServer(int kind, const char* name, int id, const char*) override
    {
        return Call("remove", kind, name, id);
    }
    int DeleteFaxContentOnServer(const char* name, int id, const char*) override { return Call("reset", 3, name, id); }
    KvSoftRec* DocumentRecord() override { return document; }

private:
    int Call(const char* what, int kind, const char* name, int id)
    {
        serverCalls.push_back(std::string(what) + " " + std::to_string(kind) + " " + name + " " +
                              std::to_string(id));
        return serverResult;
    }
};

class FakeItemWorkspace : public KvItemWorkspace {
public:
    FakeItemApplication* active = nullptr;
    bool choose = true;
    bool confirmDeletes = false;
    std::string chosen = "C:\\media\\hello.wav";
    std::vector<std::string> titles;
    std::vector<std::string> cursors;
    int refreshes = 0;

    KvItemApplication* ActiveItemApplication() override { return active; }
    bool ChooseImportFile(const KvItemFileDialog& dialog, char (&path)[kKvImportPathRoom]) override
    {
        titles.push_back(std::string(dialog.title) + "|" + dialog.filter + "|" + dialog.pattern + "|" +
                         dialog.extension);
        if (!choose)
            return false;
        chosen.copy(path, chosen.size());
        return true;
    }
    void SetWaitCursor() override { cursors.push_back("wait"); }
    void SetArrowCursor() override { cursors.push_back("arrow"); }
    void UpdateCommandStates() override { ++refreshes; }
    bool ConfirmsDeletes() override { return confirmDeletes; }
};

class ItemsTest : public UserAppTest {
protected:
    ItemsTest() { KvSetStringTable(&m_strings); }
    ~ItemsTest() override { KvSetStringTable(nullptr); }

private:
    KvDefinitionStrings m_strings;
};
