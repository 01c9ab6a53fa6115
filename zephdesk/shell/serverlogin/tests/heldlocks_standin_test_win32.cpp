// A logged-in designer against a stand-in server whose applications are not all its own to
// change: the Locks command lists the lock another user holds, an application locked
// elsewhere is refused by Open and Delete with their messages and keeps its lock,
// and a server that dies in the middle of the session (its slapd killed) makes Save, Open,
// Delete and Close report their failures while the edit stays in the local copy, still
// modified. Save As onto an application another user holds is refused after the server
// link's own boxes, and neither the edit nor the other user's application changes. The
// recovery question and the refused close are saved as pictures.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "framework/definitions/defs_ids.h"
#include "programfile/build/include_files.h"
#include "shell/document/kvuserapp.h"
#include "owl/testing/dialog_driver.h"
#include "shell/frame/uimdiframe.h"
#include "shell/tests/complete_program.h"
#include "shell/tests/scripted_picker.h"
#include "shell/workspace/kvwinapp.h"
#include "backend.h"
#include "designer_surroundings.h"
#include "dialog_script.h"
#include "picturing_presenter.h"
#include "standin_application.h"

namespace {

constexpr UINT kCmNew = 4128, kCmOpen = 4129, kCmSave = 4130, kCmSaveAs = 4131, kCmDelete = 4230, kCmLocks = 4231;
constexpr int kLockList = 2008;

// The application of the server's fixture that user "sysadmin" holds from another machine.
constexpr std::int32_t kHeldId = 901;
constexpr const char* kHeldName = "Held";
// Another user of the server (its mailbox), who holds locks in some tests.
constexpr const char* kOtherUser = "4712";

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every cell of every row of a list view, the cells of a row joined by "|".
std::vector<std::string> ListRows(HWND list)
{
    const int columns = static_cast<int>(
        ::SendMessageA(reinterpret_cast<HWND>(::SendMessageA(list, LVM_GETHEADER, 0, 0)), HDM_GETITEMCOUNT, 0, 0));
    const int rows = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    std::vector<std::string> shown;
    for (int r = 0; r < rows; ++r) {
        std::string row;
        for (int c = 0; c < columns; ++c)
            row += (c > 0 ? "|" : "") + ListViewCell(list, r, c);
        shown.push_back(row);
    }
    return shown;
}

std::string Joined(const std::vector<std::string>& texts)
{
    std::string all;
    for (const std::string& text : texts)
        all += "[" + text + "]";
    return all;
}

// Ends the stand-in's directory server (a Linux process) as a crash would.
bool KillDirectoryServer()
{
    const char* pid = std::getenv("VTSTANDIN_SLAPD_PID");
    if (pid == nullptr || *pid == '\0')
        return false;
    std::string line = std::string("/bin/kill -KILL ") + pid;
    STARTUPINFOA start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION child{};
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &child))
        return false;
    ::CloseHandle(child.hThread);
    ::CloseHandle(child.hProcess);
    // Gone once its process entry is gone or a zombie (state Z) waiting for its parent.
    const std::string stat = std::string("Z:\\proc\\") + pid + "\\stat";
    for (int i = 0; i < 200; ++i) {
        const std::string line = ReadFile(stat);
        const std::size_t state = line.rfind(") ");
        if (line.empty() || (state != std::string::npos && line.compare(state + 2, 1, "Z") == 0))
            return true;
        ::Sleep(50);
    }
    return false;
}

