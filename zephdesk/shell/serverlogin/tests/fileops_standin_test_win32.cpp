// The File menu of a logged-in designer against a running stand-in server: new, edit,
// save, close, open and delete, each sent as the menu sends it, with the list dialogs'
// choices scripted and every box recorded.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/samples/sampleprograms.h"
#include "foundation/kvscrpres.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvdefstore.h"
#include "framework/softrec/kvdefstrings.h"
#include "kvlink.h"
#include "model/interface/vlx.h"
#include "programfile/build/include_files.h"
#include "shell/app/modelexports.h"
#include "shell/app/processexit.h"
#include "shell/app/uiapp.h"
#include "shell/document/kvuserapp.h"
#include "shell/frame/uimdiframe.h"
#include "shell/operations/localfiles.h"
#include "shell/settings/inifile.h"
#include "shell/tests/complete_program.h"
#include "shell/tests/scripted_picker.h"
#include "shell/workspace/kvwinapp.h"
#include "shell/workspace/loginexports.h"

namespace {

constexpr const char* kAdministratorLine =
    "Flowsmith :  : Standin : 0 : 127.0.0.1 : 0 : 0 : 0 : 4711 : 0 : 1 : 1 : F59F060B21F1BA85 : 2 : "
    "ctx-test-0001 : 0 : 0 : 40718396";

class FileMenuOnStandinTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(std::getenv("VTSTANDIN_LDAP"), nullptr) << "runs only against a stand-in server";
        // The server's template of new applications: a new program as the editor writes it.
        const char* store = std::getenv("VTSTANDIN_STORE");
        ASSERT_NE(store, nullptr);
        std::ostringstream written;
        ASSERT_EQ(ed::WriteNewProgramFile(std::string(store) + "\\d\\tarvix\\templates\\default.ed", written), 1)
            << written.str();
        // The system include files of the builds, where the designer looks for them.
        std::filesystem::create_directories("C:\\Flowsmith\\Include");
        ASSERT_EQ(zeph::WriteIncludeFiles("C:\\Flowsmith\\Include\\"), 0);
        SetShellExitHook([](int) {});
        // The test program carries no definition resources: the built-in ones stand in.
        KvSetDefinitionStore(&m_definitions);
        m_profilePath = ::testing::TempDir() + "fileops_standin.ini";
        std::remove(m_profilePath.c_str());
        m_profile = std::make_unique<IniFileProfile>(m_profilePath);
        KvSetStringTable(&m_strings);
        ASSERT_NO_FATAL_FAILURE(Start());
        const std::string suffix = std::to_string(::GetCurrentProcessId() % 100000);
        m_name = "Ops" + suffix;
        m_folder = KvProgramFolder();
        m_presenter.Clear();
    }
    void TearDown() override
    {
        Stop();
        // Copies left in the program folder would be offered for recovery by later starts.
        for (const std::string& file : KvFilesOfName(m_folder, m_name))
            std::remove((m_folder + file).c_str());
        std::remove(m_profilePath.c_str());
        KvSetStringTable(nullptr);
        KvSetDefinitionStore(nullptr);
        SetShellExitHook(nullptr);
    }

    // A logged-in designer, its list dialogs scripted.
    void Start()
    {
        m_app = std::make_unique<UIApp>("Flowsmith", ::GetModuleHandleA(nullptr), nullptr, kAdministratorLine,
                                        SW_SHOWNORMAL,
                                        UIAppCalls{*m_profile, ExportLoginCalls(), ModelExportCalls()});
        m_app->InitInstance();
        ASSERT_NE(m_app->GetWorkspace(), nullptr);
        ASSERT_NE(m_app->GetMDIFrame(), nullptr);
        m_app->GetWorkspace()->SetAppPicker(&m_picker);
    }
    void Stop()
    {
        if (m_app && m_app->GetWorkspace() != nullptr)
            m_app->GetWorkspace()->SetAppPicker(nullptr);
        if (m_app && m_app->GetMDIFrame() != nullptr)
            ::SendMessageA(m_app->GetMDIFrame()->HWindow, WM_CLOSE, 0, 0);
        m_app.reset();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message != WM_QUIT)
                ::DispatchMessageA(&msg);
        }
    }
    void Command(UINT id) { ::SendMessageA(m_app->GetMDIFrame()->HWindow, WM_COMMAND, id, 0); }
    KvWinApp& Workspace() { return *m_app->GetWorkspace(); }
    KvUserApp* OnlyApp()
    {
        return Workspace().UserApps().size() == 1 ? Workspace().UserApps()[0] : nullptr;
    }
    std::string Messages() const
    {
        std::string texts;
        for (const auto& box : m_presenter.Boxes())
            texts += "[" + box.text + "]";
        return texts;
    }
    bool Exists(const std::string& name, const char* extension) const
    {
        return std::filesystem::exists(m_folder + name + extension);
    }
    // The edit: the new program's Attendant block goes and every other block leads to the
    // End block, so that the application is complete. The page windows let go first.
    void MakeComplete(ed::Program& program)
    {
        ed::Page* main = program.GetMainPage();
        ed::VavurOrezo* attendant = main->FindVavurOrezo("Attendant");
        ASSERT_NE(attendant, nullptr);
        m_app->GetMDIFrame()->NotifyChildren(attendant, 3, 3);
        main->RemoveVavurOrezo(attendant);
        LeadEveryBlockToEnd(*main);
        ASSERT_EQ(program.SearchPages(0), 1) << "a block is still unfinished";
        program.SetModified();
    }

    KvScriptedPresenter m_presenter;
    KvScopedMessagePresenter m_scoped{m_presenter};
    KvBuiltinDefinitionStore m_definitions;
    KvDefinitionStrings m_strings;
    ScriptedPicker m_picker;
    std::string m_profilePath;
    std::unique_ptr<IniFileProfile> m_profile;
    std::unique_ptr<UIApp> m_app;
    std::string m_name;
    std::string m_folder;
};

