// The frame's option toggles: each reads its menu item's check mark (an item the menu does
// not have reads as unchecked, so its command always switches the option on), flips the
// mark and the option bit, and shows or hides what the option governs.
#pragma once

#include <cstdint>
#include <functional>

#include "foundation/kvwintypes.h"

class UIMDIFrame;
namespace ed {
class EditWindows;
}

// Sets or clears bits of the application's option word.
using OptionSetter = std::function<void(std::uint32_t mask, bool on)>;

inline constexpr UINT kCmPageGrid = 0x1063;

// Runs the toggle when the id is one; false for any other id.
bool RunOptionToggle(UIMDIFrame& frame, ed::EditWindows& windows, const OptionSetter& setOption, UINT id);
