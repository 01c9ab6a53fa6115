// The frame's commands as the user gives them: keys of the designer's accelerator table
// and items of its main menu, reaching the command modules through the real main frame.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../../editor/tests/canvas_fixture.h"
#include "editor/clipboard/clipboardprogram.h"
#include "editor/frame/statusline.h"
#include "framework/shellservices.h"
#include "editor/page/editmdi_win32.h"
#include "foundation/kvflthnd.h"
#include "framework/kvbeep.h"
#include "framework/kvimglst.h"
#include "owl/mdiclient.h"
#include "owl/module.h"
#include "owl/testing/dialog_driver.h"
#include "mainframe_fixture.h"
#include "pagewindows_fixture.h"
#include "shell/commands/editcommands.h"
#include "shell/commands/framecommands.h"
#include "shell/dialogs/basedialog.h"
#include "shell/frame/uimdiframe.h"
#include "shell/paste/designerpaste.h"
#include "shell/settings/inifile.h"

namespace {

// The options of the test's frame: the word the frame reads and the two levels.
class TestAppOptions : public AppOptionsPort {
public:
    explicit TestAppOptions(std::uint32_t& word) : m_word(word) {}
    void SetOption(std::uint32_t mask, bool on) override { m_word = on ? (m_word | mask) : (m_word & ~mask); }
    int DiagLevel() const override { return diagLevel; }
    void SetDiagLevel(int level) override { diagLevel = level; }
    int LogLevel() const override { return logLevel; }
    void SetLogLevel(int level) override { logLevel = level; }
    int diagLevel = 1;
    int logLevel = 1;

private:
    std::uint32_t& m_word;
};

class FrameAcceleratorsTest : public ed::test::CanvasTest {
protected:
    FrameAcceleratorsTest()
    {
        desk::SetDialogModules(&m_module, nullptr);
        CreateGlobalImageLists();
        KvSetFaultHandler(&m_faults);
        KvSetBeepHook([this](UINT type) { m_beeps.push_back(type); });
        std::string temp = ::testing::TempDir();
        if (!temp.empty() && temp.back() != '\\' && temp.back() != '/') temp += '\\';
        m_profile = std::make_unique<IniFileProfile>(temp + "frameaccelerators.ini");
        client = new TMDIClient;
        frame = ShowTestMainFrame("keys", *client, *m_profile, m_options, m_module);
        windows = std::make_unique<ed::EditWindows>(*client, services);
        frame->SetPageWindows(windows.get());
        InstallFrameCommands(*frame, *windows, m_app);
        m_keys = ::LoadAcceleratorsA(::GetModuleHandleA(nullptr), "KEYS");
        shown = new ed::Program(host, model, &imports, "C:\\APPS\\KEYS.ed", 0);
        shownMain = new ed::Page(shown, "Main", ed::kPageMain, 0);
        shown->AddPage(shownMain);
    }
    ~FrameAcceleratorsTest() override
    {
        windows.reset();
        frame->Destroy();
        delete frame;
        KvSetBeepHook(nullptr);
        KvSetFaultHandler(nullptr);
        DestroyGlobalImageLists();
        desk::SetDialogModules(nullptr, nullptr);
    }

    ed::VavurOrezo* AddShown(const char* name, int type, std::int32_t x = 40, std::int32_t y = 40)
    {
        ed::VavurOrezo* block = Add(shownMain, name, type, x, y);
        shown->Activate();
        return block;
    }

    // The key goes through the accelerator table as the message loop passes it, with Ctrl
    // held or not.
    void Press(UINT key, bool control = false)
    {
        m_presenter.Clear();
        BYTE state[256] = {};
        ::GetKeyboardState(state);
        state[VK_CONTROL] = control ? 0x80 : 0;
        ::SetKeyboardState(state);
        MSG message{frame->HWindow, WM_KEYDOWN, key, 1, 0, {}};
        EXPECT_TRUE(::TranslateAcceleratorA(frame->HWindow, m_keys, &message)) << key;
        state[VK_CONTROL] = 0;
        ::SetKeyboardState(state);
        PumpPending();
    }

