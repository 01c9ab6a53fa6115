// The frame's program files under Wine with the real editor and model: opening an
// application file into a page window (or bringing an open one forward), and saving a
// program, with the name dialog for "Untitled", the program folder set on the first save
// and a read-only file left alone.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "../../editor/tests/canvas_fixture.h"
#include "editor/file/programfile.h"
#include "editor/frame/statusline.h"
#include "editor/page/editmdi_win32.h"
#include "editor/page/pageservices.h"
#include "foundation/kvscrpres.h"
#include "foundation/kvvif.h"
#include "framework/kvbeep.h"
#include "framework/kvimglst.h"
#include "owl/mdiclient.h"
#include "owl/module.h"
#include "owl/testing/dialog_driver.h"
#include "shell/dialogs/basedialog.h"
#include "shell/frame/uimdiframe.h"
#include "shell/settings/inifile.h"

namespace {

class QuietServices : public ed::PageServices {
public:
    void ShowPage(ed::Page*) override {}
    bool AskBlockName(HWND, const std::string&, std::string&) override { return false; }
    void ShowBlockMenu(HWND, ed::VavurOrezo&, std::int32_t, std::int32_t) override {}
    void ShowPageMenu(HWND, std::int32_t, std::int32_t) override {}
    void PrintedPageSize(int, std::int32_t& w, std::int32_t& h) override { w = h = 0; }
    KvMainFrame* MainFrame() override { return nullptr; }
    bool IsFrameClosing() override { return false; }
    bool HasApplication() override { return true; }
    int SaveApplication(ed::Program&) override { return 0; }
    void CloseApplication(ed::Program&) override {}
    int AskSaveChanges(HWND, const std::string&) override { return IDNO; }
};

// Remembers the program the model was last pointed at.
class ActivationModel : public ed::test::RecordingModel {
public:
    using RecordingModel::RecordingModel;
    void ActivateProgram(vlxHandleType program) override {
        last = program;
        RecordingModel::ActivateProgram(program);
    }
    vlxHandleType last = nullptr;
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string CurrentFolder() {
    char folder[MAX_PATH] = "";
    ::GetCurrentDirectoryA(sizeof folder, folder);
    return folder;
}

class FrameProgramsTest : public ed::test::CanvasTest {
protected:
    FrameProgramsTest() {
        m_started = CurrentFolder();
        m_temp = ::testing::TempDir();
        if (!m_temp.empty() && m_temp.back() != '\\' && m_temp.back() != '/') m_temp += '\\';
        const char* vlx = std::getenv("VLX");
        m_oldVlx = vlx ? vlx : "";
        desk::SetDialogModules(&m_module, nullptr);
        // The palette's tab window draws from the framework's image lists.
        CreateGlobalImageLists();
        KvSetBeepHook([this](UINT type) { m_beeps.push_back(type); });
        m_profile = std::make_unique<IniFileProfile>(m_temp + "frameprograms.ini");
        client = new TMDIClient;
        frame = new UIMDIFrame("programs", *client, *m_profile, m_options, nullptr, &m_module);
        frame->Attr.X = frame->Attr.Y = 0;
        frame->Attr.W = 800;
        frame->Attr.H = 600;
        frame->Create();
        frame->Show(SW_SHOWNORMAL);
        windows = std::make_unique<ed::EditWindows>(*client, services);
        frame->SetPageWindows(windows.get());
        frame->SetProgramPorts(FrameProgramPorts{windows.get(), &host, &activations, &imports});
    }
    ~FrameProgramsTest() override {
        windows.reset();
        frame->Destroy();
        delete frame;
        KvSetBeepHook(nullptr);
        DestroyGlobalImageLists();
        desk::SetDialogModules(nullptr, nullptr);
        ::SetEnvironmentVariableA("VLX", m_oldVlx.empty() ? nullptr : m_oldVlx.c_str());
        _putenv(("VLX=" + m_oldVlx).c_str());
        ::SetCurrentDirectoryA(m_started.c_str());
    }

