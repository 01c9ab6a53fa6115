#pragma once
// What the goto-line router and its caller read of the page they route on: the page
// grid with its drawn objects (canvas units), the page-to-canvas conversion, and the
// status line of the page window's frame. The page canvas implements it; tests and the
// routing benchmark use a plain page of drawn rectangles.

#include <cstdint>

#include "editor/support/geometry.h"

namespace ed {

class Grid;

class RoutePage {
 public:
  virtual ~RoutePage() = default;
  virtual const Grid& PageGrid() const = 0;
  // Page units to the canvas units of the drawn objects' rectangles.
  virtual Point PageToCanvas(std::int32_t x, std::int32_t y) const = 0;
  // The frame's status line; without one the three calls below are not made.
  virtual bool HasStatusLine() const { return false; }
  // Sets the text of a level (level 0 with empty text resets the line) and repaints.
  virtual void SetStatusMessage(int /*level*/, const char* /*text*/) {}
  // Appends to the text of a level.
  virtual void AppendStatusMessage(int /*level*/, const char* /*text*/) {}
};

// What a route asks of the designer around the page: the message pump that watches for
// Escape, switching the main window off and on, and the out-of-memory box.
class RouteUi {
 public:
  virtual ~RouteUi() = default;
  // Dispatches pending messages; false when Escape was pressed.
  virtual bool PumpMessages() = 0;
  virtual void EnableMainWindow(bool enable) = 0;
  // A box with the text, an exclamation icon and an OK button.
  virtual void ShowWarning(const char* text) = 0;
};

}  // namespace ed
