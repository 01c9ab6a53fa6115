// The page dialogs over a real model program: their lists in both kinds, adding (a
// refused name asked again), editing, deleting (in use, declined, done before the page
// goes), renaming (a name in use keeps the dialog open), the export mark, copy and paste
// of a page, and the view dialog's choice.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../../editor/tests/canvas_fixture.h"
#include "dialog_script_win32.h"
#include "editor/clipboard/clipboardprogram.h"
#include "owl/module.h"
#include "owl/testing/dialog_driver.h"
#include "owl/testing/window_picture.h"
#include "shell/dialogs/basedialog.h"
#include "shell/dialogs/pagedialoghost.h"
#include "shell/dialogs/pagedialogs.h"

namespace {

using NoWorkspace = ed::test::QuietClipboardWorkspace;

class RecordingPageHost : public PageDialogHost {
public:
    void ShowPageWindow(ed::Program&, ed::Page* page) override { shown.push_back(page); }
    void ClosePageWindows(ed::Program& program, ed::Page* page) override
    {
        closed.push_back(page->Name());
        closedWhilePresent.push_back(program.FindPage(page->Name().c_str()) == page);
    }
    void UpdateChildCaptions() override { ++captionUpdates; }
    ed::Page* ActivePage() override { return active; }
    ed::ClipboardProgram* Clipboard() override { return clipboard; }
    void RefreshPalette(ed::Program&) override { ++paletteRefreshes; }

    std::vector<ed::Page*> shown;
    std::vector<std::string> closed;
    std::vector<bool> closedWhilePresent;
    int captionUpdates = 0;
    int paletteRefreshes = 0;
    ed::Page* active = nullptr;
    ed::ClipboardProgram* clipboard = nullptr;
};

std::vector<std::string> ListLines(HWND dialog, int id = 100)
{
    std::vector<std::string> lines;
    HWND list = ::GetDlgItem(dialog, id);
    const LRESULT count = ::SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char line[256] = "";
        ::SendMessageA(list, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(line));
        lines.emplace_back(line);
    }
    return lines;
}

void SelectLine(HWND dialog, const char* startOfLine)
{
    HWND list = ::GetDlgItem(dialog, 100);
    const LRESULT index = ::SendMessageA(list, LB_FINDSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(startOfLine));
    ::SendMessageA(list, LB_SETCURSEL, WPARAM(index), 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(100, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void TypeName(HWND dialog, const char* name)
{
    ::SetDlgItemTextA(dialog, 100, name);
    PostClick(dialog, IDOK);
}

bool BoxChecked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }
bool Visible(HWND dialog, int id) { return ::IsWindowVisible(::GetDlgItem(dialog, id)) != FALSE; }

class PageDialogsTest : public ed::test::CanvasTest {
protected:
    PageDialogsTest()
    {
        desk::SetDialogModules(&m_module, nullptr);
        sub = AddPage("Billing", ed::kPageSuperBlock);
        used = AddPage("Lookup", ed::kPageSuperBlock);
        check = AddPage("Verify", ed::kPageVerification);
        // A call of Lookup on the main page keeps Lookup in use.
        program->Activate();
        main->Activate();
        int refused = 0;
        call = vlxCreateVavurOrezo(-101, "CallLookup", refused, "Lookup");
        pages.active = main;
        program->ClearModified();
    }
    ~PageDialogsTest() override
    {
        if (call != nullptr) {
            program->Activate();
            vlxDeleteVavurOrezo(call, 0);
        }
        desk::SetDialogModules(nullptr, nullptr);
    }

    ed::Page* AddPage(const char* name, std::int32_t type)
    {
        program->Activate();
        auto* page = new ed::Page(program.get(), name, type, 0);
        program->AddPage(page);
        EXPECT_EQ(page->AddSuperBlockDefaultBlocks(type), 1);
        return page;
    }

    int RunDefine(std::int32_t type, std::vector<DialogScript::Step> steps)
    {
        DialogScript script(std::move(steps));
        desk::TDefinePagesDialog dialog(nullptr, *program, type, pages);
        const int result = dialog.Execute();
        EXPECT_TRUE(script.Done()) << "steps run: " << script.StepsRun();
        EXPECT_FALSE(script.TimedOut());
        return result;
    }

    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : presenter.Boxes()) texts.push_back(box.text);
        return texts;
    }

    TModule m_module{"shell_tests", ::GetModuleHandleA(nullptr)};
    RecordingPageHost pages;
    ed::Page* sub = nullptr;
    ed::Page* used = nullptr;
    ed::Page* check = nullptr;
    vlxHandleType call = nullptr;
};

