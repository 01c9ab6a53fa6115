#include "shell/menus/gotomenuitems.h"

std::vector<MenuItemSpec> BuildGotoMenuItems(const std::vector<OutputFacts>& outputs) {
    std::vector<MenuItemSpec> items;
    std::int32_t shownListed = 0;
    bool anyListedShown = false;
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const OutputFacts& output = outputs[i];
        if (!output.optionalApplicable) continue;
        if (output.shown) {
            ++shownListed;
            anyListedShown = true;
        }
        if (std::int32_t(i) < kListedOutputMax)
            items.push_back({MenuItemSpec::Item, std::int32_t(kCmOutputBase + i), output.name, output.shown, false});
    }
    if (outputs.empty()) items.push_back({MenuItemSpec::Item, -1, "(No outputs)", false, true});
    items.push_back({MenuItemSpec::Separator, 0, "", false, false});
    items.push_back({MenuItemSpec::Item, kCmShowAllOutputs, "&Show all", false,
                     std::int32_t(outputs.size()) == shownListed});
    items.push_back({MenuItemSpec::Item, kCmHideAllOutputs, "&Hide all", false, !anyListedShown});
    return items;
}
