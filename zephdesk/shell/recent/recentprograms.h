// The most-recently-opened programs at the end of the File menu: up to ten entries, the
// most recent first, each an item "&1 name" .. "1&0 name" with command 4211 .. 4220, after
// one separator. The entries are the workspace's texts ("name|n|n"); the menu shows the part
// before the first "|". The list keeps the slots and the menu items in step through a
// small menu interface, so the rules run without a window.
#pragma once

#include <cstdint>
#include <string>

#include "shell/settings/settingsrules.h"

inline constexpr std::uint16_t kCmOpenRecentBase = 4210;  // entry i has 4210 + i

// The File menu as the list changes it.
class RecentMenu {
public:
    virtual ~RecentMenu() = default;
    virtual void AppendSeparator() = 0;
    virtual void AppendItem(std::uint16_t id, const std::string& label) = 0;
    virtual void SetItemLabel(std::uint16_t id, const std::string& label) = 0;
    virtual void DeleteItem(std::uint16_t id) = 0;
};

// The label of entry index (1..10): its mnemonic number, a blank and the display part.
std::string RecentLabel(std::int32_t index, const std::string& entry);

class RecentPrograms {
public:
    static constexpr std::int32_t kSlots = PastPrograms::kMax;
    static constexpr std::size_t kSlotText = 127;

    // The maximum (clamped to 0..10) and the slots of the settings; no menu items yet.
    explicit RecentPrograms(const PastPrograms& stored);

    // Appends the items of the stored entries (once, at window set-up).
    void Build(RecentMenu& menu);
    // Puts the entry first: moves it there when listed, else adds it (the oldest falls off
    // at the maximum). Nothing happens when the list is off (maximum 0).
    void Add(const std::string& entry, RecentMenu& menu);
    // Takes the entry out; false when it is not listed.
    bool Remove(const std::string& entry, RecentMenu& menu);
    // Moves entry index (1..10) to the top; false outside 1..10.
    bool MoveToTop(std::int32_t index, RecentMenu& menu);

    // The slot text of index 1..10; null otherwise.
    const char* GetSlot(std::int32_t index) const;
    std::int32_t Count() const { return m_count; }
    std::int32_t Maximum() const { return m_maximum; }
    // What the settings keep: the maximum and all ten slots.
    PastPrograms Stored() const;

private:
    void Label(std::int32_t index, RecentMenu& menu) const;
    void SeparatorOnce(RecentMenu& menu);

    std::int32_t m_maximum;
    std::string m_slots[kSlots];
    std::int32_t m_count = 0;
    bool m_separator = false;
};
