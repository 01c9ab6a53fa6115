#pragma once
// File > Print Flow (Windows only): PrintEdit lays one page out for a printer as the page
// canvas does for the screen, with the canvas font scaled to the printer (one logical
// unit one printer pixel), and prints its drawn objects as a grid of sheets. Text notes
// print in printer fonts of their own: a note's font and its program's modified flag are
// the same afterwards.

#include <windows.h>

#include <memory>
#include <vector>

#include "editor/page/pagecanvas.h"
#include "editor/print/flowprint.h"
#include "editor/print/printtiles.h"

class FontObject;

namespace ed {

class KvTextUI;

// The printer's measures and the screen's vertical resolution.
PrinterMeasures MeasurePrinter(HDC printer);

class PrintEdit : public CanvasWindow {
 public:
  // dc: the printer's context, set to one logical unit a printer pixel; canvasFont: the
  // page canvas's font (the printer font takes its face, weight, style and its height
  // scaled to the printer).
  PrintEdit(HDC dc, const PrinterMeasures& measures, Program& program, Page* page, const FontObject* canvasFont);
  ~PrintEdit() override;
  PrintEdit(const PrintEdit&) = delete;
  PrintEdit& operator=(const PrintEdit&) = delete;

  // Lays the page out with the printer font and builds its drawn objects; false when a
  // drawn object could not be made.
  bool Build();
  PageCanvas& Canvas() { return *canvas_; }
  // The drawn objects, layer by layer in painting order.
  std::vector<DisplayObject*> DrawnObjects() const;
  // The header band: 10 layout units in the canvas's vertical scale.
  std::int32_t HeaderHeight() const;
  // The drawing, the tile size and what the headers name.
  FlowPrintPage Sheets() const;
  HFONT PrinterFont() const { return font_; }
  // Builds, then prints the sheets on the job; the number of sheets begun.
  int PrintPages(FlowPrintJob& job, bool printFrame);

  // CanvasWindow (nothing is shown: repaints are not asked for)
  void InvalidateCanvasRect(const Rect&) override {}
  void InvalidateAll() override {}
  CanvasFont Font() override;
  std::int32_t TextWidth(const std::string& text) override;
  bool IsPrintSurface() const override { return true; }

 private:
  // Each note of the page shows in a printer font of its own while the job runs.
  void UsePrinterNoteFonts();
  void RestoreNoteFonts();

  HDC dc_;
  PrinterMeasures m_;
  Page* page_;
  HFONT font_ = nullptr;
  HGDIOBJ previousFont_ = nullptr;
  struct NoteFont {
    KvTextUI* note;
    void* kept;     // the note's own font handle
    HFONT printer;  // owned
  };
  std::vector<NoteFont> noteFonts_;
  std::unique_ptr<PageCanvas> canvas_;
};

// File > Print Flow: prints the page on the printer of the print service; the number of
// sheets printed (0 without a printer or when the job could not begin).
int PrintFlow(HWND mainWindow, Page& page, bool printFrame);

}  // namespace ed
