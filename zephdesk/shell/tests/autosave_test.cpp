#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "shell/autosave/autosave.h"
#include "shell/autosave/autosavesettings.h"
#include "shell/settings/profile.h"

namespace {

// A settings file in memory: [Main] keys only.
class MemoryProfile : public SettingsProfile {
public:
    std::map<std::string, std::string> keys;

    std::string ReadText(const char*, const char* key, const char* fallback, int size) override
    {
        auto it = keys.find(key);
        std::string text = it != keys.end() ? it->second : fallback;
        return text.substr(0, static_cast<std::size_t>(size - 1));
    }
    std::int32_t ReadNumber(const char*, const char* key, std::int32_t fallback) override
    {
        auto it = keys.find(key);
        return it != keys.end() ? std::stoi(it->second) : fallback;
    }
    void WriteText(const char*, const char* key, const char* value) override { keys[key] = value; }
};

class Document : public KvAutoSaveDocument {
public:
    int modified = 0;
    int saves = 0;
    int IsModified() override { return modified; }
    int SaveLocal() override
    {
        ++saves;
        modified = 0;  // a save clears the flag, as the document's does
        return 0;
    }
    void SetModified() override { modified = 1; }
};

class Host : public KvAutoSaveHost {
public:
    Document* active = nullptr;
    int open = 0;
    std::vector<std::string> timer;  // "set 7 600000", "kill 7"
    int refreshes = 0;
    bool dialogEnabled = true;
    std::int32_t dialogMinutes = 10;
    bool shownEnabled = false;
    std::int32_t shownMinutes = 0;

    KvAutoSaveDocument* ActiveDocument() override { return active; }
    int OpenApplicationCount() override { return open; }
    void SetTimer(unsigned id, std::uint32_t periodMs) override
    {
        timer.push_back("set " + std::to_string(id) + " " + std::to_string(periodMs));
    }
    void KillTimer(unsigned id) override { timer.push_back("kill " + std::to_string(id)); }
    void UpdateCommandStates() override { ++refreshes; }
    void EditOptions(bool& enabled, std::int32_t& minutes) override
    {
        shownEnabled = enabled;
        shownMinutes = minutes;
        enabled = dialogEnabled;
        minutes = dialogMinutes;
    }
};

TEST(AutoSaveSettingsTest, ReadsFlagAndInterval)
{
    struct Row {
        std::map<std::string, std::string> keys;
        bool enabled;
        std::int32_t minutes;
    };
    const Row rows[] = {
        {{}, true, 10},
        {{{"Auto Save Enabled", "true"}}, true, 10},
        {{{"Auto Save Enabled", "True"}, {"Auto Save Interval", "25"}}, true, 25},
        {{{"Auto Save Enabled", "YES"}}, false, 10},
        {{{"Auto Save Enabled", "FALSE"}, {"Auto Save Interval", "0"}}, false, 0},
        {{{"Auto Save Interval", "90"}}, true, 90},
    };
    for (const Row& row : rows) {
        MemoryProfile profile;
        profile.keys = row.keys;
        const KvAutoSaveSettings s = KvReadAutoSaveSettings(profile);
        EXPECT_EQ(s.enabled, row.enabled) << ::testing::PrintToString(row.keys);
        EXPECT_EQ(s.minutes, row.minutes) << ::testing::PrintToString(row.keys);
    }
}

TEST(AutoSaveSettingsTest, PeriodIsBoundedToWhatTheTimerCanCount)
{
    EXPECT_EQ(KvAutoSavePeriodMs(10), 600000u);
    EXPECT_EQ(KvAutoSavePeriodMs(0), 60000u);
    EXPECT_EQ(KvAutoSavePeriodMs(-5), 60000u);
    EXPECT_EQ(KvAutoSavePeriodMs(90), 5400000u);
    EXPECT_EQ(KvAutoSavePeriodMs(35791), 2147460000u);
    EXPECT_EQ(KvAutoSavePeriodMs(100000), 2147460000u);
}

class AutoSaveTest : public ::testing::Test {
protected:
    MemoryProfile profile;
    Host host;
    Document document;
    KvAutoSave autoSave{profile, host};
};

TEST_F(AutoSaveTest, StartSetsTimerSevenFromTheSettings)
{
    autoSave.Start();
    profile.keys["Auto Save Interval"] = "0";
    autoSave.Start();  // restarts; 0 counts as one minute
    profile.keys["Auto Save Enabled"] = "FALSE";
    autoSave.Start();
    EXPECT_EQ(host.timer, (std::vector<std::string>{"set 7 600000", "set 7 60000"}));
}

TEST_F(AutoSaveTest, TickWithoutActiveApplicationDoesNothing)
{
    EXPECT_EQ(autoSave.OnTimer(), -1);
    EXPECT_EQ(host.refreshes, 0);
}

TEST_F(AutoSaveTest, TickSavesOnlyAModifiedProgramAndLeavesItModified)
{
    host.active = &document;
    EXPECT_EQ(autoSave.OnTimer(), 0);
    EXPECT_EQ(document.saves, 0);
    EXPECT_EQ(host.refreshes, 1);

    document.modified = 1;
    EXPECT_EQ(autoSave.OnTimer(), 0);
    EXPECT_EQ(document.saves, 1);
    EXPECT_EQ(document.modified, 1);
    EXPECT_EQ(host.refreshes, 2);
}

TEST_F(AutoSaveTest, StopKillsTheTimerOnlyWhenTheLastApplicationClosed)
{
    host.open = 1;
    autoSave.Stop();
    EXPECT_TRUE(host.timer.empty());
    host.open = 0;
    autoSave.Stop();
    EXPECT_EQ(host.timer, (std::vector<std::string>{"kill 7"}));
}

TEST_F(AutoSaveTest, OptionsWriteBackAndDriveTheTimer)
{
    struct Row {
        const char* before;  // "Auto Save Enabled" before, null for missing
        int open;
        bool enabled;
        std::int32_t minutes;
        const char* flagAfter;
        const char* minutesAfter;
        std::vector<std::string> timer;
    };
    const Row rows[] = {
        {nullptr, 1, true, 20, "TRUE", "20", {"set 7 1200000"}},
        {nullptr, 0, true, 20, "TRUE", "20", {}},  // on with nothing open sets no timer
        {nullptr, 2, false, 20, "FALSE", "20", {"kill 7"}},
        {"FALSE", 2, false, 5, "FALSE", "5", {}},  // was off: nothing to kill
        {"FALSE", 1, true, 5, "TRUE", "5", {"set 7 300000"}},
    };
    for (const Row& row : rows) {
        MemoryProfile p;
        if (row.before != nullptr)
            p.keys["Auto Save Enabled"] = row.before;
        Host h;
        h.open = row.open;
        h.dialogEnabled = row.enabled;
        h.dialogMinutes = row.minutes;
        KvAutoSave a(p, h);
        EXPECT_EQ(a.EditOptions(), 0);
        EXPECT_EQ(p.keys["Auto Save Enabled"], row.flagAfter);
        EXPECT_EQ(p.keys["Auto Save Interval"], row.minutesAfter);
        EXPECT_EQ(h.timer, row.timer) << row.flagAfter << " " << row.open;
        EXPECT_EQ(h.refreshes, 1);
        EXPECT_EQ(h.shownEnabled, row.before == nullptr);
        EXPECT_EQ(h.shownMinutes, 10);
    }
}

}  // namespace
