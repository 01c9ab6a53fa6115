// The frame's edit, line, block, view and check commands, posted to a frame over real page
// windows, a real model program and a real clipboard program; results are read from the
// page, the model and the clipboard.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialog_script_win32.h"
#include "editor/clipboard/clipboardprogram.h"
#include "editor/notes/textnote.h"
#include "foundation/kvflthnd.h"
#include "framework/kvbeep.h"
#include "owl/module.h"
#include "owl/testing/dialog_driver.h"
#include "pagewindows_fixture.h"
#include "shell/commands/blockcommands.h"
#include "shell/commands/editcommands.h"
#include "shell/commands/framecommands.h"
#include "shell/commands/linecommands.h"
#include "shell/commands/notecommands.h"
#include "shell/commands/pagecommands.h"
#include "shell/commands/viewcommands.h"
#include "shell/dialogs/basedialog.h"
#include "shell/menus/gotomenuitems.h"

namespace {

constexpr int kPlayVoice = 393;  // outputs "Done Playing", "Menu Key (1-9)", ...
constexpr int kMenuBlock = 404;

TModule& ProcessModule()
{
    static TModule module{"shell_tests", ::GetModuleHandleA(nullptr)};
    return module;
}

class QuietWorkspace : public ed::ClipboardWorkspace {
public:
    void CopyItemsOf(ed::VavurOrezo&) override {}
    void AddItemRefsOf(ed::VavurOrezo&) override {}
    void AddClipboardImport(const std::string&) override {}
    void Report(int, const std::string&) override {}
};

class CommandSite : public FrameCommandSite {
public:
    CommandSite(TMDIFrame& frame, TMDIClient& client, ed::EditWindows& windows, ed::ClipboardProgram& clipboard)
        : m_frame(frame), m_client(client), m_windows(windows), m_clipboard(clipboard) {}
    TWindow* FrameWindow() override { return &m_frame; }
    HWND ActiveChild() override
    {
        return reinterpret_cast<HWND>(::SendMessageA(m_client.HWindow, WM_MDIGETACTIVE, 0, 0));
    }
    ed::EditWindows* PageWindows() override { return &m_windows; }
    void ShowStatusMessage(UINT stringId, bool) override { statuses.push_back(stringId); }
    ed::ClipboardProgram* Clipboard() override { return &m_clipboard; }
    void HoldBlocks() override { ++holds; }
    bool SaveProgram(ed::Program& program) override
    {
        saves.push_back(program.GetFileName());
        return saveAnswer;
    }

    std::vector<UINT> statuses;
    std::vector<std::string> saves;
    int holds = 0;
    bool saveAnswer = false;

private:
    TMDIFrame& m_frame;
    TMDIClient& m_client;
    ed::EditWindows& m_windows;
    ed::ClipboardProgram& m_clipboard;
};

class FrameCommandsTest : public PageWindowsFixture {
protected:
    FrameCommandsTest()
    {
        desk::SetDialogModules(&ProcessModule(), nullptr);
        KvSetFaultHandler(&faults);
        clipboard = std::make_unique<ed::ClipboardProgram>(host, model, &imports, clipboardModel, workspace);
        site = std::make_unique<CommandSite>(*frame, *client, *windows, *clipboard);
        frame->hook = [this](UINT id) { return RunFrameCommand(*site, id); };
        KvSetBeepHook([this](UINT type) { beeps.push_back(type); });
    }
    ~FrameCommandsTest() override
    {
        frame->hook = nullptr;
        KvSetBeepHook(nullptr);
        KvSetFaultHandler(nullptr);
        desk::SetDialogModules(nullptr, nullptr);
        windows.reset();
        clipboard.reset();
    }

    // The page's window, its canvas holding exactly these objects selected.
    ed::EditChild& ShowSelected(ed::Page* page, std::vector<ed::UIObject*> objects)
    {
        ed::EditMDI* window = windows->FindEditWindow(page);
        ed::EditChild* canvas = window != nullptr ? window->Canvas() : windows->CreateEditWindow(*opened, page);
        if (window != nullptr) windows->ActivateEditWindow(window);
        canvas->Canvas().ClearSelection();
        for (ed::UIObject* object : objects) canvas->Canvas().SelectObject(object, 0, 1);
        return *canvas;
    }

