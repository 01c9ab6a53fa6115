// The frame's program files under Wine with the real editor and model: opening an
// application file into a page window (or bringing an open one forward), and saving a
// program, with the name dialog for "Untitled", the program folder set on the first save
// and a read-only file left alone; the model library's notices and the messages that show
// a block or open a file, with two windows of one program.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "../../editor/tests/canvas_fixture.h"
#include "editor/canvas/icons.h"
#include "editor/canvas/vavurorezo.h"
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
#include "mainframe_fixture.h"
#include "pagewindows_fixture.h"

namespace {

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

// The page windows as the frame reaches them, counting the change notices it passes on.
class CountingPages : public FramePageWindows {
public:
    explicit CountingPages(ed::EditWindows& windows) : m_windows(windows) {}
    bool DescribePage(HWND child, bool& hasCanvas, std::int32_t& zoom) override {
        return m_windows.DescribePage(child, hasCanvas, zoom);
    }
    void EndSelectionMode(HWND child) override { m_windows.EndSelectionMode(child); }
    void NotifyChildren(void* object, int kind, int scope) override {
        notices.push_back({kind, scope});
        m_windows.NotifyChildren(object, kind, scope);
    }
    void UpdateChildCaptions() override { m_windows.UpdateChildCaptions(); }
    std::vector<std::pair<int, int>> notices;

private:
    ed::EditWindows& m_windows;
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
        frame = ShowTestMainFrame("programs", *client, *m_profile, m_options, m_module);
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

class FrameNoticesTest : public FrameProgramsTest {
protected:
    FrameNoticesTest() {
        frame->SetPageWindows(&pages);
        shown = new ed::Program(host, activations, &imports, "C:\\APPS\\NOTICE.ED", 0);
        shown->AddPage(new ed::Page(shown, "Main", ed::kPageMain, 0));
        second = new ed::Page(shown, "Second", ed::kPageMain, 0);
        shown->AddPage(second);
        block = AddTo(shown->GetMainPage(), "Asker");
        shown->ClearModified();
        // Two windows of the program's main page; its last window deletes it.
        windows->CreateEditWindow(*shown, shown->GetMainPage());
        windows->CreateEditWindow(*shown, shown->GetMainPage());
        pages.notices.clear();
    }
    ~FrameNoticesTest() override { frame->SetPageWindows(windows.get()); }
    ed::VavurOrezo* AddTo(ed::Page* page, const char* name) {
        std::shared_ptr<ed::VavurOrezoIcon> icon = palette ? palette->FindIconShared(393) : nullptr;
        std::shared_ptr<ed::TypeRecord> record = icon ? icon->Record() : std::make_shared<ed::TypeRecord>();
        int refused = 0;
        auto* added = new ed::VavurOrezo(page, name, record, icon, 20, 20, refused);
        page->AddVavurOrezo(added);
        return added;
    }
    LRESULT Notice(WPARAM code, const void* record) {
        return ::SendMessageA(frame->HWindow, kFrameMsgNotification, code, reinterpret_cast<LPARAM>(record));
    }
    LRESULT ShowBlock(const char* name, std::int16_t mode, WPARAM wParam = 0) {
        FrameShowBlockRecord record{};
        std::strncpy(record.name, name, sizeof record.name);
        record.mode = mode;
        return ::SendMessageA(frame->HWindow, kFrameMsgShowBlock, wParam, reinterpret_cast<LPARAM>(&record));
    }
    ed::EditMDI* WindowOfPage(ed::Page* page) { return windows->FindEditWindow(page); }