TEST_F(FileMenuOnStandinTest, AnApplicationGoesThroughTheFileMenuFromNewToDelete)
{
    // New: the application is made on the server and shown in its page window.
    m_picker.ones = {{1301, m_name, 1, 0}};
    Command(4128);
    KvUserApp* app = OnlyApp();
    ASSERT_NE(app, nullptr) << Messages();
    ASSERT_NE(app->GetProgram(), nullptr);
    const char* recent = m_app->GetMDIFrame()->GetRecentSlot(1);
    EXPECT_EQ(recent != nullptr ? recent : "", m_name + "|1301|1");

    // Edit and save: the complete application is built and reaches the server.
    MakeComplete(*app->GetProgram());
    Command(4130);
    EXPECT_EQ(Messages(), "");
    EXPECT_FALSE(app->GetProgram()->IsModified());
    EXPECT_TRUE(Exists(m_name, ".tsl"));
    EXPECT_TRUE(Exists(m_name, ".run"));

    // Close: the server lets go and the local copy goes.
    Command(4132);
    EXPECT_TRUE(Workspace().UserApps().empty());
    EXPECT_FALSE(Exists(m_name, ".ed"));

    // Open: the edit comes back from the server.
    m_picker.manies = {{{1301, m_name, 1, 0}}};
    Command(4129);
    app = OnlyApp();
    ASSERT_NE(app, nullptr) << Messages();
    EXPECT_EQ(app->GetProgram()->GetMainPage()->FindVavurOrezo("Attendant"), nullptr);
    EXPECT_EQ(app->IsComplete(), 1);

    // Close again, and delete: the application leaves the server, and opening it again
    // is refused.
    Command(4132);
    EXPECT_TRUE(Workspace().UserApps().empty());
    m_presenter.Answer(IDYES);
    m_picker.manies = {{{1301, m_name, 1, 0}}};
    Command(4230);
    const std::string asked = "[Are you sure you want to delete the application '" + m_name + "'?]";
    EXPECT_TRUE(Messages().empty() || Messages() == asked) << Messages();
    m_presenter.Clear();
    m_picker.manies = {{{1301, m_name, 1, 0}}};
    Command(4129);
    EXPECT_TRUE(Workspace().UserApps().empty());
    EXPECT_NE(Messages(), "");
}

TEST_F(FileMenuOnStandinTest, AnEditWrittenLocallyIsRecoveredAtTheNextStart)
{
    m_picker.ones = {{1401, m_name, 1, 0}};
    Command(4128);
    KvUserApp* app = OnlyApp();
    ASSERT_NE(app, nullptr) << Messages();
    MakeComplete(*app->GetProgram());
    ASSERT_EQ(app->Save(0), 0);
    // The designer ends as a killed one does: the server keeps its lock and the local copy
    // stays, with nothing asked.
    app->GetProgram()->ClearModified();
    app->SetProgram(nullptr);
    Workspace().RemoveUserApp(app);
    Stop();
    ASSERT_TRUE(Exists(m_name, ".ed"));

    // The next start asks; No leaves the copy where it is, for the start after.
    m_presenter.Clear();
    m_presenter.Answer(IDNO);
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(m_presenter.Boxes().size(), 1u);
    EXPECT_TRUE(Workspace().UserApps().empty());
    Stop();
    ASSERT_TRUE(Exists(m_name, ".ed"));

    // Yes restores the edit, marked modified.
    m_presenter.Clear();
    m_presenter.Answer(IDYES);
    ASSERT_NO_FATAL_FAILURE(Start());
    const std::string asked = "A recovery version of the application '" + m_name +
                              "' was found.\nDo you wish to restore the application now?";
    ASSERT_FALSE(m_presenter.Boxes().empty());
    EXPECT_EQ(m_presenter.Boxes()[0].text, asked);
    app = OnlyApp();
    ASSERT_NE(app, nullptr) << Messages();
    EXPECT_TRUE(app->GetProgram()->IsModified());
    EXPECT_EQ(app->GetProgram()->GetMainPage()->FindVavurOrezo("Attendant"), nullptr);

    // The save reaches the server: opened again after a close, the edit is there.
    m_presenter.Clear();
    Command(4130);
    EXPECT_EQ(Messages(), "");
    EXPECT_FALSE(app->GetProgram()->IsModified());
    Command(4132);
    ASSERT_TRUE(Workspace().UserApps().empty());
    m_picker.manies = {{{1401, m_name, 1, 0}}};
    Command(4129);
    app = OnlyApp();
    ASSERT_NE(app, nullptr) << Messages();
    EXPECT_EQ(app->GetProgram()->GetMainPage()->FindVavurOrezo("Attendant"), nullptr);
}

}  // namespace
