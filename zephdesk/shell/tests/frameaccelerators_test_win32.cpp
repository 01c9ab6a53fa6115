// The frame's commands as the user gives them: keys of the designer's accelerator table
// and items of its main menu, reaching the command modules through the real main frame.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "../../editor/tests/canvas_fixture.h"
#include "dialog_script_win32.h"
#include "editor/clipboard/clipboardprogram.h"
#include "editor/palette/palettemdi_win32.h"
#include "editor/notes/textnote.h"
#include "editor/print/printcommands.h"
#include "editor/support/drawing_win32.h"
#include "editors/tests/testprinter.h"
#include "framework/kvfontdialog.h"
#include "framework/kvnamed.h"
#include "framework/definitions/defs_ids.h"
#include "foundation/kvobarray.h"
#include "framework/softrec/kvdefstore.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvsrecmem.h"
#include "shell/document/kvuserapp.h"
#include "model/interface/vlx.h"
#include "owl/mdichild.h"
#include "shell/commands/fontcommands.h"
#include "shell/commands/reportcommands.h"
#include "editor/frame/statusline.h"
#include "framework/shellservices.h"
#include "editor/page/editmdi_win32.h"
#include "foundation/kvflthnd.h"
#include "framework/kvbeep.h"
#include "framework/kvimglst.h"
#include "framework/kvintabw.h"
#include "framework/kvmainfr.h"
#include "owl/mdiclient.h"
#include "owl/module.h"
#include "owl/testing/dialog_driver.h"
#include "mainframe_fixture.h"
#include "pagewindows_fixture.h"
#include "shell/commands/editcommands.h"
#include "shell/app/uiapp.h"
#include "shell/commands/framecommands.h"
#include "shell/commands/palettecommands.h"
#include "shell/commands/viewcommands.h"
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

// A fonts table of the designer's entries, the font dialog answered by the test and the
// reports printed on the recording printer.
class FrameFontsAndPrintTest : public FrameAcceleratorsTest {
protected:
    // A job on the test's printer, which keeps what was printed after the job is gone.
    class RecordedJob : public zeph::ReportJob {
    public:
        explicit RecordedJob(zeph::test::TestPrinter& printer) : m_printer(printer) {}
        bool BeginJob(const std::string& name) override { return m_printer.BeginJob(name); }
        zeph::ReportCanvas& Canvas() override { return m_printer; }
        bool EndJob() override { return m_printer.EndJob(); }
        bool EndPage() override { return m_printer.EndPage(); }
        bool NewPage() override { return m_printer.NewPage(); }

    private:
        zeph::test::TestPrinter& m_printer;
    };

    FrameFontsAndPrintTest()
    {
        ed::DrawingTables tables;
        tables.fonts = &m_fonts;
        ed::SetDrawingTables(tables);
        KvSetFontDialog([this](HWND owner, LOGFONTA& font) {
            m_dialogStarts.push_back(font.lfFaceName);
            EXPECT_EQ(owner, frame->HWindow);
            if (m_answers.empty()) return false;
            std::snprintf(font.lfFaceName, sizeof font.lfFaceName, "%s", m_answers.front().face);
            font.lfHeight = m_answers.front().height;
            m_answers.erase(m_answers.begin());
            return true;
        });
        ed::PrinterSeam seam;
        seam.setup = [this](HWND owner) {
            m_setupOwners.push_back(owner);
            return 1;
        };
        seam.reportJob = [this](HWND) { return std::make_unique<RecordedJob>(m_printer); };
        ed::SetPrinterSeam(std::move(seam));
    }
    ~FrameFontsAndPrintTest() override
    {
        ed::SetPrinterSeam({});
        KvSetFontDialog(nullptr);
        windows.reset();
        ed::SetDrawingTables({});
    }

    struct Answer {
        const char* face;
        int height;
    };
    Fonts m_fonts{kKvFontTable};
    std::vector<Answer> m_answers;  // none left: the dialog is cancelled
    std::vector<std::string> m_dialogStarts;
    std::vector<HWND> m_setupOwners;
    zeph::test::TestPrinter m_printer{4800, 6300};
};

