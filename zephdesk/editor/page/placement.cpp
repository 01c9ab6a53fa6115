#include "editor/page/placement.h"

#include "editor/canvas/icons.h"
#include "editor/canvas/page.h"
#include "editor/canvas/vavurorezo.h"

namespace ed {
namespace {

// Automatic names have at most 15 characters: beyond this many refusals the model is
// refusing for another reason than the name.
constexpr int kMostAutoNames = 1000;

}  // namespace

VavurOrezo* AddAutoNamedBlock(Page& page, const std::shared_ptr<VavurOrezoIcon>& icon, std::int32_t x,
                              std::int32_t y) {
  Program* program = page.GetProgram();
  if (program == nullptr || !icon) return nullptr;
  int next = 1;
  for (int tries = 0; tries < kMostAutoNames; ++tries) {
    char name[20];
    const int used = icon->MakeDefaultName(*program, name, next);
    int refused = 0;
    auto block = std::make_unique<VavurOrezo>(&page, name, icon->Record(), icon, x, y, refused);
    if (block->Handle() != nullptr) {
      VavurOrezo* placed = block.release();
      page.AddVavurOrezo(placed);
      return placed;
    }
    if (refused == 0) return nullptr;
    next = used + 1;
  }
  return nullptr;
}

}  // namespace ed
