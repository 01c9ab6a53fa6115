// The voice/fax item picker over the active application's items: the list with its special
// entries, the values each entry stores and shows again (the new-item entry's -2 among
// them), New and Edit through the items' dialogs with name and ID conflicts, and OK refused
// while the new-item entry is selected.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/softdlg/kvsdlg.h"
#include "framework/softrec/kvdefstore.h"
#include "owl/testing/dialog_driver.h"
#include "softdlg_itemshell.h"

namespace {

ScriptedItemDialogs::Step Set(const char* name, int id)
{
    return ScriptedItemDialogs::Set(name, id);
}

constexpr WORD kRecordDef = 60300;
constexpr WORD kPickerDef = 60301;
constexpr WORD kField = 28001;
constexpr WORD kList = 301, kIdText = 302, kButton = 303;

std::vector<std::string> ListOf(HWND dialog)
{
    std::vector<std::string> entries;
    HWND list = ::GetDlgItem(dialog, kList);
    const int n = static_cast<int>(::SendMessageA(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        char text[128] = "";
        ::SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}

int Selected(HWND dialog)
{
    return static_cast<int>(::SendDlgItemMessageA(dialog, kList, CB_GETCURSEL, 0, 0));
}

// Selects a list entry as the user does: the selection, then the list's change notification.
void Select(HWND dialog, int position)
{
    ::SendDlgItemMessageA(dialog, kList, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kList, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, kList)));
}

void ClickButton(HWND dialog)
{
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kButton, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, kButton)));
}

class PickerTest : public SoftRecTest {
protected:
    PickerTest()
    {
        KvSoftObj::SetApplication(&items);
        KvSoftObj::SetRecordEditor(&itemDialogs);
        // A record with the picker's field, and the picker on the menu page's first picker.
        store.Set(kRecordDef, {0x1001, 0x0001, 0x0002, 0x1002, 0x0001, 0x3203, kField, 1, 0x8001, 0x0002});
        KvSetDefinitionStore(&store);
        items.AddItem(false, "Beta", 7);
        items.AddItem(false, "Alpha", 12);
        items.AddItem(true, "Cover", 3);
    }
    ~PickerTest() override { KvSoftObj::SetRecordEditor(nullptr); }

    void UsePicker(WORD flags)
    {
        store.Set(kPickerDef, {0x1001, 0x0001, 0x3202, 11001, 0x0002,                       //
                               0x1007, 0x0001, 0x3207, 1300, 0x4076, flags, 0x0001,         //
                               0x3208, kList, 0x3208, kIdText, 0x3208, kButton, 0x0002, 0x0002,  //
                               0x1006, 0x0001, 0x3204, 1300, kField, 0x8000, 0x0002});
        KvSetDefinitionStore(&store);
    }

    // Runs the picker dialog over a record whose field holds value; the step acts on the
    // open dialog, which is then closed with closeWith (posted).
    int Run(short value, const std::function<void(HWND, KvSoftDlg&)>& step, int closeWith = IDCANCEL)
    {
        record = std::make_unique<KvSoftRecMem>(kRecordDef);
        KvFieldValue(kField, record.get()) = value;
        record->Commit();
        record->SetEditing(1);
        KvSoftDlg dialog(kPickerDef, record.get(), 77);
        DialogDriver driver([&](HWND window) {
            step(window, dialog);
            ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(closeWith, BN_CLICKED), 0);
        });
        const int result = dialog.Execute(1);
        EXPECT_TRUE(driver.Ran());
        EXPECT_FALSE(driver.TimedOut());
        return result;
    }
    short Value() { return KvFieldValue(kField, record.get()).AsInt16(); }

    LayeredStore store;
    ItemShell items;
    ScriptedItemDialogs itemDialogs;
    std::unique_ptr<KvSoftRecMem> record;
};

}  // namespace