TEST_F(FrameFontsAndPrintTest, NoteFontStartsFromTheFirstNoteAndTheDefaultFontLeavesExistingNotes)
{
    ed::VavurOrezo* play = AddShown("Play", 393, 300, 300);
    ASSERT_NE(play, nullptr);
    ed::EditChild* canvas = windows->CreateEditWindow(*shown, shownMain);
    ASSERT_NE(canvas, nullptr);
    ed::KvTextUI* first = canvas->CreateTextNote(ed::Rect{20, 20, 220, 120});
    ed::KvTextUI* second = canvas->CreateTextNote(ed::Rect{20, 150, 220, 250});
    ASSERT_TRUE(first && second);
    first->SetFontSpec({"Courier New", -15, 400, 0});
    ed::CreateNoteFont(*first);
    shown->ClearModified();

    // No note among the selection: the warning sound, and no dialog.
    canvas->Canvas().SelectObject(play, 1, 1);
    m_beeps.clear();
    Choose(kCmTextNoteFont);
    EXPECT_EQ(m_beeps, std::vector<UINT>{MB_ICONEXCLAMATION});
    EXPECT_TRUE(m_dialogStarts.empty());

    // Cancelled: nothing changes.
    canvas->Canvas().SelectObject(first, 0, 1);
    canvas->Canvas().SelectObject(second, 0, 1);
    Choose(kCmTextNoteFont);
    EXPECT_EQ(m_dialogStarts, std::vector<std::string>{"Courier New"});
    EXPECT_EQ(first->FontSpec().face, "Courier New");
    EXPECT_FALSE(shown->IsModified());

    m_dialogStarts.clear();
    m_answers = {{"Times New Roman", -20}};
    Choose(kCmTextNoteFont);
    EXPECT_EQ(m_dialogStarts, std::vector<std::string>{"Courier New"});
    for (ed::KvTextUI* note : {first, second}) {
        EXPECT_EQ(note->FontSpec().face, "Times New Roman");
        EXPECT_EQ(note->FontSpec().height, -20);
        ASSERT_NE(note->Font(), nullptr);
        EXPECT_EQ(note->Base().FontHandle(), note->Font()->GetFont());
    }
    EXPECT_NE(first->Font(), second->Font());  // each note owns its copy
    EXPECT_TRUE(shown->IsModified());
    EXPECT_EQ(m_beeps.size(), 1u);

    // The default font: the table's entry changes, the notes keep theirs, a new note takes it.
    m_dialogStarts.clear();
    m_answers = {{"Courier New", -18}};
    Choose(kCmDefaultTextNoteFont);
    ASSERT_EQ(m_dialogStarts.size(), 1u);
    EXPECT_STREQ(m_fonts.Find("default_textnotes")->GetFace(), "Courier New");
    EXPECT_EQ(first->FontSpec().face, "Times New Roman");
    EXPECT_EQ(second->FontSpec().face, "Times New Roman");
    ed::KvTextUI* later = canvas->CreateTextNote(ed::Rect{300, 20, 500, 120});
    ASSERT_NE(later, nullptr);
    EXPECT_EQ(later->FontSpec().face, "Courier New");
}

TEST_F(FrameFontsAndPrintTest, TableFontsNeedNoPageWindowAndPageWindowsMeasureWithTheNewLabelFont)
{
    // No page window: the palette's label font changes all the same, without a word.
    m_answers = {{"Courier New", -30}};
    Choose(kCmIconLabelFont);
    EXPECT_STREQ(m_fonts.Find("icon_label")->GetFace(), "Courier New");
    EXPECT_TRUE(m_beeps.empty());

    ed::EditChild* canvas = windows->CreateEditWindow(*shown, shownMain);
    ASSERT_NE(canvas, nullptr);
    const std::int32_t before = canvas->TextWidth("Announcement");
    m_answers = {{"Arial", -40}};
    Choose(kCmVavurOrezoLabelFont);
    EXPECT_EQ(m_fonts.Find("vavurorezo_label")->GetHeight(), -40);
    // The canvas draws with the new entry, not with the deleted one.
    EXPECT_GT(canvas->TextWidth("Announcement"), before * 2);

    // Cancelled: the entry stays as it is.
    const FontObject* kept = m_fonts.Find("vavurorezo_label");
    Choose(kCmVavurOrezoLabelFont);
    EXPECT_EQ(m_fonts.Find("vavurorezo_label"), kept);
}