    // A folder under the test folder with its UPROG folder, made the VLX variable.
    std::string UseVlx(const char* name) {
        const std::string vlx = m_temp + name;
        ::CreateDirectoryA(vlx.c_str(), nullptr);
        ::CreateDirectoryA((vlx + "\\UPROG").c_str(), nullptr);
        _putenv(("VLX=" + vlx).c_str());
        return vlx + "\\UPROG";
    }
    // The fixture's program written to a file, with one block on its main page.
    std::string WriteProgramFile(const char* name) {
        Add(main, "Greeting", 393, 40, 40);
        const std::string path = m_temp + name;
        std::remove(path.c_str());
        EXPECT_EQ(ed::ProgramFile::Save(path, *program, nullptr, ""), 1);
        return path;
    }
    // A program of its own in a page window; its last window deletes it.
    ed::Program* ShowNewProgram(const char* path) {
        auto* shown = new ed::Program(host, activations, &imports, path, 0);
        shown->AddPage(new ed::Page(shown, "Main", ed::kPageMain, 0));
        shown->ClearModified();
        windows->CreateEditWindow(*shown, shown->GetMainPage());
        return shown;
    }
    HWND ActiveChild() {
        return reinterpret_cast<HWND>(::SendMessageA(client->HWindow, WM_MDIGETACTIVE, 0, 0));
    }

