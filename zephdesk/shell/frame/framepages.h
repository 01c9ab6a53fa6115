// What the main frame asks of its page windows, which the page editor supplies. Until it
// does, no MDI child is a page window.
#pragma once

#include <cstdint>

#include "shell/states/commandfacts.h"

namespace ed {
class VavurOrezo;
}
struct HWND__;
typedef HWND__* HWND;

class FramePageWindows {
public:
    virtual ~FramePageWindows() = default;
    // Whether child is exactly a page window; for one, hasCanvas tells whether its canvas
    // exists and zoom holds the canvas's zoom value.
    virtual bool DescribePage(HWND child, bool& hasCanvas, std::int32_t& zoom) = 0;
    // Ends the canvas's mouse mode 7 when the page window's canvas is in it.
    virtual void EndSelectionMode(HWND child) = 0;
    // Every page window's update member with the three values, and their captions.
    virtual void NotifyChildren(void* object, int kind, int scope) = 0;
    virtual void UpdateChildCaptions() = 0;
    // The selection of a page window's canvas (kind of the first object, count, whether a
    // text note is typed in); false for a window without canvas.
    virtual bool DescribeSelection(HWND /*child*/, PageSelectionFacts& /*facts*/) { return false; }
    // The first selected object of the page window's canvas when it is a block; null else.
    virtual ed::VavurOrezo* FirstSelectedBlock(HWND /*child*/) { return nullptr; }
};