constexpr const char* kDefineSuper = "Define SuperBlocks";
constexpr const char* kDefineVerify = "Define Verification Blocks";

TEST_F(PageDialogsTest, EachKindListsItsOwnPagesAndOnlySuperBlocksCarryTheExportBox)
{
    std::vector<std::string> superLines, verifyLines;
    std::string superTitle, verifyTitle;
    bool exportShownSuper = false, exportShownVerify = true, exportEnabledAtStart = true;
    RunDefine(ed::kPageSuperBlock, {{kDefineSuper, [&](HWND d) {
                                         superLines = ListLines(d);
                                         superTitle = ControlText(d, 106);
                                         exportShownSuper = Visible(d, 107);
                                         exportEnabledAtStart = Enabled(d, 107);
                                         SelectLine(d, "Billing");
                                         SaveWindowPicture(d, "DEFINEPAGES-superblocks");
                                         PostClick(d, IDOK);
                                     }}});
    RunDefine(ed::kPageVerification, {{kDefineVerify, [&](HWND d) {
                                           verifyLines = ListLines(d);
                                           verifyTitle = ControlText(d, 106);
                                           exportShownVerify = Visible(d, 107);
                                           SelectLine(d, "Verify");
                                           SaveWindowPicture(d, "DEFINEPAGES-verification");
                                           PostClick(d, IDCANCEL);
                                       }}});
    EXPECT_EQ(superLines, (std::vector<std::string>{"Billing         \tInternal", "Lookup          \tInternal"}));
    EXPECT_EQ(superTitle, "Available SuperBlocks");
    EXPECT_TRUE(exportShownSuper);
    EXPECT_FALSE(exportEnabledAtStart);
    EXPECT_EQ(verifyLines, std::vector<std::string>{"Verify"});
    EXPECT_EQ(verifyTitle, "Available Verification Blocks");
    EXPECT_FALSE(exportShownVerify);
}

TEST_F(PageDialogsTest, TheExportBoxFollowsAndSetsTheModelsMark)
{
    bool enabledOnSelection = false, checkedBefore = true, checkedAfterReselect = false;
    std::vector<std::string> lines;
    RunDefine(ed::kPageSuperBlock, {{kDefineSuper, [&](HWND d) {
                                         SelectLine(d, "Billing");
                                         enabledOnSelection = Enabled(d, 107);
                                         checkedBefore = BoxChecked(d, 107);
                                         ::CheckDlgButton(d, 107, BST_CHECKED);
                                         ::SendMessageA(d, WM_COMMAND, MAKEWPARAM(107, BN_CLICKED),
                                                        reinterpret_cast<LPARAM>(::GetDlgItem(d, 107)));
                                         lines = ListLines(d);
                                         SelectLine(d, "Lookup");
                                         SelectLine(d, "Billing");
                                         checkedAfterReselect = BoxChecked(d, 107);
                                         PostClick(d, IDOK);
                                     }}});
    EXPECT_TRUE(enabledOnSelection);
    EXPECT_FALSE(checkedBefore);
    EXPECT_EQ(lines, (std::vector<std::string>{"Billing         \tExport", "Lookup          \tInternal"}));
    EXPECT_TRUE(checkedAfterReselect);
    EXPECT_EQ(vlxGetPageType(program->Handle(), "Billing"), 1);
}

