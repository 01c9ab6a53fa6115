// Auto-save in a logged-in designer against a stand-in server: applications opened from
// the server start timer 7 of the frame, a tick (the frame's timer message) rewrites the
// active application's local program file, the last close stops the timer, Options > Auto
// Save Options reaches its record, and a designer killed after an item was added and a
// tick has its copy offered at the next start, with the item.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "foundation/kvobarray.h"
#include "foundation/kvscrpres.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvdefstore.h"
#include "framework/softrec/kvdefstrings.h"
#include "framework/softrec/kvfldvlu.h"
#include "shell/app/modelexports.h"
#include "shell/app/processexit.h"
#include "owl/testing/dialog_driver.h"
#include "shell/app/uiapp.h"
#include "shell/autosave/designerautosave.h"
#include "shell/document/kvuserapp.h"
#include "shell/frame/uimdiframe.h"
#include "shell/items/designeritems.h"
#include "shell/items/kvsoftitem.h"
#include "shell/settings/inifile.h"
#include "shell/workspace/kvwinapp.h"
#include "shell/workspace/loginexports.h"
#include "standin_application.h"

namespace {

// Set for the child process that is killed after its tick: the entry of its application.
constexpr const char* kKilledChildVariable = "ZEPH_AUTOSAVE_KILLED_ENTRY";

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return in ? text.str() : std::string("<missing>");
}

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message != WM_QUIT)
            ::DispatchMessageA(&msg);
    }
}

std::string AppName(std::int32_t id)
{
    return "Aut" + std::to_string(id) + "_" + std::to_string(::GetCurrentProcessId() % 100000);
}

class AutoSaveOnStandinTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(std::getenv("VTSTANDIN_LDAP"), nullptr) << "runs only against a stand-in server";
        m_profilePath = ::testing::TempDir() + "autosave_standin.ini";
        std::remove(m_profilePath.c_str());
        m_profile = std::make_unique<IniFileProfile>(m_profilePath);
        SetShellExitHook([](int) {});
        KvSetDefinitionStore(&m_definitions);
        KvSetStringTable(&m_strings);
    }
    void TearDown() override
    {
        StopDesigner();
        for (const std::string& name : m_names)
            RemoveProgramFolderCopies(name);
        std::remove(m_profilePath.c_str());
        KvSetStringTable(nullptr);
        KvSetDefinitionStore(nullptr);
        SetShellExitHook(nullptr);
    }

    void StartDesigner()
    {
        m_app = StartStandinDesigner(*m_profile);
        ASSERT_NE(m_app->GetMDIFrame(), nullptr);
    }
    void StopDesigner()
    {
        if (m_app && m_app->GetMDIFrame() != nullptr) {
            for (KvUserApp* app : m_app->GetWorkspace()->UserApps()) {
                if (app->GetProgram() != nullptr)
                    app->GetProgram()->ClearModified();
            }
            ::SendMessageA(m_app->GetMDIFrame()->HWindow, WM_CLOSE, 0, 0);
        }
        m_app.reset();
        PumpMessages();
    }
    // A new application put on the server and opened from there by File > Open, named
    // after its ID and the process unless named here: the worker's result.
    int OpenNewApplication(std::int32_t id = 0, const std::string& name = "")
    {
        static int made = 0;
        if (id == 0)
            id = 1200 + ++made;
        const std::string named = !name.empty() ? name : AppName(id);
        m_names.push_back(named);
        EXPECT_EQ(PutStandinApplication(id, named), 0);
        RemoveProgramFolderCopies(named);
        return m_app->GetWorkspace()->OpenApplication((named + "|" + std::to_string(id) + "|1").c_str());
    }
    HWND Frame() const { return m_app->GetMDIFrame()->HWindow; }
    // Whether timer 7 ran; it is set again as the designer set it.
    bool TimerRuns()
    {
        if (::KillTimer(Frame(), 7) == FALSE)
            return false;
        ::SetTimer(Frame(), 7, 600000, nullptr);
        return true;
    }
    void Tick() { ::SendMessageA(Frame(), WM_TIMER, 7, 0); }
    KvUserApp& Active() { return *m_app->GetWorkspace()->GetActiveUserApp(); }
    std::string Texts() const
    {
        std::string texts;
        for (const auto& box : m_presenter.Boxes())
            texts += box.text + "\n";
        return texts;
    }

    KvScriptedPresenter m_presenter;
    KvScopedMessagePresenter m_scoped{m_presenter};
    KvBuiltinDefinitionStore m_definitions;
    KvDefinitionStrings m_strings;
    std::string m_profilePath;
    std::unique_ptr<IniFileProfile> m_profile;
    std::unique_ptr<UIApp> m_app;
    std::vector<std::string> m_names;
};