TEST_F(FrameFontsAndPrintTest, PrintSetupAndTheReportsRunOnTheTestPrinterWithAnotherChildActive)
{
    // No current program yet: the reports refuse with the warning sound.
    Choose(kCmSuperBlockReport);
    EXPECT_EQ(m_beeps, std::vector<UINT>{MB_ICONEXCLAMATION});
    EXPECT_TRUE(m_printer.documentName.empty());

    ed::VavurOrezo* play = AddShown("Play", 393);
    ASSERT_NE(play, nullptr);
    ASSERT_NE(windows->CreateEditWindow(*shown, shownMain), nullptr);
    Choose(kCmPrintSetup);
    EXPECT_EQ(m_setupOwners, std::vector<HWND>{frame->HWindow});

    // Another child of the client, as the palette is, becomes the active window.
    auto* other = new TMDIChild(*client, "Blocks");
    other->Create();
    ::SendMessageA(client->HWindow, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(other->HWindow), 0);
    PumpPending();
    ASSERT_EQ(reinterpret_cast<HWND>(::SendMessageA(client->HWindow, WM_MDIGETACTIVE, 0, 0)), other->HWindow);
    shown->ClearModified();
    m_beeps.clear();

    struct Case {
        UINT id;
        const char* job;
        std::vector<std::string> shows;
    };
    const Case cases[] = {
        {kCmSuperBlockReport, ed::kSuperBlockReportJob, {"\"KEYS.ed\""}},
        {kCmPrintVoiceFaxItems, ed::kItemsReportJob, {"No voice items"}},
        // The model's lines join the report on the same printer: the announcement's voice
        // file field, looked up as a prompt.
        {kCmPrintBlockDetails, ed::kBlockReportJob, {"Play", "Custom voice file", "None Selected"}},
    };
    for (const Case& c : cases) {
        m_printer = zeph::test::TestPrinter{4800, 6300};
        Choose(c.id);
        EXPECT_EQ(m_printer.documentName, c.job) << c.id;
        const std::vector<std::string> texts = m_printer.PageTexts(0);
        for (const std::string& shown : c.shows)
            EXPECT_NE(std::find(texts.begin(), texts.end(), shown), texts.end()) << c.id << " " << shown;
        EXPECT_EQ(m_printer.endJobs, 1) << c.id;
    }
    EXPECT_TRUE(m_beeps.empty());
    EXPECT_FALSE(shown->IsModified());
}

// The shell's lists as the designer resolves them by data link: here only the active
// application's voice items.
class VoiceItemsShell : public ShellServices {
public:
    bool ResolveDataLink(WORD linkId, KvFieldValue& field) override
    {
        if (linkId != 2302) return false;
        field.SetFieldID(F_UA_VOICE_ITEMS);
        field.SetSoftRec(&app);
        return true;
    }
    KvSoftRec* GetActiveUserApp() override { return &app; }

    KvUserApp app{"KEYS"};
};

