#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "foundation/kvbasedlghelp.h"
#include "foundation/kvscrpres.h"
#include "foundation/kvvif.h"
#include "owl/module.h"
#include "owl/testing/dialog_driver.h"
#include "owl/testing/window_picture.h"
#include "shell/dialogs/basedialog.h"
#include "shell/dialogs/smalldialogs.h"

namespace {

class SmallDialogsTest : public ::testing::Test {
protected:
    void SetUp() override { desk::SetDialogModules(&m_program, nullptr); }
    void TearDown() override { desk::SetDialogModules(nullptr, nullptr); }

    // Runs the dialog; step fills and clicks once it shows.
    int Run(TDialog& dialog, const std::function<void(HWND)>& step) {
        DialogDriver driver(step);
        const int result = dialog.Execute();
        EXPECT_FALSE(driver.TimedOut());
        return result;
    }

    TModule m_program{"shell_tests", ::GetModuleHandleA(nullptr)};
    KvScriptedPresenter m_presenter;
    KvScopedMessagePresenter m_scoped{m_presenter};
};

TEST_F(SmallDialogsTest, BlockNameIsTrimmedJoinedAndCut) {
    struct Case {
        std::string typed, name;
    } cases[] = {{"  my block  ", "my_block"}, {std::string(40, 'x'), std::string(30, 'x')}, {"", ""}};
    for (const Case& c : cases) {
        char name[31] = "old";
        desk::TNamePBDialog dialog(nullptr, name, "Rename VavurOrezo", true);
        char caption[64] = "";
        const int result = Run(dialog, [&](HWND window) {
            ::GetWindowTextA(window, caption, sizeof caption);
            EXPECT_EQ(ControlText(window, 101), "old");
            ::SetDlgItemTextA(window, 101, c.typed.c_str());
            if (c.typed.empty()) SaveWindowPicture(window, "NAMEPB");
            PostClick(window, IDOK);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(std::string(name), c.name) << c.typed;
        EXPECT_STREQ(caption, "Rename VavurOrezo");
    }
    char name[31] = "kept";
    desk::TNamePBDialog dialog(nullptr, name, "Add block", false);
    EXPECT_EQ(Run(dialog, [](HWND window) { PostClick(window, IDCANCEL); }), IDCANCEL);
    EXPECT_STREQ(name, "kept");
}

TEST_F(SmallDialogsTest, ZoomEntriesAreCheckedBeforeOk) {
    struct Case {
        const char* entry;
        std::int32_t zoom;  // 0: refused
    } cases[] = {{"35", 35}, {"100%", 100}, {"34", 0},   {"101", 0},   {"0", 0},
                 {"5%0", 0}, {"50%%", 0},   {"%50", 0}, {"1000%", 0}, {"50a", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        m_presenter.Clear();
        std::int32_t zoom = 75;
        desk::TScaleDialog dialog(nullptr, &zoom);
        const int result = Run(dialog, [&](HWND window) {
            EXPECT_EQ(ControlText(window, 204), "75");
            EXPECT_EQ(::SendDlgItemMessageA(window, 205, CB_GETCOUNT, 0, 0), 6);
            ::SetDlgItemTextA(window, 205, c.entry);
            if (c.zoom == 35) SaveWindowPicture(window, "SCALE");
            PostClick(window, IDOK);
            // A refused entry keeps the dialog open: Cancel ends it.
            PostClick(window, IDCANCEL);
        });
        if (c.zoom) {
            EXPECT_EQ(result, IDOK);
            EXPECT_EQ(zoom, c.zoom);
            EXPECT_TRUE(m_presenter.Boxes().empty());
        } else {
            EXPECT_EQ(result, IDCANCEL);
            EXPECT_EQ(zoom, 75);
            ASSERT_EQ(m_presenter.Boxes().size(), 1u);
            EXPECT_EQ(m_presenter.Boxes()[0].text, "     Invalid Entry  \n    Please try again");
            EXPECT_EQ(m_presenter.Boxes()[0].style & 0xF0u, 0u);
        }
    }
}

TEST_F(SmallDialogsTest, AboutBoxShowsTheRegisteredVersion) {
    struct Case {
        const char* key;
        const char* line;
    } cases[] = {{nullptr, "Flowsmith for Vantora (Build 8.03)"},
                 {"SOFTWARE\\Tarvix\\Vantora\\NoSuchProduct", "Flowsmith for Vantora"}};
    for (const Case& c : cases) {
        desk::TAboutDialog dialog(nullptr, c.key);
        std::string line;
        EXPECT_EQ(Run(dialog,
                      [&](HWND window) {
                          line = ControlText(window, 102);
                          if (!c.key) SaveWindowPicture(window, "ABOUT");
                          PostClick(window, IDOK);
                      }),
                  IDOK);
        EXPECT_EQ(line, c.line);
    }
}

// Application files of the program folder, removed again at the end.
class SaveDialogTest : public SmallDialogsTest {
protected:
    void SetUp() override {
        SmallDialogsTest::SetUp();
        char folder[kKvPathMax] = "";
        ASSERT_TRUE(GetProgDir(folder));
        m_folder = folder;
        for (std::size_t at = m_folder.find('\\', 3); at != std::string::npos; at = m_folder.find('\\', at + 1))
            ::CreateDirectoryA(m_folder.substr(0, at).c_str(), nullptr);
        Write("zq34old.ed", "program bytes");
        Write("zq34old.dsc", "An old program\r\n");
    }
    void TearDown() override {
        for (const char* file : {"zq34old.ed", "zq34old.dsc", "zq34old.run", "zq34new.dsc"})
            std::remove((m_folder + file).c_str());
        SmallDialogsTest::TearDown();
    }
    void Write(const char* file, const char* text) { std::ofstream(m_folder + file, std::ios::binary) << text; }
    std::string Read(const char* file) {
        std::ifstream in(m_folder + file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    bool Exists(const char* file) { return ::GetFileAttributesA((m_folder + file).c_str()) != INVALID_FILE_ATTRIBUTES; }

    // Types the name and description, presses OK, and Cancel after it when the dialog stayed.
    int Save(char* name, const char* typed, const char* description, bool picture = false) {
        desk::TSaveProgramDialog dialog(nullptr, name);
        return Run(dialog, [&](HWND window) {
            ::SetDlgItemTextA(window, 100, typed);
            ::SetDlgItemTextA(window, 102, description);
            if (picture) SaveWindowPicture(window, "SAVEAS");
            PostClick(window, IDOK);
            PostClick(window, IDCANCEL);
        });
    }

    std::string m_folder;
};

TEST_F(SaveDialogTest, ListsFilesWithDescriptionsAndASelectionFillsTheName) {
    char name[16] = "x";
    desk::TSaveProgramDialog dialog(nullptr, name);
    EXPECT_STREQ(name, "");
    std::vector<std::string> lines;
    std::string chosen;
    Run(dialog, [&](HWND window) {
        HWND list = ::GetDlgItem(window, 101);
        for (int i = 0; i < ::SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
            char line[256] = "";
            ::SendMessageA(list, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(line));
            lines.push_back(line);
            if (std::strncmp(line, "zq34old", 7) == 0) {
                ::SendMessageA(list, LB_SETCURSEL, WPARAM(i), 0);
                ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(101, LBN_SELCHANGE), LPARAM(list));
            }
        }
        chosen = ControlText(window, 100);
        PostClick(window, IDCANCEL);
    });
    EXPECT_NE(std::find(lines.begin(), lines.end(), "zq34old\tAn old program"), lines.end());
    EXPECT_EQ(chosen, "zq34old");
}

TEST_F(SaveDialogTest, InvalidNamesAreRefusedAndANewNameIsWritten) {
    for (const char* bad : {"abc.def", "a/b", ""}) {
        m_presenter.Clear();
        char name[16] = "";
        EXPECT_EQ(Save(name, bad, "d"), IDCANCEL) << bad;
        ASSERT_EQ(m_presenter.Boxes().size(), 1u) << bad;
        EXPECT_EQ(m_presenter.Boxes()[0].text, "Invalid filename.");
        EXPECT_EQ(m_presenter.Boxes()[0].style & 0xF0u, UINT(MB_ICONSTOP));
    }
    m_presenter.Clear();
    char name[16] = "";
    EXPECT_EQ(Save(name, "zq34new", "A new one", true), IDOK);
    EXPECT_STREQ(name, "zq34new");
    EXPECT_TRUE(m_presenter.Boxes().empty());
    EXPECT_EQ(Read("zq34new.dsc").rfind("A new one", 0), 0u);
}

TEST_F(SaveDialogTest, OverwriteQuestionAnswers) {
    struct Case {
        const char* what;
        int answer;
        int result;
        bool oldKept;  // the program's bytes and description stay as they were
    } cases[] = {{"Yes", IDYES, IDOK, false}, {"No", IDNO, IDCANCEL, true}, {"Cancel", IDCANCEL, IDCANCEL, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Write("zq34old.ed", "program bytes");
        Write("zq34old.dsc", "An old program\r\n");
        Write("zq34old.run", "run");
        m_presenter.Clear();
        m_presenter.Answer(c.answer);
        char name[16] = "";
        EXPECT_EQ(Save(name, "zq34old", "Replaced"), c.result);
        ASSERT_GE(m_presenter.Boxes().size(), 1u);
        EXPECT_EQ(m_presenter.Boxes()[0].text, "That file already exists. Do you wish to overwrite it?");
        EXPECT_EQ(m_presenter.Boxes()[0].caption, "Warning");
        EXPECT_EQ(m_presenter.Boxes()[0].style & 0xFu, UINT(MB_YESNOCANCEL));
        EXPECT_EQ(Exists("zq34old.ed"), c.oldKept);
        EXPECT_EQ(Exists("zq34old.run"), c.oldKept);
        if (c.oldKept) {
            EXPECT_EQ(Read("zq34old.ed"), "program bytes");
            EXPECT_EQ(Read("zq34old.dsc"), "An old program\r\n");
            EXPECT_STREQ(name, "");
        } else {
            EXPECT_EQ(Read("zq34old.dsc").rfind("Replaced", 0), 0u);
            EXPECT_STREQ(name, "zq34old");
        }
    }
}

TEST_F(SaveDialogTest, RunSaveProgramDialogAppendsTheExtensionOnlyOnOk) {
    char name[16] = "";
    {
        DialogDriver driver([](HWND window) {
            ::SetDlgItemTextA(window, 100, "zq34new");
            PostClick(window, IDOK);
        });
        EXPECT_TRUE(desk::RunSaveProgramDialog(name));
    }
    EXPECT_STREQ(name, "zq34new.ed");
    m_presenter.Answer(IDCANCEL);
    {
        DialogDriver driver([](HWND window) {
            ::SetDlgItemTextA(window, 100, "zq34new");
            PostClick(window, IDOK);
        });
        EXPECT_FALSE(desk::RunSaveProgramDialog(name));
    }
    EXPECT_STREQ(name, "");
}

struct RecordingHelp : KvHelpEngine {
    bool works = true;
    std::vector<std::pair<UINT, std::uintptr_t>> calls;
    std::string path;
    bool Show(HWND, const char* file, UINT command, std::uintptr_t data) override {
        calls.push_back({command, data});
        path = file;
        return works;
    }
};

TEST_F(SmallDialogsTest, BaseFindsTemplatesInTheProgramThenTheLibraryElseReports) {
    TModule library("zephpane.dll");
    ASSERT_NE(library.GetHandle(), nullptr);
    desk::SetDialogModules(&m_program, &library);
    {
        desk::TBaseDialog fromProgram(nullptr, "NAMEPB");
        EXPECT_EQ(fromProgram.GetModule(), &m_program);
        desk::TBaseDialog fromLibrary(nullptr, "DIALOG_END_PAGE");
        EXPECT_EQ(fromLibrary.GetModule(), &library);
        EXPECT_TRUE(m_presenter.Boxes().empty());
    }
    // A template called FAKE gets no exception here.
    for (const char* missing : {"NOSUCHDIALOG", "FAKE"}) {
        m_presenter.Clear();
        desk::TBaseDialog nowhere(nullptr, missing);
        ASSERT_EQ(m_presenter.Boxes().size(), 1u) << missing;
        EXPECT_EQ(m_presenter.Boxes()[0].text, "Unable to load dialog.");
        EXPECT_EQ(m_presenter.Boxes()[0].caption, "Error");
        EXPECT_EQ(m_presenter.Boxes()[0].style, 48u);
        EXPECT_EQ(nowhere.Execute(), -1);
    }
    desk::SetDialogModules(&m_program, nullptr);
}

TEST_F(SmallDialogsTest, HelpButtonOpensTheTopicOrTheContents) {
    RecordingHelp help;
    KvSetHelpEngine(&help);
    char name[31] = "";
    desk::TNamePBDialog dialog(nullptr, name, "Add block", false);
    dialog.SetHelpName("");  // a name without a topic maps to 0
    Run(dialog, [](HWND window) {
        PostClick(window, 9);
        PostClick(window, IDCANCEL);
    });
    ASSERT_EQ(help.calls.size(), 1u);
    EXPECT_EQ(help.calls[0].first, UINT(kKvHelpContents));
    EXPECT_EQ(help.path, "C:\\Flowsmith\\Help\\zephdesk.hlp>proc4");
    EXPECT_TRUE(m_presenter.Boxes().empty());

    help.works = false;
    desk::TNamePBDialog failing(nullptr, name, "Add block", false);
    Run(failing, [](HWND window) {
        PostClick(window, 9);
        PostClick(window, IDCANCEL);
    });
    KvSetHelpEngine(nullptr);
    ASSERT_EQ(m_presenter.Boxes().size(), 1u);
    EXPECT_EQ(m_presenter.Boxes()[0].text, "Could not load WinHelp program.");
    EXPECT_EQ(m_presenter.Boxes()[0].caption, "Flowsmith");
    EXPECT_EQ(m_presenter.Boxes()[0].style & 0xF0u, UINT(MB_ICONEXCLAMATION));
}

TEST_F(SmallDialogsTest, DialogsAreCentredOverTheirOwner) {
    HWND owner = ::CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 100, 80, 600, 400, nullptr, nullptr,
                                   nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    TWindow parent(owner);
    char name[31] = "";
    desk::TNamePBDialog dialog(&parent, name, "Add block", false);
    RECT r{};
    Run(dialog, [&](HWND window) {
        ::GetWindowRect(window, &r);
        PostClick(window, IDCANCEL);
    });
    EXPECT_EQ(r.left, 100 + (600 - (r.right - r.left)) / 2);
    EXPECT_EQ(r.top, 80 + (400 - (r.bottom - r.top)) / 2);
    ::DestroyWindow(owner);
}

}  // namespace
