// The voice and fax items' list dialogs run for real over an application on a stand-in
// server: Add offers the next free ID and refuses a name the model has and an ID an item
// has, then offers the content; Edit refuses another symbol's name and renames symbol and
// record; Delete removes symbol and server item. Pictures of the dialogs are kept.
#include <windows.h>

#include <commctrl.h>

#include "dialog_script.h"
#include "items_standin_fixture.h"
#include "owl/testing/dialog_driver.h"
#include "owl/testing/window_picture.h"
#include "shell/items/itemworkers.h"

namespace {

constexpr int kList = 101, kAdd = 103, kEdit = 104, kDelete = 105;
constexpr int kIdField = 2001, kNameField = 2002;
constexpr int kTypeInteger = 3;

void Send(HWND dialog, int id)
{
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void Post(HWND dialog, int id)
{
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

// Types the fields given (those not empty) and posts OK.
DialogScript::Step Fill(const char* name, const char* id, std::string* shownId = nullptr, const char* picture = nullptr)
{
    return [=](HWND dialog) {
        if (shownId != nullptr)
            *shownId = ControlText(dialog, kIdField);
        if (*name != '\0')
            ::SetDlgItemTextA(dialog, kNameField, name);
        if (*id != '\0')
            ::SetDlgItemTextA(dialog, kIdField, id);
        if (picture != nullptr)
            SaveWindowPicture(dialog, picture);
        Post(dialog, IDOK);
    };
}

// The list's rows as "name id", top to bottom.
std::vector<std::string> Rows(HWND dialog)
{
    HWND list = ::GetDlgItem(dialog, kList);
    std::vector<std::string> rows;
    const int n = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int r = 0; r < n; ++r) {
        std::string row;
        for (int column : {0, 1})
            row += (column > 0 ? " " : "") + ListViewCell(list, r, column);
        rows.push_back(row);
    }
    return rows;
}

void SelectOnly(HWND dialog, const std::string& rowText)
{
    HWND list = ::GetDlgItem(dialog, kList);
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED;
    ::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    const std::vector<std::string> rows = Rows(dialog);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (rows[r] != rowText)
            continue;
        state.state = LVIS_SELECTED;
        ::SendMessageA(list, LVM_SETITEMSTATE, r, reinterpret_cast<LPARAM>(&state));
    }
}

class ItemEditorOnStandinTest : public ItemsOnStandinTest {
protected:
    // The document's list of the kind as "name id", in list order.
    std::vector<std::string> DocumentList(WORD field)
    {
        std::vector<std::string> rows;
        KvObArray* list = m_document->GetList(field);
        const WORD name = field == F_UA_VOICE_ITEMS ? F_VI_NAME : F_FI_NAME;
        const WORD id = field == F_UA_VOICE_ITEMS ? F_VI_ID : F_FI_ID;
        for (int i = 0; i < list->GetSize(); ++i) {
            auto* item = dynamic_cast<KvSoftRec*>(list->GetAt(i));
            rows.push_back(std::string(KvFieldValue(name, item).AsText()) + " " +
                           std::to_string(KvFieldValue(id, item).AsInt16()));
        }
        return rows;
    }
};

}  // namespace

