// The voice/fax item editor over the application's items: its columns and numeric ID sort,
// the button states for the selection and for items in use, and Add, Edit, Delete, Copy and
// Paste, each committing the application once (a cancelled one not at all).
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/softdlg/kvsdlg.h"
#include "owl/testing/dialog_driver.h"
#include "softdlg_itemshell.h"

namespace {

ScriptedItemDialogs::Step Set(const char* name, int id)
{
    return ScriptedItemDialogs::Set(name, id);
}

constexpr int kList = 101, kAdd = 103, kEdit = 104, kDelete = 105, kCopy = 106, kPaste = 107;

// The rows as "name id in-use", top to bottom.
std::vector<std::string> Rows(HWND dialog)
{
    HWND list = ::GetDlgItem(dialog, kList);
    std::vector<std::string> rows;
    const int n = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int r = 0; r < n; ++r)
        rows.push_back(ListViewCell(list, r, 0) + " " + ListViewCell(list, r, 1) + " " + ListViewCell(list, r, 2));
    return rows;
}

// Selects exactly the given rows, as clicks with Ctrl do: one state change a row.
void SelectRows(HWND dialog, std::initializer_list<int> rows)
{
    HWND list = ::GetDlgItem(dialog, kList);
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED;
    state.state = 0;
    ::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    state.state = LVIS_SELECTED;
    for (int r : rows)
        ::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(r), reinterpret_cast<LPARAM>(&state));
}

void Click(HWND dialog, int id)
{
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void ClickColumn(HWND dialog, int column)
{
    NMLISTVIEW click = {};
    click.hdr.hwndFrom = ::GetDlgItem(dialog, kList);
    click.hdr.idFrom = kList;
    click.hdr.code = LVN_COLUMNCLICK;
    click.iItem = -1;
    click.iSubItem = column;
    ::SendMessageA(dialog, WM_NOTIFY, kList, reinterpret_cast<LPARAM>(&click));
}

std::string Buttons(HWND dialog)
{
    std::string states;
    for (int id : {kEdit, kDelete, kCopy, kPaste})
        states += ::IsWindowEnabled(::GetDlgItem(dialog, id)) ? '1' : '0';
    return states;
}

class ItemEditorTest : public SoftRecTest {
protected:
    ItemEditorTest()
    {
        KvSoftObj::SetApplication(&items);
        KvSoftObj::SetRecordEditor(&itemDialogs);
        items.AddItem(false, "Beta", 7);
        items.AddItem(false, "Alpha", 12);
        items.AddItem(false, "Gamma", 9, true);
        items.AddItem(false, "Delta", 10);
    }
    ~ItemEditorTest() override { KvSoftObj::SetRecordEditor(nullptr); }

    // Runs "Define voice items" over the application; the step acts on it, then Cancel.
    void Run(const std::function<void(HWND)>& step)
    {
        KvSoftDlg dialog(DLG_VOICE_ITEMS, &items.app, 11090);
        DialogDriver driver([&](HWND window) {
            step(window);
            ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
        dialog.Execute(1);
        EXPECT_TRUE(driver.Ran());
        EXPECT_FALSE(driver.TimedOut());
    }

    ItemShell items;
    ScriptedItemDialogs itemDialogs;
};

}  // namespace

// Dialog start names the dialog and its frame; the rows come sorted by name; the ID column
// sorts numerically, ascending on its first click and descending on the second.
TEST_F(ItemEditorTest, ListsTheItemsAndSortsIdsAsNumbers)
{
    std::string caption, frame, headers;
    std::vector<std::string> byName, byId, byIdDescending;
    Run([&](HWND window) {
        char text[64] = "";
        ::GetWindowTextA(window, text, sizeof text);
        caption = text;
        frame = ControlText(window, 102);
        HWND header = reinterpret_cast<HWND>(::SendDlgItemMessageA(window, kList, LVM_GETHEADER, 0, 0));
        for (int c = 0; c < 3; ++c) {
            HDITEMA item = {};
            char name[32] = "";
            item.mask = HDI_TEXT;
            item.pszText = name;
            item.cchTextMax = sizeof name;
            ::SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&item));
            headers += std::string(name) + "|";
        }
        byName = Rows(window);
        ClickColumn(window, 1);
        byId = Rows(window);
        ClickColumn(window, 1);
        byIdDescending = Rows(window);
    });
    EXPECT_EQ(caption, "Define voice items");
    EXPECT_EQ(frame, "Voice items");
    EXPECT_EQ(headers, "Name|ID|In use|");
    EXPECT_EQ(byName, (std::vector<std::string>{"Alpha 12 No", "Beta 7 No", "Delta 10 No", "Gamma 9 Yes"}));
    EXPECT_EQ(byId, (std::vector<std::string>{"Beta 7 No", "Gamma 9 Yes", "Delta 10 No", "Alpha 12 No"}));
    EXPECT_EQ(byIdDescending, (std::vector<std::string>{"Alpha 12 No", "Delta 10 No", "Gamma 9 Yes", "Beta 7 No"}));
    EXPECT_EQ(Assertions(), std::vector<std::string>{});
}

