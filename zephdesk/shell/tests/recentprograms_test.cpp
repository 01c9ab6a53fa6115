#include "shell/recent/recentprograms.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// The end of a File menu: separators and items in order, with their labels.
class FakeFileMenu : public RecentMenu {
public:
    void AppendSeparator() override { m_items.push_back({0, "-"}); }
    void AppendItem(std::uint16_t id, const std::string& label) override { m_items.push_back({id, label}); }
    void SetItemLabel(std::uint16_t id, const std::string& label) override {
        for (auto& item : m_items)
            if (item.first == id) {
                item.second = label;
                return;
            }
        ADD_FAILURE() << "no item " << id;
    }
    void DeleteItem(std::uint16_t id) override {
        for (auto it = m_items.begin(); it != m_items.end(); ++it)
            if (it->first == id) {
                m_items.erase(it);
                return;
            }
        ADD_FAILURE() << "no item " << id;
    }
    std::vector<std::string> Labels() const {
        std::vector<std::string> labels;
        for (const auto& item : m_items) labels.push_back(item.second);
        return labels;
    }

private:
    std::vector<std::pair<std::uint16_t, std::string>> m_items;
};

PastPrograms Stored(std::int32_t maximum, std::vector<std::string> names = {}) {
    PastPrograms stored;
    stored.count = maximum;
    for (std::size_t i = 0; i < names.size(); ++i) stored.names[i] = names[i];
    return stored;
}

using Labels = std::vector<std::string>;

TEST(RecentProgramsTest, MaximumZeroNeverTouchesTheMenu) {
    RecentPrograms list(Stored(0, {"a|1|2"}));
    FakeFileMenu menu;
    list.Build(menu);
    list.Add("b|1|2", menu);
    EXPECT_TRUE(menu.Labels().empty());
    EXPECT_EQ(list.Count(), 0);
    EXPECT_STREQ(list.GetSlot(1), "a|1|2");
}

TEST(RecentProgramsTest, BuildStopsAtTheFirstEmptySlotAndAtTheMaximum) {
    FakeFileMenu menu;
    RecentPrograms list(Stored(2, {"one|1|1", "two|2|2", "three|3|3"}));
    list.Build(menu);
    EXPECT_EQ(menu.Labels(), (Labels{"-", "&1 one", "&2 two"}));
    FakeFileMenu gap;
    RecentPrograms holes(Stored(10, {"one|1|1", "", "three|3|3"}));
    holes.Build(gap);
    EXPECT_EQ(gap.Labels(), (Labels{"-", "&1 one"}));
}

TEST(RecentProgramsTest, FourthEntryAtMaximumThreeDropsTheOldest) {
    RecentPrograms list(Stored(3));
    FakeFileMenu menu;
    list.Build(menu);
    for (const char* entry : {"a|1|1", "b|1|1", "c|1|1", "d|1|1"}) list.Add(entry, menu);
    EXPECT_EQ(menu.Labels(), (Labels{"-", "&1 d", "&2 c", "&3 b"}));
    EXPECT_EQ(list.Count(), 3);
    // The slots beyond the count still shift and are kept for the settings.
    EXPECT_STREQ(list.GetSlot(4), "a|1|1");
}

TEST(RecentProgramsTest, ReAddingMovesToTheTop) {
    RecentPrograms list(Stored(10, {"a|1|1", "b|1|1", "c|1|1"}));
    FakeFileMenu menu;
    list.Build(menu);
    list.Add("a|1|1", menu);
    EXPECT_EQ(menu.Labels(), (Labels{"-", "&1 a", "&2 b", "&3 c"}));
    list.Add("c|1|1", menu);
    EXPECT_EQ(menu.Labels(), (Labels{"-", "&1 c", "&2 a", "&3 b"}));
    EXPECT_EQ(list.Count(), 3);
}

TEST(RecentProgramsTest, EntriesDifferingInCaseAreDistinct) {
    RecentPrograms list(Stored(10));
    FakeFileMenu menu;
    list.Add("Sample|1|1", menu);
    list.Add("sample|1|1", menu);
    EXPECT_EQ(menu.Labels(), (Labels{"-", "&1 sample", "&2 Sample"}));
    EXPECT_FALSE(list.Remove("SAMPLE|1|1", menu));
}

TEST(RecentProgramsTest, RemovingTheOnlyEntryKeepsOneSeparatorForTheNext) {
    RecentPrograms list(Stored(10));
    FakeFileMenu menu;
    list.Add("a|1|1", menu);
    EXPECT_TRUE(list.Remove("a|1|1", menu));
    EXPECT_EQ(menu.Labels(), (Labels{"-"}));
    EXPECT_EQ(list.Count(), 0);
    EXPECT_STREQ(list.GetSlot(1), "");
    list.Add("b|1|1", menu);
    EXPECT_EQ(menu.Labels(), (Labels{"-", "&1 b"}));
}

TEST(RecentProgramsTest, RemovingFromTheMiddleClosesTheGap) {
    RecentPrograms list(Stored(10, {"a|1|1", "b|1|1", "c|1|1"}));
    FakeFileMenu menu;
    list.Build(menu);
    EXPECT_TRUE(list.Remove("b|1|1", menu));
    EXPECT_EQ(menu.Labels(), (Labels{"-", "&1 a", "&2 c"}));
    EXPECT_FALSE(list.Remove("b|1|1", menu));
    EXPECT_EQ(list.Stored().names[1], "c|1|1");
    EXPECT_EQ(list.Stored().names[2], "");
}

TEST(RecentProgramsTest, LabelsCarryAOneCharacterMnemonic) {
    RecentPrograms list(Stored(10));
    FakeFileMenu menu;
    for (int i = 10; i >= 1; --i) list.Add("p" + std::to_string(i) + "|3|4", menu);
    const Labels labels = menu.Labels();
    ASSERT_EQ(labels.size(), 11u);
    EXPECT_EQ(labels[1], "&1 p1");
    EXPECT_EQ(labels[9], "&9 p9");
    EXPECT_EQ(labels[10], "1&0 p10");
}

TEST(RecentProgramsTest, MoveToTopChecksItsIndex) {
    RecentPrograms list(Stored(10, {"a|1|1", "b|1|1"}));
    FakeFileMenu menu;
    list.Build(menu);
    EXPECT_FALSE(list.MoveToTop(0, menu));
    EXPECT_FALSE(list.MoveToTop(11, menu));
    EXPECT_TRUE(list.MoveToTop(2, menu));
    EXPECT_EQ(menu.Labels(), (Labels{"-", "&1 b", "&2 a"}));
    EXPECT_EQ(list.GetSlot(0), nullptr);
}

TEST(RecentProgramsTest, StoredKeepsMaximumAndLongEntriesAreCut) {
    RecentPrograms list(Stored(25));
    EXPECT_EQ(list.Maximum(), 10);
    FakeFileMenu menu;
    list.Add(std::string(200, 'x'), menu);
    EXPECT_EQ(std::string(list.GetSlot(1)).size(), 127u);
    EXPECT_EQ(list.Stored().count, 10);
}

}  // namespace
