#pragma once
// Blocks placed on a page from the palette under automatic names.

#include <cstdint>
#include <memory>

namespace ed {

class Page;
class VavurOrezo;
class VavurOrezoIcon;

// Creates a block of the icon's type at the page point under the icon's next automatic
// name and appends it to the page. A name the model refuses is passed over for the next
// number; null (nothing made) when the model gives no handle for another reason, or
// refuses every name tried.
VavurOrezo* AddAutoNamedBlock(Page& page, const std::shared_ptr<VavurOrezoIcon>& icon, std::int32_t x,
                              std::int32_t y);

}  // namespace ed