// The message of a box: its longest static text (the icon has none).
std::string BoxText(HWND box)
{
    std::string text;
    for (HWND child = ::GetWindow(box, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char name[16] = "";
        ::GetClassNameA(child, name, sizeof name);
        char shown[512] = "";
        ::GetWindowTextA(child, shown, sizeof shown);
        if (lstrcmpiA(name, "Static") == 0 && std::strlen(shown) > text.size())
            text = shown;
    }
    return text;
}

class StandinDesignerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(std::getenv("VTSTANDIN_LDAP"), nullptr) << "runs only against a stand-in server";
        static int tests = 0;
        m_name = "Lck" + std::to_string(++tests) + "_" + std::to_string(::GetCurrentProcessId() % 100000);
        RemoveProgramFolderCopies(m_name);
        ASSERT_NO_FATAL_FAILURE(Start());
    }
    void TearDown() override
    {
        Stop();
        RemoveProgramFolderCopies(m_name);
    }
    void Start()
    {
        m_app = StartStandinDesigner(m_surroundings.profile);
        ASSERT_NE(m_app->GetWorkspace(), nullptr);
        ASSERT_NE(m_app->GetMDIFrame(), nullptr);
        m_app->GetWorkspace()->SetAppPicker(&m_picker);
    }
    void Stop()
    {
        if (m_app && m_app->GetWorkspace() != nullptr) {
            m_app->GetWorkspace()->SetAppPicker(nullptr);
            for (KvUserApp* app : m_app->GetWorkspace()->UserApps()) {
                if (app->GetProgram() != nullptr)
                    app->GetProgram()->ClearModified();
            }
        }
        if (m_app && m_app->GetMDIFrame() != nullptr)
            ::SendMessageA(m_app->GetMDIFrame()->HWindow, WM_CLOSE, 0, 0);
        m_app.reset();
        PumpPending();
    }
    void Command(UINT id) { ::SendMessageA(m_app->GetMDIFrame()->HWindow, WM_COMMAND, id, 0); }
    KvWinApp& Workspace() { return *m_app->GetWorkspace(); }
    // A new application of this test, made through File > New.
    KvUserApp* NewApplication(std::int32_t id)
    {
        m_picker.ones = {{id, m_name, 1, 0}};
        Command(kCmNew);
        KvUserApp* app = Workspace().FindUserAppByName(m_name.c_str());
        return app != nullptr && app->GetProgram() != nullptr ? app : nullptr;
    }
    std::string LocalCopy() const { return KvProgramFolder() + m_name + ".ed"; }
    std::string Texts() const { return Joined(m_presenter.Texts()); }

    PicturingPresenter m_presenter;
    KvScopedMessagePresenter m_scoped{m_presenter};
    DesignerSurroundings m_surroundings{"heldlocks_standin.ini"};
    ScriptedPicker m_picker;
    std::unique_ptr<UIApp> m_app;
    std::string m_name;
};

// Runs with the server's fixture of applications in states of other users.
class HeldLocksOnStandinTest : public StandinDesignerTest {
protected:
    // The rows of the Locks dialog, shown by the real list dialog of the command.
    std::vector<std::string> LockRows()
    {
        Workspace().SetAppPicker(nullptr);
        std::vector<std::string> rows;
        {
            DialogDriver driver([&](HWND dialog) {
                rows = ListRows(::GetDlgItem(dialog, kLockList));
                PostCloseBox(dialog);
            });
            Command(kCmLocks);
            EXPECT_TRUE(driver.Ran());
            EXPECT_FALSE(driver.TimedOut());
        }
        Workspace().SetAppPicker(&m_picker);
        return rows;
    }
    // The server's entries of an application of customer 1: its application entry and its
    // profiles.
    static std::vector<standin::LdapEntry> EntriesOf(standin::Backend& backend, std::int32_t id)
    {
        const std::string number = std::to_string(id);
        std::vector<standin::LdapEntry> entries =
            backend.find(standin::equalityFilter("APPLICATION", {{"appid", number}, {"customerid", "1"}}));
        for (const standin::LdapEntry& profile :
             backend.find(standin::equalityFilter("APPPROFILE", {{"appprofid", number}, {"customerid", "1"}})))
            entries.push_back(profile);
        return entries;
    }
    // Every entry of the application with all its values, in a fixed order: what the
    // server holds of it.
    static std::vector<std::string> ServerImage(std::int32_t id)
    {
        standin::Backend backend(standin::configFromEnvironment());
        std::vector<std::string> image;
        for (const standin::LdapEntry& entry : EntriesOf(backend, id)) {
            for (const auto& [name, values] : entry.attributes) {
                for (const std::string& value : values)
                    image.push_back(entry.dn + " " + name + "=" + value);
            }
        }
        std::sort(image.begin(), image.end());
        return image;
    }
    // The application's entries as another user's designer leaves them when it opens it.
    void HoldElsewhere(std::int32_t id)
    {
        standin::Backend backend(standin::configFromEnvironment());
        const std::vector<standin::LdapChange> lock = {
            {standin::LdapChange::Replace, "lockinguser", {kOtherUser}},
            {standin::LdapChange::Replace, "lockingpc", {"10.0.0.7"}},
            {standin::LdapChange::Replace, "lockingdatetime", {"1700000000"}},
        };
        const std::vector<standin::LdapEntry> entries = EntriesOf(backend, id);
        ASSERT_GE(entries.size(), 2u);
        for (const standin::LdapEntry& entry : entries)
            backend.modify(entry.dn, lock);
    }
    // The Locks row of the held application, or empty.
    std::string HeldRow()
    {
        for (const std::string& row : LockRows()) {
            if (row.find(kHeldName) != std::string::npos)
                return row;
        }
        return "";
    }
};

