#include "shell/settings/fontsettings.h"

#include "framework/kvnamed.h"
#include "shell/settings/settingsrules.h"

namespace {

FontSetting SettingOf(const FontObject& font) {
    return {font.GetFace(), font.GetHeight(), font.GetWeight(), font.IsItalic()};
}

}  // namespace

void ApplyFontSettings(SettingsProfile& profile, Fonts& fonts) {
    for (const FontSection& s : kFontSections) {
        FontObject* current = fonts.Find(s.fontName);
        if (!current) continue;
        FontSetting setting = SettingOf(*current);
        if (!ReadFontSection(profile, s.section, setting)) continue;
        fonts.Add(new FontObject(s.fontName, setting.face.c_str(), setting.height, setting.weight,
                                 BYTE(setting.italic != 0)),
                  TRUE);
    }
}

void WriteFontSettings(SettingsProfile& profile, const Fonts& fonts) {
    for (const FontSection& s : kFontSections)
        if (const FontObject* font = fonts.Find(s.fontName)) WriteFontSection(profile, s.section, SettingOf(*font));
}
