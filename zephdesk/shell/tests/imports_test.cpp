// Imported applications of an open document: refusals, the model and server kept in step
// on a refusal, library names from the model after an open, and renaming an open document.
#include <memory>
#include <string>
#include <vector>

#include "shell/references/imports.h"
#include "opendocument_fixture.h"

namespace {

// The model's libraries as a list the test reads.
class FakeLibraries : public KvLibraryModel {
public:
    std::vector<std::string> libraries;
    std::vector<std::string> removed;
    std::vector<std::string> inUse;
    bool refuse = false;

    bool ImportLibrary(vlxHandleType, const char* library) override
    {
        if (refuse)
            return false;
        libraries.emplace_back(library);
        return true;
    }
    void RemoveLibrary(vlxHandleType, const char* library) override { removed.emplace_back(library); }
    bool IsLibraryInUse(vlxHandleType, const char* library) override
    {
        for (const std::string& name : inUse)
            if (name == library)
                return true;
        return false;
    }
    void GetLibraries(vlxHandleType, std::vector<std::string>& names) override { names = libraries; }
};

class ImportsTest : public OpenDocumentTest {
protected:
    ImportsTest() { KvSetLibraryModel(&libraries); }
    ~ImportsTest() override { KvSetLibraryModel(nullptr); }

    KvUserApp* Record(int id, const char* name)
    {
        auto* record = new KvUserApp("");
        record->SetInt(F_UA_ID, id);
        record->SetText(F_UA_NAME, name);
        record->Commit();
        return record;
    }

    std::vector<int> Ids()
    {
        std::vector<int> ids;
        KvObArray* list = app.GetList(F_UA_APPS);
        for (int i = 0; i < list->GetSize(); ++i)
            ids.push_back(static_cast<KvUserApp*>(list->GetAt(i))->GetInt(F_UA_ID));
        return ids;
    }

    FakeLibraries libraries;
};

}  // namespace

TEST_F(ImportsTest, AnImportIsRecordedInTheModelTheListAndOnTheServer)
{
    EXPECT_EQ(app.AddImport(Record(1234, "Billing")), 0);
    EXPECT_EQ(libraries.libraries, std::vector<std::string>{"Billing.1234"});
    EXPECT_EQ(Ids(), std::vector<int>{1234});
    ASSERT_EQ(link.importsSent.size(), 1u);
    ASSERT_EQ(link.importsSent[0].size(), 1u);
    EXPECT_EQ(link.importsSent[0][0].customerId, 1);
    EXPECT_EQ(link.importsSent[0][0].applicationId, 1234);
    EXPECT_EQ(link.calls.back(), "FileImport");
    EXPECT_TRUE(program->IsModified());
}

TEST_F(ImportsTest, TheOwnIdAndADuplicateAreRefused)
{
    std::unique_ptr<KvUserApp> own(Record(1500, "Self"));
    EXPECT_EQ(app.AddImport(own.get()), -1);
    EXPECT_EQ(Messages(), std::vector<std::string>{
                              "The import (Imported Application ID = 1500) could not be completed because \n"
                              "the ID matches the current application."});
    ASSERT_EQ(app.AddImport(Record(1234, "Billing")), 0);
    std::unique_ptr<KvUserApp> again(Record(1234, "Billing"));
    EXPECT_EQ(app.AddImport(again.get()), -1);
    EXPECT_EQ(Messages().size(), 1u);  // silently
    EXPECT_EQ(Ids(), std::vector<int>{1234});
    EXPECT_EQ(link.importsSent.size(), 1u);
}

TEST_F(ImportsTest, AServerRefusalTakesTheImportBackOutOfListAndModel)
{
    struct Case {
        int result;
        std::string message;
    };
    const Case cases[] = {
        {60, "The system could not update the list of imported applications on the server.\n"
             "Please check the connection to the server and try again."},
        {62, "Server disk is full. Server will not perform any operation"},
        {63, "Database space is full.Server will not perform any operation"},
        {64, "MISA space is full.Server will not perform any operation"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.result);
        link.results["FileImport"] = c.result;
        libraries.removed.clear();
        std::unique_ptr<KvUserApp> record(Record(1234, "Billing"));
        EXPECT_EQ(app.AddImport(record.get()), 1);
        EXPECT_EQ(Messages().back(), c.message);
        EXPECT_TRUE(Ids().empty());
        EXPECT_EQ(libraries.removed, std::vector<std::string>{"BILLING.1234"});
    }
    EXPECT_FALSE(program->IsModified());
}

