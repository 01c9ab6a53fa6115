// Clipboard links of the workspace: imported applications carried with copied blocks and
// pasted into the active application, restriction/permission items carried the same way,
// and the parameter records' hooks without an active application.
#include <string>
#include <vector>

#include "framework/softrec/kvfldvlu.h"
#include "shell/references/imports.h"
#include "shell/workspace/kvwinapp.h"
#include "opendocument_fixture.h"

namespace {

class Active : public ActiveApplication {
public:
    KvUserApp* app = nullptr;
    bool ActiveName(std::string& name) override
    {
        if (app != nullptr)
            name = static_cast<const char*>(app->GetText(F_UA_NAME));
        return app != nullptr;
    }
    KvUserApp* ActiveUserApp() override { return app; }
};

class Libraries : public KvLibraryModel {
public:
    std::vector<std::string> imported;
    bool ImportLibrary(vlxHandleType, const char* library) override
    {
        imported.emplace_back(library);
        return true;
    }
    void RemoveLibrary(vlxHandleType, const char*) override {}
    bool IsLibraryInUse(vlxHandleType, const char*) override { return false; }
    void GetLibraries(vlxHandleType, std::vector<std::string>& names) override { names = imported; }
};

class ClipLinksTest : public OpenDocumentTest {
protected:
    ClipLinksTest()
    {
        workspace.SetActiveApplication(&active);
        KvSetLibraryModel(&libraries);
    }
    ~ClipLinksTest() override { KvSetLibraryModel(nullptr); }

    std::vector<int> ImportIds(KvUserApp& owner)
    {
        std::vector<int> ids;
        KvObArray* list = owner.GetList(F_UA_APPS);
        for (int i = 0; i < list->GetSize(); ++i)
            ids.push_back(static_cast<KvUserApp*>(list->GetAt(i))->GetInt(F_UA_ID));
        return ids;
    }

    KvWinApp workspace{nullptr};
    Active active;
    Libraries libraries;
};

}  // namespace

TEST_F(ClipLinksTest, AnImportedApplicationIsCarriedOnceAndNotPastedIntoItself)
{
    active.app = &app;
    workspace.AddClipboardImport("Billing.1234");
    workspace.AddClipboardImport("Billing.1234");  // a second block importing the same one
    workspace.AddClipboardImport("Orders.2345");
    workspace.AddClipboardImport("NoPoint");
    workspace.AddClipboardImport("Low.999");
    ASSERT_NE(workspace.GetClipUserApp(), nullptr);
    EXPECT_EQ(ImportIds(*workspace.GetClipUserApp()), (std::vector<int>{1234, 2345}));
    EXPECT_EQ(workspace.GetClipUserApp()->GetInt(F_UA_ID), 1500);

    // Pasting into Billing itself (ID 1234) skips Billing and imports Orders.
    app.SetInt(F_UA_ID, 1234);
    app.Commit();
    workspace.PasteClipboardImports();
    EXPECT_EQ(ImportIds(app), std::vector<int>{2345});
    EXPECT_EQ(libraries.imported, std::vector<std::string>{"Orders.2345"});
    workspace.PasteClipboardImports();  // already imported: nothing more
    EXPECT_EQ(ImportIds(app), std::vector<int>{2345});
}

TEST_F(ClipLinksTest, WithoutAnActiveApplicationNothingIsCarried)
{
    workspace.AddClipboardImport("Billing.1234");
    EXPECT_EQ(workspace.GetClipUserApp(), nullptr);
    EXPECT_FALSE(workspace.IsImportRefHeld());
}

TEST_F(ClipLinksTest, ARestrictionPermissionItemIsCarriedAndPasted)
{
    KvResPermListEntry rp{};
    rp.listId = 17;
    link.resPerms.push_back(rp);
    active.app = &app;
    app.AddResPermUse(17);
    EXPECT_EQ(workspace.CutCopyResPermItem(18, 1), 0);
    EXPECT_EQ(workspace.CutCopyResPermItem(17, 1), 1);
    ASSERT_NE(workspace.GetClipUserApp(), nullptr);
    EXPECT_EQ(workspace.GetClipUserApp()->GetList(F_UA_RESPERM_USED)->GetSize(), 1);

    KvUserApp target("Target.ed");
    target.SetProgram(program.get());
    active.app = &target;
    workspace.PasteClipboardResPerms();
    KvObArray& used = *target.GetList(F_UA_RESPERM_USED);
    ASSERT_EQ(used.GetSize(), 1);
    EXPECT_EQ(KvFieldValue(F_RPU_LIST_ID, static_cast<KvSoftRec*>(used.GetAt(0))).AsInt32(), 17);
    EXPECT_EQ(link.calls.back(), "ResPermUsed");
    target.SetProgram(nullptr);
}

TEST_F(ClipLinksTest, HooksWithoutAnActiveApplicationShowTheirMessageAndChangeNothing)
{
    EXPECT_EQ(KvWinApp::AddResPermUse(17), 0);
    EXPECT_EQ(KvWinApp::UpdateResPermData(), 0);
    EXPECT_EQ(KvWinApp::UpdateLanguageUse(), 0);
    EXPECT_EQ(KvWinApp::RemoveResPermUse(17), 0);
    const std::string import = "Select an application window before attempting to import.";
    EXPECT_EQ(Messages(), (std::vector<std::string>{import, import, import,
                                                    "Select an application window before attempting to remove an import."}));
    EXPECT_EQ(app.GetList(F_UA_RESPERM_USED)->GetSize(), 0);
    EXPECT_TRUE(link.calls.empty());

    active.app = &app;
    EXPECT_EQ(KvWinApp::AddResPermUse(17), 0);
    EXPECT_EQ(app.GetList(F_UA_RESPERM_USED)->GetSize(), 1);
    EXPECT_EQ(Messages().size(), 4u);
}