TEST_F(PageDialogsTest, AddAsksAgainAfterARefusedNameAndPlacesTheStandardBlocks)
{
    const std::size_t pagesBefore = program->Pages().size();
    std::string prompt, caption;
    std::vector<std::string> lines;
    // "Verify" is taken: the model refuses it and the name is asked again, empty.
    std::string secondAskName = "x";
    RunDefine(ed::kPageVerification,
              {{kDefineVerify, [](HWND d) { PostClick(d, 101); }},
               {"Add New Verification Block",
                [&](HWND d) {
                    prompt = ControlText(d, 103);
                    SaveWindowPicture(d, "NAMEPAGE");
                    TypeName(d, "Verify");
                }},
               {"Add New Verification Block",
                [&](HWND d) {
                    secondAskName = ControlText(d, 100);
                    TypeName(d, "Audit");
                }},
               {kDefineVerify, [&](HWND d) {
                    lines = ListLines(d);
                    PostClick(d, IDOK);
                }}});
    EXPECT_EQ(prompt, "Enter new Verification Block name:");
    EXPECT_EQ(secondAskName, "");
    EXPECT_EQ(lines, (std::vector<std::string>{"Audit", "Verify"}));
    ASSERT_EQ(program->Pages().size(), pagesBefore + 1);
    ed::Page* audit = program->FindPage("Audit");
    ASSERT_NE(audit, nullptr);
    EXPECT_EQ(audit->PageType(), ed::kPageVerification);
    EXPECT_NE(audit->FindVavurOrezo("Begin"), nullptr);
    EXPECT_NE(audit->FindVavurOrezo("Success"), nullptr);
    EXPECT_NE(vlxFindPage("Audit"), nullptr);
}

TEST_F(PageDialogsTest, AddCancelledChangesNothingAndLongNamesAreCut)
{
    const std::size_t pagesBefore = program->Pages().size();
    RunDefine(ed::kPageSuperBlock, {{kDefineSuper, [](HWND d) { PostClick(d, 101); }},
                                    {"Add New SuperBlock", [](HWND d) { PostClick(d, IDCANCEL); }},
                                    {kDefineSuper, [](HWND d) { PostClick(d, IDOK); }}});
    EXPECT_EQ(program->Pages().size(), pagesBefore);

    RunDefine(ed::kPageSuperBlock, {{kDefineSuper, [](HWND d) { PostClick(d, 101); }},
                                    {"Add New SuperBlock", [](HWND d) { TypeName(d, "ABCDEFGHIJKLMNOPQRST"); }},
                                    {kDefineSuper, [](HWND d) { PostClick(d, IDOK); }}});
    EXPECT_NE(program->FindPage("ABCDEFGHIJKLMNO"), nullptr);
    EXPECT_EQ(program->Pages().size(), pagesBefore + 1);
}

TEST_F(PageDialogsTest, RefusalsWithoutASelectionShowTheirTexts)
{
    RunDefine(ed::kPageSuperBlock, {{kDefineSuper, [](HWND d) {
                                         PostClick(d, 102);
                                         PostClick(d, 103);
                                         PostClick(d, 104);
                                         PostClick(d, 105);
                                         PostClick(d, 108);
                                         PostClick(d, IDCANCEL);
                                     }}});
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Please select an item to edit.", "Please select an item to delete.",
                                                     "Please select an item to rename.", "Please select a block to copy.",
                                                     "You must first select a superblock or verification block to copy."}));
    EXPECT_TRUE(pages.shown.empty());
}

TEST_F(PageDialogsTest, EditShowsThePageAndCloses)
{
    const int result = RunDefine(ed::kPageSuperBlock, {{kDefineSuper, [](HWND d) {
                                                            SelectLine(d, "Billing");
                                                            PostClick(d, 102);
                                                        }}});
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(pages.shown, std::vector<ed::Page*>{sub});
}

TEST_F(PageDialogsTest, DeleteRefusesAPageInUseAsksAndClosesItsWindowsFirst)
{
    std::vector<std::string> lines;
    bool exportEnabled = true;
    presenter.Answer(IDNO);
    presenter.Answer(IDYES);
    RunDefine(ed::kPageSuperBlock, {{kDefineSuper, [&](HWND d) {
                                         SelectLine(d, "Lookup");
                                         PostClick(d, 103);  // in use
                                     }},
                                    {kDefineSuper, [&](HWND d) {
                                         SelectLine(d, "Billing");
                                         PostClick(d, 103);  // declined
                                     }},
                                    {kDefineSuper, [&](HWND d) {
                                         SelectLine(d, "Billing");
                                         PostClick(d, 103);  // done
                                     }},
                                    {kDefineSuper, [&](HWND d) {
                                         lines = ListLines(d);
                                         exportEnabled = Enabled(d, 107);
                                         PostClick(d, IDOK);
                                     }}});
    ASSERT_EQ(presenter.Boxes().size(), 3u);
    EXPECT_EQ(presenter.Boxes()[0].text, "This block cannot be delete because it is still in use.");
    EXPECT_EQ(presenter.Boxes()[1].text, "Are you sure you want to delete Billing?");
    EXPECT_EQ(presenter.Boxes()[1].caption, "Warning");
    EXPECT_EQ(lines, std::vector<std::string>{"Lookup          \tInternal"});
    EXPECT_FALSE(exportEnabled);
    EXPECT_EQ(program->FindPage("Billing"), nullptr);
    EXPECT_NE(program->FindPage("Lookup"), nullptr);
    EXPECT_EQ(vlxFindPage("Billing"), nullptr);
    // The windows of the page went while it still existed, and only once (not after No).
    EXPECT_EQ(pages.closed, std::vector<std::string>{"Billing"});
    EXPECT_EQ(pages.closedWhilePresent, std::vector<bool>{true});
}