    // Posts the command as the menu does; its message boxes get the answers in order.
    void Post(UINT id, std::vector<DialogScript::Step> steps = {}, std::vector<int> answers = {})
    {
        presenter.Clear();
        for (int answer : answers) presenter.Answer(answer);
        DialogScript script(std::move(steps));
        ::PostMessageA(frame->HWindow, WM_COMMAND, id, 0);
        PumpUntil([&] { return script.Done() && ::GetLastActivePopup(frame->HWindow) == frame->HWindow; }, 8000);
        PumpPending();
        EXPECT_TRUE(script.Done()) << "steps run: " << script.StepsRun();
    }

    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : presenter.Boxes()) texts.push_back(box.text);
        return texts;
    }

    ed::VavurOrezo* AddTo(ed::Page* page, const char* name, int type, std::int32_t x = 40, std::int32_t y = 40)
    {
        ed::VavurOrezo* block = Add(page, name, type, x, y);
        opened->Activate();
        return block;
    }

    KvFaultHandlerObj faults;
    ed::VlxClipboard clipboardModel;
    QuietWorkspace workspace;
    std::unique_ptr<ed::ClipboardProgram> clipboard;
    std::unique_ptr<CommandSite> site;
    std::vector<UINT> beeps;
};

bool Selected(ed::EditChild& canvas, ed::UIObject* object) { return canvas.Canvas().IsSelected(object); }

TEST_F(FrameCommandsTest, EachCommandWithoutAPageWindowShowsTheStatusTextAndBeeps)
{
    for (UINT id : {kCmEditCut, kCmEditDelete, kCmRerouteLine, kCmStubRestoreLine, kCmRenameBlock, kCmZoomIn,
                    kCmLineDown, kCmCheckComplete, UINT(kCmOutputBase), kCmPrintFlow, kCmCreateTextNote}) {
        site->statuses.clear();
        beeps.clear();
        Post(id);
        EXPECT_EQ(site->statuses, std::vector<UINT>{33u}) << id;
        EXPECT_EQ(beeps, std::vector<UINT>{MB_ICONEXCLAMATION}) << id;
    }
    // Escape says nothing in any state.
    site->statuses.clear();
    beeps.clear();
    Post(kCmEscape);
    EXPECT_TRUE(site->statuses.empty());
    EXPECT_TRUE(beeps.empty());
}

TEST_F(FrameCommandsTest, ProtectedBlocksAreRefusedWithTheTextOfTheirCommandAndStay)
{
    struct Case {
        int type;
        UINT command;
        const char* text;
        bool staysSelected;
    };
    const Case cases[] = {
        {ed::kTypeBegin, kCmEditCut, "You cannot cut the Start Block.", false},
        {ed::kTypeBegin, kCmEditCopy, "You cannot copy the Start Block.", true},
        {ed::kTypeBegin, kCmEditDelete, "You cannot delete the Start Block.", true},
        {ed::kTypeEnd, kCmEditCut, "You cannot cut the End Block.", false},
        {ed::kTypeEnd, kCmEditCopy, "You cannot copy the End Block.", true},
        {ed::kTypeEnd, kCmEditDelete, "You cannot delete the End Block.", true},
        {ed::kTypeRotary, kCmEditCut, "You cannot cut the Rotary Dial Block.", false},
        {ed::kTypeRotary, kCmEditCopy, "You cannot copy the Rotary Dial Block.", true},
        {ed::kTypeRotary, kCmEditDelete, "You cannot delete the Rotary Dial Block.", true},
        {ed::kTypeFixed401, kCmEditCut, "You cannot cut the Continue Block.", false},
        {ed::kTypeFixed401, kCmEditCopy, "You cannot copy the Continue Block.", true},
        {ed::kTypeFixed401, kCmEditDelete, "You cannot delete the Continue Block.", true},
    };
    for (const Case& c : cases) {
        const std::string name = "Kept" + std::to_string(c.type);
        ed::VavurOrezo* block = openedMain->FindVavurOrezo(name.c_str());
        if (block == nullptr) block = AddTo(openedMain, name.c_str(), c.type);
        ASSERT_NE(block, nullptr) << c.type;
        ed::EditChild& canvas = ShowSelected(openedMain, {block});
        Post(c.command);
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{c.text}) << c.type << " " << c.command;
        EXPECT_EQ(openedMain->FindVavurOrezo(name.c_str()), block);
        EXPECT_EQ(Selected(canvas, block), c.staysSelected) << c.type << " " << c.command;
        EXPECT_EQ(clipboard->SourceProgramId(), -1);
    }
    EXPECT_EQ(site->holds, 0);
}