TEST_F(ImportsTest, RemovalIsRefusedWhileInUseAndPutBackLastWhenTheServerRefuses)
{
    ASSERT_EQ(app.AddImport(Record(1234, "Billing")), 0);
    ASSERT_EQ(app.AddImport(Record(2345, "Orders")), 0);
    libraries.inUse = {"Billing.1234"};
    std::unique_ptr<KvUserApp> billing(Record(1234, "Billing"));
    EXPECT_EQ(app.RemoveImport(*billing), -1);
    EXPECT_EQ(Messages().back(), "The imported application: Billing.1234\ncannot be removed because it is currently in use.");
    EXPECT_EQ(Ids(), (std::vector<int>{1234, 2345}));

    libraries.inUse.clear();
    link.results["FileImport"] = 60;
    EXPECT_EQ(app.RemoveImport(*billing), 1);
    EXPECT_EQ(Ids(), (std::vector<int>{2345, 1234}));
    EXPECT_TRUE(libraries.removed.empty());

    link.results["FileImport"] = 0;
    EXPECT_EQ(app.RemoveImport(*billing), 0);
    EXPECT_EQ(Ids(), std::vector<int>{2345});
    EXPECT_EQ(libraries.removed, std::vector<std::string>{"BILLING.1234"});
    ASSERT_FALSE(link.importsSent.empty());
    EXPECT_EQ(link.importsSent.back().size(), 1u);
}

// The palette holds the program's library groups, which an import replaces: it lets go of
// them (no program) and takes the program again, only when the import went through.
TEST_F(ImportsTest, APaletteIsPointedAwayAndBackAfterEachImportThatWentThrough)
{
    std::vector<ed::Program*> told;
    KvSetPaletteRefresher([&told](ed::Program* shown) { told.push_back(shown); });
    const std::vector<ed::Program*> awayAndBack{nullptr, program.get()};

    std::unique_ptr<KvUserApp> own(Record(1500, "Self"));
    EXPECT_EQ(app.AddImport(own.get()), -1);
    link.results["FileImport"] = 60;
    std::unique_ptr<KvUserApp> refused(Record(1234, "Billing"));
    EXPECT_EQ(app.AddImport(refused.get()), 1);
    EXPECT_TRUE(told.empty());

    link.results["FileImport"] = 0;
    ASSERT_EQ(app.AddImport(Record(1234, "Billing")), 0);
    EXPECT_EQ(told, awayAndBack);

    told.clear();
    libraries.inUse = {"Billing.1234"};
    std::unique_ptr<KvUserApp> billing(Record(1234, "Billing"));
    EXPECT_EQ(app.RemoveImport(*billing), -1);
    EXPECT_TRUE(told.empty());
    libraries.inUse.clear();
    EXPECT_EQ(app.RemoveImport(*billing), 0);
    EXPECT_EQ(told, awayAndBack);
    KvSetPaletteRefresher(nullptr);
}

TEST_F(ImportsTest, LoadImportsTakesTheServersCurrentNameAndSkipsBadLibraryNames)
{
    libraries.libraries = {"OldName.1234", "Gone.2345", "NoPoint", "Low.999", "High.50000", "Odd.12x"};
    KvObArray serverApps;
    serverApps.Add(new KvUserApp(FakeLink::App(1234, "NewName")));
    app.LoadImports(&serverApps);
    EXPECT_EQ(Ids(), (std::vector<int>{1234, 2345}));
    KvObArray* list = app.GetList(F_UA_APPS);
    EXPECT_STREQ(static_cast<KvUserApp*>(list->GetAt(0))->GetText(F_UA_NAME), "NewName");
    EXPECT_STREQ(static_cast<KvUserApp*>(list->GetAt(1))->GetText(F_UA_NAME), "Gone");
    delete serverApps.GetAt(0);
}

TEST_F(ImportsTest, RenamingAnOpenDocumentMovesItsFileAndRefreshesTheCaptions)
{
    app.SetText(F_UA_NAME, "Renamed");
    app.Commit();
    const std::string path = program->GetFileName();
    EXPECT_NE(path.find("Renamed.ed"), std::string::npos) << path;
    EXPECT_EQ(path.size(), path.find("Renamed.ed") + 10);
    EXPECT_GE(host.captionUpdates, 1);
    EXPECT_TRUE(program->IsModified());

    KvUserApp closed("Other.ed");
    closed.SetText(F_UA_NAME, "Moved");
    closed.Commit();
    EXPECT_STREQ(closed.GetText(F_UA_NAME), "Moved");
}

TEST_F(ImportsTest, WithoutAProgramNothingIsImported)
{
    KvUserApp closed("Other.ed");
    std::unique_ptr<KvUserApp> record(Record(1234, "Billing"));
    EXPECT_EQ(closed.AddImport(record.get()), 1);
    EXPECT_TRUE(libraries.libraries.empty());
    EXPECT_TRUE(link.importsSent.empty());
}