TEST_F(ItemEditorOnStandinTest, VoiceItemsAreAddedEditedAndDeletedThroughTheListDialog)
{
    for (auto [name, id] : std::vector<std::pair<const char*, short>>{{"Welcome", 1}, {"Goodbye", 2}, {"Later", 4}})
        ASSERT_NE(Add(0, name, id), nullptr) << ::testing::PrintToString(Messages());
    ASSERT_EQ(vlxAddVariable("Counter", kTypeInteger, 4, 0, 1, 0), 0);

    std::string offeredId, contentName;
    std::vector<std::string> afterAdd, afterEdit, afterDelete;
    bool addedInModelAndServer = false, renamedInModel = false;
    DialogScript script({
        [&](HWND list) {
            SaveWindowPicture(list, "items_14501_voice_items");
            Send(list, kAdd);
            afterAdd = Rows(list);
            addedInModelAndServer = vlxFindSymbol("Hello") != nullptr && ServerHas(14, 3);
            SelectOnly(list, "Hello 3");
            Send(list, kEdit);
            afterEdit = Rows(list);
            renamedInModel = vlxFindSymbol("Greeting") != nullptr && vlxFindSymbol("Hello") == nullptr;
            SelectOnly(list, "Greeting 3");
            Send(list, kDelete);
            afterDelete = Rows(list);
            Post(list, IDCANCEL);
        },
        Fill("Counter", "", &offeredId, "items_14502_add_voice_item"),  // a variable's name
        Fill("Hello", "4"),                                              // an item's ID
        Fill("", "3"),
        [&](HWND content) {
            contentName = ControlText(content, kNameField);
            SaveWindowPicture(content, "items_14503_voice_item_content");
            Post(content, IDOK);
        },
        Fill("Counter", ""),  // the edit dialog: the variable's name again
        Fill("Greeting", ""),
    });
    EXPECT_EQ(KvDefineItems(0), 0);
    EXPECT_FALSE(script.TimedOut());
    EXPECT_FALSE(script.Unexpected()) << ::testing::PrintToString(script.Captions());
    EXPECT_EQ(script.Captions(), (std::vector<std::string>{"Define voice items", "Add voice item", "Add voice item",
                                                           "Add voice item", "Edit voice item content",
                                                           "Edit voice item", "Edit voice item"}));
    EXPECT_EQ(offeredId, "3");
    EXPECT_EQ(contentName, "Hello");
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "The specified name is either invalid or currently in use.",
                              "The specified voice item ID is either invalid or currently in use.",
                              "The specified voice item name is either invalid or currently in use.",
                          }));
    EXPECT_TRUE(addedInModelAndServer);
    EXPECT_TRUE(renamedInModel);
    EXPECT_EQ(afterAdd, (std::vector<std::string>{"Goodbye 2", "Hello 3", "Later 4", "Welcome 1"}));
    EXPECT_EQ(afterEdit, (std::vector<std::string>{"Goodbye 2", "Greeting 3", "Later 4", "Welcome 1"}));
    EXPECT_EQ(afterDelete, (std::vector<std::string>{"Goodbye 2", "Later 4", "Welcome 1"}));

    // Model, document and server agree: the added item was renamed, then removed.
    EXPECT_EQ(DocumentList(F_UA_VOICE_ITEMS), (std::vector<std::string>{"Welcome 1", "Goodbye 2", "Later 4"}));
    for (const char* gone : {"Hello", "Greeting"})
        EXPECT_EQ(vlxFindSymbol(gone), nullptr) << gone;
    EXPECT_NE(vlxFindSymbol("Counter"), nullptr);
    EXPECT_FALSE(ServerHas(14, 3));
    for (int id : {1, 2, 4})
        EXPECT_TRUE(ServerHas(14, id)) << id;
}

// Add, then the item's state between the steps: after the content dialog the new item is
// in the model, the document's list and on the server.
TEST_F(ItemEditorOnStandinTest, FaxItemAddedThroughTheListDialogReachesModelAndServer)
{
    ASSERT_NE(Add(0, "Welcome", 1), nullptr) << ::testing::PrintToString(Messages());
    std::string offeredId;
    bool onServerDuringContent = false, symbolDuringContent = false;
    DialogScript script({
        [&](HWND list) {
            Send(list, kAdd);
            SaveWindowPicture(list, "items_14505_fax_items");
            Post(list, IDCANCEL);
        },
        Fill("Welcome", "", &offeredId),  // a voice item's name: names are shared
        Fill("Invoice", ""),
        [&](HWND content) {
            onServerDuringContent = ServerHas(15, 1);
            symbolDuringContent = vlxFindSymbol("Invoice") != nullptr;
            SaveWindowPicture(content, "items_14507_fax_item_content");
            Post(content, IDOK);
        },
    });
    EXPECT_EQ(KvDefineItems(3), 0);
    EXPECT_FALSE(script.TimedOut());
    EXPECT_FALSE(script.Unexpected()) << ::testing::PrintToString(script.Captions());
    EXPECT_EQ(script.Captions(), (std::vector<std::string>{"Define fax items", "Add fax item", "Add fax item",
                                                           "Edit fax item content"}));
    EXPECT_EQ(offeredId, "1");  // the voice item's ID does not count
    EXPECT_EQ(Messages(), std::vector<std::string>{"The specified name is either invalid or currently in use."});
    EXPECT_TRUE(onServerDuringContent);
    EXPECT_TRUE(symbolDuringContent);
    EXPECT_EQ(DocumentList(F_UA_FAX_ITEMS), std::vector<std::string>{"Invoice 1"});
    EXPECT_NE(vlxFindSymbol("Invoice"), nullptr);
    EXPECT_TRUE(ServerHas(15, 1));
}
