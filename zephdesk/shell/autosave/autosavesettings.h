// The auto-save settings in [Main] of the settings file and the timer period they give.
#pragma once

#include <cstdint>

class SettingsProfile;

inline constexpr const char kAutoSaveEnabledKey[] = "Auto Save Enabled";
inline constexpr const char kAutoSaveIntervalKey[] = "Auto Save Interval";
inline constexpr std::int32_t kAutoSaveDefaultMinutes = 10;
// The longest interval whose period in milliseconds still fits the timer's 32-bit count.
inline constexpr std::int32_t kAutoSaveLongestMinutes = 35791;

struct KvAutoSaveSettings {
    bool enabled = true;
    std::int32_t minutes = kAutoSaveDefaultMinutes;
};

// Missing keys give on and 10 minutes; the flag is on only for "TRUE" in any case. The
// interval is taken as written (the options dialog alone holds it to 1..60).
KvAutoSaveSettings KvReadAutoSaveSettings(SettingsProfile& profile);
// "TRUE" or "FALSE", and the interval in decimal.
void KvWriteAutoSaveSettings(SettingsProfile& profile, const KvAutoSaveSettings& settings);

// The timer period of an interval: below 1 minute counts as 1 (0 would fire every few
// milliseconds and save without end), above 35791 as 35791.
std::uint32_t KvAutoSavePeriodMs(std::int32_t minutes);
