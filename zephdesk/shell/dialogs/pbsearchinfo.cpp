#include "shell/dialogs/pbsearchinfo.h"

#include <algorithm>
#include <cstring>

#include "model/interface/vlx.h"
#include "shell/dialogs/findmatch.h"

bool TPBSearchInfo::AddToHistory(const std::string& text)
{
    const auto used = history.begin() + historyCount;
    if (std::find(history.begin(), used, text) != used)
        return false;
    std::move_backward(history.begin(), history.end() - 1, history.end());
    history[0] = text;
    if (historyCount < static_cast<std::int16_t>(kFindHistoryMax))
        ++historyCount;
    return true;
}

TPBSearchInfo& SearchInfo()
{
    static TPBSearchInfo info;
    return info;
}

namespace {

bool KeptByKind(const TPBSearchInfo& info, vlxHandleType symbol)
{
    switch (info.kind) {
    case kFindIncomplete:
        return vlxIsPBComplete(symbol) == 0;
    case kFindOfType:
        return vlxGetPBType(symbol) == info.typeIndex;
    default:
        return true;
    }
}

}  // namespace

std::vector<std::string> FindMatchingBlocks(const TPBSearchInfo& info, bool listWithoutPage)
{
    // The main page is the one whose blocks carry no page in their names.
    const char* pageFilter = info.pageName == "Main" ? nullptr : info.pageName.c_str();
    const int count = vlxGetNumPBs();
    std::vector<std::string> lines;
    if (count <= 0)
        return lines;
    std::vector<vlxHandleType> symbols(static_cast<std::size_t>(count), nullptr);
    const int filled = std::min(vlxGetAllPBSymbols(symbols.data()), count);
    for (int i = 0; i < filled; ++i) {
        vlxHandleType symbol = symbols[static_cast<std::size_t>(i)];
        if (symbol == nullptr || !KeptByKind(info, symbol))
            continue;
        if (info.scope == kFindOnePage && vlxIsPBInPage(symbol, pageFilter) == 0)
            continue;
        const char* name = vlxGetSymbolName(symbol);
        if (name == nullptr || !MatchesSearchText(info.searchText.c_str(), name))
            continue;
        const char* dollar = std::strchr(name, '$');
        lines.emplace_back(listWithoutPage && dollar != nullptr ? dollar + 1 : name);
    }
    return lines;
}

std::vector<std::string> FindPageNames(bool& full)
{
    std::vector<const char*> names(kFindPageNamesMax, nullptr);
    const int count = std::clamp(vlxGetAllPageNames(names.data(), kFindPageNamesMax), 0, kFindPageNamesMax);
    full = count == kFindPageNamesMax;
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i)
        if (names[static_cast<std::size_t>(i)] != nullptr)
            out.emplace_back(names[static_cast<std::size_t>(i)]);
    return out;
}