TEST_F(FrameFontsAndPrintTest, BlockDetailsNameTheVoiceItemAFieldRefersTo)
{
    ed::VavurOrezo* menu = AddShown("Choose", 402);
    ASSERT_NE(menu, nullptr);
    ASSERT_NE(windows->CreateEditWindow(*shown, shownMain), nullptr);
    // The menu's greeting refers to the voice item by its number, as the model keeps it.
    const int offset = vlxSDOGetSymbolOffset(402, "Menu choices");
    auto* greeting = static_cast<char*>(vlxSDOAllocateMem(402, "Menu choices", menu->GetHandle(), offset));
    ASSERT_NE(greeting, nullptr);
    ASSERT_GT(vlxSDOGetAllocatedSize(402, "Menu choices"), 3);
    std::strcpy(greeting, "v41");

    KvBuiltinDefinitionStore definitions;
    KvSetDefinitionStore(&definitions);
    {
        VoiceItemsShell shell;
        auto* item = new KvSoftRecMem(DEF_VOICE_ITEM);
        KvFieldValue(F_VI_NAME, item) = CString("Welcome");
        KvFieldValue(F_VI_ID, item) = static_cast<short>(41);
        item->Commit();
        shell.app.GetList(F_UA_VOICE_ITEMS)->Add(item);
        ShellServices* const previous = KvGetShellServices();
        KvSetShellServices(&shell);
        Choose(kCmPrintBlockDetails);
        KvSetShellServices(previous);
    }
    KvSetDefinitionStore(nullptr);
    const std::vector<std::string> texts = m_printer.PageTexts(0);
    const auto label = std::find(texts.begin(), texts.end(), "Menu choices");
    ASSERT_NE(label, texts.end()) << ::testing::PrintToString(texts);
    ASSERT_NE(label + 1, texts.end());
    EXPECT_EQ(*(label + 1), "Welcome") << ::testing::PrintToString(texts);
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

TEST_F(FrameAcceleratorsTest, PageGridStaysOffWithoutADefaultPrinterAndTurnsOffWithoutOne)
{
    struct Case {
        const char* printer;
        bool on;
        bool refused;
    };
    const Case cases[] = {
        {"NONE", false, true},
        {"Test Printer,winspool,FILE:", true, false},
        {"NONE", false, false},
    };
    for (const Case& c : cases) {
        SetDefaultPrinterReader([&c] { return std::string(c.printer); });
        Choose(kCmPageGrid);
        EXPECT_EQ(frame->GetMenuCheck(kCmPageGrid), c.on) << c.printer;
        EXPECT_EQ((m_options & 0x100) != 0, c.on) << c.printer;
        EXPECT_EQ(BoxTexts(), c.refused ? std::vector<std::string>{"The system could not display the page grid.\n"
                                                                   "Please create a default printer."}
                                        : std::vector<std::string>{})
            << c.printer;
    }
    SetDefaultPrinterReader(nullptr);
}

// The client's palette windows of the old types.
std::vector<HWND> OldPaletteWindows(TMDIClient& client)
{
    std::vector<HWND> found;
    for (HWND child = ::GetWindow(client.HWindow, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char title[64] = "";
        ::GetWindowTextA(child, title, sizeof title);
        if (std::string(title) == "Old VavurOrezos") found.push_back(child);
    }
    return found;
}

LRESULT TabCount(UIMDIFrame& frame)
{
    auto* tabs = dynamic_cast<KvInTabWnd*>(frame.GetMainFrame()->GetInWnd());
    return tabs ? ::SendMessageA(tabs->GetTabCtrl()->m_hWnd, TCM_GETITEMCOUNT, 0, 0) : -1;
}

TEST_F(FrameAcceleratorsTest, PaletteOldVavurOrezosAndFullScreenEachGivenTwice)
{
    ASSERT_NE(palette, nullptr);
    frame->SetProgramPorts(FrameProgramPorts{windows.get(), &host});
    ASSERT_NE(frame->CreatePaletteWindow(palette.get(), true), nullptr);
    const LRESULT tabCount = TabCount(*frame);
    ASSERT_GT(tabCount, 0);

    // The docked palette goes, and comes back with its tabs.
    KvPaletteManager* manager = frame->GetMainFrame()->m_pPaletteManager;
    Choose(kCmShowPalette);
    EXPECT_EQ(manager->m_pPalette, nullptr);
    EXPECT_EQ(TabCount(*frame), -1);
    Choose(kCmShowPalette);
    EXPECT_NE(manager->m_pPalette, nullptr);
    EXPECT_EQ(TabCount(*frame), tabCount);

    // One window of the old types: the second command restores it and brings it forward.
    g_pOldPaletteIcons = palette.get();
    Choose(kCmOldVavurOrezos);
    const std::vector<HWND> old = OldPaletteWindows(*client);
    ASSERT_EQ(old.size(), 1u);
    ::ShowWindow(old[0], SW_MINIMIZE);
    ::BringWindowToTop(frame->GetPaletteWindow()->HWindow);
    Choose(kCmOldVavurOrezos);
    g_pOldPaletteIcons = nullptr;
    EXPECT_EQ(OldPaletteWindows(*client), old);
    EXPECT_FALSE(::IsIconic(old[0]));
    EXPECT_EQ(::GetWindow(client->HWindow, GW_CHILD), old[0]);

    // Full screen covers the screen below the menu bar; the second command restores.
    RECT before{};
    ::GetWindowRect(frame->HWindow, &before);
    Choose(kCmToggleFullScreen);
    ASSERT_TRUE(frame->GetMainFrame()->IsFullScreen());
    RECT full{};
    ::GetWindowRect(frame->HWindow, &full);
    EXPECT_TRUE(::EqualRect(&full, &frame->GetMainFrame()->GetFullScreenRect()));
    Choose(kCmToggleFullScreen);
    EXPECT_FALSE(frame->GetMainFrame()->IsFullScreen());
    RECT after{};
    ::GetWindowRect(frame->HWindow, &after);
    EXPECT_TRUE(::EqualRect(&after, &before));
}

// The tabbed palette's list: its icons' side in pixels, and the image list it shows.
HIMAGELIST ShownIcons(UIMDIFrame& frame, int* side)
{
    auto* tabs = dynamic_cast<KvInTabWnd*>(frame.GetMainFrame()->GetInWnd());
    if (tabs == nullptr) return nullptr;
    auto* icons = reinterpret_cast<HIMAGELIST>(
        ::SendMessageA(tabs->GetListCtrl()->m_hWnd, LVM_GETIMAGELIST, LVSIL_NORMAL, 0));
    int height = 0;
    ::ImageList_GetIconSize(icons, side, &height);
    return icons;
}

std::string TabText(UIMDIFrame& frame, int index)
{
    auto* tabs = dynamic_cast<KvInTabWnd*>(frame.GetMainFrame()->GetInWnd());
    char text[64] = "";
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ::SendMessageA(tabs->GetTabCtrl()->m_hWnd, TCM_GETITEMA, WPARAM(index), LPARAM(&item));
    return text;
}

TEST_F(FrameAcceleratorsTest, PaletteIconsFollowTheZoomAndACancelledSetZoomStillRebuildsTheTabs)
{
    ASSERT_NE(palette, nullptr);
    frame->SetProgramPorts(FrameProgramPorts{windows.get(), &host});
    ASSERT_NE(frame->CreatePaletteWindow(palette.get(), true), nullptr);
    ASSERT_GE(TabCount(*frame), 2);
    ASSERT_NE(AddShown("Start", ed::kTypeBegin), nullptr);
    ed::EditChild* canvas = windows->CreateEditWindow(*shown, shownMain);
    ASSERT_NE(canvas, nullptr);

    struct Case {
        ed::Zoom from;
        UINT key;
        int percent;
        int side;
    };
    const Case cases[] = {
        {{62, 7}, VK_ADD, 70, 28},
        {{40, 3}, VK_SUBTRACT, 37, 14},
        {{89, 10}, VK_ADD, 100, 40},
    };
    for (const Case& c : cases) {
        canvas->SetZoom(c.from.percent, c.from.step);
        Press(c.key);
        EXPECT_EQ(canvas->GetZoom().percent, c.percent);
        int side = 0;
        EXPECT_EQ(ShownIcons(*frame, &side), GetResizedPaletteImageList()->m_hImageList) << c.percent;
        EXPECT_EQ(side, c.side) << c.percent;
    }

    canvas->SetZoom(70, 8);
    Choose(kCmZoomOut);
    Choose(kCmZoomIn);
    int side = 0;
    const HIMAGELIST before = ShownIcons(*frame, &side);
    ASSERT_EQ(side, 28);
    auto* tabs = dynamic_cast<KvInTabWnd*>(frame->GetMainFrame()->GetInWnd());
    ::SendMessageA(tabs->m_hWnd, 0x4CC, 1, 0);
    const std::string first = TabText(*frame, 0);
    TCITEMA stale{};
    stale.mask = TCIF_TEXT;
    stale.pszText = const_cast<char*>("stale");
    ::SendMessageA(tabs->GetTabCtrl()->m_hWnd, TCM_SETITEMA, 0, LPARAM(&stale));

    DialogScript script({{"Set Zoom", [](HWND d) { PostClick(d, IDCANCEL); }}});
    Choose(kCmSetZoom);
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(canvas->GetZoom(), (ed::Zoom{70, 8}));
    EXPECT_EQ(TabText(*frame, 0), first);
    EXPECT_EQ(tabs->GetCurSel(), 1);
    const HIMAGELIST after = ShownIcons(*frame, &side);
    EXPECT_NE(after, before);
    EXPECT_EQ(side, 28);
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