// Each shipped flag word: the entries in order, what each entry stores, and that every
// stored value selects its entry again (the new-item entry included, as -2).
TEST_F(PickerTest, EveryEntryStoresAValueThatShowsItAgain)
{
    const struct {
        WORD flags;
        std::vector<std::string> entries;
        std::vector<short> stored;
    } cases[] = {
        {0x8011, {"<new voice item>", "Alpha", "Beta"}, {-2, 12, 7}},
        {0x801D, {"<none>", "<default system prompt>", "<new voice item>", "Alpha", "Beta"}, {0, 5000, -2, 12, 7}},
        {0x8012, {"<new fax item>", "Cover"}, {-2, 3}},
        {0x8015, {"<none>", "<new voice item>", "Alpha", "Beta"}, {0, -2, 12, 7}},
        {0x8019, {"<default system prompt>", "<new voice item>", "Alpha", "Beta"}, {5000, -2, 12, 7}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        UsePicker(c.flags);
        std::vector<std::string> entries;
        std::vector<short> stored;
        std::vector<int> shownBack;
        std::vector<std::string> idTexts;
        Run(-1, [&](HWND window, KvSoftDlg& dialog) {
            entries = ListOf(window);
            for (std::size_t p = 0; p < entries.size(); ++p) {
                Select(window, static_cast<int>(p));
                stored.push_back(Value());
                idTexts.push_back(ControlText(window, kIdText));
                Select(window, -1);
                KvFieldValue(kField, record.get()) = stored.back();
                dialog.GetSoftCtrl(1300)->Transfer(KvSoftIntrfc::FieldToCtrl);
                shownBack.push_back(Selected(window));
            }
        });
        EXPECT_EQ(entries, c.entries);
        EXPECT_EQ(stored, c.stored);
        for (std::size_t p = 0; p < shownBack.size(); ++p) {
            EXPECT_EQ(shownBack[p], static_cast<int>(p));
            // The ID text shows an item's ID and is empty on the special entries.
            EXPECT_EQ(idTexts[p], c.stored[p] > 0 && c.stored[p] <= 3000 ? std::to_string(c.stored[p]) : "");
        }
    }
    EXPECT_EQ(Assertions(), std::vector<std::string>{});
}

// Values that no entry of the list stands for select nothing and leave the ID text empty;
// 0 on a picker without "<none>" selects the new-item entry.
TEST_F(PickerTest, ValuesWithoutAnEntrySelectNothing)
{
    const struct {
        WORD flags;
        short value;
        int selected;
    } cases[] = {
        {0x801D, 99, -1},   // an ID no item has (deleted elsewhere)
        {0x801D, 2, -1},    // what storing the new-item entry's position would have given
        {0x801D, -1, -1},   // nothing selected
        {0x8015, 5000, -1}, // the default system prompt where the list does not offer it
        {0x801D, 4000, -1}, // above the highest ID
        {0x8011, 0, 0},     // the new-item entry is the only special one
        {0x8019, 5000, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.flags) + " " + std::to_string(c.value));
        UsePicker(c.flags);
        int selected = -2;
        std::string idText = "x";
        Run(c.value, [&](HWND window, KvSoftDlg&) {
            selected = Selected(window);
            idText = ControlText(window, kIdText);
        });
        EXPECT_EQ(selected, c.selected);
        EXPECT_EQ(idText, "");
    }
    EXPECT_EQ(Assertions(), std::vector<std::string>{});
}

// The button follows the selection: New on the new-item entry, Edit on an item, disabled
// Edit on another special entry and without a selection; a click then does nothing.
TEST_F(PickerTest, TheButtonFollowsTheSelection)
{
    UsePicker(0x801D);
    std::vector<std::string> states;
    Run(-1, [&](HWND window, KvSoftDlg&) {
        for (int p : {-1, 0, 1, 2, 3}) {
            Select(window, p);
            HWND button = ::GetDlgItem(window, kButton);
            states.push_back(ControlText(window, kButton) + (::IsWindowEnabled(button) ? " on" : " off"));
            if (!::IsWindowEnabled(button))
                ClickButton(window);  // arrives anyway: ignored
        }
    });
    EXPECT_EQ(states, (std::vector<std::string>{"&Edit... off", "&Edit... off", "&Edit... off", "&New... on",
                                                 "&Edit... on"}));
    EXPECT_TRUE(itemDialogs.dialogs.empty());
    EXPECT_EQ(items.app.commits, 0);
}

