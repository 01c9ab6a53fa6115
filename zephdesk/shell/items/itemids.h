// Voice and fax item numbers: the range an item may take and the lowest number still free
// among an application's items.
#pragma once

#include <vector>

inline constexpr int kKvFirstItemId = 1;
inline constexpr int kKvLastItemId = 3000;
// The application's spoken name travels as voice item 9999, outside the item range.
inline constexpr int kKvSpokenNameItemId = 9999;

inline bool KvIsItemIdInRange(int id) { return id >= kKvFirstItemId && id <= kKvLastItemId; }

// The lowest ID from 1 up that none of the items uses (the count + 1 when they are dense).
int KvNextFreeItemId(std::vector<int> ids);
