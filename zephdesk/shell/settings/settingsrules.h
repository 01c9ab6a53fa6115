// What the designer keeps in its settings file: the option switches and levels of [Main],
// the three font sections, the window placement, the recent programs and the example
// user-defined sentence type, with their defaults and value forms.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "shell/settings/profile.h"

inline constexpr const char kMainSection[] = "Main";
inline constexpr const char kPastProgramsSection[] = "Flowsmith Past Programs Opened";
inline constexpr const char kUserTypesSection[] = "User Defined Multimedia Sentence Types";

// A switch of [Main] and the bit of the option word that carries it, in reading and
// writing order.
struct SwitchSetting {
    const char* key;
    bool on;  // default
    std::uint32_t bit;
};
extern const std::array<SwitchSetting, 10> kMainSwitches;
inline constexpr std::uint32_t kOldVariableTypesBit = 0x40;

struct MainSettings {
    std::uint32_t options = 0;
    std::int32_t diagLevel = 4;
    std::int32_t logLevel = 3;
    std::int32_t logInterval = 0;
};

// A switch is on only when its text, upper-cased, is "TRUE".
bool ReadSwitch(SettingsProfile& profile, const char* section, const char* key, bool fallback);

// The switches and levels of [Main]; toggleBackTypes (may be null) runs once before the
// old-variable-types bit is set.
MainSettings ReadMainSettings(SettingsProfile& profile, void (*toggleBackTypes)());
void WriteMainSettings(SettingsProfile& profile, const MainSettings& settings);

// A named font as the settings file holds it; height is negative for character heights.
struct FontSetting {
    std::string face;
    std::int32_t height = 0;
    std::int32_t weight = 400;
    std::int32_t italic = 0;
};
// The font sections and the named fonts they hold.
struct FontSection {
    const char* section;
    const char* fontName;
};
extern const std::array<FontSection, 3> kFontSections;

// Applies a font section over font when its typeface is not empty; false leaves font as
// it was.
bool ReadFontSection(SettingsProfile& profile, const char* section, FontSetting& font);
void WriteFontSection(SettingsProfile& profile, const char* section, const FontSetting& font);

// The main window's normal position and show state.
struct PlacementSetting {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    std::int32_t showState = 0;
};
// The placement of [Main], each value defaulting to current's.
PlacementSetting ReadPlacement(SettingsProfile& profile, const PlacementSetting& current);
// Writes the placement unless its show state is 0.
void WritePlacement(SettingsProfile& profile, const PlacementSetting& placement);
void WriteZoomLevel(SettingsProfile& profile, std::int32_t zoom);

// The recent programs: a count of 0..10 and ten names.
struct PastPrograms {
    static constexpr std::int32_t kMax = 10;
    std::int32_t count = kMax;
    std::array<std::string, kMax> names;
};
PastPrograms ReadPastPrograms(SettingsProfile& profile);
void WritePastPrograms(SettingsProfile& profile, const PastPrograms& programs);

// Writes the example user-defined sentence type unless the section already counts types.
void WriteUserTypesExample(SettingsProfile& profile);

// Auto-save: whether it is on and its interval in minutes.
struct AutoSaveSetting {
    bool enabled = true;
    std::int32_t minutes = 10;
};
AutoSaveSetting ReadAutoSave(SettingsProfile& profile);
void WriteAutoSave(SettingsProfile& profile, const AutoSaveSetting& setting);
