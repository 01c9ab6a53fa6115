#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "shell/frame/commandtable.h"

namespace {

TEST(CommandTableDataTest, MenuIdsAreUniqueAndPopupsAreOfTheMainMenu) {
    std::set<std::uint16_t> ids;
    std::set<std::string> popups(MainMenuPopups().begin(), MainMenuPopups().end());
    for (const MenuCommand& row : MainMenuCommands()) {
        EXPECT_TRUE(ids.insert(row.id).second) << row.id;
        std::string top = std::string(row.popup).substr(0, std::string(row.popup).find('|'));
        EXPECT_TRUE(popups.count(top)) << row.popup;
    }
}

TEST(CommandTableDataTest, NoKeyGivesTwoCommands) {
    std::set<std::pair<std::uint16_t, bool>> keys;
    for (const Accelerator& a : FrameAccelerators())
        EXPECT_TRUE(keys.insert({a.key, a.control}).second) << a.id;
}

}  // namespace