TEST_F(FrameCommandsTest, CutTakesTheOtherBlocksAndLeavesTheStartBlock)
{
    ed::VavurOrezo* start = AddTo(openedMain, "Start", ed::kTypeBegin);
    ed::VavurOrezo* play = AddTo(openedMain, "Play", kPlayVoice, 200, 40);
    ed::VavurOrezo* menu = AddTo(openedMain, "Menu", kMenuBlock, 200, 200);
    ASSERT_TRUE(start && play && menu);
    ed::EditChild& canvas = ShowSelected(openedMain, {start, play, menu});
    Post(kCmEditCut);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"You cannot cut the Start Block."});
    EXPECT_EQ(openedMain->FindVavurOrezo("Play"), nullptr);
    EXPECT_EQ(openedMain->FindVavurOrezo("Menu"), nullptr);
    EXPECT_EQ(openedMain->FindVavurOrezo("Start"), start);
    EXPECT_FALSE(Selected(canvas, start));
    ASSERT_NE(clipboard->ClipboardPage(), nullptr);
    EXPECT_NE(clipboard->ClipboardPage()->FindVavurOrezo("Play"), nullptr);
    EXPECT_NE(clipboard->ClipboardPage()->FindVavurOrezo("Menu"), nullptr);
    EXPECT_EQ(site->holds, 1);
}

TEST_F(FrameCommandsTest, ConfirmationAnsweredNoChangesNothing)
{
    ed::VavurOrezo* play = AddTo(openedMain, "Play", kPlayVoice);
    ASSERT_NE(play, nullptr);
    host.options = kOptionConfirmDeletes;

    // An empty selection is not asked about.
    ShowSelected(openedMain, {});
    Post(kCmEditDelete);
    EXPECT_TRUE(BoxTexts().empty());

    ShowSelected(openedMain, {play});
    Post(kCmEditDelete, {}, {IDNO});
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Are you sure you want to remove the selected objects?"});
    EXPECT_EQ(openedMain->FindVavurOrezo("Play"), play);

    // Cut declined at the removal is a copy.
    ed::EditChild& canvas = ShowSelected(openedMain, {play});
    Post(kCmEditCut, {}, {IDNO});
    ASSERT_EQ(openedMain->FindVavurOrezo("Play"), play);
    ASSERT_NE(clipboard->ClipboardPage(), nullptr);
    EXPECT_NE(clipboard->ClipboardPage()->FindVavurOrezo("Play"), nullptr);

    Post(kCmEditPaste, {}, {IDNO});
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Are you sure you want to paste the copied objects?"});
    EXPECT_EQ(canvas.Canvas().Mode(), ed::kMouseIdle);
    EXPECT_TRUE(Selected(canvas, play));
}

