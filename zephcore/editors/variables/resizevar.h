#pragma once
// Resizing a variable (a string's size, an array's element count) or a string member of a
// structure: what the resize dialog shows, and the checks and storage changes of its Done.

#include <string>

#include "model/structdef.h"
#include "model/symbol.h"

namespace zeph {

class TProgram;

inline constexpr int kMinStringSize = 2;
inline constexpr int kMaxStringSize = 1000;
inline constexpr int kMaxArrayBytes = 64000;
inline constexpr const char* kSizeRangeText = "Size is not within the acceptable range (2 - 1000)";

// What the dialog shows when it opens.
struct ResizeView {
  std::string Name;
  std::string TypeText;
  bool StringEnabled = false;   // the current and new string size controls
  std::string StringSize;       // the current size, also the new size's start text
  bool ArrayEnabled = false;    // the current and new element count controls
  std::string Count;            // the current count, also the new count's start text
};
ResizeView DescribeResize(const Symbol& symbol, TProgram& program);
ResizeView DescribeResize(const StructMember& member);

// The control a refusal sends the focus to.
enum class ResizeFocus { None, StringSize, Count };

struct ResizeOutcome {
  bool Done = true;            // false: the dialog stays open
  std::string Message;         // the refusal's text; empty when done
  ResizeFocus Focus = ResizeFocus::None;
  int InterfaceCode = 0;       // a refused change of the Parameter's interface entry (shown; the resize stands)
};

// Done on a variable: a string's new size from sizeText (2 to 1000); an array's new count
// from countText (above 1, at most 64000 bytes in all) and, for string elements, the new
// size. The value block, when there is one, is replaced by a zero-filled block of the new
// size that keeps what fits of the old one. A Parameter's interface entry takes a
// string's new size.
ResizeOutcome ApplyResize(Symbol& symbol, const std::string& sizeText, const std::string& countText,
                          TProgram& program);
// Done on a structure member: its new size from sizeText (2 to 1000).
ResizeOutcome ApplyResize(StructMember& member, const std::string& sizeText);

}  // namespace zeph
