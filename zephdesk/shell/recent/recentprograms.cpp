#include "shell/recent/recentprograms.h"

#include <algorithm>

namespace {

std::string SlotText(const std::string& entry) {
    return entry.substr(0, std::min(entry.size(), RecentPrograms::kSlotText));
}

}  // namespace

std::string RecentLabel(std::int32_t index, const std::string& entry) {
    // Entry 10's mnemonic is its 0.
    const std::string number = index == 10 ? std::string("1&0 ") : "&" + std::to_string(index) + " ";
    return number + entry.substr(0, entry.find('|'));
}

RecentPrograms::RecentPrograms(const PastPrograms& stored)
    : m_maximum(std::clamp(stored.count, std::int32_t(0), std::int32_t(kSlots))) {
    for (std::int32_t i = 0; i < kSlots; ++i) m_slots[i] = SlotText(stored.names[i]);
}

void RecentPrograms::Label(std::int32_t index, RecentMenu& menu) const {
    menu.SetItemLabel(std::uint16_t(kCmOpenRecentBase + index), RecentLabel(index, m_slots[index - 1]));
}

// One separator for the list's whole life: an emptied list keeps it for the next entry.
void RecentPrograms::SeparatorOnce(RecentMenu& menu) {
    if (m_separator) return;
    menu.AppendSeparator();
    m_separator = true;
}

void RecentPrograms::Build(RecentMenu& menu) {
    for (std::int32_t i = 1; i <= kSlots && m_count < m_maximum; ++i) {
        if (m_slots[i - 1].empty()) break;
        SeparatorOnce(menu);
        menu.AppendItem(std::uint16_t(kCmOpenRecentBase + i), RecentLabel(i, m_slots[i - 1]));
        ++m_count;
    }
}

void RecentPrograms::Add(const std::string& entry, RecentMenu& menu) {
    if (m_maximum == 0) return;
    const std::string text = SlotText(entry);
    for (std::int32_t k = 1; k <= m_count; ++k) {
        if (m_slots[k - 1] != text) continue;
        if (k > 1) MoveToTop(k, menu);
        return;
    }
    if (m_count < m_maximum) {
        ++m_count;
        if (m_count == 1) SeparatorOnce(menu);
        menu.AppendItem(std::uint16_t(kCmOpenRecentBase + m_count), "");
    }
    for (std::int32_t j = kSlots - 1; j > 0; --j) m_slots[j] = m_slots[j - 1];
    m_slots[0] = text;
    for (std::int32_t i = 1; i <= m_count; ++i) Label(i, menu);
}

bool RecentPrograms::Remove(const std::string& entry, RecentMenu& menu) {
    const std::string text = SlotText(entry);
    std::int32_t found = 0;
    for (std::int32_t i = 1; i <= m_count && !found; ++i)
        if (m_slots[i - 1] == text) found = i;
    if (!found) return false;
    for (std::int32_t j = found; j <= m_count; ++j) {
        if (j == m_count) {
            m_slots[j - 1].clear();
            menu.DeleteItem(std::uint16_t(kCmOpenRecentBase + j));
        } else {
            m_slots[j - 1] = m_slots[j];
            Label(j, menu);
        }
    }
    --m_count;
    return true;
}

bool RecentPrograms::MoveToTop(std::int32_t index, RecentMenu& menu) {
    if (index < 1 || index > kSlots) return false;
    const std::string saved = m_slots[index - 1];
    for (std::int32_t j = index; j >= 2; --j) {
        m_slots[j - 1] = m_slots[j - 2];
        if (j <= m_count) Label(j, menu);
    }
    m_slots[0] = saved;
    if (m_count >= 1) Label(1, menu);
    return true;
}

const char* RecentPrograms::GetSlot(std::int32_t index) const {
    if (index < 1 || index > kSlots) return nullptr;
    return m_slots[index - 1].c_str();
}

PastPrograms RecentPrograms::Stored() const {
    PastPrograms stored;
    stored.count = m_maximum;
    for (std::int32_t i = 0; i < kSlots; ++i) stored.names[i] = m_slots[i];
    return stored;
}