TEST_F(FrameCommandsTest, PasteRefusesAnEmptyClipboardAndAnEndBlockOnMainThenPlacesAndEscapeEnds)
{
    windows->CreateEditWindow(*opened, openedMain);
    Post(kCmEditPaste);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"The clipboard is empty!"});

    ed::VavurOrezo* end = AddTo(superBlock, "End", ed::kTypeSubFlowEnd, 200, 300);
    ed::VavurOrezo* play = AddTo(superBlock, "Play", kPlayVoice);
    ASSERT_TRUE(end && play);
    ShowSelected(superBlock, {play});
    Post(kCmEditCopy);
    ASSERT_TRUE(clipboard->HoldsEndBlock());

    windows->ActivateEditWindow(windows->FindEditWindow(openedMain));
    Post(kCmEditPaste);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"The clipboard contains an End Block, which cannot be added to Main."});
    EXPECT_EQ(windows->FindEditWindow(openedMain)->Canvas()->Canvas().Mode(), ed::kMouseIdle);

    // A SuperBlock page takes it: the placement starts, and Escape ends it with nothing pasted.
    ed::EditChild& canvas = ShowSelected(superBlock, {play});
    const std::size_t blocks = superBlock->Blocks().size();
    Post(kCmEditPaste);
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_EQ(canvas.Canvas().Mode(), ed::kMousePastePlacement);
    EXPECT_FALSE(Selected(canvas, play));
    Post(kCmEscape);
    EXPECT_EQ(canvas.Canvas().Mode(), ed::kMouseIdle);
    EXPECT_EQ(superBlock->Blocks().size(), blocks);
}

TEST_F(FrameCommandsTest, DeletingABlockTakesTheLinesAtItAndAGotoBlockOnlyBeeps)
{
    ed::VavurOrezo* play = AddTo(openedMain, "Play", kPlayVoice);
    ed::VavurOrezo* menu = AddTo(openedMain, "Menu", kMenuBlock, 200, 200);
    ASSERT_TRUE(play && menu);
    ASSERT_NE(play->CreateGoto(menu, "Done Playing", 0), nullptr);

    ShowSelected(openedMain, {play->GotoBlocks().front().get()});
    beeps.clear();
    Post(kCmEditDelete);
    EXPECT_EQ(beeps, std::vector<UINT>{MB_ICONEXCLAMATION});
    EXPECT_EQ(play->Gotos().size(), 1u);

    ShowSelected(openedMain, {menu});
    Post(kCmEditDelete);
    EXPECT_EQ(openedMain->FindVavurOrezo("Menu"), nullptr);
    EXPECT_TRUE(play->Gotos().empty());
    EXPECT_TRUE(opened->IsModified());
}

TEST_F(FrameCommandsTest, LineCommandsRefuseWithoutALineAndStubOrRestoreEachSelectedLine)
{
    ed::VavurOrezo* play = AddTo(openedMain, "Play", kPlayVoice);
    ed::VavurOrezo* menu = AddTo(openedMain, "Menu", kMenuBlock, 200, 200);
    ASSERT_TRUE(play && menu);
    ed::Goto* line = play->CreateGoto(menu, "Done Playing", 0);
    ASSERT_NE(line, nullptr);

    ShowSelected(openedMain, {play});
    for (UINT id : {kCmRerouteLine, kCmStubRestoreLine}) {
        Post(id);
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Select a goto line before using this command."}) << id;
    }

    struct Case {
        std::uint32_t before;
        std::uint32_t labelOption;
        std::uint32_t after;
    };
    const Case cases[] = {
        {0, 0, ed::kGotoStub},
        {0, kOptionLabelStubs, ed::kGotoLabelledStub},
        {ed::kGotoStub, kOptionLabelStubs, 0},
        {ed::kGotoLabelledStub, 0, 0},
    };
    for (const Case& c : cases) {
        line->ClearFlags(ed::kGotoStub | ed::kGotoLabelledStub);
        line->SetFlags(c.before | ed::kGotoHandEdited);
        host.options = c.labelOption;
        ShowSelected(openedMain, {line});
        Post(kCmStubRestoreLine);
        EXPECT_TRUE(BoxTexts().empty());
        EXPECT_EQ(line->Flags() & (ed::kGotoStub | ed::kGotoLabelledStub), c.after) << c.before;
        EXPECT_FALSE(line->TestFlags(ed::kGotoHandEdited)) << c.before;
    }

    // Reroute Line routes the selected line: its hand-edited mark goes, its route is laid.
    line->SetFlags(ed::kGotoHandEdited);
    ShowSelected(openedMain, {line});
    Post(kCmRerouteLine);
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_FALSE(line->TestFlags(ed::kGotoHandEdited));
    EXPECT_FALSE(line->NeedsRouting());
}