    // The item chosen on the menu.
    void Choose(UINT id)
    {
        m_presenter.Clear();
        ::PostMessageA(frame->HWindow, WM_COMMAND, id, 0);
        PumpPending();
    }

    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : m_presenter.Boxes()) texts.push_back(box.text);
        return texts;
    }

    // The pop-up, at any depth of the frame's menu, that holds the item itself.
    HMENU PopupHolding(UINT id) const { return PopupHolding(::GetMenu(frame->HWindow), id); }
    static HMENU PopupHolding(HMENU menu, UINT id)
    {
        for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
            HMENU sub = ::GetSubMenu(menu, i);
            if (sub == nullptr) continue;
            for (int j = 0; j < ::GetMenuItemCount(sub); ++j)
                if (::GetMenuItemID(sub, j) == id) return sub;
            if (HMENU deeper = PopupHolding(sub, id)) return deeper;
        }
        return nullptr;
    }
    // The pop-up opens as the menu opens it, at that position of its parent.
    void Open(HMENU popup, UINT position = 0)
    {
        ::SendMessageA(frame->HWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(position, FALSE));
    }
    // Each item's text, with "*" when it is checked.
    static std::vector<std::string> Marks(HMENU popup)
    {
        std::vector<std::string> marks;
        for (int i = 0; i < ::GetMenuItemCount(popup); ++i) {
            char text[64] = "";
            ::GetMenuStringA(popup, i, text, sizeof text, MF_BYPOSITION);
            marks.push_back(std::string(text) + ((::GetMenuState(popup, i, MF_BYPOSITION) & MF_CHECKED) ? "*" : ""));
        }
        return marks;
    }
    // The user moves onto an item or a pop-up of the menu; the status line's text after it.
    std::string Select(UINT item, UINT flags, HMENU menu)
    {
        ::SendMessageA(frame->HWindow, WM_MENUSELECT, MAKEWPARAM(item, flags), reinterpret_cast<LPARAM>(menu));
        return frame->GetStatusLine()->GetText();
    }

    TModule m_module{"shell_tests", ::GetModuleHandleA(nullptr)};
    std::uint32_t m_options = 0x4;
    std::shared_ptr<TestAppOptions> m_app = std::make_shared<TestAppOptions>(m_options);
    std::unique_ptr<IniFileProfile> m_profile;
    KvScriptedPresenter m_presenter;
    KvScopedMessagePresenter m_scoped{m_presenter};
    KvFaultHandlerObj m_faults;
    std::vector<UINT> m_beeps;
    HACCEL m_keys = nullptr;
    QuietServices services;
    TMDIClient* client = nullptr;
    UIMDIFrame* frame = nullptr;
    std::unique_ptr<ed::EditWindows> windows;
    ed::Program* shown = nullptr;  // deleted by its last page window
    ed::Page* shownMain = nullptr;
};

TEST_F(FrameAcceleratorsTest, KeysAndMenuItemsReachTheCommandsOfTheActivePageWindow)
{
    ed::VavurOrezo* start = AddShown("Start", ed::kTypeBegin);
    ed::VavurOrezo* play = AddShown("Play", 393, 200, 40);
    ASSERT_TRUE(start && play);
    ed::EditChild* canvas = windows->CreateEditWindow(*shown, shownMain);
    ASSERT_NE(canvas, nullptr);

    canvas->Canvas().SelectObject(start, 1, 1);
    Press('X', true);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"You cannot cut the Start Block."});
    Press('V', true);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"The clipboard is empty!"});

    canvas->Canvas().SelectObject(play, 1, 1);
    Press(VK_DELETE);
    EXPECT_EQ(shownMain->FindVavurOrezo("Play"), nullptr);
    EXPECT_EQ(shownMain->FindVavurOrezo("Start"), start);

    canvas->SetZoom(100, 11);
    Press(VK_SUBTRACT);
    EXPECT_EQ(canvas->GetZoom(), (ed::Zoom{89, 10}));
    Press(VK_ADD);
    EXPECT_EQ(canvas->GetZoom(), (ed::Zoom{100, 11}));

    // Edit > Rename and Edit > Hide/Show Outputs > Show all, chosen on the menu.
    canvas->Canvas().SelectObject(start, 1, 1);
    Choose(4150);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"You can not rename the Start Block."});
    canvas->Canvas().ClearSelection();
    Choose(4124);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Select a VavurOrezo before using this command."});
}