TEST_F(HeldLocksOnStandinTest, LocksListsTheApplicationAnotherUserHolds)
{
    const std::string row = HeldRow();
    EXPECT_NE(row.find("sysadmin"), std::string::npos) << row;
    EXPECT_NE(row.find(std::to_string(kHeldId)), std::string::npos) << row;
    EXPECT_EQ(Texts(), "");
}

// Another user's designer holds the lock of an application: Open and Delete each give their
// message and change nothing.
TEST_F(HeldLocksOnStandinTest, AnApplicationHeldElsewhereIsRefusedByOpenAndDelete)
{
    constexpr std::int32_t kOtherId = 1510;
    const std::string other = "Oth" + std::to_string(::GetCurrentProcessId() % 100000);
    ASSERT_EQ(PutStandinApplication(kOtherId, other), 0);
    RemoveProgramFolderCopies(other);
    ASSERT_NO_FATAL_FAILURE(HoldElsewhere(kOtherId));

    struct Case {
        const char* what;
        UINT command;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"open", kCmOpen,
         "The application could not be opened because it is currently being\nupdated by another administrator.\n"
         "Please try again later."},
        {"delete", kCmDelete,
         "The application '" + other + "' cannot be deleted\nbecause it is opened for edit on another machine."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_presenter.scripted.Clear();
        m_presenter.scripted.Answer(IDYES);
        m_picker.manies = {{{kOtherId, other, 1, 0}}};
        Command(c.command);
        const std::vector<std::string> texts = m_presenter.Texts();
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.back(), c.message) << Texts();
        EXPECT_EQ(Workspace().FindUserAppByName(other.c_str()), nullptr);
    }

    // The lock is still the other user's: the server lists it so.
    bool listed = false;
    for (const std::string& row : LockRows())
        listed = listed || (row.find(other) != std::string::npos && row.find(kOtherUser) != std::string::npos);
    EXPECT_TRUE(listed);
    RemoveProgramFolderCopies(other);
}

// Save As onto an application another user's designer holds: the server link asks whether
// to replace it and says Save As must go elsewhere; the designer then gives its own message.
// The edit stays modified in the document under its own name, no file of the other name is
// left behind, the other user's application on the server is as it was, and a Save then
// takes the edit to the server.
TEST_F(HeldLocksOnStandinTest, SaveAsOntoAnApplicationHeldElsewhereIsRefusedAndLosesNothing)
{
    constexpr std::int32_t kTargetId = 1520;
    const std::string target = "Tgt" + std::to_string(::GetCurrentProcessId() % 100000);
    ASSERT_EQ(PutStandinApplication(kTargetId, target), 0);
    RemoveProgramFolderCopies(target);
    ASSERT_NO_FATAL_FAILURE(HoldElsewhere(kTargetId));
    const std::vector<std::string> before = ServerImage(kTargetId);

    // A complete application is built, with the include files of an installation.
    std::filesystem::create_directories("C:\\Flowsmith\\Include");
    ASSERT_EQ(zeph::WriteIncludeFiles("C:\\Flowsmith\\Include\\"), 0);
    KvUserApp* app = NewApplication(1521);
    ASSERT_NE(app, nullptr) << Texts();
    ASSERT_NE(ReadFile(LocalCopy()).find("Attendant"), std::string::npos);
    // The edit: the Attendant block goes and every other block leads to the End block, which
    // makes the application complete.
    ed::Program* program = app->GetProgram();
    ed::Page* main = program->GetMainPage();
    ed::VavurOrezo* attendant = main->FindVavurOrezo("Attendant");
    ASSERT_NE(attendant, nullptr);
    m_app->GetMDIFrame()->NotifyChildren(attendant, 3, 3);
    main->RemoveVavurOrezo(attendant);
    LeadEveryBlockToEnd(*main);
    ASSERT_EQ(program->SearchPages(0), 1) << "a block is still unfinished";
    program->SetModified();

    m_presenter.scripted.Clear();
    m_picker.ones = {{kTargetId, target, 1, 0}};
    // The server link's own boxes are real ones, outside the designer's responder: each is
    // read and answered in turn.
    std::vector<std::string> linkBoxes;
    auto answer = [&](int button) {
        return [&, button](HWND box) {
            linkBoxes.push_back(BoxText(box));
            PostClick(box, button);
        };
    };
    {
        DialogScript script({answer(IDYES), answer(IDOK)});
        Command(kCmSaveAs);
        EXPECT_FALSE(script.Unexpected());
        EXPECT_FALSE(script.TimedOut());
    }
    EXPECT_EQ(Joined(linkBoxes), "[The application '" + target + "' already exists. \nDo you wish to replace it?]"
                                 "[YOU MUST DO SAVE AS INSTEAD CUZ THE Target App IS Locked by another PC]");
    EXPECT_EQ(Texts(), "[The target application is locked by another PC.]");

    // Nothing is lost: the document keeps its name and its edit, still to be saved.
    ASSERT_EQ(Workspace().FindUserAppByName(m_name.c_str()), app);
    EXPECT_EQ(app->GetInt(F_UA_ID), 1521);
    EXPECT_TRUE(program->IsModified());
    EXPECT_EQ(main->FindVavurOrezo("Attendant"), nullptr);
    // The edit is in the document's own local copy, which a designer that ends now offers
    // back at the next start.
    EXPECT_EQ(ReadFile(LocalCopy()).find("Attendant"), std::string::npos);
    EXPECT_TRUE(KvFilesOfName(KvProgramFolder(), target).empty());
    EXPECT_EQ(ServerImage(kTargetId), before);

    m_presenter.scripted.Clear();
    Command(kCmSave);
    EXPECT_EQ(Texts(), "");
    EXPECT_FALSE(program->IsModified());
    EXPECT_EQ(app->IsComplete(), 1);
    EXPECT_EQ(ReadFile(LocalCopy()).find("Attendant"), std::string::npos);
    EXPECT_EQ(ServerImage(kTargetId), before);
}