// New: a name the model uses, then an ID an item has, come back with their messages in the
// same record; a free name and ID add the item, commit the application, select the item
// and offer its content.
TEST_F(PickerTest, NewRefusesTakenNamesAndIdsThenAddsTheItem)
{
    UsePicker(0x8011);
    items.modelNames = {"Main"};
    itemDialogs.steps = {Set("Main", 0), Set("Gamma", 7), Set("Gamma", 20), [](KvSoftRec&) { return IDOK; }};
    std::string shownName, shownId;
    KvSoftRec* first = nullptr;
    bool sameRecord = true;
    itemDialogs.steps[1] = [&, set = itemDialogs.steps[1]](KvSoftRec& r) { first = &r; return set(r); };
    itemDialogs.steps[2] = [&, set = itemDialogs.steps[2]](KvSoftRec& r) { sameRecord = &r == first; return set(r); };
    Run(-1, [&](HWND window, KvSoftDlg&) {
        Select(window, 0);
        ClickButton(window);
        shownName = ListOf(window)[static_cast<std::size_t>(Selected(window))];
        shownId = ControlText(window, kIdText);
    }, IDOK);
    EXPECT_EQ(itemDialogs.dialogs, (std::vector<WORD>{14502, 14502, 14502, 14503}));
    EXPECT_TRUE(sameRecord);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"The specified voice item name is either invalid or currently in use.",
                                                    "The specified voice item ID is either invalid or currently in use."}));
    EXPECT_EQ(items.Items(false), (std::vector<ShownItem>{{"Beta", 7}, {"Alpha", 12}, {"Gamma", 20}}));
    EXPECT_EQ(items.app.commits, 2);  // the new item, then its content
    EXPECT_EQ(shownName, "Gamma");
    EXPECT_EQ(shownId, "20");
    EXPECT_EQ(Value(), 20);
    EXPECT_EQ(Assertions(), std::vector<std::string>{});
}

// New, then Cancel: nothing is added or committed and the field is 0.
TEST_F(PickerTest, NewThenCancelAddsNothing)
{
    UsePicker(0x8012);
    Run(3, [&](HWND window, KvSoftDlg&) {
        Select(window, 0);
        ClickButton(window);
    }, IDCANCEL);
    EXPECT_EQ(itemDialogs.dialogs, (std::vector<WORD>{14506}));
    EXPECT_EQ(items.Items(true), (std::vector<ShownItem>{{"Cover", 3}}));
    EXPECT_EQ(items.app.commits, 0);
    EXPECT_EQ(Assertions(), std::vector<std::string>{});
}

// Edit: a name another item has comes back with its message; the item's own name is taken
// again; only an accepted edit commits the application.
TEST_F(PickerTest, EditKeepsTheOwnNameAndRefusesAnotherItemsName)
{
    UsePicker(0x8011);
    itemDialogs.steps = {Set("Beta", 0), Set("Alpha", 0)};
    Run(12, [&](HWND window, KvSoftDlg&) { ClickButton(window); }, IDOK);
    EXPECT_EQ(itemDialogs.dialogs, (std::vector<WORD>{14504, 14504}));
    EXPECT_EQ(Messages(), (std::vector<std::string>{"The specified voice item name is either invalid or currently in use."}));
    EXPECT_EQ(items.app.commits, 1);

    itemDialogs.dialogs.clear();
    itemDialogs.steps = {Set("Beta", 0)};  // then Cancel
    Run(12, [&](HWND window, KvSoftDlg&) { ClickButton(window); }, IDOK);
    EXPECT_EQ(itemDialogs.dialogs, (std::vector<WORD>{14504, 14504}));
    EXPECT_EQ(items.Items(false), (std::vector<ShownItem>{{"Beta", 7}, {"Alpha", 12}}));
    EXPECT_EQ(items.app.commits, 1);
    EXPECT_EQ(Value(), 12);
    EXPECT_EQ(Assertions(), std::vector<std::string>{});
}

// OK with the new-item entry selected is refused with its message and the dialog stays open.
TEST_F(PickerTest, OkIsRefusedOnTheNewItemEntry)
{
    UsePicker(0x8015);
    bool stillOpen = false;
    const int result = Run(-2, [&](HWND window, KvSoftDlg&) {
        ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        stillOpen = ::IsWindow(window) && ::IsWindowVisible(window);
        Select(window, 0);
    }, IDOK);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(Messages(), (std::vector<std::string>{"A voice item cannot be left as '<new voice item>'"}));
    EXPECT_EQ(Value(), 0);  // "<none>" was taken in the end
    EXPECT_EQ(Assertions(), std::vector<std::string>{});
}