    TModule m_module{"shell_tests", ::GetModuleHandleA(nullptr)};
    std::uint32_t m_options = 0x4;  // the status line shows
    std::unique_ptr<IniFileProfile> m_profile;
    KvScriptedPresenter m_presenter;
    KvScopedMessagePresenter m_scoped{m_presenter};
    std::vector<UINT> m_beeps;
    ActivationModel activations{model};
    QuietServices services;
    TMDIClient* client = nullptr;
    UIMDIFrame* frame = nullptr;
    std::unique_ptr<ed::EditWindows> windows;
    std::string m_temp, m_oldVlx, m_started;
};

TEST_F(FrameProgramsTest, OpeningReadsTheFileOnceAndThenBringsItsMainPageForward) {
    const std::string path = WriteProgramFile("zq34open.ed");
    ASSERT_EQ(frame->OpenProgramFile(path), 0);
    ASSERT_EQ(windows->Windows().size(), 1u);
    ed::EditMDI* opened = windows->Windows()[0];
    ed::Program& loaded = opened->GetProgram();
    EXPECT_FALSE(loaded.IsModified());
    EXPECT_NE(loaded.FindVavurOrezo("Greeting"), nullptr);
    EXPECT_EQ(opened->GetPage(), loaded.FindPage("Main"));
    char caption[64] = "";
    ::GetWindowTextA(opened->HWindow, caption, sizeof caption);
    EXPECT_STREQ(caption, "zq34open.ed");

    // Another window in front; the same path again reads nothing and shows "Main".
    ed::Program* other = ShowNewProgram("C:\\APPS\\OTHER.ED");
    EXPECT_EQ(frame->GetCurrentProgram(), other);
    EXPECT_EQ(frame->OpenProgramFile(path), 0);
    EXPECT_EQ(windows->Windows().size(), 2u);
    EXPECT_EQ(ActiveChild(), opened->HWindow);
    EXPECT_EQ(frame->GetCurrentProgram(), &loaded);

    // The comparison is exact: another spelling of the path is another file.
    const std::string upper = m_temp + "ZQ34OPEN.ED";
    EXPECT_EQ(frame->OpenProgramFile(upper), 0);
    EXPECT_EQ(windows->Windows().size(), 3u);
    std::remove(path.c_str());
}

TEST_F(FrameProgramsTest, AFileThatCannotBeReadAnswersOneAndLeavesTheActiveProgramCurrent) {
    ed::Program* shown = ShowNewProgram("C:\\APPS\\SHOWN.ED");
    const std::string garbage = m_temp + "zq34bad.ed";
    std::ofstream(garbage, std::ios::binary) << "not a program";
    for (const std::string& path : {m_temp + "zq34missing.ed", garbage}) {
        SCOPED_TRACE(path);
        other->Activate();
        activations.last = nullptr;
        m_presenter.Clear();
        for (int i = 0; i < 8; ++i) m_presenter.Answer(IDNO);
        EXPECT_EQ(frame->OpenProgramFile(path), 1);
        EXPECT_EQ(windows->Windows().size(), 1u);
        EXPECT_FALSE(m_presenter.Boxes().empty());
        EXPECT_EQ(activations.last, shown->Handle());
    }
    std::remove(garbage.c_str());
}

TEST_F(FrameProgramsTest, SavingNeedsAPageWindowOrAProgram) {
    EXPECT_EQ(frame->SaveProgramFile(), 0);
    EXPECT_STREQ(frame->GetStatusLine()->GetText(), "Select window containing a program before executing this command.");
    EXPECT_EQ(m_beeps, (std::vector<UINT>{MB_ICONEXCLAMATION}));

    // The document passes its own program, shown or not.
    const std::string folder = UseVlx("zq34vlxa");
    program->SetFileName("zq34given.ed");
    std::remove((folder + "\\zq34given.ed").c_str());
    EXPECT_EQ(frame->SaveProgramFile(program.get()), 1);
    EXPECT_TRUE(Exists(folder + "\\zq34given.ed"));
    std::remove((folder + "\\zq34given.ed").c_str());
}

TEST_F(FrameProgramsTest, TheFirstSaveSwitchesToTheProgramFolderOnce) {
    const std::string first = UseVlx("zq34vlx1");
    ed::Program* shown = ShowNewProgram("zq34rel.ed");
    shown->SetModified();
    EXPECT_EQ(frame->SaveProgramFile(), 1);
    EXPECT_TRUE(Exists(first + "\\zq34rel.ed"));
    EXPECT_FALSE(shown->IsModified());
    char caption[64] = "";
    ::GetWindowTextA(windows->Windows()[0]->HWindow, caption, sizeof caption);
    EXPECT_STREQ(caption, "zq34rel.ed");

    // Another VLX later changes nothing: the folder was set for the run.
    const std::string second = UseVlx("zq34vlx2");
    shown->SetFileName("zq34rel2.ed");
    EXPECT_EQ(frame->SaveProgramFile(), 1);
    EXPECT_TRUE(Exists(first + "\\zq34rel2.ed"));
    EXPECT_FALSE(Exists(second + "\\zq34rel2.ed"));
    ::SetCurrentDirectoryA(m_started.c_str());
    for (const char* file : {"\\zq34rel.ed", "\\zq34rel2.ed", "\\zq34rel.BAK", "\\zq34rel2.BAK"})
        std::remove((first + file).c_str());
}

TEST_F(FrameProgramsTest, UntitledAsksForANameAndCancelWritesNothing) {
    UseVlx("zq34vlx3");
    char progDir[kKvPathMax] = "";
    ASSERT_TRUE(GetProgDir(progDir));
    const std::string folder = progDir;
    for (std::size_t at = folder.find('\\', 3); at != std::string::npos; at = folder.find('\\', at + 1))
        ::CreateDirectoryA(folder.substr(0, at).c_str(), nullptr);
    std::remove((folder + "zq34nmd.ed").c_str());
    std::remove((folder + "zq34nmd.dsc").c_str());
    ed::Program* shown = ShowNewProgram("Untitled");

    {
        DialogDriver driver([](HWND window) { PostClick(window, IDCANCEL); });
        EXPECT_EQ(frame->SaveProgramFile(), 0);
    }
    EXPECT_STREQ(shown->GetFileName(), "Untitled");

    {
        DialogDriver driver([](HWND window) {
            ::SetDlgItemTextA(window, 100, "zq34nmd");
            PostClick(window, IDOK);
        });
        EXPECT_EQ(frame->SaveProgramFile(), 1);
    }
    EXPECT_STREQ(shown->GetFileName(), "zq34nmd.ed");
    EXPECT_TRUE(Exists(folder + "zq34nmd.ed"));
    char caption[64] = "";
    ::GetWindowTextA(windows->Windows()[0]->HWindow, caption, sizeof caption);
    EXPECT_STREQ(caption, "zq34nmd.ed");
    ::SetCurrentDirectoryA(m_started.c_str());
    for (const char* file : {"zq34nmd.ed", "zq34nmd.dsc"}) std::remove((folder + file).c_str());
}

TEST_F(FrameProgramsTest, AReadOnlyFileKeepsItsBytes) {
    const std::string folder = UseVlx("zq34vlx4");
    const std::string path = folder + "\\zq34locked.ed";
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    std::ofstream(path, std::ios::binary) << "kept bytes";
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    ed::Program* shown = ShowNewProgram(path.c_str());
    shown->SetModified();

    EXPECT_EQ(frame->SaveProgramFile(), 0);
    EXPECT_EQ(ReadAll(path), "kept bytes");
    ASSERT_EQ(m_presenter.Boxes().size(), 1u);
    EXPECT_EQ(m_presenter.Boxes()[0].text, "Program is set to read only cannot save over.");
    EXPECT_EQ(m_presenter.Boxes()[0].caption, "Error!");
    EXPECT_EQ(m_presenter.Boxes()[0].style & 0xF0u, std::uint32_t(kKvMbIconHand));
    EXPECT_EQ(m_presenter.Boxes()[0].owner, KvBoxOwner::None);
    EXPECT_TRUE(shown->IsModified());
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::SetCurrentDirectoryA(m_started.c_str());
    std::remove(path.c_str());
}

}  // namespace
