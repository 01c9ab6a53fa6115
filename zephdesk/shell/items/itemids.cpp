#include "shell/items/itemids.h"

#include <algorithm>

int KvNextFreeItemId(std::vector<int> ids)
{
    std::sort(ids.begin(), ids.end());
    int candidate = kKvFirstItemId;
    for (int id : ids) {
        if (id > candidate)
            break;
        // Duplicates and numbers below the candidate leave it where it is.
        if (id == candidate)
            ++candidate;
    }
    return candidate;
}