// Edit for exactly one row, Copy for any, Delete for any unless one of them is in use.
TEST_F(ItemEditorTest, ButtonsFollowTheSelection)
{
    std::vector<std::string> states;
    Run([&](HWND window) {
        states.push_back(Buttons(window));
        for (auto rows : {std::vector<int>{0}, {0, 1}, {3}, {1, 3}, {}}) {
            HWND list = ::GetDlgItem(window, kList);
            LVITEMA state = {};
            state.stateMask = LVIS_SELECTED;
            ::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
            state.state = LVIS_SELECTED;
            for (int r : rows)
                ::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(r), reinterpret_cast<LPARAM>(&state));
            states.push_back(Buttons(window));
        }
    });
    // Edit, Delete, Copy, Paste (no clipboard: Paste off).
    EXPECT_EQ(states, (std::vector<std::string>{"0000", "1110", "0110", "1010", "0010", "0000"}));
    EXPECT_EQ(items.app.commits, 0);
    EXPECT_EQ(Assertions(), std::vector<std::string>{});
}

// Paste is offered only for items of this kind taken from another application, without blocks.
TEST_F(ItemEditorTest, PasteIsOfferedForItemsOfAnotherApplication)
{
    const struct {
        std::vector<bool> held;
        bool fromActive, blocks, offered;
    } cases[] = {
        {{false}, false, false, true},  {{false}, true, false, false}, {{false}, false, true, false},
        {{true}, false, false, false},  {{}, false, false, false},
    };
    for (const auto& c : cases) {
        items.held = c.held;
        items.heldItems.assign(c.held.size(), ShownItem{"Zulu", 30});
        items.clipboardFromActiveApp = c.fromActive;
        items.clipboardHasBlocks = c.blocks;
        bool offered = !c.offered;
        Run([&](HWND window) { offered = ::IsWindowEnabled(::GetDlgItem(window, kPaste)) != 0; });
        EXPECT_EQ(offered, c.offered);
    }
}

// Add: a taken name, then a taken ID, come back with their messages; a free name and ID add
// the item with one commit and the list shows it; the content dialog follows.
TEST_F(ItemEditorTest, AddRefusesConflictsThenCommitsOnce)
{
    itemDialogs.steps = {Set("Alpha", 0), Set("Echo", 9), Set("Echo", 20)};
    int commits = -1;
    std::vector<std::string> rows;
    Run([&](HWND window) {
        Click(window, kAdd);
        commits = items.app.commits;
        rows = Rows(window);
    });
    EXPECT_EQ(itemDialogs.dialogs, (std::vector<WORD>{14502, 14502, 14502, 14503}));
    EXPECT_EQ(Messages(), (std::vector<std::string>{"The specified name is either invalid or currently in use.",
                                                    "The specified voice item ID is either invalid or currently in use."}));
    EXPECT_EQ(commits, 1);
    EXPECT_EQ(rows, (std::vector<std::string>{"Alpha 12 No", "Beta 7 No", "Delta 10 No", "Echo 20 No", "Gamma 9 Yes"}));
    EXPECT_EQ(items.Items(false).size(), 5u);
    EXPECT_EQ(Assertions(), std::vector<std::string>{});
}