// A designer killed after its edit was written locally: the next start asks about the copy
// (the question saved as a picture); No leaves the copy for later.
TEST_F(HeldLocksOnStandinTest, TheRecoveryQuestionOfAKilledDesignersCopy)
{
    KvUserApp* app = NewApplication(1502);
    ASSERT_NE(app, nullptr) << Texts();
    app->GetProgram()->AddPage(new ed::Page(app->GetProgram(), "Drawn", 1, 0));
    ASSERT_EQ(app->Save(0), 0) << Texts();
    app->GetProgram()->ClearModified();
    app->SetProgram(nullptr);
    Workspace().RemoveUserApp(app);
    Stop();
    ASSERT_TRUE(std::filesystem::exists(LocalCopy()));

    m_presenter.scripted.Clear();
    m_presenter.Picture("A recovery version of the application '" + m_name + "'", "recovery_question_8007", IDNO);
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_FALSE(m_presenter.Saved().empty()) << Texts();
    EXPECT_EQ(Workspace().FindUserAppByName(m_name.c_str()), nullptr);
    EXPECT_TRUE(std::filesystem::exists(LocalCopy()));
}

// Its own server, which it kills.
class ServerDownOnStandinTest : public StandinDesignerTest {};

TEST_F(ServerDownOnStandinTest, EveryCommandReportsItsFailureAndTheEditStaysLocal)
{
    KvUserApp* app = NewApplication(1601);
    ASSERT_NE(app, nullptr) << Texts();
    ed::Program* program = app->GetProgram();
    program->AddPage(new ed::Page(program, "Saved", 1, 0));
    program->SetModified();
    // Saved (as an incomplete application, which is said in a note).
    Command(kCmSave);
    ASSERT_FALSE(program->IsModified()) << Texts();

    program->AddPage(new ed::Page(program, "Unsaved", 1, 0));
    program->SetModified();
    ASSERT_TRUE(KillDirectoryServer());

    struct Case {
        const char* what;
        UINT command;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"save", kCmSave, "The system could not save the application on the server.\n"},
        {"open", kCmOpen, "The system could not load the application from the server.\n"},
        {"delete", kCmDelete, "The system could not delete the application from the server.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_presenter.scripted.Clear();
        m_presenter.scripted.Answer(IDYES);
        m_picker.manies = {{{1602, "Other", 1, 0}}};
        Command(c.command);
        const std::vector<std::string> texts = m_presenter.Texts();
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.back().rfind(c.message, 0), 0u) << Texts();
        // The edit is neither reported saved nor lost.
        ASSERT_EQ(Workspace().FindUserAppByName(m_name.c_str()), app);
        EXPECT_TRUE(program->IsModified());
        EXPECT_NE(ReadFile(LocalCopy()).find("Unsaved"), std::string::npos);
    }

    // Close: the server cannot let go; the message is saved as a picture, and the local
    // copy with the edit stays for the next start.
    m_presenter.scripted.Clear();
    m_presenter.scripted.Answer(IDNO);
    m_presenter.Picture("Server could not unlock application.", "close_refused_8071", IDOK);
    Command(kCmClose);
    EXPECT_FALSE(m_presenter.Saved().empty()) << Texts();
    EXPECT_EQ(Workspace().FindUserAppByName(m_name.c_str()), nullptr);
    EXPECT_NE(ReadFile(LocalCopy()).find("Unsaved"), std::string::npos);
}

}  // namespace
