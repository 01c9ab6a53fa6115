#pragma once
// How a page's drawing is cut into printer sheets: the printable page size in page units,
// the tile size, the walk over the tiles (empty tiles keep their numbers) and the header
// each printed sheet carries.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "editor/support/geometry.h"

namespace ed {

// The printer's measures (GetDeviceCaps) and the screen's vertical resolution.
struct PrinterMeasures {
  std::int32_t horzRes = 0, vertRes = 0;
  std::int32_t logPixelsX = 0, logPixelsY = 0;
  std::int32_t screenLogPixelsY = 0;
};

// The height of the canvas font scaled to the printer, as a font height (negative).
std::int32_t PrinterFontHeight(std::int32_t charHeight, const PrinterMeasures& m);
// The size of a note's own printer font: the note's size scaled to the printer. The
// note's font stays as it is (no scaling there and back, which would lose precision).
std::int32_t ScaleFontToPrinter(std::int32_t size, const PrinterMeasures& m);

// The printable page in page units, from the printer font's character height and average
// width: eighths of a character cell, rounded. Zero by zero without measures.
struct PrintPageSize {
  std::int32_t width = 0, height = 0;
};
PrintPageSize PrintPageSizeInPageUnits(const PrinterMeasures& m, std::int32_t charHeight, std::int32_t avgWidth);

struct PrintTile {
  Rect rect;           // in printer pixels of the drawing
  std::int32_t column = 1;
  std::int32_t row = 1;
};

// The tiles of a drawing whose extent reaches right and bottom (left and top taken as 0;
// a right or bottom below 0 becomes one tile's size), w by h each, row by row.
std::vector<PrintTile> TilesOf(std::int32_t right, std::int32_t bottom, std::int32_t w, std::int32_t h);

// The row letter: A for row 1, wrapping after Z.
char RowLetter(std::int32_t row);
// "path (page)     Page A-1".
std::string PrintHeaderText(const std::string& programPath, const std::string& pageName, std::int32_t column,
                            std::int32_t row);

}  // namespace ed
