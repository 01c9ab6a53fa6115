// The frame's option toggles: each reads its menu item's check mark (an item the menu does
// not have reads as unchecked, so its command always switches the option on), flips the
// mark and the option bit, and shows or hides what the option governs. The diagnostics and
// log level commands set their level unless it is set already; their pop-ups show the
// marks when they open.
#pragma once

#include <cstdint>

#include <windows.h>

#include "foundation/kvwintypes.h"

class UIMDIFrame;
namespace ed {
class EditWindows;
}

// The application's option word and its diagnostics and log levels.
class AppOptionsPort {
public:
    virtual ~AppOptionsPort() = default;
    virtual void SetOption(std::uint32_t mask, bool on) = 0;
    virtual int DiagLevel() const = 0;
    virtual void SetDiagLevel(int level) = 0;
    virtual int LogLevel() const = 0;
    virtual void SetLogLevel(int level) = 0;
};

inline constexpr UINT kCmPageGrid = 0x1063;
inline constexpr UINT kCmDiagNone = 0x109D;
inline constexpr UINT kCmDiagHigh = 0x109C;
inline constexpr UINT kCmLogLow = 0x109E;
inline constexpr UINT kCmLogHigh = 0x10A0;

// Runs the toggle or level command when the id is one; false for any other id.
bool RunOptionCommand(UIMDIFrame& frame, ed::EditWindows& windows, AppOptionsPort& options, UINT id);
// The Program Diagnostics pop-up (known by its first item, None) and the Log Level pop-up
// (known by Low) are rebuilt as they open, each level marked when it is set; any other
// pop-up is left as it is.
void RebuildLevelPopup(HMENU popup, const AppOptionsPort& options);
