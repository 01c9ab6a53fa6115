#pragma once
// Page units (the canvas model's and the application file's coordinates: an eighth of the
// canvas font's average character width in x and of its character height in y) and
// canvas units (the drawing context's logical units, one screen pixel at 100 percent).
// The scale factors carry 13 fraction bits: 1024 times the font's average width and
// character height.

#include <cstdint>

#include "editor/support/geometry.h"

namespace ed {

struct CanvasScale {
  std::int32_t sx = 8192;  // horizontal: average character width x 1024
  std::int32_t sy = 8192;  // vertical: character height x 1024

  // From the canvas font: the width of the 52 letters A-Z, a-z and the character height
  // (text-metric height less internal leading).
  static CanvasScale FromFont(std::int32_t lettersWidth, std::int32_t charHeight);

  std::int32_t PageToCanvasX(std::int32_t x) const;
  std::int32_t PageToCanvasY(std::int32_t y) const;
  std::int32_t CanvasToPageX(std::int32_t x) const;
  std::int32_t CanvasToPageY(std::int32_t y) const;
  Point PageToCanvas(Point p) const { return {PageToCanvasX(p.x), PageToCanvasY(p.y)}; }
  Point CanvasToPage(Point p) const { return {CanvasToPageX(p.x), CanvasToPageY(p.y)}; }
  Rect CanvasToPage(const Rect& r) const;
  Rect PageToCanvas(const Rect& r) const;
  // A canvas point moved onto the nearest page unit: canvas -> page -> canvas.
  Point RoundTrip(Point p) const { return PageToCanvas(CanvasToPage(p)); }
};

// Device pixels from canvas units at a zoom percent, and back (the anisotropic mapping
// with window extent 100 and viewport extent percent), before the scroll origin.
std::int32_t CanvasToDevice(std::int32_t v, std::int32_t percent);
std::int32_t DeviceToCanvas(std::int32_t v, std::int32_t percent);

}  // namespace ed