TEST_F(AutoSaveOnStandinTest, TicksRewriteTheActiveCopyAndOnlyTheLastCloseStopsTheTimer)
{
    StartDesigner();
    KvWinApp& workspace = *m_app->GetWorkspace();
    EXPECT_FALSE(TimerRuns());
    ASSERT_EQ(OpenNewApplication(), 0) << Texts();
    ASSERT_EQ(workspace.UserApps().size(), 1u) << Texts();
    ASSERT_NE(workspace.GetActiveUserApp(), nullptr);
    EXPECT_TRUE(TimerRuns());
    KvUserApp& first = Active();
    const std::string path = first.GetLocalFilePath();

    // Unmodified: the tick writes nothing.
    std::ofstream(path, std::ios::binary) << "stale";
    Tick();
    EXPECT_EQ(ReadFile(path), "stale");
    // Modified: the local file is what a save writes, and the program stays modified.
    first.SetModified();
    Tick();
    const std::string ticked = ReadFile(path);
    EXPECT_NE(ticked, "stale");
    EXPECT_EQ(first.IsModified(), 1);
    ASSERT_EQ(m_app->GetMDIFrame()->SaveProgramFile(first.GetProgram()), 1);
    EXPECT_EQ(ReadFile(path), ticked);

    // Closing the second-to-last application keeps the timer, the last one stops it.
    ASSERT_EQ(OpenNewApplication(), 0);
    ASSERT_EQ(workspace.UserApps().size(), 2u);
    for (KvUserApp* app : workspace.UserApps())
        app->GetProgram()->ClearModified();
    ::SendMessageA(Frame(), WM_COMMAND, kCmClose, 0);
    ASSERT_EQ(workspace.UserApps().size(), 1u);
    EXPECT_TRUE(TimerRuns());
    ::SendMessageA(Frame(), WM_COMMAND, kCmClose, 0);
    ASSERT_EQ(workspace.UserApps().size(), 0u);
    EXPECT_FALSE(TimerRuns());
    // No application active: a tick changes nothing, and the Define commands say why they
    // open no list.
    Tick();
    EXPECT_TRUE(m_presenter.Boxes().empty()) << m_presenter.Boxes()[0].text;
    ::SendMessageA(Frame(), WM_COMMAND, kCmDefineVoiceItems, 0);
    ::SendMessageA(Frame(), WM_COMMAND, kCmDefineFaxItems, 0);
    ASSERT_EQ(m_presenter.Boxes().size(), 2u);
    EXPECT_EQ(m_presenter.Boxes()[0].text, "Select an application window before attempting to define voice items.");
    EXPECT_EQ(m_presenter.Boxes()[1].text, "Select an application window before attempting to define fax items.");
}

TEST_F(AutoSaveOnStandinTest, AutoSaveOffOpensWithoutTimer)
{
    m_profile->WriteText("Main", "Auto Save Enabled", "FALSE");
    StartDesigner();
    ASSERT_EQ(OpenNewApplication(), 0);
    EXPECT_FALSE(TimerRuns());
}

// Options > Auto Save Options on the frame: the values the dialog closes with are the
// settings, a new interval restarts the timer at once, off stops it.
TEST_F(AutoSaveOnStandinTest, OptionsCommandWritesTheSettingsAndFollowsThemAtOnce)
{
    constexpr int kSaving = 101, kMinutes = 103;
    StartDesigner();
    ASSERT_EQ(OpenNewApplication(), 0) << Texts();
    auto runOptions = [&](const DialogDriver::Step& step) {
        DialogDriver driver(step);
        ::SendMessageA(Frame(), WM_COMMAND, kCmAutoSaveOptions, 0);
        EXPECT_TRUE(driver.Ran());
        EXPECT_FALSE(driver.TimedOut());
    };
    ::KillTimer(Frame(), 7);
    runOptions([&](HWND dialog) {
        ::SetDlgItemTextA(dialog, kMinutes, "5");
        PostClick(dialog, IDOK);
    });
    EXPECT_EQ(m_profile->ReadNumber("Main", "Auto Save Interval", 0), 5);
    EXPECT_TRUE(TimerRuns());
    runOptions([&](HWND dialog) {
        ::SendMessageA(::GetDlgItem(dialog, kSaving), BM_CLICK, 0, 0);
        PostClick(dialog, IDOK);
    });
    EXPECT_EQ(m_profile->ReadText("Main", "Auto Save Enabled", "", 128), "FALSE");
    EXPECT_FALSE(TimerRuns());
    EXPECT_TRUE(m_presenter.Boxes().empty()) << Texts();
}

