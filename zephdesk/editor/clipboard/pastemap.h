#pragma once
// The clipboard program's naming and placing rules: the model clipboard's names of copied
// blocks ("page$block"), the library file a SuperBlock reference comes from, where a
// pasted block or note lands, and the imported-application block that may not be pasted
// into its own application.

#include <cstdint>
#include <optional>
#include <string>

#include "editor/support/geometry.h"

namespace ed {

// "page$block", the name of a page's block in the model clipboard.
std::string ClipboardBlockName(const std::string& page, const std::string& block);
// The canvas name of a pasted block: the text after the first "$", the whole name without.
std::string CanvasNameOf(const std::string& modelName);
// The library a SuperBlock reference comes from: the block name with everything from its
// first "." replaced by ".RLL", or ".RLL" appended.
std::string LibraryFileName(const std::string& blockName);

// The paste point and the smallest x and y of what was copied; a copied position lands at
// position + (paste point - minima).
struct PasteOffset {
  Point pastePoint;
  Point minima;
  Point Place(Point position) const {
    return {position.x + pastePoint.x - minima.x, position.y + pastePoint.y - minima.y};
  }
};

// For an imported-application block whose SuperBlock name ends in "." and the target's own
// application ID: the text after the last "." (the message's %1). Nothing otherwise.
std::optional<std::string> SelfImportId(const std::string& superBlockName, std::int32_t appId);

// The minima as the copy keeps them: the first position sets them.
class MinimaTracker {
 public:
  void Add(Point p);
  bool Empty() const { return empty_; }
  Point Minima() const { return min_; }
  void Reset() { empty_ = true; min_ = {}; }

 private:
  bool empty_ = true;
  Point min_;
};

}  // namespace ed