TEST_F(ItemEditorTest, AddThenCancelChangesNothing)
{
    Run([&](HWND window) { Click(window, kAdd); });
    EXPECT_EQ(itemDialogs.dialogs, (std::vector<WORD>{14502}));
    EXPECT_EQ(items.app.commits, 0);
    EXPECT_EQ(items.Items(false).size(), 4u);
}

// Edit: another item's name comes back with its message; a new name is stored with one commit.
TEST_F(ItemEditorTest, EditRefusesAnotherItemsNameThenCommitsOnce)
{
    itemDialogs.steps = {Set("Alpha", 0), Set("Bravo", 0)};
    int commits = -1;
    Run([&](HWND window) {
        SelectRows(window, {1});  // Beta
        Click(window, kEdit);
        commits = items.app.commits;
    });
    EXPECT_EQ(itemDialogs.dialogs, (std::vector<WORD>{14504, 14504}));
    EXPECT_EQ(Messages(), (std::vector<std::string>{"The specified voice item name is either invalid or currently in use."}));
    EXPECT_EQ(commits, 1);
    EXPECT_EQ(items.Items(false), (std::vector<ShownItem>{{"Bravo", 7}, {"Alpha", 12}, {"Gamma", 9}, {"Delta", 10}}));
}

// Delete removes every selected row with one commit; Copy holds them (clearing the
// clipboard first) and turns Paste off, committing nothing.
TEST_F(ItemEditorTest, DeleteAndCopyTheSelectedRows)
{
    items.held = {false};
    items.heldItems = {{"Old", 1}};
    int commits = -1;
    std::vector<std::string> rows;
    bool pasteAfterCopy = true;
    Run([&](HWND window) {
        SelectRows(window, {0, 2});  // Alpha, Delta
        Click(window, kCopy);
        pasteAfterCopy = ::IsWindowEnabled(::GetDlgItem(window, kPaste)) != 0;
        Click(window, kDelete);
        commits = items.app.commits;
        rows = Rows(window);
    });
    EXPECT_EQ(items.heldItems, (std::vector<ShownItem>{{"Alpha", 12}, {"Delta", 10}}));
    EXPECT_FALSE(pasteAfterCopy);
    EXPECT_EQ(commits, 1);
    EXPECT_EQ(rows, (std::vector<std::string>{"Beta 7 No", "Gamma 9 Yes"}));
    EXPECT_EQ(Assertions(), std::vector<std::string>{});
}

// Paste with conflicts: the user cancelling changes nothing; settling them pastes with one commit.
TEST_F(ItemEditorTest, PasteAsksAboutConflictsAndCommitsOnce)
{
    items.held = {false};
    items.heldItems = {{"Zulu", 30}};
    items.pasteConflicts = {zeph::TClipInfo("Zulu"), zeph::TClipInfo("Yankee")};
    items.resolverAnswer = 2;
    int commits = -1;
    Run([&](HWND window) {
        Click(window, kPaste);
        commits = items.app.commits;
    });
    EXPECT_EQ(items.resolverQuestions, 2);
    EXPECT_EQ(items.pastes, 0);
    EXPECT_EQ(commits, 0);

    items.resolverAnswer = 1;
    std::vector<std::string> rows;
    Run([&](HWND window) {
        Click(window, kPaste);
        commits = items.app.commits;
        rows = Rows(window);
    });
    EXPECT_EQ(items.pastes, 1);
    EXPECT_EQ(commits, 1);
    EXPECT_EQ(rows.back(), "Zulu copy 13 No");
    EXPECT_EQ(Assertions(), std::vector<std::string>{});
}