TEST_F(PageDialogsTest, RenameKeepsTheDialogOpenForANameInUseThenRenamesEverywhere)
{
    std::string caption, shownName, lineAfter;
    RunDefine(ed::kPageSuperBlock, {{kDefineSuper, [&](HWND d) {
                                         SelectLine(d, "Billing");
                                         PostClick(d, 104);
                                     }},
                                    {"Renaming Billing.",
                                     [&](HWND d) {
                                         shownName = ControlText(d, 100);
                                         TypeName(d, "Lookup");  // a symbol of that name exists
                                     }},
                                    {"Renaming Billing.", [&](HWND d) { TypeName(d, "Charges"); }},
                                    {kDefineSuper, [&](HWND d) {
                                         lineAfter = ListLines(d).front();
                                         PostClick(d, IDOK);
                                     }}});
    EXPECT_EQ(shownName, "Billing");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"A Symbol with this name already exists."});
    EXPECT_EQ(sub->Name(), "Charges");
    EXPECT_EQ(vlxFindPage("Charges"), sub->Handle());
    EXPECT_EQ(lineAfter, "Charges         \tInternal");
    EXPECT_EQ(pages.captionUpdates, 1);
}

TEST_F(PageDialogsTest, ACopiedPageIsPastedIntoTheActiveWindowsProgram)
{
    ed::VlxClipboard clipboardModel;
    NoWorkspace workspace;
    ed::ClipboardProgram clipboard(host, model, &imports, clipboardModel, workspace);
    pages.clipboard = &clipboard;
    pages.active = otherMain;
    std::vector<std::string> lines;
    RunDefine(ed::kPageVerification, {{kDefineVerify, [&](HWND d) {
                                           SelectLine(d, "Verify");
                                           PostClick(d, 105);
                                           PostClick(d, 108);
                                       }},
                                      {kDefineVerify, [&](HWND d) {
                                           lines = ListLines(d);
                                           PostClick(d, IDOK);
                                       }}});
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts().front();
    ed::Page* pasted = other->FindPage("Verify");
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->PageType(), ed::kPageVerification);
    EXPECT_NE(pasted->FindVavurOrezo("Success"), nullptr);
    EXPECT_EQ(pages.paletteRefreshes, 1);
    // The dialog's own program is listed again, unchanged.
    EXPECT_EQ(lines, std::vector<std::string>{"Verify"});
    EXPECT_EQ(vlxCanIPaste(1), 1);
}

TEST_F(PageDialogsTest, TheViewDialogWantsAChoiceAndReturnsTheChosenPage)
{
    ed::Page* chosen = nullptr;
    std::vector<std::string> lines;
    {
        DialogScript script({{"View SuperBlock", [&](HWND d) {
                                  lines = ListLines(d);
                                  SaveWindowPicture(d, "VIEWPAGES");
                                  PostClick(d, IDOK);
                              }},
                             {"View SuperBlock", [&](HWND d) {
                                  SelectLine(d, "Lookup");
                                  ::SendMessageA(d, WM_COMMAND, MAKEWPARAM(100, LBN_DBLCLK),
                                                 reinterpret_cast<LPARAM>(::GetDlgItem(d, 100)));
                              }}});
        desk::TViewPagesDialog dialog(nullptr, &chosen, *program, ed::kPageSuperBlock);
        EXPECT_EQ(dialog.Execute(), IDOK);
        EXPECT_TRUE(script.Done());
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"Billing         \tInternal", "Lookup          \tInternal"}));
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Please select a block to view or press Cancel."});
    EXPECT_EQ(chosen, used);
}

}  // namespace
