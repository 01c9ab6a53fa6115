#include "shell/settings/settingsrules.h"

#include <algorithm>
#include <cctype>

const std::array<SwitchSetting, 10> kMainSwitches = {{
    {"Status Line", true, 0x4},
    {"Tool Bar", true, 0x8},
    {"Smart Routing", true, 0x1},
    {"Label Stub Gotos", true, 0x10},
    {"Confirm PB Deletes", false, 0x80},
    {"Old Variable Types", false, kOldVariableTypesBit},
    {"Snap to Grid", true, 0x20},
    {"Print Grid", true, 0x100},
    {"Print Frame", true, 0x200},
    {"Auto Name", false, 0x400},
}};

const std::array<FontSection, 3> kFontSections = {{
    {"Edit", "vavurorezo_label"},
    {"Palette", "icon_label"},
    {"TextNote", "default_textnotes"},
}};

namespace {

constexpr int kTextBuffer = 128;

const char* SwitchText(bool on) { return on ? "TRUE" : "FALSE"; }

void WriteNumber(SettingsProfile& profile, const char* section, const char* key, std::int32_t value) {
    profile.WriteText(section, key, std::to_string(value).c_str());
}

}  // namespace

bool ReadSwitch(SettingsProfile& profile, const char* section, const char* key, bool fallback) {
    std::string text = profile.ReadText(section, key, SwitchText(fallback), kTextBuffer);
    for (char& c : text) c = char(std::toupper(static_cast<unsigned char>(c)));
    return text == "TRUE";
}

MainSettings ReadMainSettings(SettingsProfile& profile, void (*toggleBackTypes)()) {
    MainSettings settings;
    for (const SwitchSetting& s : kMainSwitches) {
        if (!ReadSwitch(profile, kMainSection, s.key, s.on)) continue;
        if (s.bit == kOldVariableTypesBit && toggleBackTypes) toggleBackTypes();
        settings.options |= s.bit;
    }
    settings.diagLevel = profile.ReadNumber(kMainSection, "Diag Level", 4);
    settings.logLevel = profile.ReadNumber(kMainSection, "Log Level", 3);
    settings.logInterval = profile.ReadNumber(kMainSection, "Log Interval", 0);
    return settings;
}

void WriteMainSettings(SettingsProfile& profile, const MainSettings& settings) {
    for (const SwitchSetting& s : kMainSwitches)
        profile.WriteText(kMainSection, s.key, SwitchText((settings.options & s.bit) != 0));
    WriteNumber(profile, kMainSection, "Diag Level", settings.diagLevel);
    WriteNumber(profile, kMainSection, "Log Level", settings.logLevel);
    WriteNumber(profile, kMainSection, "Log Interval", settings.logInterval);
}

bool ReadFontSection(SettingsProfile& profile, const char* section, FontSetting& font) {
    std::string face = profile.ReadText(section, "Font Typeface", "", kTextBuffer);
    if (face.empty()) return false;
    FontSetting read;
    read.face = face;
    read.height = profile.ReadNumber(section, "Font Size", font.height);
    read.weight = profile.ReadNumber(section, "Font Weight", font.weight);
    read.italic = profile.ReadNumber(section, "Font Italic", font.italic);
    font = read;
    return true;
}

void WriteFontSection(SettingsProfile& profile, const char* section, const FontSetting& font) {
    profile.WriteText(section, "Font Typeface", font.face.c_str());
    WriteNumber(profile, section, "Font Size", font.height);
    WriteNumber(profile, section, "Font Weight", font.weight);
    WriteNumber(profile, section, "Font Italic", font.italic);
}

PlacementSetting ReadPlacement(SettingsProfile& profile, const PlacementSetting& current) {
    PlacementSetting p;
    p.left = profile.ReadNumber(kMainSection, "left", current.left);
    p.top = profile.ReadNumber(kMainSection, "top", current.top);
    p.right = profile.ReadNumber(kMainSection, "right", current.right);
    p.bottom = profile.ReadNumber(kMainSection, "bottom", current.bottom);
    p.showState = profile.ReadNumber(kMainSection, "WinState", current.showState);
    return p;
}

void WritePlacement(SettingsProfile& profile, const PlacementSetting& placement) {
    if (placement.showState == 0) return;
    WriteNumber(profile, kMainSection, "left", placement.left);
    WriteNumber(profile, kMainSection, "top", placement.top);
    WriteNumber(profile, kMainSection, "right", placement.right);
    WriteNumber(profile, kMainSection, "bottom", placement.bottom);
    WriteNumber(profile, kMainSection, "WinState", placement.showState);
}

void WriteZoomLevel(SettingsProfile& profile, std::int32_t zoom) {
    WriteNumber(profile, kMainSection, "Zoom Level", zoom);
}

PastPrograms ReadPastPrograms(SettingsProfile& profile) {
    PastPrograms programs;
    std::int32_t count = profile.ReadNumber(kPastProgramsSection, "Number of Past Programs Opened", PastPrograms::kMax);
    programs.count = std::clamp<std::int32_t>(count, 0, PastPrograms::kMax);
    for (int i = 0; i < PastPrograms::kMax; ++i) {
        std::string key = "Last Opened " + std::to_string(i + 1);
        programs.names[i] = profile.ReadText(kPastProgramsSection, key.c_str(), "", kTextBuffer);
    }
    return programs;
}

void WritePastPrograms(SettingsProfile& profile, const PastPrograms& programs) {
    WriteNumber(profile, kPastProgramsSection, "Number of Past Programs Opened", programs.count);
    for (int i = 0; i < PastPrograms::kMax; ++i) {
        std::string key = "Last Opened " + std::to_string(i + 1);
        profile.WriteText(kPastProgramsSection, key.c_str(), programs.names[i].c_str());
    }
}

void WriteUserTypesExample(SettingsProfile& profile) {
    if (profile.ReadNumber(kUserTypesSection, "Number of User Defined Types", 0) != 0) return;
    profile.WriteText(kUserTypesSection, "Number of User Defined Types", "0");
    profile.WriteText(kUserTypesSection, "User Defined Media 1", "Voice");
    profile.WriteText(kUserTypesSection, "User Defined Name 1", "Example");
    profile.WriteText(kUserTypesSection, "User Defined Language Table 1", "12");
}

AutoSaveSetting ReadAutoSave(SettingsProfile& profile) {
    AutoSaveSetting s;
    s.enabled = ReadSwitch(profile, kMainSection, "Auto Save Enabled", true);
    s.minutes = profile.ReadNumber(kMainSection, "Auto Save Interval", 10);
    return s;
}

void WriteAutoSave(SettingsProfile& profile, const AutoSaveSetting& setting) {
    profile.WriteText(kMainSection, "Auto Save Enabled", SwitchText(setting.enabled));
    WriteNumber(profile, kMainSection, "Auto Save Interval", setting.minutes);
}