    CountingPages pages{*windows};
    ed::Program* shown = nullptr;
    ed::Page* second = nullptr;
    ed::VavurOrezo* block = nullptr;
};

TEST_F(FrameNoticesTest, BlockNoticesRefreshEachProgramOnceAndOnlyWhenSomethingChanged) {
    ASSERT_NE(block->Handle(), nullptr);
    zeph::VlxNotifyRecord record;
    record.Program = static_cast<zeph::TProgram*>(shown->Handle());
    record.Object = static_cast<zeph::PBInstance*>(block->Handle());
    struct Case {
        WPARAM code;
        std::vector<std::pair<int, int>> notices;
    };
    const Case cases[] = {
        {1, {}},                // outputs and lines as the model has them: nothing redrawn
        {8, {{3, 2}, {4, 2}}},  // re-read from the model between an erase and a draw, once
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        pages.notices.clear();
        EXPECT_EQ(Notice(c.code, &record), 0);
        EXPECT_EQ(pages.notices, c.notices);
    }
    // An unknown block or program is ignored.
    record.Object = nullptr;
    pages.notices.clear();
    Notice(8, &record);
    record.Program = nullptr;
    Notice(1, &record);
    EXPECT_TRUE(pages.notices.empty());
}

TEST_F(FrameNoticesTest, StatusAndPageNotices) {
    Notice(5, "Compile failed.");
    EXPECT_STREQ(frame->GetStatusLine()->GetText(), "Compile failed.");
    Notice(5, nullptr);
    EXPECT_STREQ(frame->GetStatusLine()->GetText(), "");

    // 9 without a window of the program does nothing.
    const std::size_t before = windows->Windows().size();
    ::SendMessageA(frame->HWindow, kFrameMsgNotification, 9, reinterpret_cast<LPARAM>(other->Handle()));
    EXPECT_EQ(windows->Windows().size(), before);

    // 10 names a page without a window: one is made; 9 brings "Main" forward.
    zeph::VlxMainPageRecord page;
    page.Program = static_cast<zeph::TProgram*>(shown->Handle());
    std::strcpy(page.PageName, "Second");
    Notice(10, &page);
    ASSERT_NE(WindowOfPage(second), nullptr);
    EXPECT_EQ(windows->Windows().size(), before + 1);
    ::SendMessageA(frame->HWindow, kFrameMsgNotification, 9, reinterpret_cast<LPARAM>(shown->Handle()));
    EXPECT_EQ(ActiveChild(), WindowOfPage(shown->GetMainPage())->HWindow);
    EXPECT_EQ(frame->GetCurrentProgram(), shown);

    // A page name longer than 85 characters is cut, and so names no page.
    std::memset(page.PageName, 0, sizeof page.PageName);
    std::memset(page.PageName, 'p', 90);
    EXPECT_EQ(Notice(10, &page), 0);
    EXPECT_EQ(windows->Windows().size(), before + 1);

    // Codes without a meaning here answer 0 and change nothing.
    for (WPARAM code : {0u, 2u, 3u, 4u, 12u}) EXPECT_EQ(Notice(code, nullptr), 0) << code;
    EXPECT_EQ(::SendMessageA(frame->HWindow, kFrameMsgCanvasQuery, 0, 0), 1);
}

// The frame's caption refresh marks every window of a changed program; its Close closes
// the active page window and the others of the program are numbered again from 1.
TEST_F(FrameNoticesTest, WindowsOfAChangedProgramAllShowItAndCloseRenumbers) {
    ASSERT_EQ(windows->Windows().size(), 2u);
    ed::EditMDI* first = windows->Windows()[0];
    ed::EditMDI* kept = windows->Windows()[1];
    EXPECT_EQ(kept->Number(), 2);
    shown->SetModified();
    frame->UpdateChildCaptions();
    for (ed::EditMDI* window : windows->Windows()) {
        char caption[128] = "";
        ::GetWindowTextA(window->HWindow, caption, sizeof caption);
        EXPECT_STREQ(caption, "NOTICE.ED *");
    }
    frame->ActivateEditWindow(first);
    ::SendMessageA(frame->HWindow, WM_COMMAND, kCmClose, 0);
    ASSERT_EQ(windows->Windows().size(), 1u);
    EXPECT_EQ(windows->Windows()[0], kept);
    EXPECT_EQ(kept->Number(), 1);
}

TEST_F(FrameNoticesTest, ImportNoticesReachTheClipboardProgram) {
    ed::test::FakeImports clipImports;
    clipImports.libraries = {"LIBA"};
    ed::Program clipboard(host, model, &clipImports, "Clipboard", 1);
    FrameProgramPorts ports = frame->GetProgramPorts();
    ports.clipboard = &clipboard;
    frame->SetProgramPorts(ports);
    zeph::VlxNotifyRecord record;
    record.Program = static_cast<zeph::TProgram*>(clipboard.Handle());
    record.Value = 1;
    EXPECT_TRUE(clipboard.ImportGroups().empty());
    Notice(11, &record);
    EXPECT_FALSE(clipboard.ImportGroups().empty());
    ports.clipboard = nullptr;
    frame->SetProgramPorts(ports);
}

TEST_F(FrameNoticesTest, ShowBlockMarksHighlightsAndShows) {
    frame->SetCurrentProgram(shown);
    struct Case {
        std::int16_t mode;
        std::uint32_t before, after;
    };
    const Case cases[] = {
        {16, 0x0, 0x4}, {32, 0x4, 0x0}, {4, 0x0, 0x2}, {2, 0x2, 0x0},
        {2, 0x0, 0x2},  {8, 0x2, 0x0},  {1, 0x0, 0x0}, {-1, 0x0, 0x0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        EXPECT_EQ(block->Flags() & 0x6u, c.before);
        EXPECT_EQ(ShowBlock("Main$Asker", c.mode), 0);
        EXPECT_EQ(block->Flags() & 0x6u, c.after);
    }
    // A bare name is looked for on "Main"; mode 1 selects it.
    EXPECT_EQ(ShowBlock("Asker", 1), 0);
    EXPECT_EQ(WindowOfPage(shown->GetMainPage())->Canvas()->Canvas().FirstSelected(), block);

    // -1 forgets the highlight: a later 32 leaves the block's bit alone.
    ShowBlock("Asker", 16);
    EXPECT_EQ(::SendMessageA(frame->HWindow, kFrameMsgShowBlock, WPARAM(-1), 0), 0);
    ShowBlock("Asker", 32);
    EXPECT_EQ(block->Flags() & 0x4u, 0x4u);
    // Unknown pages and blocks are ignored.
    EXPECT_EQ(ShowBlock("Nowhere$Asker", 1), 0);
    EXPECT_EQ(ShowBlock("Main$Nobody", 1), 0);
}

TEST_F(FrameNoticesTest, OpenMessageLoadsOnceAndFindsAnOpenProgramByItsName) {
    const std::string path = WriteProgramFile("zq34msg.ed");
    const std::size_t before = windows->Windows().size();
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(::SendMessageA(frame->HWindow, kFrameMsgOpenProgram, 0, reinterpret_cast<LPARAM>(path.c_str())), 0);
    EXPECT_EQ(windows->Windows().size(), before + 1);
    // Another folder and case of the same name: the open program comes forward.
    ::SendMessageA(frame->HWindow, kFrameMsgOpenProgram, 0, reinterpret_cast<LPARAM>("D:\\ELSE\\NOTICE.RUN"));
    EXPECT_EQ(windows->Windows().size(), before + 1);
    EXPECT_EQ(frame->GetCurrentProgram(), shown);
    EXPECT_EQ(::SendMessageA(frame->HWindow, kFrameMsgOpenProgram, 0, 0), 0);
    std::remove(path.c_str());
}

class FrameBuildTest : public FrameProgramsTest {
protected:
    // A saved program in a page window, with a SuperBlock page when asked; the path.
    std::string ShowSaved(const char* name, bool superBlock) {
        const std::string path = m_temp + name;
        shown = new ed::Program(host, activations, &imports, path.c_str(), 0);
        shown->AddPage(new ed::Page(shown, "Main", ed::kPageMain, 0));
        if (superBlock) {
            sub = new ed::Page(shown, "Sub", ed::kPageSuperBlock, 0);
            shown->AddPage(sub);
        }
        for (const char* ext : {".ed", ".tsl", ".rll", ".run"}) std::remove((m_temp + Base(name) + ext).c_str());
        EXPECT_EQ(ed::ProgramFile::Save(path, *shown, nullptr, ""), 1);
        windows->CreateEditWindow(*shown, shown->GetMainPage());
        m_presenter.Clear();
        return path;
    }
    static std::string Base(const char* name) { return std::string(name).substr(0, std::strlen(name) - 3); }
    std::vector<std::string> Texts() {
        std::vector<std::string> texts;
        for (const auto& box : m_presenter.Boxes()) texts.push_back(box.text);
        return texts;
    }
    void Command(UINT id) { ::SendMessageA(frame->HWindow, WM_COMMAND, id, 0); }
    ed::VavurOrezo* Unfinished(ed::Page* page, const char* name) {
        std::shared_ptr<ed::VavurOrezoIcon> icon = palette ? palette->FindIconShared(393) : nullptr;
        int refused = 0;
        auto* added = new ed::VavurOrezo(page, name, icon ? icon->Record() : std::make_shared<ed::TypeRecord>(), icon,
                                         300, 300, refused);
        page->AddVavurOrezo(added);
        EXPECT_TRUE(page->HasUnfinishedBlock());
        return added;
    }

    ed::Program* shown = nullptr;
    ed::Page* sub = nullptr;
};

TEST_F(FrameBuildTest, BuildLibraryNeedsASuperBlockAndAsksOnlyAboutOtherPages) {
    const std::string incomplete = "The program contains incomplete VavurOrezos.  Would you like to build anyway?";
    // Only "Main": nothing to build, whatever Main holds.
    ShowSaved("zq34main.ed", false);
    Unfinished(shown->GetMainPage(), "Half");
    Command(kCmBuildLibrary);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"SuperBlock must be created before building Library."}));
    EXPECT_FALSE(Exists(m_temp + "zq34main.rll"));
    windows.reset();
    windows = std::make_unique<ed::EditWindows>(*client, services);
    frame->SetPageWindows(windows.get());
    frame->SetProgramPorts(FrameProgramPorts{windows.get(), &host, &activations, &imports});