TEST_F(FrameCommandsTest, OutputCommandsActOnTheOneSelectedBlocksOwnOutputs)
{
    ed::VavurOrezo* play = AddTo(openedMain, "Play", kPlayVoice);
    ed::VavurOrezo* menu = AddTo(openedMain, "Menu", kMenuBlock, 200, 200);
    ASSERT_TRUE(play && menu);
    ASSERT_GE(play->GotoBlocks().size(), 2u);
    ASSERT_FALSE(menu->GotoBlocks().empty());
    const int menuShown = menu->GotoBlocks().front()->IsShownFlag();

    ShowSelected(openedMain, {play, menu});
    Post(kCmOutputBase);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Only one VavurOrezo can be configured at a time."});
    ShowSelected(openedMain, {});
    Post(kCmOutputBase);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Select a VavurOrezo before using this command."});

    auto shown = [&] {
        std::vector<int> flags;
        for (const auto& output : play->GotoBlocks()) flags.push_back(output->IsShownFlag());
        return flags;
    };
    ed::EditChild& canvas = ShowSelected(openedMain, {play});
    Post(kCmShowAllOutputs);
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_TRUE(Selected(canvas, play));
    const std::vector<int> all(play->GotoBlocks().size(), 1);
    EXPECT_EQ(shown(), all);
    Post(kCmOutputBase + 1);
    std::vector<int> secondHidden = all;
    secondHidden[1] = 0;
    EXPECT_EQ(shown(), secondHidden);
    // An item of a block with more outputs changes nothing here.
    Post(UINT(kCmOutputBase + play->GotoBlocks().size()));
    EXPECT_EQ(shown(), secondHidden);
    Post(kCmHideAllOutputs);
    EXPECT_EQ(shown(), std::vector<int>(play->GotoBlocks().size(), 0));
    EXPECT_EQ(menu->GotoBlocks().front()->IsShownFlag(), menuShown);
}

TEST_F(FrameCommandsTest, RenameChecksTheSelectionFirstThenTheTypeAndAsksAgainForANameInUse)
{
    ed::VavurOrezo* start = AddTo(openedMain, "Start", ed::kTypeBegin);
    ed::VavurOrezo* play = AddTo(openedMain, "Play", kPlayVoice);
    ed::VavurOrezo* menu = AddTo(openedMain, "Menu", kMenuBlock, 200, 200);
    ASSERT_TRUE(start && play && menu);

    ShowSelected(openedMain, {start, play});
    Post(kCmRenameBlock);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Only one VavurOrezo can be configured at a time."});
    ShowSelected(openedMain, {start});
    Post(kCmRenameBlock);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"You can not rename the Start Block."});

    ShowSelected(openedMain, {play});
    std::string offered;
    Post(kCmRenameBlock, {{"Rename Block Play",
                           [](HWND d) {
                               ::SetDlgItemTextA(d, 101, "Menu");
                               PostClick(d, IDOK);
                           }},
                          {"Rename Block Play", [&](HWND d) {
                               char text[64] = "";
                               ::GetDlgItemTextA(d, 101, text, sizeof text);
                               offered = text;
                               ::SetDlgItemTextA(d, 101, "Greeting");
                               PostClick(d, IDOK);
                           }}});
    EXPECT_EQ(offered, "Menu");
    EXPECT_EQ(play->Name(), "Greeting");
    EXPECT_EQ(openedMain->FindVavurOrezo("Menu"), menu);
}

TEST_F(FrameCommandsTest, CheckAsksForTheSaveOfAnUntitledProgramAndReportsIncompleteBlocks)
{
    ASSERT_NE(AddTo(openedMain, "Play", kPlayVoice), nullptr);
    windows->CreateEditWindow(*opened, openedMain);
    opened->SetFileName("Untitled");
    site->saveAnswer = false;
    Post(kCmCheckComplete);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Program must be saved before building."});
    EXPECT_EQ(site->saves, std::vector<std::string>{"Untitled"});

    opened->SetFileName("C:\\APPS\\DEMO.ed");
    Post(kCmCheckComplete);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"This application contains incomplete blocks and cannot be built"});
    EXPECT_EQ(site->saves.size(), 1u);
}