TEST_F(FrameAcceleratorsTest, BlocksCopiedInOnePageWindowArePastedIntoAnotherWhereThePageIsClicked)
{
    // The frame's clipboard program, and the designer's paste at the click.
    ed::VlxClipboard clipboardModel;
    ed::test::QuietClipboardWorkspace clipWorkspace;
    ed::ClipboardProgram clipboard(host, model, &imports, clipboardModel, clipWorkspace);
    clipboardModel.EmptyClipboard();
    FrameProgramPorts ports = frame->GetProgramPorts();
    ports.clipboard = &clipboard;
    frame->SetProgramPorts(ports);
    ShellServices shell;
    DesignerPaste::Site site;
    site.shell = &shell;
    site.windows = windows.get();
    DesignerPaste paste(clipboard, std::move(site));
    ed::SetPasteHandler([&paste](ed::PageCanvas& canvas, ed::Point at) { paste.PasteAt(canvas, at); });

    ed::VavurOrezo* greeting = AddShown("Greeting", 393, 100, 200);
    ed::VavurOrezo* choice = AddShown("Choice", 404, 300, 150);
    ASSERT_TRUE(greeting && choice);
    ASSERT_NE(greeting->CreateGoto(choice, "Done Playing", 0), nullptr);
    auto* target = new ed::Program(host, model, &imports, "C:\\APPS\\OTHER.ed", 0);
    auto* targetMain = new ed::Page(target, "Main", ed::kPageMain, 0);
    target->AddPage(targetMain);
    ed::EditChild* source = windows->CreateEditWindow(*shown, shownMain);
    ed::EditChild* into = windows->CreateEditWindow(*target, targetMain);
    ASSERT_TRUE(source && into);

    windows->ActivateEditWindow(windows->FindEditWindow(shownMain));
    shown->Activate();
    source->Canvas().SelectObject(greeting, 0, 1);
    source->Canvas().SelectObject(choice, 0, 1);
    Press('C', true);
    EXPECT_TRUE(BoxTexts().empty());

    windows->ActivateEditWindow(windows->FindEditWindow(targetMain));
    Press('V', true);
    EXPECT_TRUE(BoxTexts().empty());
    ASSERT_EQ(into->Canvas().Mode(), ed::kMousePastePlacement);
    ::SendMessageA(into->HWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 40));
    ::SendMessageA(into->HWindow, WM_LBUTTONUP, 0, MAKELPARAM(60, 40));
    PumpPending();

    EXPECT_EQ(into->Canvas().Mode(), ed::kMouseIdle);
    ed::VavurOrezo* pastedGreeting = targetMain->FindVavurOrezo("Greeting");
    ed::VavurOrezo* pastedChoice = targetMain->FindVavurOrezo("Choice");
    ASSERT_TRUE(pastedGreeting && pastedChoice);
    ASSERT_NE(pastedGreeting->FindGoto("Done Playing"), nullptr);
    EXPECT_EQ(pastedGreeting->FindGoto("Done Playing")->EndBlock(), pastedChoice);
    EXPECT_EQ(into->Canvas().SelectionCount(), 2);
    // The copy left its own page as it was.
    EXPECT_EQ(shownMain->FindVavurOrezo("Greeting"), greeting);
    EXPECT_EQ(shownMain->FindVavurOrezo("Choice"), choice);

    ed::SetPasteHandler(nullptr);
    ports.clipboard = nullptr;
    frame->SetProgramPorts(ports);
    clipboardModel.EmptyClipboard();
}

