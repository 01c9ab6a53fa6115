// The Find dialog's search settings, one record per process so that they outlive the
// dialog's window and its program: what to search for, where, the texts searched before
// (most recent first) and the page names offered for a search on one page. Also the
// search itself over the current model program, and the page-name list.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

enum FindKind : std::int16_t { kFindAllBlocks = 0, kFindIncomplete = 1, kFindOfType = 3 };
enum FindScope : std::int16_t { kFindAllPages = 0, kFindOnePage = 1 };

inline constexpr std::size_t kFindHistoryMax = 10;
inline constexpr std::size_t kFindTextMax = 127;
inline constexpr std::size_t kFindPageNameMax = 39;
inline constexpr int kFindPageNamesMax = 250;
inline constexpr char kTooManyPagesText[] = "More than 250 Super Blocks exist only 250 will be displayed";

struct TPBSearchInfo {
    std::int16_t kind = kFindAllBlocks;
    std::int16_t scope = kFindAllPages;
    std::int32_t typeIndex = -1;
    std::string searchText = "*";
    std::array<std::string, kFindHistoryMax> history;
    std::int16_t historyCount = 0;
    std::string pageName = "Main";

    // Puts the text first in the history unless an equal text (case counts) is there
    // already; the oldest entry drops out of a full history. True when it was added.
    bool AddToHistory(const std::string& text);
};

// The process's one record.
TPBSearchInfo& SearchInfo();

// The lines of the blocks of the current model program that the settings select, in the
// model's order: the name without its page when listed for one page, else the full name.
std::vector<std::string> FindMatchingBlocks(const TPBSearchInfo& info, bool listWithoutPage);

// The program's page names for the one-page scope (at most 250); full is set when the
// model gave 250, when there may be more.
std::vector<std::string> FindPageNames(bool& full);
