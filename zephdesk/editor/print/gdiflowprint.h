#pragma once
// Flow printing on a printer's device context (Windows only): the print service's job as
// the sheet walk uses it, and the painter that draws a tile of the page's drawn objects
// with its header line and the optional frame of the printable area.

#include <windows.h>

#include <vector>

#include "bank/printstate.h"
#include "editor/print/flowprint.h"
#include "editor/print/printtiles.h"

namespace ed {

class DisplayObject;

// The sheets of one job on a PrintState. The service opens the first page with the job;
// the walk's first sheet takes that page, each further sheet begins a new one. A job that
// printed no sheet is abandoned rather than ending as one blank page. Beginning a begun
// job changes nothing.
class PrintStateFlowJob : public FlowPrintJob {
 public:
  explicit PrintStateFlowJob(PrintState& state) : state_(state) {}
  bool Ready() const override { return true; }
  bool BeginJob(const char* documentName) override;
  bool NewPage() override;
  void EndPage() override;
  void EndJob() override;

 private:
  PrintState& state_;
  bool begun_ = false;
  bool firstPageOpen_ = false;
  int sheets_ = 0;
};

// Paints tiles of the drawing: every object that meets the tile, moved for the moment to
// the tile's place on the sheet (half an inch in from the top left), clipped to the
// printable area; the header line centred at the top, in the header font.
class GdiFlowTilePainter : public FlowTilePainter {
 public:
  // objects: the canvas's drawn objects, array by array in painting order.
  GdiFlowTilePainter(HDC dc, const PrinterMeasures& measures, std::int32_t tileWidth, std::int32_t tileHeight,
                     std::int32_t headerHeight, std::vector<DisplayObject*> objects, HFONT headerFont,
                     bool printFrame);

  bool HasObjects(const Rect& tile) override;
  bool PaintTile(const Rect& tile) override;
  void PaintHeader(const std::string& text) override;

  // The printable area on the sheet.
  Rect PrintableArea() const;

 private:
  HDC dc_;
  PrinterMeasures m_;
  std::int32_t w_, h_, header_;
  std::vector<DisplayObject*> objects_;
  HFONT headerFont_;
  bool printFrame_;
};

}  // namespace ed
