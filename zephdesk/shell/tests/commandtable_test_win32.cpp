#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "shell/frame/commandtable.h"

namespace {

struct FoundItem {
    std::string popup;  // path of popup texts without mnemonics, "Options|Log Level"
    std::string text;
};

std::string WithoutMnemonic(std::string text) {
    std::string out;
    for (char c : text)
        if (c != '&') out += c;
    return out;
}

void Walk(HMENU menu, const std::string& path, std::map<UINT, FoundItem>& items, std::vector<std::string>& top) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[128] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_STRING | MIIM_FTYPE;
        info.dwTypeData = text;
        info.cch = sizeof text;
        ASSERT_TRUE(GetMenuItemInfoA(menu, i, TRUE, &info));
        if (info.fType & MFT_SEPARATOR) continue;
        if (info.hSubMenu) {
            std::string name = WithoutMnemonic(text);
            if (path.empty()) top.push_back(name);
            Walk(info.hSubMenu, path.empty() ? name : path + "|" + name, items, top);
            continue;
        }
        items[info.wID] = {path, text};
    }
}

TEST(CommandTableTest, MainMenuHoldsEveryRowWithItsTextAndKeyHint) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), "MAINMENU");
    ASSERT_NE(menu, nullptr);
    std::map<UINT, FoundItem> items;
    std::vector<std::string> top;
    Walk(menu, "", items, top);
    DestroyMenu(menu);

    EXPECT_EQ(top, std::vector<std::string>(MainMenuPopups().begin(), MainMenuPopups().end()));
    std::set<UINT> expected = {24361, 24362};  // the framework's own window commands
    for (const MenuCommand& row : MainMenuCommands()) {
        SCOPED_TRACE(row.id);
        expected.insert(row.id);
        auto it = items.find(row.id);
        ASSERT_NE(it, items.end());
        EXPECT_EQ(it->second.popup, row.popup);
        std::string text = row.text;
        if (row.keyHint) text += std::string("\t") + row.keyHint;
        EXPECT_EQ(it->second.text, text);
    }
    std::set<UINT> found;
    for (const auto& [id, item] : items) found.insert(id);
    EXPECT_EQ(found, expected);
}

TEST(CommandTableTest, AcceleratorsMatchTheTable) {
    HACCEL keys = LoadAcceleratorsA(GetModuleHandleA(nullptr), "KEYS");
    ASSERT_NE(keys, nullptr);
    const int count = CopyAcceleratorTableA(keys, nullptr, 0);
    std::vector<ACCEL> table(count);
    CopyAcceleratorTableA(keys, table.data(), count);
    DestroyAcceleratorTable(keys);

    std::multiset<std::tuple<UINT, UINT, bool>> inResource, inTable;
    for (const ACCEL& a : table) {
        EXPECT_TRUE(a.fVirt & FVIRTKEY);
        inResource.insert({a.cmd, a.key, (a.fVirt & FCONTROL) != 0});
    }
    for (const Accelerator& a : FrameAccelerators()) inTable.insert({a.id, a.key, a.control});
    EXPECT_EQ(inResource, inTable);
}

TEST(CommandTableTest, KeyHintsOfTheMenuNameTheirAccelerators) {
    // Each hinted item but Reroute Line has a key giving its command.
    std::set<UINT> withKeys;
    for (const Accelerator& a : FrameAccelerators()) withKeys.insert(a.id);
    for (const MenuCommand& row : MainMenuCommands()) {
        if (!row.keyHint || row.id == 4154) continue;
        EXPECT_TRUE(withKeys.count(row.id)) << row.id;
    }
}

}  // namespace
