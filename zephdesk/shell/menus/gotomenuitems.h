// The items of a block's Hide/Show Outputs pop-up: one checked-or-not item per optional
// output that applies to the block (id 4096 + output index), "(No outputs)" for a block
// without outputs, a separator, then "&Show all" and "&Hide all", each greyed when it
// would change nothing. Outputs from index 28 on get no item, since their ids would be
// those of Show all and Hide all; Show all and Hide all still count them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

inline constexpr std::uint16_t kCmOutputBase = 4096;
inline constexpr std::uint16_t kCmShowAllOutputs = 4124;
inline constexpr std::uint16_t kCmHideAllOutputs = 4125;
inline constexpr std::int32_t kListedOutputMax = kCmShowAllOutputs - kCmOutputBase;  // 28
// The model's answer bit for an optional output that applies to the block.
inline constexpr unsigned kOutputOptionalApplicable = 0x1000;

struct MenuItemSpec {
    enum Kind : std::uint8_t { Item, Separator } kind = Item;
    std::int32_t id = 0;  // -1 for "(No outputs)"
    std::string text;
    bool checked = false;
    bool greyed = false;
};

// One output of the block as the menu sees it.
struct OutputFacts {
    std::string name;
    bool optionalApplicable = false;  // the model's answer holds the 0x1000 bit
    bool shown = false;               // its goto block is shown on the page
};

std::vector<MenuItemSpec> BuildGotoMenuItems(const std::vector<OutputFacts>& outputs);