TEST_F(FrameAcceleratorsTest, LevelPopUpsOpenWithTheMarksOfTheLevelsAndOtherPopUpsStayAsTheyAre)
{
    HMENU diagnostics = PopupHolding(kCmDiagNone);
    HMENU log = PopupHolding(kCmLogLow);
    HMENU options = PopupHolding(0x1072);
    ASSERT_TRUE(diagnostics && log && options);
    m_app->diagLevel = 2 | 8;
    m_app->logLevel = 3;
    Open(diagnostics, 6);
    Open(log, 7);
    EXPECT_EQ(Marks(diagnostics), (std::vector<std::string>{"None", "Low*", "Medium", "High*"}));
    EXPECT_EQ(Marks(log), (std::vector<std::string>{"Low", "Medium", "High*"}));

    Choose(0x109B);
    Choose(0x109F);
    Open(diagnostics, 6);
    Open(log, 7);
    EXPECT_EQ(Marks(diagnostics), (std::vector<std::string>{"None", "Low", "Medium*", "High"}));
    EXPECT_EQ(Marks(log), (std::vector<std::string>{"Low", "Medium*", "High"}));

    // Opened at the levels' positions, the Options pop-up is no level pop-up.
    const std::vector<std::string> before = Marks(options);
    Open(options, 4);
    Open(options, 5);
    EXPECT_EQ(Marks(options), before);
}

TEST_F(FrameAcceleratorsTest, RenameIsGreyedUnlessOneBlockIsSelectedAndNoOtherItemIsTouched)
{
    HMENU edit = PopupHolding(kCmEditCut);
    HMENU view = PopupHolding(4142);
    ASSERT_TRUE(edit && view);
    auto greyed = [](HMENU popup, UINT item, UINT by) { return (::GetMenuState(popup, item, by) & MF_GRAYED) != 0; };
    Open(edit, 1);
    EXPECT_TRUE(greyed(edit, 4150, MF_BYCOMMAND));  // no page window

    ed::VavurOrezo* start = AddShown("Start", ed::kTypeBegin);
    ed::VavurOrezo* play = AddShown("Play", 393, 200, 40);
    ASSERT_TRUE(start && play);
    ed::EditChild* canvas = windows->CreateEditWindow(*shown, shownMain);
    ASSERT_NE(canvas, nullptr);
    struct Case {
        std::vector<ed::UIObject*> selected;
        bool greyed;
    };
    const Case cases[] = {{{play}, false}, {{play, start}, true}, {{}, true}, {{start}, false}};
    for (const Case& c : cases) {
        canvas->Canvas().ClearSelection();
        for (ed::UIObject* object : c.selected) canvas->Canvas().SelectObject(object, 0, 1);
        Open(edit, 1);
        EXPECT_EQ(greyed(edit, 4150, MF_BYCOMMAND), c.greyed) << c.selected.size();
    }
    // With nothing selected, View, the menu bar's third pop-up, keeps its sixth item.
    canvas->Canvas().ClearSelection();
    ASSERT_FALSE(greyed(view, 5, MF_BYPOSITION));
    Open(view, 2);
    EXPECT_FALSE(greyed(view, 5, MF_BYPOSITION));
}

