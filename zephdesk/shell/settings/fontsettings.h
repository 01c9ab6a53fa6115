// The three font sections of the settings file over the designer's named-font table:
// applied at start-up when a section names a typeface, all written back at the end.
#pragma once

#include "shell/settings/profile.h"

class Fonts;

void ApplyFontSettings(SettingsProfile& profile, Fonts& fonts);
void WriteFontSettings(SettingsProfile& profile, const Fonts& fonts);