// The child of the next test: opens its application, changes the program, lets a tick
// write it and dies without closing anything.
TEST_F(AutoSaveOnStandinTest, KilledChild)
{
    const char* given = std::getenv(kKilledChildVariable);
    if (given == nullptr || *given == '\0')
        GTEST_SKIP() << "run by KilledDesignerCopyIsOfferedAtTheNextStart";
    const std::string name = given;
    StartDesigner();
    ASSERT_EQ(OpenNewApplication(1290, name), 0);
    KvUserApp& app = Active();
    // An item added on the server (which writes the local copy), then a page only the tick
    // writes.
    auto* item = new KvVoiceItem(nullptr);
    KvFieldValue(F_VI_NAME, item) = CString("Greeting");
    KvFieldValue(F_VI_ID, item) = static_cast<short>(5);
    KvFieldValue(F_VI_DESCRIPTION, item) = CString("Welcome");
    item->Commit();
    ASSERT_EQ(item->AddToServer(), 1) << Texts();
    app.GetList(F_UA_VOICE_ITEMS)->Add(item);
    app.GetProgram()->AddPage(new ed::Page(app.GetProgram(), "Drawn", 1, 0));
    app.SetModified();
    Tick();
    std::fflush(nullptr);
    ::TerminateProcess(::GetCurrentProcess(), 3);
}

TEST_F(AutoSaveOnStandinTest, KilledDesignerCopyIsOfferedAtTheNextStart)
{
    const std::string name = AppName(1290);
    m_names.push_back(name);
    char exe[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string line = std::string("\"") + exe + "\" --gtest_filter=AutoSaveOnStandinTest.KilledChild";
    ASSERT_EQ(_putenv((std::string(kKilledChildVariable) + "=" + name).c_str()), 0);
    STARTUPINFOA start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION child{};
    const BOOL made = ::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &child);
    _putenv((std::string(kKilledChildVariable) + "=").c_str());
    ASSERT_TRUE(made);
    ASSERT_EQ(::WaitForSingleObject(child.hProcess, 120000), WAIT_OBJECT_0);
    DWORD code = 0;
    ::GetExitCodeProcess(child.hProcess, &code);
    ::CloseHandle(child.hThread);
    ::CloseHandle(child.hProcess);
    ASSERT_EQ(code, 3u) << "the child dies after its tick";
    ASSERT_FALSE(KvFilesOfName(KvProgramFolder(), name).empty());

    // The program folder holds only this copy: it is offered and taken.
    m_presenter.Answer(IDYES);
    StartDesigner();
    bool offered = false;
    for (const auto& box : m_presenter.Boxes())
        offered = offered || box.text.find(name) != std::string::npos;
    EXPECT_TRUE(offered);
    KvUserApp* recovered = m_app->GetWorkspace()->FindUserAppByName(name.c_str());
    ASSERT_NE(recovered, nullptr);
    ASSERT_NE(recovered->GetProgram(), nullptr);
    EXPECT_NE(recovered->GetProgram()->FindPage("Drawn"), nullptr);
    EXPECT_EQ(recovered->IsModified(), 1);
    // The recovered document lists the item of its program.
    KvObArray& voice = *recovered->GetList(F_UA_VOICE_ITEMS);
    ASSERT_EQ(voice.GetSize(), 1);
    auto* item = dynamic_cast<KvVoiceItem*>(voice.GetAt(0));
    ASSERT_NE(item, nullptr);
    EXPECT_STREQ(KvFieldValue(F_VI_NAME, item).AsText(), "Greeting");
    EXPECT_EQ(KvFieldValue(F_VI_ID, item).AsInt16(), 5);
    EXPECT_STREQ(KvFieldValue(F_VI_DESCRIPTION, item).AsText(), "Welcome");
}

}  // namespace