TEST_F(FrameAcceleratorsTest, StatusLineTellsWhatThePopUpOrItemDoesAndIsClearedWhenTheMenuCloses)
{
    HMENU bar = ::GetMenu(frame->HWindow);
    const char* const popUps[] = {
        "Program management commands.", "Program editing operations.", "Program display operations.",
        "Change interface options.",    "Define program elements.",    "Window management commands.",
        "Help access.",
    };
    for (UINT position = 0; position < std::size(popUps); ++position)
        EXPECT_EQ(Select(position, MF_POPUP, bar), popUps[position]) << position;

    HMENU edit = PopupHolding(kCmEditCut);
    HMENU outputs = PopupHolding(4096);
    ASSERT_TRUE(edit && outputs);
    EXPECT_EQ(Select(4128, 0, PopupHolding(4128)), "Create a new application.");
    EXPECT_EQ(Select(4096, 0, outputs), "Show the output if checked, hide if unchecked.");
    // A pop-up inside a pop-up leaves the line as it is.
    int outputsPosition = -1;
    for (int i = 0; i < ::GetMenuItemCount(edit); ++i)
        if (::GetSubMenu(edit, i) == outputs) outputsPosition = i;
    ASSERT_GE(outputsPosition, 0);
    EXPECT_EQ(Select(outputsPosition, MF_POPUP, edit), "Show the output if checked, hide if unchecked.");
    // An item without a text, and the closing menu, clear the line.
    EXPECT_EQ(Select(4138, 0, edit), "Remove the selected program elements and place in clipboard.");
    EXPECT_EQ(Select(4150, 0, edit), "");
    Select(4138, 0, edit);
    EXPECT_EQ(Select(0, 0xFFFF, nullptr), "");
}

TEST_F(FrameAcceleratorsTest, WithoutAPageWindowAKeyBeeps)
{
    m_beeps.clear();
    Press(VK_DELETE);
    EXPECT_EQ(m_beeps, std::vector<UINT>{MB_ICONEXCLAMATION});
    EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(FrameAcceleratorsTest, ToggleCommandsFollowTheirMenuMarkAndAlwaysSwitchOnWithoutOne)
{
    struct Case {
        UINT id;
        std::uint32_t bit;
        bool hasItem;
    };
    const Case cases[] = {
        {0x1072, 0x80, true},   // Confirm Paste/Delete
        {0x1064, 0x200, true},  // Print Frame
        {0x1097, 0x400, true},  // Auto Name
        {kCmToolBar, 0x8, true},
        {kCmStatusLine, 0x4, false},
        {0x104F, 0x20, false},  // snap to grid
    };
    for (const Case& c : cases) {
        const bool before = (m_options & c.bit) != 0;
        ASSERT_EQ(frame->GetMenuCheck(c.id), c.hasItem && before) << c.id;
        Choose(c.id);
        EXPECT_EQ((m_options & c.bit) != 0, c.hasItem ? !before : true) << c.id;
        EXPECT_EQ(frame->GetMenuCheck(c.id), c.hasItem && !before) << c.id;
        Choose(c.id);
        EXPECT_EQ((m_options & c.bit) != 0, c.hasItem ? before : true) << c.id;
    }
    // The status line command finds no mark and keeps the line shown.
    EXPECT_TRUE(::IsWindowVisible(frame->GetStatusLine()->HWindow));
}

TEST_F(FrameAcceleratorsTest, ALevelCommandSetsItsLevelUnlessItIsSetAlready)
{
    struct Case {
        UINT id;
        int diag;
        int log;
    };
    const Case cases[] = {
        {kCmDiagHigh, 8, 1}, {kCmDiagNone, 1, 1}, {0x109B, 4, 1}, {kCmLogHigh, 4, 3}, {0x109F, 4, 2},
    };
    for (const Case& c : cases) {
        Choose(c.id);
        EXPECT_EQ(m_app->diagLevel, c.diag) << c.id;
        EXPECT_EQ(m_app->logLevel, c.log) << c.id;
    }
    // A level that holds the chosen bit among others is kept as it is.
    m_app->diagLevel = 8 | 2;
    Choose(0x109A);
    EXPECT_EQ(m_app->diagLevel, 8 | 2);
}

}  // namespace
