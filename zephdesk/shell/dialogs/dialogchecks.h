// What the small dialogs make of their entries, apart from their windows: the block name,
// the zoom entry, the application file name, the about box's version line, the save
// dialog's list lines, and where a dialog goes over its owner.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// A typed block name: its first 30 characters, without leading and trailing white space,
// each remaining blank an underscore.
std::string CleanBlockName(const std::string& typed);
inline constexpr std::size_t kBlockNameMax = 30;

// A zoom entry: one or more digits and at most one final "%", at most 4 characters, with
// a value of 35 to 100; nothing otherwise.
std::optional<std::int32_t> ParseZoomEntry(const std::string& entry);
inline constexpr char kInvalidZoomText[] = "     Invalid Entry  \n    Please try again";

// An application file name: not empty, none of " * + , . / : ; < = > ? \ |.
bool IsValidProgramFileName(const std::string& name);
inline constexpr std::size_t kProgramFileNameMax = 8;
inline constexpr std::size_t kProgramDescriptionMax = 79;

// The about box's version line from the registry's version text (its first 31 characters).
std::string AboutVersionLine(const std::string& version);

// A line of the save dialog's list: the file's base name, a tab, its description.
std::string SaveListLine(const std::string& baseName, const std::string& description);
// The base name of a list line (the text before its first tab).
std::string SaveListName(const std::string& line);

struct WindowRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
};

// Where a window's left-top corner goes centred over its owner (an empty rectangle at the
// origin when there is none); on the screen instead when that would leave the screen.
struct WindowOrigin {
    std::int32_t x = 0, y = 0;
};
WindowOrigin CentreOver(const WindowRect& window, const std::optional<WindowRect>& owner, std::int32_t screenWidth,
                        std::int32_t screenHeight);