TEST_F(FrameCommandsTest, ZoomStopsAtTheEndsOfTheScaleAndASetZoomIsPlacedOnItByTheNextStep)
{
    ed::EditChild* canvas = windows->CreateEditWindow(*opened, openedMain);
    struct Case {
        ed::Zoom from;
        UINT command;
        ed::Zoom to;
    };
    const Case cases[] = {
        {{100, 11}, kCmZoomIn, {100, 11}},
        {{35, 1}, kCmZoomOut, {35, 1}},
        {{50, 0}, kCmZoomIn, {55, 6}},
        {{70, 8}, kCmZoomOut, {62, 7}},
        {{40, 3}, kCmZoomNormal, {100, 11}},
    };
    for (const Case& c : cases) {
        canvas->SetZoom(c.from.percent, c.from.step);
        Post(c.command);
        EXPECT_EQ(canvas->GetZoom(), c.to) << c.from.percent << " " << c.command;
        EXPECT_EQ(opened->ZoomLevel(), c.to.percent);
    }

    Post(kCmSetZoom, {{"Set Zoom", [](HWND d) {
                           ::SetDlgItemTextA(d, 205, "50");
                           PostClick(d, IDOK);
                       }}});
    EXPECT_EQ(canvas->GetZoom(), (ed::Zoom{50, 0}));
    Post(kCmZoomIn);
    EXPECT_EQ(canvas->GetZoom(), (ed::Zoom{55, 6}));
}

TEST_F(FrameCommandsTest, ScrollKeysMoveTheirBar)
{
    ed::EditChild* canvas = windows->CreateEditWindow(*opened, openedMain);
    ASSERT_NE(AddTo(openedMain, "Far", kPlayVoice, 3000, 3000), nullptr);
    canvas->BuildDisplay();
    Post(kCmPageDown);
    const int down = canvas->GetVertScrollPos();
    EXPECT_GT(down, 0);
    Post(kCmLineUp);
    EXPECT_LT(canvas->GetVertScrollPos(), down);
    Post(kCmPageRight);
    EXPECT_GT(canvas->GetHorzScrollPos(), 0);
    Post(kCmHome);
    EXPECT_EQ(canvas->GetVertScrollPos(), 0);
    EXPECT_EQ(canvas->GetHorzScrollPos(), 0);
}

TEST_F(FrameCommandsTest, WhileANoteIsTypedInTheEditAndLineKeysAreTheNotesAlone)
{
    ed::EditChild* canvas = windows->CreateEditWindow(*opened, openedMain);
    ed::VavurOrezo* play = AddTo(openedMain, "Play", kPlayVoice, 40, 400);
    ASSERT_NE(play, nullptr);
    ed::KvTextUI* note = canvas->CreateTextNote(ed::Rect{20, 20, 220, 120});
    ASSERT_NE(note, nullptr);

    // Edit Text Note wants the note alone.
    ShowSelected(openedMain, {note, play});
    Post(kCmEditTextNote);
    EXPECT_EQ(canvas->Canvas().Mode(), ed::kMouseIdle);

    ShowSelected(openedMain, {note});
    Post(kCmEditTextNote);
    ASSERT_EQ(canvas->Canvas().Mode(), ed::kMouseNoteEditing);
    HWND editor = canvas->EditedNoteWindow();
    ASSERT_NE(editor, nullptr);
    ::SetWindowTextA(editor, "abc");
    ::SendMessageA(editor, EM_SETSEL, 0, 0);

    Post(kCmEditDelete);
    char text[16] = "";
    ::GetWindowTextA(editor, text, sizeof text);
    EXPECT_STREQ(text, "bc");
    Post(kCmLineRight);
    DWORD from = 0, to = 0;
    ::SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 1u);
    Post(kCmEditCut);
    EXPECT_EQ(openedMain->Notes().size(), 1u);
    EXPECT_EQ(clipboard->SourceProgramId(), -1);
    EXPECT_EQ(canvas->Canvas().Mode(), ed::kMouseNoteEditing);

    // Create Text Note ends the typing and starts placing a new note.
    Post(kCmCreateTextNote);
    EXPECT_EQ(canvas->Canvas().Mode(), ed::kMouseNotePlacement);
}

}  // namespace