    // An unfinished block on the SuperBlock page asks; No builds nothing.
    ShowSaved("zq34lib.ed", true);
    ed::VavurOrezo* half = Unfinished(sub, "Half");
    m_presenter.Answer(IDNO);
    Command(kCmBuildLibrary);
    EXPECT_EQ(Texts(), (std::vector<std::string>{incomplete}));
    EXPECT_FALSE(Exists(m_temp + "zq34lib.rll"));
    sub->RemoveVavurOrezo(half);

    // Unfinished only on "Main": the library builds without a question, even with another
    // program current. A SuperBlock page without its Begin block makes the build report,
    // which shows that it ran for this program (the other one has no page "Sub").
    Unfinished(shown->GetMainPage(), "Half");
    m_presenter.Clear();
    other->Activate();
    Command(kCmBuildLibrary);
    ASSERT_EQ(m_presenter.Boxes().size(), 1u);
    EXPECT_NE(m_presenter.Boxes()[0].text.find("'Sub'"), std::string::npos) << m_presenter.Boxes()[0].text;
    for (const char* ext : {".ed", ".tsl", ".rll", ".BAK"}) std::remove((m_temp + "zq34lib" + ext).c_str());
    std::remove((m_temp + "zq34main.ed").c_str());
}

TEST_F(FrameBuildTest, RunCheckAsksWhenTheRunFileIsOlderOrMissing) {
    const std::string path = ShowSaved("zq34run.ed", false);
    const std::string run = m_temp + "zq34run.run";
    const std::string question = "The Run File You Requested To Run, " + run +
                                 ", Is Older Than Its Coresponding Ed File, " + path +
                                 ".Would You Like To Rebuild The Program?";
    struct Case {
        const char* name;
        int runAge;  // seconds the run file is older than the program; 0: no run file, -1: newer
        bool asked;
    };
    const Case cases[] = {{"missing", 0, true}, {"older", 60, true}, {"newer", -60, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::remove(run.c_str());
        if (c.runAge != 0) {
            std::ofstream(run, std::ios::binary) << "run";
            WIN32_FILE_ATTRIBUTE_DATA data{};
            ASSERT_TRUE(::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data));
            ULARGE_INTEGER when{};
            when.LowPart = data.ftLastWriteTime.dwLowDateTime;
            when.HighPart = data.ftLastWriteTime.dwHighDateTime;
            when.QuadPart -= ULONGLONG(std::int64_t(c.runAge) * 10000000);
            FILETIME time{when.LowPart, when.HighPart};
            HANDLE file = ::CreateFileA(run.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(file, INVALID_HANDLE_VALUE);
            ::SetFileTime(file, nullptr, nullptr, &time);
            ::CloseHandle(file);
        }
        m_presenter.Clear();
        m_presenter.Answer(IDYES);
        Command(kCmRunCheck);
        ASSERT_EQ(m_presenter.Boxes().size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(m_presenter.Boxes()[0].text, question);
            EXPECT_EQ(m_presenter.Boxes()[0].caption, "Warning!");
            EXPECT_EQ(m_presenter.Boxes()[0].window, frame->HWindow);
        }
    }
    // Yes with an unfinished block asks about building anyway.
    std::remove(run.c_str());
    Unfinished(shown->GetMainPage(), "Half");
    m_presenter.Clear();
    m_presenter.Answer(IDYES);
    m_presenter.Answer(IDNO);
    Command(kCmRunCheck);
    EXPECT_EQ(m_presenter.Boxes().size(), 2u);
    std::remove(path.c_str());
}

TEST_F(FrameBuildTest, UntitledIsSavedFirstAndCancelStopsTheCommand) {
    ShowNewProgram("Untitled");
    struct Case {
        UINT command;
        const char* text;
    };
    const Case cases[] = {{kCmBuildLibrary, "Program must be saved before building."},
                          {kCmRunCheck, "You need to save and build the program before you run it."}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        m_presenter.Clear();
        DialogDriver driver([](HWND window) { PostClick(window, IDCANCEL); });
        Command(c.command);
        EXPECT_EQ(Texts(), std::vector<std::string>{c.text});
    }
    // Without a page window: string 33 and a beep.
    m_beeps.clear();
    windows.reset();
    windows = std::make_unique<ed::EditWindows>(*client, services);
    frame->SetPageWindows(windows.get());
    frame->SetProgramPorts(FrameProgramPorts{windows.get(), &host, &activations, &imports});
    Command(kCmRunCheck);
    EXPECT_EQ(m_beeps, (std::vector<UINT>{MB_ICONEXCLAMATION}));
}

}  // namespace
