#include "shell/menus/gotomenuitems.h"

#include <gtest/gtest.h>

namespace {

std::string Describe(const std::vector<MenuItemSpec>& items) {
    std::string text;
    for (const MenuItemSpec& item : items) {
        if (item.kind == MenuItemSpec::Separator) {
            text += "|-";
            continue;
        }
        text += "|" + std::to_string(item.id) + ":" + item.text;
        if (item.checked) text += "+";
        if (item.greyed) text += "~";
    }
    return text;
}

OutputFacts Optional(const char* name, bool shown) { return {name, true, shown}; }
OutputFacts Fixed(const char* name, bool shown) { return {name, false, shown}; }

TEST(GotoMenuItemsTest, Cases) {
    struct Case {
        const char* what;
        std::vector<OutputFacts> outputs;
        const char* items;
    } cases[] = {
        {"no outputs", {}, "|-1:(No outputs)~|-|4124:&Show all~|4125:&Hide all~"},
        {"optional all shown", {Optional("Yes", true), Optional("No", true)},
         "|4096:Yes+|4097:No+|-|4124:&Show all~|4125:&Hide all"},
        {"none shown", {Optional("Yes", false)}, "|4096:Yes|-|4124:&Show all|4125:&Hide all~"},
        // A non-optional output keeps Show all enabled with every listed output shown.
        {"with fixed outputs", {Fixed("Done", true), Optional("Error", true)},
         "|4097:Error+|-|4124:&Show all|4125:&Hide all"},
        // Item ids keep the block's own output indexes.
        {"output 3", {Fixed("a", false), Fixed("b", false), Fixed("c", false), Optional("d", false)},
         "|4099:d|-|4124:&Show all|4125:&Hide all~"},
    };
    for (const Case& c : cases) EXPECT_EQ(Describe(BuildGotoMenuItems(c.outputs)), c.items) << c.what;
}

TEST(GotoMenuItemsTest, FortyOutputsListTwentyEightButCountAll) {
    std::vector<OutputFacts> outputs;
    for (int i = 0; i < 40; ++i) outputs.push_back(Optional(("o" + std::to_string(i)).c_str(), i == 35));
    const auto items = BuildGotoMenuItems(outputs);
    ASSERT_EQ(items.size(), 28u + 3u);
    EXPECT_EQ(items[27].id, 4096 + 27);
    for (std::size_t i = 0; i < 28; ++i) EXPECT_LT(items[i].id, kCmShowAllOutputs);
    // Output 35 is shown though not listed: Hide all still has something to hide.
    EXPECT_FALSE(items.back().greyed);
    EXPECT_FALSE(items[items.size() - 2].greyed);
}

}  // namespace
