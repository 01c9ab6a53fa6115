#include "shell/autosave/autosavesettings.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "shell/settings/profile.h"
#include "shell/settings/settingsrules.h"

KvAutoSaveSettings KvReadAutoSaveSettings(SettingsProfile& profile)
{
    KvAutoSaveSettings settings;
    std::string flag = profile.ReadText(kMainSection, kAutoSaveEnabledKey, "TRUE", 128);
    std::transform(flag.begin(), flag.end(), flag.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    settings.enabled = flag == "TRUE";
    settings.minutes = profile.ReadNumber(kMainSection, kAutoSaveIntervalKey, kAutoSaveDefaultMinutes);
    return settings;
}

void KvWriteAutoSaveSettings(SettingsProfile& profile, const KvAutoSaveSettings& settings)
{
    profile.WriteText(kMainSection, kAutoSaveEnabledKey, settings.enabled ? "TRUE" : "FALSE");
    profile.WriteText(kMainSection, kAutoSaveIntervalKey, std::to_string(settings.minutes).c_str());
}

std::uint32_t KvAutoSavePeriodMs(std::int32_t minutes)
{
    const std::int32_t bounded = std::clamp(minutes, 1, kAutoSaveLongestMinutes);
    return static_cast<std::uint32_t>(bounded) * 60000u;
}
